// The calendar's buttons read the three dates and show weekdays and day counts (checked here
// against QDate; the date arithmetic itself in the core test), its correction and refusals.

#include "support/ScreenTestKit.h"
#include "ui/tools/frmKalender.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
QString Weekday(const QDate& date) {
    return QStringList{"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend", "Sonntag"}[date.dayOfWeek() - 1];
}
// Day, month, century and year as the four boxes take them.
QStringList Parts(const QDate& date) {
    const QString year = date.toString(QStringLiteral("yyyy"));
    return {date.toString(QStringLiteral("dd")), date.toString(QStringLiteral("MM")), year.left(2), year.right(2)};
}
const QStringList kBoxes = {"KombiTag", "KombiMonat", "KombiJahrhundert", "KombiJahrzehnt"};
}  // namespace

class frmKalenderTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramSlots> program_;
    std::unique_ptr<BoxRecorder> boxes_;
    QWidget* calendar_ = nullptr;

    // suffix "" is the date asked for, "1" and "2" the two dates below.
    void Enter(const QString& suffix, const QStringList& parts, const char* button) {
        for (int i = 0; i < 4; ++i) Find<QComboBox>(calendar_, kBoxes[i] + suffix)->setEditText(parts[i]);
        if (button) Click(Find(calendar_, QString::fromLatin1(button)));
    }

private slots:
    void init() {
        program_ = std::make_unique<ProgramSlots>();
        boxes_ = std::make_unique<BoxRecorder>();
        calendar_ = program_->screens.Open(ScreenId::frmKalender);
    }
    void cleanup() {
        program_.reset();
        boxes_.reset();
    }

    void weekdaysAndDayCounts() {
        const QDate today = QDate::currentDate(), asked(2026, 12, 5), first(1901, 1, 1), second(2199, 12, 31);
        for (const QString suffix : {"", "1", "2"})  // opened with today's date three times
            QCOMPARE(Texts(calendar_, {kBoxes[0] + suffix, kBoxes[1] + suffix, kBoxes[2] + suffix, kBoxes[3] + suffix}), Parts(today));
        QVERIFY(!Find(calendar_, "Text1")->isVisible() && !Find(calendar_, "Text2")->isVisible());
        Enter("", Parts(asked), "Befehl1");
        Enter("1", Parts(first), nullptr);
        Enter("2", Parts(second), "Befehl3");
        QCOMPARE(Texts(calendar_, {"BezResultat", "Text2", "Bezeichnung12", "Text1", "Bezeichnung19"}),
                 QStringList({Weekday(asked), QString::number(today.daysTo(asked)), Weekday(first),
                              QString::number(first.daysTo(second)), Weekday(second)}));
        QVERIFY(Find(calendar_, "Text1")->isVisible() && Find(calendar_, "Text2")->isVisible());
        QCOMPARE(boxes_->count(), 0);
    }

    void correctionAndRefusals() {
        Enter("", {"29", "02", "19", "00"}, "Befehl1");
        QCOMPARE(boxes_->last().icon, QMessageBox::Information);
        QCOMPARE(boxes_->last().title + ": " + boxes_->last().text,
                 QStringLiteral("Kalender-Info: Tag auf 28. zurückgesetzt, da angegebenes Jahr kein Schaltjahr !"));
        QCOMPARE(Texts(calendar_, {"KombiTag", "BezResultat"}), QStringList({"28", Weekday(QDate(1900, 2, 28))}));
        Enter("", {"31", "04", "20", "26"}, "Befehl1");
        QCOMPARE(boxes_->last().text, QStringLiteral("Gesuchtes Datum: Den 31.04.2026 gibt es nicht, der Monat hat nur 30 Tage !"));
        QCOMPARE(Texts(calendar_, {"BezResultat"})[0], Weekday(QDate(1900, 2, 28)));  // the last result stays
        Enter("2", {"01", "01", "20", ""}, "Befehl3");
        QCOMPARE(boxes_->last().icon, QMessageBox::Warning);
        QCOMPARE(boxes_->last().title + ": " + boxes_->last().text,
                 QStringLiteral("Kalender-Info: Datum 2: Bitte als Jahr eine Zahl von 00 bis 99 angeben !"));
        QVERIFY(!Find(calendar_, "Text1")->isVisible());
        QCOMPARE(boxes_->count(), 3);
    }

    void beendenUnloadsAndTheNextOpeningStartsAfresh() {
        Enter("", {"01", "01", "15", "00"}, "Befehl1");
        static_cast<frmKalender*>(calendar_)->SetBackColor(Qt::red);
        Click(Find(calendar_, "Befehl2"));
        QVERIFY(!program_->screens.Get(ScreenId::frmKalender));
        calendar_ = program_->screens.Open(ScreenId::frmKalender);
        QCOMPARE(Texts(calendar_, {"KombiJahrhundert", "BezResultat"}), QStringList({Parts(QDate::currentDate())[2], ""}));
        QCOMPARE(static_cast<frmKalender*>(calendar_)->BackColor(), QColor(192, 255, 192));
    }
};

QTEST_MAIN(frmKalenderTest)
#include "frmKalender_test.moc"

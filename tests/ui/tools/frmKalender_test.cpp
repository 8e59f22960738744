// The calendar's buttons read the dates and show weekdays and day counts (compared with QDate;
// the date arithmetic itself is the core test's), its correction and refusals; "Beenden"
// unloads it, so it opens afresh.

#include "support/ScreenTestKit.h"
#include "ui/tools/frmKalender.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
QString Weekday(const QDate& date) {
    return QStringList{"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend", "Sonntag"}[date.dayOfWeek() - 1];
}
}  // namespace

class frmKalenderTest : public QObject {
    Q_OBJECT

    // Day, month, century and year into the boxes of the date asked for ("") or date 1 or 2.
    static QStringList Enter(QWidget* calendar, const QString& date, const QString& suffix) {
        const QStringList names = {"KombiTag", "KombiMonat", "KombiJahrhundert", "KombiJahrzehnt"};
        for (int i = 0; i < 4 && !date.isEmpty(); ++i) Find<QComboBox>(calendar, names[i] + suffix)->setEditText(date.split('.').value(i));
        Click(Find(calendar, suffix.isEmpty() ? "Befehl1" : "Befehl3"));
        return Texts(calendar, {"BezResultat", "Text2", "Bezeichnung12", "Text1", "Bezeichnung19"});
    }

private slots:
    void weekdaysDayCountsAndRefusals() {
        ProgramSlots program;
        BoxRecorder boxes;
        QWidget* calendar = program.screens.Open(ScreenId::frmKalender);
        const QDate today = QDate::currentDate();
        Enter(calendar, "", "");  // all three dates open on today
        QCOMPARE(Enter(calendar, "", "1"), QStringList({Weekday(today), "0", Weekday(today), "0", Weekday(today)}));
        Enter(calendar, "01.01.19.01", "1");
        QCOMPARE(Enter(calendar, "31.12.21.99", "2"), QStringList({Weekday(today), "0", "Dienstag", QString::number(
                                                                      QDate(1901, 1, 1).daysTo(QDate(2199, 12, 31))), "Dienstag"}));
        QCOMPARE(boxes.Take(), QStringList{});
        QCOMPARE(Enter(calendar, "29.02.19.00", "")[0], Weekday(QDate(1900, 2, 28)));
        QCOMPARE(Texts(calendar, {"KombiTag"})[0], QStringLiteral("28"));
        QCOMPARE(Enter(calendar, "31.04.20.26", "")[0], Weekday(QDate(1900, 2, 28)));  // refused: the result stays
        Enter(calendar, "01.01.20.", "2");
        QCOMPARE(boxes.Take(), (QStringList{"i Kalender-Info: Tag auf 28. zurückgesetzt, da angegebenes Jahr kein Schaltjahr !",
                                            "! Kalender-Info: Gesuchtes Datum: Den 31.04.2026 gibt es nicht, der Monat hat nur 30 Tage !",
                                            "! Kalender-Info: Datum 2: Bitte als Jahr eine Zahl von 00 bis 99 angeben !"}));

        static_cast<frmKalender*>(calendar)->SetBackColor(Qt::red);
        Click(Find(calendar, "Befehl2"));
        QVERIFY(!program.screens.Get(ScreenId::frmKalender));
        calendar = program.screens.Open(ScreenId::frmKalender);
        QCOMPARE(Texts(calendar, {"KombiTag", "BezResultat"}), QStringList({today.toString("dd"), ""}));
        QCOMPARE(static_cast<frmKalender*>(calendar)->BackColor(), QColor(192, 255, 192));
    }
};

QTEST_MAIN(frmKalenderTest)
#include "frmKalender_test.moc"

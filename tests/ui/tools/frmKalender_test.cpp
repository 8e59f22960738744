#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>
#include <memory>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"
#include "ui/tools/frmKalender.h"

using zolt::ScreenId;
using zolt::testing::BoxRecorder;
using zolt::testing::Click;
using zolt::testing::Find;

namespace {

// QDate counts Monday as 1 in the proleptic Gregorian calendar: an independent reference.
QString ReferenceWeekday(const QDate& date) {
    static const QStringList names = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend", "Sonntag"};
    return names[date.dayOfWeek() - 1];
}

QString Two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

class frmKalenderTest : public QObject {
    Q_OBJECT

    std::unique_ptr<zolt::ScreenSlots> screens_;
    QWidget* cal_ = nullptr;

    void Fresh() {
        screens_ = std::make_unique<zolt::ScreenSlots>();
        zolt::RegisterScreens(*screens_);
        cal_ = screens_->Open(ScreenId::frmKalender);
    }

    // suffix "" is the date asked for, "1" and "2" the two dates below.
    void SetDate(const QString& suffix, const QString& day, const QString& month, const QString& century, const QString& year) {
        Find<QComboBox>(cal_, "KombiTag" + suffix)->setEditText(day);
        Find<QComboBox>(cal_, "KombiMonat" + suffix)->setEditText(month);
        Find<QComboBox>(cal_, "KombiJahrhundert" + suffix)->setEditText(century);
        Find<QComboBox>(cal_, "KombiJahrzehnt" + suffix)->setEditText(year);
    }
    void SetDate(const QString& suffix, const QDate& date) {
        const QString y = QString::number(date.year());
        SetDate(suffix, Two(date.day()), Two(date.month()), y.left(2), y.right(2));
    }
    QString Text(const QString& name) {
        if (auto* label = cal_->findChild<QLabel*>(name)) return label->text();
        return Find<QLineEdit>(cal_, name)->text();
    }

private slots:
    void listsAndToday() {
        Fresh();
        QCOMPARE(cal_->windowTitle(), QStringLiteral("Ewiger Kalender"));
        const QDate today = QDate::currentDate();
        const QString year = QString::number(today.year());
        for (const QString suffix : {"", "1", "2"}) {
            auto* day = Find<QComboBox>(cal_, "KombiTag" + suffix);
            QCOMPARE(day->count(), 31);
            QCOMPARE(day->itemText(0), QStringLiteral("01"));
            QCOMPARE(day->itemText(30), QStringLiteral("31"));
            auto* month = Find<QComboBox>(cal_, "KombiMonat" + suffix);
            QCOMPARE(month->count(), 12);
            QCOMPARE(month->itemText(11), QStringLiteral("12"));
            auto* century = Find<QComboBox>(cal_, "KombiJahrhundert" + suffix);
            QCOMPARE(century->count(), 7);
            QCOMPARE(century->itemText(0), QStringLiteral("15"));
            QCOMPARE(century->itemText(6), QStringLiteral("21"));
            auto* decade = Find<QComboBox>(cal_, "KombiJahrzehnt" + suffix);
            QCOMPARE(decade->count(), 100);
            QCOMPARE(decade->itemText(0), QStringLiteral("00"));
            QCOMPARE(decade->itemText(99), QStringLiteral("99"));
            QCOMPARE(day->currentText(), Two(today.day()));
            QCOMPARE(month->currentText(), Two(today.month()));
            QCOMPARE(century->currentText(), year.left(2));
            QCOMPARE(decade->currentText(), year.right(2));
        }
        QVERIFY(!Find<QLineEdit>(cal_, "Text2")->isVisible());
        QVERIFY(!Find<QLineEdit>(cal_, "Text1")->isVisible());
        QCOMPARE(static_cast<zolt::frmKalender*>(cal_)->BackColor(), QColor(192, 255, 192));
    }

    void todayGivesZero() {
        BoxRecorder boxes;
        Fresh();
        Click(Find<QPushButton>(cal_, "Befehl1"));
        QCOMPARE(Text("Text2"), QStringLiteral("0"));
        QVERIFY(Find<QLineEdit>(cal_, "Text2")->isVisible());
        QCOMPARE(Text("BezResultat"), ReferenceWeekday(QDate::currentDate()));
        QCOMPARE(boxes.count(), 0);
    }

    void weekdayAndDaysFromToday_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("weekday");
        QTest::newRow("5 Dec 2026") << QDate(2026, 12, 5) << "Sonnabend";
        QTest::newRow("1 Jan 2000") << QDate(2000, 1, 1) << "Sonnabend";
        QTest::newRow("leap day 2000") << QDate(2000, 2, 29) << "Dienstag";
        QTest::newRow("first year offered") << QDate(1500, 1, 1) << "Montag";
        QTest::newRow("last day offered") << QDate(2199, 12, 31) << "Dienstag";
    }

    void weekdayAndDaysFromToday() {
        QFETCH(QDate, date);
        QFETCH(QString, weekday);
        BoxRecorder boxes;
        Fresh();
        SetDate("", date);
        Click(Find<QPushButton>(cal_, "Befehl1"));
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(Text("BezResultat"), weekday);
        QCOMPARE(Text("BezResultat"), ReferenceWeekday(date));
        QCOMPARE(Text("Text2"), QString::number(QDate::currentDate().daysTo(date)));
    }

    void daysBetweenTwoDates() {
        BoxRecorder boxes;
        Fresh();
        SetDate("1", "01", "01", "19", "01");
        SetDate("2", "01", "01", "20", "01");
        Click(Find<QPushButton>(cal_, "Befehl3"));
        QCOMPARE(Text("Text1"), QStringLiteral("36525"));
        QVERIFY(Find<QLineEdit>(cal_, "Text1")->isVisible());
        QCOMPARE(Text("Bezeichnung12"), QStringLiteral("Dienstag"));
        QCOMPARE(Text("Bezeichnung19"), QStringLiteral("Montag"));
        SetDate("1", "01", "01", "20", "01");
        SetDate("2", "01", "01", "19", "01");
        Click(Find<QPushButton>(cal_, "Befehl3"));
        QCOMPARE(Text("Text1"), QStringLiteral("-36525"));
        QCOMPARE(boxes.count(), 0);
    }

    void randomDatesAgainstQDate() {
        BoxRecorder boxes;
        Fresh();
        QRandomGenerator random(1582);
        const qint64 first = QDate(1500, 1, 1).toJulianDay();
        const qint64 last = QDate(2199, 12, 31).toJulianDay();
        for (int i = 0; i < 300; ++i) {
            const QDate a = QDate::fromJulianDay(first + static_cast<qint64>(random.bounded(static_cast<quint64>(last - first + 1))));
            const QDate b = QDate::fromJulianDay(first + static_cast<qint64>(random.bounded(static_cast<quint64>(last - first + 1))));
            SetDate("1", a);
            SetDate("2", b);
            Click(Find<QPushButton>(cal_, "Befehl3"));
            QCOMPARE(Text("Text1"), QString::number(a.daysTo(b)));
            QCOMPARE(Text("Bezeichnung12"), ReferenceWeekday(a));
            QCOMPARE(Text("Bezeichnung19"), ReferenceWeekday(b));
            SetDate("", a);
            Click(Find<QPushButton>(cal_, "Befehl1"));
            QCOMPARE(Text("BezResultat"), ReferenceWeekday(a));
        }
        QCOMPARE(boxes.count(), 0);
    }

    void leapDayCorrection() {
        BoxRecorder boxes;
        Fresh();
        SetDate("", "29", "02", "19", "00");
        Click(Find<QPushButton>(cal_, "Befehl1"));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, QMessageBox::Information);
        QCOMPARE(boxes.last().title, QStringLiteral("Kalender-Info"));
        QCOMPARE(boxes.last().text, QStringLiteral("Tag auf 28. zurückgesetzt, da angegebenes Jahr kein Schaltjahr !"));
        QCOMPARE(Find<QComboBox>(cal_, "KombiTag")->currentText(), QStringLiteral("28"));
        QCOMPARE(Text("BezResultat"), ReferenceWeekday(QDate(1900, 2, 28)));
        QCOMPARE(Text("Text2"), QString::number(QDate::currentDate().daysTo(QDate(1900, 2, 28))));
    }

    void leapDayCorrectionOfBothDates() {
        BoxRecorder boxes;
        Fresh();
        SetDate("1", "29", "02", "21", "00");
        SetDate("2", "29", "02", "17", "00");
        Click(Find<QPushButton>(cal_, "Befehl3"));
        QCOMPARE(boxes.count(), 2);
        QCOMPARE(Find<QComboBox>(cal_, "KombiTag1")->currentText(), QStringLiteral("28"));
        QCOMPARE(Find<QComboBox>(cal_, "KombiTag2")->currentText(), QStringLiteral("28"));
        QCOMPARE(Text("Text1"), QString::number(QDate(2100, 2, 28).daysTo(QDate(1700, 2, 28))));
    }

    void refusals_data() {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("century");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message");
        QTest::newRow("31 April") << "31" << "04" << "20" << "26"
                                  << "Gesuchtes Datum: Den 31.04.2026 gibt es nicht, der Monat hat nur 30 Tage !";
        QTest::newRow("30 February") << "30" << "02" << "20" << "24"
                                     << "Gesuchtes Datum: Den 30.02.2024 gibt es nicht, der Monat hat nur 29 Tage !";
        QTest::newRow("day text") << "ab" << "04" << "20" << "26"
                                  << "Gesuchtes Datum: Bitte als Tag eine Zahl von 01 bis 31 angeben !";
        QTest::newRow("day 32") << "32" << "04" << "20" << "26"
                                << "Gesuchtes Datum: Bitte als Tag eine Zahl von 01 bis 31 angeben !";
        QTest::newRow("month 0") << "01" << "00" << "20" << "26"
                                 << "Gesuchtes Datum: Bitte als Monat eine Zahl von 01 bis 12 angeben !";
        QTest::newRow("century 22") << "01" << "01" << "22" << "00"
                                    << "Gesuchtes Datum: Bitte als Jahrhundert eine Zahl von 15 bis 21 angeben !";
        QTest::newRow("empty year") << "01" << "01" << "20" << ""
                                    << "Gesuchtes Datum: Bitte als Jahr eine Zahl von 00 bis 99 angeben !";
    }

    void refusals() {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, century);
        QFETCH(QString, year);
        QFETCH(QString, message);
        BoxRecorder boxes;
        Fresh();
        Click(Find<QPushButton>(cal_, "Befehl1"));  // a first result that must stay
        const QString before = Text("Text2");
        const QString weekdayBefore = Text("BezResultat");
        SetDate("", day, month, century, year);
        Click(Find<QPushButton>(cal_, "Befehl1"));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(boxes.last().title, QStringLiteral("Kalender-Info"));
        QCOMPARE(boxes.last().text, message);
        QCOMPARE(Text("Text2"), before);
        QCOMPARE(Text("BezResultat"), weekdayBefore);
    }

    void refusalOfSecondDateNamesIt() {
        BoxRecorder boxes;
        Fresh();
        SetDate("2", "31", "06", "20", "00");
        Click(Find<QPushButton>(cal_, "Befehl3"));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text, QStringLiteral("Datum 2: Den 31.06.2000 gibt es nicht, der Monat hat nur 30 Tage !"));
        QVERIFY(!Find<QLineEdit>(cal_, "Text1")->isVisible());
    }

    void beendenUnloadsAndRebuilds() {
        Fresh();
        SetDate("", "01", "01", "15", "00");
        Click(Find<QPushButton>(cal_, "Befehl1"));
        static_cast<zolt::frmKalender*>(cal_)->SetBackColor(QColor(1, 2, 3));
        QPointer<QWidget> old = cal_;
        Click(Find<QPushButton>(cal_, "Befehl2"));
        QVERIFY(!screens_->Get(ScreenId::frmKalender));
        QTRY_VERIFY(old.isNull());
        cal_ = screens_->Open(ScreenId::frmKalender);
        QCOMPARE(Find<QComboBox>(cal_, "KombiTag")->currentText(), Two(QDate::currentDate().day()));
        QCOMPARE(Find<QComboBox>(cal_, "KombiJahrhundert")->currentText(), QString::number(QDate::currentDate().year()).left(2));
        QVERIFY(!Find<QLineEdit>(cal_, "Text2")->isVisible());
        QCOMPARE(Text("BezResultat"), QString());
        QCOMPARE(static_cast<zolt::frmKalender*>(cal_)->BackColor(), QColor(192, 255, 192));
    }

    void fOpensTheColourMixer() {
        Fresh();
        QVERIFY(!screens_->Get(ScreenId::frmScrollBars));
        Click(Find<QPushButton>(cal_, "Befehl4"));
        QWidget* mixer = screens_->Get(ScreenId::frmScrollBars);
        QVERIFY(mixer);
        QVERIFY(mixer->isVisible());
        QVERIFY(cal_->isVisible());
    }
};

QTEST_MAIN(frmKalenderTest)
#include "frmKalender_test.moc"

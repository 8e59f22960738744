// The notes screen opened from the menu's "Hinweis" button.

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"

using zolt::ScreenId;
using zolt::testing::Click;
using zolt::testing::Find;

class frmHinweisTest : public QObject {
    Q_OBJECT
private slots:
    void openedTwiceShowsLinesOnce();
    void lines_data();
    void lines();
};

namespace {
struct Harness {
    zolt::ScreenSlots screens;
    QWidget* menu = nullptr;
    Harness() {
        zolt::RegisterScreens(screens);
        screens.SetQuitHandler([] {});
        menu = screens.Open(ScreenId::frmZoltauswahl);
    }
    QWidget* OpenNotes() {
        Click(Find(menu, QStringLiteral("Befehl16")));
        return screens.Get(ScreenId::frmHinweis);
    }
};
}  // namespace

void frmHinweisTest::openedTwiceShowsLinesOnce() {
    Harness h;
    QWidget* notes = h.OpenNotes();
    QVERIFY(notes && notes->isVisible());
    QCOMPARE(notes->windowTitle(), QStringLiteral("Hinweis"));
    auto* list = Find<QListWidget>(notes, QStringLiteral("Liste1"));
    QCOMPARE(list->count(), 23);
    auto* back = Find<QPushButton>(notes, QStringLiteral("Befehl1"));
    QCOMPARE(back->text(), QStringLiteral("Zurück"));
    Click(back);
    QVERIFY(!notes->isVisible());
    QVERIFY(h.menu->isVisible());
    QCOMPARE(h.OpenNotes(), notes);
    QVERIFY(notes->isVisible());
    QCOMPARE(list->count(), 23);
    // No donation label: the program has no donation address.
    auto* paypal = notes->findChild<QWidget*>(QStringLiteral("lblPayPal"));
    QVERIFY(!paypal || !paypal->isVisible());
}

void frmHinweisTest::lines_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1
                       << "Beim Vergleich der errechneten Werte mit denen der Bank kann es geringe Abweichungen geben.";
    QTest::newRow("3 trailing blank")
        << 3 << "lungen). Bei Banken wurden früher, als es noch keine Computer gab, vereinfachte Methoden ";
    QTest::newRow("4 trailing blank")
        << 4 << "und Tabellen zur Zinsberechnung entwickelt. Viele Banken benutzen auch heute noch, trotz ";
    QTest::newRow("13 empty") << 13 << "";
    QTest::newRow("14") << 14 << "Der effektive Jahreszinsatz wird errechnet:";
    QTest::newRow("16 formula") << 16
                                << QString(46, QLatin1Char(' ')) + "Z(eff.)=Z(nom.)+Kreditnebenkosten (in %)";
    QTest::newRow("17 empty") << 17 << "";
    QTest::newRow("18 empty") << 18 << "";
    QTest::newRow("21 separators")
        << 21
        << QString(27, QLatin1Char(' ')) + "Dezimaltrennzeichen ',' (Komma)" + QString(5, QLatin1Char(' ')) +
               "Tausendertrennzeichen '.' (Punkt)";
    QTest::newRow("22 empty") << 22 << "";
    QTest::newRow("23") << 23 << "und ab 01.01.2002 das Währungsformat € eingestellt sein.";
}

void frmHinweisTest::lines() {
    QFETCH(int, number);
    QFETCH(QString, text);
    Harness h;
    QWidget* notes = h.OpenNotes();
    QVERIFY(notes);
    auto* list = Find<QListWidget>(notes, QStringLiteral("Liste1"));
    QCOMPARE(list->item(number - 1)->text(), text);
}

QTEST_MAIN(frmHinweisTest)
#include "frmHinweis_test.moc"

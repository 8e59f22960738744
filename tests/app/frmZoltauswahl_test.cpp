// The selection menu driven as a user would: layout, status line, screens it opens, the end.

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <map>
#include <memory>

#include "app/ScreenTable.h"
#include "app/frmZoltauswahl.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"

using zolt::ScreenId;
using zolt::ScreenSlots;
using zolt::testing::Find;

Q_DECLARE_METATYPE(ScreenId)

namespace {

// Twips of the design to pixels at 15 twips per pixel, rounded to the nearest pixel.
int Pixels(int twips) { return static_cast<int>(twips / 15.0 + 0.5); }

// Slots with the real menu and plain stand-in windows for the screens a test needs.
struct MenuHarness {
    ScreenSlots screens;
    std::map<ScreenId, int> created;
    int quits = 0;

    MenuHarness() {
        zolt::RegisterScreens(screens);
        screens.SetQuitHandler([this] { ++quits; });
    }
    void Stub(ScreenId id) {
        screens.Register(id, [this, id](ScreenSlots&) -> QWidget* {
            ++created[id];
            auto* window = new QWidget;
            window->resize(200, 100);
            return window;
        });
    }
    zolt::frmZoltauswahl* OpenMenu() {
        auto* menu = qobject_cast<zolt::frmZoltauswahl*>(screens.Open(ScreenId::frmZoltauswahl));
        if (menu && !QTest::qWaitForWindowExposed(menu)) return nullptr;
        return menu;
    }
};

// A mouse move onto the middle of a control (through the window, as the pointer would).
void MoveOnto(QWidget* control, QPoint at = {-1, -1}) {
    if (at == QPoint(-1, -1)) at = control->rect().center();
    QTest::mouseMove(control, at);
    QCoreApplication::processEvents();
}

}  // namespace

class frmZoltauswahlTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndClientArea();
    void controlGeometry_data();
    void controlGeometry();
    void statusTextOnEveryButton_data();
    void statusTextOnEveryButton();
    void statusKeptOverHinweisAndStatusLine();
    void backgroundClearsStatus();
    void sameInstanceOnSecondPress();
    void unregisteredScreenDoesNothing();
    void alternativeHidesMenuOthersDoNot();
    void beendenRunsEndSequenceInOrder();
    void closingByFrameEndsProgram();
    void gradientGreenToBlack();
    void gradientFollowsResize();
};

void frmZoltauswahlTest::windowAndClientArea() {
    MenuHarness h;
    auto* menu = h.OpenMenu();
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("frmZoltauswahl"));
    QCOMPARE(menu->windowTitle(), QStringLiteral("ZOLT - AUSWAHLMENÜ"));
    QCOMPARE(menu->size(), QSize(Pixels(9630), Pixels(6300)));
    // The project has no donation address: no donation label is shown.
    auto* paypal = menu->findChild<QWidget*>(QStringLiteral("lblPayPal"));
    QVERIFY(!paypal || !paypal->isVisible());
}

void frmZoltauswahlTest::controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Rahmen1") << "Rahmen1" << "frmZoltauswahl" << "Sparen" << QRect(570, 270, 3555, 2745);
    QTest::newRow("Rahmen2") << "Rahmen2" << "frmZoltauswahl" << "Kredit" << QRect(570, 3150, 3555, 2295);
    QTest::newRow("Rahmen3") << "Rahmen3" << "frmZoltauswahl" << "Diverses" << QRect(5700, 270, 3555, 2655);
    QTest::newRow("Rahmen4") << "Rahmen4" << "frmZoltauswahl" << "Hinweise" << QRect(570, 5520, 8745, 645);
    QTest::newRow("Befehl2") << "Befehl2" << "Rahmen1" << "Spareinlagen" << QRect(300, 510, 2925, 345);
    QTest::newRow("Befehl3") << "Befehl3" << "Rahmen1" << "Bundesschatzbriefe" << QRect(300, 1110, 2925, 345);
    QTest::newRow("Befehl14") << "Befehl14" << "Rahmen1" << "Plussparen-Extrasparen" << QRect(300, 1710, 2925, 345);
    QTest::newRow("Befehl15") << "Befehl15" << "Rahmen1" << "Summen-Sparen" << QRect(300, 2280, 2925, 345);
    QTest::newRow("Befehl5") << "Befehl5" << "Rahmen2" << "Kredit-Rate" << QRect(300, 340, 2925, 375);
    QTest::newRow("Befehl6") << "Befehl6" << "Rahmen2" << "Kredit-Laufzeit" << QRect(300, 820, 2925, 345);
    QTest::newRow("Befehl7") << "Befehl7" << "Rahmen2" << "Kredit-Zinssatzermittlung" << QRect(300, 1300, 2925, 345);
    QTest::newRow("Befehl17") << "Befehl17" << "Rahmen2" << "Kreditvergleich" << QRect(300, 1780, 2925, 345);
    QTest::newRow("Befehl8") << "Befehl8" << "Rahmen3" << "Rente" << QRect(330, 420, 2925, 345);
    QTest::newRow("Befehl13") << "Befehl13" << "Rahmen3" << "Kapital-Vervielfachung" << QRect(330, 960, 2925, 345);
    QTest::newRow("Befehl4") << "Befehl4" << "Rahmen3" << "Zinsatzermittlung" << QRect(330, 1500, 2925, 345);
    QTest::newRow("Befehl10") << "Befehl10" << "Rahmen3" << "\"Alternative\"" << QRect(330, 2040, 2925, 345);
    QTest::newRow("Befehl16") << "Befehl16" << "frmZoltauswahl" << "Hinweis" << QRect(6030, 3960, 2955, 345);
    QTest::newRow("Befehl1") << "Befehl1" << "frmZoltauswahl" << "Beenden" << QRect(6030, 4620, 2955, 345);
    QTest::newRow("Bezeichnung1") << "Bezeichnung1" << "Rahmen4" << "" << QRect(120, 270, 8535, 225);
}

void frmZoltauswahlTest::controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    MenuHarness h;
    auto* menu = h.OpenMenu();
    QVERIFY(menu);
    QWidget* control = Find(menu, name);
    QVERIFY(control);
    QVERIFY(control->isVisible());
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(),
             QRect(Pixels(twips.x()), Pixels(twips.y()), Pixels(twips.width()), Pixels(twips.height())));
    if (auto* button = qobject_cast<QPushButton*>(control)) QCOMPARE(button->text(), caption);
    if (auto* frame = qobject_cast<QGroupBox*>(control)) QCOMPARE(frame->title(), caption);
    if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), caption);
}

void frmZoltauswahlTest::statusTextOnEveryButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("status");
    QTest::newRow("Befehl2") << "Befehl2" << "Rahmen1" << "Spareinlagen, Festzolter, Tageszolter, Sparplan.";
    QTest::newRow("Befehl3") << "Befehl3" << "Rahmen1"
                             << "Berechnet Zinsen und Kapitalentwicklung von Bundesschatzbriefen Typ A und Typ B.";
    QTest::newRow("Befehl14") << "Befehl14" << "Rahmen1" << "Sparen mit wachsenden Zinssatz";
    QTest::newRow("Befehl15") << "Befehl15" << "Rahmen1"
                              << "Berechnet die Höhe der Sparrate um einen Wunschsparbetrag zu erhalten.";
    QTest::newRow("Befehl5") << "Befehl5" << "Rahmen2" << "Berechnet die Ratenhöhe von Krediten.";
    QTest::newRow("Befehl6") << "Befehl6" << "Rahmen2" << "Berechnet die Laufzeit von Krediten.";
    QTest::newRow("Befehl7") << "Befehl7" << "Rahmen2" << "Berechnet den Zinssatz von Krediten.";
    QTest::newRow("Befehl17") << "Befehl17" << "Rahmen2" << "Vergleicht verschiedene Kreditangebote.";
    QTest::newRow("Befehl8") << "Befehl8" << "Rahmen3" << "Kapitalbedarf bei Ewigen-Renten, Laufzeit von Kapitalrenten.";
    QTest::newRow("Befehl4") << "Befehl4" << "Rahmen3" << "Zinssatzermittlung bei vorgegebenen Anfangs-u. Endkapital.";
    QTest::newRow("Befehl13") << "Befehl13" << "Rahmen3" << "Berechnet die Zeitdauer für eine Kapital Ver n-Fachung.";
    QTest::newRow("Befehl10") << "Befehl10" << "Rahmen3" << "Nichts übrig zum Sparen ? 'Alternative'--> Lotto.";
    QTest::newRow("Befehl1") << "Befehl1" << "frmZoltauswahl" << "Beendet das Programm.";
}

void frmZoltauswahlTest::statusTextOnEveryButton() {
    QFETCH(QString, button);
    QFETCH(QString, frame);
    QFETCH(QString, status);
    MenuHarness h;
    auto* menu = h.OpenMenu();
    QVERIFY(menu);
    auto* line = Find<QLabel>(menu, QStringLiteral("Bezeichnung1"));
    QWidget* control = Find(menu, button);
    QVERIFY(line && control);
    QVERIFY(line->text().isEmpty());
    MoveOnto(control);
    QCOMPARE(line->text(), status);
    // Written on every move, not only on entering: a move within the button after the text
    // was cleared writes it again.
    line->clear();
    MoveOnto(control, control->rect().center() + QPoint(3, 1));
    QCOMPARE(line->text(), status);
    // Off the button onto the frame (or the background) around it: cleared.
    QWidget* around = Find(menu, frame);
    const QPoint beside = control->geometry().topLeft() + QPoint(-5, control->height() / 2);
    MoveOnto(around, beside);
    QCOMPARE(line->text(), QString());
}

void frmZoltauswahlTest::statusKeptOverHinweisAndStatusLine() {
    MenuHarness h;
    auto* menu = h.OpenMenu();
    QVERIFY(menu);
    auto* line = Find<QLabel>(menu, QStringLiteral("Bezeichnung1"));
    MoveOnto(Find(menu, QStringLiteral("Befehl7")));
    const QString kept = QStringLiteral("Berechnet den Zinssatz von Krediten.");
    QCOMPARE(line->text(), kept);
    MoveOnto(Find(menu, QStringLiteral("Befehl16")));
    QCOMPARE(line->text(), kept);
    MoveOnto(line, QPoint(10, line->height() / 2));
    QCOMPARE(line->text(), kept);
    // The frame of the status line, beside the line itself, clears it.
    MoveOnto(Find(menu, QStringLiteral("Rahmen4")), QPoint(3, 3 * Find(menu, QStringLiteral("Rahmen4"))->height() / 4));
    QCOMPARE(line->text(), QString());
}

void frmZoltauswahlTest::backgroundClearsStatus() {
    MenuHarness h;
    auto* menu = h.OpenMenu();
    QVERIFY(menu);
    auto* line = Find<QLabel>(menu, QStringLiteral("Bezeichnung1"));
    MoveOnto(Find(menu, QStringLiteral("Befehl1")));
    QVERIFY(!line->text().isEmpty());
    MoveOnto(menu, QPoint(5, 5));  // the gradient above Rahmen1
    QCOMPARE(line->text(), QString());
}

void frmZoltauswahlTest::sameInstanceOnSecondPress() {
    MenuHarness h;
    h.Stub(ScreenId::frmVielfach);
    auto* menu = h.OpenMenu();
    QVERIFY(menu);
    zolt::testing::Click(Find(menu, QStringLiteral("Befehl13")));
    QWidget* first = h.screens.Get(ScreenId::frmVielfach);
    QVERIFY(first && first->isVisible());
    first->hide();  // as its own return button does
    zolt::testing::Click(Find(menu, QStringLiteral("Befehl13")));
    QCOMPARE(h.screens.Get(ScreenId::frmVielfach), first);
    QVERIFY(first->isVisible());
    QCOMPARE(h.created[ScreenId::frmVielfach], 1);
    QVERIFY(menu->isVisible());
}

void frmZoltauswahlTest::unregisteredScreenDoesNothing() {
    MenuHarness h;
    h.screens.Register(ScreenId::frmKugel1, {});
    h.screens.Register(ScreenId::ZinsSheet, {});
    auto* menu = h.OpenMenu();
    QVERIFY(menu);
    zolt::testing::Click(Find(menu, QStringLiteral("Befehl2")));
    zolt::testing::Click(Find(menu, QStringLiteral("Befehl10")));
    QVERIFY(!h.screens.Get(ScreenId::ZinsSheet));
    // No picker to stand in for it: the menu stays.
    QVERIFY(menu->isVisible());
}

void frmZoltauswahlTest::alternativeHidesMenuOthersDoNot() {
    MenuHarness h;
    h.Stub(ScreenId::frmKugel1);
    h.Stub(ScreenId::frmRente);
    auto* menu = h.OpenMenu();
    QVERIFY(menu);
    zolt::testing::Click(Find(menu, QStringLiteral("Befehl8")));
    QVERIFY(h.screens.Get(ScreenId::frmRente)->isVisible());
    QVERIFY(menu->isVisible());
    zolt::testing::Click(Find(menu, QStringLiteral("Befehl10")));
    QVERIFY(h.screens.Get(ScreenId::frmKugel1)->isVisible());
    QVERIFY(!menu->isVisible());
}

namespace {
// Opens a few screens out of order, then ends the program by the given action and checks
// that the opened screens were unloaded in the fixed order, the menu last, then the quit.
void CheckEndSequence(const std::function<void(zolt::frmZoltauswahl*)>& end) {
    MenuHarness h;
    const std::vector<ScreenId> opened = {ScreenId::frmRente, ScreenId::frmHinweis, ScreenId::frmKugel1,
                                          ScreenId::LoanSheet, ScreenId::frmZinssatz};
    for (ScreenId id : opened) h.Stub(id);
    auto* menu = h.OpenMenu();
    QVERIFY(menu);
    for (ScreenId id : opened) QVERIFY(h.screens.Open(id));
    h.screens.Get(ScreenId::frmHinweis)->hide();  // hidden screens are unloaded too

    std::vector<ScreenId> order;
    std::vector<int> quitsSeen;
    QObject::connect(&h.screens, &ScreenSlots::screenUnloaded, [&](ScreenId id) {
        order.push_back(id);
        quitsSeen.push_back(h.quits);
    });
    end(menu);
    const std::vector<ScreenId> expected = {ScreenId::frmKugel1, ScreenId::frmZinssatz, ScreenId::frmHinweis,
                                            ScreenId::LoanSheet, ScreenId::frmRente, ScreenId::frmZoltauswahl};
    QCOMPARE(order, expected);
    QCOMPARE(quitsSeen, std::vector<int>(expected.size(), 0));  // quit only after every unload
    QCOMPARE(h.quits, 1);
    for (int i = 0; i < static_cast<int>(ScreenId::Count); ++i) QVERIFY(!h.screens.Get(static_cast<ScreenId>(i)));
    // Ending is final: nothing opens again afterwards.
    QVERIFY(!h.screens.Open(ScreenId::frmRente));
}
}  // namespace

void frmZoltauswahlTest::beendenRunsEndSequenceInOrder() {
    CheckEndSequence([](zolt::frmZoltauswahl* menu) { zolt::testing::Click(Find(menu, QStringLiteral("Befehl1"))); });
}

void frmZoltauswahlTest::closingByFrameEndsProgram() {
    CheckEndSequence([](zolt::frmZoltauswahl* menu) { QVERIFY(menu->close()); });
}

namespace {
QColor PixelAt(const QImage& image, int x, int y) { return image.pixelColor(x, y); }
}  // namespace

void frmZoltauswahlTest::gradientGreenToBlack() {
    MenuHarness h;
    auto* menu = h.OpenMenu();
    QVERIFY(menu);
    const QImage image = menu->grab().toImage();
    const int h0 = image.height();
    QCOMPARE(PixelAt(image, 2, 0), QColor(0, 255, 0));
    QCOMPARE(PixelAt(image, image.width() - 2, 0), QColor(0, 255, 0));
    QCOMPARE(PixelAt(image, 2, h0 - 1), QColor(0, 0, 0));
    // Band i covers [h*i/256, h*(i+1)/256) and has green 255 - i.
    const int y = h0 / 2;
    const int band = (y * 256) / h0;
    QVERIFY(std::abs(PixelAt(image, 2, y).green() - (255 - band)) <= 1);
    QCOMPARE(PixelAt(image, 2, y).red(), 0);
    QCOMPARE(PixelAt(image, 2, y).blue(), 0);
}

void frmZoltauswahlTest::gradientFollowsResize() {
    MenuHarness h;
    auto* menu = h.OpenMenu();
    QVERIFY(menu);
    menu->resize(menu->width(), 1024);
    const QImage image = menu->grab().toImage();
    QCOMPARE(image.height(), 1024);
    // 1024 pixels, 256 bands: four rows per band.
    QCOMPARE(PixelAt(image, 2, 0), QColor(0, 255, 0));
    QCOMPARE(PixelAt(image, 2, 3), QColor(0, 255, 0));
    QCOMPARE(PixelAt(image, 2, 4), QColor(0, 254, 0));
    QCOMPARE(PixelAt(image, 2, 1023), QColor(0, 0, 0));
    QCOMPARE(PixelAt(image, 2, 1019), QColor(0, 1, 0));
    menu->resize(menu->width(), 300);
    const QImage small = menu->grab().toImage();
    QCOMPARE(PixelAt(small, 2, 0), QColor(0, 255, 0));
    QCOMPARE(PixelAt(small, 2, 299), QColor(0, 0, 0));
}

QTEST_MAIN(frmZoltauswahlTest)
#include "frmZoltauswahl_test.moc"

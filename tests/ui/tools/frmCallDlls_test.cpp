// The system information opens at once and fills its fields when the system's answers come
// (a sound menu likewise); its menus switch pages; closing hides it; a sprite bounces while
// it is minimised.

#include "support/ScreenTestKit.h"
#include "ui/tools/frmCallDlls.h"
#include "ui/tools/frmMenus.h"

using namespace zolt;
using namespace zolt::testing;

class frmCallDllsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramSlots> program_;
    frmCallDlls* info_ = nullptr;
    frmMenus* Menus() { return program_->screens.Get<frmMenus>(ScreenId::frmMenus); }
    QStringList Info(QWidget* screen, const QList<int>& indexes) {
        QStringList names;
        for (int index : indexes) names << QStringLiteral("lblInfo(%1)").arg(index);
        return Texts(screen, names);
    }

private slots:
    void init() {
        program_ = std::make_unique<ProgramSlots>();
        info_ = qobject_cast<frmCallDlls*>(program_->screens.Open(ScreenId::frmCallDlls));
    }
    void cleanup() { program_.reset(); }

    void opensAtOnceAndFillsLater() {
        QElapsedTimer clock;
        clock.start();
        frmCallDlls slow(program_->screens, nullptr, [](const QString&) {
            QThread::msleep(1500);  // as long as a hanging setxkbmap
            return sysinfo::SystemFactTexts{"OS 1", "(Modus)", "Kern 2", "CPU: C", "X11", "eth0", QStringList{"M"}, "de"};
        });
        slow.show();
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(Info(&slow, {2, 8, 14}), QStringList({"", "Videotreiber:", "Tastatur:"}));
        QTRY_COMPARE_WITH_TIMEOUT(Info(&slow, {2, 3, 4, 5, 8, 11, 12, 14}),
                                  QStringList({"OS 1", "(Modus)", "Kern 2", "CPU: C", "Videotreiber: X11", "Netzwerk: eth0",
                                               "Maus: M", "Tastatur: de"}),
                                  5000);
        // The real screen asks this system; its bars are named after what they show.
        QTRY_VERIFY(Info(info_, {4})[0].endsWith(' ' + QSysInfo::kernelVersion()));
        QCOMPARE(Texts(info_, {"lblR(1)", "lblR(2)"}), QStringList({"Speicher", "Festplatte"}));
    }

    void soundMenuFilledLater() {
        frmMenus menus(nullptr, [] {
            QThread::msleep(500);
            return QStringList{"/s/bell.wav", "/s/chimes.old.wav"};
        });
        QSignalSpy filled(&menus, &frmMenus::soundMenuFilled);
        QVERIFY(filled.wait(3000));  // not filled before the constructor returned
        menus.FillSoundMenu(true, {"/s/bell.wav", "/s/chimes.old.wav"});
        QCOMPARE(QStringList({menus.SoundItem(0)->text(), menus.SoundItem(1)->text()}), QStringList({"bell", "chimes"}));
    }

    void menuSwitchesPagesAndClosingHides() {
        QTest::mouseClick(Find(info_, "ImgIcon(1)"), Qt::RightButton);
        QTRY_VERIFY(Menus()->SubMenu(2)->isVisible());
        Menus()->SubMenu(2)->hide();
        for (int entry = 3; entry >= 0; --entry) {
            Menus()->InfoItem(entry)->trigger();
            for (int page = 1; page <= 4; ++page) QCOMPARE(Find(info_, QStringLiteral("fraInfo(%1)").arg(page))->isVisible(), page == entry + 1);
        }
        QVERIFY(!info_->close());  // the frame only hides it, as "Schließen" does
        QVERIFY(!info_->isVisible());
        QCOMPARE(program_->screens.Open(ScreenId::frmCallDlls), info_);
        QCOMPARE(program_->quits, 0);
    }

    void spriteBouncesWhileMinimised() {
        info_->showMinimized();
        QWidget* sprite = info_->SpriteWindow();
        QVERIFY(sprite && sprite->isVisible() && !sprite->parentWidget());
        const QPoint start = sprite->pos();
        QTRY_VERIFY(sprite->pos() != start);
        QTest::qWait(1000);  // long enough to meet an edge
        QVERIFY(QGuiApplication::primaryScreen()->virtualGeometry().contains(sprite->geometry()));
        info_->showNormal();
        QVERIFY(!sprite->isVisible());
    }
};

QTEST_MAIN(frmCallDllsTest)
#include "frmCallDlls_test.moc"

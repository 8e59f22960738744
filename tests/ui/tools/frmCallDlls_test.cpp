// The system information opens at once and fills its fields when the system's answers come
// (the sound menu likewise); its menu switches pages; closing hides it; a sprite bounces over
// the screen while it is minimised.

#include "support/ScreenTestKit.h"
#include "ui/tools/frmCallDlls.h"
#include "ui/tools/frmMenus.h"

using namespace zolt;
using namespace zolt::testing;

class frmCallDllsTest : public QObject {
    Q_OBJECT

private slots:
    void opensAtOnceAndFillsLater() {
        ProgramSlots program;
        QElapsedTimer clock;
        clock.start();
        frmCallDlls info(program.screens, nullptr, [](const QString&) {
            QThread::msleep(1500);  // as long as a hanging setxkbmap
            return sysinfo::SystemFactTexts{"OS 1", "(Modus)", "Kern 2", "CPU: C", "X11", "eth0", QStringList{"M"}, "de"};
        });
        frmMenus menus(nullptr, [] {
            QThread::msleep(500);  // a long walk through the sound folders
            return QStringList{"/s/bell.wav", "/s/chimes.old.wav"};
        });
        QSignalSpy soundsFilled(&menus, &frmMenus::soundMenuFilled);
        info.show();
        QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
        const QStringList fields = {"lblInfo(2)", "lblInfo(3)", "lblInfo(4)", "lblInfo(5)", "lblInfo(8)", "lblInfo(11)", "lblInfo(12)", "lblInfo(14)"};
        QCOMPARE(Texts(&info, fields), QStringList({"", "", "", "", "Videotreiber:", "Netzwerk:", "Maus:", "Tastatur:"}));
        QTRY_COMPARE_WITH_TIMEOUT(Texts(&info, fields), QStringList({"OS 1", "(Modus)", "Kern 2", "CPU: C", "Videotreiber: X11",
                                                                     "Netzwerk: eth0", "Maus: M", "Tastatur: de"}), 5000);
        QVERIFY(soundsFilled.count() == 1 || soundsFilled.wait(3000));
        menus.FillSoundMenu(true, {"/s/bell.wav", "/s/chimes.old.wav"});  // captions up to the first dot
        QCOMPARE(QStringList({menus.SoundItem(0)->text(), menus.SoundItem(1)->text()}), QStringList({"bell", "chimes"}));
        // The real screen asks this system; its bars are named after what they show.
        QWidget* real = program.screens.Open(ScreenId::frmCallDlls);
        QTRY_VERIFY(Texts(real, {"lblInfo(4)"})[0].endsWith(' ' + QSysInfo::kernelVersion()));
        QCOMPARE(Texts(real, {"lblR(1)", "lblR(2)"}), QStringList({"Speicher", "Festplatte"}));
    }

    void menuPagesClosingAndSprite() {
        ProgramSlots program;
        auto* info = qobject_cast<frmCallDlls*>(program.screens.Open(ScreenId::frmCallDlls));
        frmMenus* menus = program.screens.Get<frmMenus>(ScreenId::frmMenus);
        QTest::mouseClick(Find(info, "ImgIcon(1)"), Qt::RightButton);
        QTRY_VERIFY(menus->SubMenu(2)->isVisible());
        menus->SubMenu(2)->hide();
        for (int entry = 3; entry >= 0; --entry) {
            menus->InfoItem(entry)->trigger();
            for (int page = 1; page <= 4; ++page) QCOMPARE(Find(info, QString("fraInfo(%1)").arg(page))->isVisible(), page == entry + 1);
        }
        info->showMinimized();
        QWidget* sprite = info->SpriteWindow();
        QVERIFY(sprite && sprite->isVisible() && !sprite->parentWidget());
        const QPoint start = sprite->pos();
        QTRY_VERIFY(sprite->pos() != start);
        QTest::qWait(1000);  // long enough to meet an edge
        QVERIFY(QGuiApplication::primaryScreen()->virtualGeometry().contains(sprite->geometry()));
        info->showNormal();
        QVERIFY(!sprite->isVisible());
        QVERIFY(!info->close() && !info->isVisible());  // the frame only hides it, as "Schließen" does
        QCOMPARE(program.screens.Open(ScreenId::frmCallDlls), info);
        QCOMPARE(program.quits, 0);
    }
};

QTEST_MAIN(frmCallDllsTest)
#include "frmCallDlls_test.moc"

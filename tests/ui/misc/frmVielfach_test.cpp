#include "support/ScreenTestKit.h"
#include "ui/misc/frmVielfach.h"

using namespace zolt::testing;

class frmVielfachTest : public QObject, ScreenFixture<zolt::frmVielfach> {
    Q_OBJECT
    QStringList Run(const char* button, const QStringList& texts) {
        return Press(screen_.get(), {"Kombi1", "Text1"}, texts, button, {"Text2", "Text3"});
    }
    const QString title_ = QStringLiteral("Kapital-Vervielfachung Fehlernachricht: ");

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void timeDetailsRefusalsAndTheCutNote() {
        QCOMPARE(Run("Befehl3", {"5,0", "3"}), (QStringList{"22", "06"}));
        QVERIFY(Get("Bezeichnung3")->isHidden());
        Run("Befehl2", {"5,0", "3"});
        QVERIFY(!Get("Bezeichnung3")->isHidden());
        QCOMPARE(ListRows(Get("Liste1")), (QStringList{"\tn= 2,0\t\t14\t 02", "\tn= 2,5\t\t18\t 09", "\tn= 3,0\t\t22\t 06"}));
        QCOMPARE(Run("Befehl3", {"5,0", "1,5"}), (QStringList{"22", "06"}));  // below 2: the results stay
        QVERIFY(ListRows(Get("Liste1")).isEmpty());

        QCOMPARE(Run("Befehl3", {"x", "3"}), (QStringList{"22", "06"}));  // unchanged
        Run("Befehl2", {"0", "3"});
        Run("Befehl2", {"5,0", "1000000"});
        QCOMPARE(boxes_->Take(), (QStringList{"! " + title_ + "Eingegebene Daten sind nicht numerisch.",
                                              "! " + title_ + "Bei einem Zinssatz von 0 % oder darunter vervielfacht sich ein "
                                              "Kapital nie. Bitte einen Zinssatz größer als 0 wählen.",
                                              "i " + title_ + "Die Detailliste reicht höchstens bis zur 100.000-fachen "
                                              "Vervielfachung; größere Vielfache werden nicht aufgeführt."}));
        QCOMPARE(Get<QAbstractItemView>("Liste1")->model()->rowCount(), 199'997);
    }
};

QTEST_MAIN(frmVielfachTest)
#include "frmVielfach_test.moc"

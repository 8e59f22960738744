#include "support/ScreenTestKit.h"
#include "ui/savings/frmBuschatz.h"

using namespace zolt::testing;

class frmBuschatzTest : public QObject, ScreenFixture<zolt::frmBuschatz> {
    Q_OBJECT
    const QStringList fields_{"Text1", "Kombi1", "Kombi2", "Kombi3", "Kombi4", "Kombi5", "Kombi6", "Kombi7"};

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void eachTypeFillsItsOwnFieldsAndRefusals() {
        QCOMPARE(Field("Text2"), QStringLiteral("0,00 €"));  // computed on opening
        QStringList texts(8, QStringLiteral("3,0"));
        texts[0] = QStringLiteral("1.000");
        QCOMPARE(Press(screen_.get(), fields_, texts, "Befehl1", {"Text18", "Text2", "Text3"}),
                 (QStringList{"30,00 €", "1.180,00 €", "180,00 €"}));
        QVERIFY(Get("Kombi7")->isHidden());
        Click(Get("Option2"));  // type B computes at once, with the rate of year 7
        QVERIFY(!Get("Kombi7")->isHidden());
        QCOMPARE((QStringList{Field("Text5"), Field("Text17"), Field("Text3"), Field("Text18")}),
                 (QStringList{"1.030,00 €", "35,82 €", "229,87 €", "30,00 €"}));
        Press(screen_.get(), {"Text1"}, {"viel"}, "Befehl1");
        Press(screen_.get(), {"Text1", "Kombi3"}, {"1000", "drei"}, "Befehl1");
        QCOMPARE(boxes_->Take(), (QStringList{"! Schatzbrief Fehlernachricht: Angelegter Betrag ist nicht numerisch.",
                                              "! Schatzbrief Fehlernachricht: Zinssatz im 3. Jahr ist nicht numerisch."}));
        QCOMPARE(Field("Text2"), QStringLiteral("1.229,87 €"));
        Click(Get("Befehl3"));  // the details of the type in force replace the entries
        QVERIFY(Get("Rahmen4")->isVisible() && !Get("Rahmen5")->isVisible() && !Get("Rahmen1")->isVisible());
    }
};

QTEST_MAIN(frmBuschatzTest)
#include "frmBuschatz_test.moc"

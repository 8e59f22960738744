#include "support/ScreenTestKit.h"
#include "ui/savings/frmSSumme.h"

using namespace zolt::testing;

class frmSSummeTest : public QObject, ScreenFixture<zolt::frmSSumme> {
    Q_OBJECT
    QStringList Compute(const QStringList& texts) {
        return Press(screen_.get(), {"Text5", "Text6", "Text2", "Kombi1"}, texts, "Befehl2",
                     {"Text7", "Text1", "Text3"});
    }

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void computesForTheChosenTimingWithHintsAndFocus() {
        QCOMPARE(Compute({"10.000", "12", "10", "6,0"}), (QStringList{"61,02 €", "7.322,46 €", "2.677,54 €"}));
        Click(Get("Option1"));
        QCOMPARE(Compute({"10.000", "12", "10", "6,0"})[0], QStringLiteral("60,72 €"));
        QCOMPARE(HintAfterMove(Get("Bezeichnung7"), Get("Befehl3")), "Zurück zum Auswahlmenü");
        QCOMPARE(HintAfterMove(Get("Bezeichnung7"), screen_.get(), true), QString());
        QVERIFY(FocusReturnsTo(screen_.get(), Get("Text5")));
    }

    void refusals_data() {
        RefusalRows({{"empty", {"", "12", "10", "6,0"}, "Eingegebene Daten sind nicht numerisch."},
                     {"too large", {"1e300", "12", "10", "6"}, "Eine eingegebene Zahl ist zu groß."},
                     {"no payments", {"1", "0", "10", "6"}, "Anzahl der Zahlungen pro Jahr und Laufzeit müssen größer als 0 sein."},
                     {"rate -150", {"1", "1", "10", "-150"}, "Mit diesem Zinssatz ist keine Sparrate berechenbar."}});
    }
    void refusals() {
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        QCOMPARE(Compute(texts), (QStringList{"", "", ""}));
        QCOMPARE(boxes_->Take(), QStringList{"! Summensparen Fehlernachricht: " + message});
    }
};

QTEST_MAIN(frmSSummeTest)
#include "frmSSumme_test.moc"

#include "support/ScreenTestKit.h"
#include "ui/loans/frmKZinssatz.h"

using namespace zolt::testing;

class frmKZinssatzTest : public QObject, ScreenFixture<zolt::frmKZinssatz> {
    Q_OBJECT
    QStringList Compute(const QStringList& texts) {
        return Press(screen_.get(), {"Text5", "Text6", "Text2"}, texts, "Befehl2", {"Text7", "Bezeichnung7"});
    }

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void writesTheRateForTheChosenTiming() {
        QCOMPARE(HintAfterMove(Get("Bezeichnung7"), Get("Rahmen5"), true), QString());
        QCOMPARE(Compute({"10000", "200", "60"}), (QStringList{"7,42", ""}));
        Click(Get("Option1"));
        QCOMPARE(Compute({"10000", "200", "60"}), (QStringList{"7,69", ""}));
        QVERIFY(FocusReturnsTo(screen_.get(), Get("Text5")));
    }

    void refusals_data() {  // in a box, or (for readable entries) on the hint line
        RefusalRows({{"empty", {"", "200", "60"}, "Eingegebene Daten sind nicht numerisch."},
                     {"too large", {"1e308", "200", "60"}, "Eine eingegebene Zahl ist zu groß."},
                     {"R < K / 200", {"10000", "49,99", "300"}, "Um sinnvolle Werte zu erhalten sollte die Rate nicht "
                                                                "kleiner als 0,5 % der Kreditsumme sein."},
                     {"R n = K", {"10000", "200", "50"}, "Um sinnvolle Werte zu erhalten, muß das Produkt "
                                                         "(Rate*Laufzeit in Monaten) größer als die Kreditsumme sein."},
                     {"R n = 2 K", {"10000", "200", "100"}, "Ratenhöhe oder Laufzeit zu groß, das Produkt (Ratenhöhe "
                                                            "* Laufzeit) sollte die doppelte Kreditsumme nicht überschreiten."}});
    }
    void refusals() {
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        Compute({"10000", "200", "60"});
        const QStringList shown = Compute(texts);
        QCOMPARE(shown[0], QStringLiteral("7,42"));
        const QStringList boxes = boxes_->Take();
        if (boxes.isEmpty()) QCOMPARE(shown[1], message);
        else QCOMPARE(boxes, QStringList{"! Kredit-Zinssatz Fehlernachricht: " + message});
    }
};

QTEST_MAIN(frmKZinssatzTest)
#include "frmKZinssatz_test.moc"

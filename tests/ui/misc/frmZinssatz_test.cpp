#include "support/ScreenTestKit.h"
#include "ui/misc/frmZinssatz.h"

using namespace zolt::testing;

class frmZinssatzTest : public QObject, ScreenFixture<zolt::frmZinssatz> {
    Q_OBJECT
    QStringList Compute(const QStringList& texts) {
        return Press(screen_.get(), {"Text1", "Text2", "Text3"}, texts, "Befehl1", {"Text4", "Bezeichnung5"});
    }
    const QStringList shrunk_{"-12,94", "--->ENDKAPITAL IST KLEINER ANFANGSKAPITAL"};

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void writesTheRateAndTheWarning() {
        QCOMPARE(Compute({"1.000", "500", "5"}), shrunk_);
        QCOMPARE(Compute({"1.000", "1.000", "5"}), (QStringList{",00", ""}));
        QVERIFY(FocusReturnsTo(screen_.get(), Get("Text1")));
    }

    void refusals_data() {
        RefusalRows({{"empty", {"", "2.000", "10"}, "Eingegebene Daten sind nicht numerisch."},
                     {"too large", {"1e308", "2.000", "10"}, "Eine eingegebene Zahl ist zu groß."},
                     {"start 0", {"0", "2.000", "10"}, "Das Anfangskapital darf nicht 0 sein."},
                     {"0 years", {"1.000", "2.000", "0"}, "Die Anzahl der Jahre darf nicht 0 sein."},
                     {"signs", {"1.000", "-500", "2"}, "Anfangs- und Endkapital haben verschiedene Vorzeichen.\n\n"
                                                       "Für diese Anzahl der Jahre lässt sich daraus kein Zinssatz ermitteln."},
                     {"overflow", {"0,0001", "9e14", "0,0001"}, "Der Zinssatz ist zu groß oder nicht bestimmbar.\n\n"
                                                                "Bitte überprüfen Sie die eingegebenen Daten."}});
    }
    void refusals() {
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        Compute({"1.000", "500", "5"});
        QCOMPARE(Compute(texts), shrunk_);  // results unchanged
        QCOMPARE(boxes_->Take(), QStringList{"! Zinssatz Fehlernachricht: " + message});
        QCOMPARE(Field("Text1"), texts[0]);
    }
};

QTEST_MAIN(frmZinssatzTest)
#include "frmZinssatz_test.moc"

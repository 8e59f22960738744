#include <QComboBox>

#include "support/ScreenTestKit.h"
#include "ui/loans/frmLaufzeit.h"

using namespace zolt::testing;

class frmLaufzeitTest : public QObject, ScreenFixture<zolt::frmLaufzeit> {
    Q_OBJECT
    QStringList Compute(const QStringList& texts) {
        return Press(screen_.get(), {"Text5", "Kombi1", "Text6"}, texts, "Befehl2",
                     {"Text7", "Text8", "Text1", "Bezeichnung7"});
    }

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void writesTheTermOrTheHintAndKeepsTheTypedRate() {
        QCOMPARE(Compute({"10.000", "6,0", "200"}), (QStringList{"4", "10", "57,68", ""}));
        QCOMPARE(Compute({"10.000", "6,0", "50"}), (QStringList{"4", "10", "57,68", " Rate zu gering -->(kleiner "
                                                               "als monatliche Zinsbelastung) --> keine Tilgung"}));
        QCOMPARE(HintAfterMove(Get("Bezeichnung7"), Get("Befehl3")), "Zurück zum Auswahlmenü");
        QCOMPARE(HintAfterMove(Get("Bezeichnung7"), screen_.get(), true), QString());
        QVERIFY(FocusReturnsTo(screen_.get(), Get("Text5")));
        const QPoint offCentre = screen_->frameGeometry().center() - screen_->screen()->availableGeometry().center();
        QVERIFY(qAbs(offCentre.x()) <= 4 && qAbs(offCentre.y()) <= 4);  // opened in the middle of the desktop

        auto* edit = Get<QComboBox>("Kombi1")->lineEdit();
        QVERIFY(QTest::qWaitForWindowActive(screen_.get()));
        edit->setFocus();  // completion acts on the focused box
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("7"));
        QCOMPARE(edit->text(), QStringLiteral("7"));
    }

    void refusals_data() {
        RefusalRows({{"rate letters", {"10000", "x", "200"}, "Eingegebene Daten sind nicht numerisch."},
                     {"too large", {"1e308", "6", "200"}, "Eine eingegebene Zahl ist zu groß."},
                     {"no term", {"-1", "6", "2"}, "Mit diesen Eingaben läßt sich keine Laufzeit berechnen."}});
    }
    void refusals() {
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        QCOMPARE(Compute(texts), (QStringList{"", "", "", ""}));
        QCOMPARE(boxes_->Take(), QStringList{"! Kredit-Laufzeit Fehlernachricht: " + message});
    }
};

QTEST_MAIN(frmLaufzeitTest)
#include "frmLaufzeit_test.moc"

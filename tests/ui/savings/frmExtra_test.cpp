#include "support/ScreenTestKit.h"
#include "ui/savings/frmExtra.h"

using namespace zolt::testing;

class frmExtraTest : public QObject, ScreenFixture<zolt::frmExtra> {
    Q_OBJECT
    QStringList Compute(const QStringList& texts) {
        return Press(screen_.get(), {"Text1", "Text4", "Kombi5", "Text5", "Text6", "Kombi1"}, texts, "Befehl1",
                     {"Text2", "Text3"});
    }

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void resultsRefusalDetailsAndHints() {
        // 2 % in year 1, then 3 % from a balance of 1.010 on.
        QCOMPARE(Compute({"1.000", "1", "2,0", "3", "1.010", "3,0"}), (QStringList{"1.082,12 €", "82,12 €"}));
        QCOMPARE(Compute({"1.000", "", "2,0", "3", "", "0,0"}), (QStringList{"1.082,12 €", "82,12 €"}));
        QCOMPARE(boxes_->Take(), QStringList{"! Extra-Sparen Fehlernachricht: Eingegebene Daten sind nicht numerisch, "
                                             "oder es wurden nicht alle Daten eingegeben."});
        QCOMPARE(ListRows(Get("Liste1")).size(), 5);
        Click(Get("Befehl3"));
        QVERIFY(Get("Rahmen4")->isVisible());
        auto* list = Get<QAbstractItemView>("Liste1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
        QVERIFY(!Get("Rahmen4")->isVisible());

        QVERIFY(QTest::qWaitForWindowActive(screen_.get()));
        Get("Kombi1")->setFocus();
        QCOMPARE(Field("Bezeichnung14"), "Der Zinssatz sollte größer als der Ausgangszinssatz sein.");
        QCOMPARE(HintAfterMove(Get("Bezeichnung14"), Get("Text6")), "Der Betrag sollte größer als das Anfangskapital sein.");
        QCOMPARE(HintAfterMove(Get("Bezeichnung14"), Get("Rahmen1"), true), QString());
    }
};

QTEST_MAIN(frmExtraTest)
#include "frmExtra_test.moc"

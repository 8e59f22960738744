#include <QListWidget>

#include "support/ScreenTestKit.h"
#include "ui/loans/frmKreditvergleich.h"

using namespace zolt::testing;

class frmKreditvergleichTest : public QObject, ScreenFixture<zolt::frmKreditvergleich> {
    Q_OBJECT
    // Offer 3: amount, term, rate, fee in Text19 … Text22; fee, gross loan, interest, total, instalment, effective rate.
    QStringList OfferThree(const QStringList& rateAndFee) {
        return Press(screen_.get(), {"Text21", "Text22"}, rateAndFee, "Befehl4",
                     {"Text19", "Text23", "Text24", "Text25", "Text26", "Text27", "txtEffektiv3"});
    }

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void offersRefusalAndInfoPanel() {
        const QStringList results{"20.000,00 €", "202,02 €", "20.202,02 €", "3.607,96 €", "23.809,98 €", "661,39 €", "12,34 %"};
        QCOMPARE(OfferThree({"11", "1"}), results);
        QCOMPARE(OfferThree({"11", "1"}), results);
        TypeInto(Get("Text20"), "36,5");  // a term of no whole months: the comparison stands, without the rate
        QVERIFY(OfferThree({"11", "1"}).last().isEmpty() && boxes_->Take().isEmpty());
        QCOMPARE(OfferThree({"0", "0"})[3], QStringLiteral("0,00 €"));  // without interest, after a note
        QCOMPARE(boxes_->Take(), QStringList{"! Kredit Fehlernachricht: Nominaler Jahreszinssatz muß >0 sein."});
        Click(Get("Befehl1"));  // rate and fee of offer 1 are empty
        QCOMPARE(boxes_->Take(), QStringList{"! Kredit Fehlernachricht: Eingegebene Daten sind nicht numerisch. oder es "
                                             "wurden nicht alle erforderlichen daten eingegeben."});
        QCOMPARE(Field("Text1"), QStringLiteral("20000"));
        QCOMPARE(Field("Text6"), QString());

        auto* list = Get<QListWidget>("Liste1");
        Click(Get("Befehl5"));
        Click(Get("Befehl5"));
        QVERIFY(Get("Rahmen5")->isVisible() && list->count() == 20);
        QCOMPARE(list->item(9)->text(), "Kreditgebühren = 20202,02 - 20000 = 202,02 €");
        Click(Get("Befehl6"));
        QVERIFY(!Get("Rahmen5")->isVisible() && list->count() == 0);
        QCOMPARE(QApplication::focusWidget(), Get("Befehl2"));
    }
};

QTEST_MAIN(frmKreditvergleichTest)
#include "frmKreditvergleich_test.moc"

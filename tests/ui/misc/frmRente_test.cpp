#include "ui/common/CalculatorTestKit.h"
#include "ui/misc/frmRente.h"

class frmRenteTest : public QObject, ScreenFixture<zolt::frmRente> {
    Q_OBJECT
    QStringList Annuity(const QStringList& texts) {
        return Press(screen_.get(), {"Text5", "Kombi1", "Text6"}, texts, "Befehl2", {"Text7", "Text8", "Text9"});
    }
    const QStringList usedUp_{"1", "9", "62,20 €"};  // 10.000 at 6 % less 500 a month

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void computesBothHalvesWithHintsAndFocus() {
        QCOMPARE(Press(screen_.get(), {"Text1", "Kombi2", "Kombi3"}, {"500", "6,0", "2,0"}, "Befehl1", {"Text3"}),
                 QStringList{"100.000,00 €"});  // "Nein": the inflation box is not read
        Click(Get("Option1"));
        QCOMPARE(FieldText(Get("Bezeichnung7")), "Es werden nur die Zinsen aufgebraucht. Das Kapital wird nicht angetastet.");
        QCOMPARE(Press(screen_.get(), {}, {}, "Befehl1", {"Text3"}), QStringList{"150.000,00 €"});
        QCOMPARE(Annuity({"10.000", "6,0", "500"}), usedUp_);
        QCOMPARE(ListRows(Get("Liste1")).mid(21), (QStringList{"                    *** Rest ***",
                 "022         62,20 €        0,31 €        -437,49 €", "---> Klicke hier auf Liste, Ende"}));
        QCOMPARE(HintAfterMove(Get("Bezeichnung7"), Get("Befehl3")), "Zurück zum Auswahlmenü");
        QCOMPARE(HintAfterMove(Get("Bezeichnung7"), screen_.get(), true), QString());
        QVERIFY(FocusReturnsTo(screen_.get(), Get("Text1")));
    }

    void refusals_data() {  // Text1 and Kombi2 of the perpetual annuity, or Text5, Kombi1 and Text6
        RefusalRows({{"annuity letters", {"abc", "6"}, "Eingegebene Daten sind nicht numerisch."},
                     {"rate 0", {"500", "0"}, "Bei einem Zinssatz von 0 % bringt kein Kapital Zinsen, aus denen eine "
                                              "Rente gezahlt werden könnte. Bitte einen Zinssatz größer als 0 wählen."},
                     {"capital huge", {"1e308", "6"}, "Das Ergebnis ist zu groß für die Berechnung."},
                     {"capital empty", {"", "6", "500"}, "Eingegebene Daten sind nicht numerisch."},
                     {"too large", {"1e308", "6", "500"}, "Eine eingegebene Zahl ist zu groß."}});
    }
    void refusals() {
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        Annuity({"10.000", "6,0", "500"});
        const bool perpetual = texts.size() == 2;
        Press(screen_.get(), perpetual ? QStringList{"Text1", "Kombi2"} : QStringList{"Text5", "Kombi1", "Text6"}, texts,
              perpetual ? "Befehl1" : "Befehl2", {});
        QVERIFY(OneBox(*boxes_, QMessageBox::Warning,
                       perpetual ? "Ewige Rente Fehlernachricht" : "Kapitalrente Fehlernachricht", message));
        QCOMPARE((QStringList{Field("Text7"), Field("Text8"), Field("Text9")}), usedUp_);
        if (!perpetual) QCOMPARE(ListRows(Get("Liste1")), QStringList{"---> Klicke hier auf Liste, Ende"});
    }

    void monthLimitIsANoteUnderTheNormalPointerAndLeavesNoOldResults() {
        Annuity({"10.000", "6,0", "500"});
        QList<std::pair<QMessageBox::Icon, Qt::CursorShape>> shown;  // each box, and the pointer while it is up
        zolt::SetBoxInterceptor([&](const zolt::ShownBox& box) { shown.append({box.icon, screen_->cursor().shape()}); });
        QCOMPARE(Annuity({"1.000.000", "0", "0,0001"}), (QStringList{"", "", ""}));  // stops after 1.200.000 months
        zolt::SetBoxInterceptor({});
        QCOMPARE(shown, (decltype(shown){{QMessageBox::Information, Qt::ArrowCursor}}));
        QCOMPARE(screen_->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(Get<QAbstractItemView>("Liste1")->model()->rowCount(), 1'200'002);
    }
};

QTEST_MAIN(frmRenteTest)
#include "frmRente_test.moc"

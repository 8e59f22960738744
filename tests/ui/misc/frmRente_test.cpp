#include <QtCharts>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/frmDiagramm.h"
#include "ui/misc/frmRente.h"

using namespace zolt::testing;

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
        QCOMPARE(Field("Bezeichnung7"), "Es werden nur die Zinsen aufgebraucht. Das Kapital wird nicht angetastet.");
        QCOMPARE(Press(screen_.get(), {}, {}, "Befehl1", {"Text3"}), QStringList{"150.000,00 €"});
        QCOMPARE(Annuity({"10.000", "6,0", "500"}), usedUp_);
        QCOMPARE(ListRows(Get("Liste1")).size(), 24);  // 22 months, the rest line before the last, the closing line
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
        QCOMPARE(boxes_->Take(), QStringList{(perpetual ? "! Ewige Rente Fehlernachricht: " : "! Kapitalrente Fehlernachricht: ") + message});
        QCOMPARE((QStringList{Field("Text7"), Field("Text8"), Field("Text9")}), usedUp_);
        if (!perpetual) QCOMPARE(ListRows(Get("Liste1")), QStringList{"---> Klicke hier auf Liste, Ende"});
        QVERIFY(perpetual || !Find<QAction>(Get("Liste1"), "actExportCsv")->isEnabled());
    }

    // The result lists of three calculators leave the program once there is a result: the CSV
    // holds the data rows (the first, the last and their count here) with numbers as numbers; a
    // chart's point k is row k.
    void listsExport_data() {
        for (const char* column : {"fields", "texts", "csv"}) QTest::addColumn<QStringList>(column);
        QTest::addColumn<zolt::ScreenId>("screen");
        QTest::addColumn<QString>("stem");
        QTest::addColumn<int>("chartColumn");  // of the y values, -1 without a chart
        QTest::newRow("annuities") << QStringList{"Text5", "Kombi1", "Text6", "Befehl2"} << QStringList{"10.000", "6,0", "500"}
            << QStringList{"1;10000,00;50,00;9550,00", "22;62,20;0,31;-437,49", "22"}  // the rest line is no row
            << zolt::ScreenId::frmRente << "Kapitalrente" << 1;
        QTest::newRow("rising rate") << QStringList{"Text1", "Text4", "Kombi5", "Text5", "Text6", "Kombi1", "Befehl1"}
            << QStringList{"1.000", "1", "2,0", "3", "1.010", "3,0"}
            << QStringList{"1;1000,00;20,00;2,00;1020,00", "3;1050,60;31,52;3,00;1082,12", "3"}
            << zolt::ScreenId::frmExtra << "Plussparen" << 4;
        QTest::newRow("multiplication") << QStringList{"Kombi1", "Text1", "Befehl2"} << QStringList{"5,0", "3"}
            << QStringList{"2,0;14;2", "3,0;22;6", "3"} << zolt::ScreenId::frmVielfach << "Kapitalvervielfachung" << -1;
    }
    void listsExport() {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, csv);
        QFETCH(zolt::ScreenId, screen);
        QFETCH(QString, stem);
        QFETCH(int, chartColumn);
        zolt::RegisterScreens(*screens_);
        QWidget* list = Find(screens_->Open(screen), "Liste1");
        QStringList states = QStringList{"actExportCsv-", "actExportPdf-", "actPrint-", "actChart-"}.mid(0, chartColumn < 0 ? 3 : 4);
        QCOMPARE(ExportStates(list), states);
        Press(list->window(), fields.mid(0, texts.size()), texts, fields.last());  // the button comes last
        QCOMPARE(ExportStates(list), states.replaceInStrings("-", "+"));
        const QList<QStringList> rows = SavedCsv(list, stem).mid(1);
        QCOMPARE((QStringList{rows.value(0).join(';'), rows.value(rows.size() - 1).join(';'), QString::number(rows.size())}), csv);
        if (chartColumn < 0) return;
        Find<QAction>(list, "actChart")->trigger();
        const auto* series = qobject_cast<QLineSeries*>(list->findChild<zolt::frmDiagramm*>()->Chart()->series().first());
        QCOMPARE(series->count(), rows.size());
        for (int k = 0; k < rows.size(); ++k)
            QCOMPARE(QString::number(series->at(k).x()) + ';' + QString::number(series->at(k).y(), 'f', 2).replace('.', ','),
                     rows[k][0] + ';' + rows[k][chartColumn]);
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

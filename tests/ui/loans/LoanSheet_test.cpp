#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"
#include "ui/loans/LoanSheet.h"

using zolt::testing::BoxRecorder;
using zolt::testing::Click;
using zolt::testing::Find;
using zolt::testing::TypeInto;

namespace {

const QString kTitle = QStringLiteral("Kreditprogramm-Fehler");
const QString kPriceMessage = QStringLiteral("Geben Sie einen gültigen Preis ein.");
const QString kMaxTermMessage = QStringLiteral("Geben Sie ein maximale Laufzeit für den Kredit ein.");
const QString kTermOrderMessage = QStringLiteral("Die maximale Laufzeit muß größer als die minimale Laufzeit sein.");
const QString kMinTermMessage = QStringLiteral("Die minimale Laufzeit muß einen Monat oder ein Jahr betragen.");
const QString kZeroRateMessage = QStringLiteral("Geben Sie einen maximalen Zinssatz ein, der größer als Null ist.");
const QString kPercentMessage = QStringLiteral("Die Anzahlung darf 99% des Preises nicht überschreiten.");
const QString kAbovePriceMessage = QStringLiteral("Die Anzahlung kann nicht größer als der Preis sein.");
const QString kNegativeMessage = QStringLiteral("Die Anzahlung muß Null oder mehr betragen.");
const QString kLongTermMessage = QStringLiteral("Die maximale Laufzeit darf 50 Jahre (600 Monate) nicht überschreiten.");

}  // namespace

class LoanSheetTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<zolt::ScreenSlots> screenSlots_;
    zolt::LoanSheet* sheet_ = nullptr;

    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(sheet_, QString::fromLatin1(name)); }
    QComboBox* Combo(const char* name) { return Find<QComboBox>(sheet_, QString::fromLatin1(name)); }
    QLabel* Label(const char* name) { return Find<QLabel>(sheet_, QString::fromLatin1(name)); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(sheet_, QString::fromLatin1(name)); }
    QAction* Action(const QString& name) {
        auto* action = sheet_->findChild<QAction*>(name);
        if (!action) qFatal("no menu item %s", qPrintable(name));
        return action;
    }
    // Selects a rate entry ("5,0") as a click in the list would.
    void PickRate(const char* list, const QString& entry) {
        QComboBox* box = Combo(list);
        const int index = box->findText(entry);
        QVERIFY2(index >= 0, qPrintable(entry));
        box->setCurrentIndex(index);
    }
    // Fills the fields the way a user types them; an empty text leaves the field empty.
    void Enter(const QString& price, const QString& down, const QString& lenMin, const QString& lenMax) {
        TypeInto(Edit("txtPurchTotl"), price);
        TypeInto(Edit("txtDwnPay"), down);
        TypeInto(Edit("txtLenMin"), lenMin);
        TypeInto(Edit("txtLenMax"), lenMax);
    }
    QStringList Messages(const BoxRecorder& boxes) {
        QStringList texts;
        for (const auto& box : boxes.boxes()) texts << box.text;
        return texts;
    }

private slots:
    void init() {
        screenSlots_ = std::make_unique<zolt::ScreenSlots>();
        sheet_ = new zolt::LoanSheet(*screenSlots_);
        sheet_->show();
    }
    void cleanup() {
        delete sheet_;
        sheet_ = nullptr;
        screenSlots_.reset();
    }

    void opensWithItsCaptionsListsAndMenus() {
        QCOMPARE(sheet_->windowTitle(), QStringLiteral("Berechnung der Kredit-Ratenhöhe"));
        QCOMPARE(Find<QGroupBox>(sheet_, "frmLoanLen")->title(), QStringLiteral("Laufzeit in Jahren"));
        QCOMPARE(Find<QGroupBox>(sheet_, "frmIntr")->title(), QStringLiteral("Zinssatz"));
        QCOMPARE(Label("lblDwnPay")->text(), QStringLiteral("Anzahlung in Prozent"));
        QCOMPARE(Label("lblPurchTotl")->text(), QStringLiteral("Kredit"));
        QCOMPARE(Label("lblLen(0)")->text(), QStringLiteral("Maximum"));
        QCOMPARE(Label("lblLen(1)")->text(), QStringLiteral("Minimum"));
        QCOMPARE(Button("cmdCalcPmts")->text(), QStringLiteral("Raten anzeigen"));
        QCOMPARE(Button("cmdCalcAmort")->text(), QStringLiteral("Tilgungsplan anzeigen"));
        QVERIFY(!Button("cmdCalcAmort")->isEnabled());
        QVERIFY(Label("Bezeichnung1")->isHidden());
        QCOMPARE(Label("Bezeichnung1")->text(), QStringLiteral("Markieren Sie eine Rate um den Tilgungsplan anzuzeigen."));
        for (const char* list : {"comIntrMin", "comIntrMax"}) {
            QComboBox* box = Combo(list);
            QCOMPARE(box->count(), 26);
            QCOMPARE(box->itemText(0), QStringLiteral("0,0"));
            QCOMPARE(box->itemText(5), QStringLiteral("5,0"));
            QCOMPARE(box->itemText(25), QStringLiteral("25,0"));
            QCOMPARE(box->currentIndex(), 0);
        }
        QCOMPARE(sheet_->State().RateMin, 0.0);
        QCOMPARE(sheet_->State().RateMax, 0.0);
        QCOMPARE(sheet_->State().DownPayment, 0.0);

        QVERIFY(!Action("mnuOptCopy")->isEnabled());
        QCOMPARE(Action("mnuOptCopy")->text(), QStringLiteral("&Kopieren"));
        QCOMPARE(Action("mnuOptInstruct")->text(), QStringLiteral("&Instruktionen..."));
        QVERIFY(Action("mnuOptSep")->isSeparator());
        QVERIFY(Action("mnuOptDwn(0)")->isChecked());
        QVERIFY(!Action("mnuOptDwn(1)")->isChecked());
        QCOMPARE(Action("mnuOptDwn(1)")->text(), QStringLiteral("&Anzahlungssumme"));
        QVERIFY(Action("mnuOptLen(0)")->isChecked());
        QVERIFY(!Action("mnuOptLen(1)")->isChecked());
        QCOMPARE(Action("mnuOptZ")->text(), QStringLiteral("&zurück zum Auswahlmenü"));
    }

    // Typed key by key: every change runs the checks.
    void downPaymentIsCheckedOnEveryKeystroke_data() {
        QTest::addColumn<bool>("amountMode");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("fieldAfter");
        QTest::addColumn<bool>("pasted");  // the whole text at once instead of key by key
        QTest::newRow("ten percent passes") << false << "" << "10" << "" << "10" << false;
        QTest::newRow("hundred percent refused") << false << "5000" << "100" << kPercentMessage << "" << false;
        QTest::newRow("ninety-nine passes") << false << "" << "99" << "" << "99" << false;
        QTest::newRow("ninety-nine and a bit refused") << false << "" << "99.5" << kPercentMessage << "" << false;
        QTest::newRow("negative percent refused") << false << "" << "-5" << kNegativeMessage << "" << false;
        QTest::newRow("letters read as zero") << false << "" << "abc" << "" << "abc" << false;
        QTest::newRow("huge percent refused") << false << "" << "1e308" << kPercentMessage << "" << true;
        QTest::newRow("overflowing percent refused") << false << "" << "9e999" << kPercentMessage << "" << true;
        QTest::newRow("sum up to the price passes") << true << "10000" << "10000" << "" << "10000" << false;
        QTest::newRow("sum above the price refused") << true << "10000" << "10001" << kAbovePriceMessage << "" << false;
        QTest::newRow("sum of 500 needs no percent rule") << true << "10000" << "500" << "" << "500" << false;
        QTest::newRow("negative sum refused") << true << "10000" << "-1" << kNegativeMessage << "" << false;
    }
    void downPaymentIsCheckedOnEveryKeystroke() {
        QFETCH(bool, amountMode);
        QFETCH(QString, price);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, fieldAfter);
        QFETCH(bool, pasted);
        if (amountMode) Action(QStringLiteral("mnuOptDwn(1)"))->trigger();
        TypeInto(Edit("txtPurchTotl"), price);
        BoxRecorder boxes;
        if (pasted) Edit("txtDwnPay")->setText(typed);
        else TypeInto(Edit("txtDwnPay"), typed);
        if (message.isEmpty()) {
            QCOMPARE(boxes.count(), 0);
        } else {
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(boxes.last().text, message);
            QCOMPARE(boxes.last().title, kTitle);
            QCOMPARE(boxes.last().icon, QMessageBox::Warning);
            QCOMPARE(sheet_->State().DownPayment, 0.0);
        }
        QCOMPARE(Edit("txtDwnPay")->text(), fieldAfter);
    }

    void rateListsKeepMinimumBelowMaximum() {
        BoxRecorder boxes;
        PickRate("comIntrMin", QStringLiteral("5,0"));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text,
                 QStringLiteral("Der minimale Zinssatz muß kleiner oder gleich dem maximalen Zinssatz sein."));
        QCOMPARE(Combo("comIntrMin")->currentText(), QStringLiteral("0,0"));
        QCOMPARE(sheet_->State().RateMin, 0.0);

        PickRate("comIntrMax", QStringLiteral("10,0"));
        PickRate("comIntrMin", QStringLiteral("6,0"));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(sheet_->State().RateMin, 6.0);
        QCOMPARE(sheet_->State().RateMax, 10.0);

        PickRate("comIntrMax", QStringLiteral("5,0"));
        QCOMPARE(boxes.count(), 2);
        QCOMPARE(boxes.last().text,
                 QStringLiteral("Der maximale Zinssatz muß größer oder gleich dem minimalen Zinssatz sein."));
        QCOMPARE(boxes.last().title, kTitle);
        QCOMPARE(Combo("comIntrMax")->currentText(), QStringLiteral("6,0"));
        QCOMPARE(sheet_->State().RateMax, 6.0);
    }

    // The first failing check of a table request, with what it does to the fields.
    void tableRequestChecksInOrder_data() {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("lenMin");
        QTest::addColumn<QString>("lenMax");
        QTest::addColumn<QString>("maxRate");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("priceAfter");
        QTest::addColumn<QString>("lenMinAfter");
        QTest::addColumn<QString>("lenMaxAfter");
        QTest::addColumn<bool>("built");
        QTest::newRow("no price") << "" << "" << "" << "0,0" << QStringList{kPriceMessage} << "" << "" << "" << false;
        QTest::newRow("negative price") << "-100" << "1" << "5" << "5,0" << QStringList{kPriceMessage} << "" << "1"
                                        << "5" << false;
        QTest::newRow("letters as price") << "abc" << "1" << "5" << "5,0" << QStringList{kPriceMessage} << "" << "1"
                                          << "5" << false;
        QTest::newRow("no maximum term") << "10000" << "1" << "" << "5,0" << QStringList{kMaxTermMessage} << "10000"
                                         << "1" << "" << false;
        QTest::newRow("terms reversed") << "10000" << "5" << "2" << "5,0" << QStringList{kTermOrderMessage} << "10000"
                                        << "5" << "" << false;
        QTest::newRow("equal terms pass") << "10000" << "3" << "3" << "5,0" << QStringList{} << "10000" << "3" << "3"
                                          << true;
        QTest::newRow("no minimum term, then zero rate")
            << "10000" << "" << "5" << "0,0" << QStringList{kMinTermMessage, kZeroRateMessage} << "10000" << "1" << "5"
            << false;
        QTest::newRow("no minimum term, built anyway")
            << "10000" << "" << "5" << "5,0" << QStringList{kMinTermMessage} << "10000" << "1" << "5" << true;
        QTest::newRow("maximum rate zero") << "10000" << "1" << "5" << "0,0" << QStringList{kZeroRateMessage}
                                           << "10000" << "1" << "5" << false;
        // Refusals beyond the sheet's own checks: no instalment or no readable table.
        QTest::newRow("minimum term zero") << "10000" << "0" << "5" << "5,0" << QStringList{kMinTermMessage} << "10000"
                                           << "0" << "5" << false;
        QTest::newRow("maximum below one after minimum set")
            << "10000" << "" << "0" << "5,0" << QStringList{kMinTermMessage, kTermOrderMessage} << "10000" << "1" << ""
            << false;
        QTest::newRow("beyond fifty years") << "10000" << "1" << "51" << "5,0" << QStringList{kLongTermMessage}
                                            << "10000" << "1" << "51" << false;
        QTest::newRow("huge term") << "10000" << "1" << "1e308" << "5,0" << QStringList{kLongTermMessage} << "10000"
                                   << "1" << "1e308" << false;
        QTest::newRow("huge price") << "1e308" << "1" << "5" << "5,0" << QStringList{kPriceMessage} << "" << "1" << "5"
                                    << false;
        QTest::newRow("overflowing price") << "1e999" << "1" << "5" << "5,0" << QStringList{kPriceMessage} << "" << "1"
                                           << "5" << false;
    }
    void tableRequestChecksInOrder() {
        QFETCH(QString, price);
        QFETCH(QString, lenMin);
        QFETCH(QString, lenMax);
        QFETCH(QString, maxRate);
        QFETCH(QStringList, messages);
        QFETCH(QString, priceAfter);
        QFETCH(QString, lenMinAfter);
        QFETCH(QString, lenMaxAfter);
        QFETCH(bool, built);
        Enter(price, QString(), lenMin, lenMax);
        PickRate("comIntrMax", maxRate);
        BoxRecorder boxes;
        Click(Button("cmdCalcPmts"));
        QCOMPARE(Messages(boxes), messages);
        for (const auto& box : boxes.boxes()) {
            QCOMPARE(box.title, kTitle);
            QCOMPARE(box.icon, QMessageBox::Warning);
        }
        QCOMPARE(Edit("txtPurchTotl")->text(), priceAfter);
        QCOMPARE(Edit("txtLenMin")->text(), lenMinAfter);
        QCOMPARE(Edit("txtLenMax")->text(), lenMaxAfter);
        QCOMPARE(Label("Bezeichnung1")->isVisible(), built);
        QCOMPARE(Action(QStringLiteral("mnuOptCopy"))->isEnabled(), built);
    }

    void minimumRateZeroStartsAtOneTenth() {
        Enter(QStringLiteral("10000"), QString(), QStringLiteral("1"), QStringLiteral("1"));
        PickRate("comIntrMax", QStringLiteral("10,0"));
        BoxRecorder boxes;
        Click(Button("cmdCalcPmts"));
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(Combo("comIntrMin")->currentText(), QStringLiteral("10,0"));
        QCOMPARE(sheet_->State().RateCount, 100);
        QCOMPARE(sheet_->State().PaymentTable.Rate(1), 0.1);
        QCOMPARE(sheet_->State().RateMin, 0.1);
    }

    // A down payment that was valid when typed is checked again when it is used: a later
    // lower price or a switch to percent would otherwise finance a negative sum.
    void downPaymentIsRecheckedAtTheTableRequest_data() {
        QTest::addColumn<bool>("switchToPercent");
        QTest::addColumn<QString>("message");
        QTest::newRow("sum read as percent") << true << kPercentMessage;
        QTest::newRow("price lowered below the sum") << false << kAbovePriceMessage;
    }
    void downPaymentIsRecheckedAtTheTableRequest() {
        QFETCH(bool, switchToPercent);
        QFETCH(QString, message);
        Action(QStringLiteral("mnuOptDwn(1)"))->trigger();
        Enter(QStringLiteral("10000"), QStringLiteral("5000"), QStringLiteral("1"), QStringLiteral("3"));
        PickRate("comIntrMax", QStringLiteral("5,0"));
        if (switchToPercent) Action(QStringLiteral("mnuOptDwn(0)"))->trigger();
        else TypeInto(Edit("txtPurchTotl"), QStringLiteral("4000"));
        BoxRecorder boxes;
        Click(Button("cmdCalcPmts"));
        QCOMPARE(Messages(boxes), QStringList{message});
        QCOMPARE(Edit("txtDwnPay")->text(), QString());
        QVERIFY(!Label("Bezeichnung1")->isVisible());
    }

    void menusSwitchCaptionsAndKeepTheNumber() {
        TypeInto(Edit("txtDwnPay"), QStringLiteral("50"));
        Action(QStringLiteral("mnuOptDwn(1)"))->trigger();
        QVERIFY(!Action(QStringLiteral("mnuOptDwn(0)"))->isChecked());
        QVERIFY(Action(QStringLiteral("mnuOptDwn(1)"))->isChecked());
        QCOMPARE(Label("lblDwnPay")->text(), QStringLiteral("Anzahlungssumme in DM"));
        QCOMPARE(sheet_->State().DownPayment, 50.0);
        Action(QStringLiteral("mnuOptDwn(1)"))->trigger();  // a second choice of the same item keeps it checked
        QVERIFY(Action(QStringLiteral("mnuOptDwn(1)"))->isChecked());
        Action(QStringLiteral("mnuOptDwn(0)"))->trigger();
        QCOMPARE(Label("lblDwnPay")->text(), QStringLiteral("Anzahlung in Prozent"));
        QVERIFY(!Action(QStringLiteral("mnuOptDwn(1)"))->isChecked());

        Action(QStringLiteral("mnuOptLen(1)"))->trigger();
        QCOMPARE(Find<QGroupBox>(sheet_, "frmLoanLen")->title(), QStringLiteral("Laufzeit in Monaten"));
        QVERIFY(!Action(QStringLiteral("mnuOptLen(0)"))->isChecked());
        QVERIFY(Action(QStringLiteral("mnuOptLen(1)"))->isChecked());
        Action(QStringLiteral("mnuOptLen(0)"))->trigger();
        QCOMPARE(Find<QGroupBox>(sheet_, "frmLoanLen")->title(), QStringLiteral("Laufzeit in Jahren"));
        QVERIFY(Action(QStringLiteral("mnuOptLen(0)"))->isChecked());
    }

    void instructionsShowThreeParagraphs() {
        BoxRecorder boxes;
        Action(QStringLiteral("mnuOptInstruct"))->trigger();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, QMessageBox::Information);
        QCOMPARE(boxes.last().title, QStringLiteral("Kreditprogramm-Anleitungen"));
        const QStringList paragraphs = boxes.last().text.split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 3);
        QVERIFY(paragraphs[0].startsWith(QStringLiteral("Geben Sie den Preis, die Anzahlung")));
        QVERIFY(paragraphs[0].contains(QStringLiteral("ein.  Klicken Sie")));
        QVERIFY(paragraphs[1].endsWith(QStringLiteral("im Gitternetz anzuzeigen.")));
        QCOMPARE(paragraphs[2], QStringLiteral("Markieren Sie Zellen im Gitternetz und wählen Sie aus dem Menü Optionen "
                                               "den Befehl Kopieren, um Daten in die Zwischenablage zu kopieren."));
    }

    void returnHidesAndKeepsEverything() {
        Enter(QStringLiteral("8000"), QStringLiteral("20"), QStringLiteral("2"), QStringLiteral("4"));
        PickRate("comIntrMax", QStringLiteral("7,0"));
        Click(Button("cmdCalcPmts"));
        Action(QStringLiteral("mnuOptZ"))->trigger();
        QVERIFY(sheet_->isHidden());
        sheet_->show();
        QCOMPARE(Edit("txtPurchTotl")->text(), QStringLiteral("8000"));
        QCOMPARE(Edit("txtDwnPay")->text(), QStringLiteral("20"));
        QCOMPARE(sheet_->State().LoanAmount, 6400.0);
        QCOMPARE(sheet_->State().TermCount, 3);
        QVERIFY(Label("Bezeichnung1")->isVisible());
    }

    void openedFromItsSlotOnce() {
        zolt::ScreenSlots screens;
        screens.Register(zolt::ScreenId::LoanSheet,
                         [](zolt::ScreenSlots& s) -> QWidget* { return new zolt::LoanSheet(s); });
        QWidget* first = screens.Open(zolt::ScreenId::LoanSheet);
        QVERIFY(first);
        QCOMPARE(first->objectName(), QStringLiteral("LoanSheet"));
        first->hide();
        QCOMPARE(screens.Open(zolt::ScreenId::LoanSheet), first);
        screens.Unload(zolt::ScreenId::LoanSheet);
    }
};

QTEST_MAIN(LoanSheetTest)
#include "LoanSheet_test.moc"

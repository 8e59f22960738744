#pragma once
// Comparison of up to three loan offers: gross loan with the bank's fee, instalment, totals.

#include <QWidget>
#include <array>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zolt {

class frmKreditvergleich : public QWidget {
    Q_OBJECT
public:
    explicit frmKreditvergleich(QWidget* parent = nullptr);

private:
    // One offer column: its four inputs and six outputs in row order.
    struct Offer {
        QLineEdit* amount = nullptr;
        QLineEdit* term = nullptr;
        QLineEdit* rate = nullptr;
        QLineEdit* feePercent = nullptr;
        QLineEdit* feeMoney = nullptr;
        QLineEdit* grossLoan = nullptr;
        QLineEdit* interest = nullptr;
        QLineEdit* total = nullptr;
        QLineEdit* instalment = nullptr;
        QLineEdit* effectiveRate = nullptr;  // txtEffektiv1 … 3
    };

    QPushButton* BuildOffer(int index);  // the offer's button
    void CalculateOffer(const Offer& offer);
    void Befehl5_Click();  // "Info"
    void Befehl6_Click();  // "OK" of the info panel
    void Befehl2_Click();  // "<<"

    std::array<Offer, 3> offers_{};
    QPushButton* Befehl2_ = nullptr;
    QGroupBox* Rahmen5_ = nullptr;  // info panel
    QListWidget* Liste1_ = nullptr;
};

}  // namespace zolt

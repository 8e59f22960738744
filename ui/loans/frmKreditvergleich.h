#pragma once
// Comparison of up to three loan offers: gross loan with the bank's fee, instalment, totals.

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zolt {
class ScreenSlots;

class frmKreditvergleich : public QWidget {
    Q_OBJECT
public:
    explicit frmKreditvergleich(ScreenSlots& screens, QWidget* parent = nullptr);

private:
    // One offer column: its frame, its button and its nine fields in row order.
    struct Offer {
        QGroupBox* frame = nullptr;
        QPushButton* button = nullptr;
        QLabel* outputCaption = nullptr;
        QLineEdit* amount = nullptr;
        QLineEdit* term = nullptr;
        QLineEdit* rate = nullptr;
        QLineEdit* feePercent = nullptr;
        QLineEdit* feeMoney = nullptr;
        QLineEdit* grossLoan = nullptr;
        QLineEdit* interest = nullptr;
        QLineEdit* total = nullptr;
        QLineEdit* instalment = nullptr;
    };

    void Form_Load();
    void BuildOffer(Offer& offer, int index, int left);
    void CalculateOffer(Offer& offer);
    void Befehl1_Click();
    void Befehl3_Click();
    void Befehl4_Click();
    void Befehl5_Click();
    void Befehl6_Click();
    void Befehl2_Click();

    ScreenSlots& screens_;
    QGroupBox* Rahmen1_ = nullptr;
    QPushButton* Befehl5_ = nullptr;
    std::array<Offer, 3> offers_{};
    QPushButton* Befehl2_ = nullptr;
    QGroupBox* Rahmen5_ = nullptr;
    QListWidget* Liste1_ = nullptr;
    QPushButton* Befehl6_ = nullptr;
};

}  // namespace zolt

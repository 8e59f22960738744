#pragma once
// Target-sum saving: the instalment that reaches a wished end sum, paid at the beginning
// or at the end of each period.

#include <QWidget>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zolt {

class frmSSumme : public QWidget {
    Q_OBJECT
public:
    explicit frmSSumme(QWidget* parent = nullptr);

private:
    void Befehl2_Click();  // "Berechnung Sparrate"
    void Befehl3_Click();  // "Zurück"

    QLineEdit* Text5_ = nullptr;       // wished end sum
    QLineEdit* Text6_ = nullptr;       // payments per year
    QLineEdit* Text2_ = nullptr;       // term in years
    QComboBox* Kombi1_ = nullptr;      // nominal rate
    QRadioButton* Option2_ = nullptr;  // "Ende"
    QLineEdit* Text7_ = nullptr;       // instalment
    QLineEdit* Text1_ = nullptr;       // paid in
    QLineEdit* Text3_ = nullptr;       // interest received
};

}  // namespace zolt

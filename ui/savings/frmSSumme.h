#pragma once
// Target-sum saving: the instalment that reaches a wished end sum, paid at the beginning
// or at the end of each period.

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zolt {
class ScreenSlots;

class frmSSumme : public QWidget {
    Q_OBJECT
public:
    explicit frmSSumme(ScreenSlots& screens, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_MouseMove();
    void Befehl3_MouseMove();
    void Befehl2_Click();
    void Befehl3_Click();

    ScreenSlots& screens_;

    QLineEdit* Text5 = nullptr;  // wished end sum
    QLineEdit* Text6 = nullptr;  // payments per year
    QLineEdit* Text2 = nullptr;  // term in years
    QComboBox* Kombi1 = nullptr;  // nominal rate
    QRadioButton* Option1 = nullptr;  // "Anfang"
    QRadioButton* Option2 = nullptr;  // "Ende"

    QLineEdit* Text7 = nullptr;  // instalment
    QLineEdit* Text1 = nullptr;  // paid in
    QLineEdit* Text3 = nullptr;  // interest received

    QLabel* Bezeichnung7 = nullptr;  // hint line
    QPushButton* Befehl2 = nullptr;  // compute
    QPushButton* Befehl3 = nullptr;  // back to the menu
};

}  // namespace zolt

#pragma once
// Interest rate from a start and an end capital over a number of years.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zolt {

class frmZinssatz : public QWidget {
    Q_OBJECT
public:
    explicit frmZinssatz(QWidget* parent = nullptr);

private:
    void Befehl1_Click();  // "Berechnung"
    void Befehl2_Click();  // "Beenden"

    QLineEdit* Text1_ = nullptr;     // start capital
    QLineEdit* Text2_ = nullptr;     // wished end capital
    QLabel* Bezeichnung5_ = nullptr;  // warning line
    QLineEdit* Text3_ = nullptr;     // years
    QLineEdit* Text4_ = nullptr;     // the rate
};

}  // namespace zolt

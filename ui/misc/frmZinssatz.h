#pragma once
// Interest rate from a start and an end capital over a number of years.

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zolt {
class ScreenSlots;

class frmZinssatz : public QWidget {
    Q_OBJECT
public:
    explicit frmZinssatz(ScreenSlots& screens, QWidget* parent = nullptr);

    void Befehl1_Click();  // "Berechnung"
    void Befehl2_Click();  // "Beenden"

protected:
    bool event(QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();

    ScreenSlots& screens_;
    QLabel* Bezeichnung6 = nullptr;
    QGroupBox* Rahmen1 = nullptr;
    QLabel* Bezeichnung1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Bezeichnung2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Bezeichnung5 = nullptr;
    QLabel* Bezeichnung3 = nullptr;
    QLineEdit* Text3 = nullptr;
    QGroupBox* Rahmen2 = nullptr;
    QLabel* Bezeichnung4 = nullptr;
    QLineEdit* Text4 = nullptr;
    QPushButton* Befehl2 = nullptr;
    QPushButton* Befehl1 = nullptr;
};

}  // namespace zolt

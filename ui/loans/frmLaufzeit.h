#pragma once
// Loan term: how many monthly instalments repay a loan at a given nominal rate.

#include <QWidget>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zolt {
class ScreenSlots;

class frmLaufzeit : public QWidget {
    Q_OBJECT
public:
    explicit frmLaufzeit(ScreenSlots& screens, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Befehl2_Click();
    void Befehl3_Click();

    ScreenSlots& screens_;
    QPushButton* Befehl3_ = nullptr;
    QPushButton* Befehl2_ = nullptr;
    QGroupBox* Rahmen5_ = nullptr;
    QLineEdit* Text7_ = nullptr;
    QLineEdit* Text8_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    QFrame* Linie1_ = nullptr;
    QGroupBox* Rahmen4_ = nullptr;
    QLineEdit* Text5_ = nullptr;
    QComboBox* Kombi1_ = nullptr;
    QLineEdit* Text6_ = nullptr;
    QGroupBox* Rahmen3_ = nullptr;
    QLabel* Bezeichnung7_ = nullptr;
};

}  // namespace zolt

#pragma once
// Annuities: the capital a perpetual annuity needs (left half) and how long a capital lasts
// under a monthly withdrawal, with its month table (right half).

#include <QWidget>

#include "core/Annuities.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

namespace zolt {
class RowListModel;
class ScreenSlots;

class frmRente : public QWidget {
    Q_OBJECT
public:
    explicit frmRente(ScreenSlots& screens, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Form_Load();
    void Form_Activate();
    void Option1_Click();
    void Option2_Click();
    void Kombi2_Click();
    void Kombi3_Click();
    void Befehl1_Click();
    void Befehl2_Click();
    void Befehl4_Click();
    void Liste1_Click();
    void Befehl3_MouseMove();
    void Befehl3_Click();

    // The capital annuity up to the point where the table gets its closing line; an empty
    // table after a refused input.
    CapitalAnnuityResult ComputeCapitalAnnuity();
    // Liste1 shows the month table and the closing line.
    void ShowTable(CapitalAnnuityResult table);

    ScreenSlots& screens_;
    CapitalAnnuityResult annuity_;
    RowListModel* tableModel_ = nullptr;

    QLabel* Bezeichnung15 = nullptr;
    QGroupBox* Rahmen1 = nullptr;
    QLabel* Bezeichnung6 = nullptr;
    QLabel* Bezeichnung1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Bezeichnung2 = nullptr;
    QComboBox* Kombi2 = nullptr;
    QLabel* Bezeichnung3 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* Bezeichnung5 = nullptr;
    QComboBox* Kombi3 = nullptr;
    QGroupBox* Rahmen2 = nullptr;
    QLabel* Bezeichnung4 = nullptr;
    QLineEdit* Text3 = nullptr;

    QFrame* Linie1 = nullptr;

    QLabel* Bezeichnung16 = nullptr;
    QGroupBox* Rahmen4 = nullptr;
    QLabel* Bezeichnung8 = nullptr;
    QLabel* Bezeichnung9 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLabel* Bezeichnung10 = nullptr;
    QComboBox* Kombi1 = nullptr;
    QLabel* Bezeichnung11 = nullptr;
    QLineEdit* Text6 = nullptr;
    QGroupBox* Rahmen5 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLabel* Bezeichnung12 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLabel* Bezeichnung13 = nullptr;
    QLabel* Bezeichnung14 = nullptr;
    QLineEdit* Text9 = nullptr;

    QGroupBox* Rahmen3 = nullptr;
    QLabel* Bezeichnung7 = nullptr;
    QPushButton* Befehl3 = nullptr;
    QPushButton* Befehl1 = nullptr;
    QPushButton* Befehl2 = nullptr;
    QPushButton* Befehl4 = nullptr;

    QGroupBox* Rahmen6 = nullptr;
    QLabel* Bezeichnung17 = nullptr;
    QLabel* Bezeichnung18 = nullptr;
    QListView* Liste1 = nullptr;
};

}  // namespace zolt

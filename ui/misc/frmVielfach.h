#pragma once
// Capital multiplication: the years and months in which a capital grows n-fold at a yearly
// compound rate, and a details list for the multiples 2, 2.5, 3, … up to n.

#include <QWidget>

#include "core/CapitalMultiple.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace zolt {
class RowListModel;
class ScreenSlots;

class frmVielfach : public QWidget {
    Q_OBJECT
public:
    explicit frmVielfach(ScreenSlots& screens, QWidget* parent = nullptr);

private:
    struct Inputs {
        double ratePercent = 0;
        double multiple = 0;
    };

    void BuildControls();
    void Form_Load();
    void Befehl3_Click();
    void Befehl2_Click();
    void Befehl1_Click();

    // The checks shared by both buttons: numeric fields, then the range of the reading.
    // nullopt after the message was shown.
    std::optional<Inputs> ReadInputs();
    void ShowRefusal(MultipleError error);
    void ShowDetails(MultipleDetails details);

    ScreenSlots& screens_;
    MultipleDetails details_;
    RowListModel* detailsModel_ = nullptr;

    QGroupBox* Rahmen1 = nullptr;
    QLabel* Bezeichnung2 = nullptr;
    QComboBox* Kombi1 = nullptr;
    QLabel* Bezeichnung4 = nullptr;
    QLabel* Bezeichnung1 = nullptr;
    QLineEdit* Text1 = nullptr;

    QGroupBox* Rahmen3 = nullptr;
    QLabel* Bezeichnung5 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Bezeichnung6 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Bezeichnung7 = nullptr;

    QGroupBox* Rahmen2 = nullptr;
    QLabel* Bezeichnung3 = nullptr;
    QListView* Liste1 = nullptr;

    QGroupBox* Rahmen4 = nullptr;
    QLabel* Bezeichnung8 = nullptr;

    QPushButton* Befehl3 = nullptr;
    QPushButton* Befehl2 = nullptr;
    QPushButton* Befehl1 = nullptr;
};

}  // namespace zolt

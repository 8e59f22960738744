#pragma once
// Capital multiplication: the years and months in which a capital grows n-fold at a yearly
// compound rate, and a details list for the multiples 2, 2.5, 3, … up to n.

#include <QWidget>

#include "core/CapitalMultiple.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace zolt {
class RowListModel;

class frmVielfach : public QWidget {
    Q_OBJECT
public:
    explicit frmVielfach(QWidget* parent = nullptr);

private:
    void Befehl3_Click();  // "Berechnen"
    void Befehl2_Click();  // "Details"
    void Befehl1_Click();  // "Zurück"

    void ShowRefusal(MultipleError error);
    void ShowDetails(MultipleDetails details);

    MultipleDetails details_;  // what Liste1 shows
    RowListModel* detailsModel_ = nullptr;

    QComboBox* Kombi1_ = nullptr;     // rate
    QLineEdit* Text1_ = nullptr;      // wished multiple
    QLineEdit* Text2_ = nullptr;      // years
    QLineEdit* Text3_ = nullptr;      // months
    QLabel* Bezeichnung3_ = nullptr;  // heading of the details list
};

}  // namespace zolt

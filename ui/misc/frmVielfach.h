#pragma once
// Capital multiplication: the years and months in which a capital grows n-fold at a yearly
// compound rate, and a details list for the multiples 2, 2.5, 3, … up to n.

#include <QStringList>
#include <QWidget>
#include <optional>

#include "core/CapitalMultiple.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace zolt {
class RowListModel;
class TableActions;
struct ExportTable;

class frmVielfach : public QWidget {
    Q_OBJECT
public:
    explicit frmVielfach(QWidget* parent = nullptr);

private:
    void Befehl3_Click();  // "Berechnen"
    void Befehl2_Click();  // "Details"
    void Befehl1_Click();  // "Zurück"

    void ShowRefusal(MultipleError error);
    // Liste1 shows the details; inputs are what produced them.
    void ShowDetails(MultipleDetails details, QStringList inputs = {});
    // The details of Liste1 for the file and the paper (nothing while it has none).
    std::optional<ExportTable> DetailsTable() const;

    MultipleDetails details_;    // what Liste1 shows
    QStringList detailsInputs_;  // "label: value" of the entries behind details_
    RowListModel* detailsModel_ = nullptr;
    TableActions* exports_ = nullptr;  // of Liste1

    QComboBox* Kombi1_ = nullptr;     // rate
    QLineEdit* Text1_ = nullptr;      // wished multiple
    QLineEdit* Text2_ = nullptr;      // years
    QLineEdit* Text3_ = nullptr;      // months
    QLabel* Bezeichnung3_ = nullptr;  // heading of the details list
};

}  // namespace zolt

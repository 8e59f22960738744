#pragma once
// The perpetual calendar "Ewiger Kalender": the weekday of a date and its distance from today,
// and the days between two dates. Date arithmetic lives in core/PerpetualCalendar.

#include <QWidget>
#include <array>
#include <optional>

#include "core/PerpetualCalendar.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zolt {
class ScreenSlots;

class frmKalender : public QWidget {
    Q_OBJECT
public:
    explicit frmKalender(ScreenSlots& screens, QWidget* parent = nullptr);

    // The colour mixer recolours the window's background.
    void SetBackColor(const QColor& colour);
    QColor BackColor() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct DateCombos {
        QComboBox* day = nullptr;
        QComboBox* month = nullptr;
        QComboBox* century = nullptr;
        QComboBox* year = nullptr;
        QString caption;  // names the date in messages
    };

    void Form_Load();
    void Befehl1_Click();
    void Befehl2_Click();
    void Befehl3_Click();
    void Befehl4_Click();
    // Reads a date; reports the 29 February correction and refuses texts and days that the
    // calendar does not have, each with its message. nullopt when refused.
    std::optional<CalendarDate> ReadChecked(const DateCombos& combos);
    DateCombos MakeDateCombos(QGroupBox* frame, const QString& suffix, const QString& caption, const QStringList& headings,
                              const std::array<QString, 3>& headingNames);

    ScreenSlots& screens_;
    QLabel* Bezeichnung5 = nullptr;
    QPushButton* Befehl4 = nullptr;
    QGroupBox* Rahmen3 = nullptr;
    DateCombos asked_;
    QLabel* Bezeichnung6 = nullptr;
    QLabel* BezResultat = nullptr;
    QLabel* Bezeichnung7 = nullptr;
    QLabel* Bezeichnung11 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Bezeichnung9 = nullptr;
    QPushButton* Befehl1 = nullptr;
    QLabel* Bezeichnung10 = nullptr;
    QGroupBox* Rahmen1 = nullptr;
    DateCombos first_;
    QLabel* Bezeichnung12 = nullptr;
    QGroupBox* Rahmen2 = nullptr;
    DateCombos second_;
    QLabel* Bezeichnung19 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Bezeichnung13 = nullptr;
    QPushButton* Befehl3 = nullptr;
    QPushButton* Befehl2 = nullptr;
};

}  // namespace zolt

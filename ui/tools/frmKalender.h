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
    static DateCombos MakeDateCombos(QGroupBox* frame, const QString& suffix, const QString& caption,
                                     const QStringList& headings, const std::array<QString, 3>& headingNames);

    ScreenSlots& screens_;
    DateCombos asked_;
    DateCombos first_;
    DateCombos second_;
    QLabel* BezResultat_ = nullptr;   // weekday of the date asked for
    QLineEdit* Text2_ = nullptr;      // its days from today
    QLabel* Bezeichnung12_ = nullptr;  // weekday of date 1
    QLabel* Bezeichnung19_ = nullptr;  // weekday of date 2
    QLineEdit* Text1_ = nullptr;      // days from date 1 to date 2
};

}  // namespace zolt

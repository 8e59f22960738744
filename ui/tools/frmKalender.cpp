#include "ui/tools/frmKalender.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/common/FormControls.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"
#include "ui/common/ScreenSlots.h"

namespace zolt {

namespace {

const QString kTitle = QStringLiteral("Kalender-Info");
// The calendar's own background, until the colour mixer changes it.
const QColor kOwnColour(192, 255, 192);

// A day count, hidden until the first result.
QLineEdit* MakeDayCount(QWidget* parent, const QString& name, TwipsRect at) {
    QLineEdit* field = MakeOutputField(parent, name, at);
    field->setAlignment(Qt::AlignRight);
    field->hide();
    return field;
}

QLabel* MakeBoldLabel(QWidget* parent, const QString& name, const QString& caption, TwipsRect at) {
    QLabel* label = MakeLabel(parent, name, caption, at);
    QFont bold = DialogFont();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QStringList Numbers(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n) items << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return items;
}

void SetComboText(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    if (index >= 0) combo->setCurrentIndex(index);
    combo->setEditText(text);
}

QString FieldAdvice(DateField field) {
    switch (field) {
        case DateField::Day: return QStringLiteral("Bitte als Tag eine Zahl von 01 bis 31 angeben !");
        case DateField::Month: return QStringLiteral("Bitte als Monat eine Zahl von 01 bis 12 angeben !");
        case DateField::Century: return QStringLiteral("Bitte als Jahrhundert eine Zahl von 15 bis 21 angeben !");
        case DateField::Year: return QStringLiteral("Bitte als Jahr eine Zahl von 00 bis 99 angeben !");
        case DateField::None: break;
    }
    return {};
}

QString DayText(const CalendarDate& date) {
    return QStringLiteral("%1.%2.%3")
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.year, 4, 10, QLatin1Char('0'));
}

CalendarDate Today() {
    const QDate today = QDate::currentDate();
    return CalendarDate{today.year(), today.month(), today.day()};
}

}  // namespace

frmKalender::frmKalender(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmKalender"));
    setWindowTitle(QStringLiteral("Ewiger Kalender"));
    setFont(DialogFont());
    SetClientTwips(this, 6000, 4950);
    setAutoFillBackground(true);
    SetBackColor(kOwnColour);

    QLabel* heading = MakeLabel(this, QStringLiteral("Bezeichnung5"),
                                QStringLiteral("- Gregorianischer Kalender, gültig ab 15 Oktober 1582 -"), {480, 120, 5400, 255});
    heading->setAlignment(Qt::AlignCenter);
    QPushButton* Befehl4 = MakeButton(this, QStringLiteral("Befehl4"), QStringLiteral("F"), {120, 120, 255, 255});
    Befehl4->setToolTip(QStringLiteral("Farbe ändern"));

    QGroupBox* Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Gesuchtes Datum"), {120, 480, 5760, 1800});
    asked_ = MakeDateCombos(Rahmen3, QString(), QStringLiteral("Gesuchtes Datum"), {"Tag", "Monat", "Jahr"},
                            {QStringLiteral("Bezeichnung1"), QStringLiteral("Bezeichnung2"), QStringLiteral("Bezeichnung3")});
    QPushButton* Befehl1 = MakeButton(Rahmen3, QStringLiteral("Befehl1"), QStringLiteral("Berechnung"), {3840, 480, 1680, 375});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung6"), QStringLiteral("Dieser Tag ist ein -->"), {120, 1020, 1920, 255});
    BezResultat_ = MakeBoldLabel(Rahmen3, QStringLiteral("BezResultat"), QString(), {2100, 1020, 2400, 255});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung7"), QStringLiteral("Zwischen gesuchten und heutigen "), {120, 1410, 3000, 255});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung11"), QStringLiteral("Tag liegen"), {3120, 1410, 900, 255});
    Text2_ = MakeDayCount(Rahmen3, QStringLiteral("Text2"), {4080, 1380, 1020, 315});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung9"), QStringLiteral("Tage"), {5160, 1410, 540, 255});

    MakeBoldLabel(this, QStringLiteral("Bezeichnung10"), QStringLiteral("  Anzahl der Tage zwischen zwei Datumsangaben"),
                  {120, 2400, 5760, 255});

    QGroupBox* Rahmen1 = MakeFrame(this, QStringLiteral("Rahmen1"), QStringLiteral("Datum 1"), {120, 2760, 2820, 1440});
    first_ = MakeDateCombos(Rahmen1, QStringLiteral("1"), QStringLiteral("Datum 1"), {"Tag", "Monat", "  Jahr"},
                            {QStringLiteral("Bezeichnung14"), QStringLiteral("Bezeichnung15"), QStringLiteral("Bezeichnung16")});
    Bezeichnung12_ = MakeBoldLabel(Rahmen1, QStringLiteral("Bezeichnung12"), QString(), {120, 1020, 2580, 255});

    QGroupBox* Rahmen2 = MakeFrame(this, QStringLiteral("Rahmen2"), QStringLiteral("Datum 2"), {3060, 2760, 2820, 1440});
    second_ = MakeDateCombos(Rahmen2, QStringLiteral("2"), QStringLiteral("Datum 2"), {"Tag", "Monat", "Jahr"},
                             {QStringLiteral("Bezeichnung17"), QStringLiteral("Bezeichnung18"), QStringLiteral("Bezeichnung20")});
    Bezeichnung19_ = MakeBoldLabel(Rahmen2, QStringLiteral("Bezeichnung19"), QString(), {120, 1020, 2580, 255});

    Text1_ = MakeDayCount(this, QStringLiteral("Text1"), {120, 4380, 1200, 315});
    MakeLabel(this, QStringLiteral("Bezeichnung13"), QStringLiteral("Tage"), {1380, 4410, 600, 255});
    QPushButton* Befehl3 = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Berechnung"), {2220, 4350, 1680, 375});
    QPushButton* Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Beenden"), {4200, 4350, 1680, 375});

    connect(Befehl1, &QPushButton::clicked, this, [this] { Befehl1_Click(); });
    connect(Befehl2, &QPushButton::clicked, this, [this] { Befehl2_Click(); });
    connect(Befehl3, &QPushButton::clicked, this, [this] { Befehl3_Click(); });
    connect(Befehl4, &QPushButton::clicked, this, [this] { Befehl4_Click(); });

    Form_Load();
}

frmKalender::DateCombos frmKalender::MakeDateCombos(QGroupBox* frame, const QString& suffix, const QString& caption,
                                                    const QStringList& headings, const std::array<QString, 3>& headingNames) {
    DateCombos combos;
    combos.caption = caption;
    // The top frame is wide; the two lower ones hold the same four boxes closer together.
    const bool wide = suffix.isEmpty();
    const int step = wide ? 840 : 660;
    const int width = wide ? 780 : 630;
    auto make = [&](const QString& name, int column) {
        auto* combo = MakeControl<QComboBox>(frame, name + suffix, {120 + column * step, 480, width, 315});
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(12);
        return combo;
    };
    combos.day = make(QStringLiteral("KombiTag"), 0);
    combos.month = make(QStringLiteral("KombiMonat"), 1);
    combos.century = make(QStringLiteral("KombiJahrhundert"), 2);
    combos.year = make(QStringLiteral("KombiJahrzehnt"), 3);
    for (int i = 0; i < 3; ++i) {
        MakeLabel(frame, headingNames[static_cast<std::size_t>(i)], headings[i],
                  {120 + i * step, 240, i == 2 ? 2 * width : width, 255});
    }
    return combos;
}

void frmKalender::Form_Load() {
    const QStringList days = Numbers(1, 31);
    const QStringList months = Numbers(1, 12);
    const QStringList centuries = Numbers(kFirstCentury, kLastCentury);
    const QStringList years = Numbers(0, 99);
    const QDate today = QDate::currentDate();
    const QString yearText = QStringLiteral("%1").arg(today.year(), 4, 10, QLatin1Char('0'));
    for (const DateCombos* combos : {&asked_, &first_, &second_}) {
        combos->day->addItems(days);
        combos->month->addItems(months);
        combos->century->addItems(centuries);
        combos->year->addItems(years);
        SetComboText(combos->day, QStringLiteral("%1").arg(today.day(), 2, 10, QLatin1Char('0')));
        SetComboText(combos->month, QStringLiteral("%1").arg(today.month(), 2, 10, QLatin1Char('0')));
        SetComboText(combos->century, yearText.left(2));
        SetComboText(combos->year, yearText.right(2));
    }
}

void frmKalender::SetBackColor(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

QColor frmKalender::BackColor() const { return palette().color(QPalette::Window); }

std::optional<CalendarDate> frmKalender::ReadChecked(const DateCombos& combos) {
    const DateTexts texts{ToStd(combos.day->currentText()), ToStd(combos.month->currentText()),
                          ToStd(combos.century->currentText()), ToStd(combos.year->currentText())};
    const DateReading reading = ReadDate(texts);
    if (reading.badField != DateField::None) {
        QComboBox* culprit = reading.badField == DateField::Day       ? combos.day
                             : reading.badField == DateField::Month   ? combos.month
                             : reading.badField == DateField::Century ? combos.century
                                                                      : combos.year;
        ShowInputError(this, combos.caption + QStringLiteral(": ") + FieldAdvice(reading.badField), kTitle);
        culprit->setFocus();
        return std::nullopt;
    }
    if (reading.leapDayCorrected) {
        SetComboText(combos.day, QStringLiteral("28"));
        ShowNote(this, QStringLiteral("Tag auf 28. zurückgesetzt, da angegebenes Jahr kein Schaltjahr !"), kTitle);
    }
    if (!reading.exists) {
        ShowInputError(this,
                       combos.caption + QStringLiteral(": Den ") + DayText(reading.date) +
                           QStringLiteral(" gibt es nicht, der Monat hat nur %1 Tage !")
                               .arg(DaysInMonth(reading.date.year, reading.date.month)),
                       kTitle);
        combos.day->setFocus();
        return std::nullopt;
    }
    return reading.date;
}

void frmKalender::Befehl1_Click() {
    const std::optional<CalendarDate> date = ReadChecked(asked_);
    if (!date) return;
    BezResultat_->setText(ToQ(WeekdayName(WeekdayIndex(*date))));
    Text2_->setText(QString::number(DaysBetween(Today(), *date)));
    Text2_->show();
}

void frmKalender::Befehl3_Click() {
    const std::optional<CalendarDate> first = ReadChecked(first_);
    if (!first) return;
    const std::optional<CalendarDate> second = ReadChecked(second_);
    if (!second) return;
    Text1_->setText(QString::number(DaysBetween(*first, *second)));
    Text1_->show();
    Bezeichnung12_->setText(ToQ(WeekdayName(WeekdayIndex(*first))));
    Bezeichnung19_->setText(ToQ(WeekdayName(WeekdayIndex(*second))));
}

void frmKalender::Befehl4_Click() { screens_.Open(ScreenId::frmScrollBars); }

void frmKalender::Befehl2_Click() {
    // Unloaded: the next opening builds the calendar afresh, with today's date and its own colour.
    screens_.Unload(ScreenId::frmKalender);
}

void frmKalender::closeEvent(QCloseEvent* event) {
    event->accept();
    screens_.Unload(ScreenId::frmKalender);
}

}  // namespace zolt

#include "ui/loans/frmBaufinanzierung.h"

#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <utility>

#include "core/EffectiveRate.h"
#include "core/NumberRules.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/HintLine.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"

namespace zolt {

namespace {

const QString kTitle = QStringLiteral("Baufinanzierung Fehlernachricht");
const QString kStartMonthText = QStringLiteral("Geben Sie den Monat der ersten Rate als MM.JJJJ ein, zum Beispiel 01.2027.");

QString RefusalText(AnnuityLoanError error) {
    switch (error) {
        case AnnuityLoanError::AmountNotPositive: return QStringLiteral("Der Darlehensbetrag muss größer als 0 sein.");
        case AnnuityLoanError::AmountTooLarge:
            return QStringLiteral("Der Darlehensbetrag darf höchstens 1.000.000.000.000,00 € betragen.");
        case AnnuityLoanError::NegativeRate: return QStringLiteral("Der Sollzins darf nicht negativ sein.");
        case AnnuityLoanError::FixedYearsOutOfRange:
            return QStringLiteral("Die Zinsbindung muss eine ganze Zahl von 1 bis 40 Jahren sein.");
        case AnnuityLoanError::NegativeExtra: return QStringLiteral("Die Sondertilgung darf nicht negativ sein.");
        case AnnuityLoanError::ExtraTooLarge:
            return QStringLiteral("Die Sondertilgung darf höchstens 1.000.000.000.000,00 € betragen.");
        case AnnuityLoanError::FeeOutOfRange:
            return QStringLiteral("Das Bearbeitungsentgelt muss mindestens 0 % und kleiner als 100 % sein.");
        case AnnuityLoanError::InstalmentTooLarge:
            return QStringLiteral("Die monatliche Rate darf höchstens 1.000.000.000.000,00 € betragen.");
        case AnnuityLoanError::InstalmentTooLow:
            return QStringLiteral("Die Rate deckt nicht einmal die Zinsen – das Darlehen würde nie getilgt.");
        case AnnuityLoanError::TooLong:
            return QStringLiteral("Der Tilgungsplan wäre länger als 1200 Monate (100 Jahre). "
                                  "Wählen Sie eine höhere Tilgung oder Rate.");
        case AnnuityLoanError::NoEffectiveRate:
            return QStringLiteral("Der Effektivzins lässt sich für diese Eingaben nicht bestimmen.");
        case AnnuityLoanError::None: break;
    }
    return {};
}

// "29 Jahre 0 Monate", "1 Jahr 1 Monat".
QString TermText(int years, int months) {
    return QStringLiteral("%1 %2 %3 %4")
        .arg(years)
        .arg(years == 1 ? QStringLiteral("Jahr") : QStringLiteral("Jahre"))
        .arg(months)
        .arg(months == 1 ? QStringLiteral("Monat") : QStringLiteral("Monate"));
}

PlanMonth NextMonth() {
    const QDate today = QDate::currentDate();
    return MonthAfter({today.year(), today.month()}, 1);
}

// Placement of the entry rows and the result rows (twips inside their frames).
constexpr int kInputTop = 300;
constexpr int kInputStep = 390;
constexpr int kOutputTop = 300;
constexpr int kOutputStep = 450;
TwipsRect InputCaption(int row) { return {180, kInputTop + row * kInputStep + 30, 2940, 255}; }
TwipsRect InputField(int row) { return {3180, kInputTop + row * kInputStep, 2040, 315}; }
TwipsRect OutputCaption(int row) { return {180, kOutputTop + row * kOutputStep + 45, 2640, 255}; }
TwipsRect OutputField(int row) { return {2880, kOutputTop + row * kOutputStep, 1980, 330}; }

}  // namespace

// ---- the plan table ----------------------------------------------------------------------

AnnuityPlanModel::AnnuityPlanModel(QFont markFont, QObject* parent)
    : QAbstractTableModel(parent), markFont_(std::move(markFont)) {
    markFont_.setBold(true);
}

void AnnuityPlanModel::SetPlan(AnnuityLoanResult plan) {
    beginResetModel();
    plan_ = std::move(plan);
    endResetModel();
}

void AnnuityPlanModel::SetYearly(bool yearly) {
    if (yearly == yearly_) return;
    beginResetModel();
    yearly_ = yearly;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, Period, Period);
}

int AnnuityPlanModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Rows().size());
}

int AnnuityPlanModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

std::int64_t AnnuityPlanModel::Cents(int row, int column) const {
    const AnnuityPlanRow& r = Rows()[static_cast<std::size_t>(row)];
    switch (column) {
        case Instalment: return r.instalment;
        case Interest: return r.interest;
        case Principal: return r.principal;
        case Extra: return r.extra;
        case Debt: return r.debt;
        default: return 0;
    }
}

QString AnnuityPlanModel::CellText(int row, int column) const {
    if (column != Period) return ToQ(FormatNumber(Euros(Cents(row, column)), "Currency"));
    return yearly_ ? QStringLiteral("%1. Jahr").arg(row + 1) : ToQ(MonthYearText(MonthAfter(plan_.firstMonth, row)));
}

ExportCell AnnuityPlanModel::Value(int row, int column) const {
    if (column == Period) return CellText(row, column);
    return Euros(Cents(row, column));
}

QVariant AnnuityPlanModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount) return {};
    switch (role) {
        case Qt::DisplayRole: return CellText(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(index.column() == Period ? Qt::AlignCenter
                                                                              : Qt::AlignRight | Qt::AlignVCenter));
        case Qt::FontRole: {
            return index.row() == MarkedRow() ? QVariant(markFont_) : QVariant();
        }
        default: return {};
    }
}

QVariant AnnuityPlanModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case Period: return yearly_ ? QStringLiteral("Jahr") : QStringLiteral("Monat");
        case Instalment: return QStringLiteral("Rate");
        case Interest: return QStringLiteral("Zinsen");
        case Principal: return QStringLiteral("Tilgung");
        case Extra: return QStringLiteral("Sondertilgung");
        default: return QStringLiteral("Restschuld");
    }
}

// ---- the screen --------------------------------------------------------------------------

frmBaufinanzierung::frmBaufinanzierung(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmBaufinanzierung"));
    setWindowTitle(QStringLiteral("Baufinanzierung – Annuitätendarlehen"));
    setFont(DialogFont());
    SetClientTwips(this, 10800, 9420);

    QGroupBox* fraEingabe = MakeFrame(this, QStringLiteral("fraEingabe"), QStringLiteral("Eingabe"), {120, 120, 5400, 3480});
    auto input = [&](int row, const char* name, const QString& caption) {
        const QString field = QString::fromLatin1(name);
        MakeLabel(fraEingabe, QStringLiteral("lbl") + field.mid(3), caption, InputCaption(row));
        return MakeTextField(fraEingabe, field, QString(), InputField(row));
    };
    txtBetrag_ = input(0, "txtBetrag", QStringLiteral("Darlehensbetrag (€)"));
    txtSollzins_ = input(1, "txtSollzins", QStringLiteral("Sollzins p.a. (%)"));
    optTilgung_ = MakeOption(fraEingabe, QStringLiteral("optTilgung"), QStringLiteral("anfängliche Tilgung p.a. (%)"),
                            {150, kInputTop + 2 * kInputStep + 15, 2970, 285});
    txtTilgung_ = MakeTextField(fraEingabe, QStringLiteral("txtTilgung"), QString(), InputField(2));
    MakeOption(fraEingabe, QStringLiteral("optRate"), QStringLiteral("monatliche Rate (€)"),
               {150, kInputTop + 3 * kInputStep + 15, 2970, 285});
    txtRate_ = MakeTextField(fraEingabe, QStringLiteral("txtRate"), QString(), InputField(3));
    txtZinsbindung_ = input(4, "txtZinsbindung", QStringLiteral("Zinsbindung (Jahre)"));
    txtSondertilgung_ = input(5, "txtSondertilgung", QStringLiteral("Sondertilgung pro Jahr (€)"));
    txtEntgelt_ = input(6, "txtEntgelt", QStringLiteral("Bearbeitungsentgelt / Disagio (%)"));
    txtBeginn_ = input(7, "txtBeginn", QStringLiteral("erste Rate (MM.JJJJ)"));

    QGroupBox* fraErgebnis = MakeFrame(this, QStringLiteral("fraErgebnis"), QStringLiteral("Ergebnis"), {5640, 120, 5040, 3480});
    auto output = [&](int row, const char* name, const QString& caption) {
        const QString field = QString::fromLatin1(name);
        MakeLabel(fraErgebnis, QStringLiteral("lbl") + field.mid(3), caption, OutputCaption(row));
        return MakeOutputField(fraErgebnis, field, OutputField(row));
    };
    txtMonatsrate_ = output(0, "txtMonatsrate", QStringLiteral("Monatliche Rate"));
    txtRestschuld_ = output(1, "txtRestschuld", QStringLiteral("Restschuld nach Zinsbindung"));
    txtZinsenBindung_ = output(2, "txtZinsenBindung", QStringLiteral("Zinsen in der Zinsbindung"));
    txtLaufzeit_ = output(3, "txtLaufzeit", QStringLiteral("Laufzeit bis zur Tilgung"));
    txtZinsenGesamt_ = output(4, "txtZinsenGesamt", QStringLiteral("Zinsen gesamt"));
    txtSchlussrate_ = output(5, "txtSchlussrate", QStringLiteral("Schlussrate"));
    txtEffektivzins_ = output(6, "txtEffektivzins", QStringLiteral("Effektiver Jahreszins"));

    chkJahresuebersicht_ = MakeControl<QCheckBox>(this, QStringLiteral("chkJahresuebersicht"), {180, 3690, 2400, 285});
    chkJahresuebersicht_->setText(QStringLiteral("Jahresübersicht"));

    auto* grdPlan = MakeControl<QTableView>(this, QStringLiteral("grdPlan"), {120, 4020, 10560, 4020});
    plan_ = new AnnuityPlanModel(font(), grdPlan);
    grdPlan->setModel(plan_);
    grdPlan->verticalHeader()->hide();
    // Fixed heights: the view never measures the rows of a long plan.
    grdPlan->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdPlan->verticalHeader()->setDefaultSectionSize(Px(270));
    grdPlan->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdPlan->horizontalHeader()->setDefaultSectionSize(Px(1800));
    grdPlan->setColumnWidth(AnnuityPlanModel::Period, Px(1080));
    grdPlan->horizontalHeader()->setStretchLastSection(true);
    grdPlan->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdPlan->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdPlan->setWordWrap(false);
    exports_ = TableActions::Attach(
        grdPlan, kTitle, [this] { return PlanTable(); }, [this] { return PlanChart(); });
    exports_->SetAvailable(false);

    QGroupBox* fraHinweis = MakeFrame(this, QStringLiteral("fraHinweis"), QStringLiteral("Hinweis"), {120, 8100, 10560, 660});
    lblHinweis_ = MakeLabel(fraHinweis, QStringLiteral("lblHinweis"), QString(), {180, 270, 10200, 300});

    QPushButton* cmdZurueck = MakeButton(this, QStringLiteral("cmdZurueck"), QStringLiteral("Zurück"), {120, 8880, 1800, 420});
    QPushButton* cmdBerechnen = MakeButton(this, QStringLiteral("cmdBerechnen"), QStringLiteral("Berechnen"), {8880, 8880, 1800, 420});
    cmdBerechnen->setDefault(true);

    auto* hints = new HintLine(lblHinweis_);
    hints->ShowOnFocus(txtBetrag_, QStringLiteral("Der Darlehensbetrag in Euro, wie er im Vertrag steht."));
    hints->ShowOnFocus(txtSollzins_, QStringLiteral("Der gebundene Sollzins pro Jahr in Prozent, z. B. 3,45."));
    hints->ShowOnFocus(txtTilgung_, QStringLiteral("Die Tilgung im ersten Jahr in Prozent des Darlehens; daraus folgt die Rate."));
    hints->ShowOnFocus(txtRate_, QStringLiteral("Die feste monatliche Rate aus Zinsen und Tilgung."));
    hints->ShowOnFocus(txtZinsbindung_, QStringLiteral("Die Jahre, für die der Sollzins fest vereinbart ist (1 bis 40)."));
    hints->ShowOnFocus(txtSondertilgung_,
                       QStringLiteral("Wird jedes Jahr mit der 12., 24., 36. … Rate gezahlt; leer bedeutet keine."));
    hints->ShowOnFocus(txtEntgelt_, QStringLiteral("Wird bei der Auszahlung einbehalten und erhöht den Effektivzins; leer bedeutet keines."));
    hints->ShowOnFocus(txtBeginn_, QStringLiteral("Der Monat der ersten Rate; leer bedeutet der nächste Monat."));
    hints->ShowOver(cmdZurueck, QStringLiteral("Zurück zum Auswahlmenü"));
    FocusOnActivation(this, txtBetrag_);

    for (QLineEdit* field :
         {txtBetrag_, txtSollzins_, txtTilgung_, txtRate_, txtZinsbindung_, txtSondertilgung_, txtEntgelt_, txtBeginn_})
        connect(field, &QLineEdit::returnPressed, this, &frmBaufinanzierung::cmdBerechnen_Click);
    connect(optTilgung_, &QRadioButton::toggled, this, &frmBaufinanzierung::optTilgung_Toggled);
    connect(chkJahresuebersicht_, &QCheckBox::toggled, this, &frmBaufinanzierung::chkJahresuebersicht_Click);
    connect(cmdBerechnen, &QPushButton::clicked, this, &frmBaufinanzierung::cmdBerechnen_Click);
    connect(cmdZurueck, &QPushButton::clicked, this, &frmBaufinanzierung::cmdZurueck_Click);

    Form_Load();
}

void frmBaufinanzierung::Form_Load() {
    CenterOnDesktop(this);
    optTilgung_->setChecked(true);
    optTilgung_Toggled();
    txtTilgung_->setText(QStringLiteral("2"));
    txtZinsbindung_->setText(QStringLiteral("10"));
    txtBeginn_->setText(ToQ(MonthYearText(NextMonth())));
    lblHinweis_->setText(QStringLiteral("Rate, Restschuld nach der Zinsbindung, Laufzeit und Effektivzins eines Annuitätendarlehens."));
}

void frmBaufinanzierung::Prefill(double amount, double ratePercent) {
    if (IsFinite(amount)) txtBetrag_->setText(ToQ(FormatGeneral(amount)));
    if (IsFinite(ratePercent)) txtSollzins_->setText(ToQ(FormatGeneral(ratePercent)));
}

void frmBaufinanzierung::optTilgung_Toggled() {
    txtTilgung_->setEnabled(optTilgung_->isChecked());
    txtRate_->setEnabled(!optTilgung_->isChecked());
}

void frmBaufinanzierung::chkJahresuebersicht_Click() { plan_->SetYearly(chkJahresuebersicht_->isChecked()); }

void frmBaufinanzierung::Refuse(const QString& message, QWidget* field) {
    ShowInputError(this, message, kTitle);
    field->setFocus();
}

void frmBaufinanzierung::cmdBerechnen_Click() {
    AnnuityLoanInputs in;
    const bool byRepayment = optTilgung_->isChecked();
    in.choice = byRepayment ? InstalmentChoice::InitialRepayment : InstalmentChoice::Instalment;
    QLineEdit* instalmentField = byRepayment ? txtTilgung_ : txtRate_;
    struct Entry {
        QLineEdit* field;
        Currency* value;
        bool optional;  // an empty optional field counts as 0
    };
    const Entry entries[] = {
        {txtBetrag_, &in.amount, false},
        {txtSollzins_, &in.ratePercent, false},
        {instalmentField, byRepayment ? &in.repaymentPercent : &in.instalment, false},
        {txtZinsbindung_, &in.fixedYears, false},
        {txtSondertilgung_, &in.extraPerYear, true},
        {txtEntgelt_, &in.feePercent, true},
    };
    for (const Entry& entry : entries) {
        if (entry.optional && entry.field->text().trimmed().isEmpty()) continue;
        if (!ReadOrRefuse({this, kTitle}, {entry.field})) {
            entry.field->setFocus();
            return;
        }
        // The exact decimal of the reading, not its widened double: the plan rounds half cents.
        *entry.value = CurrencyNumber(ToStd(entry.field->text())).value;
    }
    const QString start = txtBeginn_->text().trimmed();
    const std::optional<PlanMonth> first = start.isEmpty() ? NextMonth() : ParseMonthYear(ToStd(start));
    if (!first) return Refuse(kStartMonthText, txtBeginn_);
    in.firstMonth = *first;

    AnnuityLoanResult result = ComputeAnnuityLoan(in);
    switch (result.error) {
        case AnnuityLoanError::None: break;
        case AnnuityLoanError::AmountNotPositive:
        case AnnuityLoanError::AmountTooLarge: return Refuse(RefusalText(result.error), txtBetrag_);
        case AnnuityLoanError::NegativeRate:
        case AnnuityLoanError::NoEffectiveRate: return Refuse(RefusalText(result.error), txtSollzins_);
        case AnnuityLoanError::FixedYearsOutOfRange: return Refuse(RefusalText(result.error), txtZinsbindung_);
        case AnnuityLoanError::NegativeExtra:
        case AnnuityLoanError::ExtraTooLarge: return Refuse(RefusalText(result.error), txtSondertilgung_);
        case AnnuityLoanError::FeeOutOfRange: return Refuse(RefusalText(result.error), txtEntgelt_);
        case AnnuityLoanError::InstalmentTooLarge:
        case AnnuityLoanError::InstalmentTooLow:
        case AnnuityLoanError::TooLong: return Refuse(RefusalText(result.error), instalmentField);
    }

    WriteCurrency(txtMonatsrate_, Euros(result.instalment));
    WriteCurrency(txtRestschuld_, Euros(result.debtAtFixedEnd));
    WriteCurrency(txtZinsenBindung_, Euros(result.interestFixedPeriod));
    txtLaufzeit_->setText(TermText(result.termYears, result.termMonths));
    WriteCurrency(txtZinsenGesamt_, Euros(result.interestTotal));
    WriteCurrency(txtSchlussrate_, Euros(result.finalInstalment));
    txtEffektivzins_->setText(ToQ(EffectiveRateText(result.effectiveRate)));
    inputLines_ = InputLines(in);
    plan_->SetPlan(std::move(result));
    exports_->SetAvailable(true);
}

QStringList frmBaufinanzierung::InputLines(const AnnuityLoanInputs& in) {
    const auto money = [](Currency value) { return ToQ(FormatNumber(value.ToDouble(), "Currency")); };
    const auto number = [](Currency value) { return ToQ(FormatGeneral(value.ToDouble())); };
    QStringList lines{QStringLiteral("Darlehensbetrag: ") + money(in.amount),
                      QStringLiteral("Sollzins: ") + number(in.ratePercent) + QStringLiteral(" % p.a.")};
    lines << (in.choice == InstalmentChoice::InitialRepayment
                  ? QStringLiteral("anfängliche Tilgung: ") + number(in.repaymentPercent) + QStringLiteral(" % p.a.")
                  : QStringLiteral("monatliche Rate: ") + money(in.instalment));
    lines << QStringLiteral("Zinsbindung: ") + number(in.fixedYears) + QStringLiteral(" Jahre");
    // The optional entries only when they take part.
    if (in.extraPerYear.tenThousandths != 0) lines << QStringLiteral("Sondertilgung pro Jahr: ") + money(in.extraPerYear);
    if (in.feePercent.tenThousandths != 0)
        lines << QStringLiteral("Bearbeitungsentgelt / Disagio: ") + number(in.feePercent) + QStringLiteral(" %");
    lines << QStringLiteral("erste Rate: ") + ToQ(MonthYearText(in.firstMonth));
    return lines;
}

std::optional<ExportTable> frmBaufinanzierung::PlanTable() const {
    if (plan_->rowCount() == 0) return std::nullopt;
    ExportTable table{plan_->Yearly() ? QStringLiteral("Baufinanzierung: Jahresübersicht")
                                      : QStringLiteral("Baufinanzierung: Tilgungsplan"),
                      windowTitle(), inputLines_, {}, plan_->rowCount(), {}, {}};
    for (int column = 0; column < AnnuityPlanModel::ColumnCount; ++column) {
        const bool period = column == AnnuityPlanModel::Period;
        table.columns.push_back({plan_->headerData(column, Qt::Horizontal).toString(),
                                 period ? ExportKind::Text : ExportKind::Amount, period ? 0 : 2});
    }
    table.cell = [plan = plan_](qsizetype row, int column) { return plan->Value(static_cast<int>(row), column); };
    return table;
}

std::optional<ChartSpec> frmBaufinanzierung::PlanChart() const {
    if (plan_->rowCount() == 0) return std::nullopt;
    const int marked = plan_->MarkedRow();
    return ChartSpec{QStringLiteral("Baufinanzierung: Restschuld"),
                     plan_->Yearly() ? QStringLiteral("Jahr") : QStringLiteral("Monat"),
                     QStringLiteral("Restschuld in €"),
                     {},
                     -1,  // the periods are texts; the chart counts them from 1
                     {{QStringLiteral("Restschuld"), ChartSeries::Kind::Line, AnnuityPlanModel::Debt}},
                     marked >= 0 ? std::optional<qsizetype>(marked) : std::nullopt,
                     QStringLiteral("Ende der Zinsbindung")};
}

void frmBaufinanzierung::cmdZurueck_Click() { hide(); }

}  // namespace zolt

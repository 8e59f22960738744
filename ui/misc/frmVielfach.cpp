#include "ui/misc/frmVielfach.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "ui/common/FormControls.h"
#include "ui/common/FormKit.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"
#include "ui/common/RowListModel.h"
#include "ui/common/TableExport.h"
#include "ui/misc/TabStopDelegate.h"

namespace zolt {

namespace {
const QString kTitle = QStringLiteral("Kapital-Vervielfachung Fehlernachricht");
const QString kRateNotPositive = QStringLiteral(
    "Bei einem Zinssatz von 0 % oder darunter vervielfacht sich ein Kapital nie. "
    "Bitte einen Zinssatz größer als 0 wählen.");
static_assert(kMaxDetailMultiple == 100'000, "the message names the limit");
const QString kDetailsCut = QStringLiteral(
    "Die Detailliste reicht höchstens bis zur 100.000-fachen Vervielfachung; größere Vielfache werden "
    "nicht aufgeführt.");
// The columns of the details as a file: what each line of Liste1 shows.
const std::vector<ExportColumn> kDetailColumns{{QStringLiteral("Vervielfachung (n)"), ExportKind::Number, 1},
                                               {QStringLiteral("Jahre"), ExportKind::Number, 0},
                                               {QStringLiteral("Monate"), ExportKind::Number, 0}};
}  // namespace

frmVielfach::frmVielfach(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmVielfach"));
    setWindowTitle(QStringLiteral("Vervielfachung eines Kapitals"));
    setFont(DialogFont());
    SetClientTwips(this, 8040, 5040);

    QGroupBox* Rahmen1 = MakeFrame(this, QStringLiteral("Rahmen1"), QStringLiteral("Eingabe"), {120, 120, 3480, 1800});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung2"), QStringLiteral("Zinsatz            (in %)"), {120, 420, 1920, 255});
    // This box runs further than the other rate boxes: 0,1 … 25,0.
    Kombi1_ = MakeRateBox(Rahmen1, QStringLiteral("Kombi1"), QStringLiteral("0,1"), {2160, 360, 1200, 315}, 25.0);
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung4"), QStringLiteral("Gewünschte"), {120, 960, 1920, 255});
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung1"), QStringLiteral("Ver n-Fachung       n="), {120, 1200, 1920, 255});
    Text1_ = MakeTextField(Rahmen1, QStringLiteral("Text1"), QString(), {2160, 1140, 1200, 315});

    QGroupBox* Rahmen3 = MakeFrame(this, QStringLiteral("Rahmen3"), QStringLiteral("Ausgabe"), {3720, 120, 4200, 1800});
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung5"), QStringLiteral("Die gewünschte Vervielfachung tritt ein nach"),
              {120, 300, 3960, 255});
    Text2_ = MakeOutputField(Rahmen3, QStringLiteral("Text2"), {360, 720, 1200, 315});
    Text2_->setAlignment(Qt::AlignRight);
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung6"), QStringLiteral("Jahren"), {1680, 750, 1200, 255});
    Text3_ = MakeOutputField(Rahmen3, QStringLiteral("Text3"), {360, 1200, 1200, 315});
    Text3_->setAlignment(Qt::AlignRight);
    MakeLabel(Rahmen3, QStringLiteral("Bezeichnung7"), QStringLiteral("Monaten"), {1680, 1230, 1200, 255});

    QPushButton* Befehl3 = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Berechnen"), {120, 2160, 1680, 495});
    QPushButton* Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("Details"), {120, 2880, 1680, 495});
    QPushButton* Befehl1 = MakeButton(this, QStringLiteral("Befehl1"), QStringLiteral("Zurück"), {120, 3600, 1680, 495});

    QGroupBox* Rahmen2 = MakeFrame(this, QStringLiteral("Rahmen2"), QStringLiteral("Details"), {1920, 2040, 6000, 2160});
    Bezeichnung3_ = MakeLabel(Rahmen2, QStringLiteral("Bezeichnung3"),
                              QStringLiteral("Vervielfachung (n)  nach   Jahren  +  Monaten"), {120, 270, 5760, 255});
    Bezeichnung3_->setVisible(false);
    const RowList list = MakeRowList(
        Rahmen2, QStringLiteral("Liste1"),
        [this](int row) { return ToQ(DetailLine(details_, static_cast<std::size_t>(row))); }, {120, 540, 5760, 1500});
    detailsModel_ = list.model;
    list.view->setItemDelegate(new TabStopDelegate(8, list.view));
    exports_ = TableActions::Attach(list.view, kTitle, [this] { return DetailsTable(); });
    exports_->SetAvailable(false);

    QGroupBox* Rahmen4 = MakeFrame(this, QStringLiteral("Rahmen4"), QStringLiteral("Hinweis"), {120, 4320, 7800, 600});
    MakeLabel(Rahmen4, QStringLiteral("Bezeichnung8"),
              QStringLiteral("Die Zeitdauer für die Vervielfachung ist unabhängig vom eingesetzten Kapital."),
              {120, 270, 7560, 255});

    connect(Befehl3, &QPushButton::clicked, this, &frmVielfach::Befehl3_Click);
    connect(Befehl2, &QPushButton::clicked, this, &frmVielfach::Befehl2_Click);
    connect(Befehl1, &QPushButton::clicked, this, &frmVielfach::Befehl1_Click);
    OrderTabsByReading(this);
    CenterOnDesktop(this);
}

void frmVielfach::Befehl3_Click() {
    // The rate box takes any typed text, so it is checked like the multiple.
    const auto values = ReadOrRefuse({this, kTitle}, {Kombi1_, Text1_});
    if (!values) return;
    const auto [ratePercent, multiple] = *values;
    const MultipleResult result = CapitalMultiple(ratePercent, multiple);
    if (!result.ok()) {
        ShowRefusal(result.error);
        return;
    }
    ShowDetails({});
    if (!result.multiple) return;  // below 2: the results stay as they were
    WriteNumber(Text2_, result.time.years, "########00");
    WriteNumber(Text3_, result.time.months, "##00");
}

void frmVielfach::Befehl2_Click() {
    const auto values = ReadOrRefuse({this, kTitle}, {Kombi1_, Text1_});
    if (!values) return;
    const auto [ratePercent, multiple] = *values;
    MultipleDetails details = CapitalMultipleDetails(ratePercent, multiple);
    if (!details.ok()) {
        ShowRefusal(details.error);
        return;
    }
    Bezeichnung3_->setVisible(true);
    const bool cut = details.truncated;
    ShowDetails(std::move(details),
                {QStringLiteral("Zinssatz: ") + ToQ(FormatNumber(ratePercent, "#,##0.0###")) + QStringLiteral(" %"),
                 QStringLiteral("Gewünschte Vervielfachung: n = ") + ToQ(FormatGeneral(multiple))});
    if (cut) ShowNote(this, kDetailsCut, kTitle);
}

void frmVielfach::ShowRefusal(MultipleError error) {
    ShowInputError(this, error == MultipleError::RateNotPositive ? kRateNotPositive : NumberTooLargeText(), kTitle);
}

void frmVielfach::ShowDetails(MultipleDetails details, QStringList inputs) {
    const auto lines = static_cast<int>(details.lines);
    detailsModel_->Reset(lines, [&] {
        details_ = std::move(details);
        detailsInputs_ = std::move(inputs);
    });
    exports_->SetAvailable(details_.lines > 0);
}

std::optional<ExportTable> frmVielfach::DetailsTable() const {
    if (details_.lines == 0) return std::nullopt;
    return ExportTable{QStringLiteral("Kapitalvervielfachung"),
                       windowTitle(),
                       detailsInputs_,
                       kDetailColumns,
                       static_cast<qsizetype>(details_.lines),
                       [this](qsizetype row, int col) -> ExportCell {
                           const double multiple = DetailMultiple(static_cast<std::size_t>(row));
                           if (col == 0) return multiple;
                           const ShownTime time = TimeToMultiply(multiple, details_.ratePercent);
                           return col == 1 ? time.years : time.months;
                       },
                       {}};
}

void frmVielfach::Befehl1_Click() { hide(); }

}  // namespace zolt

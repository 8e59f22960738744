#include "ui/misc/frmKugel1.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

#include "core/NumberRules.h"
#include "ui/common/FormControls.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"
#include "ui/common/ScreenSlots.h"
#include "ui/common/TableExport.h"
#include "ui/misc/TipPrinting.h"

namespace zolt {

namespace {

const QString kCaption = QStringLiteral("Computertips");
const QString kStart = QStringLiteral("Start");
const QString kStop = QStringLiteral("Stop");

// The ticket: 7 x 7 cells of 285 twips, 330 twips apart, in Bild2.
constexpr int kCellSize = 285;
constexpr int kCellPitch = 330;
constexpr int kCellOrigin = 120;
constexpr int kBallSize = 690;
constexpr int kBallPitch = 870;

const QColor kRevealBack(0, 255, 255);
const QColor kRevealText(255, 0, 0);

// A light-grey circle: one of the six balls.
class Ball : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::black);
        painter.setBrush(QColor(192, 192, 192));
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

QFont ScreenFont(double points, bool bold = false) {
    QFont font = DialogFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QGroupBox* MakeColouredFrame(QWidget* parent, const QString& name, const QString& caption, const QColor& back,
                             TwipsRect at) {
    QGroupBox* frame = MakeFrame(parent, name, caption, at);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, back);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    return frame;
}

bool DefaultPrinterInstalled() { return !QPrinterInfo::defaultPrinter().isNull(); }

bool AskForPdf(QWidget* parent) {
    return AskYesNo(parent,
                    Paragraphs({QStringLiteral("Es ist kein Drucker eingerichtet."),
                                QStringLiteral("Sollen die Tips stattdessen als PDF-Datei gespeichert werden?")}),
                    kCaption, true);
}

QString AskPdfPath(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Tips als PDF-Datei speichern"),
                                        QStringLiteral("Computertips.pdf"), QStringLiteral("PDF-Dateien (*.pdf)"));
}

}  // namespace

frmKugel1::frmKugel1(ScreenSlots& screens, QWidget* parent)
    : QWidget(parent), screens_(screens), drawer_(LottoDrawer::RandomSeed()) {
    setObjectName(QStringLiteral("frmKugel1"));
    setWindowTitle(kCaption);
    setFont(DialogFont());
    SetClientTwips(this, 9150, 5670);
    printFallback_ = {DefaultPrinterInstalled, AskForPdf, AskPdfPath};

    // The ticket, left.
    QGroupBox* Rahmen6 = MakeColouredFrame(this, QStringLiteral("Rahmen6"), QStringLiteral("Tip"), Qt::yellow, {240, 120, 2820, 2940});
    QPalette redCaption = Rahmen6->palette();
    redCaption.setColor(QPalette::WindowText, Qt::red);
    Rahmen6->setPalette(redCaption);
    Bild2_ = MakeControl<QWidget>(Rahmen6, QStringLiteral("Bild2"), {150, 300, 2505, 2505});
    QPalette yellow = Bild2_->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    yellow.setColor(QPalette::WindowText, Qt::black);
    Bild2_->setPalette(yellow);
    Bild2_->setAutoFillBackground(true);
    Bild2_->installEventFilter(this);
    for (int n = 1; n <= kLottoHighest; ++n) {
        const int row = (n - 1) / 7;
        const int column = (n - 1) % 7;
        QLabel* cell = MakeLabel(Bild2_, ArrayName(QStringLiteral("Bezeichnung6"), n), QString::number(n),
                                 {kCellOrigin + column * kCellPitch, kCellOrigin + row * kCellPitch, kCellSize, kCellSize});
        cell->setAlignment(Qt::AlignCenter);
        cell->setFont(ScreenFont(9.75));
        cell->setAutoFillBackground(true);
        Bezeichnung6_[static_cast<std::size_t>(n)] = cell;
    }

    // The delay, below the ticket.
    QGroupBox* Rahmen2 = MakeColouredFrame(this, QStringLiteral("Rahmen2"), QStringLiteral("Verzögerung"),
                                           palette().color(QPalette::Window), {240, 3180, 2820, 1080});
    HBildlauf1_ = MakeControl<QScrollBar>(Rahmen2, QStringLiteral("HBildlauf1"), {150, 330, 2520, 255});
    HBildlauf1_->setOrientation(Qt::Horizontal);
    MakeLabel(Rahmen2, QStringLiteral("Bezeichnung5"), QStringLiteral("0 Sek"), {150, 690, 720, 255});
    Bezeichnung8_ = MakeLabel(Rahmen2, QStringLiteral("Bezeichnung8"), QString(), {1050, 690, 720, 255});
    Bezeichnung8_->setAlignment(Qt::AlignCenter);
    MakeLabel(Rahmen2, QStringLiteral("Bezeichnung7"), QStringLiteral("1 sek"), {1950, 690, 720, 255})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Befehl1_ = MakeButton(this, QStringLiteral("Befehl1"), kStart, {240, 4440, 1335, 420});
    Befehl3_ = MakeButton(this, QStringLiteral("Befehl3"), QStringLiteral("Print"), {1725, 4440, 1335, 420});
    Befehl3_->setEnabled(false);
    QPushButton* Befehl2 = MakeButton(this, QStringLiteral("Befehl2"), QStringLiteral("End"), {240, 4980, 2820, 420});

    // The balls, right.
    QGroupBox* Rahmen1 = MakeColouredFrame(this, QStringLiteral("Rahmen1"), QStringLiteral("Computertips in geordneter Reihenfolge"),
                                           QColor(255, 255, 192), {3300, 120, 5610, 1440});
    for (std::size_t k = 0; k < kTipSize; ++k) {
        const int left = 300 + static_cast<int>(k) * kBallPitch;
        Figur1_[k] = MakeControl<Ball>(Rahmen1, ArrayName(QStringLiteral("Figur1"), static_cast<int>(k)),
                                       {left, 480, kBallSize, kBallSize});
        QLabel* label = MakeLabel(Rahmen1, ArrayName(QStringLiteral("Bezeichnung1"), static_cast<int>(k)), QString(),
                                  {left + 90, 480 + 195, kBallSize - 180, 300});
        label->setFont(ScreenFont(9.75, true));
        label->setAlignment(Qt::AlignCenter);
        Bezeichnung1_[k] = label;
    }

    // Decoration of the ball frame: a box around the row of balls, an empty label and three
    // rules beneath it. Kept under their names; they do nothing.
    auto* box = MakeControl<QFrame>(Rahmen1, QStringLiteral("Figur2"), {180, 360, 5250, 930});
    box->setFrameShape(QFrame::Box);
    box->lower();
    MakeLabel(Rahmen1, QStringLiteral("Bezeichnung2"), QString(), {})->hide();
    for (int i = 1; i <= 3; ++i) {
        MakeControl<QFrame>(Rahmen1, QStringLiteral("Linie%1").arg(i), {180, 1290 + i * 30, 5250, 15})
            ->setFrameShape(QFrame::HLine);
    }

    MakeLabel(this, QStringLiteral("Bezeichnung3"), QStringLiteral("Computertips in Listenform"), {3300, 1740, 5610, 255});
    Liste1_ = MakeControl<QListWidget>(this, QStringLiteral("Liste1"), {3300, 2040, 5610, 1920});
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSizeF(8.25);
    Liste1_->setFont(fixed);
    Liste1_->setUniformItemSizes(true);

    pause_ = new QTimer(this);
    pause_->setObjectName(QStringLiteral("tmrPause"));
    pause_->setSingleShot(true);
    connect(pause_, &QTimer::timeout, this, &frmKugel1::NextStep);
    connect(HBildlauf1_, &QScrollBar::valueChanged, this, &frmKugel1::HBildlauf1_Change);
    connect(Befehl1_, &QPushButton::clicked, this, &frmKugel1::Befehl1_Click);
    connect(Befehl2, &QPushButton::clicked, this, &frmKugel1::Befehl2_Click);
    connect(Befehl3_, &QPushButton::clicked, this, &frmKugel1::Befehl3_Click);
    Form_Load();
}

void frmKugel1::Form_Load() {
    CenterOnDesktop(this);
    PlaceTwips(Liste1_, 3300, 2040, 5610, 1920);  // the list is 1920 twips high
    HBildlauf1_->setRange(0, 10);
    HBildlauf1_->setPageStep(2);
    HBildlauf1_->setSingleStep(1);
    HBildlauf1_->setValue(5);
    HBildlauf1_Change(HBildlauf1_->value());
}

void frmKugel1::HBildlauf1_Change(int position) {
    delaySeconds_ = position / 10.0;
    Bezeichnung8_->setText(ToQ(FormatNumber(delaySeconds_, "0.0")) + QStringLiteral(" Sek"));
}

void frmKugel1::Befehl1_Click() {
    if (Befehl1_->text() == kStop) {
        // The tip in progress still completes; the loop ends after its list line.
        stopRequested_ = true;
        Befehl1_->setText(kStart);
        Befehl3_->setEnabled(true);
        return;
    }
    Befehl1_->setText(kStop);
    stopRequested_ = false;
    Liste1_->clear();
    tipCount_ = 0;
    Befehl3_->setEnabled(false);
    RunDrawLoop();
}

void frmKugel1::RunDrawLoop() {
    // Started again while the last tip of a stopped sequence is still being revealed: that
    // tip is dropped and the new sequence begins, so only one sequence ever runs.
    phase_ = Phase::BeforeTip;
    SchedulePause();
}

// The pauses are timer intervals: between the steps the event loop runs, so the screen stays
// usable, a changed delay applies to the next pause, and closing the screen simply ends the
// sequence with the timer that belongs to it.
void frmKugel1::SchedulePause() { pause_->start(static_cast<int>(std::lround(delaySeconds_ * 1000))); }

void frmKugel1::NextStep() {
    switch (phase_) {
        case Phase::BeforeTip:
            StartTip();
            phase_ = Phase::Revealing;
            SchedulePause();
            break;
        case Phase::Revealing:
            RevealNext();
            if (revealed_ < tip_.size()) {
                SchedulePause();
            } else {
                FinishTip();
            }
            break;
        case Phase::Idle:
            break;
    }
}

void frmKugel1::StartTip() {
    ++tipCount_;
    const QColor windowBack = palette().color(QPalette::Base);
    for (int n = 1; n <= kLottoHighest; ++n) {
        QLabel* cell = Bezeichnung6_[static_cast<std::size_t>(n)];
        QPalette plain = cell->palette();
        plain.setColor(QPalette::Window, windowBack);
        plain.setColor(QPalette::WindowText, Qt::black);
        cell->setPalette(plain);
        cell->setFont(ScreenFont(9.75));
    }
    for (std::size_t k = 0; k < kTipSize; ++k) {
        Figur1_[k]->hide();
        Bezeichnung1_[k]->hide();
    }
    tip_ = drawer_.DrawTip();
    revealed_ = 0;
}

void frmKugel1::RevealNext() {
    const std::size_t k = revealed_++;
    const int n = tip_[k];
    QLabel* cell = Bezeichnung6_[static_cast<std::size_t>(n)];
    QPalette lit = cell->palette();
    lit.setColor(QPalette::Window, kRevealBack);
    lit.setColor(QPalette::WindowText, kRevealText);
    cell->setPalette(lit);
    cell->setFont(ScreenFont(9.75, true));
    Bezeichnung1_[k]->setText(QString::number(n));
    Figur1_[k]->show();
    Bezeichnung1_[k]->show();
    Bezeichnung1_[k]->raise();
}

void frmKugel1::FinishTip() {
    Liste1_->addItem(ToQ(TipLine(tipCount_, tip_)));
    Liste1_->scrollToBottom();
    if (stopRequested_) {
        phase_ = Phase::Idle;
        return;
    }
    if (tipCount_ >= kMaxTipsPerSequence) {
        EndSequence();
        ShowNote(this,
                 Paragraphs({QStringLiteral("Es wurden %1 Tips gezogen; mehr fasst eine Folge nicht.").arg(tipCount_),
                             QStringLiteral("Die Ziehung wurde angehalten.")}),
                 kCaption);
        return;
    }
    phase_ = Phase::BeforeTip;
    SchedulePause();
}

void frmKugel1::EndSequence() {
    pause_->stop();
    phase_ = Phase::Idle;
    stopRequested_ = true;
    Befehl1_->setText(kStart);
    Befehl3_->setEnabled(true);
}

void frmKugel1::Befehl2_Click() {
    EndSequence();
    // Show the menu first, then go: the picker stood in for it while it was open.
    screens_.Open(ScreenId::frmZoltauswahl);
    screens_.Unload(ScreenId::frmKugel1);
}

void frmKugel1::closeEvent(QCloseEvent* event) {
    event->accept();
    Befehl2_Click();
}

bool frmKugel1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Bild2_ && event->type() == QEvent::Paint) {
        DrawCellFrames();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmKugel1::DrawCellFrames() {
    // Each cell looks sunken: dark grey along its top and left edge one pixel outside it,
    // white along its bottom and right edge. The white lines' offset of 5 twips
    // is a third of a pixel and falls onto the pixel just outside the cell.
    QPainter painter(Bild2_);
    for (int n = 1; n <= kLottoHighest; ++n) {
        const QRect cell = Bezeichnung6_[static_cast<std::size_t>(n)]->geometry();
        const int left = cell.left() - 1;
        const int top = cell.top() - 1;
        const int right = cell.left() + cell.width();
        const int bottom = cell.top() + cell.height();
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(left, top, right, top);
        painter.drawLine(left, top, left, bottom);
        painter.setPen(Qt::white);
        painter.drawLine(left + 1, bottom, right, bottom);
        painter.drawLine(right, top + 1, right, bottom);
    }
}

void frmKugel1::Befehl3_Click() { PrintTips(8, 50, 53); }

void frmKugel1::PrintTips(double leftMarginMm, double rightMarginMm, int entriesPerPage) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(Liste1_->count()));
    for (int i = 0; i < Liste1_->count(); ++i) entries.push_back(ToStd(Liste1_->item(i)->text()));
    const std::vector<TipPage> pages = PaginateTips(entries, entriesPerPage);
    const auto follow = [this](int index) { Liste1_->setCurrentRow(index); };

    if (printFallback_.printerInstalled && printFallback_.printerInstalled()) {
        QPrinter printer(QPrinterInfo::defaultPrinter());
        printer.setDocName(kCaption);
        if (!PrintTipPages(printer, pages, leftMarginMm, rightMarginMm, follow).ok) {
            ShowInputError(this, QStringLiteral("Der Drucker konnte nicht angesprochen werden."), kCaption);
        }
        return;
    }
    if (!printFallback_.offerPdf || !printFallback_.offerPdf(this)) return;
    const QString path = printFallback_.pdfPath ? printFallback_.pdfPath(this) : QString();
    if (path.isEmpty()) return;
    // Through a QSaveFile: a file that is not written whole leaves an existing one as it was.
    const ExportResult written = WriteFile(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(kCaption);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        return PrintTipPages(pdf, pages, leftMarginMm, rightMarginMm, follow).ok;
    });
    if (!written.ok) {
        ShowInputError(this, Paragraphs({QStringLiteral("Die Datei konnte nicht geschrieben werden:"), path}), kCaption);
    }
}

}  // namespace zolt

#include "ui/tools/Calculator.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ui/common/FormControls.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"

namespace zolt {

namespace {

const QString kTitle = QStringLiteral("Rechner");
constexpr int kKey = 480;

// The caption of key Operator(index) and the operation it stands for.
constexpr std::array<const char*, 5> kOperatorCaptions = {"/", "+", "X", "-", "="};
constexpr std::array<CalcOperator, 5> kOperators = {CalcOperator::Divide, CalcOperator::Add, CalcOperator::Multiply,
                                                    CalcOperator::Subtract, CalcOperator::Equals};
enum OperatorIndex { kDivide = 0, kAdd = 1, kMultiply = 2, kSubtract = 3, kEquals = 4 };

QPushButton* MakeKey(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width = kKey) {
    QPushButton* key = MakeButton(parent, name, caption, {left, top, width, kKey});
    // The window takes the keyboard, so a focused key never swallows Enter or a digit.
    key->setFocusPolicy(Qt::NoFocus);
    return key;
}

// A white rule of the key pad, one pixel thick.
void MakeWhiteLine(QWidget* parent, const QString& name, TwipsRect at) {
    auto* line = MakeControl<QFrame>(parent, name, at);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Qt::white);
    line->setPalette(palette);
}

}  // namespace

Calculator::Calculator(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Calculator"));
    setWindowTitle(kTitle);
    setFont(DialogFont());
    SetClientTwips(this, 3240, 3000);
    setFixedSize(size());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(palette);
    setFocusPolicy(Qt::StrongFocus);

    Readout_ = MakeLabel(this, QStringLiteral("Readout"), QStringLiteral("0,"), {120, 120, 3000, 375});
    Readout_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Readout_->setFrameStyle(QFrame::Box | QFrame::Plain);
    Readout_->setAutoFillBackground(true);
    QPalette readoutPalette = Readout_->palette();
    readoutPalette.setColor(QPalette::Window, Qt::black);
    readoutPalette.setColor(QPalette::WindowText, QColor(0, 255, 0));
    Readout_->setPalette(readoutPalette);
    QFont readoutFont = DialogFont();
    readoutFont.setPointSize(12);
    readoutFont.setBold(true);
    Readout_->setFont(readoutFont);

    constexpr std::array<int, 3> kColumns = {120, 720, 1320};
    for (int digit = 1; digit <= 9; ++digit) {
        const int row = 2 - (digit - 1) / 3;  // 7 8 9 on top, 1 2 3 at the bottom
        Number_[static_cast<std::size_t>(digit)] =
            MakeKey(this, ArrayName(QStringLiteral("Number"), digit), QString::number(digit),
                    kColumns[static_cast<std::size_t>((digit - 1) % 3)], 600 + row * 600);
    }
    Number_[0] = MakeKey(this, ArrayName(QStringLiteral("Number"), 0), QStringLiteral("0"), 120, 2400, 1080);
    Cancel_ = MakeKey(this, QStringLiteral("Cancel"), QStringLiteral("C"), 2040, 600);
    CancelEntry_ = MakeKey(this, QStringLiteral("CancelEntry"), QStringLiteral("CE"), 2640, 600);
    constexpr std::array<std::array<int, 2>, 5> kOperatorPlaces = {
        {{2640, 1800}, {2040, 1200}, {2040, 1800}, {2640, 1200}, {2040, 2400}}};
    for (std::size_t i = 0; i < Operator_.size(); ++i) {
        Operator_[i] = MakeKey(this, ArrayName(QStringLiteral("Operator"), static_cast<int>(i)),
                               QString::fromLatin1(kOperatorCaptions[i]), kOperatorPlaces[i][0], kOperatorPlaces[i][1]);
    }
    Decimal_ = MakeKey(this, QStringLiteral("Decimal"), QStringLiteral(","), 1320, 2400);
    Percent_ = MakeKey(this, QStringLiteral("Percent"), QStringLiteral("%"), 2640, 2400);
    MakeWhiteLine(this, QStringLiteral("Linie1"), {120, 540, 3000, 15});
    MakeWhiteLine(this, QStringLiteral("Linie2"), {1905, 600, 15, 2280});

    for (int digit = 0; digit <= 9; ++digit) {
        connect(Number_[static_cast<std::size_t>(digit)], &QPushButton::clicked, this, [this, digit] { Number_Click(digit); });
    }
    for (int i = 0; i < static_cast<int>(Operator_.size()); ++i) {
        connect(Operator_[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { Operator_Click(i); });
    }
    connect(Decimal_, &QPushButton::clicked, this, [this] { Decimal_Click(); });
    connect(Percent_, &QPushButton::clicked, this, [this] { Percent_Click(); });
    connect(CancelEntry_, &QPushButton::clicked, this, [this] { CancelEntry_Click(); });
    connect(Cancel_, &QPushButton::clicked, this, [this] { Cancel_Click(); });

    Form_Load();
}

void Calculator::Form_Load() {
    // The key state starts fresh; the readout keeps what it shows ("0," on a new window).
    calc_ = DeskCalculator();
}

void Calculator::ShowOutcome(CalcOutcome outcome) {
    Readout_->setText(ToQ(calc_.Display()));
    QString message;
    switch (outcome) {
        case CalcOutcome::Done: return;
        case CalcOutcome::DivisionByZero: message = QStringLiteral("Division durch Null ist nicht möglich"); break;
        case CalcOutcome::NotANumber:
            message = QStringLiteral("Die Eingabe ist keine Zahl. Der Rechner wurde zurückgesetzt.");
            break;
        case CalcOutcome::OutOfRange:
            message = QStringLiteral("Die Zahl liegt außerhalb des Zahlenbereichs. Der Rechner wurde zurückgesetzt.");
            break;
        case CalcOutcome::PercentTwice:
            message = QStringLiteral("Die Prozenttaste wurde zweimal gedrückt. Der Rechner wurde zurückgesetzt.");
            break;
    }
    ShowInputError(this, message, kTitle);
}

void Calculator::Number_Click(int index) { ShowOutcome(calc_.Digit(index)); }
void Calculator::Decimal_Click() { ShowOutcome(calc_.DecimalPoint()); }
void Calculator::Operator_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kOperators.size())) return;
    ShowOutcome(calc_.Operator(kOperators[static_cast<std::size_t>(index)]));
}
void Calculator::Percent_Click() { ShowOutcome(calc_.Percent()); }
void Calculator::CancelEntry_Click() { ShowOutcome(calc_.ClearEntry()); }
void Calculator::Cancel_Click() { ShowOutcome(calc_.Clear()); }

void Calculator::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPushButton* key = nullptr;
    const int code = event->key();
    if (code >= Qt::Key_0 && code <= Qt::Key_9) {
        key = Number_[static_cast<std::size_t>(code - Qt::Key_0)];
    } else {
        switch (code) {
            case Qt::Key_Comma:
            case Qt::Key_Period: key = Decimal_; break;
            case Qt::Key_Plus: key = Operator_[kAdd]; break;
            case Qt::Key_Minus: key = Operator_[kSubtract]; break;
            case Qt::Key_Asterisk:
            case Qt::Key_X:
            case Qt::Key_multiply: key = Operator_[kMultiply]; break;
            case Qt::Key_Slash:
            case Qt::Key_division: key = Operator_[kDivide]; break;
            case Qt::Key_Enter:
            case Qt::Key_Return:
            case Qt::Key_Equal: key = Operator_[kEquals]; break;
            case Qt::Key_Percent: key = Percent_; break;
            case Qt::Key_Escape: key = Cancel_; break;
            case Qt::Key_Delete: key = CancelEntry_; break;
            default: break;
        }
    }
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    key->click();
    // Show the key pressed for a moment, as under the mouse.
    key->setDown(true);
    QTimer::singleShot(100, key, [key] { key->setDown(false); });
    event->accept();
}

}  // namespace zolt

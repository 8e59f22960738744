#pragma once
// The lottery-number picker: draws tips, reveals them on a ticket, lists and prints them.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "core/Lottery.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTimer;

namespace zolt {
class ScreenSlots;

class frmKugel1 : public QWidget {
    Q_OBJECT
public:
    explicit frmKugel1(ScreenSlots& screens, QWidget* parent = nullptr);

    void Befehl1_Click();  // "Start" / "Stop"
    void Befehl2_Click();  // "End"
    void Befehl3_Click();  // "Print"

    // Where printing goes when there is no printer: whether to save a PDF instead, and where.
    // The defaults ask the user; tests answer instead.
    struct PrintFallback {
        std::function<bool()> printerInstalled;
        std::function<bool(QWidget*)> offerPdf;
        std::function<QString(QWidget*)> pdfPath;
    };
    void SetPrintFallback(PrintFallback fallback) { printFallback_ = std::move(fallback); }

    bool IsDrawing() const { return phase_ != Phase::Idle; }
    // The most tips of one sequence (the 16-bit tip counter's limit); lower only in tests.
    void SetTipLimit(int limit) { tipLimit_ = limit < 1 ? 1 : (limit > kMaxTipsPerSequence ? kMaxTipsPerSequence : limit); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Phase { Idle, BeforeTip, Revealing };

    void Form_Load();
    void HBildlauf1_Change(int position);
    void RunDrawLoop();
    void SchedulePause();
    void NextStep();
    void StartTip();
    void RevealNext();
    void FinishTip();
    void EndSequence();
    void DrawCellFrames();
    void PrintTips(double leftMarginMm, double rightMarginMm, int entriesPerPage);

    ScreenSlots& screens_;

    // Screen state
    int TipCount = 0;
    bool StopRequested = false;
    double DelaySeconds = 0;
    LottoDrawer drawer_;
    LottoTip tip_{};
    std::size_t revealed_ = 0;
    Phase phase_ = Phase::Idle;
    QTimer* pause_ = nullptr;
    PrintFallback printFallback_;
    int tipLimit_ = kMaxTipsPerSequence;

    QGroupBox* Rahmen2 = nullptr;
    QScrollBar* HBildlauf1 = nullptr;
    QLabel* Bezeichnung5 = nullptr;
    QLabel* Bezeichnung7 = nullptr;
    QLabel* Bezeichnung8 = nullptr;
    QPushButton* Befehl3 = nullptr;
    QGroupBox* Rahmen6 = nullptr;
    QWidget* Bild2 = nullptr;
    std::array<QLabel*, kLottoHighest + 1> Bezeichnung6{};  // index = number, 1..49
    QPushButton* Befehl2 = nullptr;
    QLabel* Bezeichnung3 = nullptr;
    QListWidget* Liste1 = nullptr;
    QPushButton* Befehl1 = nullptr;
    QGroupBox* Rahmen1 = nullptr;
    std::array<QWidget*, kTipSize> Figur1{};
    std::array<QLabel*, kTipSize> Bezeichnung1{};
};

}  // namespace zolt

#pragma once
// The lottery-number picker: draws tips, reveals them on a ticket, lists and prints them.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "core/Lottery.h"

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

    int tipCount_ = 0;            // tips drawn since the last "Start"
    bool stopRequested_ = false;  // "Stop" pressed: the tip in progress is the last
    double delaySeconds_ = 0;     // the pause before each tip and each revealed number
    LottoDrawer drawer_;
    LottoTip tip_{};
    std::size_t revealed_ = 0;
    Phase phase_ = Phase::Idle;
    QTimer* pause_ = nullptr;
    PrintFallback printFallback_;

    QScrollBar* HBildlauf1_ = nullptr;
    QLabel* Bezeichnung8_ = nullptr;
    QPushButton* Befehl1_ = nullptr;
    QPushButton* Befehl3_ = nullptr;
    QWidget* Bild2_ = nullptr;
    std::array<QLabel*, kLottoHighest + 1> Bezeichnung6_{};  // index = number, 1..49
    QListWidget* Liste1_ = nullptr;
    std::array<QWidget*, kTipSize> Figur1_{};
    std::array<QLabel*, kTipSize> Bezeichnung1_{};
};

}  // namespace zolt

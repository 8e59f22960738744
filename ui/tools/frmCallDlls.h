#pragma once
// The system-information screen "Systeminformationen": facts about the operating system,
// processor, memory, display and input of the machine it runs on, live free-memory values,
// two icons whose context menus (from the hidden screen frmMenus) play the system's sounds
// and switch the information page, and a sprite that bounces over the screen while the
// window is minimised.

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "core/BounceMotion.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace zolt {
class ScreenSlots;
class frmMenus;

class frmCallDlls : public QWidget {
    Q_OBJECT
public:
    explicit frmCallDlls(ScreenSlots& screens, QWidget* parent = nullptr);
    ~frmCallDlls() override;

    // The sprite's own top-level window (nullptr until the window was first minimised).
    QWidget* SpriteWindow() const;
    QTimer* BounceTimer() const { return tmrBounce; }
    // Which of the information frames 1 to 4 is shown.
    int ShownInfoFrame() const { return shownFrame_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void Befehl1_Click();
    void tmrSysInfo_Timer();
    void tmrBounce_Timer();
    void ImgIcon_MouseDown(int index, Qt::MouseButton button);
    void ShowInfoFrame(int frame);
    void SetStayOnTop(bool on);
    void StartSprite();
    void StopSprite();
    void ShowResource(int index, std::optional<int> percent);

    ScreenSlots& screens_;
    QPointer<frmMenus> menus_;
    std::array<QGroupBox*, 5> fraInfo{};
    std::array<QLabel*, 15> lblInfo{};  // [1] to [14]; there is no [0] and no [7]
    std::array<QFrame*, 3> shpFrame{};  // [1], [2]
    std::array<QFrame*, 3> shpBar{};
    std::array<QLabel*, 3> lblResInfo{};
    std::array<QLabel*, 3> lblR{};
    std::array<QLabel*, 2> ImgIcon{};
    QPushButton* Befehl1 = nullptr;
    QTimer* tmrSysInfo = nullptr;
    QTimer* tmrBounce = nullptr;
    std::unique_ptr<QWidget> picSprite;  // a window of its own, not a child: see StartSprite
    BounceState sprite_;
    int shownFrame_ = 1;
};

}  // namespace zolt

#pragma once
// The system-information screen "Systeminformationen": facts about the operating system,
// processor, memory, display and input of the machine it runs on, live free-memory values,
// two icons whose context menus (from the hidden screen frmMenus) play the system's sounds
// and switch the information page, and a sprite that bounces over the screen while the
// window is minimised.

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/BounceMotion.h"
#include "ui/tools/SystemQueries.h"

class QFrame;
class QGroupBox;
class QLabel;
class QTimer;

namespace zolt {
class ScreenSlots;
class frmMenus;

class frmCallDlls : public QWidget {
    Q_OBJECT
public:
    // Gathers the facts from the files and programs of the system; it runs on a worker thread
    // so that the screen opens at once and fills its fields when the answers arrive.
    using FactGatherer = std::function<sysinfo::SystemFactTexts(const QString& platformName)>;

    explicit frmCallDlls(ScreenSlots& screens, QWidget* parent = nullptr, FactGatherer gatherFacts = {});
    ~frmCallDlls() override;

    // The sprite's own top-level window (nullptr until the window was first minimised).
    QWidget* SpriteWindow() const;

signals:
    // The facts asked on the worker thread have arrived and are shown.
    void factsShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load(FactGatherer gatherFacts);
    void ShowFacts(const sysinfo::SystemFactTexts& facts);
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
    std::array<QGroupBox*, 5> fraInfo_{};
    std::array<QLabel*, 15> lblInfo_{};  // [1] to [14]; there is no [0] and no [7]
    std::array<QFrame*, 3> shpFrame_{};  // [1], [2]
    std::array<QFrame*, 3> shpBar_{};
    std::array<QLabel*, 3> lblResInfo_{};
    std::array<QLabel*, 2> ImgIcon_{};
    QTimer* tmrSysInfo_ = nullptr;
    QTimer* tmrBounce_ = nullptr;
    std::unique_ptr<QWidget> picSprite_;  // a window of its own, not a child: see StartSprite
    BounceState sprite_;
};

}  // namespace zolt

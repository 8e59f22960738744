#pragma once
// One slot per screen: empty until the screen is first used, then the same instance for the
// rest of the run. app/ fills the factories; screens that open other screens ask the slots,
// so no screen knows about app/.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

namespace zolt {

// The order of the enumerators is the order in which "Beenden" unloads the screens.
enum class ScreenId {
    frmKugel1,
    frmZinssatz,
    frmLaufzeit,
    frmKZinssatz,
    frmVielfach,
    frmExtra,
    frmSSumme,
    frmHinweis,
    frmKreditvergleich,
    ZinsSheet,
    LoanSheet,
    frmBuschatz,
    frmRente,
    Calculator,
    frmCallDlls,
    frmScrollBars,
    frmKalender,
    frmMenus,
    frmBaufinanzierung,
    frmZoltauswahl,  // the selection menu itself, unloaded last
    Count
};

class ScreenSlots : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*(ScreenSlots&)>;

    explicit ScreenSlots(QObject* parent = nullptr);
    ~ScreenSlots() override;

    void Register(ScreenId id, Factory factory);
    bool IsRegistered(ScreenId id) const;

    // The screen in its slot, or nullptr while it was never created (or was unloaded).
    QWidget* Get(ScreenId id) const;
    // Creates the screen in its slot if the slot is empty (its load code runs once, in the
    // constructor); nullptr when no factory is registered for it.
    QWidget* Ensure(ScreenId id);
    // Ensure, then show modeless, raise and activate. nullptr when not registered.
    QWidget* Open(ScreenId id);
    // Destroys the screen and empties its slot (a screen closing itself may call this).
    void Unload(ScreenId id);

    // The end sequence: unloads every created screen in enumerator order, the menu last,
    // empties every slot and then asks the application to quit (see SetQuitHandler).
    void EndProgram();
    // What EndProgram does last; QCoreApplication::quit by default. Tests replace it.
    void SetQuitHandler(std::function<void()> quit);

    template <typename T>
    T* Get(ScreenId id) const { return qobject_cast<T*>(Get(id)); }

signals:
    void screenUnloaded(zolt::ScreenId id);

private:
    static constexpr std::size_t kCount = static_cast<std::size_t>(ScreenId::Count);
    std::array<Factory, kCount> factories_{};
    std::array<QPointer<QWidget>, kCount> screens_{};
    std::function<void()> quit_;
    bool ending_ = false;
};

}  // namespace zolt

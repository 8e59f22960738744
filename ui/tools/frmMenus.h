#pragma once
// The hidden menu screen of the system information: its menu bar holds the sound menu and
// the information-page menu that the two icons of frmCallDlls show as context menus.

#include <QWidget>
#include <array>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
#ifdef ZOLT_HAVE_MULTIMEDIA
class QSoundEffect;
#endif

namespace zolt {
class ScreenSlots;

class frmMenus : public QWidget {
    Q_OBJECT
public:
    explicit frmMenus(ScreenSlots& screens, QWidget* parent = nullptr);

    // Sub-menu k of the menu bar: 1 "Klang", 2 "Systeminformationen".
    QMenu* SubMenu(int index) const;
    int SoundItemCount() const { return static_cast<int>(mnuSounds.size()); }
    QAction* SoundItem(int index) const;
    QAction* InfoItem(int index) const;

    // Builds the sound items: the stated caption without an output device, otherwise one
    // item per wave file. Form_Load calls it with what the system has.
    void FillSoundMenu(bool hasAudioOutput, const QStringList& waveFiles);

signals:
    void infoPageChosen(int index);  // entries 0 to 3
    void stayOnTopToggled(bool on);  // entry 5

private:
    void Form_Load();
    void mnuSounds_Click(int index);
    void mnuSysInfo_Click(int index);

    ScreenSlots& screens_;
    QMenuBar* menuBar_ = nullptr;
    std::array<QMenu*, 3> mnuBar{};  // [1] and [2] are used
    std::vector<QAction*> mnuSounds;
    std::array<QAction*, 6> mnuSysInfo{};
#ifdef ZOLT_HAVE_MULTIMEDIA
    QSoundEffect* sound_ = nullptr;
#endif
};

}  // namespace zolt

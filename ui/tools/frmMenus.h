#pragma once
// The hidden menu screen of the system information: its menu bar holds the sound menu and
// the information-page menu that the two icons of frmCallDlls show as context menus.

#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
#ifdef ZOLT_HAVE_MULTIMEDIA
class QSoundEffect;
#endif

namespace zolt {

class frmMenus : public QWidget {
    Q_OBJECT
public:
    // Lists the system's wave files. It runs on a worker thread: the walk through the sound
    // folders may take a while, and the screen opens without waiting for it.
    using WaveFileFinder = std::function<QStringList()>;

    explicit frmMenus(QWidget* parent = nullptr, WaveFileFinder findWaveFiles = {});

    // Sub-menu k of the menu bar: 1 "Klang", 2 "Systeminformationen".
    QMenu* SubMenu(int index) const;
    int SoundItemCount() const { return static_cast<int>(mnuSounds_.size()); }
    QAction* SoundItem(int index) const;
    QAction* InfoItem(int index) const;

    // Builds the sound items: the stated caption without an output device, otherwise one
    // item per wave file. Called with what the system has once the wave files are listed.
    void FillSoundMenu(bool hasAudioOutput, const QStringList& waveFiles);

signals:
    void infoPageChosen(int index);  // entries 0 to 3
    void stayOnTopToggled(bool on);  // entry 5
    void soundMenuFilled();

private:
    void Form_Load(WaveFileFinder findWaveFiles);
    void mnuSounds_Click(int index);
    void mnuSysInfo_Click(int index);

    QMenuBar* menuBar_ = nullptr;
    std::array<QMenu*, 3> mnuBar_{};  // [1] and [2] are used
    std::vector<QAction*> mnuSounds_;
    std::array<QAction*, 6> mnuSysInfo_{};
#ifdef ZOLT_HAVE_MULTIMEDIA
    QSoundEffect* sound_ = nullptr;
#endif
};

}  // namespace zolt

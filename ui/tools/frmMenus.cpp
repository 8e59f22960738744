#include "ui/tools/frmMenus.h"

#include <QAction>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

#include "ui/common/Layout.h"
#include "ui/tools/SystemQueries.h"

#ifdef ZOLT_HAVE_MULTIMEDIA
#include <QSoundEffect>
#endif

namespace zolt {

frmMenus::frmMenus(QWidget* parent, WaveFileFinder findWaveFiles) : QWidget(parent) {
    setObjectName(QStringLiteral("frmMenus"));
    setWindowTitle(QStringLiteral("frmMenus"));
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("mnuBar"));
    mnuBar_[1] = menuBar_->addMenu(QStringLiteral("Klang"));
    mnuBar_[1]->setObjectName(ArrayName(QStringLiteral("mnuBar"), 1));
    mnuBar_[2] = menuBar_->addMenu(QStringLiteral("Systeminformationen"));
    mnuBar_[2]->setObjectName(ArrayName(QStringLiteral("mnuBar"), 2));

    auto* first = mnuBar_[1]->addAction(QStringLiteral("(Kein Klangsystem vorhanden)"));
    first->setObjectName(ArrayName(QStringLiteral("mnuSounds"), 0));
    mnuSounds_.push_back(first);
    connect(first, &QAction::triggered, this, [this] { mnuSounds_Click(0); });

    // Entry 0 names the operating system; on this platform that is the kernel's name.
    const QString system = sysinfo::KernelInfo().name;
    const std::array<QString, 6> captions = {QStringLiteral("&") + (system.isEmpty() ? QStringLiteral("Betriebssystem") : system),
                                             QStringLiteral("&CPU"),
                                             QStringLiteral("&Video"),
                                             QStringLiteral("&Allgemeines"),
                                             QString(),
                                             QStringLiteral("&Immer im Vordergrund")};
    for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
        QAction* item = i == 4 ? mnuBar_[2]->addSeparator() : mnuBar_[2]->addAction(captions[static_cast<std::size_t>(i)]);
        item->setObjectName(ArrayName(QStringLiteral("mnuSysInfo"), i));
        mnuSysInfo_[static_cast<std::size_t>(i)] = item;
        if (i != 4) connect(item, &QAction::triggered, this, [this, i] { mnuSysInfo_Click(i); });
    }
    mnuSysInfo_[5]->setCheckable(true);

#ifdef ZOLT_HAVE_MULTIMEDIA
    sound_ = new QSoundEffect(this);
#endif
    Form_Load(findWaveFiles ? std::move(findWaveFiles) : [] { return sysinfo::SystemWaveFiles(); });
}

void frmMenus::Form_Load(WaveFileFinder findWaveFiles) {
#ifdef ZOLT_HAVE_MULTIMEDIA
    // The sound items are built when the list arrives; closing the screen first drops the
    // watcher with it, and the list is not used.
    auto* watcher = new QFutureWatcher<QStringList>(this);
    connect(watcher, &QFutureWatcher<QStringList>::finished, this, [this, watcher] {
        FillSoundMenu(sysinfo::HasAudioOutput(), watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(std::move(findWaveFiles)));
#else
    FillSoundMenu(false, {});
#endif
}

void frmMenus::FillSoundMenu(bool hasAudioOutput, const QStringList& waveFiles) {
    while (mnuSounds_.size() > 1) {
        delete mnuSounds_.back();
        mnuSounds_.pop_back();
    }
    QAction* first = mnuSounds_.front();
    first->setData(QVariant());
#ifndef ZOLT_HAVE_MULTIMEDIA
    hasAudioOutput = false;  // built without a sound system: the first item says so
    first->setText(QStringLiteral("(Kein Klangsystem vorhanden)"));
#endif
    if (!hasAudioOutput) {
#ifdef ZOLT_HAVE_MULTIMEDIA
        first->setText(QStringLiteral("Es ist kein Klangausgabegerät verfügbar"));
#endif
        first->setEnabled(false);
    } else if (waveFiles.isEmpty()) {
        first->setText(QStringLiteral("(Keine Klangdateien vorhanden)"));
        first->setEnabled(false);
    }
    for (int i = 0; hasAudioOutput && i < waveFiles.size(); ++i) {
        // The caption is the file name up to its first dot, as in the sound folder.
        const QString caption = QFileInfo(waveFiles[i]).fileName().section(QLatin1Char('.'), 0, 0);
        QAction* item = first;
        if (i > 0) {
            item = mnuBar_[1]->addAction(caption);
            item->setObjectName(ArrayName(QStringLiteral("mnuSounds"), i));
            connect(item, &QAction::triggered, this, [this, i] { mnuSounds_Click(i); });
            mnuSounds_.push_back(item);
        }
        item->setText(caption);
        item->setToolTip(waveFiles[i]);
        item->setData(waveFiles[i]);
        item->setEnabled(true);
    }
    emit soundMenuFilled();
}

QMenu* frmMenus::SubMenu(int index) const {
    if (index < 1 || index > 2) return nullptr;
    return mnuBar_[static_cast<std::size_t>(index)];
}

QAction* frmMenus::SoundItem(int index) const {
    if (index < 0 || index >= SoundItemCount()) return nullptr;
    return mnuSounds_[static_cast<std::size_t>(index)];
}

QAction* frmMenus::InfoItem(int index) const {
    if (index < 0 || index >= static_cast<int>(mnuSysInfo_.size())) return nullptr;
    return mnuSysInfo_[static_cast<std::size_t>(index)];
}

void frmMenus::mnuSounds_Click(int index) {
    const QAction* item = SoundItem(index);
    if (!item) return;
    const QString path = item->data().toString();
    if (path.isEmpty()) return;
#ifdef ZOLT_HAVE_MULTIMEDIA
    // A file that cannot be decoded or a device that went away only leaves the sound out.
    sound_->stop();
    sound_->setSource(QUrl::fromLocalFile(path));
    sound_->play();
#endif
}

void frmMenus::mnuSysInfo_Click(int index) {
    if (index >= 0 && index <= 3) emit infoPageChosen(index);
    if (index == 5) emit stayOnTopToggled(mnuSysInfo_[5]->isChecked());
}

}  // namespace zolt

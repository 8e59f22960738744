#include "ui/common/ScreenSlots.h"

#include <QCoreApplication>

namespace zolt {

namespace {
std::size_t Index(ScreenId id) { return static_cast<std::size_t>(id); }
}  // namespace

ScreenSlots::ScreenSlots(QObject* parent) : QObject(parent), quit_([] { QCoreApplication::quit(); }) {}

ScreenSlots::~ScreenSlots() {
    for (auto& screen : screens_) delete screen.data();
}

void ScreenSlots::Register(ScreenId id, Factory factory) { factories_[Index(id)] = std::move(factory); }

bool ScreenSlots::IsRegistered(ScreenId id) const { return static_cast<bool>(factories_[Index(id)]); }

QWidget* ScreenSlots::Get(ScreenId id) const { return screens_[Index(id)].data(); }

QWidget* ScreenSlots::Ensure(ScreenId id) {
    if (ending_) return nullptr;
    auto& slot = screens_[Index(id)];
    if (!slot && factories_[Index(id)]) slot = factories_[Index(id)](*this);
    return slot.data();
}

QWidget* ScreenSlots::Open(ScreenId id) {
    QWidget* screen = Ensure(id);
    if (!screen) return nullptr;
    if (screen->isMinimized()) screen->showNormal();
    screen->show();
    screen->raise();
    screen->activateWindow();
    return screen;
}

void ScreenSlots::Unload(ScreenId id) {
    QPointer<QWidget>& slot = screens_[Index(id)];
    if (!slot) return;
    QWidget* screen = slot.data();
    slot.clear();
    screen->hide();
    // deleteLater: the screen may be inside one of its own handlers right now.
    screen->deleteLater();
    emit screenUnloaded(id);
}

void ScreenSlots::EndProgram() {
    if (ending_) return;
    // Set first: a screen that reacts to being unloaded (the lottery picker shows the menu
    // again) must not bring a screen back while the program ends.
    ending_ = true;
    for (std::size_t i = 0; i < kCount; ++i) Unload(static_cast<ScreenId>(i));
    if (quit_) quit_();
}

void ScreenSlots::SetQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

}  // namespace zolt

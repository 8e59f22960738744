#pragma once

namespace zolt {
class ScreenSlots;

// Which screen goes in which slot: the one place a new screen is added.
void RegisterScreens(ScreenSlots& screens);
}  // namespace zolt

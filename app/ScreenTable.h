#pragma once

namespace zolt {
class ScreenSlots;

// Which screen goes in which slot. A new screen is one ScreenId (its place there is its place
// in the end sequence) and one row of this table, plus a menu button when the menu opens it;
// the tests take their lists of screens from the two.
void RegisterScreens(ScreenSlots& screens);
}  // namespace zolt

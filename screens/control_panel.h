// The hidden control panel of `game1`: a click code on the score panel
// drives a counter, and landing on the unlock count lengthens the window
// to show the state controls below the board (or shortens it again).
#pragma once

#include "ui/behaviour.h"

namespace zorvane::screens {

// The counter value, compared as decimal text, at which the window's height toggles.
inline constexpr int kPanelUnlockCount = 27;
inline constexpr int kNormalHeight = 4770;
inline constexpr int kLengthenedHeight = 6465;

void addControlPanel(ui::ScreenBehaviour& game1);

}  // namespace zorvane::screens

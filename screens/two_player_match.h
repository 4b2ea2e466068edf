// The two-player match `game1`: placement and movement phases, the turn
// flag and arrows, the win step with its announcement, and new games.
#pragma once

#include "ui/behaviour.h"

namespace zorvane::screens {

// Clears the board for the next game; the side that was not on turn starts.
void newTwoPlayerGame(ui::Runtime& rt);

// The turn engine, the rank updates and the control panel of `game1`.
ui::ScreenBehaviour twoPlayerBehaviour();

}  // namespace zorvane::screens

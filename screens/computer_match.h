// The match against the computer `game`: the player moves side one's
// pieces, the computer answers with side two's after a short pause. A game
// ends on a line or drawn by repetition; "Hint" shows the player's best move
// and "Undo" takes the player's last turn back.
#pragma once

#include <cstdint>

#include "ui/behaviour.h"

namespace zorvane::screens {

// The computer's pause before its move, in milliseconds.
inline constexpr int kComputerPauseMs = 500;

// The opening position again, the player to move; scores stay.
void newComputerGame(ui::Runtime& rt);

// `seed` makes the computer's choices among equal moves reproducible.
ui::ScreenBehaviour computerMatchBehaviour(std::uint64_t seed);

}  // namespace zorvane::screens

// Scores earn rank titles on a fixed ladder; a player's name line is the
// rank title, one space, then the name.
#pragma once

#include <optional>
#include <string_view>

#include "ui/behaviour.h"

namespace zorvane::screens {

// The title of the highest threshold the score has reached; none below 3,
// where the title box keeps what it holds.
std::optional<std::string_view> rankTitleFor(int score);

// The rank update of both players on `game1`, run on every change of a score box.
void addRankUpdates(ui::ScreenBehaviour& game1);

}  // namespace zorvane::screens

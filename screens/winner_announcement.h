// The winner announcement `winner`: names the winner, and its one-shot
// timer clears the board of the match that announced the win.
#pragma once

#include <string_view>

#include "ui/behaviour.h"

namespace zorvane::screens {

// Writes the winner's name and shows the announcement modally; returns once "OK" has closed it.
void announceWinner(ui::Runtime& rt, std::string_view winnerName);

// The same window for a game drawn by repetition, in words of its own, shown
// modally; returns once "OK" has closed it.
void announceDraw(ui::Runtime& rt);

ui::ScreenBehaviour winnerBehaviour();

}  // namespace zorvane::screens

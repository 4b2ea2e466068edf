// Where the pieces stand when a game against the computer begins; the player
// moves first. Neither side can force a win from here.
#pragma once

#include "ai/position.h"

namespace zorvane::ai {

constexpr CellMask kComputerStart = static_cast<CellMask>(cellBit(1) | cellBit(6) | cellBit(8));
constexpr CellMask kPlayerStart = static_cast<CellMask>(cellBit(2) | cellBit(3) | cellBit(4));

// The player to move.
constexpr Position kOpening{kPlayerStart, kComputerStart};

}  // namespace zorvane::ai

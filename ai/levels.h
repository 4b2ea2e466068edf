// The moves each strength considers equally good in a position; the
// opponent picks one of them at random.
#pragma once

#include "ai/position.h"

namespace zorvane::ai {

enum class Level { Easy, Normal, Perfect };

// Easy: a move that makes a line if there is one, else any legal move.
// Normal: as Easy, but when no move wins it avoids every move after which the
// other side can make a line at once, as long as some move avoids it.
// Perfect: the moves with the best value in the solved game.
// Empty only when the side to move has no legal move.
MoveList candidateMoves(Level level, Position position);

}  // namespace zorvane::ai

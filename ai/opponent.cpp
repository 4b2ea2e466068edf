#include "ai/opponent.h"

#include <stdexcept>

namespace zorvane::ai {

bool hasMove(CellMask mover, CellMask other) {
  return hasMove(Position{mover, other});
}

Opponent::Opponent(std::uint64_t seed) : random_(seed) {}

Move Opponent::choose(Level level, CellMask computer, CellMask player) {
  if (!isValidPlacement(computer, player)) {
    throw std::invalid_argument("each side needs three pieces on distinct cells");
  }
  const Position position{computer, player};
  const bool overlooks = level == Level::Hard && random_.below(kHardOverlookOdds) == 0;
  const MoveList moves =
      overlooks ? movesWithin(position, kHardHorizon - 1) : candidateMoves(level, position);
  if (moves.empty()) throw std::invalid_argument("the computer has no legal move");
  return moves.moves[random_.below(static_cast<std::uint64_t>(moves.size))];
}

}  // namespace zorvane::ai

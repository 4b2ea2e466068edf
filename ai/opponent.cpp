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
  const MoveList moves = candidateMoves(level, Position{computer, player});
  if (moves.empty()) throw std::invalid_argument("the computer has no legal move");
  return moves.moves[random_.below(static_cast<std::uint64_t>(moves.size))];
}

}  // namespace zorvane::ai

// Narrowing a list of moves: those a test keeps, or those that score highest.
#pragma once

#include <algorithm>

#include "ai/position.h"

namespace zorvane::ai {

template <typename Keep>
MoveList filtered(const MoveList& moves, Keep keep) {
  MoveList kept;
  for (Move m : moves) {
    if (keep(m)) kept.moves[kept.size++] = m;
  }
  return kept;
}

// The moves that score highest; `score` maps a move to an int, higher better.
template <typename Score>
MoveList highestScoring(const MoveList& moves, Score score) {
  if (moves.empty()) return moves;
  int best = score(moves.moves[0]);
  for (Move m : moves) best = std::max(best, score(m));
  return filtered(moves, [&](Move m) { return score(m) == best; });
}

}  // namespace zorvane::ai

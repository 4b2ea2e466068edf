// The computer's side: picks its move at the chosen strength, at random
// among the moves that strength finds equally good, from a seeded generator.
#pragma once

#include <cstdint>

#include "ai/levels.h"
#include "ai/position.h"
#include "ai/random.h"

namespace zorvane::ai {

// True when the side with pieces on `mover` can move with the other side on `other`.
bool hasMove(CellMask mover, CellMask other);

class Opponent {
 public:
  explicit Opponent(std::uint64_t seed);

  // The computer to move with its pieces on `computer`, the player's on
  // `player` (three each, disjoint). Returns a legal move; throws
  // std::invalid_argument for any other placement or when no move exists.
  Move choose(Level level, CellMask computer, CellMask player);

 private:
  SplitMix64 random_;
};

}  // namespace zorvane::ai

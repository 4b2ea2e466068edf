// The movement phase solved backwards from its won positions: for every
// placement and side to move, whether the mover wins, draws or loses with
// best play, and in how many moves.
//
// A side wins by a move that makes a line; lines that already stand count for
// nothing (they can only come from a set-up, never from play). A side to move
// that has no legal move cannot go on and the game is a draw: the blocked side
// neither passes nor loses. On this board a side can only be blocked by pieces
// that stand on a line, so this never decides a game that is still going on;
// it only gives those positions a value.
#pragma once

#include <array>
#include <cstdint>

#include "ai/position.h"

namespace zorvane::ai {

enum class Outcome : std::uint8_t { Loss, Draw, Win };

// Outcome for the side to move; distance is the number of moves, both sides
// counted, up to and including the winning one (0 for a draw).
struct Value {
  Outcome outcome = Outcome::Draw;
  int distance = 0;
  friend constexpr bool operator==(const Value&, const Value&) = default;
};

// Higher is better for the mover: quick wins, then draws, then slow losses.
int preference(Value value);

class SolvedGame {
 public:
  // Three pieces a side on nine cells: 84 * 20 placements, each seen from the mover.
  static constexpr int kPositions = 1680;

  // Dense index of a valid placement (see isValidPlacement), 0..kPositions-1.
  static int indexOf(Position position);

  // For a valid placement.

  Value value(Position position) const;
  // What the mover gets by making `move` (which must be legal).
  Value valueOfMove(Position position, Move move) const;

 private:
  struct Entry {
    Outcome outcome = Outcome::Draw;
    std::uint8_t distance = 0;
  };
  friend SolvedGame solveGame();
  std::array<Entry, kPositions> entries_{};
};

// Solves the game from scratch; cheap enough to time on its own.
SolvedGame solveGame();

// The table, solved once on first use.
const SolvedGame& solvedGame();

}  // namespace zorvane::ai

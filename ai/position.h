// A position of the movement phase as two 9-bit masks, seen from the side to
// move, with its legal moves and the line test that decides a game.
#pragma once

#include <array>
#include <cstdint>

namespace zorvane::ai {

using CellMask = std::uint16_t;  // bit (cell-1) set = a piece on that cell

constexpr int kPiecesPerSide = 3;
constexpr CellMask kBoardMask = 0x1FF;

constexpr CellMask cellBit(int cell) {
  return static_cast<CellMask>(1u << (cell - 1));
}

struct Move {
  int from = 0;  // cells 1..9
  int to = 0;
  friend constexpr bool operator==(const Move&, const Move&) = default;
};

// The side to move and the side that waits. Both sides play by the same
// rules, so one table seen from the mover covers either side on turn.
struct Position {
  CellMask toMove = 0;
  CellMask waiting = 0;
  friend constexpr bool operator==(const Position&, const Position&) = default;
};

// At most three pieces can each reach at most the three empty cells.
constexpr int kMaxMoves = 9;

struct MoveList {
  std::array<Move, kMaxMoves> moves{};
  int size = 0;
  const Move* begin() const { return moves.data(); }
  const Move* end() const { return moves.data() + size; }
  bool empty() const { return size == 0; }
};

// Three pieces a side, on distinct cells of the board.
bool isValidPlacement(CellMask a, CellMask b);

// True when `pieces` fill one of the eight lines.
bool hasLine(CellMask pieces);

// Legal moves of the side to move, pieces in cell order, each piece's
// targets in the neighbour table's order.
MoveList legalMoves(Position position);
bool hasMove(Position position);
int moveCount(Position position);

// True when some legal move of the side to move makes a line.
bool canWinAtOnce(Position position);

// True when the move makes a line through the cell it moves into.
bool isWinningMove(Position position, Move move);

// The position after `move`, with the sides swapped.
Position play(Position position, Move move);

}  // namespace zorvane::ai

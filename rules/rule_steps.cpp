#include "rules/rule_steps.h"

namespace zorvane::rules {

void selectPiece(const Board& board, Side side, int cell) {
  for (int n = 1; n <= kCells; ++n) board.piece(side, n).setBorderStyle(n == cell ? 1 : 0);
}

void clearSelections(const Board& board) {
  for (int n = 1; n <= kCells; ++n) {
    board.piece(Side::One, n).setBorderStyle(0);
    board.piece(Side::Two, n).setBorderStyle(0);
  }
}

bool tryMove(const Board& board, Side side, int destination) {
  bool moved = false;
  for (int source : neighbours(destination)) {
    // Once a piece has arrived the destination is held, so at most one moves.
    if (board.isSelected(side, source) && !board.holds(other(side), destination) &&
        !board.holds(side, destination)) {
      board.piece(side, destination).setVisible(true);
      board.piece(side, source).setVisible(false);
      moved = true;
    }
  }
  return moved;
}

bool canMove(const Board& board, Side side) {
  for (int n = 1; n <= kCells; ++n) {
    if (!board.holds(side, n)) continue;
    for (int target : neighbours(n)) {
      if (board.isEmpty(target)) return true;
    }
  }
  return false;
}

void showMarkerOnHover(const Board& board, int cell, MatchKind match, bool placing) {
  const bool twoPlayer = match == MatchKind::TwoPlayer;
  if (twoPlayer && placing && board.isEmpty(cell)) {
    board.marker(cell).setBackColour(kMarkerBlue);
    board.marker(cell).setVisible(true);
  }
  for (Side side : {Side::One, Side::Two}) {
    if (side == Side::Two && !twoPlayer) break;
    for (int source : neighbours(cell)) {
      if (board.isSelected(side, source) && board.isEmpty(cell)) {
        if (twoPlayer) board.marker(cell).setBackColour(kMarkerGreen);
        board.marker(cell).setVisible(true);
      }
    }
  }
}

void hideAllMarkers(const Board& board) {
  for (int n = 1; n <= kCells; ++n) board.marker(n).setVisible(false);
}

bool completesLine(const Board& board, Side side, int cell) {
  if (!board.holds(side, cell)) return false;
  for (auto [first, second] : linesThrough(cell)) {
    if (board.holds(side, first) && board.holds(side, second)) return true;
  }
  return false;
}

}  // namespace zorvane::rules

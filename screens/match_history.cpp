#include "screens/match_history.h"

#include "rules/rule_steps.h"

namespace zorvane::screens {

using rules::Board;
using rules::Side;

namespace {

ai::CellMask cellsWhere(const Board& board, Side side, bool framed) {
  ai::CellMask mask = 0;
  for (int n = 1; n <= rules::kCells; ++n) {
    const bool hit = framed ? board.piece(side, n).borderStyle() == 1 : board.holds(side, n);
    if (hit) mask |= ai::cellBit(n);
  }
  return mask;
}

}  // namespace

ai::Placement placementOn(const Board& board, bool playerToMove) {
  return ai::Placement{cellsWhere(board, Side::One, false), cellsWhere(board, Side::Two, false),
                       playerToMove};
}

void MatchHistory::clear() {
  record_.reset();
  frames_.clear();
}

void MatchHistory::restart(const Board& board) {
  record_.emplace(placementOn(board, true));
  frames_.assign(1, Frames{cellsWhere(board, Side::One, true), cellsWhere(board, Side::Two, true)});
}

void MatchHistory::follow(const Board& board, bool playerToMove) {
  if (!record_ || record_->current() != placementOn(board, playerToMove)) restart(board);
}

bool MatchHistory::recordMove(const Board& board, bool playerToMove) {
  if (!record_) restart(board);
  frames_.push_back(Frames{cellsWhere(board, Side::One, true), cellsWhere(board, Side::Two, true)});
  return record_->record(placementOn(board, playerToMove)) >= ai::kRepetitionsForDraw;
}

void MatchHistory::takeBack() {
  record_->takeBack();
  frames_.pop_back();
}

bool MatchHistory::undo(const Board& board) {
  if (!record_ || record_->moves() == 0) return false;
  // During the computer's pause only the player's move stands to be taken back.
  if (!record_->current().playerToMove) {
    takeBack();
  } else if (record_->moves() >= 2) {
    takeBack();
    takeBack();
  } else {
    return false;
  }
  const ai::Placement placement = record_->current();
  const Frames frames = frames_.back();
  rules::hideAllMarkers(board);
  for (int n = 1; n <= rules::kCells; ++n) {
    const ai::CellMask bit = ai::cellBit(n);
    board.piece(Side::One, n).setVisible((placement.player & bit) != 0);
    board.piece(Side::Two, n).setVisible((placement.computer & bit) != 0);
    board.piece(Side::One, n).setBorderStyle((frames.player & bit) != 0 ? 1 : 0);
    board.piece(Side::Two, n).setBorderStyle((frames.computer & bit) != 0 ? 1 : 0);
  }
  return true;
}

}  // namespace zorvane::screens

// The current game against the computer as the positions it passed through,
// each with the pieces' frames as they stood then: the draw by repetition
// counts in it, and undo walks back along it to the start of a player's turn.
#pragma once

#include <optional>
#include <vector>

#include "ai/game_record.h"
#include "rules/board.h"

namespace zorvane::screens {

class MatchHistory {
 public:
  // Forgets every game: the next one starts from whatever the board shows.
  void clear();
  // Starts the game over from the board, the player to move.
  void restart(const rules::Board& board);
  // Makes sure the history ends in the board's position; where it does not
  // (a new screen, a board cleared elsewhere), the game starts over from it.
  void follow(const rules::Board& board, bool playerToMove);

  // Notes the board after a move; true when its position has now arisen for
  // the third time in this game, which draws it.
  bool recordMove(const rules::Board& board, bool playerToMove);

  // Takes back the player's latest move, and the computer's reply if it has
  // made one, and puts the board (pieces and frames) back as it stood when
  // that move was made. False, and nothing changes, at the game's start.
  bool undo(const rules::Board& board);

 private:
  struct Frames {
    ai::CellMask player = 0;
    ai::CellMask computer = 0;
  };
  void takeBack();

  std::optional<ai::GameRecord> record_;
  std::vector<Frames> frames_;  // one per position of the record
};

// Where each side's pieces stand on the board.
ai::Placement placementOn(const rules::Board& board, bool playerToMove);

}  // namespace zorvane::screens

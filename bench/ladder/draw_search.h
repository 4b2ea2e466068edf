// How likely a game against the computer is to end drawn by repetition, for
// a player who keeps to the best moves of the solved game and plays for the
// win against a careful computer: one that never gives a win in one away
// when it can help it, and otherwise picks any move, each as likely. Such a
// computer errs (a move that loses with best play) only by chance; the game
// is drawn when it keeps clear of every error until some position arises
// for the third time.
//
// The search follows the game on from its actual history, the player taking
// at each turn the best move that leaves the least chance of a draw and the
// computer each of its replies with its chance. A line of play less likely
// than `smallestChance` is not followed and counts as no draw, so what the
// search yields is never more than the true chance: a lower bound that
// tightens as `smallestChance` falls.
#pragma once

#include <cstdint>
#include <vector>

#include "ai/game_record.h"
#include "ai/position.h"

namespace zorvane::bench {

class DrawSearch {
 public:
  explicit DrawSearch(double smallestChance) : smallestChance_(smallestChance) {}

  // The chance of a draw after the player, to move in the game's current
  // position, makes `move` (one of its best moves) and then plays on as
  // well as it can.
  double drawChanceAfter(const ai::GameRecord& game, ai::Move move);

  // The chance of a draw from the game's current position, the player to
  // move, when it plays as well as it can from here.
  double drawChance(const ai::GameRecord& game);

  // The careful computer's moves in `position` (it to move): those that give
  // no win in one away, or every move when none avoids it.
  static ai::MoveList carefulMoves(ai::Position position);

 private:
  // A position of the search with where it can lead: for the player, its
  // best moves when the position is drawn (none when it wins); for the
  // computer, its replies that keep the draw, out of `careful` replies.
  struct Node {
    ai::Placement placement;
    std::vector<int> next;  // nodes
    int careful = 0;
    bool playerWins = false;
    // How often the game and the line being searched have been here, valid
    // while `stamp` is the search's.
    int occurrences = 0;
    std::uint32_t stamp = 0;
  };
  int nodeOf(const ai::Placement& placement);
  int& occurrences(const ai::GameRecord& game, int node);
  double afterEntering(const ai::GameRecord& game, int node, double chance);
  double search(const ai::GameRecord& game, int node, double chance);

  double smallestChance_;
  std::vector<Node> nodes_;  // kept across searches and games
  std::vector<int> nodeByKey_;
  std::uint32_t stamp_ = 0;
};

}  // namespace zorvane::bench

#include "bench/ladder/draw_search.h"

#include <algorithm>

#include "ai/levels.h"
#include "ai/move_filters.h"
#include "ai/solved_game.h"

namespace zorvane::bench {
namespace {

// Both sides' cells and the side to move, in 19 bits.
constexpr int kKeys = 1 << 19;
int keyOf(const ai::Placement& p) {
  return (p.player << 10) | (p.computer << 1) | (p.playerToMove ? 1 : 0);
}

}  // namespace

// The node of `placement`, worked out on first use. The successors are added
// afterwards, as their own nodes may grow the vector.
int DrawSearch::nodeOf(const ai::Placement& placement) {
  if (nodeByKey_.empty()) nodeByKey_.assign(kKeys, -1);
  int& id = nodeByKey_[static_cast<std::size_t>(keyOf(placement))];
  if (id >= 0) return id;
  const int node = id = static_cast<int>(nodes_.size());
  Node fresh;
  fresh.placement = placement;
  nodes_.push_back(fresh);

  const ai::SolvedGame& solved = ai::solvedGame();
  const ai::Position p = placement.position();
  std::vector<ai::Placement> next;
  int careful = 0;
  bool playerWins = false;
  if (placement.playerToMove) {
    playerWins = solved.value(p).outcome == ai::Outcome::Win;
    if (!playerWins) {
      for (ai::Move m : ai::bestMoves(p)) next.push_back(placement.after(m));
    }
  } else {
    for (ai::Move m : carefulMoves(p)) {
      ++careful;
      if (solved.valueOfMove(p, m).outcome != ai::Outcome::Loss) next.push_back(placement.after(m));
    }
  }
  std::vector<int> successors;
  for (const ai::Placement& n : next) successors.push_back(nodeOf(n));
  Node& added = nodes_[static_cast<std::size_t>(node)];
  added.next = std::move(successors);
  added.careful = careful;
  added.playerWins = playerWins;
  return node;
}

ai::MoveList DrawSearch::carefulMoves(ai::Position position) {
  const ai::MoveList moves = ai::legalMoves(position);
  const ai::MoveList careful =
      ai::filtered(moves, [&](ai::Move m) { return !ai::canWinAtOnce(ai::play(position, m)); });
  return careful.empty() ? moves : careful;
}

int& DrawSearch::occurrences(const ai::GameRecord& game, int node) {
  Node& n = nodes_[static_cast<std::size_t>(node)];
  if (n.stamp != stamp_) {
    n.stamp = stamp_;
    n.occurrences = game.occurrences(n.placement);
  }
  return n.occurrences;
}

// The game moves into `node`, reached with `chance`: a draw if that is its
// third occurrence, else the search goes on from there.
double DrawSearch::afterEntering(const ai::GameRecord& game, int node, double chance) {
  int& seen = occurrences(game, node);
  if (seen + 1 >= ai::kRepetitionsForDraw) return 1.0;
  ++seen;
  const double draw = search(game, node, chance);
  --seen;
  return draw;
}

double DrawSearch::search(const ai::GameRecord& game, int node, double chance) {
  if (chance < smallestChance_) return 0.0;
  const Node& n = nodes_[static_cast<std::size_t>(node)];
  if (n.placement.playerToMove) {
    if (n.playerWins) return 0.0;
    if (n.next.empty()) return 1.0;  // boxed in: the game cannot be won from here
    double least = 1.0;
    for (int next : n.next) {
      least = std::min(least, afterEntering(game, next, chance));
      if (least == 0.0) break;
    }
    return least;
  }
  // The computer's errors end the game in the player's favour; each reply
  // that keeps the draw is as likely as any other careful reply.
  if (n.careful == 0) return 1.0;
  double draw = 0.0;
  for (int next : n.next) draw += afterEntering(game, next, chance / n.careful);
  return draw / n.careful;
}

double DrawSearch::drawChanceAfter(const ai::GameRecord& game, ai::Move move) {
  ++stamp_;
  return afterEntering(game, nodeOf(game.current().after(move)), 1.0);
}

double DrawSearch::drawChance(const ai::GameRecord& game) {
  ++stamp_;
  const int node = nodeOf(game.current());
  return search(game, node, 1.0);
}

}  // namespace zorvane::bench

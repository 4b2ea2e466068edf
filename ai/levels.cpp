#include "ai/levels.h"

#include "ai/solved_game.h"

namespace zorvane::ai {
namespace {

template <typename Keep>
MoveList filtered(const MoveList& moves, Keep keep) {
  MoveList kept;
  for (Move m : moves) {
    if (keep(m)) kept.moves[kept.size++] = m;
  }
  return kept;
}

MoveList bestInSolvedGame(Position position, const MoveList& moves) {
  const SolvedGame& game = solvedGame();
  int best = 0;
  bool first = true;
  for (Move m : moves) {
    const int score = preference(game.valueOfMove(position, m));
    if (first || score > best) best = score;
    first = false;
  }
  return filtered(moves, [&](Move m) { return preference(game.valueOfMove(position, m)) == best; });
}

}  // namespace

MoveList candidateMoves(Level level, Position position) {
  const MoveList moves = legalMoves(position);
  if (level == Level::Perfect) return bestInSolvedGame(position, moves);

  const MoveList wins = filtered(moves, [&](Move m) { return isWinningMove(position, m); });
  if (!wins.empty()) return wins;
  if (level == Level::Easy) return moves;

  const MoveList safe = filtered(moves, [&](Move m) { return !canWinAtOnce(play(position, m)); });
  return safe.empty() ? moves : safe;
}

}  // namespace zorvane::ai

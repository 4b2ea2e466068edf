#include "ai/levels.h"

#include <algorithm>

#include "ai/move_filters.h"
#include "ai/solved_game.h"

namespace zorvane::ai {
namespace {

// A value as a mover that sees `horizon` plies ahead knows it.
Value withinHorizon(Value value, int horizon) {
  return value.distance <= horizon ? value : Value{};
}

}  // namespace

MoveList bestMoves(Position position) {
  const SolvedGame& game = solvedGame();
  return highestScoring(legalMoves(position),
                        [&](Move m) { return preference(game.valueOfMove(position, m)); });
}

MoveList movesWithin(Position position, int horizon) {
  const SolvedGame& game = solvedGame();
  return highestScoring(legalMoves(position), [&](Move m) {
    return preference(withinHorizon(game.valueOfMove(position, m), horizon));
  });
}

int losingReplies(Position position, Move move) {
  if (isWinningMove(position, move)) return 0;
  const SolvedGame& game = solvedGame();
  const Position after = play(position, move);
  const MoveList replies = legalMoves(after);
  return static_cast<int>(std::count_if(replies.begin(), replies.end(), [&](Move r) {
    return game.valueOfMove(after, r).outcome == Outcome::Loss;
  }));
}

MoveList candidateMoves(Level level, Position position) {
  const MoveList moves = legalMoves(position);
  switch (level) {
    case Level::Perfect:
      return highestScoring(bestMoves(position), [&](Move m) { return losingReplies(position, m); });
    case Level::Hard: return movesWithin(position, kHardHorizon);
    case Level::Easy:
    case Level::Normal: break;
  }

  const MoveList wins = filtered(moves, [&](Move m) { return isWinningMove(position, m); });
  if (!wins.empty()) return wins;
  if (level == Level::Easy) return moves;

  const MoveList safe = filtered(moves, [&](Move m) { return !canWinAtOnce(play(position, m)); });
  return safe.empty() ? moves : safe;
}

}  // namespace zorvane::ai

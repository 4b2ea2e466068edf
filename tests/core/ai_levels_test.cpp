#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ai/levels.h"
#include "ai/solved_game.h"

namespace zorvane::ai {
namespace {

std::vector<Position> placementsWithAMove() {
  std::vector<Position> all;
  for (unsigned a = 0; a <= kBoardMask; ++a) {
    for (unsigned b = 0; b <= kBoardMask; ++b) {
      const Position p{static_cast<CellMask>(a), static_cast<CellMask>(b)};
      if (isValidPlacement(p.toMove, p.waiting) && hasMove(p)) all.push_back(p);
    }
  }
  return all;
}

bool contains(const MoveList& list, Move move) {
  return std::find(list.begin(), list.end(), move) != list.end();
}

bool anyWins(Position p) {
  const MoveList moves = legalMoves(p);
  return std::any_of(moves.begin(), moves.end(), [&](Move m) { return isWinningMove(p, m); });
}

bool givesAWinAtOnce(Position p, Move m) {
  return !isWinningMove(p, m) && anyWins(play(p, m));
}

::testing::AssertionResult allLegal(Position p, const MoveList& candidates) {
  if (candidates.empty()) return ::testing::AssertionFailure() << "no candidate";
  const MoveList legal = legalMoves(p);
  for (Move m : candidates) {
    if (!contains(legal, m))
      return ::testing::AssertionFailure() << m.from << "->" << m.to << " is not legal";
  }
  return ::testing::AssertionSuccess();
}

TEST(AiLevels, EasyTakesEveryWinInOneAndOtherwiseConsidersEveryMove) {
  for (Position p : placementsWithAMove()) {
    SCOPED_TRACE(testing::Message() << "mover " << p.toMove << " waiting " << p.waiting);
    const MoveList candidates = candidateMoves(Level::Easy, p);
    ASSERT_TRUE(allLegal(p, candidates));
    const MoveList legal = legalMoves(p);
    const auto wins = std::count_if(legal.begin(), legal.end(), [&](Move m) { return isWinningMove(p, m); });
    if (wins > 0) {
      EXPECT_EQ(candidates.size, wins);
      for (Move m : candidates) EXPECT_TRUE(isWinningMove(p, m));
    } else {
      EXPECT_EQ(candidates.size, legal.size);
    }
  }
}

TEST(AiLevels, NormalNeverLeavesAWinInOneWhenItCanAvoidIt) {
  int avoidable = 0;
  int unavoidable = 0;
  for (Position p : placementsWithAMove()) {
    SCOPED_TRACE(testing::Message() << "mover " << p.toMove << " waiting " << p.waiting);
    const MoveList candidates = candidateMoves(Level::Normal, p);
    ASSERT_TRUE(allLegal(p, candidates));
    if (anyWins(p)) {
      for (Move m : candidates) EXPECT_TRUE(isWinningMove(p, m));
      continue;
    }
    const MoveList legal = legalMoves(p);
    const auto safe =
        std::count_if(legal.begin(), legal.end(), [&](Move m) { return !givesAWinAtOnce(p, m); });
    if (safe == 0) {
      ++unavoidable;
      EXPECT_EQ(candidates.size, legal.size);
    } else {
      if (safe < legal.size) ++avoidable;
      EXPECT_EQ(candidates.size, safe);
      for (Move m : candidates) EXPECT_FALSE(givesAWinAtOnce(p, m));
    }
  }
  // Both branches must have been exercised for the sweep to mean anything.
  EXPECT_GT(avoidable, 0);
  EXPECT_GT(unavoidable, 0);
}

// Every game of `horizon` moves from a position in which the Perfect side,
// to move first, picks any of its candidates and the other side any legal
// move. `winBy` > 0: Perfect must have won by that move; the other side must
// not win before move `safeBefore`.
struct PerfectTree {
  int horizon = 0;
  int winBy = 0;
  int safeBefore = 0;

  ::testing::AssertionResult explore(Position p, bool perfectToMove, int ply) const {
    if (ply == horizon) {
      if (winBy > 0) return ::testing::AssertionFailure() << "no win by move " << winBy;
      return ::testing::AssertionSuccess();
    }
    const MoveList moves = perfectToMove ? candidateMoves(Level::Perfect, p) : legalMoves(p);
    if (moves.empty() && winBy > 0) return ::testing::AssertionFailure() << "blocked on move " << ply + 1;
    for (Move m : moves) {
      if (!isWinningMove(p, m)) {
        auto result = explore(play(p, m), !perfectToMove, ply + 1);
        if (!result) return result << " after " << m.from << "->" << m.to;
      } else if (!perfectToMove && ply + 1 < safeBefore) {
        return ::testing::AssertionFailure()
               << "lost on move " << ply + 1 << " to " << m.from << "->" << m.to;
      }
    }
    return ::testing::AssertionSuccess();
  }
};

TEST(AiLevels, PerfectWinsFastestHoldsDrawsAndDelaysLossesAgainstEveryReply) {
  constexpr int kDrawHorizon = 6;
  const SolvedGame& game = solvedGame();
  for (Position p : placementsWithAMove()) {
    const Value v = game.value(p);
    PerfectTree tree;
    switch (v.outcome) {
      case Outcome::Win: tree = {v.distance, v.distance, v.distance + 1}; break;
      case Outcome::Draw: tree = {kDrawHorizon, 0, kDrawHorizon + 1}; break;
      case Outcome::Loss: tree = {v.distance, 0, v.distance}; break;
    }
    ASSERT_TRUE(tree.explore(p, true, 0))
        << "; mover " << p.toMove << " waiting " << p.waiting << " distance " << v.distance;
  }
}

// Perfect's tie-break: among the moves of best value only those that leave
// the other side the most losing replies, and in some positions that narrows
// the choice.
TEST(AiLevels, PerfectPrefersTheBestMovesThatSetTheMostTraps) {
  int narrowed = 0;
  for (Position p : placementsWithAMove()) {
    SCOPED_TRACE(testing::Message() << "mover " << p.toMove << " waiting " << p.waiting);
    const MoveList best = bestMoves(p);
    const MoveList candidates = candidateMoves(Level::Perfect, p);
    ASSERT_TRUE(allLegal(p, candidates));
    int most = 0;
    for (Move m : best) most = std::max(most, losingReplies(p, m));
    for (Move m : candidates) {
      EXPECT_TRUE(contains(best, m));
      EXPECT_EQ(losingReplies(p, m), most);
    }
    for (Move m : best) EXPECT_EQ(contains(candidates, m), losingReplies(p, m) == most);
    if (candidates.size < best.size) ++narrowed;
  }
  EXPECT_GT(narrowed, 0);
}

// Hard, whether it sees four plies or overlooks the last one: it never misses
// a win it can force within its sight, never walks into a loss it can see
// when something else is open, and is weaker than Perfect somewhere.
TEST(AiLevels, HardKeepsEveryPromiseOfItsHorizonAndNoMore) {
  const SolvedGame& game = solvedGame();
  int weakerThanPerfect = 0;
  for (int horizon : {kHardHorizon, kHardHorizon - 1}) {
    for (Position p : placementsWithAMove()) {
      SCOPED_TRACE(testing::Message()
                   << "horizon " << horizon << " mover " << p.toMove << " waiting " << p.waiting);
      const MoveList candidates = movesWithin(p, horizon);
      ASSERT_TRUE(allLegal(p, candidates));
      const Value value = game.value(p);
      const MoveList legal = legalMoves(p);
      const bool canAvoidVisibleLoss = std::any_of(legal.begin(), legal.end(), [&](Move m) {
        const Value v = game.valueOfMove(p, m);
        return v.outcome != Outcome::Loss || v.distance > horizon;
      });
      for (Move m : candidates) {
        const Value v = game.valueOfMove(p, m);
        if (value.outcome == Outcome::Win && value.distance <= horizon) {
          EXPECT_EQ(v, value) << "misses the quickest win in sight with " << m.from << "->" << m.to;
        }
        if (canAvoidVisibleLoss) {
          EXPECT_FALSE(v.outcome == Outcome::Loss && v.distance <= horizon)
              << "walks into a loss in sight with " << m.from << "->" << m.to;
        }
        if (horizon == kHardHorizon && preference(v) < preference(value)) ++weakerThanPerfect;
      }
    }
  }
  EXPECT_GT(weakerThanPerfect, 0) << "Hard plays as Perfect everywhere";
}

}  // namespace
}  // namespace zorvane::ai

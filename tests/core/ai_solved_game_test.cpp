#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "ai/opening.h"
#include "ai/random.h"
#include "ai/solved_game.h"
#include "rules/board_tables.h"

namespace zorvane::ai {
namespace {

std::vector<Position> everyPlacement() {
  std::vector<Position> all;
  for (unsigned a = 0; a <= kBoardMask; ++a) {
    for (unsigned b = 0; b <= kBoardMask; ++b) {
      const auto toMove = static_cast<CellMask>(a);
      const auto waiting = static_cast<CellMask>(b);
      if (isValidPlacement(toMove, waiting)) all.push_back(Position{toMove, waiting});
    }
  }
  return all;
}

// A plain depth-limited minimax on a board of cells, written apart from the
// solver and its masks. Score for the mover: kWinScore - n for a win on the
// n-th move from here, its negation for a loss, 0 when nothing is forced
// within `depth` moves or a side is blocked.
class ReferenceSearch {
 public:
  static constexpr int kWinScore = 100;

  explicit ReferenceSearch(Position position) {
    for (int cell = 1; cell <= rules::kCells; ++cell) {
      if ((position.toMove & cellBit(cell)) != 0) board_[cell] = kMover;
      if ((position.waiting & cellBit(cell)) != 0) board_[cell] = -kMover;
    }
  }

  int search(int depth) { return search(kMover, depth); }

 private:
  static constexpr int kMover = 1;

  int search(int side, int depth) {
    if (depth == 0) return 0;
    std::array<std::pair<int, int>, 9> moves{};  // three pieces, three empty cells
    int count = 0;
    for (int from = 1; from <= rules::kCells; ++from) {
      if (board_[from] != side) continue;
      for (int to : rules::neighbours(from)) {
        if (board_[to] == 0) moves[count++] = {from, to};
      }
    }
    if (count == 0) return 0;
    // Nothing beats winning now, so look for that before searching deeper.
    for (int i = 0; i < count; ++i) {
      const auto [from, to] = moves[i];
      if (linesUpAfter(side, from, to)) return kWinScore - 1;
    }
    int best = -kWinScore;
    for (int i = 0; i < count; ++i) {
      const auto [from, to] = moves[i];
      board_[from] = 0;
      board_[to] = side;
      const int reply = search(-side, depth - 1);
      board_[to] = 0;
      board_[from] = side;
      best = std::max(best, reply > 0 ? -(reply - 1) : reply < 0 ? -(reply + 1) : 0);
    }
    return best;
  }

  bool linesUpAfter(int side, int from, int to) const {
    for (auto [a, b] : rules::linesThrough(to)) {
      if (a != from && b != from && board_[a] == side && board_[b] == side) return true;
    }
    return false;
  }

  std::array<int, rules::kCells + 1> board_{};
};

// What the reference search must find within `depth` moves, given the table.
int expectedScore(Value value, int depth) {
  if (value.outcome == Outcome::Draw || value.distance > depth) return 0;
  const int score = ReferenceSearch::kWinScore - value.distance;
  return value.outcome == Outcome::Win ? score : -score;
}

TEST(AiSolvedGame, IndexNumbersEveryPlacementOnce) {
  const std::vector<Position> all = everyPlacement();
  ASSERT_EQ(all.size(), static_cast<size_t>(SolvedGame::kPositions));
  std::vector<bool> used(SolvedGame::kPositions, false);
  for (Position p : all) {
    const int i = SolvedGame::indexOf(p);
    ASSERT_GE(i, 0);
    ASSERT_LT(i, SolvedGame::kPositions);
    EXPECT_FALSE(used[i]) << "index " << i << " given twice";
    used[i] = true;
  }
}

TEST(AiSolvedGame, AgreesWithReferenceSearchOnEveryPlacementAtShallowDepth) {
  constexpr int kDepth = 6;
  const SolvedGame& game = solvedGame();
  for (Position p : everyPlacement()) {
    ASSERT_EQ(ReferenceSearch(p).search(kDepth), expectedScore(game.value(p), kDepth))
        << "mover " << p.toMove << " waiting " << p.waiting;
  }
}

TEST(AiSolvedGame, AgreesWithReferenceSearchBeyondTheLongestWinOnSampledPlacements) {
  const SolvedGame& game = solvedGame();
  const std::vector<Position> all = everyPlacement();
  int longest = 0;
  for (Position p : all) longest = std::max(longest, game.value(p).distance);
  // One move deeper than any forced result: the draws must show none.
  const int depth = longest + 1;
  ASSERT_LE(depth, 12) << "deeper than this sample can afford";

  std::vector<Position> sample{kOpening, Position{kOpening.waiting, kOpening.toMove}};
  for (Position p : all) {
    if (game.value(p).distance == longest && sample.size() < 6) sample.push_back(p);
  }
  SplitMix64 random(2024);
  while (sample.size() < 24) sample.push_back(all[random.below(all.size())]);

  for (Position p : sample) {
    EXPECT_EQ(ReferenceSearch(p).search(depth), expectedScore(game.value(p), depth))
        << "mover " << p.toMove << " waiting " << p.waiting;
  }
}

TEST(AiSolvedGame, EveryValueIsTheBestOfItsMoves) {
  // Holds for draws at any depth, where a depth-limited search cannot reach.
  const SolvedGame& game = solvedGame();
  for (Position p : everyPlacement()) {
    const MoveList moves = legalMoves(p);
    if (moves.empty()) continue;
    Value best = game.valueOfMove(p, *moves.begin());
    for (Move m : moves) {
      const Value v = game.valueOfMove(p, m);
      if (preference(v) > preference(best)) best = v;
    }
    ASSERT_EQ(game.value(p), best) << "mover " << p.toMove << " waiting " << p.waiting;
  }
}

TEST(AiSolvedGame, ABlockedSideDrawsAndOnlyBehindALine) {
  const SolvedGame& game = solvedGame();
  int blocked = 0;
  for (Position p : everyPlacement()) {
    if (hasMove(p)) continue;
    ++blocked;
    EXPECT_EQ(game.value(p), Value{}) << "mover " << p.toMove << " waiting " << p.waiting;
    EXPECT_TRUE(hasLine(p.waiting)) << "mover " << p.toMove << " waiting " << p.waiting;
  }
  EXPECT_GT(blocked, 0);
}

TEST(AiSolvedGame, NeitherSideCanForceAWinFromTheOpening) {
  EXPECT_EQ(solvedGame().value(kOpening), (Value{Outcome::Draw, 0}));
}

}  // namespace
}  // namespace zorvane::ai

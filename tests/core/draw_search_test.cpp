// The strengths benchmark's search for the chance of a draw by repetition:
// its claim that no player can win every game against Normal rests on it.
#include "bench/ladder/draw_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "ai/levels.h"
#include "ai/opening.h"
#include "ai/solved_game.h"

namespace zorvane::bench {
namespace {

using ai::GameRecord;
using ai::Placement;

const Placement kStart{ai::kPlayerStart, ai::kComputerStart, true};

ai::Outcome outcomeOf(const Placement& p) {
  return ai::solvedGame().value(p.position()).outcome;
}

// Every valid placement with the player to move; seen from the mover, these
// are all the positions of the game.
std::vector<Placement> playerPlacements() {
  std::vector<Placement> all;
  for (unsigned a = 0; a <= ai::kBoardMask; ++a) {
    for (unsigned b = 0; b <= ai::kBoardMask; ++b) {
      const Placement p{static_cast<ai::CellMask>(a), static_cast<ai::CellMask>(b), true};
      if (ai::isValidPlacement(p.player, p.computer)) all.push_back(p);
    }
  }
  return all;
}

ai::MoveList carefulReplies(const Placement& p) {
  return DrawSearch::carefulMoves(p.position());
}

// A drawn position of the player's with a best move after which the careful computer has both replies that
// lose and replies that keep the draw.
struct MixedReplies {
  Placement player;
  ai::Move move;
  int careful = 0;
  int keeping = 0;
};

std::optional<MixedReplies> findMixedReplies() {
  const ai::SolvedGame& solved = ai::solvedGame();
  for (const Placement& p : playerPlacements()) {
    if (outcomeOf(p) != ai::Outcome::Draw) continue;
    for (ai::Move m : ai::bestMoves(p.position())) {
      const Placement after = p.after(m);
      MixedReplies found{p, m, 0, 0};
      for (ai::Move r : carefulReplies(after)) {
        ++found.careful;
        if (solved.valueOfMove(after.position(), r).outcome != ai::Outcome::Loss) ++found.keeping;
      }
      if (found.keeping > 0 && found.keeping < found.careful) return found;
    }
  }
  return std::nullopt;
}

TEST(DrawSearch, TheCarefulComputerIsNormalInEveryDrawnPosition) {
  // The bound in the strengths doc speaks of Normal; the search models a
  // careful computer. Where the game is still drawn the two must agree.
  int drawn = 0;
  for (const Placement& placement : playerPlacements()) {
    const ai::Position p = placement.position();
    if (!ai::hasMove(p) || outcomeOf(placement) != ai::Outcome::Draw) continue;
    ++drawn;
    const ai::MoveList careful = DrawSearch::carefulMoves(p);
    const ai::MoveList normal = ai::candidateMoves(ai::Level::Normal, p);
    ASSERT_EQ(careful.size, normal.size);
    EXPECT_TRUE(std::equal(careful.begin(), careful.end(), normal.begin())) << p.toMove << " " << p.waiting;
  }
  EXPECT_GT(drawn, 0);
}

TEST(DrawSearch, NoDrawOnceThePlayerHasAWinInHand) {
  // Any position the player wins with best play: the computer's errors are
  // what the search waits for, and here one has been made.
  const std::vector<Placement> all = playerPlacements();
  const auto won = std::find_if(all.begin(), all.end(),
                                [](const Placement& p) { return outcomeOf(p) == ai::Outcome::Win; });
  ASSERT_NE(won, all.end());
  DrawSearch search(1e-9);
  EXPECT_EQ(search.drawChance(GameRecord(*won)), 0.0);
}

TEST(DrawSearch, ACorneredPlayerDrawsForCertain) {
  // The opening's best moves all lead to positions that have been seen
  // twice: whichever the player makes, that position comes a third time.
  GameRecord game(kStart);
  for (int round = 0; round < 2; ++round) {
    for (ai::Move m : ai::bestMoves(kStart.position())) {
      game.record(kStart.after(m));
      game.record(kStart);
    }
  }
  DrawSearch search(1e-3);
  EXPECT_EQ(search.drawChance(game), 1.0);
}

TEST(DrawSearch, CountsEachCarefulReplyThatKeepsTheDrawWithItsChance) {
  // Every reply that keeps the draw leads to a position seen twice already,
  // so it draws; every other careful reply loses for the computer. The
  // chance of a draw is then exactly the share of replies that keep it.
  const std::optional<MixedReplies> mixed = findMixedReplies();
  ASSERT_TRUE(mixed.has_value());
  GameRecord game(mixed->player);
  const Placement after = mixed->player.after(mixed->move);
  const ai::SolvedGame& solved = ai::solvedGame();
  for (ai::Move r : carefulReplies(after)) {
    if (solved.valueOfMove(after.position(), r).outcome == ai::Outcome::Loss) continue;
    game.record(after.after(r));
    game.record(after.after(r));
  }
  game.record(mixed->player);  // back where the search starts
  DrawSearch search(1e-9);
  EXPECT_DOUBLE_EQ(search.drawChanceAfter(game, mixed->move),
                   static_cast<double>(mixed->keeping) / mixed->careful);
}

TEST(DrawSearch, FromTheOpeningTheBoundRisesAsTheSearchGoesDeeper) {
  // Lines left out count as no draw, so following more of them can only
  // raise the figure; and some lines of Normal's luck end in a draw.
  double previous = 0;
  for (double smallest : {1e-2, 1e-4, 1e-5}) {
    DrawSearch search(smallest);
    const double chance = search.drawChance(GameRecord(kStart));
    EXPECT_GE(chance, previous) << smallest;
    EXPECT_LT(chance, 0.01) << smallest;
    previous = chance;
  }
  EXPECT_GT(previous, 0.0);
}

}  // namespace
}  // namespace zorvane::bench

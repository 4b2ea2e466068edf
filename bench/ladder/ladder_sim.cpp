// The ladder of strengths, measured: fixed player models play 10,000 games
// against each strength from the opening, the player first, with fixed seeds,
// and the table of outcomes is printed as Markdown. A game ends on a win or
// by the draw rule (the same position for the third time).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ai/game_record.h"
#include "ai/levels.h"
#include "ai/opening.h"
#include "ai/opponent.h"
#include "bench/ladder/draw_search.h"
#include "bench/ladder/player_models.h"

namespace {

using namespace zorvane;
using ai::Level;
using bench::PlayerModel;

constexpr int kGames = 10000;

// The computer's choice: a strength, or Perfect as it chose before it
// preferred traps (uniform among the best moves).
struct Computer {
  const char* name;
  Level level;
  bool uniformPerfect = false;
};

enum class Result { PlayerWins, ComputerWins, Draw };

struct Tally {
  int player = 0, computer = 0, draws = 0;
  std::vector<int> lengths;  // plies
  double percent(int n) const { return 100.0 * n / kGames; }
  int medianLength() {
    std::nth_element(lengths.begin(), lengths.begin() + lengths.size() / 2, lengths.end());
    return lengths[lengths.size() / 2];
  }
};

Result playOne(PlayerModel model, const Computer& computer, ai::Opponent& opponent, ai::SplitMix64& random,
               int& plies) {
  ai::GameRecord record(ai::Placement{ai::kPlayerStart, ai::kComputerStart, true});
  for (plies = 1;; ++plies) {
    const ai::Placement now = record.current();
    const ai::Position p = now.position();
    if (!ai::hasMove(p)) return Result::Draw;  // never from this opening, but safe
    ai::Move move;
    if (now.playerToMove) {
      move = bench::playerMove(model, record, random);
    } else if (computer.uniformPerfect) {
      const ai::MoveList best = ai::bestMoves(p);
      move = best.moves[random.below(static_cast<std::uint64_t>(best.size))];
    } else {
      move = opponent.choose(computer.level, now.computer, now.player);
    }
    if (ai::isWinningMove(p, move)) return now.playerToMove ? Result::PlayerWins : Result::ComputerWins;
    record.record(now.after(move));
    if (record.repeatedForDraw()) return Result::Draw;
  }
}

Tally playMany(PlayerModel model, const Computer& computer, std::uint64_t seed) {
  ai::SplitMix64 random(seed);
  ai::Opponent opponent(seed ^ 0x5EED);
  Tally t;
  for (int g = 0; g < kGames; ++g) {
    int plies = 0;
    switch (playOne(model, computer, opponent, random, plies)) {
      case Result::PlayerWins: ++t.player; break;
      case Result::ComputerWins: ++t.computer; break;
      case Result::Draw: ++t.draws; break;
    }
    t.lengths.push_back(plies);
  }
  return t;
}

}  // namespace

int main() {
  const Computer strengths[] = {
      {"Easy", Level::Easy}, {"Normal", Level::Normal}, {"Hard", Level::Hard}, {"Perfect", Level::Perfect}};
  const PlayerModel models[] = {PlayerModel::Random, PlayerModel::Greedy, PlayerModel::Blocker,
                                PlayerModel::Lookahead, PlayerModel::Perfect};

  std::printf(
      "%d games per pairing, the player first from the opening; player wins / computer wins / draws "
      "in %%, and the median game length in plies.\n\n",
      kGames);
  std::printf("| player model | computer | player wins | computer wins | draws | median plies |\n");
  std::printf("|---|---|---|---|---|---|\n");
  std::uint64_t seed = 1;
  double won[5][4] = {};  // the player's win rate by model and strength
  double drawn[5][4] = {};
  for (int mi = 0; mi < 5; ++mi) {
    const PlayerModel model = models[mi];
    for (int si = 0; si < 4; ++si) {
      const Computer& c = strengths[si];
      Tally t = playMany(model, c, seed++);
      won[mi][si] = t.percent(t.player);
      drawn[mi][si] = t.percent(t.draws);
      std::printf("| %s | %s | %.1f | %.1f | %.1f | %d |\n", std::string(bench::nameOf(model)).c_str(),
                  c.name, t.percent(t.player), t.percent(t.computer), t.percent(t.draws), t.medianLength());
    }
  }

  // The ladder's targets, each with what was measured.
  std::printf("\nTargets:\n\n");
  const auto target = [](bool holds, const std::string& what) {
    std::printf("- %s: %s\n", holds ? "holds" : "MISSED", what.c_str());
  };
  for (int mi = 0; mi < 5; ++mi) {
    const bool falling = won[mi][0] > won[mi][1] && won[mi][1] > won[mi][2] && won[mi][2] > won[mi][3];
    target(falling, std::string(bench::nameOf(models[mi])) + " wins fall strictly from Easy to Perfect");
  }
  bool perfectNeverLoses = true;
  for (int mi = 0; mi < 5; ++mi) perfectNeverLoses = perfectNeverLoses && won[mi][3] == 0;
  target(perfectNeverLoses, "Perfect loses no game to any model");
  target(won[4][0] == 100, "the Perfect model wins every game against Easy");
  target(won[4][1] == 100, std::string("the Perfect model wins every game against Normal") +
                               (won[4][1] < 100 ? " (out of any player's reach: see below)" : ""));
  target(won[4][2] >= 10 && won[4][2] <= 90, "the Perfect model wins 10 % to 90 % against Hard");
  target(won[2][0] >= 60, "Blocker wins at least 60 % against Easy");
  target(won[2][2] <= 25, "Blocker wins at most 25 % against Hard");

  std::printf(
      "\nAgainst Perfect, its preference for traps beside a uniform choice among the best moves:\n\n");
  std::printf("| player model | Perfect chooses | player loses | draws | median plies |\n");
  std::printf("|---|---|---|---|---|\n");
  const Computer perfects[] = {{"among traps", Level::Perfect}, {"uniformly", Level::Perfect, true}};
  for (PlayerModel model : {PlayerModel::NearPerfect, PlayerModel::Perfect}) {
    for (const Computer& c : perfects) {
      Tally t = playMany(model, c, 1000 + seed++);
      std::printf("| %s | %s | %.1f %% | %.1f %% | %d |\n", std::string(bench::nameOf(model)).c_str(), c.name,
                  t.percent(t.computer), t.percent(t.draws), t.medianLength());
    }
  }

  // The fewest draws against Normal that any player keeping to the best moves
  // can get, from a search of the game's lines from the opening.
  constexpr double kSmallestLine = 1e-6;  // one in a million, as the table says
  bench::DrawSearch search(kSmallestLine);
  const double least =
      search.drawChance(ai::GameRecord(ai::Placement{ai::kPlayerStart, ai::kComputerStart, true}));
  Tally leastDraws = playMany(PlayerModel::LeastDraws, strengths[1], 2000 + seed++);
  std::printf("\nAgainst Normal, the fewest draws a player who keeps to the best moves can get:\n\n");
  std::printf("| player | draws |\n|---|---|\n");
  std::printf("| Perfect model | %.2f %% |\n", drawn[4][1]);
  std::printf("| %s | %.2f %% |\n", std::string(bench::nameOf(PlayerModel::LeastDraws)).c_str(),
              leastDraws.percent(leastDraws.draws));
  std::printf("| any player, at the least | %.3f %% |\n", 100 * least);
  std::printf(
      "\nThe last line is a lower bound: every line of play from the opening more likely than one in a "
      "million is followed, the player taking the move with the least chance of a draw and Normal each of "
      "its replies with its chance; the lines left out count as no draw. In %d games that is at least %.1f "
      "draws to expect, and a run without one has a chance of %.2f %% at most.\n",
      kGames, least * kGames, 100 * std::exp(-least * kGames));
  return EXIT_SUCCESS;
}

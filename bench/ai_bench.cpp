// Time of the computer opponent: solving the game from scratch, and one move
// at each strength over the positions of real games.
#include <benchmark/benchmark.h>

#include <vector>

#include "ai/opening.h"
#include "ai/opponent.h"
#include "ai/solved_game.h"

namespace {

using namespace zorvane::ai;

// Positions with the computer to move, met in games of random play from the opening.
std::vector<Position> computerPositions() {
  std::vector<Position> positions;
  SplitMix64 random(17);
  while (positions.size() < 256) {
    Position p = kOpening;
    for (int n = 0; n < 40 && hasMove(p); ++n) {
      const MoveList moves = legalMoves(p);
      const Move m = moves.moves[random.below(static_cast<std::uint64_t>(moves.size))];
      if (isWinningMove(p, m)) break;
      p = play(p, m);
      if (n % 2 == 0 && hasMove(p)) positions.push_back(p);
    }
  }
  return positions;
}

void BM_Solve(benchmark::State& state) {
  for (auto _ : state) {
    SolvedGame game = solveGame();
    benchmark::DoNotOptimize(game);
  }
}
BENCHMARK(BM_Solve)->Unit(benchmark::kMicrosecond);

void BM_Move(benchmark::State& state, Level level) {
  const std::vector<Position> positions = computerPositions();
  (void)solvedGame();  // solved before timing starts, as in a game
  Opponent opponent(1);
  size_t i = 0;
  for (auto _ : state) {
    const Position& p = positions[i++ % positions.size()];
    benchmark::DoNotOptimize(opponent.choose(level, p.toMove, p.waiting));
  }
}
BENCHMARK_CAPTURE(BM_Move, Easy, Level::Easy)->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_Move, Normal, Level::Normal)->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_Move, Perfect, Level::Perfect)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();

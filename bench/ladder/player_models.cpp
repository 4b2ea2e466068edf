#include "bench/ladder/player_models.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ai/levels.h"
#include "ai/move_filters.h"
#include "ai/solved_game.h"
#include "bench/ladder/draw_search.h"

namespace zorvane::bench {
namespace {

using ai::filtered;
using ai::highestScoring;
using ai::Move;
using ai::MoveList;
using ai::Position;

Move anyOf(const MoveList& moves, ai::SplitMix64& random) {
  return moves.moves[random.below(static_cast<std::uint64_t>(moves.size))];
}

MoveList wins(Position p, const MoveList& moves) {
  return filtered(moves, [&](Move m) { return ai::isWinningMove(p, m); });
}

// The side to move in `p` wins whatever the other side answers to its next
// move: some move of it, not winning at once, leaves the other side no
// winning move and only moves that let it win at once (a double threat).
bool setsUpDoubleThreat(Position p) {
  for (Move m : ai::legalMoves(p)) {
    if (ai::isWinningMove(p, m)) continue;
    const Position answer = ai::play(p, m);
    if (ai::canWinAtOnce(answer) || !ai::hasMove(answer)) continue;
    bool everyReplyLoses = true;
    for (Move r : ai::legalMoves(answer))
      everyReplyLoses = everyReplyLoses && ai::canWinAtOnce(ai::play(answer, r));
    if (everyReplyLoses) return true;
  }
  return false;
}

// Of the computer's replies after `move` that give no win in one away, how
// many per thousand lose for it with best play: the traps it can fall into.
int subtleTraps(Position p, Move move) {
  if (ai::isWinningMove(p, move)) return 1000;
  const ai::SolvedGame& solved = ai::solvedGame();
  const Position after = ai::play(p, move);
  int plausible = 0, losing = 0;
  for (Move r : ai::legalMoves(after)) {
    const ai::Value v = solved.valueOfMove(after, r);
    if (v.outcome == ai::Outcome::Loss && v.distance <= 2) continue;
    ++plausible;
    if (v.outcome == ai::Outcome::Loss) ++losing;
  }
  return plausible == 0 ? 0 : 1000 * losing / plausible;
}

// How often the game has been where `move` leads, and where the computer's
// replies to it lead: the most worn of those, counted first.
int wear(const ai::GameRecord& game, const ai::Placement& now, Move move) {
  const ai::Placement after = now.after(move);
  int replies = 0;
  for (Move r : ai::legalMoves(after.position()))
    replies = std::max(replies, game.occurrences(after.after(r)));
  return 4 * game.occurrences(after) + replies;
}

// The fewest best moves the player keeps after `move` and any reply of the
// computer's that does not lose for it: room to stay clear of repetitions.
int room(const ai::GameRecord& game, const ai::Placement& now, Move move) {
  const ai::SolvedGame& solved = ai::solvedGame();
  const ai::Placement after = now.after(move);
  int fewest = ai::kMaxMoves;
  for (Move r : ai::legalMoves(after.position())) {
    if (solved.valueOfMove(after.position(), r).outcome == ai::Outcome::Loss) continue;
    const ai::Placement next = after.after(r);
    const MoveList best = ai::bestMoves(next.position());
    const MoveList unworn = filtered(best, [&](Move m) { return game.occurrences(next.after(m)) < 2; });
    fewest = std::min(fewest, unworn.size);
  }
  return fewest;
}

// Of `best`, some of the best moves: those that do not let the computer
// corner the player into a third occurrence, then the least worn, then those
// that keep the most room, then the traps.
MoveList forTheWin(const ai::GameRecord& game, const MoveList& best) {
  const ai::Placement now = game.current();
  const Position p = now.position();
  // Each best move's room, worked out once for both criteria that use it.
  std::array<int, ai::kMaxMoves> rooms{};
  for (int i = 0; i < best.size; ++i)
    rooms[static_cast<std::size_t>(i)] = room(game, now, best.moves[static_cast<std::size_t>(i)]);
  const auto roomOf = [&](Move m) {
    for (int i = 0; i < best.size; ++i)
      if (best.moves[static_cast<std::size_t>(i)] == m) return rooms[static_cast<std::size_t>(i)];
    return 0;
  };
  const MoveList open = highestScoring(best, [&](Move m) { return roomOf(m) > 0 ? 1 : 0; });
  const MoveList worn = highestScoring(open, [&](Move m) { return -wear(game, now, m); });
  const MoveList fresh = highestScoring(worn, roomOf);
  const MoveList subtle = highestScoring(fresh, [&](Move m) { return subtleTraps(p, m); });
  return highestScoring(subtle, [&](Move m) { return ai::losingReplies(p, m); });
}

// Lines of play less likely than this are left out of LeastDraws' search:
// deep enough to come close to the fewest draws any player can get, and a
// game still takes only a few milliseconds.
constexpr double kSmallestChance = 3e-4;

// The best moves that leave the least chance of a draw.
MoveList leastDraws(const ai::GameRecord& game) {
  static DrawSearch draws(kSmallestChance);
  const Position p = game.current().position();
  const MoveList best = ai::bestMoves(p);
  if (best.size < 2 || ai::solvedGame().value(p).outcome != ai::Outcome::Draw) return best;
  return highestScoring(
      best, [&](Move m) { return -static_cast<int>(std::lround(1e9 * draws.drawChanceAfter(game, m))); });
}

}  // namespace

std::string_view nameOf(PlayerModel model) {
  switch (model) {
    case PlayerModel::Random: return "Random";
    case PlayerModel::Greedy: return "Greedy";
    case PlayerModel::Blocker: return "Blocker";
    case PlayerModel::Lookahead: return "Lookahead";
    case PlayerModel::Perfect: return "Perfect";
    case PlayerModel::NearPerfect: return "Perfect, 5 % random";
    case PlayerModel::LeastDraws: return "Perfect, least draws";
  }
  return "?";
}

Move playerMove(PlayerModel model, const ai::GameRecord& game, ai::SplitMix64& random) {
  const Position p = game.current().position();
  const MoveList moves = ai::legalMoves(p);
  switch (model) {
    case PlayerModel::Random: return anyOf(moves, random);
    case PlayerModel::NearPerfect:
      if (random.below(100) < 5) return anyOf(moves, random);
      [[fallthrough]];
    case PlayerModel::Perfect: return anyOf(forTheWin(game, ai::bestMoves(p)), random);
    case PlayerModel::LeastDraws: return anyOf(forTheWin(game, leastDraws(game)), random);
    case PlayerModel::Greedy:
    case PlayerModel::Blocker:
    case PlayerModel::Lookahead: break;
  }
  if (const MoveList w = wins(p, moves); !w.empty()) return anyOf(w, random);
  if (model == PlayerModel::Greedy) return anyOf(moves, random);

  // The computer's threats as they stand, as if it were to move now.
  const auto computerCanWin = [](Position after) { return ai::canWinAtOnce(after); };
  if (model == PlayerModel::Blocker) {
    if (!ai::canWinAtOnce(Position{p.waiting, p.toMove})) return anyOf(moves, random);
    const MoveList blocks = filtered(moves, [&](Move m) { return !computerCanWin(ai::play(p, m)); });
    return anyOf(blocks.empty() ? moves : blocks, random);
  }

  const MoveList noWinInOne = filtered(moves, [&](Move m) { return !computerCanWin(ai::play(p, m)); });
  const MoveList safe = filtered(noWinInOne, [&](Move m) { return !setsUpDoubleThreat(ai::play(p, m)); });
  if (!safe.empty()) return anyOf(safe, random);
  return anyOf(noWinInOne.empty() ? moves : noWinInOne, random);
}

}  // namespace zorvane::bench

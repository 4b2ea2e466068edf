#include "ai/solved_game.h"

#include <bit>

#include "rules/board_tables.h"

namespace zorvane::ai {
namespace {

// Undoing a move steps back along the same neighbour table.
constexpr bool neighboursAreMutual() {
  for (int a = 1; a <= rules::kCells; ++a) {
    for (int b : rules::neighbours(a)) {
      bool back = false;
      for (int c : rules::neighbours(b)) back = back || c == a;
      if (!back) return false;
    }
  }
  return true;
}
static_assert(neighboursAreMutual());

constexpr int kTriples = 84;  // C(9, 3) ways to place one side

// Numbers the placements densely, in order of the two sides' masks.
struct Numbering {
  std::array<std::uint8_t, kBoardMask + 1> tripleRank{};
  std::array<std::int16_t, kTriples * kTriples> index{};  // -1 where the sides overlap
  std::array<Position, SolvedGame::kPositions> positions{};
};

constexpr Numbering makeNumbering() {
  Numbering numbering;
  std::array<CellMask, kTriples> triples{};
  int count = 0;
  for (unsigned mask = 0; mask <= kBoardMask; ++mask) {
    if (std::popcount(mask) != kPiecesPerSide) continue;
    numbering.tripleRank[mask] = static_cast<std::uint8_t>(count);
    triples[count++] = static_cast<CellMask>(mask);
  }
  int next = 0;
  for (int a = 0; a < kTriples; ++a) {
    for (int b = 0; b < kTriples; ++b) {
      const bool overlap = (triples[a] & triples[b]) != 0;
      numbering.index[a * kTriples + b] = static_cast<std::int16_t>(overlap ? -1 : next);
      if (!overlap) numbering.positions[next++] = Position{triples[a], triples[b]};
    }
  }
  return numbering;
}

constexpr Numbering kNumbering = makeNumbering();
static_assert(kNumbering.positions.back() != Position{}, "every placement numbered");

}  // namespace

int preference(Value value) {
  constexpr int kWinBase = 1000;
  switch (value.outcome) {
    case Outcome::Win: return kWinBase - value.distance;
    case Outcome::Loss: return -kWinBase + value.distance;
    case Outcome::Draw: break;
  }
  return 0;
}

int SolvedGame::indexOf(Position position) {
  return kNumbering
      .index[kNumbering.tripleRank[position.toMove] * kTriples + kNumbering.tripleRank[position.waiting]];
}

Value SolvedGame::value(Position position) const {
  const Entry& entry = entries_[indexOf(position)];
  return Value{entry.outcome, entry.distance};
}

Value SolvedGame::valueOfMove(Position position, Move move) const {
  if (isWinningMove(position, move)) return Value{Outcome::Win, 1};
  const Value reply = value(play(position, move));
  switch (reply.outcome) {
    case Outcome::Win: return Value{Outcome::Loss, reply.distance + 1};
    case Outcome::Loss: return Value{Outcome::Win, reply.distance + 1};
    case Outcome::Draw: break;
  }
  return Value{};
}

SolvedGame solveGame() {
  const auto& positions = kNumbering.positions;
  SolvedGame game;
  std::array<bool, SolvedGame::kPositions> known{};
  // Moves of a position not yet known to hand the opponent a win.
  std::array<std::uint8_t, SolvedGame::kPositions> openMoves{};
  std::array<int, SolvedGame::kPositions> queue{};
  int head = 0;
  int tail = 0;

  for (int i = 0; i < SolvedGame::kPositions; ++i) {
    if (canWinAtOnce(positions[i])) {
      game.entries_[i] = {Outcome::Win, 1};
      known[i] = true;
      queue[tail++] = i;
    } else {
      openMoves[i] = static_cast<std::uint8_t>(moveCount(positions[i]));
    }
  }

  // Positions leave the queue in order of distance, so a win is found by its
  // shortest way and a loss is settled by its longest.
  while (head < tail) {
    const int solved = queue[head++];
    const Position after = positions[solved];
    const SolvedGame::Entry entry = game.entries_[solved];
    const CellMask empty = static_cast<CellMask>(kBoardMask & ~(after.toMove | after.waiting));
    // Undo each possible last move of the side that waits in `after`.
    for (int to = 1; to <= rules::kCells; ++to) {
      if ((after.waiting & cellBit(to)) == 0) continue;
      for (int from : rules::neighbours(to)) {
        if ((empty & cellBit(from)) == 0) continue;
        const Position before{static_cast<CellMask>((after.waiting & ~cellBit(to)) | cellBit(from)),
                              after.toMove};
        const int i = SolvedGame::indexOf(before);
        // A position with a winning move is already known, so every move
        // undone here is one that did not win.
        if (known[i]) continue;
        const auto distance = static_cast<std::uint8_t>(entry.distance + 1);
        if (entry.outcome == Outcome::Loss) {
          game.entries_[i] = {Outcome::Win, distance};
        } else if (--openMoves[i] == 0) {
          game.entries_[i] = {Outcome::Loss, distance};
        } else {
          continue;
        }
        known[i] = true;
        queue[tail++] = i;
      }
    }
  }
  return game;
}

const SolvedGame& solvedGame() {
  static const SolvedGame game = solveGame();
  return game;
}

}  // namespace zorvane::ai

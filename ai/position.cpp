#include "ai/position.h"

#include <bit>

#include "rules/board_tables.h"

namespace zorvane::ai {
namespace {

struct CellTables {
  std::array<CellMask, rules::kCells + 1> neighbours{};
  // Lines through each cell, as the mask of the two other cells; unused slots stay 0.
  std::array<std::array<CellMask, 4>, rules::kCells + 1> lineRests{};
  std::array<CellMask, 8> lines{};
};

constexpr CellTables makeCellTables() {
  CellTables tables;
  int lineCount = 0;
  for (int cell = 1; cell <= rules::kCells; ++cell) {
    for (int n : rules::neighbours(cell)) tables.neighbours[cell] |= cellBit(n);
    int slot = 0;
    for (auto [a, b] : rules::linesThrough(cell)) {
      const auto rest = static_cast<CellMask>(cellBit(a) | cellBit(b));
      tables.lineRests[cell][slot++] = rest;
      const auto line = static_cast<CellMask>(rest | cellBit(cell));
      bool known = false;
      for (int i = 0; i < lineCount; ++i) known = known || tables.lines[i] == line;
      if (!known) tables.lines[lineCount++] = line;
    }
  }
  return tables;
}

constexpr CellTables kTables = makeCellTables();
static_assert(kTables.lines.back() != 0, "eight lines");

bool lineThrough(CellMask pieces, int cell) {
  for (CellMask rest : kTables.lineRests[cell]) {
    if (rest != 0 && (pieces & rest) == rest) return true;
  }
  return false;
}

CellMask emptyCells(Position position) {
  return static_cast<CellMask>(kBoardMask & ~(position.toMove | position.waiting));
}

}  // namespace

bool isValidPlacement(CellMask a, CellMask b) {
  return (a & ~kBoardMask) == 0 && (b & ~kBoardMask) == 0 && (a & b) == 0 &&
         std::popcount(a) == kPiecesPerSide && std::popcount(b) == kPiecesPerSide;
}

bool hasLine(CellMask pieces) {
  for (CellMask line : kTables.lines) {
    if ((pieces & line) == line) return true;
  }
  return false;
}

MoveList legalMoves(Position position) {
  MoveList list;
  const CellMask occupied = position.toMove | position.waiting;
  for (int from = 1; from <= rules::kCells; ++from) {
    if ((position.toMove & cellBit(from)) == 0) continue;
    for (int to : rules::neighbours(from)) {
      if ((occupied & cellBit(to)) == 0) list.moves[list.size++] = Move{from, to};
    }
  }
  return list;
}

bool hasMove(Position position) {
  return moveCount(position) > 0;
}

int moveCount(Position position) {
  const CellMask empty = emptyCells(position);
  int count = 0;
  for (int cell = 1; cell <= rules::kCells; ++cell) {
    if ((position.toMove & cellBit(cell)) != 0)
      count += std::popcount<unsigned>(kTables.neighbours[cell] & empty);
  }
  return count;
}

bool canWinAtOnce(Position position) {
  // A winning move brings the one piece off a line into that line's gap.
  const CellMask empty = emptyCells(position);
  for (CellMask line : kTables.lines) {
    const auto gap = static_cast<CellMask>(line & ~position.toMove);
    if (std::popcount<unsigned>(gap) != 1 || (gap & empty) == 0) continue;
    const auto outside = static_cast<CellMask>(position.toMove & ~line);
    const int cell = std::countr_zero<unsigned>(outside) + 1;
    if ((kTables.neighbours[cell] & gap) != 0) return true;
  }
  return false;
}

bool isWinningMove(Position position, Move move) {
  const CellMask after = static_cast<CellMask>((position.toMove & ~cellBit(move.from)) | cellBit(move.to));
  return lineThrough(after, move.to);
}

Position play(Position position, Move move) {
  const CellMask after = static_cast<CellMask>((position.toMove & ~cellBit(move.from)) | cellBit(move.to));
  return Position{position.waiting, after};
}

}  // namespace zorvane::ai

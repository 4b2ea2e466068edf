#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "ai/position.h"

namespace zorvane::ai {
namespace {

CellMask cells(std::initializer_list<int> list) {
  CellMask mask = 0;
  for (int c : list) mask = static_cast<CellMask>(mask | cellBit(c));
  return mask;
}

std::vector<Move> asVector(const MoveList& list) {
  return {list.begin(), list.end()};
}

TEST(AiPosition, PlacementNeedsThreeDistinctPiecesASideOnTheBoard) {
  EXPECT_TRUE(isValidPlacement(cells({2, 3, 4}), cells({1, 6, 8})));
  EXPECT_FALSE(isValidPlacement(cells({2, 3, 4}), cells({4, 6, 8})));     // shared cell
  EXPECT_FALSE(isValidPlacement(cells({2, 3}), cells({1, 6, 8})));        // two pieces
  EXPECT_FALSE(isValidPlacement(cells({2, 3, 4, 5}), cells({1, 6, 8})));  // four pieces
  EXPECT_FALSE(isValidPlacement(cells({2, 3, 4}), static_cast<CellMask>(cells({1, 6}) | 0x200)));
}

TEST(AiPosition, LinesAreTheRowsColumnsAndLongDiagonals) {
  for (auto line : {cells({1, 2, 3}), cells({4, 5, 6}), cells({7, 8, 9}), cells({1, 4, 7}), cells({2, 5, 8}),
                    cells({3, 6, 9}), cells({1, 5, 9}), cells({3, 5, 7})}) {
    EXPECT_TRUE(hasLine(line)) << line;
  }
  for (auto other :
       {cells({1, 2, 4}), cells({2, 4, 6}), cells({2, 6, 8}), cells({1, 5, 6}), cells({1, 3, 5})}) {
    EXPECT_FALSE(hasLine(other)) << other;
  }
}

struct MovesCase {
  const char* name;
  CellMask toMove;
  CellMask waiting;
  std::vector<Move> expected;
};

TEST(AiPosition, LegalMovesStepToEmptyNeighboursInTableOrder) {
  const std::vector<MovesCase> cases{
      {"player at the opening", cells({2, 3, 4}), cells({1, 6, 8}), {{2, 5}, {3, 5}, {4, 7}, {4, 5}}},
      {"computer at the opening",
       cells({1, 6, 8}),
       cells({2, 3, 4}),
       {{1, 5}, {6, 5}, {6, 9}, {8, 7}, {8, 5}, {8, 9}}},
      {"centre piece reaches every empty cell",
       cells({2, 5, 7}),
       cells({1, 3, 9}),
       {{5, 4}, {5, 6}, {5, 8}, {7, 4}, {7, 8}}},
      {"no step across the board", cells({1, 2, 4}), cells({5, 6, 8}), {{2, 3}, {4, 7}}},
      {"blocked side", cells({1, 2, 3}), cells({4, 5, 6}), {}},
  };
  for (const auto& c : cases) {
    const Position p{c.toMove, c.waiting};
    EXPECT_EQ(asVector(legalMoves(p)), c.expected) << c.name;
    EXPECT_EQ(hasMove(p), !c.expected.empty()) << c.name;
    EXPECT_EQ(moveCount(p), static_cast<int>(c.expected.size())) << c.name;
  }
}

struct WinCase {
  const char* name;
  CellMask toMove;
  CellMask waiting;
  Move move;
  bool wins;
};

TEST(AiPosition, AMoveWinsWhenItMakesALineThroughItsTarget) {
  const std::vector<WinCase> cases{
      {"row", cells({4, 5, 9}), cells({1, 2, 3}), {9, 6}, true},
      {"column along itself", cells({1, 4, 8}), cells({2, 3, 5}), {8, 7}, true},
      {"diagonal through the centre", cells({1, 2, 9}), cells({3, 4, 6}), {2, 5}, true},
      {"anti-diagonal into a corner", cells({3, 5, 4}), cells({1, 2, 6}), {4, 7}, true},
      {"three pieces off any line", cells({1, 2, 6}), cells({3, 5, 7}), {6, 9}, false},
      {"line with the other side's pieces", cells({1, 8, 9}), cells({2, 3, 6}), {1, 5}, false},
      {"moving off a standing line", cells({1, 2, 3}), cells({4, 7, 8}), {3, 6}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isWinningMove(Position{c.toMove, c.waiting}, c.move), c.wins) << c.name;
  }
}

TEST(AiPosition, AWinAtOnceIsFoundExactlyWhenSomeMoveWins) {
  int found = 0;
  for (unsigned a = 0; a <= kBoardMask; ++a) {
    for (unsigned b = 0; b <= kBoardMask; ++b) {
      const Position p{static_cast<CellMask>(a), static_cast<CellMask>(b)};
      if (!isValidPlacement(p.toMove, p.waiting)) continue;
      bool someMoveWins = false;
      for (Move m : legalMoves(p)) someMoveWins = someMoveWins || isWinningMove(p, m);
      ASSERT_EQ(canWinAtOnce(p), someMoveWins) << "mover " << a << " waiting " << b;
      found += someMoveWins;
    }
  }
  EXPECT_GT(found, 0);
}

TEST(AiPosition, PlayMovesThePieceAndHandsTheTurnOver) {
  const Position after = play(Position{cells({2, 3, 4}), cells({1, 6, 8})}, Move{4, 7});
  EXPECT_EQ(after, (Position{cells({1, 6, 8}), cells({2, 3, 7})}));
}

}  // namespace
}  // namespace zorvane::ai

// The board's tables and rule steps, on a match screen's controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "rules/rule_steps.h"
#include "ui/headless/driver.h"

namespace zorvane::rules {
namespace {

using ui::ScreenId;

TEST(BoardTables, NeighboursAreSymmetricWithSixteenLinksAlongLines) {
  int links = 0;
  for (int a = 1; a <= kCells; ++a) {
    for (int b : neighbours(a)) {
      ++links;
      const auto back = neighbours(b);
      EXPECT_NE(std::find(back.begin(), back.end(), a), back.end()) << a << "-" << b;
      // Neighbours are one step apart in a row, a column or (through the centre) a diagonal.
      const int dr = std::abs((a - 1) / 3 - (b - 1) / 3), dc = std::abs((a - 1) % 3 - (b - 1) % 3);
      EXPECT_LE(std::max(dr, dc), 1) << a << "-" << b;
      if (dr == 1 && dc == 1) {
        EXPECT_TRUE(a == 5 || b == 5) << "diagonal link without the centre " << a << "-" << b;
      }
    }
  }
  EXPECT_EQ(links, 2 * 16);
}

TEST(BoardTables, NoCornerNeighboursACornerAndNoEdgeCellAnother) {
  const std::set<int> corners{1, 3, 7, 9}, edges{2, 4, 6, 8};
  for (int a = 1; a <= kCells; ++a) {
    for (int b : neighbours(a)) {
      EXPECT_FALSE(corners.contains(a) && corners.contains(b)) << a << "-" << b;
      EXPECT_FALSE(edges.contains(a) && edges.contains(b)) << a << "-" << b;
    }
  }
}

TEST(BoardTables, TheLinesThroughEachCellAreExactlyTheEightLinesOfTheBoard) {
  const std::set<std::set<int>> lines{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7},
                                      {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7}};
  for (int c = 1; c <= kCells; ++c) {
    std::set<std::set<int>> through;
    for (auto [x, y] : linesThrough(c)) through.insert({c, x, y});
    std::set<std::set<int>> expected;
    for (const auto& line : lines) {
      if (line.contains(c)) expected.insert(line);
    }
    EXPECT_EQ(through, expected) << "cell " << c;
    EXPECT_EQ(through.size(), linesThrough(c).size()) << "a line listed twice through " << c;
  }
}

// A bare two-player board with no handlers: the rule steps alone.
class BoardSteps : public ::testing::Test {
 protected:
  BoardSteps() : driver_(ui::Behaviours{}) { driver_.start(ScreenId::game1); }

  void place(Side side, std::initializer_list<int> cells) {
    for (int n : cells) board_.piece(side, n).setVisible(true);
  }
  int shown(Side side) const {
    int count = 0;
    for (int n = 1; n <= kCells; ++n) count += board_.holds(side, n) ? 1 : 0;
    return count;
  }

  ui::Driver driver_;
  Board board_{driver_.rt(), ScreenId::game1};
};

TEST_F(BoardSteps, SelectingFlagsOnePieceOfTheSideAndLeavesTheOtherSide) {
  place(Side::One, {1, 2});
  place(Side::Two, {5});
  selectPiece(board_, Side::Two, 5);
  selectPiece(board_, Side::One, 1);
  selectPiece(board_, Side::One, 2);
  EXPECT_FALSE(board_.isSelected(Side::One, 1));
  EXPECT_TRUE(board_.isSelected(Side::One, 2));
  EXPECT_TRUE(board_.isSelected(Side::Two, 5));
}

TEST_F(BoardSteps, AMoveGoesOnlyAlongALineToAnEmptyNeighbour) {
  struct Case {
    int from, to;
    bool moves;
  };
  const Case cases[] = {{1, 2, true},  {1, 5, true},  {1, 3, false}, {1, 9, false}, {1, 7, false},
                        {2, 4, false}, {2, 6, false}, {2, 5, true},  {5, 9, true},  {4, 6, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + "->" + std::to_string(c.to));
    for (int n = 1; n <= kCells; ++n) board_.piece(Side::One, n).setVisible(false);
    place(Side::One, {c.from});
    selectPiece(board_, Side::One, c.from);
    EXPECT_EQ(tryMove(board_, Side::One, c.to), c.moves);
    EXPECT_EQ(board_.holds(Side::One, c.to), c.moves);
    EXPECT_EQ(board_.holds(Side::One, c.from), !c.moves);
  }
}

TEST_F(BoardSteps, NothingMovesOntoAHeldCellOrWithoutASelection) {
  place(Side::One, {1});
  place(Side::Two, {2});
  EXPECT_FALSE(tryMove(board_, Side::One, 4)) << "no piece selected";
  selectPiece(board_, Side::One, 1);
  EXPECT_FALSE(tryMove(board_, Side::One, 2)) << "held by the other side";
  EXPECT_TRUE(board_.holds(Side::Two, 2));
  EXPECT_EQ(shown(Side::One), 1);
}

TEST_F(BoardSteps, WithTwoFlaggedNeighboursOnlyTheFirstInTableOrderMoves) {
  // Two flags on one side only arise from leftovers; the move still takes just one piece.
  place(Side::One, {9, 1});
  board_.piece(Side::One, 9).setBorderStyle(1);
  board_.piece(Side::One, 1).setBorderStyle(1);
  EXPECT_TRUE(tryMove(board_, Side::One, 5));
  EXPECT_FALSE(board_.holds(Side::One, 1)) << "cell 1 comes first among the centre's neighbours";
  EXPECT_TRUE(board_.holds(Side::One, 9));
  EXPECT_EQ(shown(Side::One), 2);
}

TEST_F(BoardSteps, AMovedPieceArrivesUnselectedAndMustBeSelectedAgain) {
  place(Side::One, {1});
  selectPiece(board_, Side::One, 1);
  ASSERT_TRUE(tryMove(board_, Side::One, 2));
  EXPECT_FALSE(board_.isSelected(Side::One, 2));
  EXPECT_FALSE(tryMove(board_, Side::One, 3));
  EXPECT_FALSE(tryMove(board_, Side::One, 5));
}

TEST_F(BoardSteps, MarkersFollowThePointerUntilItCrossesTheBackground) {
  place(Side::One, {1});
  selectPiece(board_, Side::One, 1);
  showMarkerOnHover(board_, 2, MatchKind::TwoPlayer, false);
  EXPECT_TRUE(board_.marker(2).visible());
  EXPECT_EQ(board_.marker(2).backColour(), kMarkerGreen);
  showMarkerOnHover(board_, 9, MatchKind::TwoPlayer, false);  // not a target
  EXPECT_FALSE(board_.marker(9).visible());
  EXPECT_TRUE(board_.marker(2).visible()) << "leaving a point does not hide its marker";
  hideAllMarkers(board_);
  for (int n = 1; n <= kCells; ++n) EXPECT_FALSE(board_.marker(n).visible());
}

TEST_F(BoardSteps, HoverMarksDependOnTheMatchAndThePhase) {
  struct Case {
    const char* what;
    MatchKind match;
    bool placing;
    Side selected;
    bool shown;
    ui::Colour colour;
  };
  const Case cases[] = {
      {"two-player placing marks a free cell blue", MatchKind::TwoPlayer, true, Side::One, true, kMarkerBlue},
      {"two-player moving marks side two's target", MatchKind::TwoPlayer, false, Side::Two, true,
       kMarkerGreen},
      {"the computer's selection marks nothing", MatchKind::VsComputer, false, Side::Two, false,
       kMarkerGreen},
      {"the player's selection marks its target", MatchKind::VsComputer, false, Side::One, true,
       kMarkerGreen},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ui::Driver d(ui::Behaviours{});
    d.start(ScreenId::game1);
    const Board b(d.rt(), ScreenId::game1);
    // A selected piece far from cell 9 for the placing case, next to it otherwise.
    const int from = c.placing ? 1 : 6;
    b.piece(c.selected, from).setVisible(true);
    selectPiece(b, c.selected, from);
    showMarkerOnHover(b, 9, c.match, c.placing);
    EXPECT_EQ(b.marker(9).visible(), c.shown);
    if (c.shown) {
      EXPECT_EQ(b.marker(9).backColour(), c.colour);
    }
  }
}

TEST_F(BoardSteps, NoMarkerOnAHeldCell) {
  place(Side::One, {1});
  place(Side::Two, {2});
  selectPiece(board_, Side::One, 1);
  showMarkerOnHover(board_, 2, MatchKind::TwoPlayer, true);
  EXPECT_FALSE(board_.marker(2).visible());
}

TEST_F(BoardSteps, ALineCountsOnlyThroughACellTheSideHolds) {
  place(Side::One, {2, 3});
  EXPECT_FALSE(completesLine(board_, Side::One, 1)) << "cell 1 is empty";
  place(Side::One, {1});
  EXPECT_TRUE(completesLine(board_, Side::One, 1));
  EXPECT_TRUE(completesLine(board_, Side::One, 3));
  EXPECT_FALSE(completesLine(board_, Side::Two, 1));
  EXPECT_FALSE(completesLine(board_, Side::One, 5)) << "no line of side one passes through 5";
}

}  // namespace
}  // namespace zorvane::rules

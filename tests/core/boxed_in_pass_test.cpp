// A side that cannot move in the two-player movement phase passes its turn:
// the example position, and every way the six placements can end.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/game_behaviours.h"
#include "rules/board.h"
#include "ui/headless/driver.h"

namespace zorvane {
namespace {

using rules::cellControl;
using ui::Driver;
using ui::ScreenId;

constexpr ScreenId kGame1 = ScreenId::game1;

class BoxedInPass : public ::testing::Test {
 protected:
  void SetUp() override {
    d.start(kGame1);
    d.advance(1);
  }

  ui::ControlRef ctl(const std::string& name) { return d.ctl(kGame1, name); }

  // The pointer on the point, then a click on the marker it brings.
  void place(int cell) {
    ASSERT_EQ(d.hover(kGame1, cellControl('z', cell)), cellControl('z', cell));
    ASSERT_EQ(d.click(kGame1, cellControl('g', cell)), cellControl('g', cell));
  }

  // 1 while side one is on turn, 0 while side two is; -1 when flag and arrows disagree.
  int turn() {
    const int flag = ctl("p1").value();
    const bool one = ctl("i1").visible(), two = ctl("i2").visible();
    if (one == two || (flag == 1) != one) return -1;
    return flag;
  }

  // Whether the side (1 or 0) has a piece with an empty neighbour.
  bool hasMove(int side) {
    static const std::array<std::vector<int>, 10> kNeighbours{{{},
                                                               {2, 4, 5},
                                                               {1, 3, 5},
                                                               {2, 5, 6},
                                                               {1, 5, 7},
                                                               {1, 2, 3, 4, 6, 7, 8, 9},
                                                               {3, 5, 9},
                                                               {4, 5, 8},
                                                               {5, 7, 9},
                                                               {5, 6, 8}}};
    const auto empty = [&](int n) {
      return !ctl(cellControl('m', n)).visible() && !ctl(cellControl('a', n)).visible();
    };
    for (int n = 1; n <= 9; ++n) {
      if (!ctl(cellControl(side == 1 ? 'm' : 'a', n)).visible()) continue;
      for (int t : kNeighbours[static_cast<std::size_t>(n)]) {
        if (empty(t)) return true;
      }
    }
    return false;
  }

  Driver d{app::gameBehaviours(1)};
};

TEST_F(BoxedInPass, SideOneBoxedInAfterThePlacementsPassesAndSideTwoPlaysOn) {
  // Side one on 1, 2, 4 against side two's 3, 5, 7: side one cannot move.
  for (int cell : {1, 3, 2, 5, 4, 7}) place(cell);
  EXPECT_EQ(ctl("full").value(), 1);
  EXPECT_EQ(turn(), 0) << "the turn passed to side two";
  EXPECT_EQ(ctl("scoreulo").text(), "0");
  EXPECT_EQ(ctl("scorecomp").text(), "0");
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::winner)) << "a pass is not announced";

  // Side two moves 5 to 6; side one can move again and takes its turn.
  ASSERT_EQ(d.click(kGame1, "a5"), "a5");
  ASSERT_EQ(d.hover(kGame1, "z6"), "z6");
  ASSERT_EQ(d.click(kGame1, "g6"), "g6");
  EXPECT_TRUE(ctl("a6").visible());
  EXPECT_EQ(turn(), 1);
  ASSERT_EQ(d.click(kGame1, "m2"), "m2");
  ASSERT_EQ(d.hover(kGame1, "z5"), "z5");
  ASSERT_EQ(d.click(kGame1, "g5"), "g5");
  EXPECT_TRUE(ctl("m5").visible());
  EXPECT_EQ(turn(), 0);
}

TEST_F(BoxedInPass, AfterEveryPlacementTheSideOnTurnCanMove) {
  // Every split of six of the nine cells into three for each side, placed
  // alternately from either side: 1,680 placements, each started both ways.
  int games = 0, passes = 0;
  for (int starter : {1, 0}) {
    for (int taken = 0; taken < 512; ++taken) {
      if (__builtin_popcount(static_cast<unsigned>(taken)) != 6) continue;
      std::vector<int> cells;
      for (int n = 1; n <= 9; ++n) {
        if (taken & (1 << (n - 1))) cells.push_back(n);
      }
      // Each choice of three of the six for the starter.
      for (int mine = 0; mine < 64; ++mine) {
        if (__builtin_popcount(static_cast<unsigned>(mine)) != 3) continue;
        std::vector<int> first, second;
        for (std::size_t k = 0; k < cells.size(); ++k) (mine & (1 << k) ? first : second).push_back(cells[k]);
        ASSERT_EQ(d.click(kGame1, "start"), "start");
        if (turn() != starter) {
          ASSERT_EQ(d.click(kGame1, "start"), "start");
        }
        for (std::size_t k = 0; k < 3; ++k) {
          place(first[k]);
          place(second[k]);
        }
        ++games;
        ASSERT_EQ(ctl("full").value(), 1);
        const int onTurn = turn();
        ASSERT_NE(onTurn, -1) << "flag and arrows disagree";
        ASSERT_TRUE(hasMove(onTurn)) << "game " << games;
        // The starter keeps the turn unless it is boxed in.
        ASSERT_EQ(onTurn == starter, hasMove(starter)) << "game " << games;
        if (onTurn != starter) ++passes;
        ASSERT_EQ(ctl("scoreulo").text(), "0");
        ASSERT_EQ(ctl("scorecomp").text(), "0");
      }
    }
  }
  EXPECT_EQ(games, 2 * 1680);
  EXPECT_GT(passes, 0) << "some placements box the starter in";
}

}  // namespace
}  // namespace zorvane

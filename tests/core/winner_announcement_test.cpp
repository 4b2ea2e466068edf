// The winner announcement over the two-player match: its name, its modal
// wait, its one-shot board clear and "OK".
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
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
constexpr ScreenId kWinner = ScreenId::winner;

class WinnerAnnouncement : public ::testing::Test {
 protected:
  WinnerAnnouncement() {
    d.start(kGame1);
    d.advance(1);
  }

  ui::ControlRef ctl(std::string_view name) { return d.ctl(kGame1, std::string(name)); }
  int piecesShown() {
    int shown = 0;
    for (char family : {'m', 'a'}) {
      for (int n = 1; n <= rules::kCells; ++n) shown += ctl(cellControl(family, n)).visible() ? 1 : 0;
    }
    return shown;
  }
  std::string turnState() {
    return "p1=" + std::to_string(ctl("p1").value()) + " i1=" + (ctl("i1").visible() ? "1" : "0") +
           " Label4=" + ctl("Label4").text() + " Label6=" + ctl("Label6").text() +
           " full=" + std::to_string(ctl("full").value());
  }

  void clickCell(int cell) {
    ASSERT_EQ(d.hover(kGame1, cellControl('z', cell)), cellControl('z', cell));
    ASSERT_EQ(d.click(kGame1, cellControl('g', cell)), cellControl('g', cell));
  }
  // Side one places on 1, 4, 8 and side two on 2, 3, 6; side one is to move.
  void placeForSideOnesWin() {
    for (int n : {1, 2, 4, 3, 8, 6}) clickCell(n);
  }
  // Side one moves 8 to 7 and completes 1-4-7; `answer` runs while the click waits.
  void winWith(std::function<void(Driver&)> answer) {
    bool answered = false;
    d.whenModal([&](Driver& dr, ScreenId id) {
      answered = true;
      ASSERT_EQ(id, kWinner);
      answer(dr);
    });
    ASSERT_EQ(d.click(kGame1, "m8"), "m8");
    clickCell(7);
    ASSERT_TRUE(answered) << "no announcement";
  }

  Driver d{app::gameBehaviours(1)};
};

enum class Close { OkButton, EnterKey };
void PrintTo(Close c, std::ostream* os) {
  *os << (c == Close::OkButton ? "OK" : "Enter");
}

class ClosedBy : public WinnerAnnouncement, public ::testing::WithParamInterface<Close> {};

TEST_P(ClosedBy, TheAnnouncementNamesTheWinnerClearsTheBoardOnceAndClosesAlone) {
  ctl("name1").setText("Ann");
  placeForSideOnesWin();
  winWith([&](Driver& dr) {
    EXPECT_TRUE(dr.rt().isModal(kWinner));
    EXPECT_EQ(dr.ctl(kWinner, "winnernme").text(), "FroggyFood Ann");
    EXPECT_TRUE(dr.ctl(kWinner, "Timer1").enabled());
    dr.advance(19);
    EXPECT_EQ(piecesShown(), 6) << "the clear waits for the timer";
    dr.advance(1);
    EXPECT_EQ(piecesShown(), 0);
    EXPECT_FALSE(dr.ctl(kWinner, "Timer1").enabled());
    const std::string cleared = turnState();
    EXPECT_EQ(cleared, "p1=1 i1=1 Label4=0 Label6=0 full=0") << "the winner places first";
    dr.advance(1000);
    EXPECT_EQ(turnState(), cleared) << "a second clear would hand the start to the other side";
    if (GetParam() == Close::OkButton) {
      EXPECT_EQ(dr.click(kWinner, "Command1"), "Command1");
    } else {
      dr.pressEnter(kWinner);
    }
  });
  EXPECT_FALSE(d.rt().isLoaded(kWinner));
  EXPECT_TRUE(d.rt().isShown(kGame1));
  EXPECT_TRUE(d.rt().acceptsInput(kGame1));
  EXPECT_EQ(piecesShown(), 0);
  EXPECT_EQ(turnState(), "p1=1 i1=1 Label4=0 Label6=0 full=0");
  EXPECT_EQ(ctl("scoreulo").text(), "1");
  EXPECT_EQ(ctl("p2name").text(), "FroggyFood Ann");
}

INSTANTIATE_TEST_SUITE_P(WinnerAnnouncement, ClosedBy, ::testing::Values(Close::OkButton, Close::EnterKey));

TEST_F(WinnerAnnouncement, TheNextWinLoadsTheScreenAfreshAndClearsTheBoardAgain) {
  placeForSideOnesWin();
  winWith([](Driver& dr) {
    dr.advance(20);
    dr.click(kWinner, "Command1");
  });
  placeForSideOnesWin();  // the winner places first again
  winWith([&](Driver& dr) {
    EXPECT_TRUE(dr.ctl(kWinner, "Timer1").enabled()) << "a new loading starts the timer again";
    EXPECT_EQ(dr.ctl(kWinner, "winnernme").text(), "FroggyFood player1");
    dr.advance(20);
    EXPECT_EQ(piecesShown(), 0);
    EXPECT_EQ(turnState(), "p1=1 i1=1 Label4=0 Label6=0 full=0");
    dr.click(kWinner, "Command1");
  });
  EXPECT_EQ(ctl("scoreulo").text(), "2");
}

// "OK" unloads the screen and stops its timer: pressed before the tick, the
// board would stay as the winning move left it, with the loser on turn and
// the won line still standing. The win step clears it then, once: the winner
// places first, as after the tick.
TEST_F(WinnerAnnouncement, OkBeforeTheTickStillStartsTheNextGameWithTheWinner) {
  placeForSideOnesWin();
  winWith([](Driver& dr) { dr.click(kWinner, "Command1"); });
  EXPECT_EQ(piecesShown(), 0);
  EXPECT_EQ(turnState(), "p1=1 i1=1 Label4=0 Label6=0 full=0");
  d.advance(100);
  EXPECT_EQ(turnState(), "p1=1 i1=1 Label4=0 Label6=0 full=0") << "cleared once, not again";
}

TEST_F(WinnerAnnouncement, ClicksOutsideTheAnnouncementAreDroppedWhileItWaits) {
  placeForSideOnesWin();
  winWith([&](Driver& dr) {
    dr.advance(20);
    EXPECT_EQ(dr.click(kGame1, "start"), std::nullopt);
    EXPECT_EQ(dr.click(kGame1, "scoreulo"), std::nullopt);
    dr.close(kGame1);
    EXPECT_TRUE(dr.rt().isShown(kGame1));
    EXPECT_EQ(ctl("cmd").text(), "");
    dr.click(kWinner, "Command1");
  });
  EXPECT_EQ(turnState(), "p1=1 i1=1 Label4=0 Label6=0 full=0");
}

}  // namespace
}  // namespace zorvane

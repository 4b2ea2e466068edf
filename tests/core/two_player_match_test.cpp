// The two-player match `game1` played as people play it: placements, the
// movement phase, wins with their announcement, new games and closing.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/game_behaviours.h"
#include "rules/board.h"
#include "rules/rule_steps.h"
#include "ui/headless/driver.h"

namespace zorvane {
namespace {

using rules::cellControl;
using ui::Driver;
using ui::ScreenId;

constexpr ScreenId kGame1 = ScreenId::game1;

class TwoPlayerMatch : public ::testing::Test {
 protected:
  // `game1` on its own, after its start-up step.
  void openScreen() {
    d.start(kGame1);
    d.advance(1);
  }

  // The way a person gets there: the splash, then the menu.
  void openThroughMenu(std::string_view playerOne, std::string_view playerTwo) {
    d.start();
    d.advance(4000);
    playFromMenu(playerOne, playerTwo);
  }

  // On the shown menu: a name, "2 player", the entry's name, portrait and "OK", a bug, "Play !".
  void playFromMenu(std::string_view playerOne, std::string_view playerTwo) {
    ASSERT_TRUE(d.rt().acceptsInput(ScreenId::Welcome));
    d.type(ScreenId::Welcome, "Text1", playerOne);
    bool entryAnswered = false;
    d.whenModal([&](Driver& dr, ScreenId id) {
      ASSERT_EQ(id, ScreenId::player);
      dr.type(ScreenId::player, "p2", playerTwo);
      dr.click(ScreenId::player, "i3");
      chosenPortrait = dr.ctl(ScreenId::player, "i3").picture();
      dr.click(ScreenId::player, "Command1");
      entryAnswered = true;
    });
    d.click(ScreenId::Welcome, "vs2");
    ASSERT_TRUE(entryAnswered);
    d.click(ScreenId::Welcome, "b2");
    chosenPiece = d.ctl(ScreenId::Welcome, "b2").picture();
    d.click(ScreenId::Welcome, "Command1");
    ASSERT_TRUE(d.rt().isShown(kGame1));
  }

  ui::ControlRef ctl(std::string_view name) { return d.ctl(kGame1, std::string(name)); }
  std::string text(std::string_view name) { return ctl(name).text(); }

  // Cells 1..9 as 'm' (side one), 'a' (side two) or '.' (empty).
  std::string board() {
    std::string cells;
    for (int n = 1; n <= rules::kCells; ++n) {
      cells += ctl(cellControl('m', n)).visible() ? 'm' : ctl(cellControl('a', n)).visible() ? 'a' : '.';
    }
    return cells;
  }
  std::string framedPieces() {
    std::string framed;
    for (char family : {'m', 'a'}) {
      for (int n = 1; n <= rules::kCells; ++n) {
        if (ctl(cellControl(family, n)).borderStyle() == 1) framed += cellControl(family, n) + " ";
      }
    }
    return framed;
  }

  // Turn flag, arrows, counters and phase in one line, for whole-state checks.
  std::string turnState() {
    return "p1=" + std::to_string(ctl("p1").value()) + " i1=" + (ctl("i1").visible() ? "1" : "0") +
           " i2=" + (ctl("i2").visible() ? "1" : "0") + " Label4=" + text("Label4") +
           " Label6=" + text("Label6") + " full=" + std::to_string(ctl("full").value());
  }

  // The pointer arrives on a cell's point; a marker left shown covers only its middle.
  void pointAt(int cell) {
    const std::string point = cellControl('z', cell);
    ASSERT_EQ(d.hover(kGame1, point), point);
  }
  // The pointer on the white board around the points hides every marker.
  void pointAtBoard() { ASSERT_EQ(d.hover(kGame1, "Label1"), "Label1"); }

  // A placement as a person makes it: the pointer reaches the point, the blue marker comes, it is clicked.
  void place(int cell) {
    const std::string marker = cellControl('g', cell);
    pointAt(cell);
    ASSERT_TRUE(ctl(marker).visible()) << marker;
    EXPECT_EQ(ctl(marker).backColour(), rules::kMarkerBlue) << marker;
    ASSERT_EQ(d.click(kGame1, marker), marker);
  }
  void placeAll(const std::vector<int>& cells) {
    for (int n : cells) place(n);
  }

  void select(char family, int cell) {
    const std::string piece = cellControl(family, cell);
    ASSERT_EQ(d.click(kGame1, piece), piece);
  }
  // Select, point at the target, click its green marker.
  void move(char family, int from, int to) {
    select(family, from);
    const std::string marker = cellControl('g', to);
    pointAt(to);
    ASSERT_TRUE(ctl(marker).visible()) << marker;
    EXPECT_EQ(ctl(marker).backColour(), rules::kMarkerGreen) << marker;
    ASSERT_EQ(d.click(kGame1, marker), marker);
  }

  // Answers the next announcement: lets its timer clear the board, then "OK".
  void answerAnnouncement(std::string* shownName) {
    d.whenModal([shownName](Driver& dr, ScreenId id) {
      ASSERT_EQ(id, ScreenId::winner);
      if (shownName) *shownName = dr.ctl(ScreenId::winner, "winnernme").text();
      dr.advance(20);
      dr.click(ScreenId::winner, "Command1");
    });
  }

  Driver d{app::gameBehaviours(1)};
  ui::Picture chosenPiece, chosenPortrait;
};

TEST_F(TwoPlayerMatch, StartUpStepRunsOnceOnTheOneMillisecondTimer) {
  d.start(kGame1);
  EXPECT_EQ(ctl("p1").value(), 2) << "before the tick neither side is on turn";
  EXPECT_TRUE(ctl("Timer1").enabled());
  ctl("Image12").setPicture(ui::Picture("entry_piece4"));
  d.advance(1);
  EXPECT_EQ(turnState(), "p1=1 i1=1 i2=0 Label4=0 Label6=0 full=0");
  EXPECT_FALSE(ctl("Timer1").enabled());
  EXPECT_EQ(ctl("Image11").picture(), ctl("m1").picture());
  for (int n = 1; n <= rules::kCells; ++n) {
    EXPECT_EQ(ctl(cellControl('a', n)).picture(), ui::Picture("entry_piece4")) << n;
  }
  // A second tick would hand the turn back to side one.
  d.rt().userCheck(kGame1, "p1", 0);
  d.advance(1000);
  EXPECT_EQ(ctl("p1").value(), 0);
}

TEST_F(TwoPlayerMatch, TheMenuSetsUpTheScreenAndItsStartUpCopiesThePictures) {
  openThroughMenu("Ann", "Bob");
  const ui::Picture playerTwo = ctl("Image12").picture();
  EXPECT_EQ(playerTwo, chosenPortrait);
  EXPECT_NE(playerTwo, chosenPiece);
  d.advance(1);
  EXPECT_EQ(turnState(), "p1=1 i1=1 i2=0 Label4=0 Label6=0 full=0");
  EXPECT_EQ(board(), ".........");
  EXPECT_EQ(ctl("Image11").picture(), chosenPiece);
  for (int n = 1; n <= rules::kCells; ++n) {
    EXPECT_EQ(ctl(cellControl('m', n)).picture(), chosenPiece) << n;
    EXPECT_EQ(ctl(cellControl('a', n)).picture(), playerTwo) << n;
  }
  EXPECT_EQ(text("p2name"), "FroggyFood Ann");
  EXPECT_EQ(text("Label5"), "FroggyFood Bob");
  EXPECT_EQ(text("scoreulo"), "0");
  EXPECT_EQ(text("scorecomp"), "0");
  EXPECT_EQ(d.rt().windowHeight(kGame1), 4770);
}

TEST_F(TwoPlayerMatch, AWholeGameFromPlacementToTheWinnersNextGame) {
  openThroughMenu("Ann", "Bob");
  d.advance(1);

  // Side one places on 1, 4, 9 and side two on 2, 3, 6, alternately; each placement hands the turn over.
  const std::vector<int> cells{1, 2, 4, 3, 9, 6};
  for (std::size_t k = 0; k < cells.size(); ++k) {
    place(cells[k]);
    const int placed = static_cast<int>(k) + 1;
    const bool sideOneNext = placed % 2 == 0;
    EXPECT_TRUE(ctl(cellControl(sideOneNext ? 'a' : 'm', cells[k])).visible()) << "placement " << placed;
    EXPECT_EQ(turnState(), std::string("p1=") + (sideOneNext ? "1 i1=1 i2=0" : "0 i1=0 i2=1") +
                               " Label4=" + std::to_string(placed) + " Label6=" + std::to_string(placed) +
                               " full=" + (placed == 6 ? "1" : "0"));
  }
  EXPECT_EQ(board(), "maam.a..m");

  // The movement phase: side one first, then side two, then side one completes 1-4-7.
  move('m', 9, 8);
  EXPECT_EQ(board(), "maam.a.m.");
  EXPECT_EQ(ctl("m8").borderStyle(), 0) << "a moved piece arrives without a frame";
  EXPECT_EQ(turnState(), "p1=0 i1=0 i2=1 Label4=6 Label6=6 full=1");
  move('a', 6, 5);
  EXPECT_EQ(board(), "maama..m.");
  EXPECT_EQ(turnState(), "p1=1 i1=1 i2=0 Label4=6 Label6=6 full=1");

  bool announced = false;
  d.whenModal([&](Driver& dr, ScreenId id) {
    announced = true;
    ASSERT_EQ(id, ScreenId::winner);
    EXPECT_TRUE(dr.rt().isModal(ScreenId::winner));
    EXPECT_EQ(dr.ctl(ScreenId::winner, "winnernme").text(), "FroggyFood Ann");
    EXPECT_EQ(text("scoreulo"), "1");
    // The move has already handed the turn to side two.
    EXPECT_EQ(board(), "maama.m..");
    EXPECT_EQ(turnState(), "p1=0 i1=0 i2=1 Label4=6 Label6=6 full=1");
    EXPECT_EQ(dr.click(kGame1, "start"), std::nullopt) << "the board is blocked while the click waits";
    dr.advance(19);
    EXPECT_EQ(board(), "maama.m..");
    dr.advance(1);
    EXPECT_EQ(board(), ".........");
    EXPECT_EQ(turnState(), "p1=1 i1=1 i2=0 Label4=0 Label6=0 full=0") << "the winner places first";
    EXPECT_EQ(dr.click(ScreenId::winner, "Command1"), "Command1");
  });
  move('m', 8, 7);
  ASSERT_TRUE(announced);
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::winner));
  EXPECT_TRUE(d.rt().acceptsInput(kGame1));
  EXPECT_EQ(board(), ".........");
  EXPECT_EQ(text("scoreulo"), "1");
  EXPECT_EQ(text("scorecomp"), "0");
  place(5);
  EXPECT_EQ(board(), "....m....");
}

TEST_F(TwoPlayerMatch, SideTwoWinsByAMoveAndPlacesFirstInTheNextGame) {
  openThroughMenu("Ann", "Bob");
  d.advance(1);
  placeAll({2, 3, 4, 6, 9, 7});
  EXPECT_EQ(board(), ".mam.aa.m");
  move('m', 2, 1);
  EXPECT_EQ(board(), "m.am.aa.m");
  std::string announced;
  answerAnnouncement(&announced);
  move('a', 6, 5);
  EXPECT_EQ(announced, "FroggyFood Bob");
  EXPECT_EQ(text("scorecomp"), "1");
  EXPECT_EQ(text("scoreulo"), "0");
  EXPECT_EQ(board(), ".........");
  EXPECT_EQ(turnState(), "p1=0 i1=0 i2=1 Label4=1 Label6=0 full=0");
  place(5);
  EXPECT_EQ(board(), "....a....");
}

TEST_F(TwoPlayerMatch, ALineCompletedWhilePlacingDoesNotWinButTheSameLineMovedIntoDoes) {
  openScreen();
  placeAll({1, 4, 2, 5, 3});
  EXPECT_EQ(board(), "mmmaa....");
  EXPECT_EQ(text("scoreulo"), "0");
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::winner));
  place(7);
  EXPECT_EQ(turnState(), "p1=1 i1=1 i2=0 Label4=6 Label6=6 full=1") << "play goes on into the movement phase";
  move('m', 3, 6);
  move('a', 7, 8);
  EXPECT_EQ(board(), "mm.aam.a.");
  EXPECT_EQ(text("scoreulo"), "0");
  std::string announced;
  answerAnnouncement(&announced);
  move('m', 6, 3);
  EXPECT_EQ(announced, "FroggyFood player1");
  EXPECT_EQ(text("scoreulo"), "1");
}

struct PieceClickCase {
  const char* what;
  std::vector<int> placements;
  std::vector<std::string> clicks;
  std::string framed;
  friend void PrintTo(const PieceClickCase& c, std::ostream* os) { *os << c.what; }
};

class PieceClick : public TwoPlayerMatch, public ::testing::WithParamInterface<PieceClickCase> {};

TEST_P(PieceClick, SelectsOnlyInTheMovementPhaseAndOnlyForTheSideOnTurn) {
  const PieceClickCase& c = GetParam();
  openScreen();
  for (int n : c.placements) place(n);
  const std::string before = board(), turn = turnState();
  for (const std::string& piece : c.clicks) ASSERT_EQ(d.click(kGame1, piece), piece);
  EXPECT_EQ(framedPieces(), c.framed);
  EXPECT_EQ(board(), before) << "a click on a piece never moves one";
  EXPECT_EQ(turnState(), turn);
}

const std::vector<int> kSixPlacements{1, 2, 4, 3, 9, 6};  // side one on 1, 4, 9; side two on 2, 3, 6

INSTANTIATE_TEST_SUITE_P(
    TwoPlayerMatch, PieceClick,
    ::testing::Values(
        PieceClickCase{"placing, the side on turn", {1, 2}, {"m1"}, ""},
        PieceClickCase{"placing, the side not on turn", {1, 2}, {"a2"}, ""},
        PieceClickCase{"placing, the sixth piece not yet down", {1, 2, 4, 3, 9}, {"m1", "a2"}, ""},
        PieceClickCase{"moving, the side not on turn", kSixPlacements, {"a2"}, ""},
        PieceClickCase{"moving, the side on turn", kSixPlacements, {"m4"}, "m4 "},
        PieceClickCase{"moving, selecting again", kSixPlacements, {"m4", "m1"}, "m1 "},
        PieceClickCase{"moving, then the other side's piece", kSixPlacements, {"m1", "a2"}, "m1 "}));

class StartButton : public TwoPlayerMatch, public ::testing::WithParamInterface<int> {};

// The parameter is the number of placements made before the button is pressed.
TEST_P(StartButton, TheSideNotOnTurnStartsAndPressingAgainAlternates) {
  const int made = GetParam();
  openScreen();
  for (int k = 0; k < made; ++k) place(kSixPlacements[static_cast<std::size_t>(k)]);
  const bool sideOneWasOnTurn = made % 2 == 0;
  const std::string sideTwoStarts = "p1=0 i1=0 i2=1 Label4=1 Label6=0 full=0";
  const std::string sideOneStarts = "p1=1 i1=1 i2=0 Label4=0 Label6=0 full=0";
  ASSERT_EQ(d.click(kGame1, "start"), "start");
  EXPECT_EQ(board(), ".........");
  EXPECT_EQ(turnState(), sideOneWasOnTurn ? sideTwoStarts : sideOneStarts);
  ASSERT_EQ(d.click(kGame1, "start"), "start");
  EXPECT_EQ(turnState(), sideOneWasOnTurn ? sideOneStarts : sideTwoStarts);
  ASSERT_EQ(d.click(kGame1, "start"), "start");
  EXPECT_EQ(turnState(), sideOneWasOnTurn ? sideTwoStarts : sideOneStarts);
  place(5);
  EXPECT_EQ(board(), sideOneWasOnTurn ? "....a...." : "....m....");
  EXPECT_EQ(text("scoreulo"), "0");
  EXPECT_EQ(text("scorecomp"), "0");
}

INSTANTIATE_TEST_SUITE_P(TwoPlayerMatch, StartButton, ::testing::Range(0, 7));

TEST_F(TwoPlayerMatch, AGameThatSideTwoStartsEndsItsPlacementsWithSideTwoToMove) {
  openScreen();
  ASSERT_EQ(d.click(kGame1, "start"), "start");
  placeAll({5, 1, 2, 3, 4, 6});
  EXPECT_EQ(board(), "mamaam...");
  EXPECT_EQ(turnState(), "p1=0 i1=0 i2=1 Label4=7 Label6=6 full=1");
  select('a', 2);
  EXPECT_EQ(framedPieces(), "a2 ");
}

TEST_F(TwoPlayerMatch, MarkersAreBlueWhilePlacingAndGreenForEitherSidesSelection) {
  openScreen();
  d.hover(kGame1, "z5");
  d.hover(kGame1, "z1");
  EXPECT_TRUE(ctl("g5").visible()) << "leaving a point does not hide its marker";
  EXPECT_EQ(ctl("g1").backColour(), rules::kMarkerBlue);
  pointAtBoard();
  EXPECT_FALSE(ctl("g5").visible());
  EXPECT_FALSE(ctl("g1").visible());
  placeAll(kSixPlacements);
  EXPECT_EQ(d.hover(kGame1, "z1"), "m1") << "a held cell's piece takes the pointer";

  pointAtBoard();
  d.hover(kGame1, "z5");
  EXPECT_FALSE(ctl("g5").visible()) << "no blue marker once the board is full, and nothing is selected";
  move('m', 9, 8);
  select('a', 6);
  pointAt(9);
  EXPECT_TRUE(ctl("g9").visible()) << "side two's selection marks its targets too";
  EXPECT_EQ(ctl("g9").backColour(), rules::kMarkerGreen);
}

TEST_F(TwoPlayerMatch, AMovedPieceMustBeSelectedAgainBeforeItMovesAgain) {
  openScreen();
  placeAll(kSixPlacements);
  move('m', 9, 8);
  move('a', 6, 5);
  pointAtBoard();
  EXPECT_EQ(d.hover(kGame1, "z9"), "z9");
  EXPECT_FALSE(ctl("g9").visible());
  EXPECT_EQ(d.click(kGame1, "g9"), "z9") << "without its marker the click lands on the point";
  EXPECT_EQ(board(), "maama..m.");
  EXPECT_EQ(ctl("p1").value(), 1);
  move('m', 8, 9);
  EXPECT_EQ(board(), "maama...m");
}

// A line test that looked at the clicked cell's partners alone would let a
// side score on cells 3 to 9 by clicking the marker of an empty cell whose two
// partners it holds, without moving. A line counts only when the mover's
// piece arrives on the clicked cell.
TEST_F(TwoPlayerMatch, AMarkerLeftFromPlacingNeverScoresWithoutAMove) {
  openScreen();
  placeAll({1, 2, 4});
  d.hover(kGame1, "z7");  // the pointer crosses 7 on its way; its blue marker stays
  placeAll({3, 9, 6});
  ASSERT_EQ(board(), "maam.a..m");
  ASSERT_TRUE(ctl("g7").visible());
  bool announced = false;
  d.whenModal([&](Driver& dr, ScreenId) {
    announced = true;
    dr.advance(20);
    dr.click(ScreenId::winner, "Command1");
  });
  // Side one holds 1 and 4, has nothing selected next to 7, and clicks 7.
  EXPECT_EQ(d.click(kGame1, "g7"), "g7");
  EXPECT_FALSE(announced);
  EXPECT_EQ(text("scoreulo"), "0");
  EXPECT_EQ(board(), "maam.a..m");
  EXPECT_EQ(turnState(), "p1=1 i1=1 i2=0 Label4=6 Label6=6 full=1");
}

TEST_F(TwoPlayerMatch, AMarkerShownForTheOtherSidesPieceNeverScoresWithoutAMove) {
  openScreen();
  placeAll({1, 2, 3, 8, 5, 9});
  ASSERT_EQ(board(), "mam.m..aa");
  select('m', 5);
  d.hover(kGame1, "z7");  // green for side one's piece on 5
  ASSERT_TRUE(ctl("g7").visible());
  move('m', 5, 4);
  ASSERT_EQ(board(), "mamm...aa");
  bool announced = false;
  d.whenModal([&](Driver& dr, ScreenId) {
    announced = true;
    dr.advance(20);
    dr.click(ScreenId::winner, "Command1");
  });
  // Side two holds 8 and 9, has nothing selected next to 7, and clicks 7.
  EXPECT_EQ(d.click(kGame1, "g7"), "g7");
  EXPECT_FALSE(announced);
  EXPECT_EQ(text("scorecomp"), "0");
  EXPECT_EQ(board(), "mamm...aa");
  EXPECT_EQ(ctl("p1").value(), 0);
}

// The two ways a game ends early or late; both must leave no frame behind.
enum class NewGamePath { StartButton, Announcement };
void PrintTo(NewGamePath path, std::ostream* os) {
  *os << (path == NewGamePath::StartButton ? "the start button" : "the announcement's timer");
}

class NewGameFrames : public TwoPlayerMatch, public ::testing::WithParamInterface<NewGamePath> {};

// A move leaves its frame on the hidden source image. Were it kept, a piece
// placed on that cell in the next game would show selected and could move
// without its owner selecting it.
TEST_P(NewGameFrames, NoFrameComesBackOnAPiecePlacedInTheNextGame) {
  openScreen();
  placeAll(kSixPlacements);
  move('m', 9, 8);
  move('a', 6, 5);
  if (GetParam() == NewGamePath::StartButton) {
    ASSERT_EQ(d.click(kGame1, "start"), "start");
  } else {
    std::string announced;
    answerAnnouncement(&announced);
    move('m', 8, 7);
    ASSERT_FALSE(announced.empty());
  }
  EXPECT_EQ(board(), ".........");
  EXPECT_EQ(framedPieces(), "");
  pointAtBoard();
  placeAll({6, 8, 9, 1, 2, 3});  // onto the cells whose images carried frames
  EXPECT_EQ(framedPieces(), "");
  d.hover(kGame1, "z5");
  EXPECT_FALSE(ctl("g5").visible()) << "no piece next to 5 is selected";
}

INSTANTIATE_TEST_SUITE_P(TwoPlayerMatch, NewGameFrames,
                         ::testing::Values(NewGamePath::StartButton, NewGamePath::Announcement));

TEST_F(TwoPlayerMatch, ClosingTheWindowBringsBackTheMenuAndNothingOfTheMatchSurvives) {
  openThroughMenu("Ann", "Bob");
  d.advance(1);
  placeAll({1, 2, 4, 3, 8, 6});
  answerAnnouncement(nullptr);
  move('m', 8, 7);
  ASSERT_EQ(text("scoreulo"), "1");
  place(5);
  d.click(kGame1, "Image11");  // the panel counter moves too
  d.close(kGame1);
  EXPECT_FALSE(d.rt().isLoaded(kGame1));
  EXPECT_TRUE(d.rt().isShown(ScreenId::Welcome));
  EXPECT_TRUE(d.rt().acceptsInput(ScreenId::Welcome));
  EXPECT_TRUE(d.alive());

  playFromMenu("Cy", "Di");
  d.advance(1);
  EXPECT_EQ(board(), ".........");
  EXPECT_EQ(turnState(), "p1=1 i1=1 i2=0 Label4=0 Label6=0 full=0");
  EXPECT_EQ(text("scoreulo"), "0");
  EXPECT_EQ(text("scorecomp"), "0");
  EXPECT_EQ(text("p2name"), "FroggyFood Cy");
  EXPECT_EQ(text("Label5"), "FroggyFood Di");
  EXPECT_EQ(text("cmd"), "");
}

}  // namespace
}  // namespace zorvane

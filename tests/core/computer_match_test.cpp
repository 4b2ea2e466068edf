// The match against the computer `game` played through its controls: the
// player's turn, the computer's visible pause, ignored clicks, markers, the
// three strengths, wins with their announcement, new games, scores, closing.
#include "screens/computer_match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ai/levels.h"
#include "ai/opening.h"
#include "ai/position.h"
#include "ai/random.h"
#include "ai/solved_game.h"
#include "app/game_behaviours.h"
#include "rules/board.h"
#include "rules/rule_steps.h"
#include "tests/core/computer_match_fixture.h"
#include "ui/headless/driver.h"
#include "ui/hit_test.h"
#include "ui/layout.h"

namespace zorvane {
namespace {

using namespace testing_match;
using rules::cellControl;
using ui::Driver;
using ui::ScreenId;

class ComputerMatch : public ::testing::Test {
 protected:
  Match m{1};
};

TEST_F(ComputerMatch, OpensOnTheOpeningWithThePlayerToMove) {
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
  EXPECT_EQ(m.scores(), "0:0");
  EXPECT_EQ(m.text("Label4"), "Ann");
  EXPECT_EQ(m.text("Label6"), "Mr.Computer");
  EXPECT_EQ(m.ctl("levelNormal").value(), 1);
  EXPECT_EQ(m.ctl("levelEasy").value() + m.ctl("levelPerfect").value(), 0);
  EXPECT_EQ(m.markersShown(), "");
}

TEST_F(ComputerMatch, TheComputerAnswersWithItsFramedPieceAfterTheVisiblePause) {
  m.move(kProbe);
  EXPECT_EQ(m.board(), "amm.ma.a.");
  EXPECT_EQ(m.turn(), "computer");
  EXPECT_TRUE(m.ctl("Timer1").enabled());
  const std::string chosen = m.framed();
  ASSERT_EQ(chosen.size(), 3u) << "one framed piece, the computer's: " << chosen;
  EXPECT_EQ(chosen[0], 'a');
  const int from = chosen[1] - '0';

  m.d.advance(kPause - 1);
  EXPECT_EQ(m.state(), "amm.ma.a. [" + chosen + "] computer pausing")
      << "the choice stays shown through the pause";

  m.d.advance(1);
  const std::string after = m.board();
  EXPECT_EQ(after[from - 1], '.') << after;
  int arrived = 0;
  for (int n : rules::neighbours(from)) {
    if (after[n - 1] == 'a') arrived = n;
  }
  ASSERT_NE(arrived, 0) << "the piece steps along a line: " << after;
  std::string expected = "amm.ma.a.";
  expected[from - 1] = '.';
  expected[arrived - 1] = 'a';
  EXPECT_EQ(m.state(), expected + " [] player");
  EXPECT_EQ(m.scores(), "0:0");

  m.d.advance(5 * kPause);
  EXPECT_EQ(m.state(), expected + " [] player") << "the pause is one-shot";
}

TEST_F(ComputerMatch, ClicksAndHoversDuringThePauseChangeNothing) {
  m.move(kProbe);
  m.pointAtBoard();
  m.d.advance(kPause / 2);
  const std::string during = m.state();
  for (int n = 1; n <= rules::kCells; ++n) {
    const char held = during[n - 1];
    if (held == '.') {
      m.pointAt(n);
      m.clickCell(n);
      m.d.rt().click(kGame, cellControl('g', n));  // a hidden marker, reached directly
    } else {
      EXPECT_EQ(m.d.click(kGame, cellControl(held, n)), cellControl(held, n));
    }
  }
  EXPECT_EQ(m.state(), during);
  EXPECT_EQ(m.markersShown(), "") << "the computer's framed piece shows no marker";

  m.d.advance(kPause - kPause / 2);
  EXPECT_EQ(m.turn(), "player");
  EXPECT_EQ(m.framed(), "") << "a piece clicked during the pause was not selected";
}

// Only a real move of the player hands the turn over.
struct PlayerClick {
  const char* what;
  std::vector<int> selections;  // pieces clicked, in order
  int cell;                     // the cell clicked afterwards
  std::string_view board;       // the board after the click
  const char* turn;
};
void PrintTo(const PlayerClick& c, std::ostream* os) {
  *os << c.what;
}

class PlayersClick : public ComputerMatch, public ::testing::WithParamInterface<PlayerClick> {};

TEST_P(PlayersClick, MovesAndHandsOverOnlyWhenAPieceMoves) {
  const PlayerClick& c = GetParam();
  for (int n : c.selections) m.select(n);
  m.pointAt(c.cell);
  m.clickCell(c.cell);
  EXPECT_EQ(m.board(), c.board);
  EXPECT_EQ(m.turn(), c.turn);
  EXPECT_EQ(m.ctl("Timer1").enabled(), std::string_view(c.turn) == "computer");
}

INSTANTIATE_TEST_SUITE_P(ComputerMatch, PlayersClick,
                         ::testing::Values(PlayerClick{"NoSelection", {}, 5, kOpeningBoard, "player"},
                                           PlayerClick{"NotANeighbour", {2}, 7, kOpeningBoard, "player"},
                                           PlayerClick{"EdgeToCorner", {4}, 7, "amm..ama.", "computer"},
                                           PlayerClick{
                                               "TheLastSelectionMoves", {3, 4}, 5, "amm.ma.a.", "computer"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(ComputerMatch, ClicksOnTheComputersPiecesDoNothing) {
  m.select(4);
  for (int n : {1, 6, 8}) EXPECT_EQ(m.d.click(kGame, cellControl('a', n)), cellControl('a', n));
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [m4 ] player");
  m.pointAt(5);
  EXPECT_EQ(m.clickCell(5), "g5") << "the player's selection survives";
  EXPECT_EQ(m.board(), "amm.ma.a.");
}

TEST_F(ComputerMatch, MarkersShowOnlyForThePlayersSelectedPieceAndHideOverTheBackground) {
  for (int n : {5, 7, 9}) m.pointAt(n);
  EXPECT_EQ(m.markersShown(), "") << "nothing selected";

  m.select(4);
  m.pointAt(9);
  EXPECT_EQ(m.markersShown(), "") << "9 is no neighbour of 4";
  m.pointAt(5);
  m.pointAt(7);
  m.pointAt(9);
  EXPECT_EQ(m.markersShown(), "g5 g7 ") << "leaving a point does not hide its marker";
  EXPECT_EQ(m.ctl("g5").backColour(), rules::kMarkerGreen);
  m.pointAtBoard();
  EXPECT_EQ(m.markersShown(), "");

  m.move(kProbe);
  m.pointAtBoard();
  ASSERT_EQ(m.turn(), "computer");
  for (int n = 1; n <= rules::kCells; ++n) {
    if (m.board()[n - 1] == '.') m.pointAt(n);
  }
  EXPECT_EQ(m.markersShown(), "") << "the computer's framed piece is not the player's";
}

TEST_F(ComputerMatch, StartDuringThePauseSetsUpTheOpeningAndDropsTheComputersMove) {
  m.select(4);
  m.pointAt(7);
  m.move(kProbe);
  m.d.advance(kPause - 1);
  ASSERT_EQ(m.turn(), "computer");
  ASSERT_EQ(m.d.click(kGame, "start"), "start");
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
  EXPECT_EQ(m.markersShown(), "");
  m.d.advance(5 * kPause);
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player") << "no late move";

  // The next game runs as usual.
  m.move(kProbe);
  EXPECT_EQ(m.turn(), "computer");
  m.awaitComputer();
  EXPECT_EQ(m.turn(), "player");
}

TEST_F(ComputerMatch, ClosingDuringThePauseBringsANewMenuAndTheNextMatchStartsAfresh) {
  m.move(kProbe);
  m.d.advance(kPause / 2);
  m.d.close(kGame);
  EXPECT_FALSE(m.d.rt().isLoaded(kGame));
  EXPECT_TRUE(m.d.rt().isShown(ScreenId::Welcome));
  m.d.advance(5 * kPause);
  EXPECT_FALSE(m.d.rt().isLoaded(kGame)) << "a late tick would have loaded the screen again";
  EXPECT_TRUE(m.d.rt().acceptsInput(ScreenId::Welcome));
  EXPECT_NE(m.d.ctl(ScreenId::Welcome, "Text1").text(), "Ann") << "a new menu";

  m.openFromMenu("Bo");
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
  EXPECT_EQ(m.text("Label4"), "Bo");
  m.d.advance(5 * kPause);
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
}

// Two of the player's pieces on a line and its third cell empty: clicking
// that cell without moving a piece into it is no win, however often.
TEST_F(ComputerMatch, ALineIsCountedOnlyWhenAMoveCompletesIt) {
  m.answerAnnouncements();
  m.move(kProbe);  // the player on 2, 3, 5
  m.awaitComputer();
  ASSERT_EQ(m.turn(), "player");
  const ai::Position p = m.position();
  int open = 0;
  for (int n = 1; n <= rules::kCells && !open; ++n) {
    if (m.board()[n - 1] != '.') continue;
    for (auto [first, second] : rules::linesThrough(n)) {
      if ((p.toMove & ai::cellBit(first)) && (p.toMove & ai::cellBit(second))) open = n;
    }
  }
  ASSERT_NE(open, 0) << m.board();
  const std::string before = m.state();

  for (int k = 0; k < 3; ++k) m.clickCell(open);
  // A selected piece that is no neighbour of the cell does not move either.
  for (int n = 1; n <= rules::kCells; ++n) {
    const auto& near = rules::neighbours(open);
    if (m.board()[n - 1] == 'm' && std::find(near.begin(), near.end(), n) == near.end()) {
      m.select(n);
      m.clickCell(open);
      break;
    }
  }
  EXPECT_EQ(m.scores(), "0:0");
  EXPECT_TRUE(m.announced.empty());
  EXPECT_FALSE(m.d.rt().isLoaded(kWinner));
  EXPECT_EQ(m.board(), before.substr(0, 9));
  EXPECT_EQ(m.turn(), "player");
}

// The first reply to the probe falls within what the chosen strength allows,
// and a weaker strength is seen to make a choice a stronger one never makes.
struct LevelCase {
  ai::Level level;
};
void PrintTo(LevelCase c, std::ostream* os) {
  *os << levelButton(c.level);
}

class Strength : public ::testing::TestWithParam<LevelCase> {};

TEST_P(Strength, TheChosenStrengthPicksTheComputersMoves) {
  const ai::Level level = GetParam().level;
  const ai::Position reply = ai::play(ai::kOpening, kProbe);
  Match m(7);
  if (level != ai::Level::Normal) m.chooseLevel(level);
  bool belowNext = false;  // a move outside the next stronger strength's choices
  for (int game = 0; game < 16; ++game) {
    m.move(kProbe);
    const ai::Move made = m.awaitComputer();
    EXPECT_TRUE(mayChoose(level, reply, made)) << moveText(made);
    if (level != ai::Level::Perfect) {
      const auto stronger = static_cast<ai::Level>(static_cast<int>(level) + 1);
      belowNext = belowNext || !mayChoose(stronger, reply, made);
    }
    ASSERT_EQ(m.d.click(kGame, "start"), "start");
  }
  // Here Hard sees everything that matters and plays as Perfect; where the
  // two differ is shown over every position in the strengths' own tests.
  if (level == ai::Level::Easy || level == ai::Level::Normal) {
    EXPECT_TRUE(belowNext) << "plays like a stronger level";
  }
}

INSTANTIATE_TEST_SUITE_P(ComputerMatch, Strength,
                         ::testing::Values(LevelCase{ai::Level::Easy}, LevelCase{ai::Level::Normal},
                                           LevelCase{ai::Level::Hard}, LevelCase{ai::Level::Perfect}),
                         [](const auto& info) { return std::string(levelButton(info.param.level)); });

// The computer chooses at once: a change during the pause leaves the shown
// choice as it is and applies from the next move.
TEST_F(ComputerMatch, AStrengthChangeAppliesFromTheComputersNextMove) {
  const ai::Position reply = ai::play(ai::kOpening, kProbe);
  const ai::MoveList perfect = ai::candidateMoves(ai::Level::Perfect, reply);
  m.chooseLevel(ai::Level::Perfect);
  bool easySeen = false;
  for (int round = 0; round < 12; ++round) {
    m.move(kProbe);
    m.chooseLevel(ai::Level::Easy);
    const ai::Move chosenPerfect = m.awaitComputer();
    EXPECT_TRUE(contains(perfect, chosenPerfect)) << "round " << round << ": " << moveText(chosenPerfect);
    ASSERT_EQ(m.d.click(kGame, "start"), "start");

    m.move(kProbe);
    m.chooseLevel(ai::Level::Perfect);
    easySeen = easySeen || !contains(perfect, m.awaitComputer());
    ASSERT_EQ(m.d.click(kGame, "start"), "start");
  }
  EXPECT_TRUE(easySeen) << "Easy never took effect";
}

TEST_F(ComputerMatch, APerfectPlayerBeatsEasyAndTheAnnouncementNamesThePlayer) {
  m.chooseLevel(ai::Level::Easy);
  m.answerAnnouncements();
  ASSERT_EQ(m.playUntilWin(bestMove, 100), Winner::Player) << m.state();
  EXPECT_EQ(m.announced, std::vector<std::string>{"Ann"});
  EXPECT_EQ(m.scores(), "1:0");
  EXPECT_FALSE(m.d.rt().isLoaded(kWinner));
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player") << "the next game";
  EXPECT_EQ(m.markersShown(), "");

  // And the next game is played as the first.
  m.move(kProbe);
  EXPECT_EQ(m.turn(), "computer");
  m.awaitComputer();
  EXPECT_EQ(m.turn(), "player");
}

// Random legal moves, each after a stray click on any cell of the board.
ai::Move randomMove(ai::SplitMix64& rng, Match& m, ai::Position p) {
  const int stray = 1 + static_cast<int>(rng.below(rules::kCells));
  const char held = m.board()[stray - 1];
  if (held == '.') {
    m.clickCell(stray);
  } else {
    m.d.click(kGame, cellControl(held, stray));
  }
  const ai::MoveList moves = ai::legalMoves(p);
  return moves.moves[rng.below(static_cast<std::uint64_t>(moves.size))];
}

TEST(ComputerMatchPerfect, NeverLosesToARandomClicker) {
  for (std::uint64_t seed : {1, 2, 3, 4, 5}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Match m(seed);
    m.chooseLevel(ai::Level::Perfect);
    m.answerAnnouncements();
    ai::SplitMix64 rng(seed * 1000 + 17);
    int computerWins = 0;
    for (int game = 0; game < 3; ++game) {
      const Winner w = m.playUntilWin([&](ai::Position p) { return randomMove(rng, m, p); }, 40);
      ASSERT_NE(w, Winner::Player);
      if (w == Winner::Computer) {
        ++computerWins;
        EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player") << "the next game";
      }
    }
    EXPECT_EQ(m.scores(), "0:" + std::to_string(computerWins));
    EXPECT_EQ(m.announced, std::vector<std::string>(computerWins, "Mr.Computer"));
    EXPECT_GT(computerWins, 0);
  }
}

// While the announcement is up nothing reaches the board: not the pieces,
// not the cells, not "Start a game !", not the strength, not the close box.
TEST_F(ComputerMatch, TheAnnouncementIsModalAndTheBoardWaitsForOk) {
  m.chooseLevel(ai::Level::Easy);
  m.answerAnnouncements([&](Driver& d) {
    EXPECT_TRUE(d.rt().isModal(kWinner));
    EXPECT_EQ(m.scores(), "1:0") << "counted before the announcement";
    d.advance(kBoardClearMs);
    const std::string cleared = m.state();
    EXPECT_EQ(cleared, std::string(kOpeningBoard) + " [] player");
    for (const char* name : {"m4", "g5", "z5", "a8", "start", "levelPerfect"}) {
      EXPECT_EQ(d.click(kGame, name), std::nullopt) << name;
      d.rt().click(kGame, name);
    }
    d.rt().mouseMove(kGame, "z5");
    d.close(kGame);
    EXPECT_TRUE(d.rt().isShown(kGame));
    EXPECT_EQ(m.state(), cleared);
    EXPECT_EQ(m.markersShown(), "");
    EXPECT_EQ(m.ctl("levelEasy").value(), 1);
    d.advance(10 * kPause);
    EXPECT_EQ(m.state(), cleared);
    EXPECT_EQ(d.click(kWinner, "Command1"), "Command1");
  });
  ASSERT_EQ(m.playUntilWin(bestMove, 100), Winner::Player);
  EXPECT_EQ(m.announced, std::vector<std::string>{"Ann"});
  // After "OK" the board takes clicks again.
  m.select(4);
  EXPECT_EQ(m.framed(), "m4 ");
}

TEST_F(ComputerMatch, ScoresAddUpOverGamesSurviveStartAndEndWithTheScreen) {
  ai::SplitMix64 rng(99);
  const auto randomPlayer = [&](ai::Position p) { return randomMove(rng, m, p); };
  m.answerAnnouncements();
  m.chooseLevel(ai::Level::Easy);
  ASSERT_EQ(m.playUntilWin(bestMove, 100), Winner::Player);
  EXPECT_EQ(m.scores(), "1:0");
  ASSERT_EQ(m.d.click(kGame, "start"), "start");
  EXPECT_EQ(m.scores(), "1:0");

  m.chooseLevel(ai::Level::Perfect);
  ASSERT_EQ(m.playUntilWin(randomPlayer, 100), Winner::Computer);
  EXPECT_EQ(m.scores(), "1:1");
  m.chooseLevel(ai::Level::Easy);
  ASSERT_EQ(m.playUntilWin(bestMove, 100), Winner::Player);
  EXPECT_EQ(m.scores(), "2:1");
  EXPECT_EQ(m.announced, (std::vector<std::string>{"Ann", "Mr.Computer", "Ann"}));

  m.d.close(kGame);
  ASSERT_TRUE(m.d.rt().isShown(ScreenId::Welcome));
  m.openFromMenu("Ann");
  EXPECT_EQ(m.scores(), "0:0");
  EXPECT_EQ(m.ctl("levelNormal").value(), 1);
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
}

// Play's hidden two-player screen, as a whole-state line.
std::string twoPlayerState(Driver& d) {
  std::string out;
  for (int n = 1; n <= rules::kCells; ++n) {
    out += d.ctl(ScreenId::game1, cellControl('m', n)).visible()   ? 'm'
           : d.ctl(ScreenId::game1, cellControl('a', n)).visible() ? 'a'
                                                                   : '.';
  }
  for (const char* arrow : {"i1", "i2"})
    out += std::string(" ") + arrow + "=" + (d.ctl(ScreenId::game1, arrow).visible() ? "1" : "0");
  for (const char* box : {"p1", "full"})
    out += std::string(" ") + box + "=" + std::to_string(d.ctl(ScreenId::game1, box).value());
  for (const char* counter : {"Label4", "Label6"})
    out += std::string(" ") + counter + "=" + d.ctl(ScreenId::game1, counter).text();
  return out;
}

// The announcement's board clear belongs to the match that won: wins here
// leave the two-player screen as Play left it, player one to start there.
TEST_F(ComputerMatch, WinsHereLeaveTheHiddenTwoPlayerScreenAlone) {
  ASSERT_TRUE(m.d.rt().isLoaded(ScreenId::game1));
  ASSERT_FALSE(m.d.rt().isShown(ScreenId::game1));
  m.d.advance(1);  // its start-up step
  const std::string untouched = twoPlayerState(m.d);
  EXPECT_EQ(untouched, "......... i1=1 i2=0 p1=1 full=0 Label4=0 Label6=0");

  ai::SplitMix64 rng(5);
  m.answerAnnouncements();
  m.chooseLevel(ai::Level::Easy);
  ASSERT_EQ(m.playUntilWin(bestMove, 100), Winner::Player);
  m.chooseLevel(ai::Level::Perfect);
  ASSERT_EQ(m.playUntilWin([&](ai::Position p) { return randomMove(rng, m, p); }, 100), Winner::Computer);
  m.d.advance(1000);
  EXPECT_EQ(twoPlayerState(m.d), untouched);

  m.d.close(kGame);
  m.d.type(ScreenId::Welcome, "Text1", "Ann");
  m.d.whenModal([](Driver& d, ScreenId id) {
    ASSERT_EQ(id, ScreenId::player);
    d.click(ScreenId::player, "Command1");
  });
  ASSERT_EQ(m.d.click(ScreenId::Welcome, "vs2"), "vs2");
  ASSERT_EQ(m.d.click(ScreenId::Welcome, "Command1"), "Command1");
  ASSERT_TRUE(m.d.rt().isShown(ScreenId::game1));
  m.d.advance(1);
  EXPECT_EQ(twoPlayerState(m.d), untouched) << "player one places first";
}

// "OK" pressed before the announcement's board clear: the next game is set up all the same.
struct EarlyOk {
  const char* what;
  ai::Level level;
  bool playerPlaysBest;
  Winner winner;
  const char* scores;
};
void PrintTo(const EarlyOk& c, std::ostream* os) {
  *os << c.what;
}

class OkAtOnce : public ComputerMatch, public ::testing::WithParamInterface<EarlyOk> {};

TEST_P(OkAtOnce, StillLeadsToTheNextGameWithThePlayerToMove) {
  const EarlyOk& c = GetParam();
  ai::SplitMix64 rng(3);
  m.chooseLevel(c.level);
  m.answerAnnouncements([](Driver& d) { d.click(kWinner, "Command1"); });
  const auto player = [&](ai::Position p) { return c.playerPlaysBest ? bestMove(p) : randomMove(rng, m, p); };
  ASSERT_EQ(m.playUntilWin(player, 100), c.winner);
  EXPECT_FALSE(m.d.rt().isLoaded(kWinner));
  EXPECT_EQ(m.scores(), c.scores);
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
  m.d.advance(5 * kPause);
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
  EXPECT_EQ(m.scores(), c.scores);
}

INSTANTIATE_TEST_SUITE_P(
    ComputerMatch, OkAtOnce,
    ::testing::Values(EarlyOk{"PlayersWin", ai::Level::Easy, true, Winner::Player, "1:0"},
                      EarlyOk{"ComputersWin", ai::Level::Perfect, false, Winner::Computer, "0:1"}),
    [](const auto& info) { return std::string(info.param.what); });

bool overlaps(const ui::Rect& r, const ui::Rect& o) {
  return r.left < o.left + o.width && o.left < r.left + r.width && r.top < o.top + o.height &&
         o.top < r.top + r.height;
}

// The strength group, hint and undo each sit on a spot of their own, inside
// the window, and take the keyboard's focus; the strengths share their group.
TEST_F(ComputerMatch, TheNewControlsCoverNoOtherControlAndAreInTheTabOrder) {
  const ui::Screen& screen = *m.d.rt().find(kGame);
  const ui::ScreenLayout& layout = ui::layoutOf(kGame);
  const auto inTabOrder = [&](std::string_view name) {
    return std::find(layout.tabOrder.begin(), layout.tabOrder.end(), name) != layout.tabOrder.end();
  };
  for (std::string_view name : {"levels", "hint", "undo"}) {
    SCOPED_TRACE(std::string(name));
    EXPECT_TRUE(m.shows(name));
    const ui::Rect r = ui::absoluteRect(screen, screen.control(name).definition());
    EXPECT_GE(r.left, 0);
    EXPECT_LE(r.left + r.width, layout.window.clientWidth);
    EXPECT_LE(r.top + r.height, layout.window.clientHeight);
    for (const ui::ControlSpec& other : layout.controls) {
      if (other.name == name || other.container == name || other.name == "Image1" ||
          other.kind == ui::ControlKind::Timer || !other.visible) {
        continue;
      }
      EXPECT_FALSE(overlaps(r, ui::absoluteRect(screen, other))) << "over " << other.name;
    }
  }
  EXPECT_TRUE(inTabOrder("hint"));
  EXPECT_TRUE(inTabOrder("undo"));
  const ui::Rect group = ui::absoluteRect(screen, screen.control("levels").definition());
  for (ai::Level level : {ai::Level::Easy, ai::Level::Normal, ai::Level::Hard, ai::Level::Perfect}) {
    const std::string button = levelButton(level);
    SCOPED_TRACE(button);
    EXPECT_TRUE(m.shows(button));
    EXPECT_EQ(screen.control(button).definition().container, "levels");
    EXPECT_TRUE(inTabOrder(button));
    const ui::Rect r = ui::absoluteRect(screen, screen.control(button).definition());
    EXPECT_TRUE(r.left >= group.left && r.top >= group.top && r.left + r.width <= group.left + group.width &&
                r.top + r.height <= group.top + group.height);
    for (ai::Level next : {ai::Level::Easy, ai::Level::Normal, ai::Level::Hard, ai::Level::Perfect}) {
      if (next == level) continue;
      EXPECT_FALSE(overlaps(r, ui::absoluteRect(screen, screen.control(levelButton(next)).definition())));
    }
  }
}

}  // namespace
}  // namespace zorvane

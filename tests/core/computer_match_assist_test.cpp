// The match against the computer beyond its moves: the draw by repetition,
// the hint, undo, and their keys, on the headless driver.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ai/game_record.h"
#include "ai/levels.h"
#include "ai/opening.h"
#include "ai/solved_game.h"
#include "tests/core/computer_match_fixture.h"

namespace zorvane {
namespace {

using namespace testing_match;
using rules::cellControl;
using ui::Driver;

// What the announcement showed, with the board as it stood when it came up.
struct Announcement {
  std::string words;
  std::string board;
};

class Assist : public ::testing::Test {
 protected:
  // Every announcement is recorded, cleared by its timer and closed with "OK".
  void recordAnnouncements() {
    m.d.platform().setDefaultModalAnswer([this](ui::ScreenId id) {
      ASSERT_EQ(id, kWinner);
      announcements.push_back({m.d.ctl(kWinner, "Label1").text() + " " +
                                   m.d.ctl(kWinner, "winnernme").text() + " " +
                                   m.d.ctl(kWinner, "Label2").text(),
                               m.board()});
      m.d.advance(kBoardClearMs);
      m.d.click(kWinner, "Command1");
    });
  }

  // What the hint shows: the framed piece of the player and the one marker.
  std::string hinted() { return m.framed() + "| " + m.markersShown(); }

  void pressHint() { m.d.pressShortcut(kGame, "H"); }
  void pressUndo() { m.d.pressShortcut(kGame, "Ctrl+Z"); }

  Match m{5};
  std::vector<Announcement> announcements;
};

constexpr const char* kDrawWords = "Same position came up three times A Draw!!!";

// The best player against Perfect: the game can only be drawn, and it is, on
// the move that brings a position (both sides' cells and the side to move)
// back for the third time, and on no earlier move.
TEST_F(Assist, TheThirdOccurrenceOfAPositionDrawsAndTheNextGameStarts) {
  m.chooseLevel(ai::Level::Perfect);
  recordAnnouncements();
  std::map<std::string, int> seen{{std::string(kOpeningBoard) + " player", 1}};
  std::string last;
  for (int ply = 0; ply < 400 && announcements.empty(); ++ply) {
    const bool player = ply % 2 == 0;
    if (player) {
      m.move(bestMove(m.position()));
    } else {
      m.awaitComputer();
    }
    last =
        (announcements.empty() ? m.board() : announcements.back().board) + (player ? " computer" : " player");
    const int times = ++seen[last];
    if (announcements.empty()) {
      ASSERT_LT(times, ai::kRepetitionsForDraw) << "no draw at the third occurrence of " << last;
    }
  }
  ASSERT_EQ(announcements.size(), 1u);
  EXPECT_EQ(announcements[0].words, kDrawWords);
  EXPECT_EQ(seen[last], ai::kRepetitionsForDraw) << last;
  EXPECT_EQ(m.scores(), "0:0");
  EXPECT_FALSE(m.d.rt().isLoaded(kWinner));
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");

  // The next game counts afresh and undo cannot reach back into the drawn one.
  pressUndo();
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
}

TEST(GameRecord, TheThirdOccurrenceDrawsAndTakingBackTakesOccurrencesBack) {
  const ai::Placement a{ai::kPlayerStart, ai::kComputerStart, true};
  const ai::Placement b = a.after({4, 5});
  const ai::Placement c = b.after({8, 9});
  const ai::Placement d = c.after({5, 4});  // the player back on the opening's cells, the computer not
  ai::GameRecord record(a);
  EXPECT_EQ(record.record(b), 1);
  EXPECT_EQ(record.record(c), 1);
  EXPECT_EQ(record.record(d), 1);
  EXPECT_FALSE(record.repeatedForDraw());
  EXPECT_EQ(record.record(c), 2);
  EXPECT_FALSE(record.repeatedForDraw()) << "a second occurrence does not draw";
  EXPECT_EQ(record.record(d), 2);
  EXPECT_EQ(record.record(c), 3);
  EXPECT_TRUE(record.repeatedForDraw());
  record.takeBack();
  EXPECT_EQ(record.occurrences(c), 2);
  EXPECT_FALSE(record.repeatedForDraw());
  EXPECT_EQ(record.moves(), 5);
  for (int i = 0; i < 10; ++i) record.takeBack();
  EXPECT_EQ(record.moves(), 0) << "the start always stays";
  EXPECT_EQ(record.current(), a);
  // The side to move is part of a position.
  EXPECT_NE(ai::Placement(a.player, a.computer, false), a);
}

// The hint shows one of the solved game's best moves for the player, as a
// frame on the piece and the target's marker; a click on the marker plays it.
TEST_F(Assist, TheHintIsAlwaysABestMoveAndItsMarkerPlaysIt) {
  m.chooseLevel(ai::Level::Easy);
  recordAnnouncements();
  for (int turn = 0; turn < 60 && announcements.empty(); ++turn) {
    ASSERT_EQ(m.turn(), "player");
    const ai::Position p = m.position();
    m.pointAtBoard();
    pressHint();
    const ai::MoveList best = ai::bestMoves(p);
    ai::Move shown;
    for (ai::Move candidate : best) {
      if (hinted() == cellControl('m', candidate.from) + " | " + cellControl('g', candidate.to) + " ")
        shown = candidate;
    }
    ASSERT_NE(shown.from, 0) << "the hint " << hinted() << " is no best move";
    ASSERT_EQ(m.clickCell(shown.to), cellControl('g', shown.to));
    if (announcements.empty()) m.awaitComputer();
  }
  ASSERT_EQ(announcements.size(), 1u);
  EXPECT_EQ(m.scores(), "1:0") << "the hints win against Easy";
}

TEST_F(Assist, HintDoesNothingDuringThePauseOrWithTheAnnouncementUp) {
  m.move(kProbe);
  const std::string pausing = m.state();
  pressHint();
  ASSERT_EQ(m.d.click(kGame, "hint"), "hint");
  EXPECT_EQ(m.state(), pausing);

  // With the announcement up every key and button of the match is dropped.
  m.awaitComputer();
  std::vector<std::string> whileUp;
  m.d.platform().setDefaultModalAnswer([&](ui::ScreenId) {
    const std::string before = m.state() + " " + m.scores();
    for (int i = 0; i < 5; ++i) {
      pressHint();
      pressUndo();
      m.d.click(kGame, "hint");
      m.d.click(kGame, "undo");
    }
    whileUp.push_back(before == m.state() + " " + m.scores() ? "unchanged" : "changed");
    whileUp.push_back(m.scores());
    m.d.advance(kBoardClearMs);
    m.d.click(kWinner, "Command1");
  });
  for (int k = 0; k < 200 && whileUp.empty(); ++k) {
    m.move(bestMove(m.position()));
    if (whileUp.empty()) m.awaitComputer();
  }
  ASSERT_EQ(whileUp.size(), 2u) << "no announcement";
  EXPECT_EQ(whileUp[0], "unchanged");
  EXPECT_EQ(m.scores(), whileUp[1]);
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
}

// Undo takes back the player's move with the computer's reply and restores
// board, frames and turn exactly; during the pause it also drops the reply.
TEST_F(Assist, UndoWalksBackTurnByTurnToTheOpeningAndNoFurther) {
  const std::string scores = m.scores();
  pressUndo();
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player") << "nothing to undo at the opening";

  std::vector<std::string> turnStarts{m.state()};
  for (int k = 0; k < 4; ++k) {
    m.move(bestMove(m.position()));
    m.awaitComputer();
    turnStarts.push_back(m.state());
  }
  // A selection made during the turn is the player's own, and goes with undo.
  m.select(static_cast<int>(m.board().find('m')) + 1);
  for (int k = 4; k > 0; --k) {
    ASSERT_EQ(m.d.click(kGame, "undo"), "undo");
    EXPECT_EQ(m.state(), turnStarts[static_cast<std::size_t>(k - 1)]) << "after undo to turn " << k - 1;
    EXPECT_EQ(m.markersShown(), "");
    EXPECT_EQ(m.scores(), scores);
  }
  pressUndo();
  EXPECT_EQ(m.state(), turnStarts[0]);
}

TEST_F(Assist, UndoDuringThePauseCancelsTheComputersMove) {
  m.move(kProbe);
  m.awaitComputer();
  const std::string turnStart = m.state();
  m.move(bestMove(m.position()));
  ASSERT_EQ(m.turn(), "computer");
  pressUndo();
  EXPECT_EQ(m.state(), turnStart) << "back to the start of the interrupted turn";
  for (int i = 0; i < 3; ++i) pressUndo();  // pressed fast: the first turn goes, then nothing is left
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
  m.d.advance(10 * kPause);
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player") << "the dropped move never comes";
}

TEST_F(Assist, UndoNeverReachesIntoAFinishedGameOrAClosedScreen) {
  m.chooseLevel(ai::Level::Easy);
  recordAnnouncements();
  for (int k = 0; k < 60 && announcements.empty(); ++k) {
    m.move(bestMove(m.position()));
    if (announcements.empty()) m.awaitComputer();
  }
  ASSERT_EQ(m.scores(), "1:0");
  pressUndo();
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
  EXPECT_EQ(m.scores(), "1:0");

  m.move(kProbe);
  m.awaitComputer();
  m.d.close(kGame);
  m.openFromMenu("Bo");
  pressUndo();
  EXPECT_EQ(m.state(), std::string(kOpeningBoard) + " [] player");
  EXPECT_EQ(m.scores(), "0:0");
}

}  // namespace
}  // namespace zorvane

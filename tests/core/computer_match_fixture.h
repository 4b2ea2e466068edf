// A program taken to the match against the computer the way a person gets
// there, with readings of the board and moves made as a person makes them;
// shared by the computer match's tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ai/levels.h"
#include "ai/opening.h"
#include "ai/position.h"
#include "ai/solved_game.h"
#include "app/game_behaviours.h"
#include "rules/board.h"
#include "screens/computer_match.h"
#include "ui/headless/driver.h"

namespace zorvane::testing_match {

using rules::cellControl;
using ui::Driver;
using ui::ScreenId;

inline constexpr ScreenId kGame = ScreenId::game;
inline constexpr ScreenId kWinner = ScreenId::winner;
inline constexpr int kPause = screens::kComputerPauseMs;
inline constexpr int kBoardClearMs = 20;

// Cells 1..9: the computer on 1, 6, 8, the player on 2, 3, 4.
inline constexpr std::string_view kOpeningBoard = "ammm.a.a.";

// The player's first move 4 to 5 leaves the player on 2, 3, 5 and the
// computer to choose among moves that the strengths judge apart:
// 1 to 4 lets the player make a line at once, only 8 to 9 is perfect.
inline constexpr ai::Move kProbe{4, 5};

inline std::string moveText(ai::Move m) {
  return std::to_string(m.from) + ">" + std::to_string(m.to);
}

inline const char* levelButton(ai::Level level) {
  switch (level) {
    case ai::Level::Easy: return "levelEasy";
    case ai::Level::Normal: return "levelNormal";
    case ai::Level::Hard: return "levelHard";
    case ai::Level::Perfect: return "levelPerfect";
  }
  return "";
}

inline bool contains(const ai::MoveList& moves, ai::Move m) {
  return std::find(moves.begin(), moves.end(), m) != moves.end();
}

// Every move the strength may make: Hard also what it makes when it
// overlooks the last ply of its horizon.
inline bool mayChoose(ai::Level level, ai::Position p, ai::Move m) {
  if (contains(ai::candidateMoves(level, p), m)) return true;
  return level == ai::Level::Hard && contains(ai::movesWithin(p, ai::kHardHorizon - 1), m);
}

// The player's best move by the solved game: quick wins, then draws.
inline ai::Move bestMove(ai::Position p) {
  const ai::MoveList moves = ai::legalMoves(p);
  return *std::max_element(moves.begin(), moves.end(), [&](ai::Move a, ai::Move b) {
    return ai::preference(ai::solvedGame().valueOfMove(p, a)) <
           ai::preference(ai::solvedGame().valueOfMove(p, b));
  });
}

enum class Winner { None, Player, Computer };

// One program, taken to `game` the way a person gets there: the splash, a
// name in the menu, "Play !" with "vs Computer" preset.
class Match {
 public:
  explicit Match(std::uint64_t seed, std::string_view name = "Ann") : d(app::gameBehaviours(seed)) {
    d.start();
    d.advance(4000);
    openFromMenu(name);
  }

  void openFromMenu(std::string_view name) {
    ASSERT_TRUE(d.rt().acceptsInput(ScreenId::Welcome));
    d.type(ScreenId::Welcome, "Text1", name);
    ASSERT_EQ(d.ctl(ScreenId::Welcome, "vscomp").value(), 1);
    ASSERT_EQ(d.click(ScreenId::Welcome, "Command1"), "Command1");
    ASSERT_TRUE(d.rt().isShown(kGame));
  }

  ui::ControlRef ctl(std::string_view name) { return d.ctl(kGame, std::string(name)); }
  std::string text(std::string_view name) { return ctl(name).text(); }
  bool shows(std::string_view name) { return ctl(name).visible(); }

  // Cells 1..9 as 'm' (the player), 'a' (the computer) or '.' (empty).
  std::string board() {
    std::string cells;
    for (int n = 1; n <= rules::kCells; ++n) {
      cells += shows(cellControl('m', n)) ? 'm' : shows(cellControl('a', n)) ? 'a' : '.';
    }
    return cells;
  }
  // The shown pieces that carry a frame, e.g. "a8 ".
  std::string framed() {
    std::string out;
    for (char family : {'m', 'a'}) {
      for (int n = 1; n <= rules::kCells; ++n) {
        const auto piece = ctl(cellControl(family, n));
        if (piece.visible() && piece.borderStyle() == 1) out += cellControl(family, n) + " ";
      }
    }
    return out;
  }
  std::string markersShown() {
    std::string out;
    for (int n = 1; n <= rules::kCells; ++n) {
      if (shows(cellControl('g', n))) out += cellControl('g', n) + " ";
    }
    return out;
  }
  // Whose turn the pointers show.
  std::string turn() {
    const bool player = shows("Image14"), computer = shows("Image13");
    if (player && !computer) return "player";
    if (computer && !player) return "computer";
    return player ? "both" : "none";
  }
  std::string scores() { return text("scoreulo") + ":" + text("scorecomp"); }
  // Board, frames, turn and the pause timer in one line, for whole-state checks.
  std::string state() {
    return board() + " [" + framed() + "] " + turn() + (ctl("Timer1").enabled() ? " pausing" : "");
  }

  ai::Position position() {
    ai::CellMask player = 0, computer = 0;
    for (int n = 1; n <= rules::kCells; ++n) {
      if (shows(cellControl('m', n))) player |= ai::cellBit(n);
      if (shows(cellControl('a', n))) computer |= ai::cellBit(n);
    }
    return {player, computer};
  }

  void pointAt(int cell) { ASSERT_EQ(d.hover(kGame, cellControl('z', cell)), cellControl('z', cell)); }
  void pointAtBoard() { ASSERT_EQ(d.hover(kGame, "Label1"), "Label1"); }
  // A click on an empty cell where a person aims: its marker when shown, else its point.
  std::optional<std::string> clickCell(int cell) {
    const std::string marker = cellControl('g', cell);
    return d.click(kGame, shows(marker) ? marker : cellControl('z', cell));
  }
  void select(int cell) { ASSERT_EQ(d.click(kGame, cellControl('m', cell)), cellControl('m', cell)); }
  // Select, point at the target, click its marker.
  void move(ai::Move m) {
    select(m.from);
    pointAt(m.to);
    ASSERT_TRUE(shows(cellControl('g', m.to))) << moveText(m);
    ASSERT_EQ(clickCell(m.to), cellControl('g', m.to));
  }
  void chooseLevel(ai::Level level) { ASSERT_EQ(d.click(kGame, levelButton(level)), levelButton(level)); }

  // The computer's turn to its end: the framed piece is the one that moves.
  ai::Move awaitComputer() {
    ai::Move m;
    const std::string before = board();
    for (int n = 1; n <= rules::kCells; ++n) {
      if (before[n - 1] == 'a' && ctl(cellControl('a', n)).borderStyle() == 1) m.from = n;
    }
    d.advance(kPause);
    const std::string after = board();
    for (int n = 1; n <= rules::kCells; ++n) {
      if (before[n - 1] == '.' && after[n - 1] == 'a') m.to = n;
    }
    return m;
  }

  // Every announcement from now on is recorded and answered: by `whileUp`
  // when given (which closes it), else by its board clear and "OK".
  void answerAnnouncements(std::function<void(Driver&)> whileUp = nullptr) {
    d.platform().setDefaultModalAnswer([this, whileUp](ScreenId id) {
      ASSERT_EQ(id, kWinner);
      announced.push_back(d.ctl(kWinner, "winnernme").text());
      if (whileUp) {
        whileUp(d);
        return;
      }
      d.advance(kBoardClearMs);
      d.click(kWinner, "Command1");
    });
  }

  // Plays the player's moves from `strategy` until a side wins or `maxMoves`
  // player moves are made; needs answerAnnouncements().
  Winner playUntilWin(const std::function<ai::Move(ai::Position)>& strategy, int maxMoves) {
    for (int k = 0; k < maxMoves; ++k) {
      if (turn() != "player") {
        ADD_FAILURE() << "not the player's turn: " << state();
        return Winner::None;
      }
      const std::size_t wins = announced.size();
      move(strategy(position()));
      if (announced.size() > wins) return Winner::Player;
      if (turn() != "computer") {
        ADD_FAILURE() << "the move gave no turn to the computer: " << state();
        return Winner::None;
      }
      awaitComputer();
      if (announced.size() > wins) return Winner::Computer;
    }
    return Winner::None;
  }

  Driver d;
  std::vector<std::string> announced;
};

}  // namespace zorvane::testing_match

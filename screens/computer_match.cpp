#include "screens/computer_match.h"

#include <memory>

#include "ai/levels.h"
#include "ai/opponent.h"
#include "rules/rule_steps.h"
#include "screens/match_history.h"
#include "screens/winner_announcement.h"
#include "ui/runtime.h"

namespace zorvane::screens {

using rules::Board;
using rules::Side;
using ui::Runtime;
using ui::ScreenId;

namespace {

constexpr ScreenId kScreen = ScreenId::game;
// From this opening neither side can force a win.
constexpr int kPlayerOpening[] = {2, 3, 4};
constexpr int kComputerOpening[] = {1, 6, 8};

ui::ControlRef at(Runtime& rt, const char* name) {
  return rt.ctl(kScreen, name);
}

bool playersTurn(Runtime& rt) {
  return at(rt, "Image14").visible();
}

void giveTurn(Runtime& rt, Side side) {
  at(rt, "Image14").setVisible(side == Side::One);
  at(rt, "Image13").setVisible(side == Side::Two);
}

ai::Level chosenLevel(Runtime& rt) {
  if (at(rt, "levelEasy").value() == 1) return ai::Level::Easy;
  if (at(rt, "levelHard").value() == 1) return ai::Level::Hard;
  if (at(rt, "levelPerfect").value() == 1) return ai::Level::Perfect;
  return ai::Level::Normal;
}

// The match beside its controls: the computer, its choice waiting out the
// pause (shown as its selected piece), and the current game's history.
struct ComputerMatch {
  explicit ComputerMatch(std::uint64_t seed) : opponent(seed) {}
  ai::Opponent opponent;
  ai::Move pending;
  MatchHistory history;
};

void startGame(Runtime& rt, ComputerMatch& match) {
  newComputerGame(rt);
  match.history.restart(Board(rt, kScreen));
}

// The game is over: the announcement is up until "OK", and its timer clears
// the board meanwhile; an "OK" quicker than that tick must not leave a
// finished board, or the computer's turn, behind.
void afterAnnouncement(Runtime& rt, ComputerMatch& match) {
  if (rt.isShown(kScreen)) startGame(rt, match);
}

void win(Runtime& rt, ComputerMatch& match, Side side) {
  const auto score = at(rt, side == Side::One ? "scoreulo" : "scorecomp");
  score.setNumber(score.number() + 1);
  announceWinner(rt, at(rt, side == Side::One ? "Label4" : "Label6").text());
  afterAnnouncement(rt, match);
}

void draw(Runtime& rt, ComputerMatch& match) {
  announceDraw(rt);
  afterAnnouncement(rt, match);
}

void beginComputerTurn(Runtime& rt, ComputerMatch& match) {
  const ai::Placement now = placementOn(Board(rt, kScreen), false);
  // Only a board the player has already won leaves the computer without a move.
  if (!ai::hasMove(now.computer, now.player)) return;
  giveTurn(rt, Side::Two);
  match.pending = match.opponent.choose(chosenLevel(rt), now.computer, now.player);
  rules::selectPiece(Board(rt, kScreen), Side::Two, match.pending.from);
  at(rt, "Timer1").setEnabled(true);
}

void finishComputerTurn(Runtime& rt, ComputerMatch& match) {
  at(rt, "Timer1").setEnabled(false);
  const Board board(rt, kScreen);
  const int destination = match.pending.to;
  if (!rules::tryMove(board, Side::Two, destination)) {
    giveTurn(rt, Side::One);
    return;
  }
  board.piece(Side::Two, destination).setBorderStyle(0);
  if (rules::completesLine(board, Side::Two, destination)) {
    win(rt, match, Side::Two);
    return;
  }
  if (match.history.recordMove(board, true)) {
    draw(rt, match);
    return;
  }
  giveTurn(rt, Side::One);
}

void cellClick(Runtime& rt, ComputerMatch& match, int cell) {
  if (!playersTurn(rt)) return;
  const Board board(rt, kScreen);
  match.history.follow(board, true);
  if (!rules::tryMove(board, Side::One, cell)) return;
  if (rules::completesLine(board, Side::One, cell)) {
    win(rt, match, Side::One);
    return;
  }
  if (match.history.recordMove(board, false)) {
    draw(rt, match);
    return;
  }
  beginComputerTurn(rt, match);
}

// The player's best move in the solved game: its piece selected and the
// target's marker shown, so that a click on the marker plays it.
void hint(Runtime& rt, ComputerMatch& match) {
  if (!playersTurn(rt)) return;
  const Board board(rt, kScreen);
  match.history.follow(board, true);
  const ai::Placement now = placementOn(board, true);
  const ai::MoveList best = ai::candidateMoves(ai::Level::Perfect, now.position());
  if (best.empty()) return;
  const ai::Move move = best.moves[0];
  rules::selectPiece(board, Side::One, move.from);
  rules::hideAllMarkers(board);
  board.marker(move.to).setVisible(true);
}

// Takes back the player's latest move with the computer's reply, or, during
// the computer's pause, with the reply it was about to make.
void undo(Runtime& rt, ComputerMatch& match) {
  const Board board(rt, kScreen);
  const bool pausing = at(rt, "Timer1").enabled();
  match.history.follow(board, !pausing);
  if (!match.history.undo(board)) return;
  at(rt, "Timer1").setEnabled(false);
  giveTurn(rt, Side::One);
}

}  // namespace

void newComputerGame(Runtime& rt) {
  at(rt, "Timer1").setEnabled(false);
  const Board board(rt, kScreen);
  rules::clearSelections(board);
  rules::hideAllMarkers(board);
  for (int n = 1; n <= rules::kCells; ++n) {
    board.piece(Side::One, n).setVisible(false);
    board.piece(Side::Two, n).setVisible(false);
  }
  for (int n : kPlayerOpening) board.piece(Side::One, n).setVisible(true);
  for (int n : kComputerOpening) board.piece(Side::Two, n).setVisible(true);
  giveTurn(rt, Side::One);
}

ui::ScreenBehaviour computerMatchBehaviour(std::uint64_t seed) {
  auto match = std::make_shared<ComputerMatch>(seed);
  ui::ScreenBehaviour b;
  for (int n = 1; n <= rules::kCells; ++n) {
    b.click[rules::cellControl('m', n)] = [match, n](Runtime& rt) {
      if (!playersTurn(rt)) return;
      // The turn's start is noted before its first selection, for undo.
      match->history.follow(Board(rt, kScreen), true);
      rules::selectPiece(Board(rt, kScreen), Side::One, n);
    };
    const auto onCell = [match, n](Runtime& rt) { cellClick(rt, *match, n); };
    b.click[rules::cellControl('g', n)] = onCell;
    b.click[rules::cellControl('z', n)] = onCell;
    b.mouseMove[rules::cellControl('z', n)] = [n](Runtime& rt) {
      rules::showMarkerOnHover(Board(rt, kScreen), n, rules::MatchKind::VsComputer, false);
    };
  }
  b.mouseMove["Label1"] = [](Runtime& rt) { rules::hideAllMarkers(Board(rt, kScreen)); };
  b.timer["Timer1"] = [match](Runtime& rt) { finishComputerTurn(rt, *match); };
  b.click["start"] = [match](Runtime& rt) { startGame(rt, *match); };
  b.click["hint"] = [match](Runtime& rt) { hint(rt, *match); };
  b.click["undo"] = [match](Runtime& rt) { undo(rt, *match); };
  b.unload = [match](Runtime& rt) {
    match->history.clear();
    rt.show(ScreenId::Welcome);
  };
  return b;
}

}  // namespace zorvane::screens

#include "screens/two_player_match.h"

#include "rules/rule_steps.h"
#include "screens/control_panel.h"
#include "screens/rank_ladder.h"
#include "screens/winner_announcement.h"
#include "ui/runtime.h"

namespace zorvane::screens {

using rules::Board;
using rules::Side;
using ui::Runtime;
using ui::ScreenId;

namespace {

constexpr ScreenId kScreen = ScreenId::game1;
constexpr int kPlacementsPerGame = 6;

ui::ControlRef at(Runtime& rt, const char* name) {
  return rt.ctl(kScreen, name);
}

// Turn flag `p1`: 1 while side one is on turn, 0 while side two is.
int turnValue(Side side) {
  return side == Side::One ? 1 : 0;
}

void showTurnArrow(Runtime& rt, Side side) {
  at(rt, "i1").setVisible(side == Side::One);
  at(rt, "i2").setVisible(side == Side::Two);
}

void startUp(Runtime& rt) {
  at(rt, "p1").setValue(1);
  at(rt, "Image11").setPicture(at(rt, "m1").picture());
  const ui::Picture playerTwo = at(rt, "Image12").picture();
  for (int n = 1; n <= rules::kCells; ++n) rt.ctl(kScreen, rules::cellControl('a', n)).setPicture(playerTwo);
  at(rt, "Timer1").setEnabled(false);
}

// The start-up waits for a 1 ms tick; input that arrives within that
// millisecond runs it first, so that no click ever sees the grayed flag.
void startUpIfDue(Runtime& rt) {
  if (at(rt, "Timer1").enabled()) startUp(rt);
}

bool anyPieceShown(const Board& board) {
  for (int n = 1; n <= rules::kCells; ++n) {
    if (!board.isEmpty(n)) return true;
  }
  return false;
}

void winStep(Runtime& rt, const Board& board, Side side) {
  const auto score = at(rt, side == Side::One ? "scoreulo" : "scorecomp");
  score.setNumber(score.number() + 1);  // the rank update runs inside
  announceWinner(rt, at(rt, side == Side::One ? "p2name" : "Label5").text());
  // The announcement's timer clears the board while it is up; an "OK" quicker
  // than that tick must not leave the won board in play. Cleared once only,
  // since each new game hands the start to the other side.
  if (rt.isShown(kScreen) && anyPieceShown(board)) newTwoPlayerGame(rt);
}

// The mover's line counts only when its piece arrived on the clicked cell.
void moveStep(Runtime& rt, const Board& board, Side side, int cell) {
  if (at(rt, "p1").value() != turnValue(side)) return;
  if (!rules::tryMove(board, side, cell)) return;
  at(rt, "p1").setValue(turnValue(rules::other(side)));
  showTurnArrow(rt, rules::other(side));
  if (rules::completesLine(board, side, cell)) winStep(rt, board, side);
}

// A side boxed in while moving cannot take its turn: the turn passes at once
// to the other side, which always has a move (whoever holds the centre can
// move, and an empty centre is open to everyone).
void passIfBoxedIn(Runtime& rt, const Board& board) {
  if (at(rt, "full").value() != 1) return;
  const int turn = at(rt, "p1").value();
  if (turn != 0 && turn != 1) return;
  const Side onTurn = turn == 1 ? Side::One : Side::Two;
  if (rules::canMove(board, onTurn) || !rules::canMove(board, rules::other(onTurn))) return;
  at(rt, "p1").setValue(turnValue(rules::other(onTurn)));
  showTurnArrow(rt, rules::other(onTurn));
}

void cellClick(Runtime& rt, int cell) {
  startUpIfDue(rt);
  const Board board(rt, kScreen);
  if (at(rt, "full").value() != 1) {
    const auto counter = at(rt, "Label4");
    const int placed = counter.number();
    board.piece(placed % 2 == 0 ? Side::One : Side::Two, cell).setVisible(true);
    counter.setNumber(placed + 1);  // the counter's reaction hands over the turn
  }
  moveStep(rt, board, Side::One, cell);
  moveStep(rt, board, Side::Two, cell);
  passIfBoxedIn(rt, board);
}

void placementCounterChanged(Runtime& rt) {
  showTurnArrow(rt, at(rt, "Label4").number() % 2 != 0 ? Side::Two : Side::One);
  const auto count = at(rt, "Label6");
  count.setNumber(count.number() + 1);  // the count's reaction flips the turn flag
  if (count.number() == kPlacementsPerGame) at(rt, "full").setValue(1);
}

void placementCountChanged(Runtime& rt) {
  at(rt, "p1").setValue(at(rt, "p1").value() == 1 ? 0 : 1);
}

void pieceClick(Runtime& rt, Side side, int cell) {
  startUpIfDue(rt);
  if (at(rt, "full").value() != 1 || at(rt, "p1").value() != turnValue(side)) return;
  rules::selectPiece(Board(rt, kScreen), side, cell);
}

}  // namespace

void newTwoPlayerGame(Runtime& rt) {
  const Board board(rt, kScreen);
  for (int n = 1; n <= rules::kCells; ++n) board.piece(Side::Two, n).setVisible(false);
  for (int n = 1; n <= rules::kCells; ++n) board.piece(Side::One, n).setVisible(false);
  // No frame survives into the next game on a piece its owner has not selected.
  rules::clearSelections(board);
  // Placements run the counters' reactions; the new game's own writes do not.
  const Runtime::QuietAssignments quiet(rt);
  const Side starter = at(rt, "i1").visible() ? Side::Two : Side::One;
  showTurnArrow(rt, starter);
  at(rt, "Label4").setText(starter == Side::Two ? "1" : "0");
  at(rt, "p1").setValue(turnValue(starter));
  at(rt, "full").setValue(0);
  at(rt, "Label6").setText("0");
}

ui::ScreenBehaviour twoPlayerBehaviour() {
  ui::ScreenBehaviour b;
  b.timer["Timer1"] = startUp;
  for (int n = 1; n <= rules::kCells; ++n) {
    b.click[rules::cellControl('g', n)] = [n](Runtime& rt) { cellClick(rt, n); };
    b.click[rules::cellControl('m', n)] = [n](Runtime& rt) { pieceClick(rt, Side::One, n); };
    b.click[rules::cellControl('a', n)] = [n](Runtime& rt) { pieceClick(rt, Side::Two, n); };
    b.mouseMove[rules::cellControl('z', n)] = [n](Runtime& rt) {
      rules::showMarkerOnHover(Board(rt, kScreen), n, rules::MatchKind::TwoPlayer,
                               at(rt, "full").value() != 1);
    };
  }
  b.mouseMove["Label1"] = [](Runtime& rt) { rules::hideAllMarkers(Board(rt, kScreen)); };
  b.click["start"] = [](Runtime& rt) {
    startUpIfDue(rt);
    newTwoPlayerGame(rt);
  };
  b.changed["Label4"] = placementCounterChanged;
  b.changed["Label6"] = placementCountChanged;
  b.unload = [](Runtime& rt) { rt.show(ScreenId::Welcome); };
  addRankUpdates(b);
  addControlPanel(b);
  return b;
}

}  // namespace zorvane::screens

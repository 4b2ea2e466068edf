#include "screens/computer_match.h"

#include <memory>

#include "ai/opponent.h"
#include "rules/rule_steps.h"
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

ai::CellMask piecesOf(const Board& board, Side side) {
  ai::CellMask mask = 0;
  for (int n = 1; n <= rules::kCells; ++n) {
    if (board.holds(side, n)) mask |= static_cast<ai::CellMask>(1u << (n - 1));
  }
  return mask;
}

ai::Level chosenLevel(Runtime& rt) {
  if (at(rt, "levelEasy").value() == 1) return ai::Level::Easy;
  if (at(rt, "levelPerfect").value() == 1) return ai::Level::Perfect;
  return ai::Level::Normal;
}

// The computer's choice waits, shown as its selected piece, until the pause is over.
struct ComputerTurn {
  explicit ComputerTurn(std::uint64_t seed) : opponent(seed) {}
  ai::Opponent opponent;
  ai::Move pending;
};

void win(Runtime& rt, Side side) {
  const auto score = at(rt, side == Side::One ? "scoreulo" : "scorecomp");
  score.setNumber(score.number() + 1);
  announceWinner(rt, at(rt, side == Side::One ? "Label4" : "Label6").text());
  // The announcement's timer clears the board while it is up; an "OK" quicker
  // than that tick must not leave a won board, or the computer's turn, behind.
  if (rt.isShown(kScreen)) newComputerGame(rt);
}

void beginComputerTurn(Runtime& rt, ComputerTurn& turn) {
  const Board board(rt, kScreen);
  const ai::CellMask computer = piecesOf(board, Side::Two);
  const ai::CellMask player = piecesOf(board, Side::One);
  // Only a board the player has already won leaves the computer without a move.
  if (!ai::hasMove(computer, player)) return;
  giveTurn(rt, Side::Two);
  turn.pending = turn.opponent.choose(chosenLevel(rt), computer, player);
  rules::selectPiece(board, Side::Two, turn.pending.from);
  at(rt, "Timer1").setEnabled(true);
}

void finishComputerTurn(Runtime& rt, ComputerTurn& turn) {
  at(rt, "Timer1").setEnabled(false);
  const Board board(rt, kScreen);
  const int destination = turn.pending.to;
  if (!rules::tryMove(board, Side::Two, destination)) {
    giveTurn(rt, Side::One);
    return;
  }
  board.piece(Side::Two, destination).setBorderStyle(0);
  if (rules::completesLine(board, Side::Two, destination)) {
    win(rt, Side::Two);
    return;
  }
  giveTurn(rt, Side::One);
}

void cellClick(Runtime& rt, ComputerTurn& turn, int cell) {
  if (!playersTurn(rt)) return;
  const Board board(rt, kScreen);
  if (!rules::tryMove(board, Side::One, cell)) return;
  if (rules::completesLine(board, Side::One, cell)) {
    win(rt, Side::One);
    return;
  }
  beginComputerTurn(rt, turn);
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
  auto turn = std::make_shared<ComputerTurn>(seed);
  ui::ScreenBehaviour b;
  for (int n = 1; n <= rules::kCells; ++n) {
    b.click[rules::cellControl('m', n)] = [n](Runtime& rt) {
      if (playersTurn(rt)) rules::selectPiece(Board(rt, kScreen), Side::One, n);
    };
    const auto onCell = [turn, n](Runtime& rt) { cellClick(rt, *turn, n); };
    b.click[rules::cellControl('g', n)] = onCell;
    b.click[rules::cellControl('z', n)] = onCell;
    b.mouseMove[rules::cellControl('z', n)] = [n](Runtime& rt) {
      rules::showMarkerOnHover(Board(rt, kScreen), n, rules::MatchKind::VsComputer, false);
    };
  }
  b.mouseMove["Label1"] = [](Runtime& rt) { rules::hideAllMarkers(Board(rt, kScreen)); };
  b.timer["Timer1"] = [turn](Runtime& rt) { finishComputerTurn(rt, *turn); };
  b.click["start"] = newComputerGame;
  b.unload = [](Runtime& rt) { rt.show(ScreenId::Welcome); };
  return b;
}

}  // namespace zorvane::screens

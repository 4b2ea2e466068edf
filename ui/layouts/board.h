// The board shared by the match screens `game` and `game1`: the
// 36 per-cell controls, the board lines, the outline, the board panel and
// the screen's background picture `Image1`, identical to the twip on both
// screens except where BoardSpec says.
#pragma once

#include <string_view>
#include <vector>

#include "ui/layout.h"

namespace zorvane::ui::layouts {

// Name of cell n's control in a per-cell family: 'm' (side one's piece),
// 'a' (side two's piece), 'g' (marker) or 'z' (point), n = 1..9: "m1".."z9".
// The view refers to static storage. Throws std::out_of_range otherwise.
std::string_view cellControlName(char family, int n);

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

// What differs between the two match screens' boards.
struct BoardSpec {
  Rect background;                           // Image1's geometry
  std::string_view backgroundPicture;        // Image1's asset key (stretched)
  std::vector<int> sideOnePiecesShown = {};  // cells whose `m` piece is visible at load
  std::vector<int> sideTwoPiecesShown = {};  // cells whose `a` piece is visible at load
  // Drawn controls between the board panel `Label1` and `Image1`, front to
  // back (game1's `Image2`).
  std::vector<ControlSpec> behindBoard = {};
};

// Appends the board's drawn controls, front to back: the pieces, the
// markers, the points, the lines, `sq`, `Label1`, definition.behindBoard, and
// last `Image1`, the screen's rearmost control. Call it after every other
// drawn control of the window has been appended.
void appendBoard(std::vector<ControlSpec>& controls, const BoardSpec& definition);

// The board as one Tab stop, "board": a cursor over the nine cells.
KeyboardGroup boardKeyboard();

}  // namespace zorvane::ui::layouts

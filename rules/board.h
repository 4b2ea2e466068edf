// A match screen's board as its controls: per cell n the pieces `m`n (side
// one) and `a`n (side two), the marker `g`n and the point `z`n. Occupancy is
// the pieces' visibility and selection their border; there is no other board.
#pragma once

#include <string>

#include "rules/board_tables.h"
#include "ui/runtime.h"

namespace zorvane::rules {

enum class Side { One, Two };

constexpr Side other(Side s) {
  return s == Side::One ? Side::Two : Side::One;
}

// The name of a per-cell control: cellControl('g', 5) is "g5".
std::string cellControl(char family, int cell);

class Board {
 public:
  Board(ui::Runtime& rt, ui::ScreenId screen) : rt_(rt), screen_(screen) {}

  ui::ControlRef piece(Side side, int cell) const;
  ui::ControlRef marker(int cell) const { return rt_.ctl(screen_, cellControl('g', cell)); }

  bool holds(Side side, int cell) const { return piece(side, cell).visible(); }
  bool isEmpty(int cell) const { return !holds(Side::One, cell) && !holds(Side::Two, cell); }
  // A selection flag counts only on a shown piece.
  bool isSelected(Side side, int cell) const {
    return holds(side, cell) && piece(side, cell).borderStyle() == 1;
  }

 private:
  ui::Runtime& rt_;
  ui::ScreenId screen_;
};

}  // namespace zorvane::rules

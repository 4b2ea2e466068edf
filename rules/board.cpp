#include "rules/board.h"

namespace zorvane::rules {

std::string cellControl(char family, int cell) { return std::string(1, family) + std::to_string(cell); }

ui::ControlRef Board::piece(Side side, int cell) const {
  return rt_.ctl(screen_, cellControl(side == Side::One ? 'm' : 'a', cell));
}

}  // namespace zorvane::rules

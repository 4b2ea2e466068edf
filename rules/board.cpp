#include "rules/board.h"

namespace zorvane::rules {

std::string cellControl(char family, int cell) {
  std::string name(1, family);
  name += static_cast<char>('0' + cell);  // cells are 1..9
  return name;
}

ui::ControlRef Board::piece(Side side, int cell) const {
  return rt_.ctl(screen_, cellControl(side == Side::One ? 'm' : 'a', cell));
}

}  // namespace zorvane::rules

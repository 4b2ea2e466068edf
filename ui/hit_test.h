// Which control a mouse click at a point of a window reaches: windowed
// controls cover drawn ones, earlier controls cover later ones, a contained
// control is clipped to its container, and shapes and lines let the mouse through.
#pragma once

#include <optional>
#include <string_view>

#include "ui/screen.h"

namespace zorvane::ui {

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool contains(int x, int y) const { return x >= left && y >= top && x < left + width && y < top + height; }
};

// The control's rectangle in the window's client coordinates (twips).
Rect absoluteRect(const Screen& screen, const ControlSpec& definition);

// The control that a click at client point (x, y), in twips, reaches; none
// when it falls outside the client area or on the window itself.
std::optional<std::string_view> controlAt(const Screen& screen, int x, int y);

// The point where a person would aim to reach the control: the middle of
// its rectangle, or the uncovered spot nearest to it where something covers
// the middle; the middle when nothing of it shows.
std::optional<std::pair<int, int>> clickPoint(const Screen& screen, std::string_view name);

}  // namespace zorvane::ui

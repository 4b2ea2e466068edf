// What a screen reader hears of the screens. The game supplies the words,
// read from the screens as they are at the moment; the adapter asks.
#pragma once

#include <functional>
#include <string>

#include "ui/layout.h"
#include "ui/screen.h"

namespace zorvane::ui {

struct AccessibleNames {
  // A control's name: a button's caption, the words beside a box, what a picture shows.
  std::function<std::string(const Screen&, const Control&)> control;
  // An item of a keyboard group: a board cell with its state, or a picture.
  std::function<std::string(const Screen&, const KeyboardGroup&, int index)> item;
  // The window's name; an announcement reads as its text.
  std::function<std::string(const Screen&)> window;
  // Whether the window announces something, to be read out when it appears.
  std::function<bool(const Screen&)> isAlert;
};

}  // namespace zorvane::ui

#include "ui/screen.h"

#include <stdexcept>
#include <string>

namespace zorvane::ui {

Screen::Screen(const ScreenLayout& layout)
    : layout_(&layout), outerHeight_(layout.window.clientHeight + kNonClientHeightTwips) {
  controls_.reserve(layout.controls.size());
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    controls_.emplace_back(layout.controls[i]);
    index_.emplace(layout.controls[i].name, i);
  }
}

std::size_t Screen::indexOf(std::string_view name) const {
  auto it = index_.find(name);
  if (it == index_.end()) {
    throw std::logic_error("screen '" + std::string(screenName(id())) + "' has no control '" +
                           std::string(name) + "'");
  }
  return it->second;
}

Control& Screen::control(std::string_view name) {
  return controls_[indexOf(name)];
}
const Control& Screen::control(std::string_view name) const {
  return controls_[indexOf(name)];
}
bool Screen::has(std::string_view name) const {
  return index_.contains(name);
}

}  // namespace zorvane::ui

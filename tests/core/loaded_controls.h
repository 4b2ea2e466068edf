// Reading a screen's controls in tests without the access rule loading it,
// and the pictures the layouts start them with.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "ui/headless/driver.h"

namespace zorvane::testing_support {

// A control of a loaded screen; throws when the screen is not loaded.
inline const ui::Control& onScreen(ui::Driver& d, ui::ScreenId id, const std::string& name) {
  const ui::Screen* s = d.rt().find(id);
  if (!s) throw std::logic_error(std::string(ui::screenName(id)) + " is not loaded");
  return s->control(name);
}

// The picture the layout gives a control when its screen loads.
inline ui::Picture initialPicture(ui::ScreenId id, std::string_view name) {
  for (const ui::ControlSpec& c : ui::layoutOf(id).controls) {
    if (c.name == name) return ui::Picture(c.picture);
  }
  throw std::logic_error("no control " + std::string(name));
}

}  // namespace zorvane::testing_support

// The main menu `Welcome`: player one's name, the mode, the bug slot and
// "Play !", which sets up the chosen match screen.
#pragma once

#include <string_view>

#include "ui/behaviour.h"

namespace zorvane::app {

// Typing one of these shows the alternative picture set.
bool isHiddenName(std::string_view text);

ui::ScreenBehaviour mainMenuBehaviour();

}  // namespace zorvane::app

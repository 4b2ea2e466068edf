// The quit confirmation `quit`: "Yes" ends the program at once, "No" or
// closing the dialog leaves the menu as it was.
#pragma once

#include "ui/behaviour.h"

namespace zorvane::app {

ui::ScreenBehaviour quitBehaviour();

}  // namespace zorvane::app

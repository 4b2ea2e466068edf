// The second-player entry `player`: player two's name and portrait.
#pragma once

#include "ui/behaviour.h"

namespace zorvane::app {

ui::ScreenBehaviour secondPlayerBehaviour();

}  // namespace zorvane::app

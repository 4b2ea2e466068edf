// The splash `logo`: the partner panel goes at two seconds, the splash hands
// over to the main menu at four. It reacts to no click or key.
#pragma once

#include "ui/behaviour.h"

namespace zorvane::app {

ui::ScreenBehaviour splashBehaviour();

}  // namespace zorvane::app

// Builders of the seven screens' layout tables. Each returns a fresh table; layoutOf() (ui/layout.h) keeps one
// copy per screen.
#pragma once

#include "ui/layout.h"

namespace zorvane::ui::layouts {

ScreenLayout makeLogoLayout();
ScreenLayout makeWelcomeLayout();
ScreenLayout makePlayerLayout();
ScreenLayout makeQuitLayout();
ScreenLayout makeGame1Layout();
ScreenLayout makeGameLayout();
ScreenLayout makeWinnerLayout();

}  // namespace zorvane::ui::layouts

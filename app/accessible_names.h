// The words a screen reader hears for every screen: buttons by their
// captions, boxes by the words beside them, pictures by what they show, and
// the match screens' cells, turn arrows and scores by whose they are.
#pragma once

#include "ui/accessible_names.h"

namespace zorvane::app {

ui::AccessibleNames accessibleNames();

}  // namespace zorvane::app

// What the adapter tells screen readers: roles and names for the drawn
// controls, read from the screen when asked, and the keyboard groups'
// items (the board's cells, the pictures to choose) as children of their stop.
#pragma once

namespace zorvane::ui::qt {

// Installs, once, the factory that gives the adapter's own widgets their accessible interfaces.
void installAccessibility();

}  // namespace zorvane::ui::qt

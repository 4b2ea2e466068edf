// What the game asks of an X11 window manager when one runs: the frame it
// will draw around a window, so that the whole frame can be centred, and to
// leave passing screens out of the taskbar. Under a bare X server, or on a
// platform other than X11, there is nobody to ask and each is a no-op.
#pragma once

#include <QMargins>
#include <QWidget>

namespace zorvane::ui::qt {

// The frame, title bar included, that the window manager will draw around this
// window once it is mapped, in logical pixels; none without a window manager.
// Asked before the first mapping, while the window is still withdrawn.
QMargins frameBeforeMapping(QWidget& window);

// Marks a withdrawn window to stay out of the taskbar and the pager; its title stays.
void keepOutOfTaskbar(QWidget& window);

}  // namespace zorvane::ui::qt

// How the layouts' units, colours and fonts become Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "ui/layout.h"

namespace zorvane::ui::qt {

// Logical pixels from twips; Qt's own high-DPI scaling does the rest.
int px(int twips);
QRect pxRect(int left, int top, int width, int height);

// Fixed values for the system colours, so that every machine renders alike.
QColor toQColor(Colour c);

// The nearest free faces from Debian at the design's sizes, in pixels at 96 dots per inch.
QFont toQFont(const Font& f);

}  // namespace zorvane::ui::qt

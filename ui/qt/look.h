// How the layouts' units, colours and fonts become Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "ui/layout.h"

namespace zorvane::ui::qt {

// Logical pixels from twips, rounded to the nearest; Qt's own high-DPI
// scaling does the rest. A rectangle's position and size each follow that
// one rule, so a box is as many pixels wide as its width in twips says,
// wherever it stands (545 twips are 36 pixels).
int px(int twips);
QRect pxRect(int left, int top, int width, int height);

// Fixed values for the system colours, so that every machine renders alike.
QColor toQColor(Colour c);

// The four lines of a sunken three-dimensional border, outside in.
inline const QColor kSunkenOuterShadow{0xA0, 0xA0, 0xA0};
inline const QColor kSunkenInnerShadow{0x69, 0x69, 0x69};
inline const QColor kSunkenInnerLight{0xE3, 0xE3, 0xE3};
inline const QColor kSunkenOuterLight{0xFF, 0xFF, 0xFF};

// The nearest free faces from Debian at the design's sizes, in pixels at 96 dots per inch.
QFont toQFont(const Font& f);

}  // namespace zorvane::ui::qt

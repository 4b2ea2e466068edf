#include "ui/qt/look.h"

#include <cmath>

namespace zorvane::ui::qt {

int px(int twips) {
  return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel)));
}

QRect pxRect(int left, int top, int width, int height) {
  return QRect(px(left), px(top), px(width), px(height));
}

QColor toQColor(Colour c) {
  switch (c.system) {
    case SystemColour::None: break;
    case SystemColour::ButtonFace: return QColor(0xF0, 0xF0, 0xF0);
    case SystemColour::WindowBackground: return QColor(0xFF, 0xFF, 0xFF);
    case SystemColour::WindowText: return QColor(0x00, 0x00, 0x00);
    case SystemColour::HighlightText: return QColor(0xFF, 0xFF, 0xFF);
    case SystemColour::ActiveTitleBar: return QColor(0x00, 0x54, 0xE3);
  }
  return QColor((c.rgb >> 16) & 0xFF, (c.rgb >> 8) & 0xFF, c.rgb & 0xFF);
}

QFont toQFont(const Font& f) {
  const bool verdana = f.family == "Verdana";
  QFont font(verdana ? QStringLiteral("DejaVu Sans") : QStringLiteral("Liberation Sans"));
  font.setPixelSize(static_cast<int>(std::lround(f.points * 96.0 / 72.0)));
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setStyleHint(QFont::SansSerif);
  if (f.wordSpacing != 0) font.setWordSpacing(f.wordSpacing * 96.0 / 72.0);
  return font;
}

}  // namespace zorvane::ui::qt

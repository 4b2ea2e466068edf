// Built-in pictures by asset key. Each has the catalogue's own pixels and a
// source drawn at twice the size for high-density screens; either is decoded
// on the first paint that needs it and shared by every control that shows
// the picture, and goes when the last of them does.
#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::ui::qt {

class SharedPicture {
 public:
  explicit SharedPicture(std::string key) : key_(std::move(key)) {}
  SharedPicture(const SharedPicture&) = delete;
  SharedPicture& operator=(const SharedPicture&) = delete;

  const std::string& key() const { return key_; }
  // The source for a device of this pixel ratio: the catalogue's own
  // pixels up to 1, the twice-size source above (its device pixel ratio is
  // 2, so it covers the same logical size).
  const QPixmap& forRatio(qreal ratio);
  // The size the layouts give it, in logical pixels.
  QSize size();
  bool decoded(int scale) const { return scale == 1 ? !one_.isNull() : !two_.isNull(); }

 private:
  std::string key_;
  QPixmap one_, two_;
};

using PictureHandle = std::shared_ptr<SharedPicture>;

// The shared picture of a key; a plain placeholder for a key that is not
// built in, so a missing picture shows without stopping the game.
PictureHandle acquirePicture(std::string_view key);

// Draws at its own size from `at` (an unscaled picture): at a ratio of 1 or
// 2 pixel for pixel, at any other ratio smoothly scaled from the twice-size source.
void drawUnscaled(QPainter& p, QPoint at, SharedPicture& picture);
// Draws scaled to fill `target`, smoothly.
void drawStretched(QPainter& p, const QRect& target, SharedPicture& picture);

// The decoded sources of the pictures that are held now, as "key@1x" or
// "key@2x": what a screen's pictures cost while it is loaded.
std::vector<std::string> decodedPictures();

QIcon iconFor(std::string_view key);
// Whether the key names a built-in picture.
bool hasPicture(std::string_view key);

}  // namespace zorvane::ui::qt

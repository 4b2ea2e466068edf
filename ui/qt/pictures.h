// Built-in pictures by asset key, decoded once and shared.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <string_view>

namespace zorvane::ui::qt {

// The decoded picture of an asset key; a plain placeholder for a key that
// is not built in, so a missing picture shows without stopping the game.
const QPixmap& pictureFor(std::string_view key);
QIcon iconFor(std::string_view key);
// Whether the key names a built-in picture.
bool hasPicture(std::string_view key);

}  // namespace zorvane::ui::qt

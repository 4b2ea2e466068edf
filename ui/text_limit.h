// Name boxes hold at most a fixed number of characters.
#pragma once

#include <string>
#include <string_view>

namespace zorvane::ui {

// The longest start of UTF-8 `text` that fits in `maxUnits` UTF-16 units,
// the measure the toolkit's text boxes use, never cutting a character in
// half; 0 means no limit.
std::string limitLength(std::string_view text, int maxUnits);

}  // namespace zorvane::ui

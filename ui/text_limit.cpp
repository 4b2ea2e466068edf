#include "ui/text_limit.h"

namespace zorvane::ui {

std::string limitLength(std::string_view text, int maxUnits) {
  if (maxUnits <= 0) return std::string(text);
  int units = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) == 0x80) continue;  // inside a character
    // A character beyond the basic plane takes two UTF-16 units, as in the toolkit's boxes.
    units += byte >= 0xF0 ? 2 : 1;
    if (units > maxUnits) return std::string(text.substr(0, i));
  }
  return std::string(text);
}

}  // namespace zorvane::ui

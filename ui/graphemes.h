// Characters as a person sees them: extended grapheme clusters of UTF-8
// text, so that a letter with its accents, an emoji sequence or a flag is one.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace zorvane::ui {

// Byte offsets where each character after the first begins, then the text's
// length; empty for empty text. Bytes that are not UTF-8 count one each.
std::vector<std::size_t> graphemeEnds(std::string_view text);

inline std::size_t graphemeCount(std::string_view text) {
  return graphemeEnds(text).size();
}

}  // namespace zorvane::ui

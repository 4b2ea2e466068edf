// Name boxes hold at most a fixed number of characters, counted as a person
// counts them: a letter with its accents, an emoji or a flag is one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvane::ui {

// The longest start of UTF-8 `text` that holds at most `maxCharacters`
// characters, never cutting one; 0 means no limit.
std::string limitLength(std::string_view text, int maxCharacters);

// An edit of a box limited to `maxCharacters`: `after` is what the user's
// typing or paste would make of `before`. Too long, the inserted part is cut
// to what fits, at a character's edge, and the rest of the text stays; a
// keystroke that does not fit is refused. The cursor (a byte offset into
// `after`) stays where it is when everything fits, else it ends up after
// what was kept of the insertion.
struct LimitedEdit {
  std::string text;
  std::size_t cursor = 0;
};
LimitedEdit limitEdit(std::string_view before, std::string_view after, std::size_t cursor, int maxCharacters);

}  // namespace zorvane::ui

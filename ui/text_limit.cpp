#include "ui/text_limit.h"

#include <algorithm>

#include "ui/graphemes.h"

namespace zorvane::ui {

std::string limitLength(std::string_view text, int maxCharacters) {
  if (maxCharacters <= 0) return std::string(text);
  const auto ends = graphemeEnds(text);
  const auto limit = static_cast<std::size_t>(maxCharacters);
  if (ends.size() <= limit) return std::string(text);
  return std::string(text.substr(0, ends[limit - 1]));
}

namespace {

bool fits(std::string_view text, int maxCharacters) {
  return graphemeCount(text) <= static_cast<std::size_t>(maxCharacters);
}

// Steps a byte offset back to the start of the UTF-8 sequence it falls in.
std::size_t sequenceStart(std::string_view s, std::size_t i) {
  while (i > 0 && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) --i;
  return i;
}

}  // namespace

LimitedEdit limitEdit(std::string_view before, std::string_view after, std::size_t cursor,
                      int maxCharacters) {
  if (maxCharacters <= 0 || fits(after, maxCharacters))
    return {std::string(after), std::min(cursor, after.size())};
  // What changed: the common start and the common end of the two texts,
  // kept apart, so that the middle of `after` is what was inserted.
  std::size_t head = 0;
  const std::size_t shorter = std::min(before.size(), after.size());
  while (head < shorter && before[head] == after[head]) ++head;
  head = sequenceStart(after, head);
  std::size_t tail = 0;
  while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
  const std::size_t insertedEnd = sequenceStart(after, after.size() - tail);
  const std::string_view prefix = after.substr(0, head);
  const std::string_view inserted = after.substr(head, insertedEnd - head);
  const std::string_view suffix = after.substr(insertedEnd);
  // Keep as many whole characters of the insertion as fit.
  const auto ends = graphemeEnds(inserted);
  for (std::size_t k = ends.size(); k > 0; --k) {
    std::string text =
        std::string(prefix) + std::string(inserted.substr(0, ends[k - 1])) + std::string(suffix);
    if (fits(text, maxCharacters)) return {std::move(text), head + ends[k - 1]};
  }
  // Nothing of it fits: the edit is refused, unless it also removed text.
  std::string kept = std::string(prefix) + std::string(suffix);
  if (kept.size() < before.size()) return {std::move(kept), head};
  return {std::string(before), std::min(head, before.size())};
}

}  // namespace zorvane::ui

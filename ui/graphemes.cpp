#include "ui/graphemes.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace zorvane::ui {

namespace {

enum class Break : std::uint8_t {
  Other,
  CR,
  LF,
  Control,
  Extend,
  ZWJ,
  RegionalIndicator,
  Prepend,
  SpacingMark,
  L,
  V,
  T,
  LV,
  LVT,
  ExtendedPictographic,
};

struct Range {
  char32_t first, last;
  Break value;
};

constexpr Range kRanges[] = {
#include "ui/grapheme_tables.inc"
};

Break breakOf(char32_t cp) {
  // Hangul syllables: every 28th one is LV, the rest LVT.
  if (cp >= 0xAC00 && cp <= 0xD7A3) return (cp - 0xAC00) % 28 == 0 ? Break::LV : Break::LVT;
  const auto* it = std::upper_bound(std::begin(kRanges), std::end(kRanges), cp,
                                    [](char32_t c, const Range& r) { return c < r.first; });
  if (it == std::begin(kRanges)) return Break::Other;
  --it;
  return cp <= it->last ? it->value : Break::Other;
}

// Decodes one code point at `i`, advancing past it; a malformed byte is one
// character of its own.
char32_t decode(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  int extra = lead < 0x80           ? 0
              : (lead >> 5) == 0x6  ? 1
              : (lead >> 4) == 0xE  ? 2
              : (lead >> 3) == 0x1E ? 3
                                    : -1;
  if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const auto next = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  i += static_cast<std::size_t>(extra) + 1;
  return cp;
}

bool isControl(Break b) {
  return b == Break::CR || b == Break::LF || b == Break::Control;
}

// The state a left-to-right scan carries for the emoji and flag rules.
struct Context {
  bool pictographicThenExtends = false;  // ExtPict Extend* so far
  bool zwjAfterPictographic = false;     // ExtPict Extend* ZWJ just seen
  int regionalRun = 0;                   // regional indicators in a row
};

// Whether the text breaks between a character of class `before` and one of `after`.
bool breaksBetween(Break before, Break after, const Context& ctx) {
  if (before == Break::CR && after == Break::LF) return false;
  if (isControl(before) || isControl(after)) return true;
  if (before == Break::L &&
      (after == Break::L || after == Break::V || after == Break::LV || after == Break::LVT))
    return false;
  if ((before == Break::LV || before == Break::V) && (after == Break::V || after == Break::T)) return false;
  if ((before == Break::LVT || before == Break::T) && after == Break::T) return false;
  if (after == Break::Extend || after == Break::ZWJ || after == Break::SpacingMark) return false;
  if (before == Break::Prepend) return false;
  if (ctx.zwjAfterPictographic && after == Break::ExtendedPictographic) return false;
  if (before == Break::RegionalIndicator && after == Break::RegionalIndicator)
    return ctx.regionalRun % 2 == 0;
  return true;
}

void advance(Context& ctx, Break b) {
  ctx.zwjAfterPictographic = ctx.pictographicThenExtends && b == Break::ZWJ;
  if (b == Break::ExtendedPictographic) {
    ctx.pictographicThenExtends = true;
  } else if (b != Break::Extend) {
    ctx.pictographicThenExtends = false;
  }
  ctx.regionalRun = b == Break::RegionalIndicator ? ctx.regionalRun + 1 : 0;
}

}  // namespace

std::vector<std::size_t> graphemeEnds(std::string_view text) {
  std::vector<std::size_t> ends;
  std::size_t i = 0;
  Context ctx;
  Break before = Break::Other;
  while (i < text.size()) {
    const std::size_t start = i;
    const Break b = breakOf(decode(text, i));
    if (start > 0 && breaksBetween(before, b, ctx)) ends.push_back(start);
    advance(ctx, b);
    before = b;
  }
  if (!text.empty()) ends.push_back(text.size());
  return ends;
}

}  // namespace zorvane::ui

// The seeded raw material of random play: numbers, the texts a person
// types or pastes, the time between events, and the record of recent events
// that a failure prints so that its seed replays it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::stress {

// The standard engine, read without the library's distributions, whose
// results differ between standard libraries: a seed replays everywhere.
class Dice {
 public:
  explicit Dice(std::uint64_t seed) : engine_(seed) {}
  std::uint64_t raw() { return engine_(); }
  // 0 .. n-1.
  int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
  bool percent(int p) { return below(100) < p; }
  template <typename T>
  const T& of(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
  }

 private:
  std::mt19937_64 engine_;
};

// Names as people type them, and worse: empty, at the limit, past it, wide
// characters, combining marks, right-to-left, control characters, markup,
// format strings and the menu's hidden name.
inline const std::vector<std::string>& awkwardTexts() {
  static const std::vector<std::string> texts{
      "",
      "Abcdefgh",
      "Abcdefghijkl",
      "Player 1",
      "quarvel",
      "QUarvel",
      "QUARVEL",
      "quarvel ",
      "Quarve",
      "\xF0\x9F\x90\x9E\xF0\x9F\x90\x9E\xF0\x9F\x90\x9E\xF0\x9F\x90\x9E\xF0\x9F\x90\x9E",  // ladybirds
      "e\xCC\x81"
      "e\xCC\x81"
      "e\xCC\x81"
      "e\xCC\x81"
      "e\xCC\x81",                         // e and a combining acute, five times
      "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D",  // Hebrew, right to left
      "\xE2\x80\xAE"
      "abc",  // a right-to-left override
      std::string("a\tb\nc\x01\x7f", 7),
      std::string("a\0b", 3),
      "<b>x</b>",
      "<img src=x>",
      "&amp;&lt;",
      "%s%n%d%%",
      "{0}{}%1",
  };
  return texts;
}

// One of the awkward texts, or a random run of awkward characters.
inline std::string awkwardText(Dice& dice) {
  if (dice.percent(60)) return dice.of(awkwardTexts());
  static const std::vector<std::string> pieces{"a",        "Z",  " ", "7", "\xF0\x9F\x90\x9E", "\xCC\x81",
                                               "\xD7\xA9", "\t", "<", "%", "\xC3\xA9",         "q"};
  std::string text;
  for (int n = dice.below(13); n > 0; --n) text += dice.of(pieces);
  return text;
}

// Milliseconds between events: mostly a moment, sometimes a pause, now and
// then exactly a timer's interval.
inline int pause(Dice& dice) {
  static const std::vector<int> intervals{1, 20, 500, 2000, 4000};
  const int r = dice.below(100);
  if (r < 5) return dice.of(intervals);
  if (r < 50) return dice.below(21);
  if (r < 78) return dice.below(601);
  if (r < 93) return dice.below(2001);
  return dice.below(5001);
}

// The number in an environment variable, else `fallback`.
inline long fromEnvironment(const char* name, long fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

// The last events, for the failure report, and a digest of all of them.
class History {
 public:
  static constexpr std::size_t kKept = 30;

  void add(std::string event) {
    for (unsigned char c : event) digest_ = (digest_ ^ c) * 1099511628211ull;
    digest_ = (digest_ ^ '\n') * 1099511628211ull;
    recent_.push_back(std::move(event));
    if (recent_.size() > kKept) recent_.pop_front();
  }
  std::uint64_t digest() const { return digest_; }
  std::string tail() const {
    std::string out;
    for (const std::string& e : recent_) out += "  " + e + "\n";
    return out;
  }

 private:
  std::deque<std::string> recent_;
  std::uint64_t digest_ = 1469598103934665603ull;
};

// Control characters written so that a report stays on one line.
inline std::string printable(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7f) {
      static const char* hex = "0123456789abcdef";
      out += "\\x";
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace zorvane::stress

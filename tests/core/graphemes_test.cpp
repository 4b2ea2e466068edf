// Characters as a person counts them: Unicode's own test of grapheme cluster
// boundaries, and the cases a name box meets.
#include "ui/graphemes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ui/text_limit.h"

namespace zorvane {
namespace {

std::string utf8(char32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (cp >> 18));
    s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

// Debian's unicode-data carries the test that comes with the Unicode version
// the tables were made from: "÷ 0020 × 0308 ÷" lists code points and whether
// the text breaks between them.
TEST(Graphemes, AgreeWithUnicodesBreakTest) {
  std::ifstream file("/usr/share/unicode/auxiliary/GraphemeBreakTest.txt");
  ASSERT_TRUE(file) << "scripts/setup installs unicode-data";
  std::string line;
  int cases = 0;
  while (std::getline(file, line)) {
    line = line.substr(0, line.find('#'));
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    std::istringstream in(line);
    std::string token, text;
    std::vector<std::size_t> expected;
    while (in >> token) {
      if (token == "\xC3\xB7") {  // ÷
        if (!text.empty()) expected.push_back(text.size());
      } else if (token != "\xC3\x97") {  // ×
        text += utf8(static_cast<char32_t>(std::stoul(token, nullptr, 16)));
      }
    }
    ++cases;
    EXPECT_EQ(ui::graphemeEnds(text), expected) << line;
  }
  EXPECT_GT(cases, 500);
}

TEST(Graphemes, CountWhatAPersonSeesAsOneCharacter) {
  struct Case {
    const char* what;
    std::string text;
    std::size_t count;
  };
  const Case cases[] = {
      {"empty", "", 0},
      {"letters", "Player 1", 8},
      {"an emoji", "\xF0\x9F\x90\x9E", 1},
      {"a flag", "\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA", 1},
      {"three regional indicators: a flag and a half", "\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA\xF0\x9F\x87\xA9", 2},
      {"a letter and two accents", "e\xCC\x81\xCC\xA3", 1},
      {"a family joined by zero-width joiners",
       "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7", 1},
      {"a thumb with a skin tone", "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD", 1},
      {"a heart with its emoji form", "\xE2\x9D\xA4\xEF\xB8\x8F", 1},
      {"Hangul from jamo", "\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB", 1},
      {"Hangul syllables", "\xED\x95\x9C\xEA\xB5\xAD", 2},
      {"CR LF", "\r\n", 1},
      {"a malformed byte counts alone",
       "a\xFF"
       "b",
       3},
      {"a sequence cut short", "ab\xF0\x9F", 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ui::graphemeCount(c.text), c.count) << c.what;
  }
}

TEST(Graphemes, TheLimitNeverCutsInsideACharacter) {
  const std::string family = "\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7";
  EXPECT_EQ(ui::limitLength("abcdefg" + family + "x", 8), "abcdefg" + family);
  EXPECT_EQ(ui::limitLength("abcdefgh" + family, 8), "abcdefgh");
  EXPECT_EQ(ui::limitLength("abcdefghe\xCC\x81", 8), "abcdefgh");
  EXPECT_EQ(ui::limitLength("abcdefge\xCC\x81", 8), "abcdefge\xCC\x81");
  EXPECT_EQ(ui::limitLength("abcdefghij", 0), "abcdefghij") << "0 means no limit";
}

}  // namespace
}  // namespace zorvane

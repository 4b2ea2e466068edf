// The main menu driven as a person would: the bug slots, the hidden name,
// the name box's limit, the mode, the quit and entry openers, and what
// "Play !" leaves on the two match screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "app/game_behaviours.h"
#include "rules/board.h"
#include "tests/core/loaded_controls.h"
#include "ui/headless/driver.h"

namespace zorvane {
namespace {

using ui::Driver;
using ui::Picture;
using ui::ScreenId;

constexpr std::uint64_t kSeed = 11;

std::string nth(const char* family, int n) {
  return family + std::to_string(n);
}

using testing_support::onScreen;

using testing_support::initialPicture;

enum class PictureSet { Standard, Alternate, Mixed };

class MainMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    d.start();
    d.advance(4000);
    ASSERT_TRUE(d.rt().isShown(ScreenId::Welcome));
  }

  bool menuShows(const std::string& name) { return onScreen(d, ScreenId::Welcome, name).visible(); }

  // The slot whose frame is the only one shown; 0 when not exactly one is.
  int chosenSlot() {
    int slot = 0, shown = 0;
    for (int n = 1; n <= 4; ++n) {
      if (menuShows(nth("sel", n))) {
        slot = n;
        ++shown;
      }
    }
    return shown == 1 ? slot : 0;
  }

  PictureSet pictureSet() {
    bool standard = true, alternate = true;
    for (int n = 1; n <= 4; ++n) {
      standard = standard && menuShows(nth("b", n)) && !menuShows(nth("k", n));
      alternate = alternate && !menuShows(nth("b", n)) && menuShows(nth("k", n));
    }
    return standard ? PictureSet::Standard : alternate ? PictureSet::Alternate : PictureSet::Mixed;
  }

  // "2 player", with the entry closed by its close button at once.
  void chooseTwoPlayers() {
    d.whenModal([](Driver& dd, ScreenId id) {
      ASSERT_EQ(id, ScreenId::player);
      dd.close(ScreenId::player);
    });
    ASSERT_EQ(d.click(ScreenId::Welcome, "vs2"), "vs2");
  }

  void play() { ASSERT_EQ(d.click(ScreenId::Welcome, "Command1"), "Command1"); }

  Driver d{app::gameBehaviours(kSeed)};
};

// ---- the bug slots ------------------------------------------------------------

TEST_F(MainMenuTest, ClickingAStandardPictureChoosesItsSlotAlone) {
  EXPECT_EQ(chosenSlot(), 1);
  for (int slot : {3, 1, 4, 2, 2, 4}) {
    SCOPED_TRACE("b" + std::to_string(slot));
    EXPECT_EQ(d.click(ScreenId::Welcome, nth("b", slot)), nth("b", slot));
    EXPECT_EQ(chosenSlot(), slot);
    EXPECT_EQ(pictureSet(), PictureSet::Standard);
  }
}

TEST_F(MainMenuTest, ClickingAnAlternatePictureChoosesItsSlotAlone) {
  d.type(ScreenId::Welcome, "Text1", "quarvel");
  for (int slot : {2, 4, 1, 3, 3}) {
    SCOPED_TRACE("k" + std::to_string(slot));
    EXPECT_EQ(d.click(ScreenId::Welcome, nth("k", slot)), nth("k", slot));
    EXPECT_EQ(chosenSlot(), slot);
    EXPECT_EQ(pictureSet(), PictureSet::Alternate);
  }
}

// ---- the hidden name ------------------------------------------------------------

struct NameCase {
  const char* text;
  bool alternate;
};

const std::vector<NameCase> kNames = {
    {"quarvel", true},   {"Quarvel", true},   {"QUarvel", true},   {"QUARVEL", true},    {"quarveL", false},
    {"QuArvel", false},  {"qUARVEL", false},  {"QUARVEl", false},  {"QUArvel", false},   {"quARVEL", false},
    {" quarvel", false}, {"quarvel ", false}, {" QUARVEL", false}, {"QUarvel ", false},  {"quarvels", false},
    {"Quarvelx", false}, {"quarve", false},   {"uarvel", false},   {"QUARVE", false},    {"quarvl", false},
    {"qu arvel", false}, {"", false},         {"Player 1", false}, {"quarvel\t", false},
};

TEST_F(MainMenuTest, HiddenNameShowsTheAlternateSetForExactlyTheFourForms) {
  for (const NameCase& c : kNames) {
    for (const char* before : {"Player 1", "QUARVEL"}) {
      SCOPED_TRACE(std::string("'") + c.text + "' after '" + before + "'");
      d.type(ScreenId::Welcome, "Text1", before);
      d.type(ScreenId::Welcome, "Text1", c.text);
      ASSERT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), c.text);
      EXPECT_EQ(pictureSet(), c.alternate ? PictureSet::Alternate : PictureSet::Standard);
      EXPECT_EQ(chosenSlot(), 1);
    }
  }
}

TEST_F(MainMenuTest, HiddenNameTypedKeyByKeyShowsAtTheLastLetterAndGoesWithTheNext) {
  d.type(ScreenId::Welcome, "Text1", "");
  d.typeKeys(ScreenId::Welcome, "Text1", "Quarve");
  EXPECT_EQ(pictureSet(), PictureSet::Standard);
  d.typeKeys(ScreenId::Welcome, "Text1", "l");
  EXPECT_EQ(pictureSet(), PictureSet::Alternate);
  d.typeKeys(ScreenId::Welcome, "Text1", "l");
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), "Quarvell");
  EXPECT_EQ(pictureSet(), PictureSet::Standard);
}

TEST_F(MainMenuTest, ChosenSlotIsKeptAcrossEverySwitchOfPictureSet) {
  ASSERT_EQ(d.click(ScreenId::Welcome, "b3"), "b3");
  d.type(ScreenId::Welcome, "Text1", "QUARVEL");
  EXPECT_EQ(pictureSet(), PictureSet::Alternate);
  EXPECT_EQ(chosenSlot(), 3);
  ASSERT_EQ(d.click(ScreenId::Welcome, "k2"), "k2");
  d.type(ScreenId::Welcome, "Text1", "QUARVE");  // one letter deleted
  EXPECT_EQ(pictureSet(), PictureSet::Standard);
  EXPECT_EQ(chosenSlot(), 2);
  d.type(ScreenId::Welcome, "Text1", "QUARVEL");
  EXPECT_EQ(chosenSlot(), 2);
}

// ---- the name box's limit -----------------------------------------------------------

struct LimitCase {
  const char* what;
  std::string typed;
  std::string kept;
};

// The box counts characters as a person sees them: an emoji, a flag, a
// letter with its accents or a family joined into one picture is one
// character, and none is ever cut apart.
const std::string kFlag = "🇩🇪";
const std::string kAcuteE = "e\xCC\x81";
const std::string kFamily = "👨\u200D👩\u200D👧";
const std::string kThumbTone = "👍🏽";
std::string times(const std::string& s, int n) {
  std::string out;
  for (int k = 0; k < n; ++k) out += s;
  return out;
}
const std::vector<LimitCase> kLimits = {
    {"nine letters", "Player 12", "Player 1"},
    {"eight letters", "ABCDEFGH", "ABCDEFGH"},
    {"nine two-byte letters", "ÄÖÜäöüßéè", "ÄÖÜäöüßé"},
    {"nine three-byte letters", "€€€€€€€€€", "€€€€€€€€"},
    {"five emoji", "😀😀😀😀😀", "😀😀😀😀😀"},
    {"nine emoji", "😀😀😀😀😀😀😀😀😀", "😀😀😀😀😀😀😀😀"},
    {"an emoji as the eighth character", "abcdefg😀", "abcdefg😀"},
    {"an emoji as the ninth character", "abcdefgh😀", "abcdefgh"},
    {"emoji and letters mixed", "a😀b😀c😀d😀e😀", "a😀b😀c😀d😀"},
    {"nine flags", times(kFlag, 9), times(kFlag, 8)},
    {"nine letters with a combining accent", times(kAcuteE, 9), times(kAcuteE, 8)},
    {"nine families", times(kFamily, 9), times(kFamily, 8)},
    {"nine thumbs with a skin tone", times(kThumbTone, 9), times(kThumbTone, 8)},
    {"Hangul syllables", "한국어한국어한국어", "한국어한국어한국"},
    {"the empty name", "", ""},
};

TEST_F(MainMenuTest, NameBoxKeepsAtMostEightCharactersWhenAnEditReplacesTheText) {
  for (const LimitCase& c : kLimits) {
    SCOPED_TRACE(c.what);
    d.type(ScreenId::Welcome, "Text1", c.typed);
    EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), c.kept);
  }
}

TEST_F(MainMenuTest, NameBoxRefusesKeysThatNoLongerFit) {
  for (const LimitCase& c : kLimits) {
    SCOPED_TRACE(c.what);
    d.type(ScreenId::Welcome, "Text1", "");
    d.typeKeys(ScreenId::Welcome, "Text1", c.typed);
    EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), c.kept);
  }
  // A full box refuses every key; the text is never shortened from the front.
  d.type(ScreenId::Welcome, "Text1", "Player 1");
  d.typeKeys(ScreenId::Welcome, "Text1", "xyz");
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), "Player 1");
  // With one character left an emoji fits and the letter after it does not.
  d.type(ScreenId::Welcome, "Text1", "abcdefg");
  d.typeKeys(ScreenId::Welcome, "Text1", "😀h");
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), "abcdefg😀");
  // A full box still takes an accent onto its last letter, which makes no
  // new character; a flag as the eighth character fits whole.
  d.type(ScreenId::Welcome, "Text1", "abcdefge");
  d.typeKeys(ScreenId::Welcome, "Text1", "\xCC\x81x");
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), "abcdefg" + kAcuteE);
  d.type(ScreenId::Welcome, "Text1", "abcdefg");
  d.typeKeys(ScreenId::Welcome, "Text1", kFlag + "x");
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), "abcdefg" + kFlag);
}

struct PasteCase {
  const char* what;
  std::string before;
  std::size_t at;
  std::string pasted;
  std::string kept;
};

// A paste goes in where the cursor is and is cut to what fits, at a
// character's edge; the text around it stays.
const std::vector<PasteCase> kPastes = {
    {"at the end, cut", "abc", 3, "defghijk", "abcdefgh"},
    {"in the middle, cut", "abcdef", 3, "XYZ", "abcXYdef"},
    {"a full box refuses it", "abcdefgh", 4, "XYZ", "abcdefgh"},
    {"emoji cut after the eighth", "abcdef", 6, "😀😀😀", "abcdef😀😀"},
    {"flags never split", "abcdef", 6, times(kFlag, 3), "abcdef" + times(kFlag, 2)},
    {"a family never split", "abcdefg", 7, kFamily + kFamily, "abcdefg" + kFamily},
    {"accents stay on their letters", "abcde", 5, times(kAcuteE, 4), "abcde" + times(kAcuteE, 3)},
    {"an accent joins the letter before the cursor", "abcdefgh", 8, "\xCC\x81",
     "abcdefg"
     "h\xCC\x81"},
    {"the empty box", "", 0, times(kFamily, 10), times(kFamily, 8)},
};

TEST_F(MainMenuTest, APasteIsCutAtEightCharactersAndNeverInsideOne) {
  for (const PasteCase& c : kPastes) {
    SCOPED_TRACE(c.what);
    d.type(ScreenId::Welcome, "Text1", c.before);
    d.paste(ScreenId::Welcome, "Text1", c.pasted, c.at);
    EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), c.kept);
  }
}

TEST_F(MainMenuTest, HiddenNameTestSeesTheTextAfterTheLimit) {
  d.type(ScreenId::Welcome, "Text1", "QUARVEL😀");
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), "QUARVEL😀")
      << "the emoji is the eighth character";
  EXPECT_EQ(pictureSet(), PictureSet::Standard);
  d.type(ScreenId::Welcome, "Text1", "QUARVEL");
  EXPECT_EQ(pictureSet(), PictureSet::Alternate);
  d.type(ScreenId::Welcome, "Text1", "quarvel12");
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), "quarvel1");
  EXPECT_EQ(pictureSet(), PictureSet::Standard);
}

// ---- the mode and the openers -------------------------------------------------------

TEST_F(MainMenuTest, TwoPlayerOptionOpensTheEntryModallyAndDoesNothingElse) {
  bool asked = false;
  d.whenModal([&](Driver& dd, ScreenId id) {
    asked = true;
    EXPECT_EQ(id, ScreenId::player);
    EXPECT_TRUE(dd.rt().isModal(ScreenId::player));
    EXPECT_EQ(dd.ctl(ScreenId::Welcome, "vs2").value(), 1);
    EXPECT_EQ(dd.ctl(ScreenId::Welcome, "vscomp").value(), 0);
    // The menu waits: a click on Play goes nowhere.
    EXPECT_FALSE(dd.click(ScreenId::Welcome, "Command1").has_value());
    EXPECT_FALSE(dd.rt().isLoaded(ScreenId::game));
    dd.close(ScreenId::player);
  });
  d.click(ScreenId::Welcome, "vs2");
  EXPECT_TRUE(asked);
  EXPECT_TRUE(d.rt().isShown(ScreenId::Welcome));
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::player));
  for (ScreenId id : {ScreenId::game, ScreenId::game1, ScreenId::quit}) EXPECT_FALSE(d.rt().isLoaded(id));
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), "Player 1");
  EXPECT_EQ(chosenSlot(), 1);

  // Back to the computer: only the option switch, no screen opens.
  EXPECT_EQ(d.click(ScreenId::Welcome, "vscomp"), "vscomp");
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "vscomp").value(), 1);
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "vs2").value(), 0);
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::player));
}

TEST_F(MainMenuTest, EscAndTheClosePictureOpenTheQuitConfirmationModally) {
  // The "esc" button lies below the window: no mouse reaches it, the key does.
  EXPECT_FALSE(d.click(ScreenId::Welcome, "Command2").has_value());
  const std::vector<std::pair<const char*, std::function<void()>>> openers = {
      {"Esc", [&] { d.pressEsc(ScreenId::Welcome); }},
      {"the close picture", [&] { EXPECT_EQ(d.click(ScreenId::Welcome, "Image2"), "Image2"); }},
      {"a click on esc", [&] { d.rt().click(ScreenId::Welcome, "Command2"); }},
  };
  for (const auto& [what, open] : openers) {
    SCOPED_TRACE(what);
    bool asked = false;
    d.whenModal([&](Driver& dd, ScreenId id) {
      asked = true;
      EXPECT_EQ(id, ScreenId::quit);
      EXPECT_TRUE(dd.rt().isModal(ScreenId::quit));
      dd.close(ScreenId::quit);
    });
    open();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(d.rt().isLoaded(ScreenId::quit));
    EXPECT_TRUE(d.rt().isShown(ScreenId::Welcome));
  }
}

TEST_F(MainMenuTest, QuitButtonBehindTheBannerDoesNothing) {
  // A person aiming at it hits the banner that covers it.
  EXPECT_EQ(d.click(ScreenId::Welcome, "cmdQuit"), "Picture1");
  // Even a click that reaches it opens nothing (an unanswered modal would throw).
  d.rt().click(ScreenId::Welcome, "cmdQuit");
  EXPECT_TRUE(d.rt().isShown(ScreenId::Welcome));
  for (ScreenId id : ui::kAllScreens) {
    if (id != ScreenId::Welcome) {
      EXPECT_FALSE(d.rt().isLoaded(id)) << ui::screenName(id);
    }
  }
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "vscomp").value(), 1);
  EXPECT_EQ(chosenSlot(), 1);
}

// The menu has no title bar and so no close box; it is left only through
// "Play !" or the quit confirmation, so a close request (Alt+F4) changes nothing.
TEST_F(MainMenuTest, CloseRequestOnTheBorderlessMenuChangesNothing) {
  d.type(ScreenId::Welcome, "Text1", "Ann");
  d.close(ScreenId::Welcome);
  EXPECT_TRUE(d.alive());
  ASSERT_TRUE(d.rt().isShown(ScreenId::Welcome));
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), "Ann");
}

TEST_F(MainMenuTest, EnterStartsPlay) {
  d.pressEnter(ScreenId::Welcome);
  EXPECT_TRUE(d.rt().isShown(ScreenId::game));
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::Welcome));
}

// ---- Play: the picture rows -------------------------------------------------------------

enum class Mode { Computer, TwoPlayers };

using PlayParam = std::tuple<Mode, PictureSet, int>;

class MenuPlayPictures : public MainMenuTest, public ::testing::WithParamInterface<PlayParam> {};

void expectPlayerOnePicture(Driver& d, ScreenId match, const Picture& portrait, const Picture& pieces) {
  SCOPED_TRACE(ui::screenName(match));
  EXPECT_EQ(onScreen(d, match, "Image11").picture(), portrait);
  for (int n = 1; n <= 9; ++n)
    EXPECT_EQ(onScreen(d, match, rules::cellControl('m', n)).picture(), pieces) << n;
  // Player two's pieces are never the menu's business.
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(onScreen(d, match, rules::cellControl('a', n)).picture(), initialPicture(match, "a1")) << n;
  }
}

TEST_P(MenuPlayPictures, CopiesTheChosenPictureOntoBothMatchScreens) {
  const auto [mode, set, slot] = GetParam();
  if (set == PictureSet::Alternate) d.type(ScreenId::Welcome, "Text1", "Quarvel");
  if (mode == Mode::TwoPlayers) chooseTwoPlayers();
  const std::string clicked = nth(set == PictureSet::Alternate ? "k" : "b", slot);
  ASSERT_EQ(d.click(ScreenId::Welcome, clicked), clicked);
  ASSERT_EQ(chosenSlot(), slot);
  const Picture chosen = onScreen(d, ScreenId::Welcome, clicked).picture();
  ASSERT_FALSE(d.rt().isLoaded(ScreenId::game));
  ASSERT_FALSE(d.rt().isLoaded(ScreenId::game1));

  play();

  const ScreenId shown = mode == Mode::Computer ? ScreenId::game : ScreenId::game1;
  const ScreenId hidden = mode == Mode::Computer ? ScreenId::game1 : ScreenId::game;
  EXPECT_TRUE(d.rt().isShown(shown));
  EXPECT_FALSE(d.rt().isModal(shown));
  EXPECT_TRUE(d.rt().isLoaded(hidden));
  EXPECT_FALSE(d.rt().isShown(hidden));
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::Welcome));
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::player));
  EXPECT_TRUE(d.alive());

  expectPlayerOnePicture(d, ScreenId::game, chosen, chosen);
  if (slot == 1 && set == PictureSet::Standard) {
    // The two-player screen's pieces already hold slot 1's picture; its portrait is left as it is.
    EXPECT_EQ(chosen, initialPicture(ScreenId::game1, "m1"));
    expectPlayerOnePicture(d, ScreenId::game1, initialPicture(ScreenId::game1, "Image11"),
                           initialPicture(ScreenId::game1, "m1"));
  } else {
    expectPlayerOnePicture(d, ScreenId::game1, chosen, chosen);
  }
}

std::string playCaseName(const ::testing::TestParamInfo<PlayParam>& info) {
  const auto& [mode, set, slot] = info.param;
  return std::string(mode == Mode::Computer ? "Computer" : "TwoPlayers") +
         (set == PictureSet::Standard ? "Standard" : "Alternate") + "Slot" + std::to_string(slot);
}

INSTANTIATE_TEST_SUITE_P(EverySlotSetAndMode, MenuPlayPictures,
                         ::testing::Combine(::testing::Values(Mode::Computer, Mode::TwoPlayers),
                                            ::testing::Values(PictureSet::Standard, PictureSet::Alternate),
                                            ::testing::Range(1, 5)),
                         playCaseName);

TEST_F(MainMenuTest, AlternateSlotPictureDiffersFromTheStandardOne) {
  // Guards the picture-row table above: it tells b and k apart only if they differ.
  for (int n = 1; n <= 4; ++n) {
    EXPECT_NE(onScreen(d, ScreenId::Welcome, nth("b", n)).picture(),
              onScreen(d, ScreenId::Welcome, nth("k", n)).picture())
        << n;
  }
  EXPECT_NE(initialPicture(ScreenId::game1, "Image11"), initialPicture(ScreenId::game1, "m1"));
}

// ---- Play: the names -------------------------------------------------------------

struct NamesCase {
  Mode mode;
  const char* name;  // nullptr: the box left untouched
  const char* expected;
};

TEST_F(MainMenuTest, PlayWritesBothNamesAndNameLinesInEitherMode) {
  const std::vector<NamesCase> cases = {
      {Mode::Computer, nullptr, "Player 1"},
      {Mode::TwoPlayers, nullptr, "Player 1"},
      {Mode::Computer, "Ann", "Ann"},
      {Mode::TwoPlayers, "Ann", "Ann"},
      {Mode::Computer, "", ""},
      {Mode::TwoPlayers, "", ""},
      {Mode::TwoPlayers, "Zoë😀ab", "Zoë😀ab"},
      {Mode::Computer, "ABCDEFGH", "ABCDEFGH"},
  };
  for (const NamesCase& c : cases) {
    SCOPED_TRACE(std::string(c.mode == Mode::Computer ? "computer, " : "two players, ") +
                 (c.name ? c.name : "(untouched)"));
    Driver dd(app::gameBehaviours(kSeed));
    dd.start();
    dd.advance(4000);
    if (c.name) dd.type(ScreenId::Welcome, "Text1", c.name);
    if (c.mode == Mode::TwoPlayers) {
      dd.whenModal([](Driver& x, ScreenId) { x.close(ScreenId::player); });
      dd.click(ScreenId::Welcome, "vs2");
    }
    dd.click(ScreenId::Welcome, "Command1");
    ASSERT_TRUE(dd.rt().isLoaded(ScreenId::game1));
    EXPECT_EQ(onScreen(dd, ScreenId::game1, "name1").text(), c.expected);
    EXPECT_EQ(onScreen(dd, ScreenId::game1, "p2name").text(), std::string("FroggyFood ") + c.expected);
    // No entry was confirmed: player two keeps the entry's own default name.
    EXPECT_EQ(onScreen(dd, ScreenId::game1, "name2").text(), "Player 2");
    EXPECT_EQ(onScreen(dd, ScreenId::game1, "Label5").text(), "FroggyFood Player 2");
    // The computer match names the player too.
    EXPECT_EQ(onScreen(dd, ScreenId::game, "Label4").text(), c.expected);
  }
}

TEST_F(MainMenuTest, TwoPlayerMatchWithoutAConfirmedEntryNamesPlayerTwoByTheEntryDefault) {
  chooseTwoPlayers();
  play();
  ASSERT_TRUE(d.rt().isShown(ScreenId::game1));
  EXPECT_EQ(onScreen(d, ScreenId::game1, "name2").text(), "Player 2");
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Label5").text(), "FroggyFood Player 2");
  // With slot 1 and the standard pictures the portrait keeps its own picture
  // until the screen's start-up copies the pieces' picture onto it.
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Image11").picture(), initialPicture(ScreenId::game1, "Image11"));
}

TEST_F(MainMenuTest, ComputerMatchOpensWithBothSidesOnTheBoard) {
  play();
  ASSERT_TRUE(d.rt().isShown(ScreenId::game));
  for (int n = 1; n <= 9; ++n) {
    SCOPED_TRACE(n);
    const bool player = n == 2 || n == 3 || n == 4;
    const bool computer = n == 1 || n == 6 || n == 8;
    EXPECT_EQ(onScreen(d, ScreenId::game, rules::cellControl('m', n)).visible(), player);
    EXPECT_EQ(onScreen(d, ScreenId::game, rules::cellControl('a', n)).visible(), computer);
  }
}

// ---- back to the menu --------------------------------------------------------------

class MenuBackFromMatch : public MainMenuTest, public ::testing::WithParamInterface<Mode> {};

TEST_P(MenuBackFromMatch, ClosingTheMatchScreenShowsANewlyLoadedMenu) {
  const Mode mode = GetParam();
  d.type(ScreenId::Welcome, "Text1", "quarvel");
  ASSERT_EQ(d.click(ScreenId::Welcome, "k4"), "k4");
  if (mode == Mode::TwoPlayers) chooseTwoPlayers();
  play();
  const ScreenId match = mode == Mode::Computer ? ScreenId::game : ScreenId::game1;
  const ScreenId other = mode == Mode::Computer ? ScreenId::game1 : ScreenId::game;
  ASSERT_TRUE(d.rt().isShown(match));
  d.close(match);
  EXPECT_FALSE(d.rt().isLoaded(match));
  ASSERT_TRUE(d.rt().isShown(ScreenId::Welcome));
  EXPECT_FALSE(d.rt().isModal(ScreenId::Welcome));
  EXPECT_TRUE(d.alive());
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Text1").text(), "Player 1");
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "vscomp").value(), 1);
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "vs2").value(), 0);
  EXPECT_EQ(chosenSlot(), 1);
  EXPECT_EQ(pictureSet(), PictureSet::Standard);
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "Label5").text(), "Player 2");
  // The match screen that Play left hidden stays loaded and hidden.
  EXPECT_TRUE(d.rt().isLoaded(other));
  EXPECT_FALSE(d.rt().isShown(other));
  // And the new menu works: Play goes again.
  play();
  EXPECT_TRUE(d.rt().isShown(ScreenId::game));
}

INSTANTIATE_TEST_SUITE_P(BothModes, MenuBackFromMatch, ::testing::Values(Mode::Computer, Mode::TwoPlayers),
                         [](const ::testing::TestParamInfo<Mode>& info) {
                           return info.param == Mode::Computer ? "Computer" : "TwoPlayers";
                         });

TEST_F(MainMenuTest, LaterPlayReusesAMatchScreenThatIsStillLoaded) {
  play();         // the computer match; the two-player screen is loaded hidden
  d.advance(10);  // its one-shot start-up timer ticks while it is hidden
  ASSERT_FALSE(onScreen(d, ScreenId::game1, "Timer1").enabled());
  d.close(ScreenId::game);
  ASSERT_TRUE(d.rt().isShown(ScreenId::Welcome));

  d.type(ScreenId::Welcome, "Text1", "Bob");
  ASSERT_EQ(d.click(ScreenId::Welcome, "b3"), "b3");
  const Picture b3 = onScreen(d, ScreenId::Welcome, "b3").picture();
  chooseTwoPlayers();
  play();
  ASSERT_TRUE(d.rt().isShown(ScreenId::game1));
  // Not loaded anew: a fresh screen would have its start-up timer running again.
  EXPECT_FALSE(onScreen(d, ScreenId::game1, "Timer1").enabled());
  EXPECT_EQ(onScreen(d, ScreenId::game1, "name1").text(), "Bob");
  EXPECT_EQ(onScreen(d, ScreenId::game1, "p2name").text(), "FroggyFood Bob");
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Image11").picture(), b3);
  EXPECT_EQ(onScreen(d, ScreenId::game1, "m5").picture(), b3);
  EXPECT_TRUE(d.rt().isLoaded(ScreenId::game));
  EXPECT_FALSE(d.rt().isShown(ScreenId::game));
}

}  // namespace
}  // namespace zorvane

namespace zorvane {
namespace {

// A computer match first loads the two-player screen hidden, and its start-up
// runs then; a later two-player match on that same screen must still dress
// player two's pieces in the portrait the entry chose.
TEST_F(MainMenuTest, PlayerTwosPiecesWearTheChosenPortraitOnAnEarlierLoadedScreen) {
  play();
  d.advance(10);
  ASSERT_TRUE(d.rt().isShown(ScreenId::game));
  ASSERT_TRUE(d.rt().isLoaded(ScreenId::game1));
  d.close(ScreenId::game);
  ASSERT_TRUE(d.rt().isShown(ScreenId::Welcome));
  d.whenModal([](Driver& dd, ScreenId) {
    dd.click(ScreenId::player, "i5");
    dd.click(ScreenId::player, "Command1");
  });
  ASSERT_EQ(d.click(ScreenId::Welcome, "vs2"), "vs2");
  play();
  d.advance(10);
  const ui::Picture chosen = d.ctl(ScreenId::game1, "Image12").picture();
  EXPECT_EQ(chosen.key(), "entry_piece5");
  for (int n = 1; n <= 9; ++n) EXPECT_EQ(d.ctl(ScreenId::game1, nth("a", n)).picture(), chosen) << n;
}

}  // namespace
}  // namespace zorvane

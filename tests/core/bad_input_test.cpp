// Bad and unusual input on the headless driver: awkward names typed and
// pasted, followed onto every screen that shows them through whole games;
// input while a modal screen waits; double clicks; clicks during the
// computer's pause and in the millisecond before game1's start-up; windows
// closed from their title bar while their timer is due.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>

#include "app/game_behaviours.h"
#include "ui/headless/driver.h"
#include "ui/hit_test.h"

namespace zorvane {
namespace {

using ui::Driver;
using ui::ScreenId;

constexpr std::uint64_t kSeed = 3;
constexpr ScreenId kGame1 = ScreenId::game1;

std::string cell(char family, int n) {
  return std::string(1, family) + std::to_string(n);
}

// Every value of every loaded screen, to show that an input changed nothing.
std::string snapshot(const ui::Runtime& rt) {
  std::string out;
  for (ScreenId id : ui::kAllScreens) {
    const ui::Screen* s = rt.find(id);
    out += std::string(ui::screenName(id)) + (s ? "" : " -") + "\n";
    if (!s) continue;
    out += (s->shown() ? "shown " : "hidden ") + std::to_string(s->outerHeight()) + "\n";
    for (const ui::Control& c : s->controls()) {
      out += std::string(c.name()) + " " + std::to_string(c.visible()) + std::to_string(c.enabled()) + " '" +
             c.text() + "' " + std::to_string(c.value()) + " " + std::to_string(c.borderStyle()) + " " +
             std::to_string(c.backColour().rgb) + " " + c.picture().key() + "\n";
    }
  }
  return out;
}

class BadInput : public ::testing::Test {
 public:
  void toMenu() {
    d.start();
    d.advance(4000);
    ASSERT_TRUE(d.rt().acceptsInput(ScreenId::Welcome));
  }

  // A control of a loaded screen, read without loading anything.
  const ui::Control& at(ScreenId id, const std::string& name) {
    const ui::Screen* s = d.rt().find(id);
    if (!s) throw std::logic_error(std::string(ui::screenName(id)) + " is not loaded");
    return s->control(name);
  }
  const std::string& text(ScreenId id, const std::string& name) { return at(id, name).text(); }

  // Writes into a name box as a person would: key by key, or one paste.
  void enter(ScreenId id, const std::string& box, const std::string& name, bool pasted) {
    d.type(id, box, "");
    if (pasted) {
      d.type(id, box, name);
    } else {
      d.typeKeys(id, box, name);
    }
  }

  // Both names, "2 player" with the entry's "OK", then "Play !" and the start-up.
  void twoPlayerMatch(const std::string& one, const std::string& two, bool pasted) {
    enter(ScreenId::Welcome, "Text1", one, pasted);
    d.whenModal([&](Driver&, ScreenId id) {
      ASSERT_EQ(id, ScreenId::player);
      enter(ScreenId::player, "p2", two, pasted);
      ASSERT_EQ(d.click(ScreenId::player, "Command1"), "Command1");
    });
    ASSERT_EQ(d.click(ScreenId::Welcome, "vs2"), "vs2");
    ASSERT_EQ(d.click(ScreenId::Welcome, "Command1"), "Command1");
    d.advance(1);
    ASSERT_TRUE(d.rt().acceptsInput(kGame1));
  }

  void place(int n) {
    d.hover(kGame1, cell('z', n));
    ASSERT_EQ(d.click(kGame1, cell('g', n)), cell('g', n));
  }

  // Selects the side's piece on `from` and moves it to the neighbouring `to`.
  void move(char side, int from, int to) {
    ASSERT_EQ(d.click(kGame1, cell(side, from)), cell(side, from));
    d.hover(kGame1, cell('z', to));
    ASSERT_EQ(d.click(kGame1, cell('g', to)), cell('g', to));
  }

  // The announcement's name, read while it waits; it clears the board, then "OK".
  std::string announced;
  void answerTheAnnouncement() {
    announced = "(none)";
    d.whenModal([this](Driver& dd, ScreenId id) {
      ASSERT_EQ(id, ScreenId::winner);
      announced = text(ScreenId::winner, "winnernme");
      dd.advance(20);
      ASSERT_EQ(dd.click(ScreenId::winner, "Command1"), "Command1");
    });
  }

  // A game that side one starts and wins: 1, 4 and 8 against 2, 5 and 6, then 8 to 7.
  void sideOneWins() {
    for (int n : {1, 2, 4, 5, 8, 6}) place(n);
    answerTheAnnouncement();
    move('m', 8, 7);
  }

  // A game that side one starts and side two wins: 1, 3, 6 against 2, 5, 7; 6 to 9, then 7 to 8.
  void sideTwoWins() {
    for (int n : {1, 2, 3, 5, 6, 7}) place(n);
    move('m', 6, 9);
    answerTheAnnouncement();
    move('a', 7, 8);
  }

  Driver d{app::gameBehaviours(kSeed)};
};

// --- names -------------------------------------------------------------------

struct NameCase {
  const char* what;
  std::string input;
  // What an 8-character box keeps, typed or pasted: the name itself, and
  // player two's, typed as "2" and the name.
  std::string kept, keptTwo;
};

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int k = 0; k < n; ++k) out += s;
  return out;
}

const std::string kLadybird = "\xF0\x9F\x90\x9E";
const std::string kAcuteE = "e\xCC\x81";
const std::string kHebrew = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D";
const std::string kOverride = "\xE2\x80\xAE";
const std::string kControls("a\tb\nc\x01\x7f", 7);
const std::string kNul("a\0b", 3);

const NameCase kNames[] = {
    {"empty", "", "", "2"},
    {"exactly eight", "Abcdefgh", "Abcdefgh", "2Abcdefg"},
    {"longer", "Abcdefghijkl", "Abcdefgh", "2Abcdefg"},
    {"emoji, one character each", repeat(kLadybird, 9), repeat(kLadybird, 8), "2" + repeat(kLadybird, 7)},
    {"an emoji as the eighth character", "abcdefg" + kLadybird, "abcdefg" + kLadybird, "2abcdefg"},
    {"combining marks", repeat(kAcuteE, 9), repeat(kAcuteE, 8), "2" + repeat(kAcuteE, 7)},
    {"right to left", kHebrew, kHebrew, "2" + kHebrew},
    {"a right-to-left override", kOverride + "abc", kOverride + "abc", "2" + kOverride + "abc"},
    {"control characters", kControls, kControls, "2" + kControls},
    {"a NUL inside", kNul, kNul, "2" + kNul},
    {"markup", "<b>x</b>", "<b>x</b>", "2<b>x</b"},
    {"longer markup", "<img src=x onerror=1>", "<img src", "2<img sr"},
    {"a format string", "%s%n%d%%", "%s%n%d%%", "2%s%n%d%"},
    {"braces", "{0}{}%1", "{0}{}%1", "2{0}{}%1"},
};

void PrintTo(const NameCase& c, std::ostream* os) {
  *os << c.what;
}

class Names : public BadInput, public ::testing::WithParamInterface<std::tuple<NameCase, bool>> {};

TEST_P(Names, ShowAsTypedOnEveryScreenAndTheGameGoesOn) {
  const auto& [c, pasted] = GetParam();
  const std::string& one = c.input;
  const std::string two = "2" + c.input;
  const std::string& keptTwo = c.keptTwo;
  toMenu();
  twoPlayerMatch(one, two, pasted);
  EXPECT_EQ(text(kGame1, "name1"), c.kept);
  EXPECT_EQ(text(kGame1, "p2name"), "FroggyFood " + c.kept);
  EXPECT_EQ(text(kGame1, "name2"), keptTwo);
  EXPECT_EQ(text(kGame1, "Label5"), "FroggyFood " + keptTwo);

  sideOneWins();
  EXPECT_EQ(announced, "FroggyFood " + c.kept);
  sideTwoWins();
  EXPECT_EQ(announced, "FroggyFood " + keptTwo);
  EXPECT_EQ(text(kGame1, "scoreulo"), "1");
  EXPECT_EQ(text(kGame1, "scorecomp"), "1");
  // The game goes on: the winner of the last game places first in the next.
  place(5);
  EXPECT_TRUE(at(kGame1, "a5").visible());

  // Back on the menu the name box starts afresh; the computer match names player one too.
  d.close(kGame1);
  enter(ScreenId::Welcome, "Text1", one, pasted);
  EXPECT_EQ(text(ScreenId::Welcome, "Text1"), c.kept);
  ASSERT_EQ(d.click(ScreenId::Welcome, "vscomp"), "vscomp");
  ASSERT_EQ(d.click(ScreenId::Welcome, "Command1"), "Command1");
  EXPECT_EQ(text(ScreenId::game, "Label4"), c.kept);
}

INSTANTIATE_TEST_SUITE_P(TypedAndPasted, Names,
                         ::testing::Combine(::testing::ValuesIn(kNames), ::testing::Bool()),
                         [](const auto& info) {
                           std::string name = std::string(std::get<0>(info.param).what) +
                                              (std::get<1>(info.param) ? " pasted" : " typed");
                           for (char& ch : name) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

TEST_F(BadInput, AFullNameBoxRefusesKeysButAPasteReplacesIt) {
  toMenu();
  d.typeKeys(ScreenId::Welcome, "Text1", "12345678");
  d.typeKeys(ScreenId::Welcome, "Text1", "9");
  EXPECT_EQ(text(ScreenId::Welcome, "Text1"), "Player 1");
  d.type(ScreenId::Welcome, "Text1", "");
  d.typeKeys(ScreenId::Welcome, "Text1", "12345678" + kLadybird);
  EXPECT_EQ(text(ScreenId::Welcome, "Text1"), "12345678");
  d.type(ScreenId::Welcome, "Text1", "abcdefghijkl");
  EXPECT_EQ(text(ScreenId::Welcome, "Text1"), "abcdefgh");
}

// --- input while a modal screen waits ----------------------------------------

// Everything a person might try on the screens behind the modal one.
void poundTheOthers(Driver& d, ScreenId modal) {
  for (ScreenId id : ui::kAllScreens) {
    if (id == modal) continue;
    const ui::Screen* s = d.rt().find(id);
    for (const char* name : {"Command1", "Command2", "vs2", "b3", "start", "g5", "m2", "z5", "scoreulo",
                             "Image11", "Text1", "p2", "name1"}) {
      if (!s || !s->has(name)) continue;
      d.click(id, name);
      d.click(id, name);  // and a double click
      d.hover(id, name);
      if (s->control(name).kind() == ui::ControlKind::TextBox) {
        d.type(id, name, "typed");
        d.typeKeys(id, name, "keys");
      }
    }
    d.clickAt(id, 2000, 2000);
    d.pressEnter(id);
    d.pressEsc(id);
    d.close(id);
  }
}

struct ModalCase {
  const char* what;
  std::function<void(BadInput&, Driver&)> open;  // shows the modal screen; its answer is queued first
  ScreenId modal;
};

void PrintTo(const ModalCase& c, std::ostream* os) {
  *os << c.what;
}

class WhileModal : public BadInput, public ::testing::WithParamInterface<ModalCase> {};

TEST_P(WhileModal, InputToTheOtherScreensIsDropped) {
  const ModalCase& c = GetParam();
  toMenu();
  bool answered = false;
  std::function<void(Driver&, ScreenId)> answer = [&](Driver& dd, ScreenId id) {
    ASSERT_EQ(id, c.modal);
    // Only the modal screen itself may change while the others are pounded.
    const ui::Screen* self = dd.rt().find(c.modal);
    ASSERT_NE(self, nullptr);
    const std::string before = snapshot(dd.rt());
    poundTheOthers(dd, c.modal);
    EXPECT_EQ(snapshot(dd.rt()), before);
    EXPECT_TRUE(dd.rt().isModal(c.modal));
    answered = true;
    if (c.modal == ScreenId::winner) {
      dd.click(ScreenId::winner, "Command1");
    } else {
      dd.close(c.modal);
    }
  };
  c.open(*this, d);
  d.whenModal(answer);
  if (c.modal == ScreenId::winner) {
    move('m', 8, 7);
  } else {
    d.click(ScreenId::Welcome, c.modal == ScreenId::quit ? "Image2" : "vs2");
  }
  EXPECT_TRUE(answered);
  EXPECT_FALSE(d.rt().isLoaded(c.modal) && d.rt().isShown(c.modal));
}

INSTANTIATE_TEST_SUITE_P(Screens, WhileModal,
                         ::testing::Values(ModalCase{"quit", [](BadInput&, Driver&) {}, ScreenId::quit},
                                           ModalCase{"entry", [](BadInput&, Driver&) {}, ScreenId::player},
                                           ModalCase{"announcement",
                                                     [](BadInput& t, Driver& d) {
                                                       d.whenModal([](Driver& dd, ScreenId) {
                                                         dd.close(ScreenId::player);
                                                       });
                                                       d.click(ScreenId::Welcome, "vs2");
                                                       d.click(ScreenId::Welcome, "Command1");
                                                       d.advance(1);
                                                       for (int n : {1, 2, 4, 5, 8, 6}) t.place(n);
                                                     },
                                                     ScreenId::winner}),
                         [](const auto& info) { return std::string(info.param.what); });

// --- double clicks -------------------------------------------------------------

TEST_F(BadInput, ADoubleClickOnPlayOpensOneMatchAndTheSecondClickGoesNowhere) {
  toMenu();
  const auto point = *ui::clickPoint(*d.rt().find(ScreenId::Welcome), "Command1");
  ASSERT_EQ(d.clickAt(ScreenId::Welcome, point.first, point.second), "Command1");
  EXPECT_EQ(d.clickAt(ScreenId::Welcome, point.first, point.second), std::nullopt);
  EXPECT_TRUE(d.rt().isShown(ScreenId::game));
  EXPECT_FALSE(d.rt().isShown(kGame1));
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::Welcome));
}

TEST_F(BadInput, ADoubleClickOnAMarkerPlacesOnePiece) {
  toMenu();
  twoPlayerMatch("one", "two", false);
  d.hover(kGame1, "z5");
  EXPECT_EQ(d.click(kGame1, "g5"), "g5");
  EXPECT_EQ(d.click(kGame1, "g5"), "m5") << "the new piece covers the marker";
  EXPECT_EQ(text(kGame1, "Label6"), "1");
  EXPECT_FALSE(at(kGame1, "a5").visible());
  EXPECT_TRUE(at(kGame1, "i2").visible());
}

TEST_F(BadInput, ADoubleClickOnAPieceKeepsItSelectedAndADoubleClickOnOkClosesOnce) {
  toMenu();
  twoPlayerMatch("one", "two", false);
  for (int n : {1, 2, 4, 5, 8, 6}) place(n);
  d.click(kGame1, "m8");
  d.click(kGame1, "m8");
  EXPECT_EQ(at(kGame1, "m8").borderStyle(), 1);
  d.whenModal([](Driver& dd, ScreenId) {
    dd.advance(20);
    EXPECT_EQ(dd.click(ScreenId::winner, "Command1"), "Command1");
    EXPECT_EQ(dd.click(ScreenId::winner, "Command1"), std::nullopt);
  });
  d.hover(kGame1, "z7");
  d.click(kGame1, "g7");
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::winner));
  EXPECT_EQ(text(kGame1, "scoreulo"), "1");
  EXPECT_TRUE(d.rt().acceptsInput(kGame1));
}

TEST_F(BadInput, ADoubleClickOnNoClosesTheDialogAndLeavesTheMenuAsItWas) {
  toMenu();
  const std::string before = snapshot(d.rt());
  d.whenModal([](Driver& dd, ScreenId id) {
    ASSERT_EQ(id, ScreenId::quit);
    EXPECT_EQ(dd.click(ScreenId::quit, "Command2"), "Command2");
    EXPECT_EQ(dd.click(ScreenId::quit, "Command2"), std::nullopt);
  });
  d.pressEsc(ScreenId::Welcome);
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::quit));
  EXPECT_EQ(snapshot(d.rt()), before);
}

// --- timing --------------------------------------------------------------------

class ComputerPause : public BadInput {
 protected:
  // The player's piece from 4 to 7; the computer then thinks for half a second.
  void movePlayer() {
    toMenu();
    ASSERT_EQ(d.click(ScreenId::Welcome, "Command1"), "Command1");
    ASSERT_EQ(d.click(ScreenId::game, "m4"), "m4");
    ASSERT_EQ(d.click(ScreenId::game, "z7"), "z7");
    ASSERT_TRUE(at(ScreenId::game, "m7").visible());
    ASSERT_TRUE(at(ScreenId::game, "Image13").visible());
  }
  std::string board() {
    std::string b;
    for (int n = 1; n <= 9; ++n) {
      b += at(ScreenId::game, cell('m', n)).visible()   ? 'm'
           : at(ScreenId::game, cell('a', n)).visible() ? 'a'
                                                        : '.';
    }
    return b;
  }
};

TEST_F(ComputerPause, ClicksDuringThePauseMoveNothingAndThenTheComputerMoves) {
  movePlayer();
  const std::string before = board();
  d.advance(250);
  for (int n = 1; n <= 9; ++n) {
    d.click(ScreenId::game, cell('m', n));
    d.click(ScreenId::game, cell('z', n));
    d.click(ScreenId::game, cell('z', n));
  }
  d.advance(249);
  EXPECT_EQ(board(), before);
  EXPECT_TRUE(at(ScreenId::game, "Image13").visible());
  d.advance(1);
  EXPECT_NE(board(), before) << "the computer's move";
  EXPECT_TRUE(at(ScreenId::game, "Image14").visible());
  EXPECT_FALSE(at(ScreenId::game, "Image13").visible());
}

TEST_F(ComputerPause, ANewGameDuringThePauseCancelsTheComputersMove) {
  movePlayer();
  ASSERT_EQ(d.click(ScreenId::game, "start"), "start");
  EXPECT_EQ(board(), "ammm.a.a.");
  d.advance(2000);
  EXPECT_EQ(board(), "ammm.a.a.");
  EXPECT_TRUE(at(ScreenId::game, "Image14").visible());
}

TEST_F(ComputerPause, ClosingTheMatchWhileTheComputerThinksReturnsToTheMenu) {
  movePlayer();
  d.advance(499);
  d.close(ScreenId::game);
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::game));
  EXPECT_TRUE(d.rt().acceptsInput(ScreenId::Welcome));
  d.advance(5000);
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::game));
  EXPECT_TRUE(d.alive());
  // A new match starts from its opening, the player to move.
  ASSERT_EQ(d.click(ScreenId::Welcome, "Command1"), "Command1");
  EXPECT_EQ(board(), "ammm.a.a.");
  EXPECT_TRUE(at(ScreenId::game, "Image14").visible());
}

TEST_F(BadInput, ClosingTheTwoPlayerMatchBeforeItsStartUpTickLeavesNothingBehind) {
  toMenu();
  d.whenModal([](Driver& dd, ScreenId) { dd.close(ScreenId::player); });
  d.click(ScreenId::Welcome, "vs2");
  ASSERT_EQ(d.click(ScreenId::Welcome, "Command1"), "Command1");
  d.close(kGame1);  // its 1 ms start-up is due
  EXPECT_FALSE(d.rt().isLoaded(kGame1));
  d.advance(10);
  EXPECT_FALSE(d.rt().isLoaded(kGame1));
  EXPECT_TRUE(d.rt().acceptsInput(ScreenId::Welcome));
  d.whenModal([](Driver& dd, ScreenId) { dd.close(ScreenId::player); });
  d.click(ScreenId::Welcome, "vs2");
  ASSERT_EQ(d.click(ScreenId::Welcome, "Command1"), "Command1");
  d.advance(1);
  EXPECT_EQ(at(kGame1, "p1").value(), 1);
}

TEST_F(BadInput, WindowsWithoutATitleBarIgnoreACloseWhileTheirTimerIsDue) {
  d.start();
  d.advance(3999);
  d.close(ScreenId::logo);
  EXPECT_TRUE(d.rt().isShown(ScreenId::logo));
  d.advance(1);
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::logo));
  ASSERT_TRUE(d.rt().acceptsInput(ScreenId::Welcome));

  twoPlayerMatch("one", "two", true);
  for (int n : {1, 2, 4, 5, 8, 6}) place(n);
  d.whenModal([this](Driver& dd, ScreenId) {
    dd.advance(19);
    dd.close(ScreenId::winner);
    EXPECT_TRUE(dd.rt().isModal(ScreenId::winner));
    dd.advance(1);
    EXPECT_FALSE(at(kGame1, "m1").visible()) << "the board clear ran";
    dd.pressEnter(ScreenId::winner);
  });
  move('m', 8, 7);
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::winner));
}

// The start-up step of game1 waits for a 1 ms tick; input that comes in the
// same millisecond as Play must find the turn flag already given to side one.
struct FirstInput {
  const char* what;
  std::function<void(BadInput&, Driver&)> act;
  int flag;  // the turn flag afterwards
  const char* arrow;
};

void PrintTo(const FirstInput& c, std::ostream* os) {
  *os << c.what;
}

class BeforeTheStartUpTick : public BadInput, public ::testing::WithParamInterface<FirstInput> {};

TEST_P(BeforeTheStartUpTick, TheTurnFlagAndTheArrowAgree) {
  const FirstInput& c = GetParam();
  toMenu();
  d.whenModal([](Driver& dd, ScreenId) { dd.close(ScreenId::player); });
  d.click(ScreenId::Welcome, "vs2");
  ASSERT_EQ(d.click(ScreenId::Welcome, "Command1"), "Command1");
  c.act(*this, d);
  d.advance(1);
  EXPECT_EQ(at(kGame1, "p1").value(), c.flag);
  EXPECT_TRUE(at(kGame1, c.arrow).visible());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BeforeTheStartUpTick,
    ::testing::Values(FirstInput{"placement", [](BadInput& t, Driver&) { t.place(1); }, 0, "i2"},
                      FirstInput{"new_game", [](BadInput&, Driver& d) { d.click(kGame1, "start"); }, 0, "i2"},
                      FirstInput{"piece_click", [](BadInput&, Driver& d) { d.click(kGame1, "m1"); }, 1,
                                 "i1"}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace zorvane

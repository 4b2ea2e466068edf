// The quit confirmation, answered while the menu's handler waits: "Yes"
// ends the program at once, "No" or its close box leaves the menu as it was.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/game_behaviours.h"
#include "tests/core/loaded_controls.h"
#include "ui/headless/driver.h"

namespace zorvane {
namespace {

using ui::Driver;
using ui::ScreenId;

constexpr std::uint64_t kSeed = 3;

using testing_support::onScreen;

void expectEnded(Driver& d) {
  EXPECT_TRUE(d.rt().ended());
  EXPECT_FALSE(d.alive());
  EXPECT_TRUE(d.platform().quitCalled());
  for (ScreenId id : ui::kAllScreens) EXPECT_FALSE(d.rt().isLoaded(id)) << ui::screenName(id);
  EXPECT_EQ(d.platform().activeTimers(), 0);
}

struct Answer {
  const char* what;
  std::function<void(Driver&)> give;
  bool ends;
};

const std::vector<Answer> kAnswers = {
    {"Enter, on the focused Yes", [](Driver& d) { d.pressEnter(ScreenId::quit); }, true},
    {"a click on Yes", [](Driver& d) { EXPECT_EQ(d.click(ScreenId::quit, "Command1"), "Command1"); }, true},
    {"Esc", [](Driver& d) { d.pressEsc(ScreenId::quit); }, false},
    {"a click on No", [](Driver& d) { EXPECT_EQ(d.click(ScreenId::quit, "Command2"), "Command2"); }, false},
    {"the close box", [](Driver& d) { d.close(ScreenId::quit); }, false},
};

struct Opener {
  const char* what;
  std::function<void(Driver&)> open;
};

const std::vector<Opener> kOpeners = {
    {"Esc on the menu", [](Driver& d) { d.pressEsc(ScreenId::Welcome); }},
    {"the menu's close picture", [](Driver& d) { d.click(ScreenId::Welcome, "Image2"); }},
};

class QuitDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    d.start();
    d.advance(4000);
    ASSERT_TRUE(d.rt().isShown(ScreenId::Welcome));
  }

  // Opens the dialog from the menu and answers it; checks it is there and modal meanwhile.
  void askAndAnswer(const Opener& opener, const Answer& answer) {
    bool asked = false;
    d.whenModal([&](Driver& dd, ScreenId id) {
      asked = true;
      ASSERT_EQ(id, ScreenId::quit);
      ASSERT_TRUE(dd.rt().isModal(ScreenId::quit));
      EXPECT_EQ(onScreen(dd, ScreenId::quit, "Label1").text(), " Are you sure you want to quit the game ?");
      // The menu waits behind it.
      EXPECT_FALSE(dd.click(ScreenId::Welcome, "Command1").has_value());
      EXPECT_TRUE(dd.rt().isShown(ScreenId::Welcome));
      answer.give(dd);
    });
    opener.open(d);
    ASSERT_TRUE(asked);
  }

  Driver d{app::gameBehaviours(kSeed)};
};

TEST_F(QuitDialogTest, YesEndsTheProgramAndEveryOtherAnswerReturnsToTheMenuAsItWas) {
  for (const Opener& opener : kOpeners) {
    for (const Answer& answer : kAnswers) {
      SCOPED_TRACE(std::string(opener.what) + ", answered by " + answer.what);
      Driver fresh(app::gameBehaviours(kSeed));
      fresh.start();
      fresh.advance(4000);
      // A menu that differs from its initial state in every respect.
      fresh.type(ScreenId::Welcome, "Text1", "QUARVEL");
      fresh.click(ScreenId::Welcome, "k4");
      fresh.whenModal([](Driver& dd, ScreenId) {
        dd.type(ScreenId::player, "p2", "Rex");
        dd.click(ScreenId::player, "Command1");
      });
      fresh.click(ScreenId::Welcome, "vs2");
      ASSERT_EQ(onScreen(fresh, ScreenId::Welcome, "Label5").text(), "Rex");

      bool asked = false;
      fresh.whenModal([&](Driver& dd, ScreenId id) {
        asked = true;
        ASSERT_EQ(id, ScreenId::quit);
        ASSERT_TRUE(dd.rt().isModal(ScreenId::quit));
        answer.give(dd);
      });
      opener.open(fresh);
      ASSERT_TRUE(asked);

      if (answer.ends) {
        expectEnded(fresh);
        continue;
      }
      EXPECT_TRUE(fresh.alive());
      EXPECT_FALSE(fresh.rt().isLoaded(ScreenId::quit));
      ASSERT_TRUE(fresh.rt().isShown(ScreenId::Welcome));
      EXPECT_FALSE(fresh.rt().isModal(ScreenId::Welcome));
      EXPECT_EQ(onScreen(fresh, ScreenId::Welcome, "Text1").text(), "QUARVEL");
      EXPECT_EQ(onScreen(fresh, ScreenId::Welcome, "vs2").value(), 1);
      EXPECT_EQ(onScreen(fresh, ScreenId::Welcome, "vscomp").value(), 0);
      EXPECT_EQ(onScreen(fresh, ScreenId::Welcome, "Label5").text(), "Rex");
      for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(onScreen(fresh, ScreenId::Welcome, "sel" + std::to_string(n)).visible(), n == 4) << n;
        EXPECT_TRUE(onScreen(fresh, ScreenId::Welcome, "k" + std::to_string(n)).visible()) << n;
        EXPECT_FALSE(onScreen(fresh, ScreenId::Welcome, "b" + std::to_string(n)).visible()) << n;
      }
      // The entry stays loaded and hidden, the two-player screen too.
      EXPECT_TRUE(fresh.rt().isLoaded(ScreenId::player));
      EXPECT_FALSE(fresh.rt().isShown(ScreenId::player));
      EXPECT_TRUE(fresh.rt().isLoaded(ScreenId::game1));
      EXPECT_FALSE(fresh.rt().isShown(ScreenId::game1));
    }
  }
}

TEST_F(QuitDialogTest, IsAskedAnewEachTime) {
  const Answer& no = kAnswers[2];
  askAndAnswer(kOpeners[0], no);
  askAndAnswer(kOpeners[1], no);
  askAndAnswer(kOpeners[0], kAnswers[4]);
  EXPECT_TRUE(d.rt().isShown(ScreenId::Welcome));
  askAndAnswer(kOpeners[1], kAnswers[0]);
  expectEnded(d);
}

// After End nothing runs: no unload reaction, no timer, no input.
void expectNothingAfterTheEnd(Driver& d) {
  expectEnded(d);
  d.advance(10000);
  d.click(ScreenId::Welcome, "Command1");
  d.pressEsc(ScreenId::Welcome);
  expectEnded(d);
}

TEST_F(QuitDialogTest, YesWithAHiddenComputerMatchLoadedDoesNotBringTheMenuBack) {
  // Two players first: the computer match is loaded hidden beside it.
  d.whenModal([](Driver& dd, ScreenId) { dd.close(ScreenId::player); });
  d.click(ScreenId::Welcome, "vs2");
  d.click(ScreenId::Welcome, "Command1");
  ASSERT_TRUE(d.rt().isShown(ScreenId::game1));
  d.close(ScreenId::game1);
  ASSERT_TRUE(d.rt().isShown(ScreenId::Welcome));
  ASSERT_TRUE(d.rt().isLoaded(ScreenId::game));
  ASSERT_FALSE(d.rt().isShown(ScreenId::game));

  askAndAnswer(kOpeners[0], kAnswers[0]);
  expectNothingAfterTheEnd(d);
}

TEST_F(QuitDialogTest, YesWithAHiddenTwoPlayerMatchLoadedDoesNotBringTheMenuBack) {
  d.click(ScreenId::Welcome, "Command1");
  ASSERT_TRUE(d.rt().isShown(ScreenId::game));
  d.advance(5);  // the hidden two-player screen's start-up timer has run
  d.close(ScreenId::game);
  ASSERT_TRUE(d.rt().isShown(ScreenId::Welcome));
  ASSERT_TRUE(d.rt().isLoaded(ScreenId::game1));

  askAndAnswer(kOpeners[1], kAnswers[1]);
  expectNothingAfterTheEnd(d);
}

TEST_F(QuitDialogTest, YesWithTheEntryAndTheTwoPlayerScreenLoadedHiddenEndsEverything) {
  d.whenModal([](Driver& dd, ScreenId) { dd.click(ScreenId::player, "Command1"); });
  d.click(ScreenId::Welcome, "vs2");
  ASSERT_TRUE(d.rt().isLoaded(ScreenId::player));
  ASSERT_TRUE(d.rt().isLoaded(ScreenId::game1));
  d.advance(5);

  askAndAnswer(kOpeners[0], kAnswers[0]);
  expectNothingAfterTheEnd(d);
}

}  // namespace
}  // namespace zorvane

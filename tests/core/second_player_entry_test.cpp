// The second-player entry, opened from the menu's "2 player" and answered
// while the menu waits: the portrait choice, what "OK" writes, what closing
// drops, and what a later opening shows.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "app/game_behaviours.h"
#include "rules/board.h"
#include "tests/core/loaded_controls.h"
#include "ui/headless/driver.h"

namespace zorvane {
namespace {

using ui::Driver;
using ui::Picture;
using ui::ScreenId;

constexpr std::uint64_t kSeed = 5;
// The third frame's name is in capitals.
constexpr std::array<const char*, 5> kFrames{"sel1", "sel2", "SEL3", "sel4", "sel5"};

std::string portrait(int n) {
  return "i" + std::to_string(n);
}

using testing_support::onScreen;

using testing_support::initialPicture;

// The portrait whose frame is the only one shown; 0 when not exactly one is.
int chosenPortrait(Driver& d) {
  int chosen = 0, shown = 0;
  for (int n = 1; n <= 5; ++n) {
    if (onScreen(d, ScreenId::player, kFrames[n - 1]).visible()) {
      chosen = n;
      ++shown;
    }
  }
  return shown == 1 ? chosen : 0;
}

class SecondPlayerEntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    d.start();
    d.advance(4000);
    ASSERT_TRUE(d.rt().isShown(ScreenId::Welcome));
  }

  // Clicks "2 player"; `inside` runs while the entry is shown modally and must answer it.
  void openEntry(std::function<void(Driver&)> inside) {
    bool asked = false;
    d.whenModal([&asked, inside = std::move(inside)](Driver& dd, ScreenId id) {
      asked = true;
      ASSERT_EQ(id, ScreenId::player);
      ASSERT_TRUE(dd.rt().isModal(ScreenId::player));
      inside(dd);
    });
    ASSERT_EQ(d.click(ScreenId::Welcome, "vs2"), "vs2");
    ASSERT_TRUE(asked);
    ASSERT_TRUE(d.rt().isShown(ScreenId::Welcome));
  }

  static void pressOk(Driver& dd) { ASSERT_EQ(dd.click(ScreenId::player, "Command1"), "Command1"); }

  std::string menuPlayerTwo() { return onScreen(d, ScreenId::Welcome, "Label5").text(); }

  void play() { ASSERT_EQ(d.click(ScreenId::Welcome, "Command1"), "Command1"); }

  Driver d{app::gameBehaviours(kSeed)};
};

TEST_F(SecondPlayerEntryTest, OkUntouchedNamesPlayerTwoAndGivesTheFirstPortrait) {
  openEntry([](Driver& dd) {
    EXPECT_EQ(onScreen(dd, ScreenId::player, "p2").text(), "Player 2");
    EXPECT_EQ(chosenPortrait(dd), 1);
    pressOk(dd);
  });
  // Hidden, not unloaded: it keeps its values for the next opening.
  EXPECT_TRUE(d.rt().isLoaded(ScreenId::player));
  EXPECT_FALSE(d.rt().isShown(ScreenId::player));
  EXPECT_EQ(menuPlayerTwo(), "Player 2");
  ASSERT_TRUE(d.rt().isLoaded(ScreenId::game1));
  EXPECT_FALSE(d.rt().isShown(ScreenId::game1));
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::game));
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Image12").picture(), onScreen(d, ScreenId::player, "i1").picture());
  // Player one starts from slot 1's standard picture, the portrait included.
  const Picture b1 = onScreen(d, ScreenId::Welcome, "b1").picture();
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Image11").picture(), b1);
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(onScreen(d, ScreenId::game1, rules::cellControl('m', n)).picture(), b1) << n;
    EXPECT_EQ(onScreen(d, ScreenId::game1, rules::cellControl('a', n)).picture(),
              initialPicture(ScreenId::game1, "a1"))
        << n;
  }

  play();
  ASSERT_TRUE(d.rt().isShown(ScreenId::game1));
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::player));
  EXPECT_EQ(onScreen(d, ScreenId::game1, "name2").text(), "Player 2");
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Label5").text(), "FroggyFood Player 2");
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Image11").picture(), b1);
}

TEST_F(SecondPlayerEntryTest, EachPortraitChoiceShowsItsFrameAloneAndOkCopiesIt) {
  for (int chosen : {3, 5, 1, 4, 2}) {
    SCOPED_TRACE(portrait(chosen));
    openEntry([chosen](Driver& dd) {
      // Move away first so the click has something to undo.
      dd.click(ScreenId::player, portrait(chosen == 3 ? 4 : 3));
      EXPECT_EQ(dd.click(ScreenId::player, portrait(chosen)), portrait(chosen));
      EXPECT_EQ(chosenPortrait(dd), chosen);
      pressOk(dd);
    });
    EXPECT_EQ(onScreen(d, ScreenId::game1, "Image12").picture(),
              onScreen(d, ScreenId::player, portrait(chosen)).picture());
  }
  // The five portraits differ, so the checks above tell them apart.
  for (int n = 2; n <= 5; ++n) {
    EXPECT_NE(initialPicture(ScreenId::player, portrait(n)), initialPicture(ScreenId::player, "i1")) << n;
  }
}

TEST_F(SecondPlayerEntryTest, OkWithAnEmptyNameLeavesJustTheRankTitle) {
  openEntry([](Driver& dd) {
    dd.type(ScreenId::player, "p2", "");
    pressOk(dd);
  });
  EXPECT_EQ(menuPlayerTwo(), "");
  play();
  EXPECT_EQ(onScreen(d, ScreenId::game1, "name2").text(), "");
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Label5").text(), "FroggyFood ");
}

TEST_F(SecondPlayerEntryTest, ReopeningAfterOkShowsTheValuesEnteredBefore) {
  openEntry([](Driver& dd) {
    dd.type(ScreenId::player, "p2", "Zoe");
    dd.click(ScreenId::player, "i4");
    pressOk(dd);
  });
  const Picture i4 = onScreen(d, ScreenId::player, "i4").picture();
  openEntry([](Driver& dd) {
    EXPECT_EQ(onScreen(dd, ScreenId::player, "p2").text(), "Zoe");
    EXPECT_EQ(chosenPortrait(dd), 4);
    // Changed, then closed: the changes are dropped and nothing is written.
    dd.type(ScreenId::player, "p2", "Max");
    dd.click(ScreenId::player, "i2");
    dd.close(ScreenId::player);
  });
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::player));
  EXPECT_EQ(menuPlayerTwo(), "Zoe");
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Image12").picture(), i4);
  // After the close the entry starts from its initial values.
  openEntry([](Driver& dd) {
    EXPECT_EQ(onScreen(dd, ScreenId::player, "p2").text(), "Player 2");
    EXPECT_EQ(chosenPortrait(dd), 1);
    dd.close(ScreenId::player);
  });
  play();
  EXPECT_EQ(onScreen(d, ScreenId::game1, "name2").text(), "Zoe");
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Label5").text(), "FroggyFood Zoe");
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Image12").picture(), i4);
}

TEST_F(SecondPlayerEntryTest, ClosingWithoutOkWritesNothing) {
  openEntry([](Driver& dd) {
    dd.type(ScreenId::player, "p2", "Max");
    dd.click(ScreenId::player, "i3");
    dd.close(ScreenId::player);
  });
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::player));
  EXPECT_EQ(menuPlayerTwo(), "Player 2");
  // Not even loaded: no write reached the two-player screen.
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::game1));
  EXPECT_EQ(onScreen(d, ScreenId::Welcome, "vs2").value(), 1);
}

TEST_F(SecondPlayerEntryTest, EnterAndEscOnTheEntryDoNothing) {
  // "OK" is neither the default nor the cancel button.
  openEntry([](Driver& dd) {
    dd.type(ScreenId::player, "p2", "Kim");
    dd.pressEnter(ScreenId::player);
    dd.pressEsc(ScreenId::player);
    EXPECT_TRUE(dd.rt().isModal(ScreenId::player));
    EXPECT_EQ(onScreen(dd, ScreenId::Welcome, "Label5").text(), "Player 2");
    EXPECT_FALSE(dd.rt().isLoaded(ScreenId::game1));
    dd.close(ScreenId::player);
  });
}

TEST_F(SecondPlayerEntryTest, MenuTakesNoInputWhileTheEntryWaits) {
  openEntry([](Driver& dd) {
    EXPECT_FALSE(dd.click(ScreenId::Welcome, "Command1").has_value());
    EXPECT_FALSE(dd.click(ScreenId::Welcome, "b3").has_value());
    dd.type(ScreenId::Welcome, "Text1", "quarvel");
    dd.pressEnter(ScreenId::Welcome);
    dd.pressEsc(ScreenId::Welcome);  // a quit confirmation here would have nobody to answer it
    EXPECT_EQ(onScreen(dd, ScreenId::Welcome, "Text1").text(), "Player 1");
    EXPECT_TRUE(onScreen(dd, ScreenId::Welcome, "sel1").visible());
    EXPECT_FALSE(onScreen(dd, ScreenId::Welcome, "sel3").visible());
    EXPECT_FALSE(dd.rt().isLoaded(ScreenId::game));
    pressOk(dd);
  });
  // Afterwards it does again.
  EXPECT_EQ(d.click(ScreenId::Welcome, "b3"), "b3");
}

TEST_F(SecondPlayerEntryTest, OkAfterTheAlternatePicturesStillStartsFromTheStandardSlotOne) {
  d.type(ScreenId::Welcome, "Text1", "QUarvel");
  ASSERT_EQ(d.click(ScreenId::Welcome, "k2"), "k2");
  openEntry(pressOk);
  const Picture b1 = onScreen(d, ScreenId::Welcome, "b1").picture();
  const Picture k2 = onScreen(d, ScreenId::Welcome, "k2").picture();
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Image11").picture(), b1);
  EXPECT_EQ(onScreen(d, ScreenId::game1, "m7").picture(), b1);
  // Play then writes the chosen picture over it.
  play();
  EXPECT_EQ(onScreen(d, ScreenId::game1, "Image11").picture(), k2);
  for (int n = 1; n <= 9; ++n)
    EXPECT_EQ(onScreen(d, ScreenId::game1, rules::cellControl('m', n)).picture(), k2) << n;
}

TEST_F(SecondPlayerEntryTest, PlayDropsTheEntrySoTheNextMenuStartsItAfresh) {
  openEntry([](Driver& dd) {
    dd.type(ScreenId::player, "p2", "Lee");
    dd.click(ScreenId::player, "i5");
    pressOk(dd);
  });
  play();
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::player));
  d.close(ScreenId::game1);
  ASSERT_TRUE(d.rt().isShown(ScreenId::Welcome));
  EXPECT_EQ(menuPlayerTwo(), "Player 2");
  openEntry([](Driver& dd) {
    EXPECT_EQ(onScreen(dd, ScreenId::player, "p2").text(), "Player 2");
    EXPECT_EQ(chosenPortrait(dd), 1);
    dd.close(ScreenId::player);
  });
}

TEST_F(SecondPlayerEntryTest, NameBoxHoldsAtMostEightCharacters) {
  openEntry([](Driver& dd) {
    dd.type(ScreenId::player, "p2", "Player 22");
    EXPECT_EQ(onScreen(dd, ScreenId::player, "p2").text(), "Player 2");
    dd.typeKeys(ScreenId::player, "p2", "x");
    EXPECT_EQ(onScreen(dd, ScreenId::player, "p2").text(), "Player 2");
    dd.type(ScreenId::player, "p2", "");
    dd.typeKeys(ScreenId::player, "p2", "Gö😀😀a🇫🇷");  // six characters
    dd.typeKeys(ScreenId::player, "p2", "😀");        // the seventh
    EXPECT_EQ(onScreen(dd, ScreenId::player, "p2").text(), "Gö😀😀a🇫🇷😀");
    dd.typeKeys(ScreenId::player, "p2", "bc");
    EXPECT_EQ(onScreen(dd, ScreenId::player, "p2").text(), "Gö😀😀a🇫🇷😀b");
    dd.paste(ScreenId::player, "p2", "xyz", 0);
    EXPECT_EQ(onScreen(dd, ScreenId::player, "p2").text(), "Gö😀😀a🇫🇷😀b") << "a full box takes no paste";
    pressOk(dd);
  });
  EXPECT_EQ(menuPlayerTwo(), "Gö😀😀a🇫🇷😀b");
}

}  // namespace
}  // namespace zorvane

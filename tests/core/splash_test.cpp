// The start-up splash on the virtual clock: the partner panel goes at two
// seconds, the menu comes at four, and nothing a person does on the splash
// changes that.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/game_behaviours.h"
#include "ui/headless/driver.h"

namespace zorvane {
namespace {

using ui::Driver;
using ui::ScreenId;

constexpr std::uint64_t kSeed = 7;

// What the splash shows at one moment after the program starts.
struct Moment {
  std::int64_t ms;
  bool splashLoaded;
  bool panelVisible;  // Picture1 and its text Label1
  bool menuShown;
};

void expectMoment(Driver& d, const Moment& m) {
  SCOPED_TRACE("at " + std::to_string(m.ms) + " ms");
  EXPECT_TRUE(d.alive());
  EXPECT_FALSE(d.platform().quitCalled());
  ASSERT_EQ(d.rt().isLoaded(ScreenId::logo), m.splashLoaded);
  if (m.splashLoaded) {
    EXPECT_TRUE(d.rt().isShown(ScreenId::logo));
    // Read through find() so that checking never loads anything.
    const ui::Screen& logo = *d.rt().find(ScreenId::logo);
    EXPECT_EQ(logo.control("Picture1").visible(), m.panelVisible);
    EXPECT_EQ(logo.control("Label1").visible(), m.panelVisible);
    EXPECT_EQ(logo.control("Label1").text(), "in  assosiation with");
  }
  EXPECT_EQ(d.rt().isShown(ScreenId::Welcome), m.menuShown);
  EXPECT_EQ(d.rt().isLoaded(ScreenId::Welcome), m.menuShown);
  if (m.menuShown) {
    EXPECT_FALSE(d.rt().isModal(ScreenId::Welcome));
  }
}

const std::vector<Moment> kTimeline = {
    {0, true, true, false},     {1999, true, true, false},  {2000, true, false, false},
    {3999, true, false, false}, {4000, false, false, true},
};

TEST(SplashTest, TimelineSeenFromAFreshStartAtEachMoment) {
  for (const Moment& m : kTimeline) {
    Driver d(app::gameBehaviours(kSeed));
    d.start();
    d.advance(m.ms);
    expectMoment(d, m);
  }
}

TEST(SplashTest, TimelineSeenStepByStepInOneRun) {
  Driver d(app::gameBehaviours(kSeed));
  d.start();
  std::int64_t now = 0;
  for (const Moment& m : kTimeline) {
    d.advance(m.ms - now);
    now = m.ms;
    expectMoment(d, m);
  }
}

TEST(SplashTest, NothingElseIsLoadedDuringTheSplash) {
  Driver d(app::gameBehaviours(kSeed));
  d.start();
  d.advance(3999);
  for (ScreenId id : ui::kAllScreens) {
    if (id != ScreenId::logo) {
      EXPECT_FALSE(d.rt().isLoaded(id)) << ui::screenName(id);
    }
  }
}

TEST(SplashTest, HandOverStopsTheSplashTimersAndNeverComesBack) {
  Driver d(app::gameBehaviours(kSeed));
  d.start();
  d.advance(4000);
  // The menu has no timers, so any tick still scheduled would be the splash's.
  EXPECT_EQ(d.platform().activeTimers(), 0);
  d.advance(60000);
  EXPECT_FALSE(d.rt().isLoaded(ScreenId::logo));
  EXPECT_TRUE(d.rt().isShown(ScreenId::Welcome));
  EXPECT_TRUE(d.alive());
}

// Everything a person can do to a borderless window without a title bar.
const std::vector<std::pair<std::string, std::function<void(Driver&)>>> kPokes = {
    {"click on the panel", [](Driver& d) { d.click(ScreenId::logo, "Picture1"); }},
    {"click on the panel's text", [](Driver& d) { d.click(ScreenId::logo, "Label1"); }},
    {"click in the strip above the panel", [](Driver& d) { d.clickAt(ScreenId::logo, 2500, 100); }},
    {"click in the strip below the panel", [](Driver& d) { d.clickAt(ScreenId::logo, 2500, 4100); }},
    {"click delivered to the panel directly", [](Driver& d) { d.rt().click(ScreenId::logo, "Picture1"); }},
    {"click delivered to the text directly", [](Driver& d) { d.rt().click(ScreenId::logo, "Label1"); }},
    {"Enter", [](Driver& d) { d.pressEnter(ScreenId::logo); }},
    {"Esc", [](Driver& d) { d.pressEsc(ScreenId::logo); }},
    {"mouse over the panel", [](Driver& d) { d.hover(ScreenId::logo, "Picture1"); }},
};

TEST(SplashTest, ClicksAndKeysChangeNothingBeforeOrAfterThePanelGoes) {
  for (const auto& [what, poke] : kPokes) {
    SCOPED_TRACE(what);
    Driver d(app::gameBehaviours(kSeed));
    d.start();
    poke(d);
    expectMoment(d, {0, true, true, false});
    d.advance(1999);
    poke(d);
    expectMoment(d, {1999, true, true, false});
    d.advance(1);
    poke(d);
    expectMoment(d, {2000, true, false, false});
    d.advance(1999);
    poke(d);
    expectMoment(d, {3999, true, false, false});
    d.advance(1);
    expectMoment(d, {4000, false, false, true});
  }
}

// The splash has no title bar and so no close box; a close request (Alt+F4)
// must leave it alone, as the Qt window does.
TEST(SplashTest, CloseRequestOnTheBorderlessSplashChangesNothing) {
  Driver d(app::gameBehaviours(kSeed));
  d.start();
  d.advance(1000);
  d.close(ScreenId::logo);
  expectMoment(d, {1000, true, true, false});
  d.advance(3000);
  expectMoment(d, {4000, false, false, true});
}

}  // namespace
}  // namespace zorvane

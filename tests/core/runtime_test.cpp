// The screen runtime on its own: handlers here are the tests' own, the
// screens and controls are the game's layouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/headless/driver.h"

namespace zorvane::ui {
namespace {

class RuntimeTest : public ::testing::Test {
 protected:
  // Handlers are added before the driver is made.
  ScreenBehaviour& on(ScreenId id) { return behaviours_[indexOf(id)]; }
  Driver& driver() {
    if (!driver_) driver_ = std::make_unique<Driver>(behaviours_);
    return *driver_;
  }
  Runtime& rt() { return driver().rt(); }

  Behaviours behaviours_;
  std::unique_ptr<Driver> driver_;
  std::vector<std::string> log_;
};

TEST_F(RuntimeTest, AnyAccessToAControlLoadsItsScreenHidden) {
  struct Case {
    const char* what;
    std::function<void(Runtime&)> access;
  };
  const std::vector<Case> cases{
      {"caption write", [](Runtime& r) { r.ctl(ScreenId::winner, "winnernme").setText("x"); }},
      {"caption read", [](Runtime& r) { (void)r.ctl(ScreenId::winner, "winnernme").text(); }},
      {"visible read", [](Runtime& r) { (void)r.ctl(ScreenId::winner, "Picture1").visible(); }},
      {"picture write", [](Runtime& r) { r.ctl(ScreenId::winner, "Image1").setPicture(Picture("trophy")); }},
      {"height read", [](Runtime& r) { (void)r.windowHeight(ScreenId::winner); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Driver d(behaviours_);
    d.start(ScreenId::quit);
    ASSERT_FALSE(d.rt().isLoaded(ScreenId::winner));
    c.access(d.rt());
    EXPECT_TRUE(d.rt().isLoaded(ScreenId::winner));
    EXPECT_FALSE(d.rt().isShown(ScreenId::winner));
  }
}

TEST_F(RuntimeTest, AnUnknownControlNameFailsLoudlyAndCreatesNothing) {
  driver().start(ScreenId::quit);
  EXPECT_THROW((void)rt().ctl(ScreenId::quit, "Command9").text(), std::logic_error);
  EXPECT_THROW(rt().ctl(ScreenId::quit, "Command9").setText("x"), std::logic_error);
  EXPECT_FALSE(rt().find(ScreenId::quit)->has("Command9"));
}

TEST_F(RuntimeTest, NestedReactionsFinishBeforeTheAssigningStatementGoesOn) {
  on(ScreenId::game1).changed["Label4"] = [this](Runtime& r) {
    log_.push_back("Label4 reaction starts");
    r.ctl(ScreenId::game1, "Label6").setText("1");
    log_.push_back("Label4 reaction ends");
  };
  on(ScreenId::game1).changed["Label6"] = [this](Runtime&) { log_.push_back("Label6 reaction"); };
  on(ScreenId::game1).click["start"] = [this](Runtime& r) {
    r.ctl(ScreenId::game1, "Label4").setText("1");
    log_.push_back("next statement");
  };
  driver().start(ScreenId::game1);
  rt().click(ScreenId::game1, "start");
  EXPECT_EQ(log_, (std::vector<std::string>{"Label4 reaction starts", "Label6 reaction",
                                            "Label4 reaction ends", "next statement"}));
}

TEST_F(RuntimeTest, QuietAssignmentsRunNoReactionAndReactionsComeBackAfter) {
  on(ScreenId::game1).changed["Label4"] = [this](Runtime&) { log_.push_back("reaction"); };
  driver().start(ScreenId::game1);
  {
    const Runtime::QuietAssignments quiet(rt());
    rt().ctl(ScreenId::game1, "Label4").setText("5");
  }
  EXPECT_EQ(rt().ctl(ScreenId::game1, "Label4").text(), "5");
  EXPECT_TRUE(log_.empty());
  rt().ctl(ScreenId::game1, "Label4").setText("6");
  EXPECT_EQ(log_.size(), 1u);
}

TEST_F(RuntimeTest, AModalScreenBlocksOtherScreensWhileTimersKeepTicking) {
  int splashTicks = 0;
  on(ScreenId::logo).timer["Timer2"] = [&](Runtime&) { ++splashTicks; };
  on(ScreenId::Welcome).click["Command1"] = [this](Runtime&) { log_.push_back("menu clicked"); };
  on(ScreenId::Welcome).click["Command2"] = [this](Runtime& r) {
    r.show(ScreenId::quit, true);
    // The handler resumes after the modal screen has gone, seeing what changed meanwhile.
    log_.push_back("resumed with " + r.ctl(ScreenId::Welcome, "Text1").text());
  };
  on(ScreenId::quit).click["Command2"] = [](Runtime& r) {
    r.ctl(ScreenId::Welcome, "Text1").setText("changed");
    r.unload(ScreenId::quit);
  };
  driver().start();
  rt().show(ScreenId::Welcome);
  driver().whenModal([&](Driver& d, ScreenId id) {
    EXPECT_EQ(id, ScreenId::quit);
    d.rt().click(ScreenId::Welcome, "Command1");  // blocked
    d.close(ScreenId::logo);                      // blocked too
    d.advance(2000);
    EXPECT_EQ(splashTicks, 1);
    d.rt().click(ScreenId::quit, "Command2");
  });
  rt().click(ScreenId::Welcome, "Command2");
  EXPECT_EQ(log_, (std::vector<std::string>{"resumed with changed"}));
  EXPECT_TRUE(rt().isLoaded(ScreenId::logo));
  rt().click(ScreenId::Welcome, "Command1");
  EXPECT_EQ(log_.back(), "menu clicked");
}

TEST_F(RuntimeTest, ATimerDisabledByItsOwnTickStaysOffUntilItsScreenIsLoadedAnew) {
  int ticks = 0;
  on(ScreenId::game1).timer["Timer1"] = [&](Runtime& r) {
    ++ticks;
    r.ctl(ScreenId::game1, "Timer1").setEnabled(false);
  };
  driver().start(ScreenId::game1);
  driver().advance(100);
  EXPECT_EQ(ticks, 1);
  rt().load(ScreenId::game1);  // already loaded: restarts nothing
  driver().advance(100);
  EXPECT_EQ(ticks, 1);
  rt().show(ScreenId::quit);  // keeps the program alive across the unload
  rt().unload(ScreenId::game1);
  rt().load(ScreenId::game1);
  driver().advance(100);
  EXPECT_EQ(ticks, 2);
}

TEST_F(RuntimeTest, LoadingALoadedScreenNeitherResetsValuesNorRestartsTimers) {
  std::vector<std::int64_t> tickTimes;
  on(ScreenId::logo).timer["Timer2"] = [&](Runtime&) { tickTimes.push_back(driver().platform().now()); };
  driver().start();
  rt().ctl(ScreenId::logo, "Label1").setText("kept");
  driver().advance(1500);
  rt().load(ScreenId::logo);
  rt().show(ScreenId::logo);
  driver().advance(2600);
  EXPECT_EQ(tickTimes, (std::vector<std::int64_t>{2000, 4000}));
  EXPECT_EQ(rt().ctl(ScreenId::logo, "Label1").text(), "kept");
}

TEST_F(RuntimeTest, UnloadStopsTheScreensTimersAndDropsItsValues) {
  int ticks = 0;
  on(ScreenId::logo).timer["Timer2"] = [&](Runtime&) { ++ticks; };
  driver().start();
  rt().show(ScreenId::quit);
  rt().ctl(ScreenId::logo, "Label1").setText("changed");
  rt().unload(ScreenId::logo);
  EXPECT_EQ(driver().platform().activeTimers(), 0);
  driver().advance(10000);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(rt().ctl(ScreenId::logo, "Label1").text(), "in  assosiation with");
}

TEST_F(RuntimeTest, UnloadThenShowInOneTimerTickKeepsTheProgramAlive) {
  on(ScreenId::logo).timer["Timer1"] = [](Runtime& r) {
    r.unload(ScreenId::logo);
    r.show(ScreenId::Welcome);
  };
  driver().start();
  driver().advance(4000);
  EXPECT_TRUE(driver().alive());
  EXPECT_FALSE(rt().isLoaded(ScreenId::logo));
  EXPECT_TRUE(rt().isShown(ScreenId::Welcome));
  EXPECT_FALSE(driver().platform().quitCalled());
}

TEST_F(RuntimeTest, TheProgramEndsWhenTheLastScreenIsUnloaded) {
  driver().start(ScreenId::quit);
  driver().close(ScreenId::quit);
  EXPECT_FALSE(driver().alive());
  EXPECT_TRUE(driver().platform().quitCalled());
}

TEST_F(RuntimeTest, EndRunsNoUnloadReactionAndNothingAfterItLoadsOrShows) {
  on(ScreenId::game1).unload = [this](Runtime& r) {
    log_.push_back("game1 unload reaction");
    r.show(ScreenId::Welcome);
  };
  on(ScreenId::quit).click["Command1"] = [this](Runtime& r) {
    r.end();
    // A handler that goes on after End changes nothing anyone can see.
    r.show(ScreenId::winner);
    r.ctl(ScreenId::player, "p2").setText("ghost");
    log_.push_back("after end");
  };
  driver().start(ScreenId::quit);
  rt().load(ScreenId::game1);
  rt().click(ScreenId::quit, "Command1");
  EXPECT_EQ(log_, (std::vector<std::string>{"after end"}));
  EXPECT_TRUE(rt().ended());
  EXPECT_FALSE(driver().alive());
  for (ScreenId id : kAllScreens) EXPECT_FALSE(rt().isLoaded(id)) << screenName(id);
  EXPECT_EQ(driver().platform().activeTimers(), 0);
}

TEST_F(RuntimeTest, EndInsideAModalWaitReleasesTheWaitingHandler) {
  on(ScreenId::Welcome).click["Command2"] = [this](Runtime& r) {
    r.show(ScreenId::quit, true);
    log_.push_back(r.ended() ? "resumed after end" : "resumed");
  };
  on(ScreenId::quit).click["Command1"] = [](Runtime& r) { r.end(); };
  driver().start(ScreenId::Welcome);
  driver().whenModal([](Driver& d, ScreenId) { d.rt().click(ScreenId::quit, "Command1"); });
  rt().click(ScreenId::Welcome, "Command2");
  EXPECT_EQ(log_, (std::vector<std::string>{"resumed after end"}));
}

TEST_F(RuntimeTest, TheOptionButtonsOfAScreenFormOneGroup) {
  driver().start(ScreenId::Welcome);
  rt().click(ScreenId::Welcome, "vs2");
  EXPECT_EQ(rt().ctl(ScreenId::Welcome, "vs2").value(), 1);
  EXPECT_EQ(rt().ctl(ScreenId::Welcome, "vscomp").value(), 0);
  rt().click(ScreenId::Welcome, "vscomp");
  EXPECT_EQ(rt().ctl(ScreenId::Welcome, "vs2").value(), 0);
  EXPECT_EQ(rt().ctl(ScreenId::Welcome, "vscomp").value(), 1);
}

TEST_F(RuntimeTest, InputReachesOnlyShownScreens) {
  on(ScreenId::winner).click["Command1"] = [this](Runtime&) { log_.push_back("clicked"); };
  driver().start(ScreenId::quit);
  rt().load(ScreenId::winner);
  rt().click(ScreenId::winner, "Command1");
  EXPECT_TRUE(log_.empty());
  rt().show(ScreenId::winner);
  rt().click(ScreenId::winner, "Command1");
  EXPECT_EQ(log_.size(), 1u);
}

TEST_F(RuntimeTest, TimersDueAtTheSameTimeBothTick) {
  on(ScreenId::logo).timer["Timer1"] = [this](Runtime&) {
    log_.push_back("Timer1 at " + std::to_string(driver().platform().now()));
  };
  on(ScreenId::logo).timer["Timer2"] = [this](Runtime&) {
    log_.push_back("Timer2 at " + std::to_string(driver().platform().now()));
  };
  driver().start();
  driver().advance(4000);
  std::sort(log_.begin(), log_.end());
  EXPECT_EQ(log_, (std::vector<std::string>{"Timer1 at 4000", "Timer2 at 2000", "Timer2 at 4000"}));
}

}  // namespace
}  // namespace zorvane::ui

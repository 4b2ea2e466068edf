// A screen's widgets and timers live exactly as long as the screen: Unload,
// End and the platform's own end take them all, after the screens' timers
// have run, and load and unload cycles do not pile anything up.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <ostream>
#include <string>

#include "app/game_behaviours.h"
#include "tests/qt/qt_fixture.h"

namespace zorvane::ui::qt {
namespace {

// What the application holds once the deletions that were asked for have run.
struct Census {
  qsizetype widgets = 0;
  qsizetype topLevels = 0;
  qsizetype timers = 0;        // QTimers of the platform, running or not
  qsizetype activeTimers = 0;  // of those, the running ones
  friend bool operator==(const Census&, const Census&) = default;
};

void PrintTo(const Census& c, std::ostream* os) {
  *os << "{widgets " << c.widgets << ", top-level " << c.topLevels << ", timers " << c.timers << " ("
      << c.activeTimers << " running)}";
}

class Resources : public QtFixture {
 protected:
  Resources() { behaviours_ = app::gameBehaviours(1); }

  // The platform's running timers as they are now, deletions pending or not.
  qsizetype runningTimers() const {
    if (!platform_) return 0;
    const auto timers = platform_->findChildren<QTimer*>();
    return std::count_if(timers.begin(), timers.end(), [](QTimer* t) { return t->isActive(); });
  }
  Census census() const {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return Census{QApplication::allWidgets().size(), QApplication::topLevelWidgets().size(),
                  platform_ ? platform_->findChildren<QTimer*>().size() : 0, runningTimers()};
  }
  // The census with nothing of the game's: what the application held before it started.
  static Census nothingLoaded(const Census& before) { return Census{before.widgets, before.topLevels}; }

  // Every screen on screen at once, none of them modal.
  void showAll() {
    for (ScreenId id : kAllScreens) rt_->show(id);
  }
  void unloadAll() {
    // A match screen's unload brings the menu back, so the menu goes last.
    for (ScreenId id : {ScreenId::quit, ScreenId::winner, ScreenId::player, ScreenId::game, ScreenId::game1,
                        ScreenId::logo, ScreenId::Welcome}) {
      rt_->unload(id);
    }
  }
  // Waits, without a fixed delay, until a one-shot timer has run and switched itself off.
  void untilRun(ScreenId id, const char* timer) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rt_->ctl(id, timer).enabled(); })) << timer << " never ran";
  }
};

TEST_F(Resources, EveryScreenUnloadedTakesItsWindowAndTimersAlong) {
  const Census before = census();
  start(ScreenId::Welcome);
  showAll();
  const Census shown = census();
  EXPECT_EQ(shown.topLevels, before.topLevels + static_cast<qsizetype>(kScreenCount));
  EXPECT_GT(shown.activeTimers, 0) << "the splash, game1 and winner run timers";
  unloadAll();
  for (ScreenId id : kAllScreens) EXPECT_FALSE(rt_->isLoaded(id)) << screenName(id);
  EXPECT_EQ(runningTimers(), 0) << "a timer runs on after its screen";
  EXPECT_EQ(census(), nothingLoaded(before));
}

TEST_F(Resources, EndTakesEveryWindowAndTimerAtOnce) {
  const Census before = census();
  start(ScreenId::Welcome);
  showAll();
  rt_->end();
  EXPECT_TRUE(quit_);
  EXPECT_EQ(runningTimers(), 0);
  EXPECT_EQ(census(), nothingLoaded(before));
}

TEST_F(Resources, TimersThatHaveRunLeaveNoTimerBehind) {
  const Census before = census();
  start(ScreenId::logo);
  EXPECT_EQ(census().activeTimers, 2) << "the splash's two timers";
  // The splash's seconds shortened, so that its ticks come at once.
  for (QTimer* t : platform_->findChildren<QTimer*>()) t->setInterval(1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !rt_->isLoaded(ScreenId::logo); }));
  EXPECT_EQ(runningTimers(), 0) << "the splash's timers run on after it";
  EXPECT_TRUE(rt_->isShown(ScreenId::Welcome)) << "the splash hands over to the menu";
  const qsizetype menuWidgets = window(ScreenId::Welcome)->findChildren<QWidget*>().size() + 1;
  EXPECT_EQ(census(), (Census{before.widgets + menuWidgets, before.topLevels + 1, 0, 0}));

  rt_->show(ScreenId::game1);
  untilRun(ScreenId::game1, "Timer1");
  EXPECT_EQ(runningTimers(), 0) << "game1's start-up timer runs once";
  rt_->show(ScreenId::winner);
  untilRun(ScreenId::winner, "Timer1");
  EXPECT_EQ(census().timers, 0) << "one-shot timers are gone once they have run";

  unloadAll();
  EXPECT_EQ(census(), nothingLoaded(before));
}

TEST_F(Resources, LoadAndUnloadCyclesDoNotPileUp) {
  start(ScreenId::Welcome);
  const Census menuOnly = census();
  for (int cycle = 0; cycle < 8; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    showAll();
    untilRun(ScreenId::game1, "Timer1");
    for (ScreenId id : kAllScreens) {
      if (id != ScreenId::Welcome) rt_->unload(id);
    }
    ASSERT_EQ(census(), menuOnly);
  }
}

TEST_F(Resources, ProgramRunsEndedOneAfterAnotherLeaveNothing) {
  const Census before = census();
  for (int run = 0; run < 4; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    start(ScreenId::Welcome);
    showAll();
    rt_->end();
    TearDown();
    ASSERT_EQ(census(), before);
  }
}

// A runtime and its platform torn down while screens are still loaded (a
// test's end, an exception) leave no window behind them.
TEST_F(Resources, ThePlatformTakesTheWindowsOfScreensStillLoaded) {
  const Census before = census();
  start(ScreenId::Welcome);
  showAll();
  TearDown();
  EXPECT_EQ(census(), before);
}

}  // namespace
}  // namespace zorvane::ui::qt

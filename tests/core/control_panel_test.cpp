// The hidden control panel of the two-player screen: the click code on the
// score panel, the height toggle and the state controls it brings into view.
#include "screens/control_panel.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/game_behaviours.h"
#include "rules/board.h"
#include "ui/caption_number.h"
#include "ui/headless/driver.h"
#include "ui/hit_test.h"

namespace zorvane {
namespace {

using rules::cellControl;
using screens::kPanelUnlockCount;
using ui::ScreenId;

constexpr ScreenId kGame1 = ScreenId::game1;
constexpr int kNormal = 4770;
constexpr int kLengthened = 6465;

static_assert(kPanelUnlockCount >= 10 && kPanelUnlockCount <= 99, "the unlock count has two digits");

// The click code: each control and what a click on it adds to the counter.
struct CodeKey {
  const char* control;
  int amount;
  friend void PrintTo(const CodeKey& key, std::ostream* os) { *os << key.control; }
};
constexpr CodeKey kOne{"Image11", 1}, kThree{"scorecomp", 3}, kFive{"scoreulo", 5};

class ControlPanel : public ::testing::Test {
 protected:
  ControlPanel() {
    d.start(kGame1);
    d.advance(1);
  }

  ui::ControlRef ctl(std::string_view name) { return d.ctl(kGame1, std::string(name)); }
  std::string counter() { return ctl("cmd").text(); }
  int height() { return d.rt().windowHeight(kGame1); }
  // Whether any part of the control lies inside the window's client area.
  bool inView(std::string_view name) { return ui::clickPoint(*d.rt().find(kGame1), name).has_value(); }

  void press(std::string_view control, int times = 1) {
    for (int k = 0; k < times; ++k) ASSERT_EQ(d.click(kGame1, control), control);
  }
  // Clicks fives, then threes, then ones until the counter is at `target`.
  void buildUpTo(int target) {
    int at = ui::leadingNumber(counter());
    for (const CodeKey& key : {kFive, kThree, kOne}) {
      while (target - at >= key.amount) {
        press(key.control);
        at += key.amount;
      }
    }
    ASSERT_EQ(counter(), ui::decimal(target));
  }
  void open() {
    buildUpTo(kPanelUnlockCount);
    ASSERT_EQ(height(), kLengthened);
  }

  ui::Driver d{app::gameBehaviours(1)};
};

TEST_F(ControlPanel, EachCodeClickMovesTheCounterAndNothingElse) {
  EXPECT_EQ(counter(), "");
  EXPECT_FALSE(inView("Frame1"));
  const ui::Picture one = ctl("Image11").picture(), two = ctl("Image12").picture();
  struct Step {
    const char* control;
    const char* after;
  };
  const std::vector<Step> steps{{"scoreulo", "5"}, {"scorecomp", "8"}, {"Image11", "9"},
                                {"Image12", "0"},  {"scorecomp", "3"}, {"Image12", "0"}};
  for (const Step& s : steps) {
    press(s.control);
    EXPECT_EQ(counter(), s.after) << "after " << s.control;
  }
  EXPECT_EQ(ctl("scoreulo").text(), "0");
  EXPECT_EQ(ctl("scorecomp").text(), "0");
  EXPECT_EQ(ctl("Image11").picture(), one);
  EXPECT_EQ(ctl("Image12").picture(), two);
  EXPECT_EQ(height(), kNormal);
}

TEST_F(ControlPanel, AResetOnTheClosedAreaLeavesItClosedAndTheFiveKeyStartsFromZero) {
  press("Image12");
  EXPECT_EQ(counter(), "0");
  EXPECT_EQ(height(), kNormal);
  press("scoreulo");
  EXPECT_EQ(counter(), "5");
}

class UnlockPath : public ControlPanel, public ::testing::WithParamInterface<std::vector<CodeKey>> {};

TEST_P(UnlockPath, LandingOnTheUnlockCountOpensTheAreaAndOneMoreClickLeavesItOpen) {
  const std::vector<CodeKey>& keys = GetParam();
  int sum = 0;
  for (std::size_t k = 0; k < keys.size(); ++k) {
    press(keys[k].control);
    sum += keys[k].amount;
    EXPECT_EQ(counter(), ui::decimal(sum));
    if (k + 1 < keys.size()) {
      ASSERT_EQ(height(), kNormal) << "opened early at " << sum;
    }
  }
  ASSERT_EQ(sum, kPanelUnlockCount);
  EXPECT_EQ(height(), kLengthened);
  for (const char* name : {"Frame1", "Label2", "full", "p1", "rank1", "name1", "rank", "name2", "Label4"}) {
    EXPECT_TRUE(inView(name)) << name;
  }
  press("Image11");
  EXPECT_EQ(height(), kLengthened);
  EXPECT_EQ(counter(), ui::decimal(kPanelUnlockCount + 1));
}

std::vector<CodeKey> repeat(CodeKey key, int times) {
  return std::vector<CodeKey>(static_cast<std::size_t>(times), key);
}
std::vector<CodeKey> then(std::vector<CodeKey> a, const std::vector<CodeKey>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    ControlPanel, UnlockPath,
    ::testing::Values(then(repeat(kFive, kPanelUnlockCount / 5), repeat(kOne, kPanelUnlockCount % 5)),
                      then(repeat(kThree, kPanelUnlockCount / 3), repeat(kOne, kPanelUnlockCount % 3)),
                      repeat(kOne, kPanelUnlockCount),
                      then(repeat(kOne, kPanelUnlockCount % 5), repeat(kFive, kPanelUnlockCount / 5)),
                      then(then(repeat(kThree, 2), repeat(kFive, (kPanelUnlockCount - 6) / 5)),
                           repeat(kOne, (kPanelUnlockCount - 6) % 5))));

TEST_F(ControlPanel, OvershootingDoesNothingUntilAResetAndAFreshBuildUp) {
  buildUpTo(kPanelUnlockCount - 2);
  press(kThree.control);
  EXPECT_EQ(counter(), ui::decimal(kPanelUnlockCount + 1));
  EXPECT_EQ(height(), kNormal);
  press(kFive.control, 20);  // far past it
  EXPECT_EQ(height(), kNormal);
  press("Image12");
  EXPECT_EQ(counter(), "0");
  open();
}

TEST_F(ControlPanel, LandingOnTheUnlockCountAgainWhileOpenClosesTheArea) {
  open();
  press("Image12");
  EXPECT_EQ(counter(), "0");
  EXPECT_EQ(height(), kLengthened) << "a reset keeps the area open";
  buildUpTo(kPanelUnlockCount);
  EXPECT_EQ(height(), kNormal);
  EXPECT_FALSE(inView("Frame1"));
}

TEST_F(ControlPanel, TheXClosesTheAreaAndResetsTheCounter) {
  EXPECT_FALSE(inView("Label2")) << "X lies inside the area";
  EXPECT_EQ(d.click(kGame1, "Label2"), std::nullopt);
  open();
  press("Image11");
  press("Label2");
  EXPECT_EQ(height(), kNormal);
  EXPECT_EQ(counter(), "0");
  EXPECT_FALSE(inView("Label2"));
  press("Image11");
  EXPECT_EQ(counter(), "1");
  buildUpTo(kPanelUnlockCount);
  EXPECT_EQ(height(), kLengthened) << "the code opens it again after X";
}

// What the user sets in the open area is what the turn engine and the rank
// update read at their next event.
TEST_F(ControlPanel, TheEngineReadsTheBoardFullFlagSetInTheArea) {
  open();
  for (int n : {1, 2}) {
    ASSERT_EQ(d.hover(kGame1, cellControl('z', n)), cellControl('z', n));
    ASSERT_EQ(d.click(kGame1, cellControl('g', n)), cellControl('g', n));
  }
  ASSERT_EQ(d.click(kGame1, "full"), "full");  // the movement phase after two placements
  ASSERT_EQ(d.click(kGame1, "m1"), "m1");
  EXPECT_EQ(ctl("m1").borderStyle(), 1) << "pieces can be selected once the flag is set";
  ASSERT_EQ(d.hover(kGame1, "z4"), "z4");
  ASSERT_EQ(d.click(kGame1, "g4"), "g4");
  EXPECT_TRUE(ctl("m4").visible());
  EXPECT_FALSE(ctl("m1").visible());
  EXPECT_EQ(ctl("p1").value(), 0);
  EXPECT_EQ(ctl("Label4").text(), "2") << "a move is no placement";
}

TEST_F(ControlPanel, TheEngineReadsTheTurnFlagAndTheRankUpdateTheNamesTypedInTheArea) {
  open();
  ASSERT_EQ(d.click(kGame1, "p1"), "p1");  // side two's turn at the first placement
  ASSERT_EQ(d.hover(kGame1, "z5"), "z5");
  ASSERT_EQ(d.click(kGame1, "g5"), "g5");
  EXPECT_TRUE(ctl("m5").visible()) << "the placement follows the counter's parity";
  EXPECT_EQ(ctl("p1").value(), 1) << "and the count's reaction flips what the user set";
  EXPECT_TRUE(ctl("i2").visible());
  d.type(kGame1, "name2", "Eve");
  ctl("scorecomp").setNumber(1);
  EXPECT_EQ(ctl("Label5").text(), "FroggyFood Eve");
}

TEST_F(ControlPanel, AClickTicksACheckBoxOfTheOpenArea) {
  open();
  ASSERT_EQ(d.click(kGame1, "p1"), "p1");
  EXPECT_EQ(ctl("p1").value(), 0) << "checked to clear";
  ASSERT_EQ(d.click(kGame1, "p1"), "p1");
  EXPECT_EQ(ctl("p1").value(), 1) << "clear to checked";
  ASSERT_EQ(d.click(kGame1, "full"), "full");
  EXPECT_EQ(ctl("full").value(), 1);
}

}  // namespace
}  // namespace zorvane

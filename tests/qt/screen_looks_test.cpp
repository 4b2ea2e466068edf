// Pixel probes of looks that the stand-in toolkit would otherwise get wrong:
// the score header's words between their rules, the board panel's sunken
// border, the control panel frame covering the grass, the menu's emblem
// strip without a seam and the focus rectangle on a focused button, clear of
// its caption.
#include <QApplication>
#include <QPushButton>
#include <string>

#include "tests/qt/qt_fixture.h"
#include "tests/qt/scenes.h"
#include "ui/qt/control_widgets.h"

namespace zorvane::ui::qt {
namespace {

bool ink(QRgb c) {
  return qRed(c) + qGreen(c) + qBlue(c) < 3 * 128;
}

class MatchLooks : public QtFixture, public ::testing::WithParamInterface<ScreenId> {
 protected:
  void SetUp() override { start(GetParam()); }
  QRect rectOf(std::string_view name) const {
    return windowRect(layoutOf(GetParam()), *specOf(layoutOf(GetParam()), name));
  }
  Grab grab() const { return grabOf(window(GetParam())); }
};

// "Turn" left of the divider and "Score" right of it, neither touching it
// nor the panel's border: the columns beside the rules stay bare.
TEST_P(MatchLooks, HeaderWordsSitBetweenTheirRules) {
  const Grab g = grab();
  const QRect panel = rectOf("Label3");
  const int divider = px(5760), rule = px(1920);
  int turnInk = 0, scoreInk = 0;
  int leftmostScore = panel.right(), rightmostScore = 0, rightmostTurn = 0;
  for (int y = panel.top() + 1; y < rule; ++y) {
    for (int x = panel.left() + 1; x < panel.right(); ++x) {
      if (x == divider || !ink(g.at({x, y}))) continue;
      if (x < divider) {
        ++turnInk;
        rightmostTurn = std::max(rightmostTurn, x);
      } else {
        ++scoreInk;
        leftmostScore = std::min(leftmostScore, x);
        rightmostScore = std::max(rightmostScore, x);
      }
    }
  }
  EXPECT_GT(turnInk, 30) << "no \"Turn\"";
  EXPECT_GT(scoreInk, 30) << "no \"Score\"";
  EXPECT_GE(leftmostScore, divider + 3) << "\"Score\" runs into the divider";
  EXPECT_LE(rightmostTurn, divider - 3) << "\"Turn\" runs into the divider";
  EXPECT_LE(rightmostScore, panel.right() - 3) << "\"Score\" runs into the panel's border";
}

// Two lines on each side: dark grey and darker inside above and left,
// white and light grey inside below and right.
TEST_P(MatchLooks, BoardPanelHasASunkenThreeDimensionalBorder) {
  const Grab g = grab();
  const QRect r = rectOf("Label1");
  const int midX = r.left() + 30, midY = r.top() + 30;  // clear of the board's lines and points
  struct Probe {
    QPoint at;
    QColor colour;
  };
  const Probe probes[] = {
      {{midX, r.top()}, kSunkenOuterShadow},
      {{r.left(), midY}, kSunkenOuterShadow},
      {{midX, r.top() + 1}, kSunkenInnerShadow},
      {{r.left() + 1, midY}, kSunkenInnerShadow},
      {{midX, r.bottom()}, kSunkenOuterLight},
      {{r.right(), midY}, kSunkenOuterLight},
      {{midX, r.bottom() - 1}, kSunkenInnerLight},
      {{r.right() - 1, midY}, kSunkenInnerLight},
      {{r.left() + 2, midY}, QColor(0xFF, 0xFF, 0xFF)},
  };
  for (const Probe& p : probes) {
    EXPECT_EQ(hex(g.at(p.at)), p.colour.name().toStdString()) << "at " << p.at.x() << "," << p.at.y();
  }
}

// The focus rectangle runs dotted inside the start button while it has the
// focus, however the focus came there, and goes with the focus.
TEST_P(MatchLooks, FocusedStartButtonShowsAFocusRectangle) {
  QWidget* start = window(GetParam())->widgetFor("start");
  ASSERT_TRUE(start->hasFocus()) << "the start button holds the focus when the screen opens";
  const QRect r = rectOf("start");
  const int y = r.top() + CommandButton::kFocusInset;
  const auto dotsOnTheLine = [&](const Grab& g) {
    int dots = 0;
    for (int x = r.left() + CommandButton::kFocusInset; x <= r.right() - CommandButton::kFocusInset; ++x) {
      dots += ink(g.at({x, y}));
    }
    return dots;
  };
  const int width = r.width() - 2 * CommandButton::kFocusInset;
  const int focused = dotsOnTheLine(grab());
  EXPECT_GT(focused, width / 3) << "no dotted line along the top of the focus rectangle";
  EXPECT_LT(focused, width) << "a dotted line, not a solid one";
  start->clearFocus();
  EXPECT_EQ(dotsOnTheLine(grab()), 0) << "the rectangle stays without the focus";
}

// The caption, set in a face wider than the design's, keeps clear of the
// focus rectangle: the columns just inside its sides stay bare.
TEST_P(MatchLooks, StartCaptionKeepsClearOfTheFocusRectangle) {
  const Grab g = grab();
  const QRect r = rectOf("start");
  const int inset = CommandButton::kFocusInset;
  int captionInk = 0;
  for (int y = r.top() + inset + 1; y < r.bottom() - inset; ++y) {
    EXPECT_FALSE(ink(g.at({r.left() + inset + 1, y}))) << "the caption touches the left side, row " << y;
    EXPECT_FALSE(ink(g.at({r.right() - inset - 1, y}))) << "the caption touches the right side, row " << y;
    for (int x = r.left() + inset + 2; x < r.right() - inset - 1; ++x) captionInk += ink(g.at({x, y}));
  }
  EXPECT_GT(captionInk, 100) << "no caption";
}

INSTANTIATE_TEST_SUITE_P(MatchScreens, MatchLooks, ::testing::Values(ScreenId::game, ScreenId::game1),
                         [](const ::testing::TestParamInfo<ScreenId>& info) {
                           return std::string(screenName(info.param));
                         });

class Looks : public QtFixture {};

// The frame is a windowed control: over its whole rectangle, the caption
// row included, the button face covers the background picture's grass.
TEST_F(Looks, ControlPanelFrameCoversWhatLiesBehindIt) {
  start(ScreenId::game1);
  rt_->setWindowHeight(ScreenId::game1, 6465);
  const QRect frame = windowRect(layoutOf(ScreenId::game1), *specOf(layoutOf(ScreenId::game1), "Frame1"));
  const Grab g = grabOf(window(ScreenId::game1));
  // The caption row above the frame's line, right of the caption and left of the "X".
  int bare = 0;
  for (int x = frame.left() + 100; x < frame.left() + 170; ++x) {
    EXPECT_EQ(hex(g.at({x, frame.top()})), "#f0f0f0") << "at " << x;
    ++bare;
  }
  EXPECT_GT(bare, 0);
}

// A 545-twip box shows its 36-pixel picture and nothing below it: the row
// under the strip is the emblem's, not the box's white.
TEST_F(Looks, MenuEmblemStripHasNoSeam) {
  start(ScreenId::Welcome);
  const ScreenLayout& layout = layoutOf(ScreenId::Welcome);
  const QRect box = windowRect(layout, *specOf(layout, "Picture2"));
  EXPECT_EQ(box.height(), 36);
  EXPECT_EQ(window(ScreenId::Welcome)->widgetFor("Picture2")->height(), 36);
  const QRect emblem = windowRect(layout, *specOf(layout, "Image3"));
  const QImage strip = assetImage("emblem_strip"), emblemPicture = assetImage("emblem");
  const Grab g = grabOf(window(ScreenId::Welcome));
  for (int x = 2; x < 70; ++x) {
    EXPECT_EQ(hex(g.at({x, box.bottom()})), hex(strip.pixel(x, 35))) << "strip's last row at " << x;
    const QPoint below(x, box.bottom() + 1);
    EXPECT_EQ(hex(g.at(below)), hex(emblemPicture.pixel(below - emblem.topLeft())))
        << "under the strip at " << x;
  }
}

}  // namespace
}  // namespace zorvane::ui::qt

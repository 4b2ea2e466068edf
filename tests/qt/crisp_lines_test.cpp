// Thin lines and flat borders at the device pixel ratio the test runs at (1
// in qt_tests; 2, 1.5 and 3 in qt_scaled_tests): at a whole ratio each of
// their pixels in the layout is ratio × ratio device pixels, all black, and
// nothing of them spills beside or past their ends.
#include <QApplication>
#include <cmath>
#include <ostream>
#include <string>

#include "tests/qt/qt_fixture.h"
#include "tests/qt/scenes.h"

namespace zorvane::ui::qt {
namespace {

bool black(QRgb c) {
  return qRed(c) < 64 && qGreen(c) < 64 && qBlue(c) < 64;
}

enum class Kind { Line, FlatBorder };

struct Case {
  ScreenId screen;
  const char* name;
  Kind kind;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << screenName(c.screen) << "." << c.name;
}

class CrispLines : public QtFixture, public ::testing::WithParamInterface<Case> {
 protected:
  void SetUp() override {
    const qreal ratio = qApp->devicePixelRatio();
    if (ratio != std::floor(ratio))
      GTEST_SKIP() << "a pixel of the layout is whole device pixels at whole ratios only";
    k_ = static_cast<int>(ratio);
    start(GetParam().screen);
    image_ = window(GetParam().screen)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // The device pixels of a rectangle in layout pixels, all black; the count of those that are not.
  int notBlackIn(const QRect& r) const {
    int misses = 0;
    for (int y = r.top() * k_; y < (r.bottom() + 1) * k_; ++y) {
      for (int x = r.left() * k_; x < (r.right() + 1) * k_; ++x) misses += !black(image_.pixel(x, y));
    }
    return misses;
  }
  bool blackAt(int deviceX, int deviceY) const { return black(image_.pixel(deviceX, deviceY)); }
  int k_ = 1;
  QImage image_;
};

TEST_P(CrispLines, CoverTheirOwnPixelsAndNothingBeside) {
  const ControlSpec& s = *specOf(layoutOf(GetParam().screen), GetParam().name);
  if (GetParam().kind == Kind::Line) {
    const QRect line = QRect(QPoint(px(s.x1), px(s.y1)), QPoint(px(s.x2), px(s.y2))).normalized();
    EXPECT_EQ(notBlackIn(line), 0);
    const int left = line.left() * k_, right = (line.right() + 1) * k_ - 1;
    const int top = line.top() * k_, bottom = (line.bottom() + 1) * k_ - 1;
    const int midX = (left + right) / 2, midY = (top + bottom) / 2;
    if (line.height() == 1) {
      EXPECT_FALSE(blackAt(left - 1, midY)) << "past the left end";
      EXPECT_FALSE(blackAt(right + 1, midY)) << "past the right end";
      EXPECT_FALSE(blackAt(midX, top - 1)) << "above";
      EXPECT_FALSE(blackAt(midX, bottom + 1)) << "below";
    } else {
      EXPECT_FALSE(blackAt(midX, top - 1)) << "past the top end";
      EXPECT_FALSE(blackAt(midX, bottom + 1)) << "past the bottom end";
      EXPECT_FALSE(blackAt(left - 1, midY)) << "left of it";
      EXPECT_FALSE(blackAt(right + 1, midY)) << "right of it";
    }
    return;
  }
  // A flat border: one layout pixel on each side of the rectangle, black,
  // with the control's inside next to it and the window's background outside.
  const QRect r = windowRect(layoutOf(GetParam().screen), s);
  EXPECT_EQ(notBlackIn(QRect(r.left(), r.top(), r.width(), 1)), 0) << "top";
  EXPECT_EQ(notBlackIn(QRect(r.left(), r.bottom(), r.width(), 1)), 0) << "bottom";
  EXPECT_EQ(notBlackIn(QRect(r.left(), r.top(), 1, r.height())), 0) << "left";
  EXPECT_EQ(notBlackIn(QRect(r.right(), r.top(), 1, r.height())), 0) << "right";
  const int midY = (r.top() + r.height() / 3) * k_;  // clear of the header's rule
  EXPECT_FALSE(blackAt(r.left() * k_ - 1, midY)) << "outside the left side";
  EXPECT_FALSE(blackAt((r.left() + 1) * k_, midY)) << "inside the left side";
  EXPECT_FALSE(blackAt((r.right() + 1) * k_, midY)) << "outside the right side";
  EXPECT_FALSE(blackAt(r.right() * k_ - 1, midY)) << "inside the right side";
}

INSTANTIATE_TEST_SUITE_P(MatchPanels, CrispLines,
                         ::testing::Values(Case{ScreenId::game1, "Line5", Kind::Line},
                                           Case{ScreenId::game1, "Line6", Kind::Line},
                                           Case{ScreenId::game1, "Label3", Kind::FlatBorder},
                                           Case{ScreenId::game, "Line5", Kind::Line},
                                           Case{ScreenId::game, "Line6", Kind::Line},
                                           Case{ScreenId::game, "Label3", Kind::FlatBorder}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return std::string(screenName(info.param.screen)) + "_" + info.param.name;
                         });

}  // namespace
}  // namespace zorvane::ui::qt

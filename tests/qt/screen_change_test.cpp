// A window moved between screens of different device pixel ratios repaints
// its pictures from the source of the screen it is on. Needs two screens:
// the offscreen platform with tests/qt_scaled/two_screens.json (ratios 1
// and 2); skipped elsewhere.
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <string>

#include "tests/qt/qt_fixture.h"
#include "tests/qt/scenes.h"
#include "ui/qt/pictures.h"

namespace zorvane::ui::qt {
namespace {

class ScreenChange : public QtFixture {
 protected:
  void SetUp() override {
    if (!screenAt(1) || !screenAt(2)) GTEST_SKIP() << "needs a screen at ratio 1 and one at 2";
  }
  static QScreen* screenAt(int ratio) {
    for (QScreen* s : QGuiApplication::screens()) {
      if (s->devicePixelRatio() == ratio) return s;
    }
    return nullptr;
  }
  void moveTo(QWidget* w, int ratio) {
    QScreen* target = screenAt(ratio);
    w->move(target->geometry().topLeft() + QPoint(40, 40));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->screen() == target; }));
  }
  // Whether the grab shows the emblem strip's pixels from the source of that scale, device pixel for device
  // pixel.
  static bool showsStrip(QWidget* w, int scale) {
    const QImage got = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = scale == 1 ? ":/assets/emblem_strip.bmp" : ":/assets/2x/emblem_strip.png";
    const QImage source = QImage(path).convertToFormat(QImage::Format_RGB32);
    const QRect box = pxRect(0, 3320, 1400, 545);
    // The strip's top rows, clear of the label at its right.
    for (int y = 0; y < 20 * scale; ++y) {
      for (int x = 0; x < 60 * scale; ++x) {
        if (got.pixel(box.left() * scale + x, box.top() * scale + y) != source.pixel(x, y)) return false;
      }
    }
    return true;
  }
};

TEST_F(ScreenChange, AWindowRepaintsFromTheSourceOfItsNewScreen) {
  start(ScreenId::Welcome);
  QWidget* w = window(ScreenId::Welcome);
  moveTo(w, 1);
  EXPECT_EQ(w->devicePixelRatio(), 1);
  EXPECT_TRUE(showsStrip(w, 1));

  moveTo(w, 2);
  EXPECT_EQ(w->devicePixelRatio(), 2);
  EXPECT_TRUE(showsStrip(w, 2)) << "the dense screen shows the twice-size source";
  const std::vector<std::string> d = decodedPictures();
  EXPECT_NE(std::find(d.begin(), d.end(), "emblem_strip@2x"), d.end());

  moveTo(w, 1);
  EXPECT_TRUE(showsStrip(w, 1)) << "back on the ordinary screen, the catalogue's own pixels";
}

}  // namespace
}  // namespace zorvane::ui::qt

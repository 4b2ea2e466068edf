// Pictures at the device pixel ratio the test runs at (1 in qt_tests; 2,
// 1.5 and 3 in qt_scaled_tests): every place of the catalogue, grabbed in
// its scene, shows exactly what its source draws there. At 1 that is the
// catalogue's own pixels; above 1 the twice-size source, pixel for pixel at
// 2 where the picture is unscaled, smoothly scaled otherwise. The expected
// pixels are painted from the files themselves, not through the adapter.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tests/qt/scene_fixture.h"
#include "tests/qt/scenes.h"
#include "ui/qt/pictures.h"

namespace zorvane::ui::qt {
namespace {

// The twice-size source of a key, at its device pixel ratio of 2.
QPixmap twiceSizeSource(const std::string& key) {
  for (const char* ext : {".jpg", ".png"}) {
    const QString path = QString::fromStdString(":/assets/2x/" + key + ext);
    if (QFile::exists(path)) {
      QPixmap p(path);
      p.setDevicePixelRatio(2);
      return p;
    }
  }
  return {};
}

QPixmap catalogueSource(const std::string& key) {
  return QPixmap::fromImage(assetImage(key));
}

// The window as the picture alone would paint it: the source drawn at the
// control's place, on an image of the grab's size and ratio.
QImage painted(const QPixmap& source, const QRect& control, bool stretched, QSize deviceSize, qreal ratio) {
  QImage image(deviceSize, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::black);
  QPainter p(&image);
  const bool exact = qFuzzyCompare(ratio, source.devicePixelRatio());
  p.setRenderHint(QPainter::SmoothPixmapTransform, stretched || !exact);
  p.setClipRect(control);
  if (stretched) {
    p.drawPixmap(control, source);
  } else {
    p.drawPixmap(control.topLeft(), source);
  }
  return image;
}

class SharpPictures : public SceneFixture, public ::testing::WithParamInterface<Place> {};

TEST_P(SharpPictures, GrabShowsTheSourceOfTheRatioAtItsPlace) {
  const Place& place = GetParam();
  const Scene& scene = sceneNamed(place.scene);
  open(scene);
  const ScreenLayout& layout = layoutOf(scene.screen);
  const Screen& screen = *rt_->find(scene.screen);
  ScreenWindow* w = window(scene.screen);
  const ControlSpec* target = place.control.empty() ? nullptr : specOf(layout, place.control);

  const QPixmap grab = w->grab();
  const qreal ratio = grab.devicePixelRatio();
  const QImage got = grab.toImage().convertToFormat(QImage::Format_RGB32);
  const QPixmap one = catalogueSource(place.key), two = twiceSizeSource(place.key);
  ASSERT_FALSE(one.isNull());
  ASSERT_FALSE(two.isNull()) << "no twice-size source for " << place.key;
  EXPECT_EQ(two.deviceIndependentSize(), QSizeF(one.size())) << "the twice-size source covers the same place";
  const QRect control = target ? windowRect(layout, *target) : QRect(QPoint(), one.size());
  const QImage want = painted(ratio > 1 ? two : one, control, place.stretched, got.size(), ratio);

  // Inside the picture, clear of borders, edges and whatever stands in front.
  QRect area = control & QRect(0, 0, w->width(), w->height());
  if (!place.stretched) area &= QRect(control.topLeft(), one.size());
  area.adjust(2, 2, -2, -2);
  // Smooth scaling may round a channel differently; a plain copy may not.
  const bool copy = !place.stretched && qFuzzyCompare(ratio, ratio > 1 ? 2.0 : 1.0);
  const int tolerance = copy ? 0 : 3;
  int compared = 0, differ = 0;
  std::ostringstream first;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (covered(layout, screen, target, {x, y})) continue;
      // Every device pixel of the logical one.
      for (int dy = static_cast<int>(y * ratio); dy < static_cast<int>((y + 1) * ratio); ++dy) {
        for (int dx = static_cast<int>(x * ratio); dx < static_cast<int>((x + 1) * ratio); ++dx) {
          const QRgb a = got.pixel(dx, dy), b = want.pixel(dx, dy);
          ++compared;
          const int d = std::max(
              {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
          if (d > tolerance && differ++ == 0) {
            first << " first at device " << dx << "," << dy << ": " << hex(a) << " for " << hex(b);
          }
        }
      }
    }
  }
  ASSERT_GT(compared, 16) << "too little of the picture shows";
  EXPECT_EQ(differ, 0) << differ << " of " << compared << " device pixels differ at ratio " << ratio << ";"
                       << first.str();
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SharpPictures, ::testing::ValuesIn(cataloguePlaces()),
                         [](const ::testing::TestParamInfo<Place>& info) {
                           return info.param.scene + "_" +
                                  (info.param.control.empty() ? "window" : info.param.control);
                         });

// The comparison above would notice the wrong source: every twice-size
// picture but the pixel-exact board point differs from its catalogue
// picture blown up pixel by pixel.
TEST(TwiceSizeSources, AreDrawnAnewNotPixelDoubled) {
  for (const Place& place : cataloguePlaces()) {
    if (place.key == "cell_point") continue;
    SCOPED_TRACE(place.key);
    const QImage one = assetImage(place.key);
    const QImage two = twiceSizeSource(place.key).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(two.size(), one.size() * 2);
    const QImage doubled = one.scaled(one.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int differ = 0;
    for (int y = 0; y < two.height(); ++y) {
      for (int x = 0; x < two.width(); ++x) {
        const QRgb a = two.pixel(x, y), b = doubled.pixel(x, y);
        differ += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                            std::abs(qBlue(a) - qBlue(b))}) > 16;
      }
    }
    EXPECT_GT(differ, two.width() * two.height() / 400);
  }
}

}  // namespace
}  // namespace zorvane::ui::qt

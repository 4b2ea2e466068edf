// Every screen, grabbed in the offscreen platform, shows its built-in
// pictures where its layout puts them and at the right scale: a few pixels
// per picture are compared with the decoded asset itself, mapped to where
// the picture must land (unstretched: its own pixel size from the control's
// top left, clipped; stretched: scaled to the control). Probes avoid every
// control in front of the picture, by the layout's own stacking order.
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/qt/scene_fixture.h"
#include "tests/qt/scenes.h"

namespace zorvane::ui::qt {
namespace {

// --- where a picture must land ----------------------------------------------

// The colours a probe may show, channel by channel.
struct ColourRange {
  std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};

  void take(QRgb c) {
    const std::array<int, 3> v{qRed(c), qGreen(c), qBlue(c)};
    for (int i = 0; i < 3; ++i) lo[i] = std::min(lo[i], v[i]), hi[i] = std::max(hi[i], v[i]);
  }
  void widen(int by) {
    for (int i = 0; i < 3; ++i) lo[i] = std::max(0, lo[i] - by), hi[i] = std::min(255, hi[i] + by);
  }
  bool holds(QRgb c) const {
    const std::array<int, 3> v{qRed(c), qGreen(c), qBlue(c)};
    for (int i = 0; i < 3; ++i) {
      if (v[i] < lo[i] || v[i] > hi[i]) return false;
    }
    return true;
  }
  // How far a colour lies outside the range in its most distant channel; 0 inside.
  int distanceTo(QRgb c) const {
    const std::array<int, 3> v{qRed(c), qGreen(c), qBlue(c)};
    int d = 0;
    for (int i = 0; i < 3; ++i) d = std::max({d, lo[i] - v[i], v[i] - hi[i]});
    return d;
  }
  std::string text() const {
    std::ostringstream os;
    os << "[" << lo[0] << "-" << hi[0] << "," << lo[1] << "-" << hi[1] << "," << lo[2] << "-" << hi[2] << "]";
    return os.str();
  }
};

struct Landing {
  QImage asset;
  QRect control;  // window pixels
  bool stretched;
  QRect clip;  // what of it can show: the control, its box and the client area

  // The asset pixel that window pixel p maps to when the picture is drawn
  // from `origin`, unscaled or scaled to the control; none off the picture.
  std::optional<QPoint> source(QPoint p, QPoint origin, bool stretch) const {
    const double sx =
        stretch ? (p.x() - origin.x() + 0.5) * asset.width() / control.width() : p.x() - origin.x();
    const double sy =
        stretch ? (p.y() - origin.y() + 0.5) * asset.height() / control.height() : p.y() - origin.y();
    const QPoint s(static_cast<int>(std::floor(sx)), static_cast<int>(std::floor(sy)));
    if (!asset.valid(s)) return std::nullopt;
    return s;
  }

  // What p may show: a plain copy shows the asset's pixel; smooth scaling
  // blends the pixels around the mapped one, so any blend of them will do.
  ColourRange at(QPoint p) const {
    const QPoint s = *source(p, control.topLeft(), stretched);
    const double scale =
        std::max(double(asset.width()) / control.width(), double(asset.height()) / control.height());
    const int reach = stretched ? static_cast<int>(std::ceil(scale / 2)) + 1 : 0;
    ColourRange range;
    for (int y = s.y() - reach; y <= s.y() + reach; ++y) {
      for (int x = s.x() - reach; x <= s.x() + reach; ++x) {
        if (asset.valid(x, y)) range.take(asset.pixel(x, y));
      }
    }
    range.widen(stretched ? 6 : 3);
    return range;
  }

  // How surely the probe at p would reject a picture drawn from `origin` at
  // the given scale; where that one would not reach, nothing is sure.
  int contrastWith(QPoint p, QPoint origin, bool stretch) const {
    const auto wrong = source(p, origin, stretch);
    return wrong ? at(p).distanceTo(asset.pixel(*wrong)) : 0;
  }
};

class ScreenPictures : public SceneFixture, public ::testing::WithParamInterface<Place> {};

TEST_P(ScreenPictures, ShowsTheAssetAtItsPlaceAndScale) {
  const Place& place = GetParam();
  const Scene& scene = sceneNamed(place.scene);
  open(scene);
  const ScreenLayout& layout = layoutOf(scene.screen);
  const Screen& screen = *rt_->find(scene.screen);
  ScreenWindow* w = window(scene.screen);
  const QRect client(0, 0, w->width(), w->height());

  const ControlSpec* target = place.control.empty() ? nullptr : specOf(layout, place.control);
  ASSERT_TRUE(place.control.empty() || target) << "no control " << place.control;
  if (target) {
    ASSERT_TRUE(screen.control(target->name).visible()) << "the scene hides it";
  }
  const QImage asset = assetImage(place.key);
  ASSERT_FALSE(asset.isNull()) << place.key;
  const QRect control = target ? windowRect(layout, *target) : QRect(QPoint(), asset.size());
  QRect clip = control & client;
  if (!place.stretched) clip &= QRect(control.topLeft(), asset.size());
  const Landing l{.asset = asset, .control = control, .stretched = place.stretched, .clip = clip};

  // Candidates on a grid over what can show, clear of borders and of whatever stands in front.
  std::vector<QPoint> candidates;
  const int margin = target && target->border != Border::None ? 2 : 1;
  const QRect area = l.clip.adjusted(margin, margin, -margin, -margin);
  const int step = std::max(1, static_cast<int>(std::sqrt(area.width() * area.height() / 900.0)));
  for (int y = area.top(); y <= area.bottom(); y += step) {
    for (int x = area.left(); x <= area.right(); x += step) {
      if (!covered(layout, screen, target, {x, y})) candidates.emplace_back(x, y);
    }
  }
  ASSERT_GE(candidates.size(), 4u) << "too little of the picture shows to probe";

  // A dozen spread over the candidates, plus those that best tell a wrong drawing apart.
  std::vector<QPoint> probes;
  const std::size_t stride = std::max<std::size_t>(1, candidates.size() / 12);
  for (std::size_t i = stride / 2; i < candidates.size(); i += stride) probes.push_back(candidates[i]);
  const auto bestAgainst = [&](QPoint origin, bool stretch) {
    const auto best = std::max_element(candidates.begin(), candidates.end(), [&](QPoint a, QPoint b) {
      return l.contrastWith(a, origin, stretch) < l.contrastWith(b, origin, stretch);
    });
    probes.push_back(*best);
    return l.contrastWith(*best, origin, stretch);
  };
  // Shifted by a few pixels, or by a sixteenth of a large picture.
  const QPoint shift(std::max(3, control.width() / 16), std::max(3, control.height() / 16));
  EXPECT_GT(bestAgainst(control.topLeft() + shift, l.stretched), 8)
      << "no probe would notice a shifted picture";
  const bool sizesDiffer = std::abs(control.width() - asset.width()) * 20 > asset.width() ||
                           std::abs(control.height() - asset.height()) * 20 > asset.height();
  if (target && sizesDiffer) {
    EXPECT_GT(bestAgainst(control.topLeft(), !l.stretched), 8) << "no probe would notice the other scale";
  }

  const Grab g = grabOf(w);
  std::ostringstream misses;
  int missed = 0;
  for (QPoint p : probes) {
    const QRgb got = g.at(p);
    if (!l.at(p).holds(got) && ++missed <= 5) {
      misses << " (" << p.x() << "," << p.y() << ") want " << l.at(p).text() << " got " << hex(got);
    }
  }
  EXPECT_EQ(missed, 0) << missed << " of " << probes.size() << " probes differ:" << misses.str();
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ScreenPictures, ::testing::ValuesIn(cataloguePlaces()),
                         [](const ::testing::TestParamInfo<Place>& info) {
                           return info.param.scene + "_" +
                                  (info.param.control.empty() ? "window" : info.param.control);
                         });

// --- window icons -------------------------------------------------------------

class WindowIcons : public QtFixture {};

TEST_F(WindowIcons, EachWindowCarriesItsCatalogueIconAndTheWinnerNone) {
  struct Case {
    ScreenId screen;
    const char* key;  // nullptr: no icon
  };
  const Case cases[] = {{ScreenId::game1, "icon_main"},   {ScreenId::game, "icon_main"},
                        {ScreenId::quit, "icon_main"},    {ScreenId::logo, "icon_main"},
                        {ScreenId::Welcome, "icon_main"}, {ScreenId::player, "icon_entry"},
                        {ScreenId::winner, nullptr}};
  start(ScreenId::logo);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(screenName(c.screen)));
    rt_->show(c.screen);
    ASSERT_NE(window(c.screen), nullptr);
    const QIcon icon = window(c.screen)->windowIcon();
    if (!c.key) {
      EXPECT_TRUE(icon.isNull());
      continue;
    }
    const QIcon want(QString(":/assets/%1.ico").arg(c.key));
    ASSERT_FALSE(want.isNull());
    EXPECT_EQ(icon.availableSizes(), want.availableSizes());
    for (int size : {16, 32, 48}) {
      EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                want.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32))
          << size << " pixels";
    }
  }
}

// --- the board's colours ------------------------------------------------------

class BoardLooks : public QtFixture, public ::testing::WithParamInterface<ScreenId> {
 protected:
  void SetUp() override {
    start(GetParam());
    for (int n = 1; n <= 9; ++n) {
      for (const char* family : {"m", "a"})
        rt_->ctl(GetParam(), family + std::to_string(n)).setVisible(false);
    }
  }
  QRect rectOf(const std::string& name) const {
    return windowRect(layoutOf(GetParam()), *specOf(layoutOf(GetParam()), name));
  }
  void showAll(char family, bool shown) {
    for (int n = 1; n <= 9; ++n) rt_->ctl(GetParam(), family + std::to_string(n)).setVisible(shown);
  }
  Grab grab() { return grabOf(window(GetParam())); }
};

TEST_P(BoardLooks, AShownMarkerIsGreenInItsMiddleWithThePointsRimAroundIt) {
  const QImage point = assetImage("cell_point");
  showAll('g', true);
  const Grab g = grab();
  for (int n = 1; n <= 9; ++n) {
    SCOPED_TRACE("cell " + std::to_string(n));
    const QRect z = rectOf("z" + std::to_string(n)), marker = rectOf("g" + std::to_string(n));
    EXPECT_EQ(hex(g.at(marker.center())), "#a3e800");
    // Across the ring on each side, through the middle: the point's own pixels, rim first.
    bool sawRim = false, sawRed = false;
    const QPoint mid = z.center();
    const std::vector<QPoint> ring = {
        {z.left(), mid.y()}, {z.left() + 1, mid.y()}, {z.right(), mid.y()},  {z.right() - 1, mid.y()},
        {mid.x(), z.top()},  {mid.x(), z.top() + 1},  {mid.x(), z.bottom()}, {mid.x(), z.bottom() - 1}};
    for (QPoint p : ring) {
      ASSERT_FALSE(marker.contains(p)) << "the marker should leave the ring free";
      const QRgb got = g.at(p);
      EXPECT_EQ(hex(got), hex(point.pixel(p - z.topLeft()))) << "at " << p.x() << "," << p.y();
      sawRim = sawRim || std::max({qRed(got), qGreen(got), qBlue(got)}) < 60;
      sawRed = sawRed || (qRed(got) > 160 && qGreen(got) < 80 && qBlue(got) < 80);
    }
    EXPECT_TRUE(sawRim && sawRed) << "the rim shows black and red around the marker";
  }
}

// What shows over a cell's point is the same whether the point and marker are there or not.
TEST_P(BoardLooks, AShownPieceCoversItsCellsPointAndMarkerCompletely) {
  for (char side : {'m', 'a'}) {
    SCOPED_TRACE(std::string("pieces ") + side);
    showAll('g', true);
    showAll(side, true);
    const Grab withPoints = grab();
    showAll('g', false);
    showAll('z', false);
    const Grab withoutPoints = grab();
    showAll(side, false);
    const Grab bareBoard = grab();
    showAll('z', true);
    const Grab pointsOnly = grab();
    for (int n = 1; n <= 9; ++n) {
      const QRect z = rectOf("z" + std::to_string(n));
      int throughPiece = 0, pointShows = 0;
      for (int y = z.top(); y <= z.bottom(); ++y) {
        for (int x = z.left(); x <= z.right(); ++x) {
          throughPiece += withPoints.at({x, y}) != withoutPoints.at({x, y});
          pointShows += bareBoard.at({x, y}) != pointsOnly.at({x, y});
        }
      }
      EXPECT_EQ(throughPiece, 0) << "cell " << n << ": pixels of the point or marker show through the piece";
      EXPECT_GT(pointShows, z.width() * z.height() / 2)
          << "cell " << n << ": without the piece the point shows";
    }
  }
}

// The score panel's own light yellow, where nothing stands on it below the header rule.
TEST_P(BoardLooks, TheScorePanelIsLightYellowWhereverItIsBare) {
  const ScreenLayout& layout = layoutOf(GetParam());
  const ControlSpec* panel = specOf(layout, "Label3");
  const QRect below = pxRect(4440, 1935, 2175, 2040).adjusted(3, 0, -3, -3);
  const Grab g = grab();
  int bare = 0, wrong = 0;
  std::string first;
  for (int y = below.top(); y <= below.bottom(); y += 2) {
    for (int x = below.left(); x <= below.right(); x += 2) {
      if (covered(layout, *rt_->find(GetParam()), panel, {x, y})) continue;
      ++bare;
      if (hex(g.at({x, y})) != "#f8ffce" && wrong++ == 0) {
        first = std::to_string(x) + "," + std::to_string(y) + " is " + hex(g.at({x, y}));
      }
    }
  }
  EXPECT_GT(bare, 100) << "too little of the panel is bare to probe";
  EXPECT_EQ(wrong, 0) << "first at " << first;
}

INSTANTIATE_TEST_SUITE_P(MatchScreens, BoardLooks, ::testing::Values(ScreenId::game, ScreenId::game1),
                         [](const ::testing::TestParamInfo<ScreenId>& info) {
                           return std::string(screenName(info.param));
                         });

}  // namespace
}  // namespace zorvane::ui::qt

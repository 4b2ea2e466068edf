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

#include "app/main_menu.h"
#include "tests/qt/qt_fixture.h"

namespace zorvane::ui::qt {
namespace {

// --- the scenes and the catalogue's places ----------------------------------

// A screen in one state: as loaded, with some controls shown or hidden, the
// window lengthened, or the menu's hidden name typed.
struct Scene {
  const char* name;
  ScreenId screen;
  std::vector<const char*> show = {};
  std::vector<const char*> hide = {};
  int outerHeight = 0;  // 0: as loaded
  const char* typedName = nullptr;
};

const Scene kScenes[] = {
    {.name = "logo", .screen = ScreenId::logo},
    {.name = "Welcome", .screen = ScreenId::Welcome},
    {.name = "WelcomeHiddenName", .screen = ScreenId::Welcome, .typedName = "quarvel"},
    {.name = "player", .screen = ScreenId::player},
    // Both turn arrows shown, so each is probed.
    {.name = "game", .screen = ScreenId::game, .show = {"Image13"}},
    {.name = "game1", .screen = ScreenId::game1},
    {.name = "game1Lengthened",
     .screen = ScreenId::game1,
     .show = {"m1", "m5", "a3", "a7", "i2"},
     .hide = {"i1"},
     .outerHeight = 6465},
    {.name = "winner", .screen = ScreenId::winner},
};

const Scene& sceneNamed(std::string_view name) {
  for (const Scene& s : kScenes) {
    if (name == s.name) return s;
  }
  throw std::logic_error("no such scene");
}

// One place of a picture: the scene, the control (empty for the window's own
// background picture), the asset key it must show and whether stretched.
struct Place {
  std::string scene;
  std::string control;
  std::string key;
  bool stretched;
};

void PrintTo(const Place& p, std::ostream* os) {
  *os << p.scene << "/" << (p.control.empty() ? "window" : p.control) << "=" << p.key;
}

std::vector<Place> cataloguePlaces() {
  std::vector<Place> places = {
      {"logo", "", "maker_logo", false},
      {"logo", "Picture1", "partner_logo", false},
      {"Welcome", "Picture1", "title_banner", false},
      {"Welcome", "Picture2", "emblem_strip", false},
      {"Welcome", "Image3", "emblem", false},
      {"Welcome", "b1", "piece_ladybird", false},
      {"Welcome", "b2", "menu_piece2", false},
      {"Welcome", "b3", "menu_piece3", false},
      {"Welcome", "b4", "menu_piece4", true},
      {"Welcome", "Image2", "close_button", true},
      {"Welcome", "Image1", "back_menu", true},
      {"WelcomeHiddenName", "k1", "menu_alt1", true},
      {"WelcomeHiddenName", "k2", "menu_alt2", true},
      {"WelcomeHiddenName", "k3", "menu_alt3", true},
      {"WelcomeHiddenName", "k4", "menu_alt4", true},
      {"player", "", "back_entry_card", false},
      {"game", "Image1", "back_vs_computer", true},
      {"game", "Image13", "turn_arrow", true},
      {"game", "Image14", "turn_arrow", true},
      {"game", "Image11", "piece_beetle", true},
      {"game", "Image12", "piece_beetle", true},
      {"game1", "Image1", "back_two_player", true},
      {"game1", "i1", "turn_arrow", true},
      {"game1", "Image11", "piece_beetle", true},
      {"game1", "Image12", "piece_beetle", true},
      {"game1Lengthened", "Image2", "partner_logo_small", false},
      {"game1Lengthened", "i2", "turn_arrow", true},
      {"winner", "Picture1", "trophy", false},
      {"winner", "Image1", "back_winner", true},
  };
  for (int n = 1; n <= 5; ++n) {
    places.push_back({"player", "i" + std::to_string(n), "entry_piece" + std::to_string(n), true});
  }
  // The computer's screen opens with both sides' pieces standing on 2 3 4 and 1 6 8.
  for (int n : {2, 3, 4}) places.push_back({"game", "m" + std::to_string(n), "piece_ladybird", true});
  for (int n : {1, 6, 8}) places.push_back({"game", "a" + std::to_string(n), "piece_beetle", true});
  for (int n : {5, 7, 9}) places.push_back({"game", "z" + std::to_string(n), "cell_point", false});
  for (int n = 1; n <= 9; ++n) places.push_back({"game1", "z" + std::to_string(n), "cell_point", false});
  for (int n : {1, 5}) places.push_back({"game1Lengthened", "m" + std::to_string(n), "piece_ladybird", true});
  for (int n : {3, 7}) places.push_back({"game1Lengthened", "a" + std::to_string(n), "piece_beetle", true});
  return places;
}

// --- pictures and pixels ----------------------------------------------------

// The asset decoded straight from the resource, not through the adapter.
QImage assetImage(const std::string& key) {
  for (const char* ext : {".jpg", ".bmp"}) {
    const QString path = QString::fromStdString(":/assets/" + key + ext);
    if (QFile::exists(path)) return QImage(path).convertToFormat(QImage::Format_RGB32);
  }
  return {};
}

std::string hex(QRgb c) {
  return QColor(c).name().toStdString();
}

// A grabbed window, read in logical pixels whatever the device pixel ratio.
struct Grab {
  QImage image;
  qreal ratio = 1;
  QRgb at(QPoint p) const {
    return image.pixel(static_cast<int>((p.x() + 0.5) * ratio), static_cast<int>((p.y() + 0.5) * ratio));
  }
};

Grab grabOf(QWidget* w) {
  const QPixmap pm = w->grab();
  return Grab{pm.toImage().convertToFormat(QImage::Format_RGB32), pm.devicePixelRatio()};
}

// --- where the layout puts things -------------------------------------------

const ControlSpec* specOf(const ScreenLayout& layout, std::string_view name) {
  for (const ControlSpec& s : layout.controls) {
    if (s.name == name) return &s;
  }
  return nullptr;
}

std::ptrdiff_t orderOf(const ScreenLayout& layout, const ControlSpec* definition) {
  return definition - layout.controls.data();
}

// A control's rectangle in window pixels; children of a picture box or frame
// sit inside it and are clipped to it.
QRect windowRect(const ScreenLayout& layout, const ControlSpec& s) {
  QRect r = pxRect(s.left, s.top, s.width, s.height);
  if (!s.container.empty()) {
    const QRect box = windowRect(layout, *specOf(layout, s.container));
    r = r.translated(box.topLeft()) & box;
  }
  return r;
}

QPoint containerOrigin(const ScreenLayout& layout, const ControlSpec& s) {
  return s.container.empty() ? QPoint() : windowRect(layout, *specOf(layout, s.container)).topLeft();
}

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double len2 = QPointF::dotProduct(d, d);
  const double t = len2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0);
  const QPointF q = a + t * d - p;
  return std::sqrt(QPointF::dotProduct(q, q));
}

// Whether control `c`, as the screen now stands, paints anything at or next to window pixel p.
bool paintsNear(const ScreenLayout& layout, const Screen& screen, const ControlSpec& c, QPoint p) {
  if (c.kind == ControlKind::Timer || !screen.control(c.name).visible()) return false;
  if (!c.container.empty() && !screen.control(c.container).visible()) return false;
  const QPointF centre = QPointF(p) + QPointF(0.5, 0.5);
  if (c.kind == ControlKind::Line) {
    const QPoint o = containerOrigin(layout, c);
    const QPointF a = QPointF(px(c.x1), px(c.y1)) + o, b = QPointF(px(c.x2), px(c.y2)) + o;
    return distanceToSegment(centre, a, b) <= c.borderWidth / 2.0 + 2;
  }
  QRect r = windowRect(layout, c);
  if (c.kind == ControlKind::Shape && c.shape == ShapeKind::Square) {
    const int side = std::min(r.width(), r.height());
    r = QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
  }
  if (!r.adjusted(-1, -1, 1, 1).contains(p)) return false;
  // An unfilled shape paints only its border.
  if (c.kind == ControlKind::Shape && !c.filled) {
    const int inset = c.borderWidth + 1;
    return !r.adjusted(inset, inset, -inset, -inset).contains(p);
  }
  return true;
}

// Whether anything in front of `target` (nullptr: the window's background) paints near p.
bool covered(const ScreenLayout& layout, const Screen& screen, const ControlSpec* target, QPoint p) {
  for (const ControlSpec& c : layout.controls) {
    if (&c == target) continue;
    bool inFront = true;
    if (target) {
      if (c.container == target->name) {
        inFront = true;  // a box's children stand on its picture
      } else if (c.container != target->container) {
        continue;  // inside another box, which stands for them
      } else if (isWindowed(c.kind) != isWindowed(target->kind)) {
        inFront = isWindowed(c.kind);
      } else {
        inFront = orderOf(layout, &c) < orderOf(layout, target);
      }
    }
    if (inFront && paintsNear(layout, screen, c, p)) return true;
  }
  return false;
}

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

class ScreenPictures : public QtFixture, public ::testing::WithParamInterface<Place> {
 protected:
  void open(const Scene& scene) {
    on(ScreenId::Welcome) = app::mainMenuBehaviour();
    start(scene.screen);
    if (scene.outerHeight) rt_->setWindowHeight(scene.screen, scene.outerHeight);
    for (const char* n : scene.show) rt_->ctl(scene.screen, n).setVisible(true);
    for (const char* n : scene.hide) rt_->ctl(scene.screen, n).setVisible(false);
    if (scene.typedName) rt_->userText(scene.screen, "Text1", scene.typedName);
  }
};

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

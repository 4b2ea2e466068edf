// The screens in the states the picture tests look at, the catalogue's
// places on them, and where the layout puts and stacks each control: what
// a test needs to find the pixels a picture must show.
#pragma once

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"
#include "ui/qt/look.h"
#include "ui/screen.h"

namespace zorvane::ui::qt {

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

inline const Scene kScenes[] = {
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

inline const Scene& sceneNamed(std::string_view name) {
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

inline void PrintTo(const Place& p, std::ostream* os) {
  *os << p.scene << "/" << (p.control.empty() ? "window" : p.control) << "=" << p.key;
}

inline std::vector<Place> cataloguePlaces() {
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
inline QImage assetImage(const std::string& key) {
  for (const char* ext : {".jpg", ".bmp"}) {
    const QString path = QString::fromStdString(":/assets/" + key + ext);
    if (QFile::exists(path)) return QImage(path).convertToFormat(QImage::Format_RGB32);
  }
  return {};
}

inline std::string hex(QRgb c) {
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

inline Grab grabOf(QWidget* w) {
  const QPixmap pm = w->grab();
  return Grab{pm.toImage().convertToFormat(QImage::Format_RGB32), pm.devicePixelRatio()};
}

// --- where the layout puts things -------------------------------------------

inline const ControlSpec* specOf(const ScreenLayout& layout, std::string_view name) {
  for (const ControlSpec& s : layout.controls) {
    if (s.name == name) return &s;
  }
  return nullptr;
}

inline std::ptrdiff_t orderOf(const ScreenLayout& layout, const ControlSpec* definition) {
  return definition - layout.controls.data();
}

// A control's rectangle in window pixels; children of a picture box or frame
// sit inside it and are clipped to it.
inline QRect windowRect(const ScreenLayout& layout, const ControlSpec& s) {
  QRect r = pxRect(s.left, s.top, s.width, s.height);
  if (!s.container.empty()) {
    const QRect box = windowRect(layout, *specOf(layout, s.container));
    r = r.translated(box.topLeft()) & box;
  }
  return r;
}

inline QPoint containerOrigin(const ScreenLayout& layout, const ControlSpec& s) {
  return s.container.empty() ? QPoint() : windowRect(layout, *specOf(layout, s.container)).topLeft();
}

inline double distanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double len2 = QPointF::dotProduct(d, d);
  const double t = len2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0);
  const QPointF q = a + t * d - p;
  return std::sqrt(QPointF::dotProduct(q, q));
}

// Whether control `c`, as the screen now stands, paints anything at or next to window pixel p.
inline bool paintsNear(const ScreenLayout& layout, const Screen& screen, const ControlSpec& c, QPoint p) {
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
inline bool covered(const ScreenLayout& layout, const Screen& screen, const ControlSpec* target, QPoint p) {
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

}  // namespace zorvane::ui::qt

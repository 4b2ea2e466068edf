#include "ui/hit_test.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zorvane::ui {

namespace {

bool takesMouse(ControlKind k) {
  return k != ControlKind::Shape && k != ControlKind::Line && k != ControlKind::Timer;
}

// What the hit test needs of a layout, worked out once per screen: each
// control's rectangle in window coordinates and the index of its container.
struct Geometry {
  std::vector<Rect> rects;
  std::vector<int> parent;  // -1 for the window
};

const Geometry& geometryOf(const ScreenLayout& layout) {
  static std::array<std::optional<Geometry>, kScreenCount> cache;
  auto& slot = cache[indexOf(layout.id)];
  if (slot) return *slot;
  Geometry g;
  const auto& controls = layout.controls;
  const auto find = [&](std::string_view name) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].name == name) return static_cast<int>(i);
    }
    return -1;
  };
  for (const ControlSpec& definition : controls)
    g.parent.push_back(definition.container.empty() ? -1 : find(definition.container));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    Rect r{controls[i].left, controls[i].top, controls[i].width, controls[i].height};
    for (int p = g.parent[i]; p >= 0; p = g.parent[static_cast<std::size_t>(p)]) {
      r.left += controls[static_cast<std::size_t>(p)].left;
      r.top += controls[static_cast<std::size_t>(p)].top;
    }
    g.rects.push_back(r);
  }
  slot = std::move(g);
  return *slot;
}

std::size_t indexIn(const Screen& screen, const ControlSpec& definition) {
  return static_cast<std::size_t>(&definition - screen.layout().controls.data());
}

// The topmost control hit inside `container` (-1 for the window), or nullptr.
const Control* hitIn(const Screen& screen, const Geometry& g, int container, int x, int y) {
  const auto& controls = screen.controls();
  for (const bool windowed : {true, false}) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const Control& c = controls[i];
      if (g.parent[i] != container || isWindowed(c.kind()) != windowed) continue;
      if (!c.visible() || !takesMouse(c.kind()) || !g.rects[i].contains(x, y)) continue;
      if (c.kind() == ControlKind::Frame || c.kind() == ControlKind::PictureBox) {
        if (const Control* inner = hitIn(screen, g, static_cast<int>(i), x, y)) return inner;
      }
      return &c;
    }
  }
  return nullptr;
}

const Control* containerOf(const Screen& screen, const ControlSpec& definition) {
  return definition.container.empty() ? nullptr : &screen.control(definition.container);
}

}  // namespace

Rect absoluteRect(const Screen& screen, const ControlSpec& definition) {
  return geometryOf(screen.layout()).rects[indexIn(screen, definition)];
}

std::optional<std::string_view> controlAt(const Screen& screen, int x, int y) {
  const int clientHeight = screen.outerHeight() - kNonClientHeightTwips;
  if (x < 0 || y < 0 || x >= screen.layout().window.clientWidth || y >= clientHeight) return std::nullopt;
  if (const Control* c = hitIn(screen, geometryOf(screen.layout()), -1, x, y)) return c->name();
  return std::nullopt;
}

std::optional<std::pair<int, int>> clickPoint(const Screen& screen, std::string_view name) {
  const Control& c = screen.control(name);
  Rect r = absoluteRect(screen, c.definition());
  // Clip to every container and to the client area, then aim at the middle.
  int right = r.left + r.width, bottom = r.top + r.height;
  int left = r.left, top = r.top;
  for (const Control* p = containerOf(screen, c.definition()); p; p = containerOf(screen, p->definition())) {
    const Rect pr = absoluteRect(screen, p->definition());
    left = std::max(left, pr.left);
    top = std::max(top, pr.top);
    right = std::min(right, pr.left + pr.width);
    bottom = std::min(bottom, pr.top + pr.height);
  }
  right = std::min(right, screen.layout().window.clientWidth);
  bottom = std::min(bottom, screen.outerHeight() - kNonClientHeightTwips);
  left = std::max(left, 0);
  top = std::max(top, 0);
  if (left >= right || top >= bottom) return std::nullopt;
  const std::pair centre{(left + right) / 2, (top + bottom) / 2};
  if (controlAt(screen, centre.first, centre.second) == name) return centre;
  // Covered in the middle: the nearest uncovered spot, searched ring by ring
  // outwards a pixel at a time, so the search stops as soon as it finds one.
  const int step = kTwipsPerPixel;
  const int reach = std::max(std::max(centre.first - left, right - centre.first),
                             std::max(centre.second - top, bottom - centre.second));
  const auto hits = [&](int x, int y) {
    return x >= left && x < right && y >= top && y < bottom && controlAt(screen, x, y) == name;
  };
  for (int r = step; r <= reach + step; r += step) {
    for (int d = -r; d <= r; d += step) {
      for (const auto& [x, y] :
           {std::pair{centre.first + d, centre.second - r}, std::pair{centre.first + d, centre.second + r},
            std::pair{centre.first - r, centre.second + d}, std::pair{centre.first + r, centre.second + d}}) {
        if (hits(x, y)) return std::pair{x, y};
      }
    }
  }
  return centre;
}

}  // namespace zorvane::ui

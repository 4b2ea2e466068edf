#include "ui/hit_test.h"

#include <algorithm>

namespace zorvane::ui {

namespace {

bool takesMouse(ControlKind k) {
  return k != ControlKind::Shape && k != ControlKind::Line && k != ControlKind::Timer;
}

const Control* containerOf(const Screen& screen, const ControlSpec& spec) {
  return spec.container.empty() ? nullptr : &screen.control(spec.container);
}

// The topmost control hit inside `container` (empty for the window), or nullptr.
const Control* hitIn(const Screen& screen, std::string_view container, int x, int y) {
  for (const bool windowed : {true, false}) {
    for (const Control& c : screen.controls()) {
      const ControlSpec& spec = c.spec();
      if (spec.container != container || isWindowed(spec.kind) != windowed) continue;
      if (!c.visible() || !takesMouse(spec.kind)) continue;
      if (!absoluteRect(screen, spec).contains(x, y)) continue;
      if (spec.kind == ControlKind::Frame || spec.kind == ControlKind::PictureBox) {
        if (const Control* inner = hitIn(screen, spec.name, x, y)) return inner;
      }
      return &c;
    }
  }
  return nullptr;
}

}  // namespace

Rect absoluteRect(const Screen& screen, const ControlSpec& spec) {
  Rect r{spec.left, spec.top, spec.width, spec.height};
  for (const Control* parent = containerOf(screen, spec); parent;
       parent = containerOf(screen, parent->spec())) {
    r.left += parent->spec().left;
    r.top += parent->spec().top;
  }
  return r;
}

std::optional<std::string_view> controlAt(const Screen& screen, int x, int y) {
  const int clientHeight = screen.outerHeight() - kNonClientHeightTwips;
  if (x < 0 || y < 0 || x >= screen.layout().window.clientWidth || y >= clientHeight) return std::nullopt;
  if (const Control* c = hitIn(screen, {}, x, y)) return c->name();
  return std::nullopt;
}

std::optional<std::pair<int, int>> clickPoint(const Screen& screen, std::string_view name) {
  const Control& c = screen.control(name);
  Rect r = absoluteRect(screen, c.spec());
  // Clip to every container and to the client area, then aim at the middle.
  int right = r.left + r.width, bottom = r.top + r.height;
  int left = r.left, top = r.top;
  for (const Control* p = containerOf(screen, c.spec()); p; p = containerOf(screen, p->spec())) {
    const Rect pr = absoluteRect(screen, p->spec());
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

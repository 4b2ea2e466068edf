#include "ui/qt/keyboard_cursor.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include "ui/hit_test.h"
#include "ui/qt/look.h"

namespace zorvane::ui::qt {

namespace {

constexpr int kBoardColumns = 3;
// Half the side of the ring around a board cell, in twips: just outside a piece.
constexpr int kCellRingHalf = 345;
// How far the ring around a picture stands outside it, in pixels: outside its selection frame.
constexpr int kChoiceRingGap = 4;

QRect unite(const QRect& a, const QRect& b) {
  return a.isNull() ? b : a.united(b);
}

}  // namespace

KeyboardCursor::KeyboardCursor(const Screen& screen, const KeyboardGroup& group, const InputSink* sink,
                               const AccessibleNames* names, QWidget* parent)
    : QWidget(parent), group_(group), sink_(sink), names_(names) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(
      QString::fromUtf8(group.accessibleName.data(), static_cast<qsizetype>(group.accessibleName.size())));
  // Over the whole group, with room for the ring.
  QRect area;
  for (std::string_view item : group.items) {
    const Rect r = absoluteRect(screen, screen.control(item).definition());
    area = unite(area, pxRect(r.left, r.top, r.width, r.height));
  }
  if (!group.between.empty()) {
    const Rect r = absoluteRect(screen, screen.control(group.between).definition());
    area = unite(area, pxRect(r.left, r.top, r.width, r.height));
  }
  area.adjust(-2 * kChoiceRingGap, -2 * kChoiceRingGap, 2 * kChoiceRingGap, 2 * kChoiceRingGap);
  setGeometry(area);
  origin_ = area.topLeft();
  itemNames_.resize(group.items.size());
  raise();
}

const Screen* KeyboardCursor::screen() const {
  return sink_->rt ? sink_->rt->find(sink_->screen) : nullptr;
}

QRect KeyboardCursor::twipRect(std::string_view control) const {
  const Screen* s = screen();
  if (!s) return {};
  const Rect r = absoluteRect(*s, s->control(control).definition());
  return pxRect(r.left, r.top, r.width, r.height).translated(-origin_);
}

int KeyboardCursor::current() const {
  if (group_.kind == KeyboardKind::Board) return cell_;
  const Screen* s = screen();
  for (std::size_t i = 0; s && i < group_.marks.size(); ++i) {
    if (s->control(group_.marks[i]).visible()) return static_cast<int>(i);
  }
  return 0;
}

QRect KeyboardCursor::itemRect(int index) const {
  if (index < 0 || index >= static_cast<int>(group_.items.size())) return {};
  const QRect item = twipRect(group_.items[static_cast<std::size_t>(index)]);
  if (group_.kind == KeyboardKind::Board) {
    const int half = px(kCellRingHalf);
    return QRect(item.center() - QPoint(half, half), QSize(2 * half, 2 * half));
  }
  QRect r = item;
  if (index < static_cast<int>(group_.marks.size()))
    r = r.united(twipRect(group_.marks[static_cast<std::size_t>(index)]));
  return r.adjusted(-kChoiceRingGap, -kChoiceRingGap, kChoiceRingGap, kChoiceRingGap);
}

QString KeyboardCursor::itemName(int index) const {
  const Screen* s = screen();
  if (!s || !names_ || !names_->item) return QString::number(index + 1);
  return QString::fromStdString(names_->item(*s, group_, index));
}

void KeyboardCursor::moveRing() {
  const QRect now = hasFocus() ? itemRect(current()) : QRect();
  if (now == ring_) return;
  if (!ring_.isNull()) update(ring_);
  if (!now.isNull()) update(now);
  ring_ = now;
}

void KeyboardCursor::followModel() {
  if (hasFocus() || !ring_.isNull()) moveRing();
}

void KeyboardCursor::paintEvent(QPaintEvent*) {
  if (!hasFocus()) return;
  QPainter p(this);
  const QRect r = itemRect(current());
  // A dark ring with a light one inside: clear on the white board, on
  // pieces and on the menu's pictures alike.
  p.setPen(QPen(toQColor(sys(SystemColour::ActiveTitleBar)), 3));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(1, 1, -2, -2));
  p.setPen(QPen(Qt::white, 1));
  p.drawRect(r.adjusted(3, 3, -4, -4));
}

void KeyboardCursor::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  moveRing();
  if (group_.kind == KeyboardKind::Board) arriveOnCell(cell_);
  announceFocus();
}

void KeyboardCursor::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  moveRing();
}

// The pointer leaves the old cell across the board and arrives on the new
// cell's point: every marker hides, and the new cell's shows if it is a target.
void KeyboardCursor::arriveOnCell(int index) {
  cell_ = index;
  moveRing();
  sink_->mouseMove(group_.between);
  sink_->mouseMove(group_.items[static_cast<std::size_t>(index)]);
}

// Space or Enter on the board: a click at the cell's middle reaches what a
// pointer's would, the piece, else the marker if shown, else the point.
void KeyboardCursor::activate() {
  const Screen* s = screen();
  if (!s) return;
  const Rect r = absoluteRect(*s, s->control(group_.items[static_cast<std::size_t>(cell_)]).definition());
  if (const auto hit = controlAt(*s, r.left + r.width / 2, r.top + r.height / 2)) sink_->click(*hit);
}

// A picture chosen as a click on it would: on whichever picture shows there.
void KeyboardCursor::choose(int index) {
  const Screen* s = screen();
  if (!s || index == current()) return;
  if (const auto point = clickPoint(*s, group_.items[static_cast<std::size_t>(index)])) {
    if (const auto hit = controlAt(*s, point->first, point->second)) sink_->click(*hit);
  }
  moveRing();
  announceFocus();
}

void KeyboardCursor::keyPressEvent(QKeyEvent* e) {
  const int count = static_cast<int>(group_.items.size());
  if (group_.kind == KeyboardKind::Board) {
    const int row = cell_ / kBoardColumns, column = cell_ % kBoardColumns;
    int next = cell_;
    switch (e->key()) {
      case Qt::Key_Left: next = column > 0 ? cell_ - 1 : cell_; break;
      case Qt::Key_Right: next = column < kBoardColumns - 1 ? cell_ + 1 : cell_; break;
      case Qt::Key_Up: next = row > 0 ? cell_ - kBoardColumns : cell_; break;
      case Qt::Key_Down: next = row < count / kBoardColumns - 1 ? cell_ + kBoardColumns : cell_; break;
      case Qt::Key_Space:
      case Qt::Key_Return:
      case Qt::Key_Enter: activate(); return;
      default: QWidget::keyPressEvent(e); return;
    }
    if (next != cell_) {
      arriveOnCell(next);
      announceFocus();
    }
    return;
  }
  switch (e->key()) {
    case Qt::Key_Left: choose(std::max(0, current() - 1)); return;
    case Qt::Key_Right: choose(std::min(count - 1, current() + 1)); return;
    case Qt::Key_Home: choose(0); return;
    case Qt::Key_End: choose(count - 1); return;
    default: QWidget::keyPressEvent(e);
  }
}

// The reader hears the item the cursor is on.
void KeyboardCursor::announceFocus() {
  if (!QAccessible::isActive() || !hasFocus()) return;
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(current());
  QAccessible::updateAccessibility(&event);
}

void KeyboardCursor::refresh() {
  if (!QAccessible::isActive()) return;
  for (int i = 0; i < static_cast<int>(itemNames_.size()); ++i) {
    const QString name = itemName(i);
    QString& last = itemNames_[static_cast<std::size_t>(i)];
    if (name == last) continue;
    const bool first = last.isNull();
    last = name;
    if (first) continue;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    event.setChild(i);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace zorvane::ui::qt

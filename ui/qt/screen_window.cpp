#include "ui/qt/screen_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <ranges>

#include "ui/hit_test.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/fixed_size.h"
#include "ui/qt/look.h"
#include "ui/qt/pictures.h"
#include "ui/qt/window_manager.h"

namespace zorvane::ui::qt {

namespace {

Qt::WindowFlags flagsFor(const WindowSpec& w) {
  switch (w.border) {
    case WindowBorder::None: return Qt::Window | Qt::FramelessWindowHint;
    case WindowBorder::FixedDialog:
      return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case WindowBorder::FixedSingle: break;
  }
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (w.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  return flags;
}

}  // namespace

ScreenWindow::ScreenWindow(const Screen& screen, Runtime& rt, const AccessibleNames* names)
    : QWidget(nullptr, flagsFor(screen.layout().window)), layout_(screen.layout()), names_(names) {
  installAccessibility();
  sink_ = InputSink{&rt, screen.id(), true};
  const WindowSpec& w = layout_.window;
  setWindowTitle(QString::fromUtf8(w.caption.data(), static_cast<qsizetype>(w.caption.size())));
  if (!w.icon.empty()) setWindowIcon(iconFor(w.icon));
  if (!w.backgroundPicture.empty()) background_ = acquirePicture(w.backgroundPicture);
  setFont(toQFont(w.font));
  setFixedSize(px(w.clientWidth), px(screen.outerHeight() - kNonClientHeightTwips));
  new KeepFixedSize(*this);
  build(screen, {}, this);
  // The keyboard groups lie over every control, to draw their cursors there.
  for (const KeyboardGroup& group : layout_.keyboardGroups) {
    auto* cursor = new KeyboardCursor(screen, group, &sink_, names_, this);
    cursors_.push_back(cursor);
    widgets_[group.name] = cursor;
  }
  // Windowed controls are named once; drawn ones are asked as they are read.
  for (const Control& c : screen.controls()) {
    QWidget* widget = widgetFor(c.name());
    if (widget && isWindowed(c.kind()) && names_ && names_->control)
      widget->setAccessibleName(QString::fromStdString(names_->control(screen, c)));
  }
  buildTabOrder();
}

void ScreenWindow::buildTabOrder() {
  // Option buttons stand together where the layout names the group.
  std::vector<std::string_view> options;
  for (const ControlSpec& c : layout_.controls) {
    if (c.kind == ControlKind::OptionButton) options.push_back(c.name);
  }
  std::ranges::sort(options, [this](std::string_view a, std::string_view b) {
    const QWidget *wa = widgetFor(a), *wb = widgetFor(b);
    return std::pair(wa->y(), wa->x()) < std::pair(wb->y(), wb->x());
  });
  for (std::string_view name : layout_.tabOrder) {
    const bool option = std::ranges::find(options, name) != options.end();
    if (option && std::ranges::any_of(tabChain_, [&](const auto& entry) { return entry.second == name; }))
      continue;
    for (std::string_view member : option ? options : std::vector<std::string_view>{name}) {
      if (QWidget* widget = widgetFor(member))
        tabChain_.emplace_back(widget, keyboardGroup(layout_, member) ? std::string_view{} : member);
    }
  }
  for (std::size_t i = 1; i < tabChain_.size(); ++i)
    QWidget::setTabOrder(tabChain_[i - 1].first, tabChain_[i].first);
  // A screen with a tab order takes the focus from Tab on nothing else.
  if (!layout_.tabOrder.empty()) {
    for (auto& [name, widget] : widgets_) {
      const bool inChain =
          std::ranges::any_of(tabChain_, [w = widget](const auto& entry) { return entry.first == w; });
      if (!inChain && (widget->focusPolicy() & Qt::TabFocus)) widget->setFocusPolicy(Qt::ClickFocus);
    }
  }
  refreshTabStops();
}

bool ScreenWindow::seen(std::string_view control) const {
  const Screen* s = screen();
  if (!s) return false;
  const auto point = clickPoint(*s, control);
  return point && controlAt(*s, point->first, point->second) == control;
}

void ScreenWindow::refreshTabStops() {
  for (const auto& [widget, control] : tabChain_) {
    if (control.empty()) continue;  // a keyboard group: always in sight, reached by Tab only
    bool takesTab = seen(control);
    // The option group is one stop: its chosen option.
    if (auto* option = dynamic_cast<OptionButton*>(widget)) takesTab = takesTab && option->chosen();
    const Qt::FocusPolicy policy = takesTab ? Qt::StrongFocus : Qt::ClickFocus;
    if (widget->focusPolicy() != policy) widget->setFocusPolicy(policy);
  }
  // The focus leaves a control that went out of sight.
  if (QWidget* focused = focusWidget();
      focused && isAncestorOf(focused) && !(focused->focusPolicy() & Qt::TabFocus)) {
    if (dynamic_cast<OptionButton*>(focused))
      return;  // an option loses its stop only while the focus moves on
    if (QWidget* start = widgetFor(layout_.focus)) start->setFocus(Qt::OtherFocusReason);
  }
}

// Siblings created later stack in front, so each container's controls are
// made back to front: drawn ones first, then the windowed ones above them.
void ScreenWindow::build(const Screen& screen, std::string_view container, QWidget* parent) {
  for (const bool windowed : {false, true}) {
    for (const Control& c : screen.controls() | std::views::reverse) {
      if (c.definition().container != container || isWindowed(c.kind()) != windowed) continue;
      if (c.kind() == ControlKind::Timer) continue;
      QWidget* w = create(c, parent);
      widgets_[c.name()] = w;
      views_[c.name()] = dynamic_cast<ControlView*>(w);
      if (c.kind() == ControlKind::Frame || c.kind() == ControlKind::PictureBox) build(screen, c.name(), w);
    }
  }
}

QWidget* ScreenWindow::create(const Control& c, QWidget* parent) {
  switch (c.kind()) {
    case ControlKind::TextBox: return new TextBox(c, &sink_, parent);
    case ControlKind::CommandButton: return new CommandButton(c, &sink_, parent);
    case ControlKind::CheckBox: return new CheckBox(c, &sink_, parent);
    case ControlKind::OptionButton: return new OptionButton(c, &sink_, parent);
    case ControlKind::Frame: return new Frame(c, parent);
    case ControlKind::PictureBox: return new PictureBox(c, parent);
    default: return new DrawnControl(c, &sink_, parent);
  }
}

QWidget* ScreenWindow::widgetFor(std::string_view name) const {
  auto it = widgets_.find(name);
  return it == widgets_.end() ? nullptr : it->second;
}

QString ScreenWindow::accessibleNameOf(std::string_view control) const {
  const Screen* s = screen();
  if (!s || !names_) return {};
  if (control.empty()) return names_->window ? QString::fromStdString(names_->window(*s)) : QString();
  if (!names_->control || !s->has(control)) return {};
  return QString::fromStdString(names_->control(*s, s->control(control)));
}

bool ScreenWindow::isAlert() const {
  const Screen* s = screen();
  return s && names_ && names_->isAlert && names_->isAlert(*s);
}

void ScreenWindow::sync(const Control& c) {
  auto it = views_.find(c.name());
  if (it != views_.end() && it->second) it->second->sync(c);
  for (KeyboardCursor* cursor : cursors_) cursor->followModel();
  if (isWindowed(c.kind())) refreshTabStops();
  // Readers hear what changed once the event that changed it is over.
  if (QAccessible::isActive() && !announcing_) {
    announcing_ = true;
    QMetaObject::invokeMethod(this, &ScreenWindow::announceChanges, Qt::QueuedConnection);
  }
}

void ScreenWindow::announceChanges() {
  announcing_ = false;
  for (KeyboardCursor* cursor : cursors_) cursor->refresh();
}

void ScreenWindow::setOuterHeight(int twips) {
  setFixedHeight(px(twips - kNonClientHeightTwips));
  refreshTabStops();
}

void ScreenWindow::present(bool modal) {
  setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
  if (!placed_) {
    // The whole frame centred, title bar included; under a bare X server
    // there is no frame and nobody else places windows.
    placed_ = true;
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
      const QRect area = s->availableGeometry();
      // A borderless window gets no frame; asked about one, IceWM still counts a title bar.
      const QMargins frame =
          layout_.window.border == WindowBorder::None ? QMargins() : frameBeforeMapping(*this);
      const QSize outer = size().grownBy(frame);
      const QPoint corner = area.center() - QPoint(outer.width() / 2, outer.height() / 2);
      // The client area's place: the manager then draws the frame around it.
      setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
    }
  }
  if (layout_.window.passing && !isVisible()) keepOutOfTaskbar(*this);
  show();
  raise();
  activateWindow();
  if (QWidget* focus = widgetFor(layout_.focus)) focus->setFocus(Qt::ActiveWindowFocusReason);
  for (KeyboardCursor* cursor : cursors_) cursor->refresh();
  if (isAlert()) {
    // An announcement is read out as it appears.
    QAccessibleEvent event(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
  }
}

void ScreenWindow::retire() {
  sink_.live = false;
  hide();
  deleteLater();
}

void ScreenWindow::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  // A rectangle at a time, as for the drawn controls: no hand-over to Qt's worker threads.
  for (const QRect& r : e->region()) {
    p.setClipRect(r);
    p.fillRect(r, toQColor(layout_.window.background));
    if (background_) drawUnscaled(p, QPoint(0, 0), *background_);
  }
}

void ScreenWindow::pressButton(bool cancel) {
  for (const ControlSpec& definition : layout_.controls) {
    if (definition.kind == ControlKind::CommandButton &&
        (cancel ? definition.isCancel : definition.isDefault)) {
      sink_.click(definition.name);
      return;
    }
  }
}

void ScreenWindow::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Enter presses the focused button, else the default one.
      if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && isAncestorOf(button)) {
        button->click();
      } else {
        pressButton(false);
      }
      return;
    case Qt::Key_Escape: pressButton(true); return;
    default: QWidget::keyPressEvent(e);
  }
}

void ScreenWindow::closeEvent(QCloseEvent* e) {
  // The model decides: a close box unloads the screen; a window without one stays.
  e->ignore();
  if (layout_.window.border != WindowBorder::None && sink_.open()) sink_.rt->closeRequested(sink_.screen);
}

}  // namespace zorvane::ui::qt

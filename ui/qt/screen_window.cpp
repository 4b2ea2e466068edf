#include "ui/qt/screen_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <ranges>

#include "ui/qt/look.h"
#include "ui/qt/pictures.h"

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

ScreenWindow::ScreenWindow(const Screen& screen, Runtime& rt)
    : QWidget(nullptr, flagsFor(screen.layout().window)), layout_(screen.layout()) {
  sink_ = InputSink{&rt, screen.id(), true};
  const WindowSpec& w = layout_.window;
  setWindowTitle(QString::fromUtf8(w.caption.data(), static_cast<qsizetype>(w.caption.size())));
  if (!w.icon.empty()) setWindowIcon(iconFor(w.icon));
  setFont(toQFont(w.font));
  setFixedSize(px(w.clientWidth), px(screen.outerHeight() - kNonClientHeightTwips));
  build(screen, {}, this);
  QWidget* previous = nullptr;
  for (std::string_view name : layout_.tabOrder) {
    QWidget* next = widgetFor(name);
    if (!next) continue;
    if (next->focusPolicy() == Qt::NoFocus) next->setFocusPolicy(Qt::TabFocus);
    if (previous) QWidget::setTabOrder(previous, next);
    previous = next;
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

void ScreenWindow::sync(const Control& c) {
  auto it = views_.find(c.name());
  if (it != views_.end() && it->second) it->second->sync(c);
}

void ScreenWindow::setOuterHeight(int twips) {
  setFixedHeight(px(twips - kNonClientHeightTwips));
}

void ScreenWindow::present(bool modal) {
  setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
  if (!placed_) {
    // Centred on the screen; under a bare X server nobody else places windows.
    placed_ = true;
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
      const QRect area = s->availableGeometry();
      move(area.center() - QPoint(width() / 2, height() / 2));
    }
  }
  show();
  raise();
  activateWindow();
  if (QWidget* focus = widgetFor(layout_.focus)) focus->setFocus(Qt::ActiveWindowFocusReason);
}

void ScreenWindow::retire() {
  sink_.live = false;
  hide();
  deleteLater();
}

void ScreenWindow::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  // A rectangle at a time, as for the drawn controls: no hand-over to Qt's worker threads.
  const std::string_view picture = layout_.window.backgroundPicture;
  for (const QRect& r : e->region()) {
    p.setClipRect(r);
    p.fillRect(r, toQColor(layout_.window.background));
    if (!picture.empty()) p.drawPixmap(0, 0, pictureFor(picture));
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

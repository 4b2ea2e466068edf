#include "ui/qt/fixed_size.h"

#include <QEvent>

namespace zorvane::ui::qt {

namespace {
constexpr Qt::WindowStates kEnlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
}

KeepFixedSize::KeepFixedSize(QWidget& window) : QObject(&window), window_(window) {
  // A moment after a new size, once the manager has said all it does with
  // it: a full-screen or maximised state that comes with it is its to undo.
  putBack_.setSingleShot(true);
  putBack_.setInterval(100);
  connect(&putBack_, &QTimer::timeout, this, &KeepFixedSize::putBack);
  window.installEventFilter(this);
}

bool KeepFixedSize::eventFilter(QObject* watched, QEvent* e) {
  if (watched != &window_) return false;
  if (e->type() == QEvent::WindowStateChange && (window_.windowState() & kEnlarged)) {
    // The manager then puts the window back where and as it was.
    restoring_ = true;
    window_.setWindowState(window_.windowState() & ~kEnlarged);
  } else if (e->type() == QEvent::Resize) {
    if (window_.size() == window_.minimumSize()) {
      restoring_ = false;
    } else {
      putBack_.start();
    }
  }
  return false;
}

void KeepFixedSize::putBack() {
  if (!restoring_ && window_.size() != window_.minimumSize() && !(window_.windowState() & kEnlarged)) {
    window_.resize(window_.minimumSize());
  }
}

}  // namespace zorvane::ui::qt

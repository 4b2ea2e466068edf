#include "ui/qt/qt_platform.h"

#include <QApplication>

#include "ui/qt/freed_memory.h"
#include "ui/runtime.h"

namespace zorvane::ui::qt {

// Windows of screens still loaded when the platform goes have nobody left to
// unload them: they go with it.
QtPlatform::~QtPlatform() {
  for (auto& [id, w] : windows_) delete w.data();
}

ScreenWindow* QtPlatform::window(ScreenId id) const {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : it->second.data();
}

void QtPlatform::screenLoaded(const Screen& screen) {
  windows_[screen.id()] = new ScreenWindow(screen, *rt_, &names_);
}

void QtPlatform::screenUnloaded(ScreenId id) {
  const bool active = window(id) && window(id)->isActiveWindow();
  if (ScreenWindow* w = window(id)) {
    // Once the window and its widgets are gone, so are the pictures that
    // only this screen showed: their memory goes back with them.
    connect(w, &QObject::destroyed, this, [] { returnFreedMemory(); });
    w->retire();
  }
  windows_.erase(id);
  if (active) windowGone(id);
  std::erase(shownOrder_, id);
  releaseFinishedWaits();
}

void QtPlatform::screenShown(ScreenId id, bool modal) {
  std::erase(shownOrder_, id);
  shownOrder_.push_back(id);
  if (ScreenWindow* w = window(id)) w->present(modal);
}

void QtPlatform::screenHidden(ScreenId id) {
  const bool active = window(id) && window(id)->isActiveWindow();
  if (ScreenWindow* w = window(id)) w->hide();
  if (active) windowGone(id);
  std::erase(shownOrder_, id);
  releaseFinishedWaits();
}

// Without a window manager nobody else gives the keyboard back, and a
// keyboard-only player would be left with no window to type into.
void QtPlatform::windowGone(ScreenId id) {
  for (auto it = shownOrder_.rbegin(); it != shownOrder_.rend(); ++it) {
    ScreenWindow* w = *it == id ? nullptr : window(*it);
    if (w && w->isVisible()) {
      w->raise();
      w->activateWindow();
      return;
    }
  }
}

void QtPlatform::controlChanged(ScreenId id, const Control& control, Property) {
  if (ScreenWindow* w = window(id)) w->sync(control);
}

void QtPlatform::windowHeightChanged(ScreenId id, int outerHeightTwips) {
  if (ScreenWindow* w = window(id)) w->setOuterHeight(outerHeightTwips);
}

void QtPlatform::startTimer(TimerId timer, int intervalMs) {
  auto* t = new QTimer(this);
  t->setTimerType(Qt::PreciseTimer);
  t->setInterval(intervalMs);
  connect(t, &QTimer::timeout, this, [this, timer] {
    if (rt_) rt_->timerFired(timer);
  });
  timers_[timer] = t;
  t->start();
}

void QtPlatform::stopTimer(TimerId timer) {
  auto it = timers_.find(timer);
  if (it == timers_.end()) return;
  it->second->stop();
  it->second->deleteLater();
  timers_.erase(it);
}

void QtPlatform::waitModal(ScreenId, const std::function<bool()>& stillWaiting) {
  if (quitting_ || !stillWaiting()) return;
  QEventLoop loop;
  waits_.push_back(Wait{&loop, &stillWaiting});
  loop.exec();
  std::erase_if(waits_, [&](const Wait& w) { return w.loop == &loop; });
}

void QtPlatform::releaseFinishedWaits() {
  for (const Wait& w : waits_) {
    if (!(*w.stillWaiting)()) w.loop->quit();
  }
}

void QtPlatform::quit() {
  quitting_ = true;
  for (const Wait& w : waits_) w.loop->quit();
  if (onQuit_) onQuit_();
}

}  // namespace zorvane::ui::qt

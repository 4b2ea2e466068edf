// The platform under Qt: one window per loaded screen, QTimers for the
// timers, nested event loops for modal shows.
#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <unordered_map>
#include <vector>

#include "ui/platform.h"
#include "ui/qt/screen_window.h"

namespace zorvane::ui::qt {

class QtPlatform : public QObject, public Platform {
 public:
  ~QtPlatform() override;
  void attach(Runtime& rt) { rt_ = &rt; }
  // What happens once the program is over; by default the application's loop ends.
  void setOnQuit(std::function<void()> onQuit) { onQuit_ = std::move(onQuit); }
  ScreenWindow* window(ScreenId id) const;
  // The words screen readers hear; without them windows carry only captions.
  void setAccessibleNames(AccessibleNames names) { names_ = std::move(names); }

  void screenLoaded(const Screen& screen) override;
  void screenUnloaded(ScreenId id) override;
  void screenShown(ScreenId id, bool modal) override;
  void screenHidden(ScreenId id) override;
  void controlChanged(ScreenId id, const Control& control, Property property) override;
  void windowHeightChanged(ScreenId id, int outerHeightTwips) override;
  void startTimer(TimerId timer, int intervalMs) override;
  void stopTimer(TimerId timer) override;
  void waitModal(ScreenId id, const std::function<bool()>& stillWaiting) override;
  void quit() override;

 private:
  struct Wait {
    QEventLoop* loop;
    const std::function<bool()>* stillWaiting;
  };
  void releaseFinishedWaits();
  // A window that goes hands the keyboard back to the one shown before it.
  void windowGone(ScreenId id);

  Runtime* rt_ = nullptr;
  AccessibleNames names_;
  std::unordered_map<ScreenId, QPointer<ScreenWindow>> windows_;
  std::unordered_map<TimerId, QTimer*> timers_;
  std::vector<Wait> waits_;
  std::vector<ScreenId> shownOrder_;  // shown windows, the latest last
  std::function<void()> onQuit_ = [] { QCoreApplication::quit(); };
  bool quitting_ = false;
};

}  // namespace zorvane::ui::qt

// A window of fixed size stays that size whatever a window manager does:
// full screen and maximise are undone as states, so that the manager puts the
// window back where it was, and any other size it gives is put back.
#pragma once

#include <QObject>
#include <QTimer>
#include <QWidget>

namespace zorvane::ui::qt {

class KeepFixedSize : public QObject {
 public:
  // Watches the window, whose size its minimum gives, for as long as it lives.
  explicit KeepFixedSize(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void putBack();

  QWidget& window_;
  bool restoring_ = false;  // an enlarged state undone, the manager's restored size still to come
  QTimer putBack_;
};

}  // namespace zorvane::ui::qt

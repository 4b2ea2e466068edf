// The top-level window of a loaded screen, built from its layout: windowed
// controls as real widgets above the drawn ones, in the layout's order.
#pragma once

#include <QWidget>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/accessible_names.h"
#include "ui/qt/control_widgets.h"
#include "ui/qt/input_sink.h"
#include "ui/qt/keyboard_cursor.h"
#include "ui/screen.h"

namespace zorvane::ui::qt {

class ScreenWindow : public QWidget {
 public:
  ScreenWindow(const Screen& screen, Runtime& rt, const AccessibleNames* names = nullptr);

  void sync(const Control& c);
  void setOuterHeight(int twips);
  // Puts the window on screen, centred the first time, with the focus where the layout puts it.
  void present(bool modal);
  // The screen is gone: the window sends no more input and is deleted later.
  void retire();
  // A control's widget, or a keyboard group's Tab stop, by name.
  QWidget* widgetFor(std::string_view name) const;
  // What a screen reader calls the control (the window for an empty name), as the screen is now.
  QString accessibleNameOf(std::string_view control) const;
  bool isAlert() const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void build(const Screen& screen, std::string_view container, QWidget* parent);
  QWidget* create(const Control& c, QWidget* parent);
  void pressButton(bool cancel);
  void buildTabOrder();
  // Only what the user can see takes the focus from Tab.
  void refreshTabStops();
  bool seen(std::string_view control) const;
  const Screen* screen() const { return sink_.rt ? sink_.rt->find(sink_.screen) : nullptr; }
  void announceChanges();

  const ScreenLayout& layout_;
  InputSink sink_;
  std::unordered_map<std::string_view, QWidget*> widgets_;
  std::unordered_map<std::string_view, ControlView*> views_;
  const AccessibleNames* names_;
  std::vector<KeyboardCursor*> cursors_;
  // The Tab chain, first to last, with the control each widget shows (empty for a keyboard group).
  std::vector<std::pair<QWidget*, std::string_view>> tabChain_;
  bool placed_ = false;
  bool announcing_ = false;
};

}  // namespace zorvane::ui::qt

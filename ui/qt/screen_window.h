// The top-level window of a loaded screen, built from its layout: windowed
// controls as real widgets above the drawn ones, in the layout's order.
#pragma once

#include <QWidget>
#include <string>
#include <unordered_map>

#include "ui/qt/control_widgets.h"
#include "ui/qt/input_sink.h"
#include "ui/screen.h"

namespace zorvane::ui::qt {

class ScreenWindow : public QWidget {
 public:
  ScreenWindow(const Screen& screen, Runtime& rt);

  void sync(const Control& c);
  void setOuterHeight(int twips);
  // Puts the window on screen, centred the first time, with the focus where the layout puts it.
  void present(bool modal);
  // The screen is gone: the window sends no more input and is deleted later.
  void retire();
  QWidget* widgetFor(std::string_view name) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void build(const Screen& screen, std::string_view container, QWidget* parent);
  QWidget* create(const Control& c, QWidget* parent);
  void pressButton(bool cancel);

  const ScreenLayout& layout_;
  InputSink sink_;
  std::unordered_map<std::string_view, QWidget*> widgets_;
  std::unordered_map<std::string_view, ControlView*> views_;
  bool placed_ = false;
};

}  // namespace zorvane::ui::qt

// A keyboard group of a screen as one Tab stop: a transparent widget over
// the group's controls that draws a focus ring around the cell or picture
// the cursor is on, and turns keys into the pointer's moves and clicks.
#pragma once

#include <QWidget>
#include <vector>

#include "ui/accessible_names.h"
#include "ui/layout.h"
#include "ui/qt/input_sink.h"

namespace zorvane::ui::qt {

class KeyboardCursor : public QWidget {
 public:
  KeyboardCursor(const Screen& screen, const KeyboardGroup& group, const InputSink* sink,
                 const AccessibleNames* names, QWidget* parent);

  const KeyboardGroup& group() const { return group_; }
  // The item the cursor is on, 0-based: the board's cell less one, or the chosen picture.
  int current() const;
  // The item's rectangle in this widget's coordinates.
  QRect itemRect(int index) const;
  // What the item is to a screen reader, read from the screen as it is now.
  QString itemName(int index) const;
  // The screen changed: the ring follows the choice.
  void followModel();
  // Readers hear of items whose state changed since they last heard.
  void refresh();

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  const Screen* screen() const;
  QRect twipRect(std::string_view control) const;
  void arriveOnCell(int index);
  void activate();
  void choose(int index);
  void announceFocus();
  // Repaints where the ring was and where it is now.
  void moveRing();

  const KeyboardGroup& group_;
  const InputSink* sink_;
  const AccessibleNames* names_;
  QPoint origin_;                   // this widget's top left in window pixels
  int cell_ = 4;                    // the board cursor's cell, 0-based: the centre at first
  QRect ring_;                      // where the ring was last painted, empty while not shown
  std::vector<QString> itemNames_;  // what each item was last announced as
};

}  // namespace zorvane::ui::qt

// The widgets that show controls. Each keeps a copy of what it shows and is
// told of every change by the window; user input goes to the input sink.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "ui/control.h"
#include "ui/qt/input_sink.h"
#include "ui/qt/pictures.h"

namespace zorvane::ui::qt {

class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void sync(const Control& c) = 0;
};

// Labels, images, shapes and lines: painted, and stacked below every windowed control.
class DrawnControl : public QWidget, public ControlView {
 public:
  DrawnControl(const Control& c, const InputSink* sink, QWidget* parent);
  void sync(const Control& c) override;
  const ControlSpec& definition() const { return definition_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  void paintLabel(QPainter& p);
  void paintImage(QPainter& p);
  void paintShape(QPainter& p);
  void paintLine(QPainter& p);

  const ControlSpec& definition_;
  const InputSink* sink_;
  QString text_;
  Colour back_;
  int borderStyle_ = 0;
  PictureHandle picture_;
  bool pressed_ = false;
};

// A picture box: a background colour and a picture drawn unscaled at its top left; holds controls.
class PictureBox : public QWidget, public ControlView {
 public:
  PictureBox(const Control& c, QWidget* parent);
  void sync(const Control& c) override;
  const ControlSpec& definition() const { return definition_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const ControlSpec& definition_;
  PictureHandle picture_;
};

class TextBox : public QLineEdit, public ControlView {
 public:
  TextBox(const Control& c, const InputSink* sink, QWidget* parent);
  void sync(const Control& c) override;

 private:
  QString accepted_;
};

class CommandButton : public QPushButton, public ControlView {
 public:
  // How far inside the button its focus rectangle runs, in pixels.
  static constexpr int kFocusInset = 4;
  // The narrowest a caption is set to fit, in per cent of its face's width.
  static constexpr int kNarrowestStretch = 85;
  CommandButton(const Control& c, const InputSink* sink, QWidget* parent);
  void sync(const Control&) override {}

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  void fitCaption();
};

// A three-valued check box whose clicks ask the model for the next value.
class CheckBox : public QCheckBox, public ControlView {
 public:
  CheckBox(const Control& c, const InputSink* sink, QWidget* parent);
  void sync(const Control& c) override;

 protected:
  void nextCheckState() override;

 private:
  const InputSink* sink_;
  std::string name_;
  int value_ = 0;
};

class OptionButton : public QRadioButton, public ControlView {
 public:
  OptionButton(const Control& c, const InputSink* sink, QWidget* parent);
  void sync(const Control& c) override;
  bool chosen() const { return value_; }

 protected:
  // The arrow keys choose the group's next or previous option, as a click on it would.
  void keyPressEvent(QKeyEvent* e) override;
  // A clicked option is chosen at once, even while its click's handler waits on a modal screen.
  void nextCheckState() override { setChecked(true); }

 private:
  bool value_ = false;
};

class Frame : public QGroupBox, public ControlView {
 public:
  Frame(const Control& c, QWidget* parent);
  void sync(const Control&) override {}
};

}  // namespace zorvane::ui::qt

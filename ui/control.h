// A control of a loaded screen: the layout's fixed description plus the
// live properties that the game logic reads and writes.
#pragma once

#include <string>
#include <string_view>

#include "ui/layout.h"
#include "ui/picture.h"

namespace zorvane::ui {

enum class Property { Visible, Text, BackColour, BorderStyle, Picture, Value, Enabled };

class Control {
 public:
  explicit Control(const ControlSpec& definition);

  const ControlSpec& definition() const { return *definition_; }
  std::string_view name() const { return definition_->name; }
  ControlKind kind() const { return definition_->kind; }

  // Visible is the control's own flag, whether or not its window is on screen.
  bool visible() const { return visible_; }
  // The caption of a label, button or check box, or the text of a text box.
  const std::string& text() const { return text_; }
  Colour backColour() const { return backColour_; }
  int borderStyle() const { return borderStyle_; }
  const Picture& picture() const { return picture_; }
  int value() const { return value_; }
  bool enabled() const { return enabled_; }

 private:
  friend class Runtime;
  const ControlSpec* definition_;
  bool visible_;
  std::string text_;
  Colour backColour_;
  int borderStyle_;
  Picture picture_;
  int value_;
  bool enabled_;
};

}  // namespace zorvane::ui

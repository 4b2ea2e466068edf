// A loaded screen: its layout and its controls with their current values.
#pragma once

#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/control.h"
#include "ui/layout.h"

namespace zorvane::ui {

class Screen {
 public:
  explicit Screen(const ScreenLayout& layout);
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  ScreenId id() const { return layout_->id; }
  const ScreenLayout& layout() const { return *layout_; }

  // Throws std::logic_error for a name the layout does not have: a programming error.
  Control& control(std::string_view name);
  const Control& control(std::string_view name) const;
  bool has(std::string_view name) const;
  std::vector<Control>& controls() { return controls_; }
  const std::vector<Control>& controls() const { return controls_; }

  bool shown() const { return shown_; }
  bool modal() const { return modal_; }
  int outerHeight() const { return outerHeight_; }

 private:
  friend class Runtime;
  std::size_t indexOf(std::string_view name) const;

  const ScreenLayout* layout_;
  std::vector<Control> controls_;
  std::unordered_map<std::string_view, std::size_t> index_;
  bool shown_ = false;
  bool modal_ = false;
  int outerHeight_;
};

}  // namespace zorvane::ui

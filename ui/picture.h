// A picture is an immutable value named by its asset key: copying one
// control's picture to another copies the value, never a shared handle.
#pragma once

#include <string>
#include <string_view>

namespace zorvane::ui {

class Picture {
 public:
  Picture() = default;
  explicit Picture(std::string_view assetKey) : key_(assetKey) {}

  const std::string& key() const { return key_; }
  bool empty() const { return key_.empty(); }
  friend bool operator==(const Picture&, const Picture&) = default;

 private:
  std::string key_;
};

}  // namespace zorvane::ui

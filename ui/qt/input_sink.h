// Where a window's widgets send the user's input: the runtime, by screen and
// control name. A window whose screen has been unloaded sends nothing more.
#pragma once

#include <string>
#include <string_view>

#include "ui/runtime.h"

namespace zorvane::ui::qt {

struct InputSink {
  Runtime* rt = nullptr;
  ScreenId screen = ScreenId::logo;
  bool live = true;

  bool open() const { return live && rt && rt->acceptsInput(screen); }
  void click(std::string_view name) const {
    if (open()) rt->click(screen, name);
  }
  void mouseMove(std::string_view name) const {
    if (open()) rt->mouseMove(screen, name);
  }
  void text(std::string_view name, std::string_view t) const {
    if (open()) rt->userText(screen, name, t);
  }
};

}  // namespace zorvane::ui::qt

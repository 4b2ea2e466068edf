// The handlers of a screen, by control and event; only these events reach the logic.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <unordered_map>

#include "ui/screen_id.h"

namespace zorvane::ui {

class Runtime;

using Handler = std::function<void(Runtime&)>;
using HandlerMap = std::unordered_map<std::string, Handler>;

struct ScreenBehaviour {
  HandlerMap click;
  HandlerMap mouseMove;
  HandlerMap changed;  // caption or text changed
  HandlerMap timer;
  Handler unload;  // the unload reaction: Unload, or the window's close button
};

using Behaviours = std::array<ScreenBehaviour, kScreenCount>;

}  // namespace zorvane::ui

// Plays the program headless for tests: start it, let time pass, click,
// hover, type, press Enter or Esc, close windows and answer modal screens
// from inside the wait of the handler that showed them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/behaviour.h"
#include "ui/headless/headless_platform.h"
#include "ui/runtime.h"

namespace zorvane::ui {

class Driver {
 public:
  explicit Driver(Behaviours behaviours);
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  void start(ScreenId first = ScreenId::logo) { rt_.start(first); }
  Runtime& rt() { return rt_; }
  HeadlessPlatform& platform() { return platform_; }
  bool alive() const { return rt_.running(); }
  void advance(std::int64_t ms) { platform_.advance(ms); }

  ControlRef ctl(ScreenId id, std::string name) { return rt_.ctl(id, std::move(name)); }

  // A mouse click where a person would aim at the control; yields the control
  // that the click reached, which may be one that covers it.
  std::optional<std::string> click(ScreenId id, std::string_view control);
  // A mouse click at a client point in twips.
  std::optional<std::string> clickAt(ScreenId id, int x, int y);
  // The pointer moving over the control, where it is not covered.
  std::optional<std::string> hover(ScreenId id, std::string_view control);
  // Replaces the text as a user's edit would, limited to the box's length.
  void type(ScreenId id, std::string_view control, std::string_view text);
  // Types one character (as a person counts them) after another onto the end of the text.
  void typeKeys(ScreenId id, std::string_view control, std::string_view keys);
  // Pastes `text` at byte offset `at` of the box's text (its end when past
  // it); a paste too long for the box is cut as the box cuts it.
  void paste(ScreenId id, std::string_view control, std::string_view text,
             std::size_t at = std::string::npos);
  void pressEnter(ScreenId id);
  void pressEsc(ScreenId id);
  // A button's own key, as "H" or "Ctrl+Z", pressed while the screen is active.
  void pressShortcut(ScreenId id, std::string_view key);
  void close(ScreenId id) { rt_.closeRequested(id); }

  // The next modal show is answered by `answer`, run while the handler waits.
  void whenModal(std::function<void(Driver&, ScreenId)> answer);

 private:
  void pressButton(ScreenId id, bool cancel);

  HeadlessPlatform platform_;
  Runtime rt_;
};

}  // namespace zorvane::ui

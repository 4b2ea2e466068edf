// What the runtime needs from the toolkit that shows it: windows that follow
// the model, a clock for timers and a way to wait in a modal show.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/control.h"
#include "ui/screen_id.h"

namespace zorvane::ui {

class Screen;

using TimerId = std::uint64_t;

class Platform {
 public:
  virtual ~Platform() = default;

  virtual void screenLoaded(const Screen& screen) = 0;  // create the window, hidden
  virtual void screenUnloaded(ScreenId id) = 0;         // destroy the window
  virtual void screenShown(ScreenId id, bool modal) = 0;
  virtual void screenHidden(ScreenId id) = 0;
  virtual void controlChanged(ScreenId id, const Control& control, Property property) = 0;
  virtual void windowHeightChanged(ScreenId id, int outerHeightTwips) = 0;

  // A started timer fires every interval until stopped, through Runtime::timerFired.
  virtual void startTimer(TimerId timer, int intervalMs) = 0;
  virtual void stopTimer(TimerId timer) = 0;

  // Deliver events (input to the modal screen, timer ticks) while stillWaiting() holds.
  virtual void waitModal(ScreenId id, const std::function<bool()>& stillWaiting) = 0;

  // The program is over: every loop returns and the process may exit.
  virtual void quit() = 0;
};

}  // namespace zorvane::ui

// The runtime of the screens: Load, Show, Hide, Unload and End by screen
// name, property access that loads a screen on first touch, reactions that
// run inside the assignment, timers, modal waits and the program's life.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/behaviour.h"
#include "ui/control.h"
#include "ui/platform.h"
#include "ui/screen.h"

namespace zorvane::ui {

class Runtime;

// A control addressed by screen and name. Every access goes through the
// runtime, so the access rule and the reactions apply.
class ControlRef {
 public:
  ControlRef(Runtime& rt, ScreenId screen, std::string name)
      : rt_(&rt), screen_(screen), name_(std::move(name)) {}

  bool visible() const;
  void setVisible(bool v) const;
  const std::string& text() const;
  void setText(std::string_view t) const;
  // A caption that always holds a number, read as that number.
  int number() const;
  void setNumber(int n) const;
  Colour backColour() const;
  void setBackColour(Colour c) const;
  int borderStyle() const;
  void setBorderStyle(int b) const;
  Picture picture() const;
  void setPicture(const Picture& p) const;
  int value() const;
  void setValue(int v) const;
  bool enabled() const;
  void setEnabled(bool e) const;

 private:
  Runtime* rt_;
  ScreenId screen_;
  std::string name_;
};

class Runtime {
 public:
  Runtime(Platform& platform, Behaviours behaviours);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // The program's start: load and show the splash.
  void start(ScreenId first = ScreenId::logo);

  void load(ScreenId id);
  void show(ScreenId id, bool modal = false);
  void hide(ScreenId id);
  void unload(ScreenId id);
  void end();

  bool isLoaded(ScreenId id) const { return screens_[indexOf(id)] != nullptr; }
  bool isShown(ScreenId id) const;
  bool isModal(ScreenId id) const;
  // The screen that takes input while a modal show waits; none when no modal show waits.
  bool hasModal() const { return !modalStack_.empty(); }
  ScreenId topModal() const { return modalStack_.back(); }
  bool ended() const { return ended_; }
  // Alive while a screen is loaded and End has not run.
  bool running() const { return !ended_ && !finished_; }

  ControlRef ctl(ScreenId id, std::string name) { return ControlRef(*this, id, std::move(name)); }
  // Loads the screen when it is not loaded (the access rule).
  Screen& screen(ScreenId id);
  // The loaded screen, or nullptr; never loads.
  const Screen* find(ScreenId id) const { return screens_[indexOf(id)].get(); }

  int windowHeight(ScreenId id);
  void setWindowHeight(ScreenId id, int outerTwips);

  // Assignments made while a QuietAssignments lives run no change reaction.
  class QuietAssignments {
   public:
    explicit QuietAssignments(Runtime& rt) : rt_(rt) { ++rt_.quiet_; }
    ~QuietAssignments() { --rt_.quiet_; }
    QuietAssignments(const QuietAssignments&) = delete;
    QuietAssignments& operator=(const QuietAssignments&) = delete;

   private:
    Runtime& rt_;
  };

  // Input from the user, delivered by the platform. Input to a screen that a
  // modal show blocks, or to a screen that is not loaded, is dropped.
  void click(ScreenId id, std::string_view control);
  void mouseMove(ScreenId id, std::string_view control);
  void userText(ScreenId id, std::string_view control, std::string_view text);
  void userCheck(ScreenId id, std::string_view control, int value);
  void closeRequested(ScreenId id);
  void timerFired(TimerId timer);

  // Whether input to the screen would reach it now.
  bool acceptsInput(ScreenId id) const;

  // Property writes, used by ControlRef.
  void setVisible(ScreenId id, std::string_view name, bool v);
  void setText(ScreenId id, std::string_view name, std::string_view t);
  void setBackColour(ScreenId id, std::string_view name, Colour c);
  void setBorderStyle(ScreenId id, std::string_view name, int b);
  void setPicture(ScreenId id, std::string_view name, const Picture& p);
  void setValue(ScreenId id, std::string_view name, int v);
  void setEnabled(ScreenId id, std::string_view name, bool e);

 private:
  struct TimerSlot {
    ScreenId screen;
    std::size_t control;
  };
  class EventScope;

  Control& access(ScreenId id, std::string_view name);
  void changed(Screen& s, Control& c, Property p);
  void startTimer(Screen& s, std::size_t index);
  void stopTimer(Screen& s, std::size_t index);
  void stopTimers(Screen& s);
  void destroy(ScreenId id);
  void run(const Handler& h);
  const Handler* handler(const HandlerMap& map, std::string_view name) const;
  void afterTopLevelEvent();

  Platform& platform_;
  Behaviours behaviours_;
  std::array<std::unique_ptr<Screen>, kScreenCount> screens_;
  // Screens reached after End: real values, but never shown to the platform.
  std::array<std::unique_ptr<Screen>, kScreenCount> afterEnd_;
  // Unloaded screens are kept until the outermost event returns, so that a
  // handler still running on one never touches freed memory.
  std::vector<std::unique_ptr<Screen>> retired_;
  std::vector<ScreenId> modalStack_;
  std::unordered_map<TimerId, TimerSlot> timers_;
  std::unordered_map<const Control*, TimerId> timerOf_;
  TimerId nextTimer_ = 1;
  int quiet_ = 0;
  int depth_ = 0;
  bool ended_ = false;
  bool finished_ = false;
  bool started_ = false;
};

}  // namespace zorvane::ui

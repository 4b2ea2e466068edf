// A platform without windows, on a virtual clock: the program runs exactly
// as under Qt, but time passes only when a test says so.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>

#include "ui/platform.h"

namespace zorvane::ui {

class Runtime;

class HeadlessPlatform : public Platform {
 public:
  // Answers a modal screen while the handler that showed it waits.
  using ModalAnswer = std::function<void(ScreenId)>;

  void attach(Runtime& rt) { rt_ = &rt; }

  std::int64_t now() const { return now_; }
  // Lets `ms` milliseconds pass, delivering each due timer tick in time order.
  void advance(std::int64_t ms);

  void onModal(ModalAnswer answer) { answers_.push_back(std::move(answer)); }
  void setDefaultModalAnswer(ModalAnswer answer) { defaultAnswer_ = std::move(answer); }
  bool quitCalled() const { return quit_; }
  int activeTimers() const { return static_cast<int>(timers_.size()); }

  void screenLoaded(const Screen&) override {}
  void screenUnloaded(ScreenId) override {}
  void screenShown(ScreenId, bool) override {}
  void screenHidden(ScreenId) override {}
  void controlChanged(ScreenId, const Control&, Property) override {}
  void windowHeightChanged(ScreenId, int) override {}
  void startTimer(TimerId timer, int intervalMs) override;
  void stopTimer(TimerId timer) override;
  void waitModal(ScreenId id, const std::function<bool()>& stillWaiting) override;
  void quit() override { quit_ = true; }

 private:
  struct Scheduled {
    std::int64_t interval;
    std::int64_t due;
  };

  Runtime* rt_ = nullptr;
  std::int64_t now_ = 0;
  std::map<TimerId, Scheduled> timers_;
  std::deque<ModalAnswer> answers_;
  ModalAnswer defaultAnswer_;
  bool quit_ = false;
};

}  // namespace zorvane::ui

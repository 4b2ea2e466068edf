#include "ui/headless/headless_platform.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "ui/runtime.h"

namespace zorvane::ui {

void HeadlessPlatform::startTimer(TimerId timer, int intervalMs) {
  // A zero interval would tick forever without time passing.
  const std::int64_t interval = std::max(1, intervalMs);
  timers_[timer] = Scheduled{interval, now_ + interval};
}

void HeadlessPlatform::stopTimer(TimerId timer) {
  timers_.erase(timer);
}

void HeadlessPlatform::advance(std::int64_t ms) {
  const std::int64_t target = now_ + ms;
  for (;;) {
    // The earliest due tick; among equals, the timer started first.
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
      if (it->second.due <= target && (next == timers_.end() || it->second.due < next->second.due)) next = it;
    }
    if (next == timers_.end()) break;
    const TimerId id = next->first;
    now_ = std::max(now_, next->second.due);
    next->second.due += next->second.interval;
    if (rt_) rt_->timerFired(id);
  }
  now_ = std::max(now_, target);
}

void HeadlessPlatform::waitModal(ScreenId id, const std::function<bool()>& stillWaiting) {
  if (!stillWaiting()) return;
  ModalAnswer answer;
  if (!answers_.empty()) {
    answer = std::move(answers_.front());
    answers_.pop_front();
  } else {
    answer = defaultAnswer_;
  }
  if (!answer) {
    throw std::logic_error("screen '" + std::string(screenName(id)) +
                           "' shown modally with nobody to answer it");
  }
  answer(id);
  if (stillWaiting()) {
    throw std::logic_error("screen '" + std::string(screenName(id)) + "' still waits after its answer");
  }
}

}  // namespace zorvane::ui

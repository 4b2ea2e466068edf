// Without a display (DISPLAY unset, an X server that does not answer, a
// platform plugin that is missing) Qt aborts with a generic text. The program
// says instead, in one line, that it cannot open a display and why, and ends
// with status 1.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::ui::qt {

// What Qt reported while its platform failed to start, the platform asked for
// (QT_QPA_PLATFORM; empty for the default) and the DISPLAY variable.
struct DisplayFailure {
  std::vector<std::string> reports;
  std::string platform;
  std::string display;
  // The platform that started but found no screen; empty when it did not start.
  std::string noScreen = {};
};

// Why no display could be opened, in a few words for a person.
std::string displayFailureReason(const DisplayFailure& failure);

// The one line the program prints: "zorvane: cannot open a display: <reason>".
std::string displayFailureLine(const DisplayFailure& failure);

// Held while the application is constructed: Qt's reports are held back, and
// if the platform cannot start the program prints its one line and exits with
// status 1. Once the application is up, release() passes on what was held.
class DisplayStartGuard {
 public:
  DisplayStartGuard();
  ~DisplayStartGuard();
  DisplayStartGuard(const DisplayStartGuard&) = delete;
  DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;
  void release();

 private:
  bool held_ = true;
};

}  // namespace zorvane::ui::qt

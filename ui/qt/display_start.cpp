#include "ui/qt/display_start.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zorvane::ui::qt {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The plugin name in the first report that names one in Qt's words: lead-in "name".
std::string pluginNamed(const std::vector<std::string>& reports, std::string_view leadIn) {
  const std::string opening = std::string(leadIn) + " \"";
  for (const std::string& report : reports) {
    const std::size_t start = report.find(opening);
    if (start == std::string::npos) continue;
    const std::size_t from = start + opening.size(), to = report.find('"', from);
    if (to != std::string::npos) return report.substr(from, to - from);
  }
  return {};
}

bool mentions(const std::vector<std::string>& reports, std::string_view words) {
  for (const std::string& report : reports) {
    if (report.find(words) != std::string::npos) return true;
  }
  return false;
}

// What the application's construction reported, held until it is known whether it started.
struct Held {
  QtMsgType type;
  const char* category;
  QString text;
};
std::vector<Held>* held = nullptr;
QtMessageHandler previous = nullptr;

// Qt's reports in their order, the fatal one last.
[[noreturn]] void fail(DisplayFailure failure, const QString* fatal = nullptr) {
  for (const Held& h : *held) failure.reports.push_back(h.text.toStdString());
  if (fatal) failure.reports.push_back(fatal->toStdString());
  const std::string line = displayFailureLine(failure) + "\n";
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  // Qt is half built: nothing is left to tidy, and nothing must run on the way out.
  std::_Exit(1);
}

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    fail(DisplayFailure{{}, environment("QT_QPA_PLATFORM"), environment("DISPLAY")}, &text);
  }
  held->push_back(Held{type, context.category, text});
}

}  // namespace

std::string displayFailureReason(const DisplayFailure& f) {
  if (!f.noScreen.empty()) return "the platform \"" + f.noScreen + "\" found no screen";
  const std::string missing = pluginNamed(f.reports, "Could not find the Qt platform plugin");
  if (!missing.empty()) return "there is no platform plugin \"" + missing + "\" (QT_QPA_PLATFORM)";
  const std::string platform = f.platform.substr(0, f.platform.find(';'));
  const bool x11 = platform.empty() || platform == "xcb";
  if (x11 && f.display.empty()) return "DISPLAY is not set (no X server to show the windows on)";
  if (mentions(f.reports, "could not connect to display")) {
    return "the X server at DISPLAY=" + f.display + " does not answer or refuses the connection";
  }
  const std::string failed = pluginNamed(f.reports, "Could not load the Qt platform plugin");
  if (!failed.empty()) return "the platform plugin \"" + failed + "\" could not start";
  // Otherwise Qt's own last words, unless they are its generic advice.
  for (auto it = f.reports.rbegin(); it != f.reports.rend(); ++it) {
    if (!it->empty() && it->find("failed to start because no Qt platform plugin") == std::string::npos) {
      return it->substr(0, it->find('\n'));
    }
  }
  return "no platform could start";
}

std::string displayFailureLine(const DisplayFailure& failure) {
  return "zorvane: cannot open a display: " + displayFailureReason(failure);
}

DisplayStartGuard::DisplayStartGuard() {
  held = new std::vector<Held>;
  previous = qInstallMessageHandler(holdOrFail);
}

DisplayStartGuard::~DisplayStartGuard() {
  release();
}

void DisplayStartGuard::release() {
  if (!held_) return;
  // A platform that starts without a screen (a frame buffer that is not there) has nowhere to show a window.
  if (QGuiApplication::instance() && !QGuiApplication::primaryScreen()) {
    DisplayFailure failure{{}, environment("QT_QPA_PLATFORM"), environment("DISPLAY")};
    failure.noScreen = QGuiApplication::platformName().toStdString();
    fail(std::move(failure));
  }
  held_ = false;
  qInstallMessageHandler(previous);
  for (const Held& h : *held) {
    const QMessageLogContext context(nullptr, 0, nullptr, h.category);
    previous(h.type, context, h.text);
  }
  delete held;
  held = nullptr;
}

}  // namespace zorvane::ui::qt

// Why no display could be opened, from what Qt reports on the way down, in
// the one line the program prints before it exits with status 1. The exit
// itself is checked on the real program by tests/e2e/no_display_e2e.py.
#include "ui/qt/display_start.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvane::ui::qt {
namespace {

// Qt 6.4's own words when its platform fails to start.
const std::string kGeneric =
    "This application failed to start because no Qt platform plugin could be initialized. Reinstalling the "
    "application may fix this problem.\n\nAvailable platform plugins are: minimal, offscreen, xcb.";
const std::string kXcbNotLoaded =
    "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.";

struct Case {
  const char* what;
  DisplayFailure failure;
  std::string reason;
};

TEST(DisplayStart, SaysWhyNoDisplayCouldBeOpened) {
  const Case cases[] = {
      {"DISPLAY unset, the default platform",
       {{"could not connect to display ", kXcbNotLoaded, kGeneric}, "", ""},
       "DISPLAY is not set (no X server to show the windows on)"},
      {"DISPLAY unset, X11 asked for by name",
       {{"could not connect to display ", kXcbNotLoaded, kGeneric}, "xcb", ""},
       "DISPLAY is not set (no X server to show the windows on)"},
      {"an X server that does not answer",
       {{"could not connect to display :77", kXcbNotLoaded, kGeneric}, "", ":77"},
       "the X server at DISPLAY=:77 does not answer or refuses the connection"},
      {"a platform plugin that is not installed",
       {{"Could not find the Qt platform plugin \"bogus\" in \"\"", kGeneric}, "bogus", ":0"},
       "there is no platform plugin \"bogus\" (QT_QPA_PLATFORM)"},
      {"the X11 plugin failing for another reason",
       {{kXcbNotLoaded, kGeneric}, "", ":0"},
       "the platform plugin \"xcb\" could not start"},
      {"a platform's own fatal report, first line only",
       {{"Could not find DRM device!\nmore detail"}, "eglfs", ""},
       "Could not find DRM device!"},
      {"a platform that starts without a screen",
       {{"linuxfb: Failed to initialize screen"}, "linuxfb", "", "linuxfb"},
       "the platform \"linuxfb\" found no screen"},
      {"nothing but Qt's generic advice", {{kGeneric}, "vnc", ""}, "no platform could start"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(displayFailureReason(c.failure), c.reason) << c.what;
    EXPECT_EQ(displayFailureLine(c.failure), "zorvane: cannot open a display: " + c.reason) << c.what;
  }
}

}  // namespace
}  // namespace zorvane::ui::qt

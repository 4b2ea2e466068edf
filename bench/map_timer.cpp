// Starts a program and reports how long it took from exec until a top-level
// window with the given title was mapped on the X display, then leaves the
// program running for the caller to measure further.
//
//   map_timer TITLE TIMEOUT_MS PROGRAM [ARGS...]
//
// Prints "PID MILLISECONDS" on success; exits 1 if no such window was mapped in time.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string textProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property) {
  const auto cookie = xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(c, cookie, nullptr), &std::free);
  if (!reply || reply->format != 8) return {};
  return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                     static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s TITLE TIMEOUT_MS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const std::string title = argv[1];
  const auto timeout = std::chrono::milliseconds(std::atoi(argv[2]));

  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "map_timer: cannot open the display\n");
    return 2;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const xcb_atom_t netWmName = atom(c, "_NET_WM_NAME");
  // Without a window manager the maps of top-level windows reach the root's substructure.
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(c);
  free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // the mask is in force

  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(STDERR_FILENO, STDOUT_FILENO);  // the caller reads only this program's line
    execvp(argv[3], argv + 3);
    std::perror("map_timer: exec");
    _exit(127);
  }
  if (pid < 0) return 2;

  const Clock::time_point deadline = start + timeout;
  pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
  while (Clock::now() < deadline) {
    while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
      const bool mapped = (e->response_type & 0x7F) == XCB_MAP_NOTIFY;
      const xcb_window_t w = mapped ? reinterpret_cast<xcb_map_notify_event_t*>(e)->window : 0;
      std::free(e);
      if (!mapped) continue;
      const Clock::time_point at = Clock::now();
      std::string name = textProperty(c, w, netWmName);
      if (name.empty()) name = textProperty(c, w, XCB_ATOM_WM_NAME);
      if (name != title) continue;
      std::printf("%d %.2f\n", static_cast<int>(pid),
                  std::chrono::duration<double, std::milli>(at - start).count());
      xcb_disconnect(c);
      return 0;
    }
    if (xcb_connection_has_error(c)) break;
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      std::fprintf(stderr, "map_timer: %s ended before mapping \"%s\"\n", argv[3], title.c_str());
      return 1;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    poll(&fd, 1, static_cast<int>(std::max<long long>(1, std::min<long long>(left, 50))));
  }
  std::fprintf(stderr, "map_timer: no window \"%s\" mapped in time\n", title.c_str());
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return 1;
}

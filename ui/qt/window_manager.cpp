#include "ui/qt/window_manager.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace zorvane::ui::qt {

namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// The X connection when the program runs on X11; null on other platforms.
xcb_connection_t* connection() {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// A property of 32-bit items (atoms, cardinals, windows); empty when it is not there.
std::vector<std::uint32_t> items(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                 xcb_atom_t type) {
  ReplyPtr<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr));
  if (!reply || reply->format != 32 || reply->type != type) return {};
  const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {data, data + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t window) {
  ReplyPtr<xcb_get_geometry_reply_t> reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
  return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

// True when a window manager runs and says it supports this hint. A manager
// that has gone leaves its _NET_SUPPORTED behind, so its check window is
// looked at too: a live manager's check window names itself.
bool managerSupports(xcb_connection_t* c, xcb_window_t root, const char* hint) {
  const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
  const std::vector<std::uint32_t> manager = items(c, root, check, XCB_ATOM_WINDOW);
  if (manager.size() != 1 || items(c, manager[0], check, XCB_ATOM_WINDOW) != manager) return false;
  const std::vector<std::uint32_t> supported = items(c, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
  return std::ranges::find(supported, atom(c, hint)) != supported.end();
}

int logical(std::uint32_t devicePixels, double ratio) {
  return static_cast<int>(std::lround(devicePixels / ratio));
}

}  // namespace

QMargins frameBeforeMapping(QWidget& window) {
  xcb_connection_t* c = connection();
  if (!c) return {};
  const auto id = static_cast<xcb_window_t>(window.winId());
  const xcb_window_t root = rootOf(c, id);
  if (root == XCB_WINDOW_NONE || !managerSupports(c, root, "_NET_REQUEST_FRAME_EXTENTS")) return {};

  xcb_client_message_event_t request{};
  request.response_type = XCB_CLIENT_MESSAGE;
  request.format = 32;
  request.window = id;
  request.type = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
  xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&request));
  xcb_flush(c);

  // The manager answers by setting the window's _NET_FRAME_EXTENTS, usually
  // within a millisecond; a manager that never does leaves the window as if frameless.
  const xcb_atom_t extents = atom(c, "_NET_FRAME_EXTENTS");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(250);
  do {
    const std::vector<std::uint32_t> v = items(c, id, extents, XCB_ATOM_CARDINAL);
    if (v.size() == 4) {
      // Left, right, top, bottom, in device pixels.
      const double ratio = window.devicePixelRatioF();
      return QMargins(logical(v[0], ratio), logical(v[2], ratio), logical(v[1], ratio), logical(v[3], ratio));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  } while (std::chrono::steady_clock::now() < deadline);
  return {};
}

void keepOutOfTaskbar(QWidget& window) {
  xcb_connection_t* c = connection();
  if (!c) return;
  const auto id = static_cast<xcb_window_t>(window.winId());
  // Qt merges its own states into what the window holds when it maps it.
  const xcb_atom_t state = atom(c, "_NET_WM_STATE");
  std::vector<std::uint32_t> states = items(c, id, state, XCB_ATOM_ATOM);
  for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
    const xcb_atom_t a = atom(c, name);
    if (std::ranges::find(states, a) == states.end()) states.push_back(a);
  }
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(states.size()), states.data());
  xcb_flush(c);
}

}  // namespace zorvane::ui::qt

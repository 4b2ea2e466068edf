"""A virtual X server with the game running on it, driven the way a person's
mouse and keyboard arrive: synthetic input through the X server (XTEST)."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image
from Xlib import X, display, protocol

TWIPS_PER_PIXEL = 15


def px(twips):
    return int(round(twips / TWIPS_PER_PIXEL))


class Failure(Exception):
    pass


class XSession:
    """Starts Xvfb on a free display and the program on it; stops both. At a
    scale above 1 the program runs with that device pixel ratio
    (QT_SCALE_FACTOR) and points given in twips land on its scaled pixels."""

    def __init__(self, program, artefacts, width=1024, height=768, scale=1, window_manager=None):
        self.program = program
        self.scale = scale
        self.artefacts = artefacts
        os.makedirs(artefacts, exist_ok=True)
        # Xvfb picks a free display itself and tells its number, so parallel runs never collide.
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", "1", "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        line = self.xvfb.stdout.readline().decode().strip()
        if not line.isdigit():
            raise Failure("Xvfb did not start")
        self.number = int(line)
        self.env = dict(os.environ, DISPLAY=f":{self.number}", QT_QPA_PLATFORM="xcb",
                        QT_SCALE_FACTOR=str(scale))
        self.env.pop("QT_QPA_PLATFORMTHEME", None)
        self.x = self._connect()
        self.game = None
        self.shots = 0
        self.manager = None
        if window_manager:
            self._start_manager(window_manager)

    def _connect(self):
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            try:
                return display.Display(f":{self.number}")
            except Exception:
                time.sleep(0.05)
        raise Failure("Xvfb did not start")

    def _start_manager(self, command):
        """A window manager with its default settings (a home of its own), ready once it has
        claimed the screen and published its work area."""
        home = os.path.join(self.artefacts, "home")
        os.makedirs(home, exist_ok=True)
        self.manager = subprocess.Popen([command], env=dict(self.env, HOME=home), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if self._root_items("_NET_SUPPORTING_WM_CHECK") and self._root_items("_NET_WORKAREA"):
                return
            if self.manager.poll() is not None:
                break
            time.sleep(0.05)
        raise Failure(f"the window manager {command} did not start")

    def _root_items(self, name):
        prop = self.x.screen().root.get_full_property(self.x.intern_atom(name), X.AnyPropertyType)
        return list(prop.value) if prop else []

    def start_game(self):
        self.log = open(os.path.join(self.artefacts, "zorvane.log"), "w")
        self.game = subprocess.Popen([self.program], env=self.env, stdout=self.log, stderr=subprocess.STDOUT)

    def close(self):
        if self.game and self.game.poll() is None:
            self.game.kill()
            self.game.wait()
        if self.manager and self.manager.poll() is None:
            self.manager.terminate()
            self.manager.wait()
        try:
            self.x.close()
        except Exception:
            pass
        self.xvfb.terminate()
        self.xvfb.wait()

    # --- windows -------------------------------------------------------------

    def _mapped_windows(self):
        root = self.x.screen().root
        found = []
        # A window manager puts each window in a frame of its own and lists them.
        clients = self._root_items("_NET_CLIENT_LIST") if self.manager else None
        for w in [self.x.create_resource_object("window", c) for c in clients] if clients is not None \
                else root.query_tree().children:
            try:
                attrs = w.get_attributes()
                prop = w.get_full_property(self.x.intern_atom("_NET_WM_NAME"), X.AnyPropertyType)
                name = prop.value.decode("utf-8") if prop else w.get_wm_name()
            except Exception:
                continue
            if attrs.map_state == X.IsViewable and name is not None:
                found.append((name if isinstance(name, str) else name.decode("latin-1"), w))
        return found

    def titles(self):
        return sorted(name for name, _ in self._mapped_windows())

    def window(self, title, timeout=10.0):
        """The mapped window with this title, waiting for it to appear."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for name, w in self._mapped_windows():
                if name == title:
                    return w
            time.sleep(0.05)
        raise Failure(f"no window '{title}' (shown: {self.titles()})")

    def gone(self, title, timeout=10.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if title not in self.titles():
                return
            time.sleep(0.05)
        raise Failure(f"window '{title}' is still shown")

    def px(self, twips):
        """Screen pixels from twips: logical pixels times the scale."""
        return px(twips) * self.scale

    def origin(self, w):
        g = w.get_geometry()
        t = w.translate_coords(self.x.screen().root, 0, 0)
        return -t.x, -t.y, g.width, g.height

    def frame(self, w):
        """The outermost window around this one, its frame under a window manager: x, y, width, height."""
        root = self.x.screen().root
        while True:
            parent = w.query_tree().parent
            if parent == root:
                break
            w = parent
        return self.origin(w)

    def work_area(self):
        """The screen less the window manager's panels: x, y, width, height."""
        area = self._root_items("_NET_WORKAREA")
        if area:
            return tuple(area[:4])
        g = self.x.screen().root.get_geometry()
        return 0, 0, g.width, g.height

    def states(self, w):
        """The window's _NET_WM_STATE, as names without their prefix."""
        prop = w.get_full_property(self.x.intern_atom("_NET_WM_STATE"), X.AnyPropertyType)
        return sorted(self.x.get_atom_name(a).removeprefix("_NET_WM_STATE_") for a in (prop.value if prop else []))

    def wmctrl(self, title, *args):
        """Asks the window manager, as a user's tool would, to change the window."""
        subprocess.run(["wmctrl", "-i", "-r", str(self.window(title).id), *args], env=self.env, check=True)
        self.settle(0.4)

    # --- input ---------------------------------------------------------------

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True)

    def move(self, title, x_twips, y_twips):
        ox, oy, _, _ = self.origin(self.window(title))
        self._xdotool("mousemove", ox + self.px(x_twips), oy + self.px(y_twips))
        self.settle()

    def click(self, title, x_twips, y_twips):
        self.move(title, x_twips, y_twips)
        self._xdotool("click", 1)
        self.settle()

    def key(self, title, *keys):
        w = self.window(title)
        w.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.x.sync()
        self._xdotool("key", "--delay", 30, *keys)
        self.settle()

    def type(self, title, text):
        self.window(title).set_input_focus(X.RevertToParent, X.CurrentTime)
        self.x.sync()
        self._xdotool("type", "--delay", 20, text)
        self.settle()

    def close_window(self, title):
        """What a window manager's close button sends: WM_DELETE_WINDOW."""
        w = self.window(title)
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=w, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        w.send_event(event)
        self.x.sync()
        self.settle()

    def settle(self, seconds=0.15):
        # Input and repaint travel through the X server and the program's loop.
        time.sleep(seconds)

    # --- what is on screen ----------------------------------------------------

    def screenshot(self, name):
        self.shots += 1
        path = os.path.join(self.artefacts, f"{self.shots:02d}-{name}.png")
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True)
        return path

    def capture(self, title, path):
        w = self.window(title)
        subprocess.run(["import", "-window", str(w.id), path], env=self.env, check=True)
        return path

    def average(self, title, x_twips, y_twips, radius=6):
        """The mean colour of a square of pixels around a point: steadier than one pixel on a picture."""
        ox, oy, _, _ = self.origin(self.window(title))
        side = 2 * radius + 1
        img = self.x.screen().root.get_image(ox + self.px(x_twips) - radius, oy + self.px(y_twips) - radius, side, side,
                                             X.ZPixmap, 0xFFFFFFFF)
        data = img.data
        count = side * side
        sums = [0, 0, 0]
        for i in range(count):
            b, g, r = data[4 * i], data[4 * i + 1], data[4 * i + 2]
            sums[0] += r
            sums[1] += g
            sums[2] += b
        return tuple(v // count for v in sums)

    def pixel(self, title, x_twips, y_twips):
        ox, oy, _, _ = self.origin(self.window(title))
        img = self.x.screen().root.get_image(ox + self.px(x_twips), oy + self.px(y_twips), 1, 1, X.ZPixmap,
                                             0xFFFFFFFF)
        b, g, r = img.data[0], img.data[1], img.data[2]
        return (r, g, b)


def run(test, program, before=None, window_manager=None):
    """Runs test(session), after before(session) when given, before the
    program starts, under the window manager when given; keeps screenshots
    as artefacts when it fails."""
    artefacts = tempfile.mkdtemp(prefix="zorvane-e2e-")
    session = XSession(program, artefacts, window_manager=window_manager)
    try:
        if before:
            before(session)
        session.start_game()
        test(session)
        status = 0
        if session.game.poll() is None:
            raise Failure("the program is still running at the end of the test")
    except Exception as e:  # any failure keeps the evidence
        try:
            session.screenshot("failure")
        except Exception:
            pass
        print(f"FAILED: {e}\nartefacts kept in {artefacts}", file=sys.stderr)
        status = 1
    finally:
        session.close()
    if status == 0 and not os.environ.get("ZORVANE_E2E_KEEP"):
        shutil.rmtree(artefacts, ignore_errors=True)
    elif status == 0:
        print(f"screenshots kept in {artefacts}")
    return status

#!/usr/bin/env python3
"""The real program's windows on a desktop: every window centred, its frame
and title bar included; the splash and the winner's announcement out of the
taskbar, the menu and the match in it; and under a window manager, full-screen
and maximise requests leave the fixed-size windows as they were.

Usage: window_manager_e2e.py ZORVANE [WINDOW_MANAGER]   (none: a bare X server)"""

import subprocess
import sys

from xsession import Failure, px, run
from two_player_e2e import CELL, ENTRY, MATCH, MENU, QUIT, SPLASH, WINNER, centre, expect, place

# What a window manager can be asked to do to a window, what asks it, and
# whether the window is to stay in place too: a manager that resizes a window
# beyond the screen's edge moves it in first.
ENLARGE = [
    ("wmctrl -b add,fullscreen", lambda s, t: s.wmctrl(t, "-b", "add,fullscreen"), True),
    ("wmctrl -b add,maximized_vert,maximized_horz",
     lambda s, t: s.wmctrl(t, "-b", "add,maximized_vert,maximized_horz"), True),
    ("Alt+F11", lambda s, t: s.key(t, "alt+F11"), True),
    ("wmctrl -e 0,-1,-1,800,600", lambda s, t: s.wmctrl(t, "-e", "0,-1,-1,800,600"), False),
]
ENLARGED_STATES = {"FULLSCREEN", "MAXIMIZED_HORZ", "MAXIMIZED_VERT"}


def expect_centred(s, title, framed):
    """The window's outermost frame sits in the middle of the work area (to the
    pixel an odd size allows); a titled window under a manager has a real frame."""
    w = s.window(title)
    fx, fy, fw, fh = s.frame(w)
    cx, cy, cw, ch = s.origin(w)
    if framed:
        expect(fy < cy and fh > ch, f"'{title}' has no title bar: frame {(fx, fy, fw, fh)}, client {(cx, cy, cw, ch)}")
    else:
        expect((fx, fy, fw, fh) == (cx, cy, cw, ch), f"'{title}' is framed: {(fx, fy, fw, fh)} around {(cx, cy, cw, ch)}")
    ax, ay, aw, ah = s.work_area()
    off = (2 * fx + fw - (2 * ax + aw), 2 * fy + fh - (2 * ay + ah))  # twice the distance of the centres
    expect(all(abs(d) <= 2 for d in off),
           f"'{title}' is not centred: frame {(fx, fy, fw, fh)} in the work area {(ax, ay, aw, ah)}")


def expect_taskbar(s, title, listed):
    states = s.states(s.window(title))
    expect(("SKIP_TASKBAR" not in states) == listed,
           f"'{title}' is {'not ' if listed else ''}in the taskbar: {states}")


def expect_fixed(s, title):
    """Each request to enlarge the window leaves its frame and client as they were."""
    w = s.window(title)
    for name, ask, in_place in ENLARGE:
        before = (s.frame(w), s.origin(w))
        ask(s, title)
        s.settle(0.3)
        after = (s.frame(w), s.origin(w))
        if not in_place:
            before, after = [(f[2:], c[2:]) for f, c in (before, after)]
        expect(after == before, f"{name} changed '{title}' from {before} to {after}")
        states = set(s.states(w)) & ENLARGED_STATES
        expect(not states, f"'{title}' kept {sorted(states)} after {name}")


def check(s, title, shot, framed, listed, fixed=False):
    expect_centred(s, title, framed and s.manager is not None)
    expect_taskbar(s, title, listed)
    s.screenshot(shot)
    if fixed and s.manager:
        expect_fixed(s, title)


def play(s):
    s.window(SPLASH)
    s.settle(0.3)
    check(s, SPLASH, "splash", framed=False, listed=False)

    s.window(MENU, timeout=8)
    s.gone(SPLASH)
    check(s, MENU, "menu", framed=False, listed=True, fixed=True)

    s.click(MENU, *centre(1560, 2400, 780, 780))  # bug slot 2: no red piece to mistake for a point
    s.click(MENU, *centre(1830, 3630, 1215, 195))  # "2 player"
    s.window(ENTRY)
    s.settle(0.3)
    check(s, ENTRY, "entry", framed=True, listed=True, fixed=True)
    s.click(ENTRY, *centre(3000, 960, 750, 750))  # portrait 4, blue
    s.click(ENTRY, *centre(3360, 240, 1335, 495))  # OK
    s.gone(ENTRY)

    s.key(MENU, "Return")  # Play !
    s.window(MATCH)
    s.gone(MENU)
    s.settle(0.3)
    check(s, MATCH, "match", framed=True, listed=True, fixed=True)

    for n in (1, 4, 2, 5, 6, 9):
        place(s, n)
    s.click(MATCH, *CELL[6])
    s.move(MATCH, *CELL[3])
    s.click(MATCH, *CELL[3])  # 6 -> 3 completes 1-2-3
    s.window(WINNER)
    s.settle(0.3)
    check(s, WINNER, "winner", framed=False, listed=False)
    s.key(WINNER, "Return")
    s.gone(WINNER)

    # The control panel's click code lengthens the window downwards, its top
    # staying put; the longer window is just as fixed.
    match = s.window(MATCH)
    fx, fy, fw, fh = s.frame(match)
    for _ in range(5):
        s.click(MATCH, *centre(5940, 2180, 495, 375))
    for _ in range(2):
        s.click(MATCH, *centre(4800, 2075, 585, 585))
    s.settle(0.3)
    gx, gy, gw, gh = s.frame(match)
    expect(s.origin(match)[3] == px(6465 - 495), f"the panel did not lengthen the window: {s.origin(match)}")
    expect((gx, gy, gw) == (fx, fy, fw) and gh > fh, f"the frame went from {(fx, fy, fw, fh)} to {(gx, gy, gw, gh)}")
    if s.manager:
        expect_fixed(s, MATCH)
    s.screenshot("panel")

    s.close_window(MATCH)
    s.window(MENU)
    s.key(MENU, "Escape")
    s.window(QUIT)
    s.settle(0.3)
    check(s, QUIT, "quit", framed=True, listed=True)
    s.key(QUIT, "Return")
    s.game.wait(timeout=10)
    expect(s.game.returncode == 0, f"exit status {s.game.returncode}")


if __name__ == "__main__":
    manager = sys.argv[2] if len(sys.argv) > 2 else None
    if manager and subprocess.run(["which", manager], capture_output=True).returncode != 0:
        raise Failure(f"{manager} is missing: run scripts/setup")
    sys.exit(run(play, sys.argv[1], window_manager=manager))

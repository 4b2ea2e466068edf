#!/usr/bin/env python3
"""Takes a screenshot of every screen of the real program under Xvfb, into
docs/screens/ at a device pixel ratio of 1 and into docs/screens/2x/ at 2
(QT_SCALE_FACTOR=2), the same screens in the same states under the same names.

Usage: docs/screenshots.py [--scale 1|2|both] [path/to/zorvane]
       (default: both scales, build/release/zorvane)"""

import argparse
import os
import shutil
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

from xsession import XSession  # noqa: E402
from two_player_e2e import CELL, ENTRY, MATCH, MENU, QUIT, SPLASH, WINNER, centre  # noqa: E402

SCREENS = os.path.join(HERE, "screens")


def shoot(s, title, name):
    s.settle(0.3)
    s.capture(title, os.path.join(s.out, f"{name}.png"))


def take(program, scale):
    out = SCREENS if scale == 1 else os.path.join(SCREENS, f"{scale}x")
    os.makedirs(out, exist_ok=True)
    work = tempfile.mkdtemp(prefix="zorvane-shots-")
    # The screen grows with the scale, so the lengthened two-player window fits.
    s = XSession(program, work, width=1024 * scale, height=768 * scale, scale=scale)
    s.out = out
    try:
        s.start_game()
        s.window(SPLASH)
        shoot(s, SPLASH, "1-splash")
        s.window(MENU, timeout=8)
        s.click(MENU, *centre(1680, 1680, 2295, 285))
        s.key(MENU, "ctrl+a")
        s.type(MENU, "Alice")
        shoot(s, MENU, "2-menu")
        s.click(MENU, *centre(1830, 3630, 1215, 195))
        s.window(ENTRY)
        s.click(ENTRY, *centre(960, 240, 2175, 285))
        s.key(ENTRY, "ctrl+a")
        s.type(ENTRY, "Bob")
        s.click(ENTRY, *centre(3000, 960, 750, 750))
        shoot(s, ENTRY, "3-entry")
        s.click(ENTRY, *centre(3360, 240, 1335, 495))
        s.key(MENU, "Return")
        s.window(MATCH)
        for n in (1, 4, 2, 5, 6, 9):
            s.move(MATCH, *CELL[n])
            s.click(MATCH, *CELL[n])
        s.click(MATCH, *CELL[6])
        s.move(MATCH, *CELL[3])
        shoot(s, MATCH, "4-two-player")
        s.click(MATCH, *CELL[3])
        s.window(WINNER)
        shoot(s, WINNER, "5-winner")
        s.key(WINNER, "Return")
        s.gone(WINNER)
        # The panel's click code: five fives and two ones make the unlock count.
        for _ in range(5):
            s.click(MATCH, *centre(5940, 2180, 495, 375))
        for _ in range(2):
            s.click(MATCH, *centre(4800, 2075, 585, 585))
        shoot(s, MATCH, "6-two-player-panel")
        s.close_window(MATCH)
        s.window(MENU)
        s.key(MENU, "Return")
        s.window(MATCH)
        s.click(MATCH, *CELL[3])
        s.move(MATCH, *CELL[5])
        shoot(s, MATCH, "7-vs-computer")
        s.close_window(MATCH)
        s.window(MENU)
        s.key(MENU, "Escape")
        s.window(QUIT)
        shoot(s, QUIT, "8-quit")
        s.key(QUIT, "Return")
        s.game.wait(timeout=10)
    finally:
        s.close()
        shutil.rmtree(work, ignore_errors=True)
    print(f"screenshots in {out}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--scale", choices=("1", "2", "both"), default="both")
    parser.add_argument("program", nargs="?", default=os.path.join(HERE, "..", "build", "release", "zorvane"))
    args = parser.parse_args()
    for scale in (1, 2) if args.scale == "both" else (int(args.scale),):
        take(args.program, scale)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Takes a screenshot of every screen of the real program under Xvfb, into docs/screens/.

Usage: docs/screenshots.py [path/to/zorvane]   (default: build/release/zorvane)"""

import os
import shutil
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

from xsession import XSession  # noqa: E402
from two_player_e2e import CELL, ENTRY, MATCH, MENU, QUIT, SPLASH, WINNER, centre  # noqa: E402

OUT = os.path.join(HERE, "screens")


def shoot(s, title, name):
    s.settle(0.3)
    s.capture(title, os.path.join(OUT, f"{name}.png"))


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "release", "zorvane")
    os.makedirs(OUT, exist_ok=True)
    work = tempfile.mkdtemp(prefix="zorvane-shots-")
    s = XSession(program, work)
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
    print(f"screenshots in {OUT}")


if __name__ == "__main__":
    main()

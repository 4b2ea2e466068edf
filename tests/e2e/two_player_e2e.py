#!/usr/bin/env python3
"""The real program under Xvfb, played as two people would: the splash, the
menu, the second player's entry, six placements, a winning move, the
announcement, the next game, back to the menu and out through the quit dialog."""

import sys

from xsession import Failure, run

SPLASH = "Form1"
MENU = "De-Bugged !!!"
ENTRY = "Enter player 2 info."
MATCH = "Zorvane\u2122 - The Game"
WINNER = "Form1"
QUIT = "Quit?"

# Cell n's crossing of the board lines, in twips.
CELL = {n: (720 + 1560 * ((n - 1) % 3), 600 + 1560 * ((n - 1) // 3)) for n in range(1, 10)}
BLUE, GREEN = (0, 0, 255), (163, 232, 0)
PANEL = (248, 255, 206)
ARROW_ONE, ARROW_TWO = (4680, 2382), (4680, 3342)


def close_to(a, b, tolerance=40):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def expect(condition, message):
    if not condition:
        raise Failure(message)


def centre(left, top, width, height):
    return left + width // 2, top + height // 2


def place(s, n):
    """Hover the cell's point, see its blue marker, click it: a piece covers the cell."""
    s.move(MATCH, *CELL[n])
    expect(close_to(s.pixel(MATCH, *CELL[n]), BLUE), f"no blue marker over cell {n}: {s.pixel(MATCH, *CELL[n])}")
    s.click(MATCH, *CELL[n])
    colour = s.pixel(MATCH, *CELL[n])
    expect(not close_to(colour, BLUE) and not close_to(colour, (220, 30, 30), 60), f"no piece on cell {n}: {colour}")


def arrow_shown(s, where):
    return not close_to(s.pixel(MATCH, *where), PANEL, 12)


def play(s):
    s.window(SPLASH)
    s.screenshot("splash")
    s.window(MENU, timeout=8)
    s.gone(SPLASH)
    s.screenshot("menu")

    s.click(MENU, *centre(1680, 1680, 2295, 285))  # the name box
    s.key(MENU, "ctrl+a")
    s.type(MENU, "Alice")
    s.click(MENU, *centre(1560, 2400, 780, 780))  # bug slot 2
    s.click(MENU, *centre(1830, 3630, 1215, 195))  # "2 player"
    s.window(ENTRY)
    s.click(ENTRY, *centre(960, 240, 2175, 285))
    s.key(ENTRY, "ctrl+a")
    s.type(ENTRY, "Bob")
    s.click(ENTRY, *centre(3000, 960, 750, 750))  # portrait 4
    s.screenshot("entry")
    s.click(ENTRY, *centre(3360, 240, 1335, 495))  # OK
    s.gone(ENTRY)
    s.key(MENU, "Return")  # Play !
    s.window(MATCH)
    s.gone(MENU)
    s.settle(0.3)
    expect(arrow_shown(s, ARROW_ONE) and not arrow_shown(s, ARROW_TWO), "player one does not start")

    # Alice on 1, 2, 6; Bob on 4, 5, 9: no line while placing.
    for n in (1, 4, 2, 5, 6, 9):
        place(s, n)
    expect(arrow_shown(s, ARROW_ONE), "player one does not move first")
    s.screenshot("placed")

    s.click(MATCH, *CELL[6])  # select the piece on 6
    s.move(MATCH, *CELL[3])
    expect(close_to(s.pixel(MATCH, *CELL[3]), GREEN), f"no green marker on 3: {s.pixel(MATCH, *CELL[3])}")
    s.click(MATCH, *CELL[3])  # 6 -> 3 completes 1-2-3
    s.window(WINNER)
    s.settle(0.3)
    s.screenshot("winner")
    s.key(WINNER, "Return")
    s.gone(WINNER)

    # Markers stay until the pointer crosses the white board between the points.
    s.move(MATCH, 1500, 1100)
    for n in range(1, 10):
        colour = s.pixel(MATCH, *CELL[n])
        expect(close_to(colour, (220, 30, 30), 80), f"cell {n} not cleared: {colour}")
    expect(arrow_shown(s, ARROW_ONE) and not arrow_shown(s, ARROW_TWO), "the winner does not start the next game")
    place(s, 5)
    expect(arrow_shown(s, ARROW_TWO), "the turn did not pass after the winner's placement")
    s.screenshot("next-game")

    s.close_window(MATCH)
    s.window(MENU)
    s.gone(MATCH)
    s.key(MENU, "Escape")
    s.window(QUIT)
    s.screenshot("quit")
    s.key(QUIT, "Return")
    s.game.wait(timeout=10)
    expect(s.game.returncode == 0, f"exit status {s.game.returncode}")
    expect(s.titles() == [], f"windows left: {s.titles()}")


if __name__ == "__main__":
    sys.exit(run(play, sys.argv[1]))

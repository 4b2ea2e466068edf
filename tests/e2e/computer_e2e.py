#!/usr/bin/env python3
"""The real program under Xvfb against the computer on "Easy": the script
reads the board from the screen's pixels and plays until a game ends."""

import sys
import time

from xsession import Failure, run
from two_player_e2e import CELL, MENU, QUIT, centre, close_to, expect

MATCH = "Zorvane\u2122 - The Game"
WINNER = "Form1"
PANEL = (248, 255, 206)
COMPUTER_ARROW, PLAYER_ARROW = (4680, 2242), (4680, 3202)
# The strength options, inside their panel below the board at (240, 4140).
EASY, PERFECT = centre(240 + 90, 4140 + 30, 720, 240), centre(240 + 2670, 4140 + 30, 960, 240)
NEIGHBOURS = {1: (2, 4, 5), 2: (1, 5, 3), 3: (2, 6, 5), 4: (7, 1, 5), 5: (1, 2, 3, 4, 6, 7, 8, 9),
              6: (3, 5, 9), 7: (4, 5, 8), 8: (7, 5, 9), 9: (6, 5, 8)}
LINES = [(1, 2, 3), (4, 5, 6), (7, 8, 9), (1, 4, 7), (2, 5, 8), (3, 6, 9), (1, 5, 9), (3, 5, 7)]


def moves(mine, theirs):
    return [(f, t) for f in mine for t in NEIGHBOURS[f] if t not in mine and t not in theirs]


def wins(mine, to):
    return any(to in line and all(c in mine for c in line) for line in LINES)


def score(mine, theirs, depth):
    """Plain minimax from the mover's side: +1 a forced win, -1 a forced loss, 0 otherwise."""
    if depth == 0:
        return 0
    best = -1
    options = moves(mine, theirs)
    if not options:
        return 0
    for f, t in options:
        after = (mine - {f}) | {t}
        if wins(after, t):
            return 1
        best = max(best, -score(theirs, after, depth - 1))
        if best == 1:
            break
    return best


def choose(mine, theirs):
    options = moves(mine, theirs)
    ranked = sorted(options, key=lambda m: -(2 if wins((mine - {m[0]}) | {m[1]}, m[1])
                                               else score(theirs, (mine - {m[0]}) | {m[1]}, 5) * -1))
    return ranked[0]


def classify(colour):
    """The board point is pure red; the computer's olive beetle is greener than red, the player's weevil browner."""
    r, g, b = colour
    if r > 200 and g < 60 and b < 60:
        return "empty"
    return "computer" if g > r else "player"


def read_board(s):
    s.move(MATCH, 1500, 1100)  # over the white board: the markers go
    return {n: classify(s.average(MATCH, x, y)) for n, (x, y) in CELL.items()}


def shown(s, where):
    return not close_to(s.pixel(MATCH, *where), PANEL, 12)


def wait_for_players_turn(s, timeout=5.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if WINNER in s.titles():
            return False
        if shown(s, PLAYER_ARROW) and not shown(s, COMPUTER_ARROW):
            return True
        time.sleep(0.05)
    raise Failure("the computer never gave the turn back")


def play_until_the_end(s, most):
    """Plays the player's side; yields who won, or None when `most` moves pass without an end."""
    for _ in range(most):
        board = read_board(s)
        mine = {n for n, v in board.items() if v == "player"}
        theirs = {n for n, v in board.items() if v == "computer"}
        expect(len(mine) == 3 and len(theirs) == 3, f"board read as {board}")
        f, t = choose(mine, theirs)
        winning = wins((mine - {f}) | {t}, t)
        s.click(MATCH, *CELL[f])
        s.click(MATCH, *CELL[t])
        if not wait_for_players_turn(s):
            s.window(WINNER)
            return "player" if winning else "computer"
    return None


def quit_from_match(s):
    """Closes the match, then quits from the menu: the program ends cleanly."""
    s.close_window(MATCH)
    s.window(MENU)
    s.key(MENU, "Escape")
    s.window(QUIT)
    s.key(QUIT, "Return")
    s.game.wait(timeout=10)
    expect(s.game.returncode == 0, f"exit status {s.game.returncode}")


def play(s):
    s.window(MENU, timeout=8)
    s.click(MENU, *centre(1680, 1680, 2295, 285))
    s.key(MENU, "ctrl+a")
    s.type(MENU, "Carol")
    s.click(MENU, *centre(1560, 2400, 780, 780))  # the weevil, unlike the computer's beetle
    s.key(MENU, "Return")
    s.window(MATCH)
    s.settle(0.3)
    s.click(MATCH, *EASY)
    s.move(MATCH, 1500, 1100)
    opening = read_board(s)
    expect(opening == {1: "computer", 2: "player", 3: "player", 4: "player", 5: "empty", 6: "computer",
                       7: "empty", 8: "computer", 9: "empty"}, f"opening read as {opening}")
    s.screenshot("computer-opening")
    expect(play_until_the_end(s, 60) is not None, "no game ended in 60 moves against Easy")
    s.window(WINNER)
    s.settle(0.3)
    s.screenshot("computer-winner")
    s.key(WINNER, "Return")
    s.gone(WINNER)
    board = read_board(s)
    expect(sorted(n for n, v in board.items() if v == "player") == [2, 3, 4], f"no new opening: {board}")

    # Against "Perfect" the same player never gets a winning move.
    s.click(MATCH, *PERFECT)
    expect(play_until_the_end(s, 20) != "player", "the player beat Perfect")
    if WINNER in s.titles():
        s.key(WINNER, "Return")
        s.gone(WINNER)
    quit_from_match(s)


if __name__ == "__main__":
    sys.exit(run(play, sys.argv[1]))

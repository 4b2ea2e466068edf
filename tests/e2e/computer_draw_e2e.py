#!/usr/bin/env python3
"""The real program under Xvfb against "Perfect", played from the keyboard's
hint: Alt+P chooses the strength, H shows the solved game's best move and a
click on its marker plays it; Ctrl+Z takes a turn back. Neither side can win,
so the game ends in the announced draw by repetition."""

import sys

from xsession import Failure, run
from two_player_e2e import CELL, GREEN, MENU, close_to, expect
from computer_e2e import MATCH, WINNER, quit_from_match, read_board, wait_for_players_turn


def hinted_target(s):
    """The cell whose marker the hint showed."""
    targets = [n for n, where in CELL.items() if close_to(s.average(MATCH, *where, radius=3), GREEN, 30)]
    expect(len(targets) == 1, f"the hint shows markers on {targets}")
    return targets[0]


def play_hinted_move(s):
    """Yields False once the announcement is up."""
    s.key(MATCH, "h")
    s.settle(0.2)
    s.click(MATCH, *CELL[hinted_target(s)])
    return wait_for_players_turn(s)


def play(s):
    s.window(MENU, timeout=8)
    s.key(MENU, "Return")  # "Play !" with "vs Computer" preset
    s.window(MATCH)
    s.settle(0.3)
    s.key(MATCH, "alt+p")
    s.settle(0.1)

    # Undo: one turn forward, Ctrl+Z, and the board is as before.
    before = read_board(s)
    expect(play_hinted_move(s), "a game ended on the first move")
    expect(read_board(s) != before, "the hinted move changed nothing")
    s.key(MATCH, "ctrl+z")
    s.settle(0.2)
    expect(read_board(s) == before, f"Ctrl+Z left {read_board(s)}, not {before}")

    for moves in range(150):
        if not play_hinted_move(s):
            break
    else:
        raise Failure("no draw in 150 moves against Perfect")
    s.window(WINNER)
    s.settle(0.3)
    s.screenshot("computer-draw")
    s.key(WINNER, "Return")
    s.gone(WINNER)
    expect(sorted(n for n, v in read_board(s).items() if v == "player") == [2, 3, 4], "no new opening")
    quit_from_match(s)


if __name__ == "__main__":
    sys.exit(run(play, sys.argv[1]))

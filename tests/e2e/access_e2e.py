#!/usr/bin/env python3
"""The real program under Xvfb with a screen reader's view of it: a whole
two-player game and a move against the computer from the keyboard alone,
while the accessibility tree is read over AT-SPI, as a screen reader reads it. Runs on a session bus of its own
(dbus-run-session), where the accessibility bus starts on demand."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from xsession import Failure, run  # noqa: E402

MENU = "De-Bugged !!!"
ENTRY = "Enter player 2 info."
MATCH = "Zorvane\u2122 - The Game"
WINNER = "Form1"
QUIT = "Quit?"
NEIGHBOURS = {1: [2, 4, 5], 2: [1, 3, 5], 3: [2, 5, 6], 4: [1, 5, 7], 5: [1, 2, 3, 4, 6, 7, 8, 9],
              6: [3, 5, 9], 7: [4, 5, 8], 8: [5, 7, 9], 9: [5, 6, 8]}


def expect(condition, message):
    if not condition:
        raise Failure(message)


class Reader:
    """What a screen reader hears: the tree of the program and its events."""

    def __init__(self):
        Atspi.init()
        self.heard = []
        self.listener = Atspi.EventListener.new(self._on_event)
        for kind in ("object:property-change:accessible-name", "object:state-changed:focused"):
            self.listener.register(kind)

    def _on_event(self, event):
        try:
            name = event.source.get_name()
        except Exception:
            name = None
        self.heard.append((event.type, name))

    def pump(self, seconds=0.3):
        deadline = time.monotonic() + seconds
        context = GLib.MainContext.default()
        while time.monotonic() < deadline:
            while context.pending():
                context.iteration(False)
            time.sleep(0.01)

    def app(self, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                a = desktop.get_child_at_index(i)
                if a is not None and a.get_name() == "zorvane":
                    return a
            self.pump(0.1)
        raise Failure("the program is not on the accessibility bus")

    def window(self, name, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            app = self.app()
            for i in range(app.get_child_count()):
                w = app.get_child_at_index(i)
                if w is not None and w.get_name() == name and showing(w):
                    return w
            self.pump(0.1)
        raise Failure(f"no accessible window '{name}'")

    def names(self, kinds=None):
        """Names heard since the last call, of the given event kinds."""
        self.pump()
        got = [n for t, n in self.heard if kinds is None or any(t.startswith(k) for k in kinds)]
        self.heard.clear()
        return got


def showing(acc):
    return acc.get_state_set().contains(Atspi.StateType.SHOWING)


def descendants(acc):
    for i in range(acc.get_child_count()):
        c = acc.get_child_at_index(i)
        if c is None:
            continue
        yield c
        yield from descendants(c)


def find(acc, role, name=None):
    for c in descendants(acc):
        if c.get_role_name() == role and (name is None or c.get_name() == name):
            return c
    raise Failure(f"no {role} '{name}' under '{acc.get_name()}'")


def shown_without_name(window):
    return [f"{c.get_role_name()} at {c.get_index_in_parent()}" for c in descendants(window)
            if showing(c) and not c.get_name()]


def cells(board):
    return [board.get_child_at_index(i).get_name() for i in range(board.get_child_count())]


class Keyboard:
    """Keys as the keyboard sends them, to whatever window has the focus: the
    program itself must hand the focus on, with no window manager to help."""

    def __init__(self, session):
        self.s = session

    def __call__(self, *keys):
        self.s._xdotool("key", "--delay", 40, *keys)
        self.s.settle(0.2)

    def type(self, text):
        self.s._xdotool("type", "--delay", 30, text)
        self.s.settle(0.2)


def walk(key, cursor, cell):
    """The board cursor from one cell to another with the arrow keys."""
    row, column = divmod(cursor - 1, 3)
    to_row, to_column = divmod(cell - 1, 3)
    keys = ["Down" if to_row > row else "Up"] * abs(to_row - row)
    keys += ["Right" if to_column > column else "Left"] * abs(to_column - column)
    if keys:
        key(*keys)
    return cell


def play(s):
    reader = Reader()
    key = Keyboard(s)
    s.window(MENU, timeout=10)
    menu = reader.window("Zorvane\u2122 - main menu")
    expect(not shown_without_name(menu), f"unnamed on the menu: {shown_without_name(menu)}")
    find(menu, "push button", "Play !")
    find(menu, "text", "Your name")
    bugs = find(menu, "list", "Choose your bug")
    expect(cells(bugs) == ["a ladybird", "a dark weevil", "a green metallic beetle", "a cartoon bee"],
           f"bugs: {cells(bugs)}")

    # The menu from the keyboard: the name, the second bug, "2 player".
    key("Tab")
    key("ctrl+a")
    key.type("Alice")
    key("Tab", "Right")
    expect(bugs.get_child_at_index(1).get_state_set().contains(Atspi.StateType.SELECTED),
           "the second bug is not chosen")
    key("Tab", "Down")  # "2 player" opens the entry, with the focus in its name box
    s.window(ENTRY)
    entry = reader.window(ENTRY)
    expect(not shown_without_name(entry), f"unnamed on the entry: {shown_without_name(entry)}")
    key("ctrl+a")
    key.type("Bob")
    key("Tab", "End", "Tab", "space")  # the spider, then "OK"
    s.gone(ENTRY)
    key("Return")  # "Play !"
    s.window(MATCH)
    s.gone(MENU)
    s.settle(0.3)
    match = reader.window(MATCH)
    expect(find(match, "label", "Alice's score: 0") is not None, "no score for Alice")
    find(match, "image", "Alice's turn")
    reader.names()

    # The board: one Tab after "Start a new game !"; the cursor starts on the centre.
    key("Tab")
    board = find(match, "list", "Board")
    expect(cells(board)[4] == "Cell 5, a target", f"centre: {cells(board)[4]}")
    expect(cells(board)[0] == "Cell 1, empty", f"corner: {cells(board)[0]}")
    focused = reader.names(["object:state-changed:focused"])
    print("the board on taking the focus:", cells(board), "heard:", focused)
    expect("Cell 5, a target" in focused or "Board" in focused, f"focus not heard: {focused}")
    s.screenshot("board-focused")

    cursor = 5
    for n in (1, 2, 4, 3, 9, 6):  # Alice on 1, 4, 9; Bob on 2, 3, 6
        cursor = walk(key, cursor, n)
        key("space")
    expect(cells(board)[0] == "Cell 1, Alice's piece", f"cell 1: {cells(board)[0]}")
    expect(cells(board)[1] == "Cell 2, Bob's piece", f"cell 2: {cells(board)[1]}")
    heard = reader.names(["object:property-change:accessible-name"])
    print("board after the placements:", cells(board))
    print("heard while placing:", heard)
    for n, whose in ((1, "Alice"), (2, "Bob"), (6, "Bob")):
        expect(f"Cell {n}, {whose}'s piece" in heard, f"cell {n} not announced: {heard}")
    s.screenshot("placed")

    cursor = walk(key, cursor, 9)
    key("space")
    expect(cells(board)[8] == "Cell 9, Alice's piece, selected", f"cell 9: {cells(board)[8]}")
    cursor = walk(key, cursor, 8)
    expect(cells(board)[7] == "Cell 8, a target", f"cell 8: {cells(board)[7]}")
    key("space")
    cursor = walk(key, cursor, 6)
    key("space")
    cursor = walk(key, cursor, 5)
    key("Return")
    find(match, "image", "Alice's turn")
    cursor = walk(key, cursor, 8)
    key("space")
    cursor = walk(key, cursor, 7)
    key("space")  # 8 -> 7 completes 1-4-7
    s.window(WINNER)
    winner = reader.window("Congratulations FroggyFood Alice You Won!!!")
    print("announcement:", winner.get_role_name(), repr(winner.get_name()))
    expect(winner.get_role_name() == "alert", f"the announcement is a {winner.get_role_name()}")
    s.screenshot("winner")
    s.settle(0.3)
    key("Return")
    s.gone(WINNER)
    s.settle(0.3)
    expect(all(c.endswith("empty") or c.endswith("a target") for c in cells(board)), f"board: {cells(board)}")
    find(match, "label", "Alice's score: 1")

    # Against the computer, still from the keyboard: the new menu starts on
    # "vs Computer", with its player named "Player 1" again.
    s.close_window(MATCH)
    s.window(MENU)
    s.settle(0.3)
    key("Return")
    s.window(MATCH)
    s.settle(0.3)
    match = reader.window(MATCH)
    key("Tab")
    board = find(match, "list", "Board")
    before = cells(board)
    print("against the computer:", before)
    mine = [i + 1 for i, c in enumerate(before) if "Player 1's piece" in c]
    empty = [i + 1 for i, c in enumerate(before) if c.endswith("empty")]
    moves = [(a, b) for a in mine for b in empty if b in NEIGHBOURS[a]]
    expect(moves, f"no move for the player: {before}")
    a, b = moves[0]
    cursor = walk(key, 5, a)
    key("space")
    walk(key, cursor, b)
    expect(cells(board)[b - 1] == f"Cell {b}, a target", f"cell {b}: {cells(board)[b - 1]}")
    reader.names()
    key("space")
    theirs = lambda cs: sorted(i for i, c in enumerate(cs) if "Mr.Computer's piece" in c)
    deadline = time.monotonic() + 10  # the computer answers half a second later
    while theirs(cells(board)) == theirs(before) and time.monotonic() < deadline:
        reader.pump(0.1)
    after = cells(board)
    print("after the player's move and the computer's answer:", after)
    expect(after[b - 1] == f"Cell {b}, Player 1's piece", f"the player's move: {after}")
    expect(theirs(after) != theirs(before), f"the computer did not move: {after}")
    heard = reader.names(["object:property-change:accessible-name"])
    expect(any("Mr.Computer's piece" in (h or "") for h in heard), f"the computer's move was not heard: {heard}")

    # Out: the match closed as a window manager would, the menu's Esc, "Yes".
    s.close_window(MATCH)
    s.window(MENU)
    key("Escape")
    s.window(QUIT)
    quit_dialog = reader.window(QUIT)
    find(quit_dialog, "push button", "Yes")
    key("Return")
    s.game.wait(timeout=10)


def start(s):
    # The accessibility bus first, so the program finds it at start.
    Atspi.init()
    Atspi.get_desktop(0)
    s.env.update(QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")


if __name__ == "__main__":
    sys.exit(run(play, sys.argv[1], before=start))

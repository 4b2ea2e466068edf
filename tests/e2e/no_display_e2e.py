#!/usr/bin/env python3
"""The real program where it cannot show a window: DISPLAY unset, an X
display nobody serves, a platform plugin that is not there. Each time it
prints one line that says it cannot open a display and why, nothing else,
and exits with status 1 (not Qt's abort)."""

import os
import subprocess
import sys


def free_display():
    """A display number that no X server serves: no socket, no lock file."""
    for n in range(2000, 3000):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return f":{n}"
    raise RuntimeError("no free display number")


def main(program):
    base = {k: v for k, v in os.environ.items()
            if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_QPA_PLATFORMTHEME")}
    unserved = free_display()
    cases = [
        ("DISPLAY unset", {}, "DISPLAY is not set"),
        ("an X display nobody serves", {"DISPLAY": unserved},
         f"the X server at DISPLAY={unserved} does not answer"),
        ("a platform plugin that is not installed", {"DISPLAY": unserved, "QT_QPA_PLATFORM": "nosuchplatform"},
         'there is no platform plugin "nosuchplatform"'),
    ]
    failures = []
    for what, extra, reason in cases:
        try:
            done = subprocess.run([program], env=dict(base, **extra), capture_output=True, text=True, timeout=60,
                                  cwd="/")
        except subprocess.TimeoutExpired:
            failures.append(f"{what}: still running after a minute")
            continue
        lines = done.stderr.splitlines()
        if done.returncode != 1:
            failures.append(f"{what}: exit status {done.returncode}, not 1")
        if len(lines) != 1 or not lines[0].startswith("zorvane: cannot open a display: ") or reason not in lines[0]:
            failures.append(f"{what}: expected one line with '{reason}', got {lines}")
        if done.stdout:
            failures.append(f"{what}: wrote to standard output: {done.stdout!r}")
    for f in failures:
        print("FAILED:", f, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(os.path.abspath(sys.argv[1])))

"""The second player's entry card: painted streaks with white boxes under the
window's controls (name box, OK button, five piece pictures)."""

import random

from .paint import Canvas
from .texture import brush_stroke, painted_text

W, H = 323, 123
NAME_BOX = (64, 16, 209, 35)
OK_BOX = (224, 16, 313, 49)
PIECE_XS = (8, 72, 136, 200, 264)
PIECE_Y, PIECE_SIZE = 64, 50


def _white_box(px, x0, y0, x1, y1, margin=2.0):
    """A white box a little larger than the control, with a soft shadow."""
    px.rounded_rect(x0 - margin + 1.5, y0 - margin + 1.5, x1 + margin + 1.5, y1 + margin + 1.5, 3, (40, 40, 80, 60))
    px.rounded_rect(x0 - margin, y0 - margin, x1 + margin, y1 + margin, 3, "#ffffff")


def back_entry_card():
    rng = random.Random(2005)
    c = Canvas(W, H, "#fdf7ec")
    px = c.pixels()
    colours = ["#4a8fe2", "#f27ab4", "#66c046", "#3a78d0", "#f59ac6", "#82d05e"]
    # Long diagonal streaks, one colour after another.
    for i in range(16):
        y = -30 + i * 11 + rng.uniform(-3, 3)
        colour = colours[i % len(colours)]
        brush_stroke(px, [(-10, y + 40), (160, y + rng.uniform(8, 22)), (W + 10, y - 10)], 16, colour, rng,
                     bristles=12, ragged=0.08, jitter=16, alpha=(150, 230))
    for _ in range(8):
        x, y = rng.uniform(0, W), rng.uniform(0, H)
        brush_stroke(px, [(x, y), (x + rng.uniform(30, 70), y + rng.uniform(-12, 12))], 8, rng.choice(colours), rng,
                     bristles=8, jitter=14, alpha=(120, 200))
    _white_box(px, *NAME_BOX)
    _white_box(px, *OK_BOX)
    for x in PIECE_XS:
        _white_box(px, x, PIECE_Y, x + PIECE_SIZE, PIECE_Y + PIECE_SIZE, margin=1.5)
    face = "dejavu/DejaVuSans-Bold"
    # A pale halo behind the painted words keeps them readable on the streaks.
    halo = c.layer()
    hp = halo.pixels()
    hp.rounded_rect(4, 14, 60, 37, 6, (255, 255, 255, 150))
    hp.rounded_rect(4, 39, 214, 61, 6, (255, 255, 255, 150))
    halo.merge(1.0, blur=3.0)
    painted_text(c, 7, 26, "Name", face, 15, "#1d3f8f", rng, anchor="lm")
    painted_text(c, 9, 50.5, "Choose your bug!", face, 17, "#7a1f7a", rng, anchor="lm")
    return c.finish("#fdf7ec")

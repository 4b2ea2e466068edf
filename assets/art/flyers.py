"""Winged bugs: the bee, the red fly, the dragonfly and the wasp of the icon.

Same conventions as beetles.py: 100 x 100 design square, head up unless the
bug is drawn from the side.
"""

import math

from .beetles import INK, antennae, gloss, legs
from .paint import bezier, ellipse_points

WING_EDGE = (70, 110, 150, 230)


def wing(pen, cx, cy, rx, ry, angle, fill=(225, 240, 255, 170), edge=WING_EDGE, veins=True, width=1.2):
    pen.ellipse(cx, cy, rx, ry, fill, outline=edge, width=width, angle=angle)
    if veins:
        pts = ellipse_points(cx, cy, rx * 0.75, ry * 0.25, angle, n=4, start=180, end=360)
        pen.line([pts[0], pts[2], pts[-1]], (edge[0], edge[1], edge[2], 120), 0.8)


def stripes(canvas, box, shape, bands, colour=INK):
    """Bands (lists of points) painted only inside the outline `shape`."""
    layer = canvas.layer()
    lp = layer.pen(box)
    for band in bands:
        lp.polygon(band, colour)
    layer.clip(lp.mask(shape))
    layer.merge()


def draw_bee(canvas, box=None):
    """A round cartoon bee flying left, smiling."""
    pen = canvas.pen(box)
    wing(pen, 56, 26, 12, 19, -18, fill=(200, 230, 255, 215), width=1.8)
    wing(pen, 72, 30, 10, 16, 24, fill=(200, 230, 255, 215), width=1.8)
    for pts in ([(44, 80), (42, 90)], [(56, 84), (55, 94)], [(68, 82), (70, 92)]):
        pen.line(pts, INK, 3.0)
    pen.polygon([(90, 60), (99, 64), (89, 68)], INK, outline=INK, width=1.0)
    body = ellipse_points(60, 62, 30, 24, angle=-8)
    pen.shaded(body, "#fff27a", "#e09a00", (50, 52), 40, outline=INK, width=2.6)
    stripes(
        canvas,
        box,
        body,
        [
            [(52, 30), (62, 30), (58, 98), (48, 98)],
            [(70, 30), (80, 30), (76, 98), (66, 98)],
            [(86, 30), (100, 30), (100, 98), (84, 98)],
        ],
    )
    pen.polygon(body, None, INK, 1.3)
    antennae_pts = [(22, 34), (16, 20), (10, 14)]
    pen.line(antennae_pts, INK, 2.2)
    pen.circle(10, 14, 3, INK)
    pen.line([(32, 32), (32, 18), (26, 10)], INK, 2.2)
    pen.circle(26, 10, 3, INK)
    pen.shaded_ellipse(28, 50, 20, 19, "#fff6a0", "#e8a800", (22, 42), 28, outline=INK, width=2.6)
    for cx in (20, 33):
        pen.ellipse(cx, 46, 5, 6.5, "#ffffff", outline=INK, width=1.0)
        pen.circle(cx - 1.2, 47, 2.8, INK)
        pen.circle(cx - 2.2, 45.5, 1.0, "#ffffff")
    pen.line(bezier((19, 57), (26, 63), (34, 57)), INK, 2.0)
    pen.ellipse(14, 56, 3.5, 2, (255, 120, 120, 140))
    pen.ellipse(39, 56, 3.5, 2, (255, 120, 120, 140))
    shine = canvas.layer()
    gloss(shine.pen(box), 64, 47, 7, 3, angle=-10, alpha=150)
    shine.merge(0.8, blur=0.6)


def draw_red_fly(canvas, box=None):
    """A red winged insect, wings spread, from above."""
    pen = canvas.pen(box)
    legs(
        pen,
        [
            [(45, 36), (30, 28), (26, 18)],
            [(44, 42), (26, 46), (18, 42)],
            [(45, 48), (30, 64), (26, 76)],
        ],
        width=2.2,
    )
    antennae(pen, [(46, 10), (40, 3), (34, 1)], width=1.8)
    for side in (1, -1):
        dx = lambda x: 50 + side * (x - 50)  # noqa: E731
        wing(pen, dx(26), 38, 25, 10, -22 * side, fill=(212, 228, 250, 200), edge=(80, 110, 150, 255))
        wing(pen, dx(30), 56, 21, 8.5, 24 * side, fill=(212, 228, 250, 190), edge=(80, 110, 150, 255))
    abdomen = bezier((50, 46), (34, 52), (42, 80)) + bezier((42, 80), (50, 100), (58, 80)) + bezier(
        (58, 80), (66, 52), (50, 46)
    )
    pen.shaded(abdomen, "#ff7a5c", "#a3101a", (45, 58), 34, outline=INK, width=2.2)
    stripes(
        canvas,
        box,
        abdomen,
        [[(30, 60), (70, 60), (70, 64), (30, 64)], [(30, 71), (70, 71), (70, 75), (30, 75)],
         [(30, 82), (70, 82), (70, 86), (30, 86)]],
        colour=(110, 10, 20, 200),
    )
    pen.shaded_ellipse(50, 38, 11, 10, "#ff8066", "#a3101a", (46, 34), 16, outline=INK, width=2.2)
    pen.shaded_ellipse(50, 20, 10, 9, "#ff8066", "#a3101a", (47, 17), 14, outline=INK, width=2.0)
    for cx in (42, 58):
        pen.ellipse(cx, 19, 5, 6, "#3a1010", outline=INK, width=1.0)
        pen.circle(cx - 1.2, 17, 1.4, "#ffffff")
    shine = canvas.layer()
    gloss(shine.pen(box), 46, 56, 3, 7, angle=10, alpha=150)
    gloss(shine.pen(box), 46, 35, 4, 2, angle=-10, alpha=150)
    shine.merge(0.8, blur=0.5)


def draw_dragonfly(canvas, box=None):
    """A blue dragonfly from above: four long glassy wings, thin tail."""
    pen = canvas.pen(box)
    for side in (1, -1):
        dx = lambda x: 50 + side * (x - 50)  # noqa: E731
        for cx, cy, rx, ry, ang in ((26, 25, 24, 6.5, -8), (27, 37, 23, 7, 9)):
            wing(pen, dx(cx), cy, rx, ry, ang * side, fill=(205, 232, 255, 175), width=1.3)
            # The dark spot near each wing tip.
            a = math.radians(ang * side)
            tx, ty = dx(cx) - side * rx * 0.82 * math.cos(a), cy - side * rx * 0.82 * math.sin(a)
            pen.ellipse(tx, ty, 2.6, 1.4, (40, 70, 120, 220), angle=ang * side)
    tail = [(47.5, 38), (52.5, 38), (52, 92), (50, 97), (48, 92)]
    pen.shaded(tail, "#7fd0ff", "#0b3d99", (48, 50), 40, outline=INK, width=1.8)
    for y in range(46, 94, 7):
        pen.line([(47.6, y), (52.4, y)], (10, 30, 80, 220), 1.2, round_ends=False)
    pen.shaded_ellipse(50, 30, 6.5, 10, "#8fe0ff", "#0b4aa8", (48, 26), 14, outline=INK, width=1.8)
    pen.shaded_ellipse(50, 15, 10, 7, "#8fe0ff", "#0b4aa8", (47, 13), 12, outline=INK, width=1.6)
    for cx in (43, 57):
        pen.shaded_ellipse(cx, 13, 6, 6.5, "#9ff4ff", "#0a5a9a", (cx - 2, 11), 8, outline=INK, width=1.3)
        pen.circle(cx - 1.8, 11, 1.5, "#ffffff")


def draw_wasp(canvas, box=None, bold=1.0):
    """A black-and-grey wasp from above; bold thickens lines for tiny icons."""
    pen = canvas.pen(box)
    legs(
        pen,
        [
            [(45, 30), (30, 22), (24, 12)],
            [(44, 36), (26, 40), (16, 36)],
            [(45, 42), (30, 56), (24, 70)],
        ],
        width=2.6 * bold,
    )
    antennae(pen, [(45, 9), (36, 3), (28, 4)], width=2.2 * bold)
    grey_wing = (190, 196, 206, 190)
    edge = (40, 40, 48, 255)
    for side in (1, -1):
        dx = lambda x: 50 + side * (x - 50)  # noqa: E731
        wing(pen, dx(28), 38, 24, 8, 30 * side, fill=grey_wing, edge=edge, width=1.4 * bold)
        wing(pen, dx(33), 46, 18, 6, 42 * side, fill=grey_wing, edge=edge, width=1.2 * bold)
    abdomen = bezier((50, 44), (30, 50), (38, 78)) + bezier((38, 78), (46, 94), (50, 99)) + bezier(
        (50, 99), (54, 94), (62, 78)
    ) + bezier((62, 78), (70, 50), (50, 44))
    pen.shaded(abdomen, "#d8d8de", "#6a6a74", (44, 56), 38, outline=INK, width=2.4 * bold)
    stripes(
        canvas,
        box,
        abdomen,
        [[(30, 44), (70, 44), (70, 54), (30, 54)], [(30, 61), (70, 61), (70, 68), (30, 68)],
         [(30, 76), (70, 76), (70, 83), (30, 83)], [(30, 90), (70, 90), (70, 100), (30, 100)]],
        colour="#1b1b20",
    )
    pen.polygon(abdomen, None, INK, 1.2 * bold)
    pen.shaded_ellipse(50, 32, 10, 11, "#5a5a66", "#101014", (46, 28), 16, outline=INK, width=2.0 * bold)
    pen.shaded_ellipse(50, 15, 11, 9, "#5a5a66", "#101014", (46, 12), 14, outline=INK, width=2.0 * bold)
    for cx in (42, 58):
        pen.ellipse(cx, 14, 5, 6.5, "#9aa0ac", outline=INK, width=0.8 * bold)
        pen.circle(cx - 1.2, 12, 1.4, "#ffffff")

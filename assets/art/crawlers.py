"""The jumper and the eight-legged one: grasshopper (side view) and spider."""

from .beetles import INK, gloss
from .paint import bezier, ellipse_points, mirror


def draw_grasshopper(canvas, box=None):
    """A green grasshopper from the side, facing right, big hind leg raised."""
    pen = canvas.pen(box)
    dark, mid, light = "#2d6e17", "#5fb733", "#c4f27a"
    # Far-side legs first, darker.
    pen.line([(58, 64), (54, 76), (58, 84)], "#2d5a18", 2.4)
    pen.line([(40, 60), (30, 52), (40, 84)], "#2d5a18", 2.4)
    # Antennae sweep back over the body.
    pen.line(bezier((84, 38), (70, 6), (40, 8)), INK, 1.6)
    pen.line(bezier((88, 38), (84, 10), (60, 4)), INK, 1.6)
    body = bezier((10, 58), (12, 48), (30, 46)) + bezier((30, 46), (60, 40), (78, 44)) + bezier(
        (78, 44), (82, 62), (70, 66)
    ) + bezier((70, 66), (40, 70), (10, 58))
    pen.shaded(body, light, dark, (50, 48), 44, outline=INK, width=2.2)
    for x in (22, 30, 38, 46):
        pen.line(bezier((x, 50), (x - 2, 58), (x, 66)), (40, 90, 20, 170), 1.0)
    # Wing lying along the back.
    wing = bezier((16, 52), (30, 42), (66, 42)) + bezier((66, 42), (60, 50), (18, 56))
    pen.shaded(wing, "#8fcf4a", "#3a7a20", (40, 46), 30, outline=INK, width=1.4)
    # Neck shield and head.
    shield = bezier((60, 42), (70, 36), (80, 40)) + bezier((80, 40), (84, 54), (76, 62)) + bezier(
        (76, 62), (64, 62), (60, 42)
    )
    pen.shaded(shield, light, dark, (68, 44), 22, outline=INK, width=1.8)
    head = ellipse_points(86, 50, 10, 13, angle=-20)
    pen.shaded(head, light, dark, (84, 44), 18, outline=INK, width=2.0)
    pen.ellipse(88, 45, 4, 5, "#3b2a12", outline=INK, width=0.8, angle=-20)
    pen.circle(87, 43.5, 1.3, "#ffffff")
    pen.line(bezier((88, 58), (92, 60), (95, 57)), INK, 1.2)
    # Near-side front legs.
    pen.line([(72, 62), (78, 74), (84, 82)], INK, 2.4)
    pen.line([(62, 64), (62, 76), (66, 84)], INK, 2.4)
    # The big jumping leg: thigh up and back to the knee, shin down to the foot.
    thigh = bezier((56, 62), (50, 38), (18, 27)) + bezier((18, 27), (13, 32), (22, 38)) + bezier(
        (22, 38), (44, 50), (47, 66)
    )
    pen.shaded(thigh, "#b5ea6a", "#3f8f24", (40, 44), 26, outline=INK, width=2.4)
    # The herringbone ridges of the jumping thigh.
    for t in range(4):
        x = 26 + t * 6.5
        pen.line([(x, 32.5 + t * 3.2), (x + 3.5, 39 + t * 3.2)], (40, 100, 20, 200), 1.0)
    pen.line([(18, 31), (28, 62), (34, 85)], INK, 4.4)
    pen.line([(18, 31), (28, 62), (34, 85)], "#4a9a2a", 2.2)
    pen.line([(34, 85), (44, 87)], INK, 2.4)
    shine = canvas.layer()
    gloss(shine.pen(box), 44, 56, 10, 2.5, angle=-4, alpha=110)
    shine.merge(0.8, blur=0.5)


def draw_spider(canvas, box=None):
    """A grey spider from above with eight bent legs and a friendly face."""
    pen = canvas.pen(box)
    leg_colour = "#3a3a42"
    for i, (kx, ky, fx, fy) in enumerate([(26, 14, 16, 2), (18, 28, 4, 20), (18, 46, 3, 56), (24, 60, 12, 86)]):
        root = (45, 34 + i * 4)
        pts = [root, (kx, ky), (fx, fy)]
        pen.line(pts, INK, 4.4)
        pen.line(pts, leg_colour, 2.6)
        pen.line(mirror(pts), INK, 4.4)
        pen.line(mirror(pts), leg_colour, 2.6)
    abdomen = ellipse_points(50, 68, 21, 24)
    pen.shaded(abdomen, "#d4d4dc", "#55555f", (44, 60), 36, outline=INK, width=2.2)
    # Chevrons down the back.
    for y in (58, 68, 78):
        pen.line([(42, y - 4), (50, y + 2), (58, y - 4)], (60, 60, 70, 220), 2.0)
    pen.circle(50, 52, 2.2, (60, 60, 70, 220))
    pen.shaded_ellipse(50, 36, 14, 12, "#c8c8d0", "#50505a", (46, 32), 20, outline=INK, width=2.2)
    for cx in (44, 56):
        pen.ellipse(cx, 32, 4, 4.6, "#ffffff", outline=INK, width=0.8)
        pen.circle(cx, 33, 2.3, INK)
        pen.circle(cx - 0.8, 32, 0.8, "#ffffff")
    for cx in (39, 61):
        pen.circle(cx, 28.5, 1.3, INK)
    pen.line(bezier((45, 40), (50, 44), (55, 40)), INK, 1.4)
    pen.line([(46, 46), (45, 49)], INK, 1.8)
    pen.line([(54, 46), (55, 49)], INK, 1.8)
    shine = canvas.layer()
    gloss(shine.pen(box), 42, 58, 6, 4, angle=-30, alpha=150)
    shine.merge(0.8, blur=0.6)

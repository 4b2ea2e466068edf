"""Hard-shelled bugs seen from above: ladybirds and beetles.

Each draw_* function paints one bug, head up, into the 100 x 100 design
square of a pen (a Canvas or Layer pen).
"""

from .paint import bezier, ellipse_points, mirror, mix

INK = "#1b1612"


def legs(pen, pairs, colour=INK, width=3.2):
    """Jointed legs: each pair is a list of points for the left leg, mirrored."""
    for pts in pairs:
        pen.line(pts, colour, width)
        pen.line(mirror(pts), colour, width)


def antennae(pen, pts, colour=INK, width=2.2, club=0.0):
    pen.line(pts, colour, width)
    pen.line(mirror(pts), colour, width)
    if club:
        for x, y in (pts[-1], mirror(pts)[-1]):
            pen.circle(x, y, club, colour)


def gloss(layer_pen, cx, cy, rx, ry, angle=-30.0, alpha=170):
    """A soft white shine; draw it on a layer that is merged with a blur."""
    layer_pen.ellipse(cx, cy, rx, ry, (255, 255, 255, alpha), angle=angle)


def draw_ladybird(canvas, box=None, cartoon=False, eye_colour="#2f7de1"):
    """Red ladybird with a black head; cartoon adds big eyes and a smile."""
    pen = canvas.pen(box)
    legs(
        pen,
        [
            [(32, 44), (18, 38), (12, 28)],
            [(28, 60), (13, 60), (7, 54)],
            [(32, 76), (18, 84), (14, 93)],
        ],
    )
    antennae(pen, [(44, 16), (39, 9), (32, 6)], club=2.2)
    # Shell with the split between the wing cases.
    shell = ellipse_points(50, 58, 36, 35)
    pen.shaded(shell, "#ff6a4d", "#b3121b", (38, 44), 52, outline=INK, width=2.6)
    pen.line([(50, 30), (50, 92)], INK, 2.4)
    for cx, cy, r in [(34, 50, 6.5), (30, 71, 5.5), (43, 84, 4.5), (40, 38, 3.5)]:
        pen.circle(cx, cy, r, INK)
        pen.circle(100 - cx, cy, r, INK)
    # Head and the black shield behind it, with the white cheek marks.
    pen.ellipse(50, 31, 24, 10, INK)
    pen.ellipse(50, 21, 17, 12, INK, outline=INK, width=1.0)
    if cartoon:
        for cx in (42, 58):
            pen.ellipse(cx, 19, 6.5, 7.5, "#ffffff")
            pen.circle(cx + 0.8, 20, 3.6, eye_colour)
            pen.circle(cx + 0.8, 20, 1.7, INK)
            pen.circle(cx - 0.6, 18, 1.2, "#ffffff")
        pen.line(bezier((44, 27), (50, 31), (56, 27)), "#f2f2f2", 1.6)
    else:
        pen.ellipse(37, 30, 5, 3.2, "#f4f1ea")
        pen.ellipse(63, 30, 5, 3.2, "#f4f1ea")
        pen.ellipse(43, 17, 2.4, 2.0, "#6b6b6b")
        pen.ellipse(57, 17, 2.4, 2.0, "#6b6b6b")
    shine = canvas.layer()
    gloss(shine.pen(box), 34, 44, 11, 5.5)
    gloss(shine.pen(box), 66, 44, 5, 2.5, angle=30, alpha=110)
    shine.merge(0.8, blur=0.5)


def draw_olive_beetle(canvas, box=None):
    """An olive-green ground beetle: long wing cases, narrow neck shield."""
    pen = canvas.pen(box)
    legs(
        pen,
        [
            [(40, 36), (24, 30), (18, 18), (16, 12)],
            [(38, 50), (20, 52), (10, 46)],
            [(38, 64), (24, 76), (18, 92)],
        ],
        width=2.8,
    )
    antennae(pen, [(45, 16), (36, 8), (28, 6), (22, 2)], width=2.0)
    # Mandibles.
    pen.line([(46, 13), (44, 7), (48, 4)], INK, 2.4)
    pen.line([(54, 13), (56, 7), (52, 4)], INK, 2.4)
    dark, mid, light = "#3f4812", "#6f7d22", "#b9c45a"
    pen.shaded_ellipse(50, 16, 10, 8, light, dark, (46, 13), 14, outline=INK, width=2.0)
    neck = ellipse_points(50, 30, 17, 11)
    pen.shaded(neck, light, dark, (44, 26), 22, outline=INK, width=2.2)
    case = bezier((50, 40), (28, 38), (28, 78)) + bezier((30, 80), (36, 96), (50, 97))
    pen.shaded(case, light, dark, (38, 52), 48, outline=INK, width=2.2)
    pen.shaded(mirror(case), mix(light, mid, 0.4), dark, (60, 52), 48, outline=INK, width=2.2)
    pen.line([(50, 40), (50, 96)], INK, 2.0)
    # Fine grooves along each wing case.
    for dx in (7, 13):
        pen.line(bezier((50 - dx, 44), (50 - dx - 4, 68), (50 - dx + 2, 90)), (40, 46, 14, 150), 1.0)
        pen.line(bezier((50 + dx, 44), (50 + dx + 4, 68), (50 + dx - 2, 90)), (40, 46, 14, 150), 1.0)
    shine = canvas.layer()
    gloss(shine.pen(box), 40, 52, 4, 12, angle=8, alpha=150)
    gloss(shine.pen(box), 45, 27, 5, 2.5, angle=-10, alpha=150)
    shine.merge(0.8, blur=0.6)


def draw_weevil(canvas, box=None):
    """A dark brown weevil: round body, small shield and a long snout."""
    pen = canvas.pen(box)
    legs(
        pen,
        [
            [(40, 42), (24, 36), (18, 26)],
            [(36, 56), (18, 58), (10, 52)],
            [(38, 70), (24, 80), (20, 92)],
        ],
        colour="#2a1a10",
        width=3.0,
    )
    # Elbowed antennae from the middle of the snout, with clubs.
    antennae(pen, [(47, 14), (38, 12), (33, 4)], colour="#2a1a10", width=1.8, club=2.4)
    dark, mid, light = "#1e120a", "#4a2e1a", "#8a5a34"
    snout = [(45, 30), (46.5, 8), (50, 5), (53.5, 8), (55, 30)]
    pen.shaded(snout, light, dark, (48, 14), 18, outline=INK, width=1.8)
    pen.shaded_ellipse(50, 31, 9, 7, light, dark, (47, 28), 12, outline=INK, width=1.8)
    pen.shaded_ellipse(50, 44, 14, 10, light, dark, (45, 40), 20, outline=INK, width=2.0)
    body = ellipse_points(50, 70, 24, 27)
    pen.shaded(body, light, dark, (41, 60), 42, outline=INK, width=2.2)
    pen.line([(50, 46), (50, 96)], INK, 1.8)
    # Rows of pits on the wing cases.
    for row in range(6):
        y = 56 + row * 6.5
        for dx in (7, 14):
            if row == 5 and dx == 14:
                continue
            pen.circle(50 - dx, y, 1.1, (35, 20, 10, 190))
            pen.circle(50 + dx, y, 1.1, (35, 20, 10, 190))
    shine = canvas.layer()
    gloss(shine.pen(box), 40, 60, 4, 8, angle=20, alpha=120)
    gloss(shine.pen(box), 45, 41, 4, 2, angle=-10, alpha=120)
    shine.merge(0.8, blur=0.6)


def draw_metallic_beetle(canvas, box=None):
    """A broad green metallic chafer with rainbow shine."""
    pen = canvas.pen(box)
    legs(
        pen,
        [
            [(36, 38), (20, 30), (14, 20)],
            [(30, 54), (14, 54), (7, 47)],
            [(32, 70), (18, 82), (15, 93)],
        ],
        colour="#0d2a1c",
        width=3.2,
    )
    antennae(pen, [(45, 15), (38, 8), (33, 7)], colour="#0d2a1c", width=1.8)
    for x, y in ((33, 7), (67, 7)):
        pen.ellipse(x, y, 3.2, 1.8, "#0d2a1c")
    dark, mid, light = "#04331f", "#15a055", "#7ff0a0"
    pen.shaded_ellipse(50, 17, 11, 8, light, dark, (47, 14), 14, outline=INK, width=2.0)
    shield = bezier((28, 36), (32, 22), (50, 22)) + bezier((50, 22), (68, 22), (72, 36))
    pen.shaded(shield, "#8ff08a", "#064a2a", (42, 26), 30, outline=INK, width=2.2)
    case = bezier((50, 36), (22, 34), (22, 64)) + bezier((22, 66), (26, 94), (50, 96))
    pen.shaded(case, "#5fe08a", dark, (36, 50), 46, outline=INK, width=2.2)
    pen.shaded(mirror(case), "#3fd0b0", dark, (62, 50), 46, outline=INK, width=2.2)
    pen.line([(50, 36), (50, 95)], INK, 1.8)
    pen.ellipse(50, 38, 5, 3, "#0a5a34", outline=INK, width=1.0)
    shine = canvas.layer()
    sp = shine.pen(box)
    gloss(sp, 37, 52, 5, 13, angle=12, alpha=200)
    gloss(sp, 64, 60, 3, 9, angle=-12, alpha=110)
    gloss(sp, 42, 27, 6, 2.2, angle=-15, alpha=180)
    sp.ellipse(60, 80, 8, 5, (255, 210, 80, 90), angle=-30)
    shine.merge(0.85, blur=0.7)

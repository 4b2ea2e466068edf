"""The maker (Quarvel Games), its emblem, the two partner logos and the
game's title banner. All names here are made up for the game."""

import math

from .beetles import INK, draw_ladybird
from .paint import SS, Canvas, bezier, ellipse_points, mirror
from .texture import font

BOLD = "dejavu/DejaVuSans-Bold"
BOLD_NARROW = "dejavu/DejaVuSansCondensed-Bold"
SANS = "dejavu/DejaVuSans"
MAKER_GREEN = "#1f5e24"
MAKER_GOLD = "#f4b21c"


def write(pen, x, y, text, face, size, fill, anchor="la", stroke=0.0, stroke_fill=None, spacing=0.0):
    """Text in final pixels on a pixel pen; spacing adds px between letters."""
    f = font(face, size * SS)
    if not spacing:
        pen.text(x, y, text, f, fill, anchor, stroke, stroke_fill)
        return
    widths = [f.getlength(ch) / SS + spacing for ch in text]
    total = sum(widths) - spacing
    x0 = x - total / 2 if anchor[0] == "m" else x
    for ch, adv in zip(text, widths):
        pen.text(x0, y, ch, f, fill, "l" + anchor[1], stroke, stroke_fill)
        x0 += adv


def quarvel_beetle(pen, cx, cy, r):
    """The maker's mascot: a round golden beetle in a dark green disc."""
    pen.circle(cx, cy, r, MAKER_GREEN, outline="#ffffff", width=r * 0.07)
    k = r / 50.0

    def P(x, y):
        return (cx + (x - 50) * k, cy + (y - 50) * k)

    for pts in ([(40, 46), (24, 38), (20, 28)], [(38, 58), (20, 60), (16, 54)], [(40, 70), (26, 80), (24, 88)]):
        pen.line([P(*q) for q in pts], MAKER_GOLD, 5 * k)
        pen.line([P(*q) for q in mirror(pts)], MAKER_GOLD, 5 * k)
    for pts in ([(45, 22), (38, 12), (30, 12)],):
        pen.line([P(*q) for q in pts], MAKER_GOLD, 4 * k)
        pen.line([P(*q) for q in mirror(pts)], MAKER_GOLD, 4 * k)
    pen.polygon([P(*q) for q in ellipse_points(50, 27, 12, 9)], MAKER_GOLD)
    pen.polygon([P(*q) for q in ellipse_points(50, 60, 24, 28)], MAKER_GOLD)
    pen.line([P(50, 36), P(50, 86)], MAKER_GREEN, 3.2 * k)
    pen.polygon([P(*q) for q in ellipse_points(42, 50, 5, 9, angle=15)], "#ffe27a")


def _emblem_art(c, top=0.0):
    """The emblem (75 x 60) drawn with its top edge at y = top."""
    px = c.pixels()
    px.rect(0, top, 75, top + 60, "#ffffff")
    px.rect(3, top + 3, 72, top + 57, "#b9d94a")
    px.rect(3, top + 3, 72, top + 57, None, "#8fb52a", 0.6)
    quarvel_beetle(px, 37.5, top + 25, 18)
    ribbon = [(12, top + 42), (63, top + 42), (66, top + 47.5), (63, top + 53), (12, top + 53), (9, top + 47.5)]
    px.polygon(ribbon, MAKER_GREEN, outline="#ffffff", width=0.5)
    write(px, 37.5, top + 47.8, "QUARVEL", BOLD_NARROW, 8.2, "#ffffff", anchor="mm")


def emblem():
    """75 x 60: the maker's emblem on yellow-green, framed in white."""
    c = Canvas(75, 60, "#ffffff")
    _emblem_art(c)
    return c.finish("#ffffff")


def emblem_strip():
    """93 x 36: the top of the emblem on yellow, a slanted white tab beside it.

    It sits on the menu four pixels above the emblem itself, so the emblem is
    drawn four pixels down to line up with it."""
    c = Canvas(93, 36, "#ffe23a")
    _emblem_art(c, top=4)
    px = c.pixels()
    px.polygon([(80, 5), (93.5, 5), (93.5, 31), (74, 31)], "#ffffff", outline=INK, width=0.7)
    return c.finish("#ffe23a")


def maker_logo():
    """337 x 285: the maker's logo with two lines of lettering in a thin frame."""
    c = Canvas(337, 285, "#ffffff")
    px = c.pixels()
    px.rect(4, 4, 333, 281, None, INK, 0.6)
    quarvel_beetle(px, 168.5, 98, 62)
    write(px, 168.5, 204, "QUARVEL", BOLD, 50, MAKER_GREEN, anchor="ms", stroke=0.5, stroke_fill=MAKER_GREEN)
    px.rect(60, 214, 277, 216, MAKER_GOLD)
    write(px, 168.5, 248, "GAMES", BOLD, 24, INK, anchor="ms", spacing=9)
    return c.finish("#ffffff")


def partner_logo():
    """345 x 214: a partner's logo in blue on white (the splash clips the
    right and covers the bottom, so it keeps to the upper middle)."""
    c = Canvas(345, 214, "#ffffff")
    px = c.pixels()
    blue, pale = "#1f5fc8", "#5f9be8"
    cx, cy = 168, 66
    px.circle(cx, cy, 44, blue)
    # A white dragonfly-wing mark in the disc.
    for ang in (-28, 28, 152, 208):
        a = math.radians(ang)
        px.ellipse(cx + 20 * math.cos(a), cy + 20 * math.sin(a), 19, 7, "#ffffff", angle=ang)
    px.line([(cx, cy - 24), (cx, cy + 30)], "#ffffff", 6)
    px.circle(cx, cy - 26, 6, "#ffffff")
    write(px, cx, 160, "ONDRILLA", BOLD, 40, blue, anchor="ms")
    write(px, cx, 188, "interactive", SANS, 20, pale, anchor="ms", spacing=3)
    return c.finish("#ffffff")


def partner_logo_small():
    """273 x 110: a partner's logo in black and purple on white."""
    c = Canvas(273, 110, "#ffffff")
    px = c.pixels()
    purple = "#7a2fb0"
    cx, cy, r = 48, 55, 34
    hexagon = [(cx + r * math.cos(math.radians(60 * i + 30)), cy + r * math.sin(math.radians(60 * i + 30)))
               for i in range(6)]
    px.polygon(hexagon, purple)
    inner = [(cx + (x - cx) * 0.62, cy + (y - cy) * 0.62) for x, y in hexagon]
    px.polygon(inner, "#ffffff")
    px.circle(cx, cy + 3, 11, INK)
    px.circle(cx, cy - 10, 6, INK)
    px.line([(cx - 4, cy - 14), (cx - 10, cy - 22)], INK, 2)
    px.line([(cx + 4, cy - 14), (cx + 10, cy - 22)], INK, 2)
    write(px, 94, 62, "KELVOTH", BOLD, 34, INK, anchor="ls")
    write(px, 96, 88, "LABS", BOLD, 20, purple, anchor="ls", spacing=6)
    px.rect(182, 80, 262, 83, purple)
    return c.finish("#ffffff")


def title_banner():
    """302 x 109: "Zorvane" in red with grey depth, a trademark sign and
    THE GAME beneath, on a yellow and white ground."""
    c = Canvas(302, 109, "#ffffff")
    px = c.pixels()
    band = bezier((0, 0), (150, -6), (302, 0)) + [(302, 70)] + bezier((302, 70), (160, 96), (0, 66))
    px.polygon(band, "#ffe23a")
    px.polygon(bezier((0, 58), (150, 84), (302, 62)) + [(302, 70)] + bezier((302, 70), (160, 96), (0, 66)),
               "#ffc61a")
    # Sun rays fanning out from behind the word.
    for i in range(9):
        a = math.radians(200 + i * 17)
        px.polygon([(150, 40), (150 + 240 * math.cos(a - 0.05), 40 + 240 * math.sin(a - 0.05)),
                    (150 + 240 * math.cos(a + 0.05), 40 + 240 * math.sin(a + 0.05))], (255, 255, 255, 70))
    word, size, x, y = "Zorvane", 52, 14, 62
    for d in (4, 3, 2, 1):
        write(px, x + d, y + d, word, BOLD, size, "#7c7c84", anchor="ls", stroke=1.2, stroke_fill="#7c7c84")
    write(px, x, y, word, BOLD, size, "#e3262b", anchor="ls", stroke=1.4, stroke_fill="#55555c")
    write(px, 258, 26, "™", BOLD, 16, "#6a6a72", anchor="ls")
    # A ladybird has landed at the end of the word.
    draw_ladybird(c, (262, 34, 294, 66))
    write(px, 151, 96, "THE GAME", BOLD, 17, "#6a6a72", anchor="ms", spacing=5)
    for dx in (-84, 84):
        px.circle(151 + dx, 90, 3.2, "#e3262b", outline="#55555c", width=0.4)
    return c.finish("#ffffff")

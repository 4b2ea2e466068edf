"""Small pictures of the match and menu screens: board point, turn arrow,
trophy and close button."""

from PIL import Image, ImageDraw

from . import paint
from .paint import Canvas, bezier, mirror

POINT_RED = (255, 0, 0)
ARROW_GROUND = (252, 250, 196)


def cell_point():
    """18 x 18: a red square inside a one-pixel black rim, no smoothing."""
    k = paint.SCALE
    img = Image.new("RGB", (18 * k, 18 * k), (0, 0, 0))
    ImageDraw.Draw(img).rectangle((k, k, 17 * k - 1, 17 * k - 1), fill=POINT_RED)
    return img


def turn_arrow():
    """32 x 22: a chunky tan arrow pointing right on pale yellow."""
    c = Canvas(32, 22, ARROW_GROUND + (255,))
    pen = c.pixels()
    arrow = [(2.5, 7.5), (16.5, 7.5), (16.5, 2.0), (30.0, 11.0), (16.5, 20.0), (16.5, 14.5), (2.5, 14.5)]
    pen.shaded(arrow, "#f0cf98", "#b07e3e", (12, 8), 20, outline="#6e4a20", width=0.9)
    pen.line([(4, 9.2), (17.5, 9.2), (18, 5.5)], (255, 240, 210, 170), 1.0)
    return c.finish(ARROW_GROUND)


def trophy():
    """50 x 50: a golden cup with a blue tick on a grey-framed white tile."""
    c = Canvas(50, 50, "#8c8c8c")
    px = c.pixels()
    px.rect(2.5, 2.5, 47.5, 47.5, "#ffffff")
    px.rect(2.5, 2.5, 47.5, 47.5, None, "#c9c9c9", 0.6)
    pen = c.pen((3, 3, 47, 47))
    gold_in, gold_out, rim = "#fff2a0", "#c08a10", "#7a5200"
    for pts in ([(26, 24), (10, 24), (12, 40), (30, 50)],):
        handle = bezier(*pts)
        pen.line(handle, rim, 7.5)
        pen.line(handle, "#f0c040", 4.0)
        pen.line(mirror(handle), rim, 7.5)
        pen.line(mirror(handle), "#e0b030", 4.0)
    bowl = [(20, 14), (80, 14)] + bezier((80, 14), (80, 56), (56, 64)) + [(44, 64)] + bezier(
        (44, 64), (20, 56), (20, 14)
    )
    pen.shaded(bowl, gold_in, gold_out, (38, 26), 52, outline=rim, width=2.2)
    pen.ellipse(50, 14, 30, 4.5, "#ffe27a", outline=rim, width=1.6)
    pen.polygon([(45, 64), (55, 64), (54, 76), (46, 76)], "#e0a820", outline=rim, width=1.6)
    pen.polygon([(34, 84), (38, 76), (62, 76), (66, 84)], "#e8b530", outline=rim, width=1.6)
    pen.rect(28, 84, 72, 92, "#6e4a1e", outline="#3e2a10", width=1.6)
    pen.rect(40, 86, 60, 90, "#f0c860")
    tick = [(33, 38), (41, 33), (48, 42), (64, 22), (72, 28), (48, 54)]
    pen.polygon(tick, "#1d6fe0", outline="#ffffff", width=2.0)
    pen.polygon(tick, "#1d6fe0", outline="#0c3a8a", width=0.8)
    shine = c.layer()
    shine.pen((3, 3, 47, 47)).ellipse(30, 30, 4, 12, (255, 255, 255, 190), angle=12)
    shine.merge(0.8, blur=0.6)
    return c.finish("#ffffff")


def close_button(ground):
    """30 x 30: a grey cross on a white rounded square, corners in `ground`."""
    c = Canvas(30, 30, ground)
    px = c.pixels()
    px.rounded_rect(1.5, 1.5, 28.5, 28.5, 6, "#ffffff", outline="#a8a8a8", width=0.7)
    px.line([(9.5, 9.5), (20.5, 20.5)], "#6e6e6e", 3.4)
    px.line([(20.5, 9.5), (9.5, 20.5)], "#6e6e6e", 3.4)
    return c.finish(ground)

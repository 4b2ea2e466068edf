"""Screen backgrounds: the two match screens, the winner panel and the menu."""

import math
import random

from PIL import Image, ImageFilter

from .paint import Canvas, ellipse_points, linear_gradient, mix, rgba
from .texture import brush_stroke, clouds, colourise


def _grass(pen, rng, x0, x1, base_y, height, colour):
    """A fringe of grass blades standing on base_y (final px)."""
    x = x0
    while x < x1:
        h = height * rng.uniform(0.5, 1.0)
        lean = rng.uniform(-4, 4)
        c = mix(colour, "#d8ff8a", rng.uniform(0, 0.35))
        pen.polygon([(x - 2.2, base_y), (x + lean, base_y - h), (x + 2.2, base_y)], c)
        x += rng.uniform(2.5, 5)


def back_two_player():
    """587 x 446: blue gradient panel, lighter arch at the top, green strip
    along the right and bottom edges."""
    w, h = 587, 446
    rng = random.Random(2001)
    base = linear_gradient((w, h), [(0, "#5ea8f0"), (0.45, "#2a6ccc"), (1, "#0f3484")])
    cloud = clouds(w, h, rng, cells=(128, 64, 32, 16))
    soft = colourise(cloud, [(0, "#000000"), (1, "#ffffff")])
    base = Image.blend(base, Image.composite(base, soft, cloud.point(lambda v: 200)), 0.25)
    c = Canvas(w, h, (0, 0, 0, 0))
    c.img.paste(base.resize(c.img.size, Image.BICUBIC).convert("RGBA"))
    # A lighter arch spanning the top of the panel: a pale dome with a bright rim.
    arch = c.layer()
    ap = arch.pixels()
    dome = ellipse_points(282, 300, 250, 270, start=180, end=360)
    ap.polygon(dome, (170, 210, 255, 70))
    ap.line(dome, (200, 232, 255, 150), 30)
    ap.line(dome, (235, 248, 255, 130), 7)
    # The arch fades out before it reaches the grass.
    fade = linear_gradient(arch.img.size, [(0, "#ffffff"), (0.45, "#ffffff"), (0.68, "#000000"), (1, "#000000")])
    arch.clip(fade.convert("L"))
    arch.merge(0.9, blur=3.0)
    # The L-shaped green strip with a grass fringe and a few clover leaves.
    strip = c.layer()
    sp = strip.pixels()
    green = "#3f9a2c"
    sp.polygon([(530, 0), (w, 0), (w, h), (0, h), (0, 398), (530, 398)], green)
    sp.polygon([(536, 0), (w, 0), (w, h), (0, h), (0, 404), (536, 404)], "#4aa834")
    _grass(sp, rng, 0, 540, 400, 14, green)
    for y in range(4, 400, 5):
        hgt = rng.uniform(7, 14)
        c2 = mix(green, "#d8ff8a", rng.uniform(0, 0.35))
        sp.polygon([(532, y - 2.2), (532 - hgt, y + rng.uniform(-3, 3)), (532, y + 2.2)], c2)
    for cx, cy in ((560, 60), (566, 180), (556, 300), (120, 424), (300, 430), (470, 422), (570, 420)):
        for a in (0, 120, 240):
            r = math.radians(a - 90)
            sp.circle(cx + 4.5 * math.cos(r), cy + 4.5 * math.sin(r), 4.2, "#7ed957")
        sp.circle(cx, cy, 1.6, "#2f7a1e")
    strip.merge()
    return c.finish("#000000")


def back_vs_computer():
    """574 x 458: an abstract painting, orange and yellow blocks above a green
    band, a dark-framed blue square in the middle."""
    w, h = 574, 458
    rng = random.Random(2002)
    c = Canvas(w, h, "#f3d27a")
    pen = c.pixels()
    blocks = [
        (0, 0, 200, 150, "#f08a24"), (200, 0, 390, 120, "#ffd23a"), (390, 0, 574, 170, "#f4a632"),
        (0, 150, 150, 300, "#ffc83a"), (150, 120, 330, 300, "#ee7420"), (330, 170, 574, 300, "#ffdc5a"),
    ]
    for x0, y0, x1, y1, colour in blocks:
        pen.rect(x0, y0, x1, y1, colour)
        for y in range(int(y0) + 6, int(y1), 12):
            brush_stroke(pen, [(x0 - 6, y + rng.uniform(-3, 3)), (x1 + 6, y + rng.uniform(-3, 3))], 16, colour, rng,
                         bristles=10, jitter=26, alpha=(120, 220))
    # A few loose strokes across the block edges.
    for _ in range(6):
        x, y = rng.uniform(0, w), rng.uniform(10, 290)
        colour = rng.choice(["#d85c10", "#fff08a", "#f7b040"])
        brush_stroke(pen, [(x, y), (x + rng.uniform(60, 140), y + rng.uniform(-14, 14))], 18, colour, rng,
                     bristles=12, ragged=0.25, jitter=16, alpha=(50, 120))
    pen.rect(0, 300, w, h, "#4f9a34")
    for y in range(304, h + 8, 12):
        colour = rng.choice(["#4f9a34", "#3f8a2a", "#62ae3e"])
        brush_stroke(pen, [(-8, y + rng.uniform(-3, 3)), (w + 8, y + rng.uniform(-3, 3))], 16, colour, rng,
                     bristles=10, jitter=22, alpha=(130, 230))
    pen.rect(0, 296, w, 306, (60, 110, 40, 120))
    # The framed blue square.
    pen.rect(212, 154, 362, 304, "#23242e")
    pen.rect(224, 166, 350, 292, "#2f6fd0")
    for y in range(170, 292, 9):
        brush_stroke(pen, [(226, y), (348, y + rng.uniform(-2, 2))], 12, rng.choice(["#2f6fd0", "#3d80e0", "#275fc0"]),
                     rng, bristles=8, jitter=18, alpha=(120, 220))
    img = c.finish("#f3d27a")
    return img.filter(ImageFilter.SMOOTH)


def back_winner():
    """320 x 246: a red panel brushed onto white, ragged at every edge."""
    w, h = 320, 246
    rng = random.Random(2003)
    c = Canvas(w, h, "#ffffff")
    pen = c.pixels()
    reds = ["#e0281e", "#d21c16", "#e8321f", "#cc1a18", "#ea4028"]
    y = 18.0
    while y < 230:
        # Strokes near the top and bottom are shorter, so every edge frays.
        edge = min(y - 18, 230 - y) / 106
        x0 = rng.uniform(4, 24) + (1 - edge) * rng.uniform(0, 18)
        x1 = rng.uniform(w - 24, w - 4) - (1 - edge) * rng.uniform(0, 18)
        brush_stroke(pen, [(x0, y), ((x0 + x1) / 2, y + rng.uniform(-3, 3)), (x1, y + rng.uniform(-3, 3))], 20,
                     rng.choice(reds), rng, bristles=18, ragged=0.05, jitter=12, alpha=(210, 255))
        y += rng.uniform(9, 12)
    for _ in range(6):
        yy = rng.uniform(30, 220)
        brush_stroke(pen, [(30, yy), (290, yy + rng.uniform(-10, 10))], 12, "#a80f14", rng, bristles=10,
                     ragged=0.2, jitter=10, alpha=(30, 70))
    return c.finish("#ffffff")


def back_menu():
    """457 x 343: a cloudy yellow-green field inside a thin yellow rounded border."""
    w, h = 457, 343
    rng = random.Random(2004)
    field = colourise(
        clouds(w, h, rng, cells=(96, 48, 24, 12, 6)),
        [(0, "#8fbf2a"), (0.45, "#b8d84a"), (0.75, "#d6ea7a"), (1, "#f2f8b8")],
    )
    c = Canvas(w, h, (0, 0, 0, 0))
    c.img.paste(field.resize(c.img.size, Image.BICUBIC).convert("RGBA"))
    px = c.pixels()
    px.rounded_rect(5, 5, w - 5, h - 5, 18, None, "#ffe23a", 1.6)
    px.rounded_rect(5, 5, w - 5, h - 5, 18, None, (255, 250, 190, 255), 0.6)
    return c.finish("#000000")


def ground_at(img, box_fraction):
    """Mean colour of a region of img given as fractions (x0, y0, x1, y1)."""
    w, h = img.size
    x0, y0, x1, y1 = box_fraction
    region = img.crop((round(x0 * w), round(y0 * h), round(x1 * w), round(y1 * h))).convert("RGB")
    r, g, b = (sum(ch.getdata()) / (region.width * region.height) for ch in region.split())
    return rgba((round(r), round(g), round(b)))

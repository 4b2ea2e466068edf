"""Painted head-and-shoulders portraits of four made-up players, used as the
menu's alternative piece pictures."""

import random

from PIL import Image

from .beetles import draw_ladybird
from . import paint
from .paint import SS, Canvas, bezier, ellipse_points, mix
from .texture import brush_stroke, value_noise

PEOPLE = {
    "menu_alt1": dict(size=(253, 253), seed=3101, ground=("#bfeee6", "#3aa69a"), skin="#f6d2b8",
                      hair="#9a4220", hair_style="curls", shirt="#3f9a4a", eyes="#6a3e1e", clip=True),
    "menu_alt2": dict(size=(282, 283), seed=3102, ground=("#fff1a8", "#e9b227"), skin="#8d5a3b",
                      hair="#1d1512", hair_style="short", shirt="#e8722a", eyes="#2a1a10", beard=True),
    "menu_alt3": dict(size=(135, 135), seed=3103, ground=("#ffd6e6", "#e9719e"), skin="#e0a57a",
                      hair="#18141a", hair_style="bun", shirt="#3a6fd0", eyes="#2a1a12"),
    "menu_alt4": dict(size=(302, 316), seed=3104, ground=("#d8f0b0", "#6aa83a"), skin="#f1c6a4",
                      hair="#c9c9cc", hair_style="bald", shirt="#8a2a3a", eyes="#3a5a8a", glasses=True,
                      moustache=True),
}

OUTLINE = "#4a2a1a"


def _ground(c, pen, p, rng):
    light, dark = p["ground"]
    pen.shaded([(-40, -40), (140, -40), (140, 140), (-40, 140)], light, dark, (38, 30), 95)
    for _ in range(26):
        x, y = rng.uniform(-10, 110), rng.uniform(-10, 110)
        colour = mix(light, dark, rng.uniform(0.1, 0.9))
        brush_stroke(pen, [(x, y), (x + rng.uniform(10, 30), y + rng.uniform(-8, 8))], rng.uniform(5, 10), colour,
                     rng, bristles=8, jitter=10, alpha=(40, 110))


def _hair_back(pen, p):
    h, style = p["hair"], p["hair_style"]
    if style == "curls":
        for cx, cy, r in [(24, 40, 11), (22, 56, 11), (26, 70, 10), (76, 40, 11), (78, 56, 11), (74, 70, 10),
                          (32, 24, 12), (68, 24, 12), (50, 16, 14)]:
            pen.shaded_ellipse(cx, cy, r, r, mix(h, "#ffffff", 0.25), mix(h, "#000000", 0.35), (cx - 3, cy - 3), r * 1.6)
    elif style == "bun":
        pen.shaded_ellipse(50, 10, 11, 9, mix(h, "#ffffff", 0.25), h, (46, 7), 14)
        pen.ellipse(50, 36, 25, 22, h)


def _hair_front(pen, p):
    h, style = p["hair"], p["hair_style"]
    hl, hd = mix(h, "#ffffff", 0.3), mix(h, "#000000", 0.3)
    if style == "curls":
        for cx, cy, r in [(36, 22, 8), (46, 19, 8), (56, 19, 8), (65, 23, 8), (30, 30, 7), (70, 31, 7)]:
            pen.shaded_ellipse(cx, cy, r, r, hl, hd, (cx - 2, cy - 3), r * 1.6)
    elif style == "short":
        cap = ellipse_points(50, 38, 23.5, 22, start=180, end=360) + [(73, 40), (70, 33), (30, 33), (27, 40)]
        pen.shaded(cap, hl, hd, (44, 22), 30)
    elif style == "bun":
        fringe = bezier((26, 44), (26, 16), (52, 16)) + bezier((52, 16), (76, 16), (74, 44)) + bezier(
            (74, 44), (66, 28), (48, 30)
        ) + bezier((48, 30), (34, 32), (26, 44))
        pen.shaded(fringe, hl, hd, (40, 20), 34)
    elif style == "bald":
        for side in (-1, 1):
            for dy, r in ((0, 7.5), (7, 5.5)):
                tuft = ellipse_points(50 + side * 21, 32 + dy, 3.6, r, angle=side * 25)
                pen.shaded(tuft, "#f4f4f6", "#a0a0a6", (50 + side * 20, 30 + dy), 10)


def _face(pen, p):
    skin = p["skin"]
    dark = mix(skin, "#5a2a1a", 0.35)
    light = mix(skin, "#ffffff", 0.3)
    # Shoulders and neck.
    shirt = p["shirt"]
    body = [(2, 104), (4, 90)] + bezier((4, 90), (10, 78), (34, 74)) + [(66, 74)] + bezier(
        (66, 74), (90, 78), (96, 90)
    ) + [(98, 104)]
    pen.shaded(body, mix(shirt, "#ffffff", 0.3), mix(shirt, "#000000", 0.3), (36, 80), 60)
    pen.polygon([(42, 58), (58, 58), (59, 78), (50, 84), (41, 78)], dark)
    if p["hair_style"] == "bald":
        pen.polygon([(38, 74), (50, 90), (62, 74), (58, 72), (50, 82), (42, 72)], "#f4f4f4")
    else:
        pen.polygon(bezier((38, 74), (50, 88), (62, 74)), mix(shirt, "#000000", 0.25))
        pen.polygon(bezier((41, 74), (50, 84), (59, 74)), dark)
    # Ears, head.
    for x in (27.5, 72.5):
        pen.shaded_ellipse(x, 47, 4.5, 7, light, dark, (x, 45), 8)
    head = ellipse_points(50, 44, 22.5, 26)
    pen.shaded(head, light, dark, (44, 36), 34)
    # Eyes, brows, nose, mouth, cheeks.
    for x in (41, 59):
        pen.ellipse(x, 46, 4.6, 3.0, "#fbf8f4")
        pen.circle(x, 46.2, 2.5, p["eyes"])
        pen.circle(x, 46.2, 1.1, "#120a08")
        pen.circle(x - 0.9, 45.3, 0.7, "#ffffff")
        pen.line(ellipse_points(x, 46, 4.8, 3.2, start=195, end=345, n=24), OUTLINE, 0.9)
    brow = mix(p["hair"], "#2a1a10", 0.4) if p["hair_style"] != "bald" else "#8a8a90"
    pen.line(bezier((36, 40), (41, 37), (46, 39.5)), brow, 1.6)
    pen.line(bezier((54, 39.5), (59, 37), (64, 40)), brow, 1.6)
    pen.line(bezier((50, 48), (47.5, 55), (51, 56)), mix(dark, OUTLINE, 0.3), 1.0)
    for x in (37, 63):
        pen.ellipse(x, 55, 4.5, 2.6, (240, 110, 110, 70))
    if p.get("beard"):
        beard = bezier((28, 48), (30, 76), (50, 76)) + bezier((50, 76), (70, 76), (72, 48)) + bezier(
            (72, 48), (68, 66), (50, 66)
        ) + bezier((50, 66), (32, 66), (28, 48))
        pen.shaded(beard, mix(p["hair"], "#ffffff", 0.2), p["hair"], (44, 66), 26)
    smile = bezier((43, 61), (50, 67), (57, 61))
    pen.polygon(smile, "#8a2a2a")
    pen.polygon(bezier((44.5, 61.6), (50, 64), (55.5, 61.6)), "#ffffff")
    pen.line(smile, "#6a1e1e", 0.8)
    if p.get("moustache"):
        pen.polygon(bezier((40, 61), (50, 53), (60, 61)) + bezier((60, 61), (50, 58.5), (40, 61)), "#d8d8dc",
                    outline="#a0a0a6", width=0.5)
    if p.get("glasses"):
        for x in (41, 59):
            pen.circle(x, 46, 6.5, None, "#3a2a20", 0.8)
        pen.line([(47.5, 45.5), (52.5, 45.5)], "#3a2a20", 1.2)


def portrait(key):
    p = PEOPLE[key]
    w, h = p["size"]
    rng = random.Random(p["seed"])
    c = Canvas(w, h, "#ffffff")
    pen = c.pen()
    _ground(c, pen, p, rng)
    _hair_back(pen, p)
    _face(pen, p)
    _hair_front(pen, p)
    if p.get("clip"):
        draw_ladybird(c, _box(c, 62, 10, 80, 28))
    img = c.finish("#ffffff")
    # A faint canvas grain gives the flat gradients a painted surface.
    grain = value_noise(img.width, img.height, 2 * paint.SCALE, rng).convert("RGB")
    return Image.blend(img, Image.blend(img, grain, 0.5), 0.07)


def _box(c, x0, y0, x1, y1):
    """Design-square box (0..100 units) in final pixels for a nested bug."""
    pen = c.pen()
    (a, b), (d, e) = pen.p(x0, y0), pen.p(x1, y1)
    return (a / SS, b / SS, d / SS, e / SS)

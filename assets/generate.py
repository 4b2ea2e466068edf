#!/usr/bin/python3
"""Draws every built-in picture of the game into assets/generated/, and
each one again at twice its size into assets/generated/2x/ for
high-density screens.

Run from anywhere: /usr/bin/python3 assets/generate.py [key ...]
Every random choice is seeded, so two runs write byte-identical files.
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art import backgrounds, beetles, branding, crawlers, flyers, icons, paint, portraits, tiles  # noqa: E402
from art.entry_card import back_entry_card  # noqa: E402
from art.formats import save_bmp, save_ico, save_jpeg, save_png  # noqa: E402
from art.paint import Canvas  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "generated")
# The twice-size set: JPEG stays JPEG; a bitmap becomes a PNG, lossless like
# the bitmap but compressed, so that the program stays small. Icons hold
# several sizes already and have no second set.
OUT_2X = os.path.join(OUT, "2x")
FORMAT_2X = {"jpg": ("jpg", save_jpeg), "bmp": ("png", save_png)}


def bug(draw, w, h, **kw):
    """A bug on white, filling a w x h picture."""

    def make():
        c = Canvas(w, h, "#ffffff")
        draw(c, (0.5, 0.5, w - 0.5, h - 0.5), **kw)
        return c.finish("#ffffff")

    return make


def close_button():
    # The button sits on the menu's top-right corner; its corners take the
    # colour of the menu background there (the menu is stretched to 337 x 285).
    ground = backgrounds.ground_at(backgrounds.back_menu(), (309 / 337, 6 / 285, 331 / 337, 28 / 285))
    return tiles.close_button(ground)


# key: (format, width, height, drawing)
CATALOGUE = {
    "icon_main": ("ico", None, None, icons.icon_main_entries),
    "icon_entry": ("ico", None, None, icons.icon_entry_entries),
    "piece_beetle": ("jpg", 48, 48, bug(beetles.draw_olive_beetle, 48, 48)),
    "piece_ladybird": ("jpg", 50, 50, bug(beetles.draw_ladybird, 50, 50)),
    "cell_point": ("bmp", 18, 18, tiles.cell_point),
    "turn_arrow": ("bmp", 32, 22, tiles.turn_arrow),
    "back_two_player": ("bmp", 587, 446, backgrounds.back_two_player),
    "partner_logo_small": ("bmp", 273, 110, branding.partner_logo_small),
    "back_vs_computer": ("jpg", 574, 458, backgrounds.back_vs_computer),
    "trophy": ("jpg", 50, 50, tiles.trophy),
    "back_winner": ("bmp", 320, 246, backgrounds.back_winner),
    "back_entry_card": ("bmp", 323, 123, back_entry_card),
    "entry_piece1": ("bmp", 44, 42, bug(flyers.draw_red_fly, 44, 42)),
    "entry_piece2": ("bmp", 50, 48, bug(crawlers.draw_grasshopper, 50, 48)),
    "entry_piece3": ("bmp", 47, 45, bug(beetles.draw_ladybird, 47, 45, cartoon=True)),
    "entry_piece4": ("bmp", 51, 49, bug(flyers.draw_dragonfly, 51, 49)),
    "entry_piece5": ("bmp", 47, 44, bug(crawlers.draw_spider, 47, 44)),
    "maker_logo": ("bmp", 337, 285, branding.maker_logo),
    "partner_logo": ("jpg", 345, 214, branding.partner_logo),
    "emblem_strip": ("bmp", 93, 36, branding.emblem_strip),
    "title_banner": ("bmp", 302, 109, branding.title_banner),
    "emblem": ("bmp", 75, 60, branding.emblem),
    "menu_piece2": ("jpg", 50, 50, bug(beetles.draw_weevil, 50, 50)),
    "menu_piece3": ("jpg", 50, 50, bug(beetles.draw_metallic_beetle, 50, 50)),
    "menu_piece4": ("jpg", 48, 48, bug(flyers.draw_bee, 48, 48)),
    "menu_alt1": ("jpg", 253, 253, lambda: portraits.portrait("menu_alt1")),
    "menu_alt2": ("jpg", 282, 283, lambda: portraits.portrait("menu_alt2")),
    "menu_alt3": ("jpg", 135, 135, lambda: portraits.portrait("menu_alt3")),
    "menu_alt4": ("jpg", 302, 316, lambda: portraits.portrait("menu_alt4")),
    "close_button": ("jpg", 30, 30, close_button),
    "back_menu": ("bmp", 457, 343, backgrounds.back_menu),
}


def draw(key, scale):
    fmt, w, h, make = CATALOGUE[key]
    paint.set_scale(scale)
    try:
        picture = make()
    finally:
        paint.set_scale(1)
    if fmt != "ico" and picture.size != (w * scale, h * scale):
        raise SystemExit(f"{key}: drew {picture.size} at {scale}x, expected {(w * scale, h * scale)}")
    return picture


def main(keys):
    os.makedirs(OUT_2X, exist_ok=True)
    for key in keys or CATALOGUE:
        fmt = CATALOGUE[key][0]
        path = os.path.join(OUT, f"{key}.{fmt}")
        picture = draw(key, 1)
        if fmt == "ico":
            save_ico(picture, path)
        else:
            (save_jpeg if fmt == "jpg" else save_bmp)(picture, path)
        print(path)
        if fmt in FORMAT_2X:
            ext, save = FORMAT_2X[fmt]
            path = os.path.join(OUT_2X, f"{key}.{ext}")
            save(draw(key, 2), path)
            print(path)


if __name__ == "__main__":
    main(sys.argv[1:])

"""Window icons: the program's wasp and the entry screen's pixel ladybird."""

from PIL import Image

from .beetles import draw_ladybird
from .flyers import draw_wasp
from .paint import Canvas

# Left halves of a 16 x 16 ladybird, mirrored for the right half.
LADYBIRD_16 = [
    "....K...",
    ".....K..",
    "....KKKK",
    "...KWWKK",
    "...KWBKK",
    "..KKKKKK",
    "..KRRRRK",
    ".KRHHRRK",
    "KKRHRRRK",
    ".KRRKKRK",
    "KKRRKKRK",
    ".KRRRRRK",
    "KKKKRRRK",
    "..KKRRRK",
    "...KKRRK",
    ".....KKK",
]
PIXEL_COLOURS = {
    "K": (20, 16, 14, 255),
    "R": (226, 30, 30, 255),
    "H": (255, 140, 130, 255),
    "W": (255, 255, 255, 255),
    "B": (40, 110, 230, 255),
    ".": (0, 0, 0, 0),
}


def _pixel_art(rows):
    img = Image.new("RGBA", (16, 16))
    for y, half in enumerate(rows):
        line = half + half[::-1]
        for x, ch in enumerate(line):
            img.putpixel((x, y), PIXEL_COLOURS[ch])
    return img


def _sharp(img):
    """Alpha cut to fully on or off, as a palette icon will show it."""
    a = img.getchannel("A").point(lambda v: 255 if v >= 128 else 0)
    out = img.copy()
    out.putalpha(a)
    return out


def wasp(size):
    c = Canvas(size, size, (0, 0, 0, 0))
    # Small icons need bolder lines to survive the shrink.
    draw_wasp(c, (0.5, 0.5, size - 0.5, size - 0.5), bold=1.5 if size <= 32 else 1.2)
    return c.finish()


def ladybird(size):
    if size == 16:
        return _pixel_art(LADYBIRD_16)
    c = Canvas(size, size, (0, 0, 0, 0))
    draw_ladybird(c, (0, 0, size, size), cartoon=True, eye_colour="#2a6ee6")
    return _coarse(_sharp(c.finish()))


# The few flat colours of the pixel ladybird; the larger icon is snapped to them.
COARSE_PALETTE = [(20, 16, 14), (90, 30, 24), (160, 20, 24), (226, 30, 30), (250, 90, 70), (255, 170, 160),
                  (255, 255, 255), (40, 110, 230), (20, 50, 140), (120, 120, 120)]


def _coarse(img):
    """Snaps every opaque pixel to the nearest colour of COARSE_PALETTE."""
    pal = Image.new("P", (1, 1))
    pal.putpalette([v for c in COARSE_PALETTE for v in c] + [0, 0, 0] * (256 - len(COARSE_PALETTE)))
    flat = img.convert("RGB").quantize(palette=pal, dither=Image.Dither.NONE).convert("RGB")
    flat.putalpha(img.getchannel("A"))
    return flat


def icon_main_entries():
    return [(wasp(s), bpp) for s in (32, 48) for bpp in (8, 32)]


def icon_entry_entries():
    return [(ladybird(s), bpp) for s in (16, 32) for bpp in (4, 8)]

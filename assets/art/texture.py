"""Seeded textures: cloudy noise, bristly brush strokes and painted lettering.

All randomness comes from random.Random instances passed in, so a run with
the same seeds paints the same pixels.
"""

import math

from PIL import Image, ImageDraw, ImageFilter, ImageFont, ImageMath

from .paint import SS, mix, rgba

FONT_DIR = "/usr/share/fonts/truetype"


def font(name, size):
    """name: 'dejavu/DejaVuSans-Bold' style path below the font folder."""
    return ImageFont.truetype(f"{FONT_DIR}/{name}.ttf", round(size))


def value_noise(w, h, cell, rng):
    """Smooth noise: a random grid of one value per cell, blown up bicubic."""
    gw, gh = w // cell + 3, h // cell + 3
    small = Image.frombytes("L", (gw, gh), bytes(rng.randrange(256) for _ in range(gw * gh)))
    return small.resize((gw * cell, gh * cell), Image.BICUBIC).crop((cell, cell, cell + w, cell + h))


def clouds(w, h, rng, cells=(96, 48, 24, 12, 6), falloff=0.55):
    """Fractal cloud noise as an L image stretched to the full 0..255 range."""
    acc, total, weight = None, 0.0, 1.0
    for cell in cells:
        layer = value_noise(w, h, max(1, cell), rng)
        total += weight
        acc = layer if acc is None else Image.blend(acc, layer, weight / total)
        weight *= falloff
    lo, hi = acc.getextrema()
    return acc.point(lambda v: round((v - lo) * 255 / max(1, hi - lo)))


def colourise(grey, stops):
    """Maps an L image through colour stops [(0..1, colour), ...] to RGB."""
    lut = []
    for ch in range(3):
        for v in range(256):
            t = v / 255
            for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
                if t0 <= t <= t1:
                    lut.append(mix(c0, c1, (t - t0) / max(1e-9, t1 - t0))[ch])
                    break
            else:
                lut.append(rgba(stops[-1][1])[ch])
    return Image.merge("RGB", [grey] * 3).point(lut)


def _walk(path, s):
    """Point and unit normal at arc length s along a polyline."""
    for a, b in zip(path, path[1:]):
        seg = math.dist(a, b) or 1e-9
        if s <= seg:
            t = s / seg
            return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t), (-(b[1] - a[1]) / seg, (b[0] - a[0]) / seg)
        s -= seg
    a, b = path[-2], path[-1]
    seg = math.dist(a, b) or 1e-9
    return b, (-(b[1] - a[1]) / seg, (b[0] - a[0]) / seg)


def brush_stroke(pen, path, width, colour, rng, bristles=14, ragged=0.12, jitter=18, alpha=(170, 255)):
    """One stroke of a stiff brush along `path` (design units): many thin
    bristle lines of slightly varied colour whose ends fray."""
    length = sum(math.dist(a, b) for a, b in zip(path, path[1:])) or 1.0
    base = rgba(colour)
    steps = max(2, int(length / 12))
    for j in range(bristles):
        off = ((j + 0.5) / bristles - 0.5) * width + rng.uniform(-0.2, 0.2) * width / bristles
        start = rng.uniform(0, ragged) * length
        end = length - rng.uniform(0, ragged) * length
        d = rng.randint(-jitter, jitter)
        c = tuple(max(0, min(255, base[i] + d + rng.randint(-jitter // 3, jitter // 3))) for i in range(3))
        pts = []
        for i in range(steps + 1):
            (x, y), (nx, ny) = _walk(path, start + (end - start) * i / steps)
            pts.append((x + nx * off, y + ny * off))
        pen.line(pts, c + (rng.randint(*alpha),), width / bristles * 2.6, round_ends=True)


def ragged_mask(mask, rng, roughness=0.6, cell=3):
    """Frays the edges of a supersampled L mask like dry paint."""
    w, h = mask.size
    soft = mask.filter(ImageFilter.GaussianBlur(cell * SS * 0.5))
    noise = value_noise(w, h, cell * SS, rng)
    # Edge level plus centred noise, cut at half: the outline wanders.
    return ImageMath.eval(
        "convert(((a * 10 + (b - 128) * k) > 1280) * 255, 'L')", a=soft, b=noise, k=round(roughness * 10)
    )


def painted_text(canvas, x, y, text, face, size, colour, rng, anchor="la", roughness=0.85, streaks=True):
    """Lettering that looks brushed on: frayed edges and bristle streaks.
    x, y and size are in final pixels."""
    layer = canvas.layer()
    m = Image.new("L", layer.img.size, 0)
    ImageDraw.Draw(m).text((x * SS, y * SS), text, font=font(face, size * SS), fill=255, anchor=anchor)
    m = ragged_mask(m, rng, roughness, cell=max(1, round(size / 14)))
    w, h = m.size
    fill = Image.new("RGBA", (w, h), rgba(colour))
    if streaks:
        # Horizontal streaks of lighter and darker paint inside the letters.
        g = value_noise(max(1, w // (SS * 8)), h // SS, 2, rng).resize((w, h), Image.BICUBIC)
        light = Image.new("RGBA", (w, h), mix(colour, "#ffffff", 0.35))
        fill = Image.composite(light, fill, g.point(lambda v: max(0, v - 150)))
    fill.putalpha(m.filter(ImageFilter.GaussianBlur(SS * 0.3)))
    layer.img = fill
    layer.merge()

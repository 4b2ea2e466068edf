"""Drawing helpers: a supersampled canvas and a pen that works in design units.

Every picture is drawn SS times larger than its final size and shrunk with
LANCZOS at the end, which gives smooth edges without Pillow's own
anti-aliasing (it has none for polygons).
"""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

SS = 4

# Pictures are finished at this multiple of their size: 1 for the catalogue,
# 2 for high-density screens. The drawing stays the same; at 2 the 4x
# supersampled canvas is shrunk half as far.
SCALE = 1


def set_scale(scale):
    global SCALE
    SCALE = scale


def rgba(colour, alpha=255):
    """Accepts '#rrggbb' or an (r, g, b[, a]) tuple."""
    if isinstance(colour, str):
        c = colour.lstrip("#")
        return (int(c[0:2], 16), int(c[2:4], 16), int(c[4:6], 16), alpha)
    if len(colour) == 3:
        return (*colour, alpha)
    return tuple(colour)


def mix(a, b, t):
    """Linear blend of two colours, t=0 gives a, t=1 gives b."""
    a, b = rgba(a), rgba(b)
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(4))


class Canvas:
    """A supersampled RGBA picture of a final size w x h."""

    def __init__(self, w, h, background=(255, 255, 255, 0)):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * SS, h * SS), rgba(background))

    def pen(self, box=None, units=100.0):
        """A pen whose design square of `units` fits centred in box (final px)."""
        box = box or (0, 0, self.w, self.h)
        bw, bh = box[2] - box[0], box[3] - box[1]
        k = min(bw, bh) / units
        ox = box[0] + (bw - units * k) / 2
        oy = box[1] + (bh - units * k) / 2
        return Pen(self.img, k * SS, ox * SS, oy * SS)

    def pixels(self):
        """A pen in final-pixel units over the whole canvas."""
        return Pen(self.img, SS, 0, 0)

    def layer(self):
        return Layer(self)

    def finish(self, background=None):
        """The final-size RGB (or RGBA when background is None) picture, SCALE times its size."""
        small = self.img.resize((self.w * SCALE, self.h * SCALE), Image.LANCZOS)
        if background is None:
            return small
        base = Image.new("RGBA", small.size, rgba(background))
        base.alpha_composite(small)
        return base.convert("RGB")


class Layer:
    """A transparent sheet the size of a canvas, composited back on demand."""

    def __init__(self, canvas):
        self.canvas = canvas
        self.img = Image.new("RGBA", canvas.img.size, (0, 0, 0, 0))

    def pen(self, box=None, units=100.0):
        p = self.canvas.pen(box, units)
        return Pen(self.img, p.k, p.ox, p.oy)

    def pixels(self):
        return Pen(self.img, SS, 0, 0)

    def clip(self, mask):
        """Keep only what lies inside mask (an L image of the canvas size)."""
        a = ImageChops.multiply(self.img.getchannel("A"), mask)
        self.img.putalpha(a)

    def merge(self, opacity=1.0, blur=0.0):
        img = self.img
        if blur:
            img = img.filter(ImageFilter.GaussianBlur(blur * SS))
        if opacity < 1.0:
            a = img.getchannel("A").point(lambda v: round(v * opacity))
            img.putalpha(a)
        self.canvas.img.alpha_composite(img)


def ellipse_points(cx, cy, rx, ry, angle=0.0, n=96, start=0.0, end=360.0):
    """Points of an ellipse (or an arc of it) turned by angle degrees."""
    ca, sa = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    pts = []
    steps = max(2, int(n * (end - start) / 360.0))
    for i in range(steps + 1):
        t = math.radians(start + (end - start) * i / steps)
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((cx + x * ca - y * sa, cy + x * sa + y * ca))
    return pts


def bezier(p0, p1, p2, p3=None, n=24):
    """Quadratic (three points) or cubic (four points) Bezier curve."""
    pts = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        if p3 is None:
            x = u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0]
            y = u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]
        else:
            x = u**3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t**3 * p3[0]
            y = u**3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t**3 * p3[1]
        pts.append((x, y))
    return pts


def radial_gradient(size, centre, radius, inner, outer):
    """An RGBA image of `size` (supersampled px) fading from inner to outer."""
    r = max(1, int(radius))
    g = Image.radial_gradient("L").resize((2 * r, 2 * r), Image.BILINEAR)
    mask = Image.new("L", size, 255)
    mask.paste(g, (int(centre[0]) - r, int(centre[1]) - r))
    a = Image.new("RGBA", size, rgba(inner))
    b = Image.new("RGBA", size, rgba(outer))
    return Image.composite(b, a, mask)


def linear_gradient(size, stops, vertical=True):
    """An RGB image with colour stops [(t, colour), ...] along one axis."""
    w, h = size
    n = h if vertical else w
    line = Image.new("RGB", (1, n) if vertical else (n, 1))
    px = line.load()
    for i in range(n):
        t = i / max(1, n - 1)
        for j in range(len(stops) - 1):
            t0, c0 = stops[j]
            t1, c1 = stops[j + 1]
            if t0 <= t <= t1:
                c = mix(c0, c1, (t - t0) / max(1e-9, t1 - t0))
                break
        else:
            c = rgba(stops[-1][1])
        px[(0, i) if vertical else (i, 0)] = c[:3]
    return line.resize((w, h), Image.NEAREST)


class Pen:
    """Draws on one RGBA image; coordinates are design units (x*k + offset).

    Pillow writes translucent ink straight into an RGBA image instead of
    blending it, so translucent shapes go through a small scratch sheet that
    is composited over the picture.
    """

    def __init__(self, img, k, ox, oy):
        self.img, self.k, self.ox, self.oy = img, k, ox, oy
        self.draw = ImageDraw.Draw(img)

    def p(self, x, y):
        return (self.ox + x * self.k, self.oy + y * self.k)

    def pts(self, points):
        return [self.p(x, y) for x, y in points]

    def w(self, width):
        return max(1, round(width * self.k))

    def _ink(self, colour, pts, pad, paint):
        """Runs paint(draw, shift) either directly or via a scratch sheet."""
        c = rgba(colour)
        if c[3] == 255:
            paint(self.draw, lambda q: q, c)
            return
        xs, ys = [x for x, _ in pts], [y for _, y in pts]
        x0, y0 = max(0, int(min(xs) - pad) - 1), max(0, int(min(ys) - pad) - 1)
        x1 = min(self.img.width, int(max(xs) + pad) + 2)
        y1 = min(self.img.height, int(max(ys) + pad) + 2)
        if x1 <= x0 or y1 <= y0:
            return
        sheet = Image.new("RGBA", (x1 - x0, y1 - y0), (0, 0, 0, 0))
        paint(ImageDraw.Draw(sheet), lambda q: [(x - x0, y - y0) for x, y in q], c)
        self.img.alpha_composite(sheet, (x0, y0))

    # -- plain shapes ---------------------------------------------------
    def polygon(self, points, fill=None, outline=None, width=0.0):
        pts = self.pts(points)
        if outline is not None and width > 0:
            # The outline straddles the edge; the fill then covers its inner half.
            wpx = self.w(width * 2)

            def ring(d, shift, c):
                q = shift(pts)
                d.line(q + [q[0], q[1]], fill=c, width=wpx, joint="curve")

            self._ink(outline, pts, wpx, ring)
        if fill is not None:
            self._ink(fill, pts, 0, lambda d, shift, c: d.polygon(shift(pts), fill=c))

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, width=0.0, angle=0.0):
        self.polygon(ellipse_points(cx, cy, rx, ry, angle), fill, outline, width)

    def circle(self, cx, cy, r, fill=None, outline=None, width=0.0):
        self.ellipse(cx, cy, r, r, fill, outline, width)

    def line(self, points, fill, width, round_ends=True):
        pts = self.pts(points)
        wpx = self.w(width)
        r = width * self.k / 2

        def stroke(d, shift, c):
            q = shift(pts)
            d.line(q, fill=c, width=wpx, joint="curve")
            if round_ends:
                for x, y in (q[0], q[-1]):
                    d.ellipse((x - r, y - r, x + r, y + r), fill=c)

        self._ink(fill, pts, wpx, stroke)

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=0.0):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], fill, outline, width)

    def rounded_rect(self, x0, y0, x1, y1, r, fill=None, outline=None, width=0.0):
        self.polygon(rounded_rect_points(x0, y0, x1, y1, r), fill, outline, width)

    # -- shaded shapes --------------------------------------------------
    def mask(self, points):
        m = Image.new("L", self.img.size, 0)
        ImageDraw.Draw(m).polygon(self.pts(points), fill=255)
        return m

    def shaded(self, points, inner, outer, light, radius, outline=None, width=0.0):
        """Fill a shape with a radial gradient lit from design point `light`."""
        if outline is not None and width > 0:
            self.polygon(points, None, outline, width)
        grad = radial_gradient(self.img.size, self.p(*light), radius * self.k, inner, outer)
        grad.putalpha(self.mask(points))
        self.img.alpha_composite(grad)

    def shaded_ellipse(self, cx, cy, rx, ry, inner, outer, light, radius, outline=None, width=0.0, angle=0.0):
        self.shaded(ellipse_points(cx, cy, rx, ry, angle), inner, outer, light, radius, outline, width)

    def text(self, x, y, s, font, fill, anchor="la", stroke=0.0, stroke_fill=None):
        """Text at design point (x, y); font sizes are supersampled pixels."""
        self.draw.text(
            self.p(x, y),
            s,
            font=font,
            fill=rgba(fill),
            anchor=anchor,
            stroke_width=round(stroke * self.k),
            stroke_fill=rgba(stroke_fill) if stroke_fill is not None else None,
        )


def rounded_rect_points(x0, y0, x1, y1, r, n=12):
    pts = []
    corners = [(x1 - r, y0 + r, 270), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)]
    for cx, cy, a in corners:
        for i in range(n + 1):
            t = math.radians(a + 90 * i / n)
            pts.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    return pts


def mirror(points, axis=50.0):
    """The same points reflected about the vertical line x = axis."""
    return [(2 * axis - x, y) for x, y in points]

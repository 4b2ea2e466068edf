"""Writers for the stored formats: JPEG, 24-bit BMP, multi-image ICO, and PNG
for the twice-size bitmaps.

The ICO writer is our own because Pillow's only stores 32-bit PNG entries;
the game's icons also carry 4- and 8-bit palette images.
"""

import struct

from PIL import Image


def save_jpeg(img, path, quality=92, subsampling=0):
    """Baseline JFIF with three YCbCr components."""
    img.convert("RGB").save(
        path, "JPEG", quality=quality, subsampling=subsampling, optimize=False, progressive=False
    )


def save_png(img, path):
    """Lossless RGB, compressed as far as zlib goes; no time stamp or other
    chunk that would change from run to run."""
    img.convert("RGB").save(path, "PNG", optimize=True)


def save_bmp(img, path):
    """Uncompressed 24 bits per pixel, rows bottom-up, BITMAPINFOHEADER."""
    rgb = img.convert("RGB")
    w, h = rgb.size
    stride = (w * 3 + 3) & ~3
    raw = rgb.tobytes("raw", "BGR")
    rows = []
    for y in range(h - 1, -1, -1):
        row = raw[y * w * 3 : (y + 1) * w * 3]
        rows.append(row + b"\0" * (stride - w * 3))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def _and_mask(alpha, w, h):
    """1 bit per pixel, set where the pixel is transparent; rows bottom-up."""
    stride = ((w + 31) // 32) * 4
    px = alpha.load()
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if px[x, y] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def _palette_image(img, bpp):
    """Indices and a palette for an RGBA picture; index 0 is black for the
    transparent pixels, as the AND mask expects."""
    w, h = img.size
    alpha = img.getchannel("A")
    flat = Image.new("RGB", img.size, (0, 0, 0))
    flat.paste(img.convert("RGB"), (0, 0), alpha.point(lambda v: 255 if v >= 128 else 0))
    colours = (1 << bpp) - 1
    q = flat.quantize(colors=colours, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = q.getpalette()[: colours * 3]
    palette = [(0, 0, 0)] + [tuple(pal[i : i + 3]) for i in range(0, len(pal), 3)]
    palette += [(0, 0, 0)] * ((1 << bpp) - len(palette))
    qpx, apx = q.load(), alpha.load()
    indices = [[0 if apx[x, y] < 128 else qpx[x, y] + 1 for x in range(w)] for y in range(h)]
    return indices, palette


def _dib(img, bpp):
    img = img.convert("RGBA")
    w, h = img.size
    alpha = img.getchannel("A")
    if bpp == 32:
        raw = img.tobytes("raw", "BGRA")
        xor = b"".join(raw[y * w * 4 : (y + 1) * w * 4] for y in range(h - 1, -1, -1))
        palette = b""
    else:
        indices, colours = _palette_image(img, bpp)
        stride = ((w * bpp + 31) // 32) * 4
        rows = []
        for y in range(h - 1, -1, -1):
            row = bytearray(stride)
            for x in range(w):
                i = indices[y][x]
                if bpp == 8:
                    row[x] = i
                else:
                    row[x // 2] |= i << (4 if x % 2 == 0 else 0)
            rows.append(bytes(row))
        xor = b"".join(rows)
        palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    mask = _and_mask(alpha, w, h)
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bpp, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + palette + xor + mask


def save_ico(entries, path):
    """entries: [(RGBA image, bits per pixel), ...] in the order to store."""
    blobs = [(img.size, bpp, _dib(img, bpp)) for img, bpp in entries]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for (w, h), bpp, blob in blobs:
        count = 16 if bpp == 4 else 0
        out += struct.pack("<BBBBHHII", w % 256, h % 256, count, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    out += b"".join(blob for _, _, blob in blobs)
    with open(path, "wb") as f:
        f.write(out)

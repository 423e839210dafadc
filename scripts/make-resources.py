#!/usr/bin/env python3
"""Draws the program's images and sounds from shapes and writes them as the
files that resources/pixaport.rc compiles in (bitmaps, icons) and the wave
files that lie beside the program.

ImageMagick's `convert` rasterises the vector drawings (anti-aliased, with
gradients and text); this script turns the pixels into BMP, ICO and WAV files
itself so that sizes, colour depths and palettes are exactly as wanted.
Run it from anywhere: python3 scripts/make-resources.py
"""
import math
import os
import struct
import subprocess

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
IMAGES = os.path.join(ROOT, "resources", "images")
FILES = os.path.join(ROOT, "resources", "files")
FONT_BOLD = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
FONT_REGULAR = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"

# The platform's standard 16-colour palette in its usual order.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
VGA_HEX = {name: "#%02x%02x%02x" % rgb for name, rgb in zip(
    ["black", "maroon", "green", "olive", "navy", "purple", "teal", "silver",
     "grey", "red", "lime", "yellow", "blue", "fuchsia", "aqua", "white"], VGA)}


# ---------------------------------------------------------------- rasterising

def render(width, height, mvg, background="white", antialias=True, colors=None):
    """Draws the MVG text on a canvas and yields RGBA pixels (4 bytes each).

    colors: reduce to at most this many colours (no dithering) so that the
    result fits a palette; None keeps true colour."""
    cmd = ["convert", "-size", "%dx%d" % (width, height), "xc:" + background]
    if not antialias:
        cmd.append("+antialias")
    cmd += ["-draw", mvg]
    if colors:
        cmd += ["+dither", "-colors", str(colors)]
    cmd += ["-depth", "8", "rgba:-"]
    data = subprocess.run(cmd, check=True, capture_output=True).stdout
    if len(data) != width * height * 4:
        raise RuntimeError("convert returned %d bytes for %dx%d" % (len(data), width, height))
    return [tuple(data[i:i + 4]) for i in range(0, len(data), 4)]


def gradient(name, x1, y1, x2, y2, stops, kind="linear"):
    """An MVG gradient definition; stops are (offset, colour) pairs."""
    lines = ["push gradient '%s' %s %s,%s %s,%s" % (name, kind, x1, y1, x2, y2)]
    lines += ["stop-color '%s' %s" % (colour, offset) for offset, colour in stops]
    lines.append("pop gradient")
    return "\n".join(lines)


def radial(name, cx, cy, r, stops):
    """A radial MVG gradient around (cx, cy) with radius r."""
    lines = ["push gradient '%s' radial %s,%s %s,%s %s" % (name, cx, cy, cx, cy, r)]
    lines += ["stop-color '%s' %s" % (colour, offset) for offset, colour in stops]
    lines.append("pop gradient")
    return "\n".join(lines)


def defs(*gradients):
    return "push defs\n" + "\n".join(gradients) + "\npop defs\n"


def group(*lines):
    return "push graphic-context\n" + "\n".join(lines) + "\npop graphic-context\n"


def polygon(points):
    return "polygon " + " ".join("%.2f,%.2f" % p for p in points)


# ------------------------------------------------------------------- palettes

def palette_of(pixels, limit):
    """The distinct opaque colours of an image (at most limit of them), in
    first-seen order, so that the file is reproducible."""
    seen = {}
    for r, g, b, a in pixels:
        if a >= 128 and (r, g, b) not in seen:
            seen[(r, g, b)] = len(seen)
    if len(seen) > limit:
        raise RuntimeError("%d colours do not fit a palette of %d" % (len(seen), limit))
    return list(seen)


def nearest(palette, rgb):
    return min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], rgb)))


def indices(pixels, palette):
    lookup = {rgb: i for i, rgb in enumerate(palette)}
    out = []
    for r, g, b, a in pixels:
        if a < 128:
            out.append(0)
        elif (r, g, b) in lookup:
            out.append(lookup[(r, g, b)])
        else:
            out.append(lookup.setdefault((r, g, b), nearest(palette, (r, g, b))))
    return out


# -------------------------------------------------------------------- writers

def dib_rows(width, height, bits, pixels, palette):
    """Bottom-up rows of a device-independent bitmap, padded to 4 bytes."""
    rows = []
    if bits == 24:
        for y in range(height - 1, -1, -1):
            row = bytearray()
            for x in range(width):
                r, g, b, _ = pixels[y * width + x]
                row += bytes((b, g, r))
            rows.append(bytes(row) + b"\0" * (-len(row) % 4))
        return b"".join(rows)
    idx = indices(pixels, palette)
    for y in range(height - 1, -1, -1):
        line = idx[y * width:(y + 1) * width]
        if bits == 8:
            row = bytes(line)
        else:
            line = line + [0] * (len(line) % 2)
            row = bytes((line[i] << 4) | line[i + 1] for i in range(0, len(line), 2))
        rows.append(row + b"\0" * (-len(row) % 4))
    return b"".join(rows)


def info_header(width, height, bits, colours, image_size):
    # 3780 pixels per metre = 96 dots per inch.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 3780, 3780, colours, 0)


def palette_bytes(palette, bits):
    full = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in full)


def write_bmp(path, width, height, bits, pixels, palette=None):
    if bits == 24:
        pal = b""
        colours = 0
    else:
        pal = palette_bytes(palette, bits)
        colours = 1 << bits
    body = dib_rows(width, height, bits, pixels, palette)
    header = info_header(width, height, bits, colours, len(body))
    offset = 14 + len(header) + len(pal)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(body), 0, 0, offset))
        f.write(header + pal + body)


def and_mask(width, height, pixels):
    """The icon's transparency mask: 1 where the background shows through."""
    rows = []
    for y in range(height - 1, -1, -1):
        bits = [1 if pixels[y * width + x][3] < 128 else 0 for x in range(width)]
        bits += [0] * (-len(bits) % 32)
        rows.append(bytes(int("".join(map(str, bits[i:i + 8])), 2) for i in range(0, len(bits), 8)))
    return b"".join(rows)


def write_ico(path, images):
    """images: (size, bits, pixels, palette) per picture in the icon."""
    blobs = []
    for size, bits, pixels, palette in images:
        xor = dib_rows(size, size, bits, pixels, palette)
        mask = and_mask(size, size, pixels)
        header = info_header(size, size * 2, bits, 0, len(xor) + len(mask))
        blobs.append(header + palette_bytes(palette, bits) + xor + mask)
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bits, _, _), blob in zip(images, blobs):
        colours = 16 if bits == 4 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def write_wav(path, samples, rate):
    data = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(s * 32767))))) for s in samples)
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE")
        f.write(b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, rate * 2, 2, 16))
        f.write(b"data" + struct.pack("<I", len(data)) + data)


# --------------------------------------------------------------------- images

def photo():
    """A landscape: sky, sun, clouds, snowy mountains, green hills, a lake, firs."""
    w, h = 257, 169
    mvg = defs(
        gradient("sky", 0, 0, 0, 100, [(0, "#2b63b8"), (0.65, "#7fb2e8"), (1, "#d9ecfb")]),
        gradient("far", 0, 40, 0, 105, [(0, "#8d9fc2"), (1, "#b9c6de")]),
        gradient("mid", 0, 60, 0, 120, [(0, "#5f7fa6"), (1, "#8ea5c4")]),
        gradient("hill", 0, 90, 0, 169, [(0, "#7dbd4f"), (1, "#2f7a2c")]),
        gradient("lake", 0, 118, 0, 160, [(0, "#9ccbf0"), (1, "#2f6aa8")]),
        gradient("front", 0, 135, 0, 169, [(0, "#4f9a38"), (1, "#23571f")]),
    )
    mvg += group("fill 'url(#sky)'", "rectangle 0,0 257,169")
    for radius, opacity in [(30, 0.10), (24, 0.14), (19, 0.2), (15, 0.3)]:
        mvg += group("fill '#fff6c8'", "fill-opacity %g" % opacity, "circle 205,34 %d,34" % (205 + radius))
    mvg += group("fill '#fffbe6'", "circle 205,34 217,34")
    for cx, cy, rx, ry in [(52, 30, 26, 8), (70, 24, 18, 9), (38, 27, 14, 7), (150, 48, 22, 6), (166, 44, 14, 7)]:
        mvg += group("fill white", "fill-opacity 0.85", "ellipse %d,%d %d,%d 0,360" % (cx, cy, rx, ry))
    far = [(0, 96), (30, 70), (48, 78), (82, 44), (104, 62), (120, 54), (150, 80), (176, 60), (205, 84),
           (230, 66), (257, 82), (257, 110), (0, 110)]
    mvg += group("fill 'url(#far)'", polygon(far))
    snow = [[(70, 56), (82, 44), (94, 53), (88, 55), (82, 52), (76, 58)],
            [(165, 68), (176, 60), (188, 68), (182, 67), (176, 71), (170, 67)],
            [(222, 72), (230, 66), (239, 72), (233, 73), (229, 71)]]
    for s in snow:
        mvg += group("fill '#f4f8ff'", polygon(s))
    mid = [(0, 108), (20, 92), (40, 100), (62, 84), (90, 104), (118, 90), (140, 100), (257, 104), (257, 125),
           (0, 125)]
    mvg += group("fill 'url(#mid)'", polygon(mid))
    mvg += group("fill 'url(#hill)'",
                 "path 'M 0,118 C 40,100 80,104 120,114 C 160,124 200,100 257,108 L 257,169 L 0,169 Z'")
    mvg += group("fill 'url(#lake)'", "path 'M 60,132 C 90,120 170,118 210,128 C 230,134 220,150 190,153 "
                 "C 150,158 90,158 66,150 C 50,144 50,136 60,132 Z'")
    for y, x1, x2 in [(132, 100, 150), (138, 84, 130), (144, 140, 190), (149, 96, 128)]:
        mvg += group("stroke '#e6f3ff'", "stroke-opacity 0.7", "stroke-width 1", "line %d,%d %d,%d" % (x1, y, x2, y))
    mvg += group("fill 'url(#front)'",
                 "path 'M 0,150 C 30,140 60,152 90,160 C 130,170 200,150 257,146 L 257,169 L 0,169 Z'")

    def fir(x, base, height):
        half = height * 0.32
        out = group("fill '#5b3a1e'", "rectangle %.1f,%.1f %.1f,%.1f" % (x - 1.2, base - 4, x + 1.2, base))
        out += group("fill '#1f5a2a'", "stroke '#17451f'", "stroke-width 0.6",
                     polygon([(x, base - height), (x + half * 0.6, base - height * 0.55), (x + half * 0.35, base - height * 0.55),
                              (x + half, base - 3), (x - half, base - 3), (x - half * 0.35, base - height * 0.55),
                              (x - half * 0.6, base - height * 0.55)]))
        return out
    for x, base, height in [(22, 132, 30), (34, 136, 24), (232, 128, 34), (244, 133, 26), (12, 140, 20)]:
        mvg += fir(x, base, height)
    mvg += group("fill none", "stroke '#505050'", "stroke-width 1", "rectangle 0.5,0.5 256.5,168.5")
    return w, h, render(w, h, mvg, colors=256)


def arrow():
    """A bent arrow from the photo above down and right towards the camera."""
    w, h = 106, 140
    shape = ("path 'M 17,4 L 39,4 L 39,70 C 39,90 52,97 68,97 L 68,82 L 103,108 L 68,134 L 68,119 "
             "C 38,119 17,106 17,74 Z'")
    mvg = defs(gradient("body", 17, 0, 103, 134, [(0, "#ffc15a"), (0.55, "#f28a1e"), (1, "#d4560a")]))
    mvg += group("fill '#000000'", "fill-opacity 0.18", "translate 3,3", shape)
    mvg += group("fill 'url(#body)'", "stroke '#9a3d06'", "stroke-width 1.4", "stroke-linejoin round", shape)
    mvg += group("fill none", "stroke '#ffe3b0'", "stroke-width 1.6", "stroke-opacity 0.8",
                 "path 'M 22,8 L 22,72 C 22,98 36,110 60,113'")
    return w, h, render(w, h, mvg, colors=256)


def camera():
    """A compact digital camera seen from the front, in true colour."""
    w, h = 187, 91
    mvg = defs(
        gradient("body", 0, 14, 0, 88, [(0, "#f6f7f9"), (0.45, "#c9ced6"), (1, "#8b929c")]),
        gradient("grip", 0, 14, 0, 88, [(0, "#5a606a"), (1, "#2b2f35")]),
        gradient("ring", 60, 18, 126, 86, [(0, "#fbfbfb"), (1, "#7c838d")]),
        radial("glass", 86, 45, 22, [(0, "#6d8fe0"), (0.55, "#22357a"), (1, "#0b1230")]),
        gradient("flash", 0, 24, 0, 40, [(0, "#ffffff"), (1, "#d5dde6")]),
    )
    mvg += group("fill '#2f3338'", "roundrectangle 24,5 52,17 3,3")
    mvg += group("fill '#c0c4ca'", "stroke '#5c6168'", "roundrectangle 132,8 168,17 2,2")
    mvg += group("fill 'url(#body)'", "stroke '#4e545c'", "stroke-width 1.3", "roundrectangle 3.5,13.5 182.5,88.5 11,11")
    mvg += group("fill 'url(#grip)'", "path 'M 160,14 L 172,14 C 178,14 182,18 182,25 L 182,77 C 182,84 178,88 172,88 "
                 "L 160,88 Z'")
    mvg += group("fill 'url(#flash)'", "stroke '#6b7078'", "roundrectangle 16,24 48,40 2,2")
    for x in range(19, 47, 4):
        mvg += group("stroke '#c3ccd6'", "line %d,26 %d,38" % (x, x))
    mvg += group("fill '#1c2a44'", "stroke '#4e545c'", "roundrectangle 134,24 152,36 2,2")
    mvg += group("fill '#6d8fc8'", "fill-opacity 0.6", "polygon 136,26 146,26 136,32")
    mvg += group("fill '#3a3e44'", "circle 93,51 93,15")
    mvg += group("fill 'url(#ring)'", "circle 93,51 93,19")
    mvg += group("fill '#26292e'", "circle 93,51 93,24")
    mvg += group("fill 'url(#glass)'", "circle 93,51 93,30")
    mvg += group("fill none", "stroke '#8fa7d8'", "stroke-opacity 0.5", "circle 93,51 93,36")
    mvg += group("fill white", "fill-opacity 0.75", "ellipse 84,42 6,4 0,360")
    mvg += group("fill white", "fill-opacity 0.4", "ellipse 101,60 3,2 0,360")
    mvg += group("fill '#d23a2a'", "circle 148,46 150,46")
    mvg += group("font '%s'" % FONT_BOLD, "font-size 8", "fill '#4e545c'", "text 14,80 'PIXA'")
    return w, h, render(w, h, mvg, colors=None)


def globe():
    """A globe for the web link, 32 x 32."""
    mvg = defs(radial("sea", 12, 11, 20, [(0, "#9fd3ff"), (0.5, "#3f8fe0"), (1, "#134f9e")]))
    mvg += group("fill 'url(#sea)'", "stroke '#0d3a78'", "stroke-width 1", "circle 16,16 16,2.5")
    mvg += group("fill '#4caf50'", "stroke '#2e7d32'", "stroke-width 0.5",
                 polygon([(8, 8), (13, 6), (16, 9), (14, 12), (15, 16), (12, 19), (10, 15), (7, 13)]),
                 polygon([(18, 15), (23, 14), (26, 18), (24, 24), (20, 27), (19, 21)]),
                 polygon([(19, 5), (24, 6), (26, 10), (22, 10)]))
    mvg += group("fill none", "stroke white", "stroke-opacity 0.55", "stroke-width 0.7",
                 "ellipse 16,16 6,13.5 0,360", "line 16,2.5 16,29.5", "line 2.5,16 29.5,16",
                 "path 'M 4.5,9.5 Q 16,12 27.5,9.5'", "path 'M 4.5,22.5 Q 16,20 27.5,22.5'")
    mvg += group("fill white", "fill-opacity 0.35", "ellipse 11,9 4,2.5 -30,330")
    return 32, 32, render(32, 32, mvg, colors=256)


def envelope():
    """A letter envelope for the e-mail link, 32 x 32."""
    mvg = defs(gradient("paper", 0, 7, 0, 26, [(0, "#ffffff"), (1, "#e9dfc4")]))
    mvg += group("fill '#000000'", "fill-opacity 0.15", "rectangle 4,9 30,27")
    mvg += group("fill 'url(#paper)'", "stroke '#6d5c36'", "stroke-width 1", "rectangle 2.5,7.5 28.5,25.5")
    mvg += group("fill none", "stroke '#8a7648'", "stroke-width 1", "polyline 3,25 13,16", "polyline 28,25 18,16")
    mvg += group("fill '#f3ead3'", "stroke '#6d5c36'", "stroke-width 1", "polygon 2.5,7.5 15.5,18 28.5,7.5")
    mvg += group("fill '#d8342c'", "stroke '#8e1b16'", "stroke-width 0.6", "circle 15.5,17 17.6,17")
    return 32, 32, render(32, 32, mvg, colors=256)


def about():
    """The about box's banner: the product name over a blue sky with a stack of photos."""
    w, h = 320, 106
    mvg = defs(
        gradient("band", 0, 0, 320, 106, [(0, "#0c2d66"), (0.6, "#1f5fb0"), (1, "#4d97e3")]),
        gradient("sky", 0, 0, 0, 40, [(0, "#3c78d0"), (1, "#cfe5fb")]),
        gradient("hill", 0, 38, 0, 62, [(0, "#7dbd4f"), (1, "#2f7a2c")]),
    )
    mvg += group("fill 'url(#band)'", "rectangle 0,0 320,106")
    mvg += group("fill white", "fill-opacity 0.06", "circle 300,120 300,20", "circle 40,-30 40,60")
    # Two photo prints, the back one tilted.
    mvg += group("translate 52,53", "rotate -12", "fill '#000000'", "fill-opacity 0.25",
                 "rectangle -30,-24 34,28")
    mvg += group("translate 50,51", "rotate -12", "fill '#f4f4f4'", "stroke '#9aa4b0'", "rectangle -32,-26 32,26",
                 "fill '#8fb7e6'", "stroke none", "rectangle -28,-22 28,16")
    mvg += group("translate 56,56", "rotate 6", "fill '#000000'", "fill-opacity 0.3", "rectangle -30,-24 34,28")
    mvg += group("translate 54,54", "rotate 6", "fill white", "stroke '#9aa4b0'", "rectangle -32,-26 32,26",
                 "translate -28,-22", "fill 'url(#sky)'", "stroke none", "rectangle 0,0 56,40",
                 "fill '#fff3b0'", "circle 44,9 49,9",
                 "fill '#9fb1cf'", "polygon 0,30 14,14 24,24 34,10 50,28 56,22 56,40 0,40",
                 "fill 'url(#hill)'", "path 'M 0,34 C 18,26 36,30 56,28 L 56,40 L 0,40 Z'")
    title = "Qor Pixaport"
    mvg += group("font '%s'" % FONT_BOLD, "font-size 34", "fill '#000000'", "fill-opacity 0.35",
                 "text 112,52 '%s'" % title)
    mvg += group("font '%s'" % FONT_BOLD, "font-size 34", "fill white", "text 110,50 '%s'" % title)
    mvg += group("stroke '#ffd166'", "stroke-width 2", "line 111,60 306,60")
    mvg += group("font '%s'" % FONT_REGULAR, "font-size 13", "fill '#dceaff'",
                 "text 111,78 'Bilder für die Kamera übertragen'")
    mvg += group("font '%s'" % FONT_REGULAR, "font-size 11", "fill '#a9c8f0'", "text 111,95 'Version 1.05'")
    return w, h, render(w, h, mvg, colors=256)


# The error-log dialog keeps the platform's button face (245, 245, 245 in the Wine prefix).
STOP_BACKGROUND = "#f5f5f5"


def stop_sign():
    """A red octagonal stop sign for the error-log dialog, 64 x 64."""
    w = h = 64

    def octagon(r):
        return [(32 + r * math.cos(math.radians(22.5 + 45 * i)), 32 + r * math.sin(math.radians(22.5 + 45 * i)))
                for i in range(8)]
    mvg = defs(gradient("red", 0, 4, 0, 60, [(0, "#f0453a"), (1, "#b00e0e")]))
    mvg += group("fill '#000000'", "fill-opacity 0.25", "translate 1.5,1.5", polygon(octagon(31)))
    mvg += group("fill '#7a0a0a'", polygon(octagon(31)))
    mvg += group("fill white", polygon(octagon(29.2)))
    mvg += group("fill 'url(#red)'", polygon(octagon(26.5)))
    mvg += group("font '%s'" % FONT_BOLD, "font-size 17", "fill white", "text-antialias true",
                 "gravity center", "text 0,1 'STOP'")
    return w, h, render(w, h, mvg, background=STOP_BACKGROUND, colors=256)


def mark(crossed):
    """The selection list's mark box: a black frame on white, crossed in red when marked."""
    pixels = [(255, 255, 255, 255)] * 256
    grid = [list(row) for row in [pixels[i * 16:(i + 1) * 16] for i in range(16)]]
    for i in range(2, 14):
        for x, y in [(i, 2), (i, 13), (2, i), (13, i)]:
            grid[y][x] = (0, 0, 0, 255)
    if crossed:
        for i in range(3, 13):
            grid[i][i] = (255, 0, 0, 255)
            grid[i][15 - i] = (255, 0, 0, 255)
    return 16, 16, [p for row in grid for p in row]


# ---------------------------------------------------------------------- icons

KEY = "#ff00fe"   # background colour of crisp 16-colour drawings, mapped to transparent


def crisp(size, mvg):
    """A 16-colour icon image: drawn without anti-aliasing in the standard colours."""
    pixels = render(size, size, mvg, background=KEY, antialias=False)
    key = (0xff, 0x00, 0xfe)
    pixels = [(r, g, b, 0) if (r, g, b) == key else (r, g, b, 255) for r, g, b, _ in pixels]
    return size, 4, pixels, VGA


def smooth(size, mvg):
    """A 256-colour icon image: anti-aliased, the background left transparent."""
    scale = size / 32.0
    pixels = render(size, size, "affine %g,0,0,%g,0,0\n" % (scale, scale) + mvg, background="none", colors=255)
    opaque = [(r, g, b, 255 if a >= 128 else 0) for r, g, b, a in pixels]
    return size, 8, opaque, [(0, 0, 0)] + palette_of(opaque, 255)


def app_icon():
    """The main window's icon: a photo with a camera in front of it."""
    v = VGA_HEX
    mvg = group("fill '%s'" % v["white"], "stroke '%s'" % v["black"], "rectangle 1,2 22,19")
    mvg += group("fill '%s'" % v["blue"], "stroke none", "rectangle 3,4 20,11")
    mvg += group("fill '%s'" % v["aqua"], "rectangle 3,10 20,12")
    mvg += group("fill '%s'" % v["yellow"], "circle 16,7 18,7")
    mvg += group("fill '%s'" % v["green"], "polygon 3,17 3,13 8,9 13,13 16,11 20,14 20,17")
    mvg += group("fill '%s'" % v["lime"], "polygon 3,17 3,15 10,13 20,16 20,17")
    mvg += group("fill '%s'" % v["black"], "rectangle 14,13 20,16")
    mvg += group("fill '%s'" % v["silver"], "stroke '%s'" % v["black"], "rectangle 10,16 30,29",
                 "fill '%s'" % v["grey"], "rectangle 12,14 17,16")
    mvg += group("fill '%s'" % v["grey"], "stroke '%s'" % v["black"], "circle 20,22 20,17")
    mvg += group("fill '%s'" % v["navy"], "stroke none", "circle 20,22 20,19")
    mvg += group("fill '%s'" % v["aqua"], "rectangle 18,20 19,21")
    mvg += group("fill '%s'" % v["white"], "stroke '%s'" % v["black"], "rectangle 25,18 28,20")
    mvg += group("fill '%s'" % v["red"], "rectangle 27,26 28,27")
    return [crisp(32, mvg)]


def konvert_icon():
    """The transfer dialog's icon: a photo, an arrow and a memory card."""
    mvg = defs(gradient("sky", 0, 2, 0, 14, [(0, "#2f6fd0"), (1, "#bfe0ff")]),
               gradient("card", 0, 14, 0, 31, [(0, "#4a4f57"), (1, "#1f2226")]),
               gradient("arrow", 10, 10, 24, 24, [(0, "#ffb347"), (1, "#e0590c")]))
    mvg += group("fill white", "stroke '#555555'", "stroke-width 1", "rectangle 1.5,1.5 17.5,15.5")
    mvg += group("fill 'url(#sky)'", "rectangle 3,3 16,14")
    mvg += group("fill '#3f9a36'", "polygon 3,14 3,11 8,8 12,11 16,9 16,14")
    mvg += group("fill '#fff3a0'", "circle 13,5.5 14.5,5.5")
    mvg += group("fill 'url(#card)'", "stroke '#111111'", "stroke-width 1",
                 "polygon 17.5,14.5 27,14.5 30.5,18 30.5,30.5 17.5,30.5")
    mvg += group("fill '#e0b84a'", *["rectangle %d,16 %d,19" % (x, x + 1) for x in (19, 22, 25)])
    mvg += group("fill white", "rectangle 20,22 28,28")
    mvg += group("fill 'url(#arrow)'", "stroke '#9a3d06'", "stroke-width 0.8",
                 "path 'M 5,17 L 9,17 L 9,21 C 9,23 10,24 12,24 L 12,21.5 L 17,26 L 12,30.5 L 12,28 "
                 "C 8,28 5,26 5,22 Z'")
    return [smooth(16, mvg), smooth(32, mvg)]


def setup_icon():
    """The settings dialog's icon: a steel gear."""
    teeth = 8
    points = []
    for i in range(teeth * 4):
        angle = 2 * math.pi * i / (teeth * 4) - math.pi / 2
        r = 14.5 if i % 4 in (1, 2) else 10.5
        points.append((16 + r * math.cos(angle), 16 + r * math.sin(angle)))
    mvg = defs(gradient("steel", 4, 2, 28, 30, [(0, "#f2f4f7"), (0.5, "#a9b0ba"), (1, "#5b636e")]),
               gradient("hub", 10, 10, 22, 22, [(0, "#5b636e"), (1, "#d8dce2")]))
    mvg += group("fill 'url(#steel)'", "stroke '#3c424a'", "stroke-width 1", "stroke-linejoin round", polygon(points))
    mvg += group("fill 'url(#hub)'", "stroke '#3c424a'", "stroke-width 1", "circle 16,16 16,9.5")
    mvg += group("fill '#2a6fd6'", "stroke '#123f80'", "stroke-width 0.8", "circle 16,16 16,12.5")
    mvg += group("fill white", "fill-opacity 0.6", "circle 14.8,14.8 14.8,13.8")
    return [smooth(16, mvg), smooth(32, mvg), smooth(48, mvg)]


# --------------------------------------------------------------------- sounds

def click(frequency, rate=22050, length=0.045, level=0.28):
    """A short soft click: a sine burst with a gentle attack and a fast decay."""
    samples = []
    for n in range(int(rate * length)):
        t = n / rate
        attack = 0.5 - 0.5 * math.cos(math.pi * min(1.0, t / 0.0015))
        envelope = attack * math.exp(-t / 0.007)
        tone = math.sin(2 * math.pi * frequency * t) + 0.35 * math.sin(2 * math.pi * frequency * 0.5 * t)
        samples.append(level * envelope * tone / 1.35)
    return samples


# ----------------------------------------------------------------------- main

def main():
    os.makedirs(IMAGES, exist_ok=True)
    os.makedirs(FILES, exist_ok=True)
    for name, make, bits in [("photo", photo, 8), ("pfeil", arrow, 8), ("kamera", camera, 24),
                             ("web", globe, 8), ("email", envelope, 8), ("about", about, 8),
                             ("stop_max", stop_sign, 8)]:
        w, h, pixels = make()
        palette = None if bits == 24 else palette_of(pixels, 1 << bits)
        write_bmp(os.path.join(IMAGES, name + ".bmp"), w, h, bits, pixels, palette)
    for name, crossed in [("mark0", False), ("mark1", True)]:
        w, h, pixels = mark(crossed)
        write_bmp(os.path.join(IMAGES, name + ".bmp"), w, h, 4, pixels, VGA)
    write_ico(os.path.join(IMAGES, "aicon.ico"), app_icon())
    write_ico(os.path.join(IMAGES, "konvert.ico"), konvert_icon())
    write_ico(os.path.join(IMAGES, "setup.ico"), setup_icon())
    write_wav(os.path.join(FILES, "Select.wav"), click(1900), 22050)
    write_wav(os.path.join(FILES, "DeSelect.wav"), click(1250), 22050)


if __name__ == "__main__":
    main()

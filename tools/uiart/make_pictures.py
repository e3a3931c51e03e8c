#!/usr/bin/env python3
"""Draws the controller screens' own pictures as PNG files (assets/ui/).

Pure Python, no imaging library: a small RGBA canvas with supersampled shapes. The pictures are ours; rerun
this script and tools/uiart/convert.sh after changing one. Big opaque pictures keep to the display's 5-6-5
colours and to at most 256 colours, so that they can be stored as indexed streamed bitmaps.
"""
import math
import os
import struct
import sys
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "ui")


def rgb(v):
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255)


def q565(c):
    """Rounds a colour to what the display shows (5-6-5), so gradients stay within few colours."""
    r, g, b = c
    return (round(r * 31 / 255) * 255 // 31, round(g * 63 / 255) * 255 // 63, round(b * 31 / 255) * 255 // 31)


def mix(c0, c1, t):
    t = max(0.0, min(1.0, t))
    return tuple(c0[i] + (c1[i] - c0[i]) * t for i in range(3))


class Canvas:
    def __init__(self, w, h, fill=None):
        self.w, self.h = w, h
        self.px = [[(0.0, 0.0, 0.0, 0.0) for _ in range(w)] for _ in range(h)]
        if fill is not None:
            self.rect(0, 0, w, h, fill)

    def blend(self, x, y, color, a):
        if a <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        r, g, b, da = self.px[y][x]
        oa = a + da * (1 - a)
        if oa <= 0:
            return
        c = [(color[i] * a + (r, g, b)[i] * da * (1 - a)) / oa for i in range(3)]
        self.px[y][x] = (c[0], c[1], c[2], oa)

    def shape(self, inside, color, box=None, ss=4, hard=False):
        """Paints where inside(x, y) holds (pixel centres at +0.5); color is a colour or a function of y."""
        x0, y0, x1, y1 = box or (0, 0, self.w, self.h)
        for y in range(max(0, int(y0)), min(self.h, int(math.ceil(y1)))):
            c = color(y) if callable(color) else color
            for x in range(max(0, int(x0)), min(self.w, int(math.ceil(x1)))):
                if hard:
                    cov = 1.0 if inside(x + 0.5, y + 0.5) else 0.0
                else:
                    n = 0
                    for sy in range(ss):
                        for sx in range(ss):
                            if inside(x + (sx + 0.5) / ss, y + (sy + 0.5) / ss):
                                n += 1
                    cov = n / (ss * ss)
                self.blend(x, y, c, cov)

    def rect(self, x0, y0, x1, y1, color):
        self.shape(lambda x, y: True, color, (x0, y0, x1, y1), hard=True)

    def save(self, name, quantise=False):
        raw = bytearray()
        for row in self.px:
            raw.append(0)
            for r, g, b, a in row:
                c = (int(round(r)), int(round(g)), int(round(b)))
                if quantise:
                    c = q565(c)
                    a = 1.0 if a >= 0.5 else 0.0
                raw += bytes(c) + bytes([int(round(a * 255))])
        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
        with open(os.path.join(OUT, name + ".png"), "wb") as f:
            f.write(png)


# Shapes as predicates.
def rrect(x0, y0, x1, y1, r):
    def f(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return f


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r0, r1):
    return lambda x, y: r0 * r0 <= (x - cx) ** 2 + (y - cy) ** 2 <= r1 * r1


def poly(pts):
    def f(x, y):
        inside = False
        n = len(pts)
        for i in range(n):
            xa, ya = pts[i]
            xb, yb = pts[(i + 1) % n]
            if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                inside = not inside
        return inside
    return f


def seg(xa, ya, xb, yb, w):
    def f(x, y):
        dx, dy = xb - xa, yb - ya
        L = dx * dx + dy * dy
        t = 0 if L == 0 else max(0, min(1, ((x - xa) * dx + (y - ya) * dy) / L))
        return (x - xa - t * dx) ** 2 + (y - ya - t * dy) ** 2 <= (w / 2) ** 2
    return f


def union(*fs):
    return lambda x, y: any(f(x, y) for f in fs)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def vgrad(y0, y1, c0, c1):
    return lambda y: mix(rgb(c0), rgb(c1), (y - y0) / max(1, y1 - y0))


ICON = rgb(0x3C4650)
ICON_LIGHT = rgb(0xA8B0B8)
ACCENT = rgb(0x2A7FD0)
WARM = rgb(0xE06A1A)

# ---------------------------------------------------------------- large pictures (indexed)


def background():
    c = Canvas(480, 272)
    c.rect(0, 0, 480, 272, vgrad(0, 271, 0xF4F7FA, 0xD9E2EA))
    # A calm diagonal band across the lower right.
    c.shape(poly([(200, 272), (480, 120), (480, 190), (330, 272)]), vgrad(120, 272, 0xE4EBF1, 0xCCD7E1), hard=True)
    c.save("background", quantise=True)


def logo():
    c = Canvas(261, 239)
    c.shape(ring(130, 120, 78, 104), rgb(0xE2E9EF), hard=True)
    c.shape(circle(130, 120, 56), rgb(0xE8EEF3), hard=True)
    c.shape(poly([(130, 70), (160, 125), (130, 170), (100, 125)]), rgb(0xDCE5EC), hard=True)
    c.save("logo", quantise=True)


def title():
    c = Canvas(480, 31)
    c.rect(0, 0, 480, 30, vgrad(0, 29, 0xFDFDFD, 0xCFD6DC))
    c.rect(0, 30, 480, 31, rgb(0x7F8A94))
    c.save("title", quantise=True)


def plate():
    c = Canvas(413, 42)
    c.shape(rrect(0, 0, 413, 42, 6), rgb(0x8E99A3), hard=True)
    c.shape(rrect(1, 1, 412, 41, 5), vgrad(1, 40, 0xFBFCFD, 0xD3DBE2), hard=True)
    c.save("plate", quantise=True)


def panel():
    c = Canvas(410, 232)
    c.shape(rrect(0, 0, 410, 232, 9), rgb(0x6F7A84), hard=True)
    c.shape(rrect(1, 1, 409, 231, 8), vgrad(1, 230, 0xC9D2DA, 0x9EA9B3), hard=True)
    c.shape(rrect(8, 3, 388, 215, 5), rgb(0x7F8A94), hard=True)
    c.rect(9, 4, 387, 214, rgb(0xFFFFFF))
    # The tab column on the right of the content.
    c.rect(354, 4, 387, 214, vgrad(4, 214, 0xEEF2F5, 0xDDE4EA))
    c.rect(353, 4, 354, 214, rgb(0xB8C1C9))
    c.save("panel", quantise=True)


def dialog():
    c = Canvas(412, 224)
    c.shape(rrect(0, 0, 412, 224, 8), rgb(0x5F6A74), hard=True)
    c.shape(rrect(1, 1, 411, 223, 7), vgrad(1, 222, 0xF6F8FA, 0xD5DDE4), hard=True)
    # No rule under a title: every dialog places its title differently (the keypad draws its own rule).
    c.save("dialog", quantise=True)


def tile():
    c = Canvas(180, 40)
    c.shape(rrect(0, 0, 180, 40, 4), rgb(0x8E99A3), hard=True)
    c.shape(rrect(1, 1, 179, 39, 3), vgrad(1, 38, 0xFFFFFF, 0xDCE3E9), hard=True)
    c.shape(rrect(3, 3, 39, 37, 3), vgrad(3, 37, 0xE9EEF2, 0xC8D2DB), hard=True)
    c.save("tile", quantise=True)


# ---------------------------------------------------------------- icons (with transparency)


def arrow_left(x, y, w, h):
    m = y + h / 2
    return poly([(x, m), (x + h / 2, y), (x + h / 2, m - h / 5), (x + w, m - h / 5), (x + w, m + h / 5),
                 (x + h / 2, m + h / 5), (x + h / 2, y + h)])


def house(x, y, s):
    return union(poly([(x, y + 0.45 * s), (x + s / 2, y), (x + s, y + 0.45 * s)]),
                 minus(lambda px, py: x + 0.15 * s <= px <= x + 0.85 * s and y + 0.4 * s <= py <= y + s,
                       lambda px, py: x + 0.42 * s <= px <= x + 0.58 * s and y + 0.68 * s <= py <= y + s))


def lock(x, y):
    return union(minus(rrect(x + 9, y + 2, x + 31, y + 26, 10), rrect(x + 14, y + 7, x + 26, y + 26, 6)),
                 rrect(x + 5, y + 18, x + 35, y + 40, 3))


def side_icons():
    names = ["side_home", "side_up", "side_home_locked", "side_back", "side_root_back", "side_network_back",
             "side_no_back", "side_inactive", "side_back_locked"]
    for n in names:
        c = Canvas(40, 42)
        if n == "side_home":
            c.shape(house(3, 4, 34), ICON)
        elif n == "side_up":
            c.shape(poly([(20, 3), (36, 19), (26, 19), (26, 39), (14, 39), (14, 19), (4, 19)]), ICON)
        elif n.endswith("locked"):
            c.shape(lock(0, 0), ICON)
        elif n == "side_back":
            c.shape(arrow_left(2, 7, 36, 28), ICON)
        elif n == "side_root_back":
            c.shape(arrow_left(2, 7, 36, 28), ICON_LIGHT)
        elif n == "side_network_back":
            c.shape(arrow_left(2, 7, 36, 28), ICON)
            c.shape(circle(29, 21, 5), ACCENT)
        elif n == "side_no_back":
            c.shape(arrow_left(2, 7, 36, 28), rgb(0xD6DCE1))
        elif n == "side_inactive":
            c.shape(rrect(5, 18, 35, 24, 3), ICON_LIGHT)
        c.save(n)


def tile_symbols():
    S = []
    S.append(union(rrect(13, 2, 19, 24, 3), circle(16, 25, 6)))                         # 1 thermometer
    S.append(union(*[rrect(4 + 6 * i, 6, 8 + 6 * i, 28, 2) for i in range(5)], rrect(2, 22, 30, 25, 1)))  # 2 radiator
    S.append(union(circle(16, 16, 7), *[seg(16 + 9 * math.cos(a), 16 + 9 * math.sin(a), 16 + 14 * math.cos(a),
                                            16 + 14 * math.sin(a), 2.5) for a in [k * math.pi / 4 for k in range(8)]]))  # 3 sun
    S.append(union(ring(16, 16, 9, 13), poly([(12, 10), (22, 16), (12, 22)])))         # 4 pump
    S.append(union(ring(16, 16, 11, 14), seg(16, 16, 16, 8, 2.5), seg(16, 16, 22, 16, 2.5)))  # 5 clock
    S.append(minus(poly([(16, 2), (30, 28), (2, 28)]),
                   union(rrect(14.5, 10, 17.5, 20, 1), circle(16, 24, 1.8))))          # 6 warning
    S.append(union(minus(rrect(10, 2, 22, 18, 6), rrect(13, 5, 19, 18, 3)), rrect(6, 13, 26, 30, 3)))  # 7 padlock
    S.append(house(2, 2, 28))                                                           # 8 house
    S.append(minus(union(circle(16, 16, 10), *[rrect(16 + 11 * math.cos(a) - 3, 16 + 11 * math.sin(a) - 3,
                                                     16 + 11 * math.cos(a) + 3, 16 + 11 * math.sin(a) + 3, 1)
                                               for a in [k * math.pi / 4 for k in range(8)]]), circle(16, 16, 4)))  # 9 gear
    S.append(union(rrect(3, 20, 9, 29, 1), rrect(12, 12, 18, 29, 1), rrect(21, 5, 27, 29, 1)))  # 10 chart
    S.append(minus(poly([(7, 2), (19, 2), (26, 9), (26, 30), (7, 30)]),
                   union(rrect(10, 14, 23, 16, 0.5), rrect(10, 19, 23, 21, 0.5), rrect(10, 24, 23, 26, 0.5))))  # 11 file
    S.append(union(ring(16, 16, 11, 14), circle(16, 10, 2.2), rrect(14.5, 14, 17.5, 23, 1)))  # 12 information
    S.append(union(circle(7, 24, 5), circle(25, 24, 5), circle(16, 7, 5), seg(7, 24, 16, 7, 2.5),
                   seg(25, 24, 16, 7, 2.5), seg(7, 24, 25, 24, 2.5)))                    # 13 network
    colours = [WARM, ICON, rgb(0x10A8F0), ACCENT, ICON, ICON, ACCENT, ICON, ICON, ACCENT, ICON, ACCENT, ICON]
    for i, f in enumerate(S):
        c = Canvas(32, 32)
        c.shape(f, colours[i])
        c.save("tile_symbol%02d" % (i + 1))


def small_icons():
    c = Canvas(33, 33)
    c.shape(circle(16.5, 16.5, 15), rgb(0x2E8B3A))
    c.shape(union(rrect(14.5, 13, 18.5, 26, 1), circle(16.5, 8.5, 2.5)), rgb(0xFFFFFF))
    c.save("icon33_info")
    c = Canvas(33, 33)
    c.shape(circle(16.5, 16.5, 15), ACCENT)
    c.shape(poly([(12, 9), (25, 16.5), (12, 24)]), rgb(0xFFFFFF))
    c.save("icon33_next")
    c = Canvas(25, 33)
    c.shape(rrect(2, 2, 23, 31, 3), ICON)
    c.shape(rrect(5, 5, 20, 14, 1), rgb(0xFFFFFF))
    c.save("icon25_file")
    c = Canvas(25, 33)
    c.shape(rrect(2, 8, 23, 31, 3), rgb(0xD9A521))
    c.shape(rrect(2, 4, 12, 12, 2), rgb(0xD9A521))
    c.save("icon25_folder")
    c = Canvas(20, 20)
    c.shape(union(rrect(8, 2, 12, 18, 1), rrect(2, 8, 18, 12, 1)), rgb(0xFFFFFF))
    c.save("square_plus")
    c = Canvas(20, 20)
    c.shape(rrect(2, 8, 18, 12, 1), rgb(0xFFFFFF))
    c.save("square_minus")
    for i, col in enumerate([rgb(0xFFFFFF), rgb(0x202020)]):
        c = Canvas(43, 43)
        c.shape(poly([(16, 11), (29, 21.5), (16, 32)]), col)
        c.save("bar_end%d" % i)


# ---------------------------------------------------------------- pictures of the main screen


def side_button_backgrounds():
    for name, c0, c1, edge in (("side_button", 0xFAFBFC, 0xC9D1D8, 0x8E99A3), ("side_button_dark", 0xA9B2BA, 0x77828C, 0x5A646E)):
        c = Canvas(60, 90)
        c.shape(rrect(2, 2, 48, 88, 7), rgb(edge))
        c.shape(rrect(3, 3, 47, 87, 6), vgrad(3, 87, c0, c1))
        c.save(name)


def indicators():
    c = Canvas(22, 22)
    c.shape(rrect(1, 4, 21, 19, 2), rgb(0x2A6FB8))
    c.shape(union(seg(2.5, 5.5, 11, 13, 1.6), seg(19.5, 5.5, 11, 13, 1.6)), rgb(0xFFFFFF))
    c.save("indicator_message")
    c = Canvas(22, 22)
    c.shape(union(circle(5, 12, 4), circle(17, 12, 4), seg(5, 12, 17, 12, 2.2)), rgb(0x2E8B3A))
    c.save("indicator_bus")
    c = Canvas(9, 3)
    c.rect(0, 0, 9, 3, rgb(0x285078))
    c.save("indicator_mark")


def tabs():
    c = Canvas(33, 37)
    c.shape(rrect(0, 0, 33, 37, 4), rgb(0x285078))
    c.shape(rrect(1, 1, 32, 36, 3), vgrad(1, 36, 0xFBEBDA, 0xE4C9AE))
    c.save("tab_selected")
    syms = {
        1: rrect(6, 3, 21, 24, 2),
        3: ring(13.5, 13.5, 7, 11),
        5: minus(rrect(3, 4, 24, 23, 3), rrect(7, 8, 20, 19, 1)),
        7: poly([(7, 4), (23, 13.5), (7, 23)]),
        8: union(rrect(3, 6, 24, 10, 1), rrect(3, 12, 18, 16, 1), rrect(3, 18, 22, 22, 1)),
        10: union(seg(3, 22, 10, 10, 2.5), seg(10, 10, 16, 17, 2.5), seg(16, 17, 24, 5, 2.5)),
    }
    for k, f in syms.items():
        c = Canvas(27, 27)
        c.shape(f, ICON)
        c.save("tab_symbol%02d" % k)


def busy():
    c = Canvas(32, 32)
    for k in range(8):
        a = k * math.pi / 4
        shade = mix(rgb(0x2A7FD0), rgb(0xD6DCE1), k / 7)
        c.shape(circle(16 + 11 * math.cos(a), 16 + 11 * math.sin(a), 3.2), shade)
    c.save("busy")


def main():
    os.makedirs(OUT, exist_ok=True)
    for f in (background, logo, title, plate, panel, dialog, tile, side_icons, tile_symbols, small_icons,
              side_button_backgrounds, indicators, tabs, busy):
        f()
    return 0


if __name__ == "__main__":
    sys.exit(main())

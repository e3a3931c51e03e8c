#!/usr/bin/env python3
"""Draws our own picture of the device for the device window (assets/device/).

Two sizes: 727 x 482 for magnification 1 and 1454 x 965 for magnification 2. Everything outside the housing
is the key colour (pure red), which the host cuts away to shape the window. The display opening lies where
the host configuration places the LCD window ((124, 71) and (247, 141)), and the status LED window under the
display lies where the host paints the LED. Pure Python, no imaging library.
"""
import os
import struct
import sys
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "device")
KEY = (255, 0, 0)


def _png(path, w, h, rows):
    raw = b"".join(b"\0" + bytes(r) for r in rows)

    def chunk(t, d):
        c = struct.pack(">I", len(d)) + t + d
        return c + struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF)

    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def _inside_round_rect(x, y, x0, y0, x1, y1, r):
    """(x, y) within the rectangle x0..x1, y0..y1 (inclusive) whose corners are rounded by r."""
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    cx = x0 + r if x < x0 + r else (x1 - r if x > x1 - r else x)
    cy = y0 + r if y < y0 + r else (y1 - r if y > y1 - r else y)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def draw(w, h, s, lcd, led):
    """s: scale; lcd: (x, y, w, h) of the display; led: (x0, y0, x1, y1) of the LED."""
    m = 6 * s                      # margin of key colour around the housing
    hx0, hy0, hx1, hy1 = m, m, w - 1 - m, h - 1 - m
    rad = 36 * s
    lx, ly, lw, lh = lcd
    bz = 14 * s                    # bezel around the display
    rows = []
    for y in range(h):
        row = bytearray()
        for x in range(w):
            if not _inside_round_rect(x, y, hx0, hy0, hx1, hy1, rad):
                c = KEY
            elif not _inside_round_rect(x, y, hx0 + 4 * s, hy0 + 4 * s, hx1 - 4 * s, hy1 - 4 * s, rad - 4 * s):
                c = (120, 124, 130)            # rim of the housing
            elif lx <= x < lx + lw and ly <= y < ly + lh:
                c = (0, 0, 0)                  # the LCD window covers this
            elif lx - bz <= x < lx + lw + bz and ly - bz <= y < ly + lh + bz:
                c = (38, 40, 44)               # bezel
            elif led[0] - 4 * s <= x <= led[2] + 4 * s and led[1] - 4 * s <= y <= led[3] + 4 * s:
                c = (70, 72, 76)               # LED window
            elif hy1 - 30 * s <= y <= hy1 - 24 * s and hx0 + 200 * s <= x <= hx1 - 60 * s:
                c = (200, 110, 30)             # brand stripe
            else:
                t = (y - hy0) / max(1, hy1 - hy0)
                g = int(232 - 40 * t)
                c = (g, g + 2, g + 6)          # housing face, lighter at the top
            row += bytes(c)
        rows.append(row)
    return rows


def main():
    os.makedirs(OUT, exist_ok=True)
    _png(os.path.join(OUT, "device1.png"), 727, 482, draw(727, 482, 1, (124, 71, 480, 272), (70, 425, 180, 440)))
    _png(os.path.join(OUT, "device2.png"), 1454, 965,
         draw(1454, 965, 2, (247, 141, 960, 544), (140, 850, 360, 880)))
    return 0


if __name__ == "__main__":
    sys.exit(main())

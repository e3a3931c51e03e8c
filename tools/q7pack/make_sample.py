#!/usr/bin/env python3
"""Draws the pictures of the sample design (assets/design/page1.png, page2.png): flat shapes of a small
heating plant in a few colours, so that they pack small as indexed streamed bitmaps."""
import os
import struct
import zlib

W, H = 480, 272
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', '..', 'assets', 'design')


def png(path, rows):
    raw = b''.join(b'\0' + bytes(c for px in row for c in px) for row in rows)
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', W, H, 8, 2, 0, 0, 0)) +
                chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


class Canvas:
    def __init__(self, bg):
        self.p = [[bg] * W for _ in range(H)]

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0), min(H, y1)):
            for x in range(max(0, x0), min(W, x1)):
                self.p[y][x] = c

    def frame(self, x0, y0, x1, y1, c, t=2):
        self.rect(x0, y0, x1, y0 + t, c)
        self.rect(x0, y1 - t, x1, y1, c)
        self.rect(x0, y0, x0 + t, y1, c)
        self.rect(x1 - t, y0, x1, y1, c)

    def disc(self, cx, cy, r, c):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r and 0 <= x < W and 0 <= y < H:
                    self.p[y][x] = c


BG, HEAD, GREY, RED, BLUE, DARK, PANEL = (236, 241, 246), (0, 84, 140), (150, 160, 170), (210, 60, 40), \
    (40, 110, 200), (40, 48, 56), (255, 255, 255)


def page1():
    c = Canvas(BG)
    c.rect(0, 0, W, 34, HEAD)
    c.rect(40, 80, 130, 200, GREY)          # boiler
    c.frame(40, 80, 130, 200, DARK)
    c.disc(85, 150, 18, RED)                 # flame
    c.rect(130, 100, 330, 106, RED)          # flow
    c.rect(130, 170, 330, 176, BLUE)         # return
    c.disc(230, 103, 12, DARK)               # pump
    c.rect(330, 90, 420, 190, PANEL)         # radiator
    c.frame(330, 90, 420, 190, DARK)
    for x in range(345, 410, 12):
        c.rect(x, 96, x + 4, 184, GREY)
    c.rect(20, 222, 460, 262, PANEL)         # value strip
    c.frame(20, 222, 460, 262, GREY, 1)
    c.rect(440, 6, 470, 28, PANEL)           # link to page 2
    return c.p


def page2():
    c = Canvas(BG)
    c.rect(0, 0, W, 34, HEAD)
    c.rect(40, 60, 440, 240, PANEL)
    c.frame(40, 60, 440, 240, GREY, 1)
    c.rect(10, 6, 40, 28, PANEL)             # link back to page 1
    return c.p


if __name__ == '__main__':
    png(os.path.join(OUT, 'page1.png'), page1())
    png(os.path.join(OUT, 'page2.png'), page2())

#!/usr/bin/env python3
"""Draws our own logo for the main frame and the About box (assets/logo/logo.png).

A rounded tile in deep blue with a white drop that holds a warm glow: water and heat, what the controller
rules. 128 x 128 pixels; what lies outside the tile has the main frame's background grey. Edges are smoothed
by 4 x 4 supersampling. Pure Python, no imaging library.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_device_picture import _inside_round_rect, _png  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "logo", "logo.png")
SIZE = 128
BACKGROUND = (0xAB, 0xAB, 0xAB)
SUB = 4


def _in_drop(x, y):
    """The drop: a circle below, narrowing to a tip above."""
    cx, cy, r, tip = 64.0, 76.0, 30.0, 18.0
    if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
        return True
    if tip <= y <= cy:
        half = r * (y - tip) / (cy - tip) * 0.88
        return abs(x - cx) <= half
    return False


def _colour(x, y):
    if not _inside_round_rect(x, y, 4, 4, SIZE - 5, SIZE - 5, 26):
        return BACKGROUND
    if _in_drop(x, y):
        d2 = (x - 64.0) ** 2 + (y - 80.0) ** 2
        if d2 <= 13.0 ** 2:
            return (0xF2, 0x8C, 0x28)       # the glow
        if d2 <= 16.0 ** 2:
            return (0xF8, 0xC8, 0x90)
        return (0xFF, 0xFF, 0xFF)
    t = y / SIZE
    return (int(18 + 10 * t), int(78 - 30 * t), int(140 - 50 * t))


def draw():
    rows = []
    for y in range(SIZE):
        row = bytearray()
        for x in range(SIZE):
            acc = [0, 0, 0]
            for sy in range(SUB):
                for sx in range(SUB):
                    c = _colour(x + (sx + 0.5) / SUB, y + (sy + 0.5) / SUB)
                    for i in range(3):
                        acc[i] += c[i]
            row += bytes((a + SUB * SUB // 2) // (SUB * SUB) for a in acc)
        rows.append(row)
    return rows


def main():
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    _png(OUT, SIZE, SIZE, draw())


if __name__ == "__main__":
    main()

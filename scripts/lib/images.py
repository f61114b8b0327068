#!/usr/bin/env python3
"""Draws the shipped bitmaps at 1x and 2x from one description, so that dense screens get their own
pixels instead of a small picture scaled up. Standard library only."""
import struct
import sys
import zlib
from pathlib import Path

SUBSAMPLES = 4  # per axis: anti-aliased edges


def write_png(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    Path(path).write_bytes(png)


def render(side_points, scale, colour_at):
    """colour_at(x, y) in points -> (r, g, b, a); averaged over subsamples of each device pixel."""
    side = side_points * scale
    rows = []
    for py in range(side):
        row = []
        for px in range(side):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    x = (px + (sx + 0.5) / SUBSAMPLES) / scale
                    y = (py + (sy + 0.5) / SUBSAMPLES) / scale
                    r, g, b, a = colour_at(x, y)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SUBSAMPLES * SUBSAMPLES
            alpha = acc[3] / n
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(c / acc[3]) for c in acc[:3]) + (round(alpha * 255),))
        rows.append(row)
    return side, rows


def background(x, y):
    # A dark tile crossed by one diagonal groove: a light edge above a dark one. Repeats every 16 points.
    d = x + y
    if 15 <= d < 16:
        return (53, 59, 67, 1)
    if 16 <= d < 17:
        return (35, 39, 44, 1)
    return (42, 47, 53, 1)


def inside(polygon, x, y):
    hit = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


TICK = [(7, 25.5), (11, 21.5), (18, 28.5), (33, 10), (37, 13.5), (18, 36.5)]


def checkmark(x, y):
    return (0, 122, 255, 1) if inside(TICK, x, y) else (0, 0, 0, 0)


def main(folder):
    for name, side, draw in (("background", 16, background), ("checkmark", 44, checkmark)):
        for scale in (1, 2):
            suffix = "" if scale == 1 else f"@{scale}x"
            size, rows = render(side, scale, draw)
            write_png(Path(folder) / f"{name}{suffix}.png", size, size, rows)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")

#!/usr/bin/env python3
"""Writes the session's known wallpaper: a PNG of WIDTH x HEIGHT split into
four columns and two rows of flat colours (standard library only).

Usage: wallpaper.py OUT.png [WIDTH HEIGHT]

The colours, row by row, left to right, are listed in COLOURS; tests read
them back with wl_wallpaper_color in lib.sh.
"""

import struct
import sys
import zlib

COLOURS = [
    ["C81E32", "1E8C46", "2846B4", "F0C828"],
    ["8C3CA0", "28B4B4", "F07828", "5A3C1E"],
]


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main(argv):
    out = argv[0]
    width, height = (int(argv[1]), int(argv[2])) if len(argv) >= 3 else (1920, 1080)
    rows = []
    for row in range(2):
        line = b""
        for column in range(4):
            left, right = column * width // 4, (column + 1) * width // 4
            line += bytes.fromhex(COLOURS[row][column]) * (right - left)
        rows.append(b"\0" + line)
    raw = b"".join(rows[0 if y < height // 2 else 1] for y in range(height))
    with open(out, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        f.write(chunk(b"IEND", b""))


if __name__ == "__main__":
    main(sys.argv[1:])

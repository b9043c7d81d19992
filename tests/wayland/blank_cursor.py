#!/usr/bin/env python3
"""Writes an Xcursor theme whose pointer images are fully transparent, so
that the compositor's software cursor leaves no mark in screenshots.

Usage: blank_cursor.py THEME_FOLDER
"""
import os
import struct
import sys

SIZE = 24
IMAGE = 0xFFFD0002


def cursor_file():
    header = struct.pack("<4sIII", b"Xcur", 16, 0x10000, 1)
    toc = struct.pack("<III", IMAGE, SIZE, 16 + 12)
    image = struct.pack("<IIIIIIIII", 36, IMAGE, SIZE, 1, SIZE, SIZE, 0, 0, 0)
    return header + toc + image + bytes(4 * SIZE * SIZE)


def main():
    folder = sys.argv[1]
    os.makedirs(os.path.join(folder, "cursors"), exist_ok=True)
    with open(os.path.join(folder, "index.theme"), "w") as index:
        index.write("[Icon Theme]\nName=blank\n")
    for name in ("default", "left_ptr", "arrow"):
        with open(os.path.join(folder, "cursors", name), "wb") as out:
            out.write(cursor_file())


if __name__ == "__main__":
    main()

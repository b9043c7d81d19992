#!/usr/bin/env python3
"""Writes the two metafile pictures of the sample layouts, record by record:
data/TLs/pics/star.wmf (a placeable Windows metafile) and
data/TLs/pics/ribbon.emf (an enhanced metafile). Run from the repository's
top folder."""

import math
import os
import struct

PICS = os.path.join("data", "TLs", "pics")


def colorref(hex_rgb):
    r, g, b = int(hex_rgb[1:3], 16), int(hex_rgb[3:5], 16), int(hex_rgb[5:7], 16)
    return r | (g << 8) | (b << 16)


def star_points(cx, cy, outer, inner, n=5):
    points = []
    for k in range(2 * n):
        radius = outer if k % 2 == 0 else inner
        angle = -math.pi / 2 + k * math.pi / n
        points.append((round(cx + radius * math.cos(angle)), round(cy + radius * math.sin(angle))))
    return points


def wmf_record(function, *words):
    return struct.pack("<IH", 3 + len(words), function) + struct.pack(f"<{len(words)}h", *words)


def wmf_star():
    w, h = 96, 96
    records = [
        wmf_record(0x020B, 0, 0),  # SETWINDOWORG y, x
        wmf_record(0x020C, h, w),  # SETWINDOWEXT height, width
    ]
    objects = 0

    def brush(color):
        c = colorref(color)
        return struct.pack("<IHHIH", 7, 0x02FC, 0, c, 0)

    def pen(color, width):
        c = colorref(color)
        return struct.pack("<IHHhhI", 8, 0x02FA, 0, width, 0, c)

    records += [pen("#1D3557", 2), wmf_record(0x012D, 0), brush("#A8DADC"), wmf_record(0x012D, 1)]
    # The ring as a 36-sided polygon: libwmf's bitmap device fills polygons
    # but leaves ellipses open.
    ring = [(round(48 + 44 * math.cos(k * math.pi / 18)), round(48 + 44 * math.sin(k * math.pi / 18)))
            for k in range(36)]
    records.append(wmf_record(0x0324, len(ring), *[v for p in ring for v in p]))  # POLYGON
    records += [wmf_record(0x01F0, 1), brush("#FFB703"), wmf_record(0x012D, 1)]
    points = star_points(48, 50, 40, 17)
    flat = [v for p in points for v in p]
    records.append(wmf_record(0x0324, len(points), *flat))  # POLYGON
    records.append(wmf_record(0x0000))  # EOF
    objects = 2
    body = b"".join(records)
    max_record = max(struct.unpack_from("<I", r)[0] for r in records)
    size_words = (18 + len(body)) // 2
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, size_words, objects, max_record, 0)
    placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, w, h, 96, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", placeable[:20]):
        checksum ^= word
    placeable += struct.pack("<H", checksum)
    return placeable + header + body


def emf_record(kind, payload):
    return struct.pack("<II", kind, 8 + len(payload)) + payload


def emf_ribbon():
    w, h = 160, 60
    records = []

    def brush(index, color):
        return emf_record(39, struct.pack("<IIII", index, 0, colorref(color), 0))

    def pen(index, color, width):
        return emf_record(38, struct.pack("<IIiiI", index, 0, width, 0, colorref(color)))

    def select(index):
        return emf_record(37, struct.pack("<I", index))

    def delete(index):
        return emf_record(40, struct.pack("<I", index))

    def polygon(points):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        flat = [v for p in points for v in p]
        return emf_record(86, struct.pack("<iiiiI", min(xs), min(ys), max(xs), max(ys), len(points)) +
                          struct.pack(f"<{len(flat)}h", *flat))

    records += [pen(1, "#3D405B", 1), select(1), brush(2, "#E07A5F"), select(2)]
    records.append(polygon([(0, 14), (30, 14), (30, 54), (0, 54), (12, 34)]))
    records.append(polygon([(160, 14), (130, 14), (130, 54), (160, 54), (148, 34)]))
    records += [delete(2), brush(3, "#F2CC8F"), select(3)]
    records.append(emf_record(43, struct.pack("<iiii", 20, 4, 140, 46)))  # RECTANGLE
    records += [delete(3), brush(4, "#81B29A"), select(4)]
    records.append(emf_record(42, struct.pack("<iiii", 68, 9, 92, 41)))  # ELLIPSE
    records.append(emf_record(14, struct.pack("<III", 0, 16, 20)))  # EOF
    body = b"".join(records)
    header_size = 88
    total = header_size + len(body)
    header = struct.pack("<II", 1, header_size)
    header += struct.pack("<iiii", 0, 0, w - 1, h - 1)  # bounds, device units
    # frame in 0.01 mm at 96 dots per inch
    header += struct.pack("<iiii", 0, 0, round(w * 2540 / 96), round(h * 2540 / 96))
    header += struct.pack("<IIIIHH", 0x464D4520, 0x10000, total, len(records) + 1, 5, 0)
    header += struct.pack("<III", 0, 0, 0)  # description, palette
    header += struct.pack("<ii", 1024, 768)  # device size in pixels
    header += struct.pack("<ii", 271, 203)  # device size in millimetres
    assert len(header) == header_size
    return header + body


def main():
    os.makedirs(PICS, exist_ok=True)
    with open(os.path.join(PICS, "star.wmf"), "wb") as f:
        f.write(wmf_star())
    with open(os.path.join(PICS, "ribbon.emf"), "wb") as f:
        f.write(emf_ribbon())


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws images/autorun.ico, the icon of the address book and of the report windows:
a printed sheet with a blue heading band and ruled lines, a small house in the corner.

Plain Python (no imaging library): each size is drawn with 4x4 supersampling and written
as a 32-bit BMP entry of a Windows icon file.

    python3 data/tools/make_autorun_ico.py data/images/autorun.ico
"""
import struct
import sys

SIZES = (16, 32, 48)
SS = 4  # samples per pixel along each axis


def inside_rect(x, y, x0, y0, x1, y1):
    return x0 <= x < x1 and y0 <= y < y1


def inside_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
    d1, d2, d3 = side(a, b), side(b, c), side(c, a)
    has_neg = d1 < 0 or d2 < 0 or d3 < 0
    has_pos = d1 > 0 or d2 > 0 or d3 > 0
    return not (has_neg and has_pos)


def colour_at(u, v):
    """The picture in unit coordinates (0..1, y down): RGBA or None for transparent."""
    shadow = (90, 90, 90, 110)
    paper = (252, 252, 248, 255)
    edge = (70, 80, 95, 255)
    band = (40, 96, 176, 255)
    rule = (150, 170, 200, 255)
    roof = (196, 64, 48, 255)
    wall = (244, 196, 80, 255)
    door = (110, 70, 40, 255)

    # The house, over the sheet's lower right corner.
    if inside_triangle(u, v, (0.50, 0.66), (0.98, 0.66), (0.74, 0.44)):
        return roof
    if inside_rect(u, v, 0.56, 0.66, 0.92, 0.96):
        if inside_rect(u, v, 0.70, 0.78, 0.79, 0.96):
            return door
        return wall
    # The sheet with its frame.
    x0, y0, x1, y1 = 0.12, 0.04, 0.80, 0.94
    if inside_rect(u, v, x0, y0, x1, y1):
        t = 0.045
        if not inside_rect(u, v, x0 + t, y0 + t, x1 - t, y1 - t):
            return edge
        if inside_rect(u, v, x0 + t, y0 + t, x1 - t, 0.24):
            return band
        for top in (0.34, 0.46, 0.58, 0.70, 0.82):
            if inside_rect(u, v, 0.22, top, 0.70, top + 0.045):
                return rule
        return paper
    if inside_rect(u, v, x0 + 0.05, y0 + 0.05, x1 + 0.05, y1 + 0.05):
        return shadow
    return None


def draw(size):
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SS):
                for sx in range(SS):
                    c = colour_at((px + (sx + 0.5) / SS) / size, (py + (sy + 0.5) / SS) / size)
                    if c is None:
                        continue
                    w = c[3] / 255.0
                    r += c[0] * w
                    g += c[1] * w
                    b += c[2] * w
                    a += w
            n = SS * SS
            if a > 0:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def bmp_entry(size, pixels):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    data = bytearray()
    for row in reversed(pixels):  # bottom-up
        for (r, g, b, a) in row:
            data += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(data) + bytes(mask)


def main(path):
    entries = [(s, bmp_entry(s, draw(s))) for s in SIZES]
    out = bytearray(struct.pack('<HHH', 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for size, blob in entries:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for _, blob in entries:
        out += blob
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'autorun.ico')

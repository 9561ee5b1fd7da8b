#!/usr/bin/env python3
# Writes the page's home-screen icon as a PNG of SIZE x SIZE pixels, the same picture as
# page/icon.svg (a tide curve over the sea on the page's blue), with Python alone.
#   make_icon.py SIZE OUTPUT.png
import struct
import sys
import zlib

BLUE, WHITE, SEA = (0x1D, 0x5D, 0x8C), (255, 255, 255), (0x9F, 0xD0, 0xF0)


def bezier(p0, p1, p2, p3, t):
    u = 1 - t
    return tuple(u**3 * a + 3 * u * u * t * b + 3 * u * t * t * c + t**3 * d
                 for a, b, c, d in zip(p0, p1, p2, p3))


def main():
    size, out = int(sys.argv[1]), sys.argv[2]
    k = size / 512
    px = [[None] * size for _ in range(size)]
    radius = 96 * k
    for y in range(size):  # the rounded square
        for x in range(size):
            cx = min(max(x + .5, radius), size - radius)
            cy = min(max(y + .5, radius), size - radius)
            if (x + .5 - cx) ** 2 + (y + .5 - cy) ** 2 <= radius * radius:
                px[y][x] = BLUE

    def stamp(points, half, colour):
        for (sx, sy) in points:
            for y in range(int(sy - half) - 1, int(sy + half) + 2):
                for x in range(int(sx - half) - 1, int(sx + half) + 2):
                    if 0 <= x < size and 0 <= y < size and px[y][x] is not None and \
                            (x + .5 - sx) ** 2 + (y + .5 - sy) ** 2 <= half * half:
                        px[y][x] = colour

    # M40 300 C120 150 200 150 256 260 S392 370 472 220 (the S mirrors the last control point)
    a = [(40, 300), (120, 150), (200, 150), (256, 260)]
    b = [(256, 260), (312, 370), (392, 370), (472, 220)]
    steps = max(200, size)
    curve = [bezier(*seg, i / steps) for seg in (a, b) for i in range(steps + 1)]
    stamp([(x * k, y * k) for x, y in curve], 18 * k, WHITE)
    stamp([(x * k, 400 * k) for x in range(40, 473, 2)], 12 * k, SEA)

    raw = b"".join(b"\0" + b"".join(bytes(c + (255,)) if c else b"\0\0\0\0" for c in row)
                   for row in px)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    with open(out, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


if __name__ == "__main__":
    main()

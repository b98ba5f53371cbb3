#!/usr/bin/env python3
"""Writes orvbrowser.ico: a 32x32, 32-bit icon of our own design (a blue
rounded square with a white ring), so the executable carries no borrowed art.

Run from anywhere: python3 orvbrowser/make_icon.py
"""
import os
import struct

SIZE = 32


def pixel(x, y):
    """BGRA colour of the pixel at column x, row y (row 0 at the top)."""
    cx = cy = (SIZE - 1) / 2.0
    # Rounded square: transparent outside a corner radius of 6.
    r = 6
    dx = max(abs(x - cx) - (cx - r), 0)
    dy = max(abs(y - cy) - (cy - r), 0)
    if dx * dx + dy * dy > r * r:
        return (0, 0, 0, 0)
    d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
    if 7.5 <= d <= 11.5:
        return (255, 255, 255, 255)
    return (200, 110, 30, 255)


def main():
    # Pixel rows of a DIB run bottom-up.
    xor = b"".join(
        bytes(pixel(x, y)) for y in reversed(range(SIZE)) for x in range(SIZE)
    )
    # AND mask: 1 bit a pixel, rows padded to 32 bits; all zero since the
    # alpha channel carries transparency.
    mask = bytes(SIZE * 4)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    icon_dir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image),
                        6 + 16)
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                       "orvbrowser.ico")
    with open(out, "wb") as f:
        f.write(icon_dir + entry + image)


if __name__ == "__main__":
    main()

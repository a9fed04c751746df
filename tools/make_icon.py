#!/usr/bin/env python3
"""Writes shell/res/app.ico: the programs' icon, a 32x32 and a 16x16 image in 16 colours.

The picture is a small dialog window: a blue title bar, a grey client area and a button.
Run it again after changing the drawing below; the .ico it writes is committed.
"""
import struct
import sys
from pathlib import Path

# The standard 16-colour palette (RGB).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, GREY, YELLOW, WHITE = 0, 4, 7, 8, 11, 15
TRANSPARENT = None


def draw(size):
    """Returns rows (top to bottom) of palette indices or TRANSPARENT."""
    s = size / 32.0
    px = [[TRANSPARENT] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), max(int(y0 * s) + 1, int(y1 * s))):
            for x in range(int(x0 * s), max(int(x0 * s) + 1, int(x1 * s))):
                px[y][x] = colour

    rect(1, 3, 31, 29, BLACK)      # frame
    rect(2, 4, 30, 28, SILVER)     # client area
    rect(2, 4, 30, 10, NAVY)       # title bar
    rect(25, 5, 29, 9, SILVER)     # close box
    rect(5, 13, 27, 17, WHITE)     # edit field
    rect(5, 20, 16, 26, GREY)      # button shadow
    rect(5, 20, 15, 25, WHITE)     # button
    rect(19, 20, 27, 26, YELLOW)   # highlighted button
    return px


def image(size):
    rows = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor, mask = b'', b''
    for row in reversed(rows):  # bitmaps are stored bottom-up
        nibbles = [0 if c is TRANSPARENT else c for c in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += line.ljust(xor_stride, b'\0')
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c is TRANSPARENT else 0)
        mask += bits.to_bytes(size // 8, 'big').ljust(and_stride, b'\0')
    return header + palette + xor + mask


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'shell/res/app.ico'
    images = [image(32), image(16)]
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, blob in zip((32, 16), images):
        data += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    out.write_bytes(data + b''.join(images))


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Draws the program's icon (res/Mirel.ico) and the link labels' hand cursor (res/hand.cur).

Run by hand when the artwork changes; the outputs are committed. Both are 16-colour images in
the standard VGA palette: the icon at 32x32 and 16x16 (a magnifying glass over an auction tag),
the cursor at 32x32 (a pointing hand whose fingertip, the hot spot, is at (11, 1)).
"""
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, DARK_YELLOW, NAVY, SILVER, GREY = 0, 1, 3, 4, 7, 8
RED, YELLOW, BLUE, CYAN, WHITE = 9, 11, 12, 14, 15
CLEAR = None


def dib(pixels):
    """BITMAPINFOHEADER, palette, 4-bit colour rows and the 1-bit transparency mask, bottom-up."""
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    colour_row = ((size * 4 + 31) // 32) * 4
    mask_row = ((size + 31) // 32) * 4
    colours, mask = b'', b''
    for row in reversed(pixels):
        packed = bytearray(colour_row)
        bits = bytearray(mask_row)
        for x, p in enumerate(row):
            value = 0 if p is CLEAR else p
            packed[x // 2] |= value << (4 if x % 2 == 0 else 0)
            if p is CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        colours += bytes(packed)
        mask += bytes(bits)
    return header + palette + colours + mask


def write_group(path, kind, images, hotspots=None):
    """kind 1: icon, 2: cursor. For a cursor the planes/bit-count fields hold the hot spot."""
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for i, pixels in enumerate(images):
        blob = dib(pixels)
        size = len(pixels)
        a, b = (hotspots[i] if kind == 2 else (1, 4))
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 16, 0, a, b, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    with open(path, 'wb') as f:
        f.write(out + b''.join(blobs))


def canvas(size):
    return [[CLEAR] * size for _ in range(size)]


def hand():
    """A pointing hand: index finger up, three fingers folded, thumb to the left."""
    def inside(x, y):
        return ((11 <= x <= 12 and 2 <= y <= 15) or      # index finger
                (14 <= x <= 15 and 7 <= y <= 15) or      # middle
                (17 <= x <= 18 and 8 <= y <= 15) or      # ring
                (20 <= x <= 21 and 10 <= y <= 15) or     # little finger
                (11 <= x <= 21 and 14 <= y <= 22) or     # palm
                (12 <= x <= 20 and 23 <= y <= 24) or
                (13 <= x <= 19 and 25 <= y <= 27) or     # wrist
                (7 <= x <= 10 and 16 <= y <= 20 and x - y >= -12) or  # thumb
                (6 <= x <= 8 and 14 <= y <= 17 and y - x <= 10))
    img = canvas(32)
    for y in range(32):
        for x in range(32):
            if inside(x, y):
                img[y][x] = WHITE
            elif any(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                img[y][x] = BLACK
    # Creases between the folded fingers.
    for x, top in ((13, 7), (16, 8), (19, 10)):
        for y in range(top, 15):
            img[y][x] = BLACK
    assert img[1][11] == BLACK, 'the hot spot must be the fingertip'
    return img


def magnifier(size):
    """A yellow auction tag behind a magnifying glass: lens, rim and handle."""
    s = size / 32.0
    img = canvas(size)
    for y in range(size):
        for x in range(size):
            X, Y = (x + 0.5) / s, (y + 0.5) / s
            if 3 <= X <= 22 and 4 <= Y <= 17:
                img[y][x] = YELLOW if not (X < 4.5 or Y < 5.5) else DARK_YELLOW
            d = ((X - 13) ** 2 + (Y - 13) ** 2) ** 0.5
            if d <= 8.0:
                img[y][x] = CYAN if d <= 6.0 else NAVY
            if 18 <= X <= 30 and 18 <= Y <= 30 and abs((X - 18) - (Y - 18)) <= 2.6:
                img[y][x] = MAROON if d > 8.0 else img[y][x]
    # A glint on the lens.
    for X, Y in ((10, 9), (9, 10), (10, 10)):
        x, y = int(X * s), int(Y * s)
        img[y][x] = WHITE
    return img


def main(root):
    write_group(f'{root}/res/Mirel.ico', 1, [magnifier(32), magnifier(16)])
    write_group(f'{root}/res/hand.cur', 2, [hand()], hotspots=[(11, 1)])


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else '.')

#!/usr/bin/env python3
"""Draws the program's icon (res/Mirel.ico) and the link labels' hand cursor (res/hand.cur).

Run by hand when the artwork changes; the outputs are committed.

The icon, a magnifying glass over an auction tag, comes twice:
  - 32-bit with alpha at every size Windows asks for from 100 % to 200 % and for large views
    (16, 20, 24, 32, 40, 48, 64, 256), drawn from one vector description at each size, stored
    PNG-compressed as Windows Vista and later read them: uncompressed, these eight images alone
    would be larger than the whole program;
  - 16-colour at 32 and 16 in the standard VGA palette, for systems that cannot read PNG.
The cursor, a pointing hand, is drawn at 32 (16 colours), 48 and 64 (black and white, all the
hand uses), from one description; the hot spot is the fingertip at each size, (11, 1) at 32.
"""
import struct
import sys
import zlib

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, DARK_YELLOW, NAVY, SILVER, GREY = 0, 1, 3, 4, 7, 8
RED, YELLOW, BLUE, CYAN, WHITE = 9, 11, 12, 14, 15
CLEAR = None

ICON_SIZES = (256, 64, 48, 40, 32, 24, 20, 16)
CURSOR_SIZES = (32, 48, 64)


# --- Paletted images (16 or 2 colours) with a transparency mask ---------------------------

def dib(pixels, bits=4):
    """BITMAPINFOHEADER, palette, colour rows and the 1-bit transparency mask, bottom-up."""
    size = len(pixels)
    colours_used = 1 << bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours_used, 0)
    palette = PALETTE if bits == 4 else [PALETTE[BLACK], PALETTE[WHITE]]
    table = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in palette)
    colour_row = ((size * bits + 31) // 32) * 4
    mask_row = ((size + 31) // 32) * 4
    per_byte = 8 // bits
    colours, mask = b'', b''
    for row in reversed(pixels):
        packed = bytearray(colour_row)
        transparent = bytearray(mask_row)
        for x, p in enumerate(row):
            value = 0 if p is CLEAR else p
            if bits == 1:
                value = 1 if value == WHITE else 0
            shift = bits * (per_byte - 1 - x % per_byte)
            packed[x // per_byte] |= value << shift
            if p is CLEAR:
                transparent[x // 8] |= 0x80 >> (x % 8)
        colours += bytes(packed)
        mask += bytes(transparent)
    return header + table + colours + mask


# --- 32-bit images with alpha, stored as PNG ------------------------------------------------

def png(rgba, size):
    """An RGBA PNG; each image keeps whichever row filter compresses it best."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    stride = size * 4
    rows = [bytes(rgba[y * stride:(y + 1) * stride]) for y in range(size)]

    def filtered(kind):
        out = bytearray()
        previous = bytes(stride)
        for row in rows:
            line = bytearray(stride)
            for i in range(stride):
                a = row[i - 4] if i >= 4 else 0
                b = previous[i]
                c = previous[i - 4] if i >= 4 else 0
                if kind == 0:
                    predictor = 0
                elif kind == 1:
                    predictor = a
                elif kind == 2:
                    predictor = b
                elif kind == 3:
                    predictor = (a + b) // 2
                else:
                    p = a + b - c
                    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                    predictor = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (row[i] - predictor) & 0xFF
            out += bytes([kind]) + line
            previous = row
        packer = zlib.compressobj(9, zlib.DEFLATED, 15, 9)
        return packer.compress(bytes(out)) + packer.flush()

    data = min((filtered(kind) for kind in range(5)), key=len)
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', data) + chunk(b'IEND', b'')


def render(size, layers, samples):
    """Each pixel is the average of samples x samples points, each taking the colour of the topmost
    layer that holds it (layers come top first; a layer without colour is a hole). Returns RGBA
    bytes, top row first."""
    out = bytearray(size * size * 4)
    scale = size / 32.0
    step = 1.0 / samples
    for y in range(size):
        for x in range(size):
            r = g = b = a = 0
            for j in range(samples):
                Y = (y + (j + 0.5) * step) / scale
                for i in range(samples):
                    X = (x + (i + 0.5) * step) / scale
                    for inside, colour in layers:
                        if inside(X, Y):
                            if colour is not None:
                                r += colour[0]
                                g += colour[1]
                                b += colour[2]
                                a += 1
                            break
            o = (y * size + x) * 4
            if a:
                n = samples * samples
                out[o:o + 4] = bytes((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
    return out


# --- The icon ---------------------------------------------------------------------------------

def rounded_rect(left, top, right, bottom, radius):
    def inside(X, Y):
        dx = max(left + radius - X, 0.0, X - (right - radius))
        dy = max(top + radius - Y, 0.0, Y - (bottom - radius))
        return left <= X <= right and top <= Y <= bottom and dx * dx + dy * dy <= radius * radius
    return inside


def disc(cx, cy, radius):
    return lambda X, Y: (X - cx) ** 2 + (Y - cy) ** 2 <= radius * radius


def capsule(x0, y0, x1, y1, radius):
    """Points within radius of the segment from (x0, y0) to (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(X, Y):
        t = max(0.0, min(1.0, ((X - x0) * dx + (Y - y0) * dy) / length2))
        px, py = x0 + t * dx - X, y0 + t * dy - Y
        return px * px + py * py <= radius * radius
    return inside


def magnifier_layers(size):
    """The icon in a 32-unit box, top layer first. Outlines are at least one pixel wide at every
    size, and the tag's straight edges fall on pixel boundaries, so small sizes stay crisp."""
    scale = size / 32.0
    line = max(1.0, 0.9 * scale) / scale    # an outline, in units

    def snap(v):
        return round(v * scale) / scale

    gold, gold_edge = (246, 196, 60), (168, 116, 14)
    glass, rim = (205, 238, 250), (30, 58, 138)
    wood, wood_edge = (140, 52, 22), (74, 24, 8)
    white = (255, 255, 255)
    left, top, right, bottom = snap(2), snap(3.5), snap(23), snap(18.5)
    layers = []
    if size >= 24:   # a glint on the lens, too small to read below that
        layers.append((disc(10.2, 9.7, 1.7), white))
    layers += [
        (disc(13, 12.5, 6.4), glass),
        (disc(13, 12.5, 6.4 + max(2.0, 2.2 * scale) / scale), rim),
        (capsule(19.5, 19.5, 28.2, 28.2, 2.6 - line), wood),
        (capsule(19.5, 19.5, 28.2, 28.2, 2.6), wood_edge),
    ]
    if size >= 32:   # the tag's string hole
        layers.append((disc(5.2, 7.0, 1.1), None))
        layers.append((disc(5.2, 7.0, 1.1 + line), gold_edge))
    layers += [
        (rounded_rect(left + line, top + line, right - line, bottom - line, 2.0), gold),
        (rounded_rect(left, top, right, bottom, 2.0 + line), gold_edge),
    ]
    return layers


def magnifier_rgba(size):
    return render(size, magnifier_layers(size), 4)


def magnifier(size):
    """The 16-colour icon: a yellow auction tag behind a magnifying glass: lens, rim, handle."""
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


# --- The cursor -------------------------------------------------------------------------------

def canvas(size):
    return [[CLEAR] * size for _ in range(size)]


def hand_shape():
    """A pointing hand in a 32-unit box: index finger up, three fingers folded, thumb to the left.
    The fingers are separate shapes, so the gaps between them become the creases."""
    parts = [
        capsule(12, 3.0, 12, 16, 1.0),      # index finger, its tip at the top
        capsule(15, 8.0, 15, 16, 1.0),      # middle
        capsule(18, 9.0, 18, 16, 1.0),      # ring
        capsule(21, 11.0, 21, 16, 1.0),     # little finger
        rounded_rect(11, 14, 22, 23, 1.0),  # palm
        rounded_rect(12, 22, 21, 25, 0.5),
        rounded_rect(13, 24, 20, 28, 0.0),  # wrist
        capsule(7.6, 15.6, 11.0, 19.5, 1.8),  # thumb
    ]
    return lambda X, Y: any(part(X, Y) for part in parts)


def hand(size):
    """The hand at size pixels, white with a black outline, and its hot spot: the leftmost pixel
    of the outline's top row, above the fingertip."""
    scale = size / 32.0
    inside = hand_shape()
    filled = [[inside((x + 0.5) / scale, (y + 0.5) / scale) for x in range(size)]
              for y in range(size)]
    outline = max(1, int(scale))
    img = canvas(size)
    for y in range(size):
        for x in range(size):
            if filled[y][x]:
                img[y][x] = WHITE
            elif any(0 <= x + dx < size and 0 <= y + dy < size and filled[y + dy][x + dx]
                     for dx in range(-outline, outline + 1) for dy in range(-outline, outline + 1)
                     if abs(dx) + abs(dy) <= outline):
                img[y][x] = BLACK
    top = next(y for y in range(size) if any(p is not CLEAR for p in img[y]))
    hotspot = (next(x for x in range(size) if img[top][x] is not CLEAR), top)
    return img, hotspot


# --- Files ------------------------------------------------------------------------------------

def write_group(path, kind, entries):
    """kind 1: icon, 2: cursor. entries: (size, colour count, field a, field b, image bytes); for an
    icon a and b are planes and bits per pixel, for a cursor the hot spot."""
    out = struct.pack('<HHH', 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    for size, colours, a, b, blob in entries:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, colours, 0, a, b, len(blob), offset)
        offset += len(blob)
    with open(path, 'wb') as f:
        f.write(out + b''.join(entry[4] for entry in entries))


def main(root):
    icons = [(size, 0, 1, 32, png(magnifier_rgba(size), size)) for size in ICON_SIZES]
    icons += [(size, 16, 1, 4, dib(magnifier(size))) for size in (32, 16)]
    write_group(f'{root}/res/Mirel.ico', 1, icons)

    cursors = []
    for size in CURSOR_SIZES:
        img, hotspot = hand(size)
        bits = 4 if size == 32 else 1
        cursors.append((size, 1 << bits, hotspot[0], hotspot[1], dib(img, bits)))
        print(f'cursor {size}: hot spot {hotspot}')
    assert cursors[0][2:4] == (11, 1), 'the hot spot of the 32-pixel hand must be (11, 1)'
    write_group(f'{root}/res/hand.cur', 2, cursors)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else '.')

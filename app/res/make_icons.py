#!/usr/bin/env python3
"""Writes the program's two icons, 16 colours, 32x32 and 16x16 each:
dravel03.ico (the program: a text line and its turned twin) and
document.ico (a document page). Run it from this directory."""
import struct

# The standard 16-colour palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, GREY, RED, YELLOW, BLUE, WHITE = 0, 4, 8, 9, 11, 12, 15
CLEAR = None


def program_pixel(x, y, n):
    """A blue tile with a yellow bar above and a red bar below."""
    s = n / 32
    if x < 1 * s or y < 1 * s or x >= n - 1 * s or y >= n - 1 * s:
        return CLEAR
    if x < 2 * s or y < 2 * s or x >= n - 2 * s or y >= n - 2 * s:
        return NAVY
    if 6 * s <= y < 12 * s and 5 * s <= x < 22 * s:
        return YELLOW
    if 6 * s <= y < 12 * s and 22 * s <= x < 27 * s and (x - 22 * s) < (12 * s - y) * 0.9 + 1:
        return YELLOW
    if 20 * s <= y < 26 * s and 10 * s <= x < 27 * s:
        return RED
    if 20 * s <= y < 26 * s and 5 * s <= x < 10 * s and (10 * s - x) < (y - 20 * s) * 0.9 + 1:
        return RED
    return BLUE


def document_pixel(x, y, n):
    """A white page with a folded corner and lines of text."""
    s = n / 32
    left, right, top, bottom, fold = 5 * s, 26 * s, 2 * s, 30 * s, 7 * s
    if not (left <= x < right and top <= y < bottom):
        return CLEAR
    if x - (right - fold) > y - top:
        return CLEAR
    if x < left + s or x >= right - s or y >= bottom - s or y < top + s:
        return BLACK
    if abs((x - (right - fold)) - (y - top)) < 1:
        return BLACK
    if x >= right - fold and y < top + fold:
        return GREY
    if left + 3 * s <= x < right - 3 * s and int((y - top) / s) % 4 == 2 and y > top + fold:
        return NAVY
    return WHITE


def image(pixel, n):
    rows = [[pixel(x + 0.5, y + 0.5, n) for x in range(n)] for y in range(n)]
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for x in range(0, n, 2):
            hi = row[x] or 0
            lo = row[x + 1] or 0
            line.append((hi << 4) | lo)
        while len(line) % 4:
            line.append(0)
        xor += line
        bits = bytearray()
        for x in range(0, n, 8):
            b = 0
            for i in range(8):
                if x + i < n and row[x + i] is CLEAR:
                    b |= 0x80 >> i
            bits.append(b)
        while len(bits) % 4:
            bits.append(0)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def icon(pixel):
    images = [image(pixel, 32), image(pixel, 16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', n, n, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b''.join(images)


with open('dravel03.ico', 'wb') as f:
    f.write(icon(program_pixel))
with open('document.ico', 'wb') as f:
    f.write(icon(document_pixel))

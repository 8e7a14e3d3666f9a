#!/usr/bin/env python3
"""Draws Glean's program icon (glean.ico, 16 x 16 and 32 x 32): a page of text lines
under a magnifying glass. Run it again after changing the drawing."""
import struct

def draw(size):
    s = size / 32.0
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    def rect(l, t, r, b, c):
        for y in range(int(t * s), max(int(t * s) + 1, int(b * s))):
            for x in range(int(l * s), max(int(l * s) + 1, int(r * s))):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = c
    rect(4, 2, 24, 30, (64, 64, 64, 255))       # page edge
    rect(5, 3, 23, 29, (255, 255, 255, 255))    # page
    for i in range(5):
        rect(8, 7 + 4 * i, 20, 9 + 4 * i, (0, 0, 160, 255))  # text lines
    # the glass: a ring and a handle
    cx, cy, r = 20 * s, 19 * s, 7 * s
    for y in range(size):
        for x in range(size):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if r - 2 * s <= d <= r:
                px[y][x] = (0, 128, 128, 255)
    for k in range(int(6 * s) + 1):
        for w in range(max(1, int(2 * s))):
            x, y = int(25 * s) + k + w, int(24 * s) + k
            if x < size and y < size:
                px[y][x] = (96, 48, 0, 255)
    return px

def image(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(struct.pack('BBBB', b, g, r, a)
                   for row in reversed(px) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(px):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + xor + mask

sizes = [16, 32]
images = [image(n) for n in sizes]
out = struct.pack('<HHH', 0, 1, len(sizes))
offset = 6 + 16 * len(sizes)
for n, data in zip(sizes, images):
    out += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
open('glean.ico', 'wb').write(out + b''.join(images))

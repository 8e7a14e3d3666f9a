#!/usr/bin/env python3
"""Draws the editor's own cursors and image-bar pictures and writes them as .cur and
.bmp files beside this script. Run it again after changing a picture; the outputs are
committed so that a build needs no Python."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# 32 x 32 cursors: '#' black, '.' white, ' ' transparent. Hot spots after each picture.
RIGHT_ARROW = [
    "               #",
    "              ##",
    "             #.#",
    "            #..#",
    "           #...#",
    "          #....#",
    "         #.....#",
    "        #......#",
    "       #.......#",
    "      #........#",
    "     #.........#",
    "    #..........#",
    "   #......######",
    "  #....#..#",
    "       #..#",
    "        #..#",
    "        #..#",
    "         ##",
]  # a mirrored arrow: it points up and to the right, over the row it selects
DRAG_COPY = [
    "#",
    "##",
    "#.#",
    "#..#",
    "#...#",
    "#....#",
    "#.....#",
    "#......#",
    "#.......#",
    "#........#",
    "#.....#####",
    "#..#..#",
    "#.# #..#",
    "##  #..#",
    "#    #..#",
    "     #..#",
    "      ##",
    "",
    "   ##########",
    "   #........#",
    "   #...##...#",
    "   #...##...#",
    "   #.######.#",
    "   #.######.#",
    "   #...##...#",
    "   #...##...#",
    "   #........#",
    "   ##########",
]  # an arrow with a box holding a plus: drag and copy


def cursor_file(picture, hot_x, hot_y):
    size = 32
    rows = [line.ljust(size)[:size] for line in picture] + [" " * size] * (size - len(picture))
    xor_rows, and_rows = [], []
    for line in reversed(rows):  # bitmaps are stored bottom-up
        xor_bits = and_bits = 0
        for x, ch in enumerate(line):
            bit = 1 << (31 - x)
            if ch == " ":
                and_bits |= bit  # transparent: screen kept
            elif ch == ".":
                xor_bits |= bit  # white
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack(
        "<BBBBHHII", size, size, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + image


def bmp_file(pixels):
    """pixels: rows top to bottom of (r, g, b); a 24-bit bottom-up bitmap."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) // 4 * 4
    body = b""
    for row in reversed(pixels):
        line = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in row)
        body += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + 40 + len(body), 0, 0, 14 + 40) + info + body


# 3 x 5 digits for the 8 x 11 digit images.
DIGITS = {
    0: ["###", "#.#", "#.#", "#.#", "###"], 1: [".#.", "##.", ".#.", ".#.", "###"],
    2: ["###", "..#", "###", "#..", "###"], 3: ["###", "..#", "###", "..#", "###"],
    4: ["#.#", "#.#", "###", "..#", "..#"], 5: ["###", "#..", "###", "..#", "###"],
    6: ["###", "#..", "###", "#.#", "###"], 7: ["###", "..#", ".#.", ".#.", ".#."],
    8: ["###", "#.#", "###", "#.#", "###"], 9: ["###", "#.#", "###", "..#", "###"],
}
RED, WHITE, BLACK, NAVY, YELLOW = (255, 0, 0), (255, 255, 255), (0, 0, 0), (0, 0, 128), (255, 255, 0)


def digit_image(n):
    # A navy tag with the white digit, on red (the transparent colour).
    img = [[RED] * 8 for _ in range(11)]
    for y in range(1, 10):
        for x in range(0, 7):
            img[y][x] = NAVY
    for y, line in enumerate(DIGITS[n]):
        for x, ch in enumerate(line):
            if ch == "#":
                img[y * 1 + 3][x + 2] = WHITE
    return img


MARKS = [  # 11 x 11 symbols on white (transparent): circle, square, triangle, diamond, star, flag
    ["...#####...", "..#.....#..", ".#.......#.", "#.........#", "#.........#", "#.........#",
     "#.........#", "#.........#", ".#.......#.", "..#.....#..", "...#####..."],
    ["###########"] + ["#.........#"] * 9 + ["###########"],
    [".....#.....", "....#.#....", "....#.#....", "...#...#...", "...#...#...", "..#.....#..",
     "..#.....#..", ".#.......#.", ".#.......#.", "#.........#", "###########"],
    [".....#.....", "....#.#....", "...#...#...", "..#.....#..", ".#.......#.", "#.........#",
     ".#.......#.", "..#.....#..", "...#...#...", "....#.#....", ".....#....."],
    [".....#.....", ".....#.....", "....###....", "###########", ".#########.", "..#######..",
     "..#######..", ".####.####.", ".###...###.", "##.......##", "#.........#"],
    ["#..........", "######.....", "#######....", "########...", "#######....", "######.....",
     "#..........", "#..........", "#..........", "#..........", "#.........."],
]


def mark_image(picture):
    return [[BLACK if ch == "#" else WHITE for ch in line] for line in picture]


def main():
    with open(os.path.join(HERE, "right_arrow.cur"), "wb") as f:
        f.write(cursor_file(RIGHT_ARROW, 15, 0))
    with open(os.path.join(HERE, "drag_sel_copy.cur"), "wb") as f:
        f.write(cursor_file(DRAG_COPY, 0, 0))
    for n in range(10):
        with open(os.path.join(HERE, "dd%02d.bmp" % n), "wb") as f:
            f.write(bmp_file(digit_image(n)))
    for n, picture in enumerate(MARKS):
        with open(os.path.join(HERE, "dm%02d.bmp" % n), "wb") as f:
            f.write(bmp_file(mark_image(picture)))


if __name__ == "__main__":
    main()

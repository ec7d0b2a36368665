#!/usr/bin/env python3
"""Draws the kit's icon (a small calculator) as a 32x32, 16-colour .ico.

Run from anywhere; writes resources/icons/tolmic.ico beside this script.
The standard 16-colour palette keeps the icon identical on every display.
"""
import os
import struct

PALETTE = [  # the standard VGA colours, as (blue, green, red)
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128),
    (128, 0, 0), (128, 0, 128), (128, 128, 0), (192, 192, 192),
    (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255),
    (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
BLACK, DARK_BLUE, GREY, DARK_GREY, GREEN, WHITE, RED = 0, 4, 7, 8, 2, 15, 9
SIZE = 32


def draw():
    """Returns rows top to bottom of palette indices, None where transparent."""
    pixels = [[None] * SIZE for _ in range(SIZE)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                pixels[y][x] = colour

    rect(5, 1, 26, 30, BLACK)        # case outline
    rect(6, 2, 25, 29, DARK_GREY)    # case
    rect(8, 4, 23, 10, BLACK)        # display frame
    rect(9, 5, 22, 9, GREEN)         # display
    rect(18, 6, 21, 8, BLACK)        # digits
    rect(13, 6, 16, 8, BLACK)
    for row in range(4):
        for col in range(4):
            x = 8 + col * 4
            y = 13 + row * 4
            colour = RED if (row, col) == (3, 3) else (GREY if col < 3 else WHITE)
            rect(x, y, x + 2, y + 2, colour)
    return pixels


def icon_bytes(pixels):
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        nibbles = [0 if p is None else p for p in row]
        xor_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2)))
        mask = 0
        for p in row:
            mask = (mask << 1) | (1 if p is None else 0)
        and_rows.append(mask.to_bytes(4, "big"))
    xor, and_mask = b"".join(xor_rows), b"".join(and_rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for b, g, r in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(and_mask), 0, 0, 16, 0)
    image = header + palette + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "icons", "tolmic.ico")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "wb") as f:
        f.write(icon_bytes(draw()))
    print(out)


if __name__ == "__main__":
    main()

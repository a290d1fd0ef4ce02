#!/usr/bin/env python3
"""Draws the program icon, a yellow sticky note with a folded corner, and
writes res/Corvana.ico with a 16x16 and a 32x32 image (32-bit, alpha)."""
import os
import struct

PAPER = (255, 236, 120)
EDGE = (196, 150, 32)
FOLD = (232, 196, 72)
LINE = (150, 128, 80)


def pixel(x, y, n):
    """Colour (r, g, b, a) at pixel x, y of an n by n image (y from the top)."""
    last = n - 1
    fold = n * 5 // 16  # side of the folded corner
    # Past the fold's diagonal the corner is cut away.
    if x + y > 2 * last - fold:
        return (0, 0, 0, 0)
    on_edge = x == 0 or y == 0 or x == last or y == last or x + y == 2 * last - fold
    if on_edge:
        return EDGE + (255,)
    # The folded flap: the triangle inside the corner, up to the diagonal.
    if x > last - fold and y > last - fold:
        return FOLD + (255,)
    # Ruled lines for text, kept clear of the fold and the edges.
    margin = max(2, n // 8)
    step = max(3, n // 5)
    if margin <= x < last - margin and y >= margin + step - 1 and (y - margin) % step == step - 1:
        if y < last - fold or x < last - fold - 1:
            return LINE + (255,)
    return PAPER + (255,)


def image(n):
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    row_mask_bytes = ((n + 31) // 32) * 4
    for y in reversed(range(n)):  # bottom-up rows
        row = bytearray(row_mask_bytes)
        for x in range(n):
            r, g, b, a = pixel(x, y, n)
            colour += bytes((b, g, r, a))
            if a == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(colour) + bytes(mask)


def main():
    sizes = (16, 32)
    images = [image(n) for n in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "Corvana.ico")
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the program icon: a 32 x 32, 24-bit clock face on a rose-quartz disc.

Writes assets/zentrova.ico (one image, BMP inside the ICO with its AND mask).
Deterministic; run it again only when the drawing changes.
"""
import math
import struct
import sys
from pathlib import Path

SIDE = 32


def pixel(x, y):
    """Colour (r, g, b) and opacity (True/False) of one icon pixel."""
    cx = cy = (SIDE - 1) / 2.0
    dx, dy = x - cx, y - cy
    d = math.hypot(dx, dy) / 15.5
    if d > 1.0:
        return (0, 0, 0), False
    # Stone disc: warm gradient with a soft highlight at the upper left.
    light = max(0.0, 1.0 - math.hypot(dx + 6, dy + 6) / 18.0)
    r = 178 + 60 * light
    g = 128 + 70 * light
    b = 120 + 60 * light
    if d > 0.86:  # dark rim
        r, g, b = r * 0.55, g * 0.5, b * 0.55
    # Hour ticks.
    angle = math.atan2(dy, dx)
    if 0.62 < d < 0.8 and min(abs((angle / (math.pi / 6)) - round(angle / (math.pi / 6))), 1) < 0.18:
        r, g, b = 84, 13, 45
    # Hands: hour towards 10 o'clock, minute towards 2 o'clock.
    for hand_angle, length, width in ((-2.6, 0.5, 1.6), (-0.95, 0.72, 1.1)):
        hx, hy = math.cos(hand_angle), math.sin(hand_angle)
        along = dx * hx + dy * hy
        across = abs(-dx * hy + dy * hx)
        if -1.0 < along < length * 15.5 and across < width:
            r, g, b = 84, 13, 45
    if math.hypot(dx, dy) < 1.8:
        r, g, b = 84, 13, 45
    return (int(min(255, r)), int(min(255, g)), int(min(255, b))), True


def build_icon():
    rows_xor = []
    rows_and = []
    for y in range(SIDE - 1, -1, -1):  # bottom-up
        line = bytearray()
        mask_bits = []
        for x in range(SIDE):
            (r, g, b), opaque = pixel(x, y)
            line += bytes((b, g, r))
            mask_bits.append(0 if opaque else 1)
        rows_xor.append(bytes(line))
        mask = bytearray()
        for i in range(0, SIDE, 8):
            byte = 0
            for bit in mask_bits[i:i + 8]:
                byte = (byte << 1) | bit
            mask.append(byte)
        rows_and.append(bytes(mask))  # 4 bytes per row: already aligned
    xor = b"".join(rows_xor)
    and_mask = b"".join(rows_and)
    header = struct.pack("<IiiHHIIiiII", 40, SIDE, SIDE * 2, 1, 24, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIDE, SIDE, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "assets" / "zentrova.ico"
    out.write_bytes(build_icon())
    print(f"wrote {out}")


if __name__ == "__main__":
    main()

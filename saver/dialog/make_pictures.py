#!/usr/bin/env python3
"""Draws the settings window's pictures and writes them beside this script:

  dialog_mark_off.bmp  12 x 12, 24-bit: the unselected mark of a choice (an empty ring)
  dialog_mark_on.bmp   12 x 12, 24-bit: the selected mark (the ring with a dot)
  dialog_hand.cur      32 x 32, two colours: the link's pointing hand, hot spot at the finger
                       tip (12, 10)

The results are kept in the repository; run this again only to change a picture.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The marks stand on the music panel, whose light middle is close to its back colour.
PANEL = (224, 224, 224)
RING = (72, 76, 96)
FACE = (255, 255, 255)
DOT = (24, 48, 132)


def mark(selected):
    pixels = []
    centre = 5.5
    for y in range(12):
        row = []
        for x in range(12):
            d = math.hypot(x - centre, y - centre)
            if d <= 2.6 and selected:
                row.append(DOT)
            elif d <= 4.6:
                row.append(FACE)
            elif d <= 5.9:
                row.append(RING)
            else:
                row.append(PANEL)
        pixels.append(row)
    return pixels


def bmp24(pixels):
    height = len(pixels)
    width = len(pixels[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        body += line
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(body), 3780, 3780, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return header + info + body


def hand_shape():
    """The filled part of the hand: fingers, palm, thumb and wrist."""
    boxes = [
        (11, 10, 13, 21),  # index finger, pointing up; its tip is the hot spot
        (15, 14, 17, 21),  # middle finger
        (19, 15, 21, 21),  # ring finger
        (23, 17, 24, 22),  # little finger
        (9, 21, 24, 27),   # palm
        (6, 19, 8, 23),    # thumb
        (11, 28, 22, 29),  # wrist
    ]
    inside = set()
    for x0, y0, x1, y1 in boxes:
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                inside.add((x, y))
    inside.discard((6, 19))  # round the thumb's corner
    return inside


def cursor():
    inside = hand_shape()
    outline = set()
    for x, y in inside:
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            if (x + dx, y + dy) not in inside:
                outline.add((x + dx, y + dy))
    # XOR bit 1 = white; AND bit 1 = transparent. Rows bottom-up, 4 bytes each.
    xor_rows = []
    and_rows = []
    for y in reversed(range(32)):
        xor_bits = 0
        and_bits = 0
        for x in range(32):
            bit = 1 << (31 - x)
            if (x, y) in inside:
                xor_bits |= bit
            elif (x, y) not in outline:
                and_bits |= bit
        xor_rows.append(struct.pack('>I', xor_bits))
        and_rows.append(struct.pack('>I', and_bits))
    masks = b''.join(xor_rows) + b''.join(and_rows)
    info = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 1, 0, len(masks), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = info + palette + masks
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', 32, 32, 2, 0, 12, 10, len(image), 6 + 16)
    return directory + entry + image


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


write('dialog_mark_off.bmp', bmp24(mark(False)))
write('dialog_mark_on.bmp', bmp24(mark(True)))
write('dialog_hand.cur', cursor())

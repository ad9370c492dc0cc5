#!/usr/bin/env python3
"""Draws Mirvalen's icon and folder bitmap and writes them as mirvalen.ico and
folder.bmp beside this script. Standard library only; the generated files are
kept in the repository so that the build needs no Python.

Both images use the 16-colour VGA palette, 4 bits per pixel, uncompressed
BITMAPINFOHEADER data, as LoadIconA and LoadBitmapA expect of a 16-colour
resource.
"""

import os
import struct

# The 16 standard colours, in the order Windows lists them.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# Characters of the pixel art and their palette index. '.' is transparent in
# the icon; the bitmap has no transparency and paints its background 'g'.
INK = {
    'k': 0,   # black outline
    'o': 3,   # olive: shaded side of a folder
    'g': 7,   # button-face grey
    'r': 9,   # red: target to base
    'y': 11,  # yellow folder
    'b': 12,  # blue: base to target
    'w': 15,  # white highlight
    '.': 0,
}

# Icon: the base folder above the target folder, with the two directions of
# copying between them (blue down, red up, the colours of the main window).
ICON_16 = [
    ".kkk............",
    "kyyyk.....b..r..",
    "kyyyykkk..b.rrr.",
    "kwwwwwwk..brrrrr",
    "kwyyyyok..b..r..",
    "kooooook..b..r..",
    "kkkkkkkk..b..r..",
    "..........b..r..",
    "..........b..r..",
    ".kkk......b..r..",
    "kyyyk.....b..r..",
    "kyyyykkk..b..r..",
    "kwwwwwwkbbbbbr..",
    "kwyyyyok.bbb.r..",
    "kooooook..b..r..",
    "kkkkkkkk........",
]

ICON_32 = [
    "................................",
    ".kkkkkk.........................",
    "kyyyyyyk........................",
    "kyyyyyyykkkkkkkkkk...bbb........",
    "kwwwwwwwwwwwwwwwwk...bbb....r...",
    "kwyyyyyyyyyyyyyyok...bbb...rrr..",
    "kwyyyyyyyyyyyyyyok...bbb..rrrrr.",
    "kwyyyyyyyyyyyyyyok...bbb.rrrrrrr",
    "kwyyyyyyyyyyyyyyok...bbb...rrr..",
    "kwyyyyyyyyyyyyyyok...bbb...rrr..",
    "kwyyyyyyyyyyyyyyok...bbb...rrr..",
    "kwyyyyyyyyyyyyyyok...bbb...rrr..",
    "kooooooooooooooook...bbb...rrr..",
    "kkkkkkkkkkkkkkkkkk...bbb...rrr..",
    ".....................bbb...rrr..",
    ".....................bbb...rrr..",
    ".....................bbb...rrr..",
    ".....................bbb...rrr..",
    ".kkkkkk..............bbb...rrr..",
    "kyyyyyyk.............bbb...rrr..",
    "kyyyyyyykkkkkkkkkk...bbb...rrr..",
    "kwwwwwwwwwwwwwwwwk...bbb...rrr..",
    "kwyyyyyyyyyyyyyyok...bbb...rrr..",
    "kwyyyyyyyyyyyyyyok...bbb...rrr..",
    "kwyyyyyyyyyyyyyyok.bbbbbbb.rrr..",
    "kwyyyyyyyyyyyyyyok..bbbbb..rrr..",
    "kwyyyyyyyyyyyyyyok...bbb...rrr..",
    "kwyyyyyyyyyyyyyyok....b....rrr..",
    "kwyyyyyyyyyyyyyyok.........rrr..",
    "kooooooooooooooook..............",
    "kkkkkkkkkkkkkkkkkk..............",
    "................................",
]

# Button picture: an open yellow folder on button-face grey.
FOLDER_16 = [
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "ggkkkkgggggggggg",
    "gkwyyykggggggggg",
    "gkyyyyykkkkkkkgg",
    "gkyoooooooooookg",
    "gkyokkkkkkkkkkkk",
    "gkykyyyyyyyyyykg",
    "gkkyyyyyyyyyykgg",
    "gkyyyyyyyyyykggg",
    "gkkkkkkkkkkkkggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
    "gggggggggggggggg",
]


def check(art, size):
    assert len(art) == size, f"{len(art)} rows, expected {size}"
    for n, row in enumerate(art):
        assert len(row) == size, f"row {n} has {len(row)} pixels"
        for ch in row:
            assert ch in INK, f"row {n}: unknown pixel {ch!r}"


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def info_header(width, height, image_size):
    # BITMAPINFOHEADER, 4 bits per pixel, BI_RGB, 16 colours.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0,
                       image_size, 0, 0, 16, 0)


def pixel_rows(art):
    """4-bit rows, bottom-up, each padded to a multiple of 4 bytes."""
    out = bytearray()
    for row in reversed(art):
        line = bytearray()
        for i in range(0, len(row), 2):
            line.append((INK[row[i]] << 4) | INK[row[i + 1]])
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def mask_rows(art):
    """1-bit AND mask, bottom-up, padded to 4 bytes: 1 where transparent."""
    out = bytearray()
    for row in reversed(art):
        line = bytearray((len(row) + 7) // 8)
        for x, ch in enumerate(row):
            if ch == '.':
                line[x // 8] |= 0x80 >> (x % 8)
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def icon_image(art):
    size = len(art)
    xor = pixel_rows(art)
    mask = mask_rows(art)
    # An icon's header counts the colour and the mask rows together.
    return info_header(size, size * 2, len(xor) + len(mask)) + palette_bytes() + xor + mask


def write_icon(path, arts):
    images = [icon_image(a) for a in arts]
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = len(head) + 16 * len(images)
    entries = b""
    for art, data in zip(arts, images):
        size = len(art)
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4,
                               len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(head + entries + b"".join(images))


def write_bitmap(path, art):
    size = len(art)
    bits = pixel_rows(art)
    header = info_header(size, size, len(bits)) + palette_bytes()
    offset = 14 + len(header)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(file_header + header + bits)


def main():
    check(ICON_16, 16)
    check(ICON_32, 32)
    check(FOLDER_16, 16)
    here = os.path.dirname(os.path.abspath(__file__))
    write_icon(os.path.join(here, "mirvalen.ico"), [ICON_16, ICON_32])
    write_bitmap(os.path.join(here, "folder.bmp"), FOLDER_16)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws larkit's small pictures and writes them into res/.

    python3 scripts/draw_images.py [--out DIR] [--preview FILE | --no-preview]

Writes six 16 x 16, 16-colour bitmaps for the tree (white is the mask
colour, so it only ever appears as background) and the application icon
(16 x 16 and 32 x 32, 32-bit with an AND mask).  It also writes an
enlarged PNG of every picture (by default larkit_images_preview.png in the
temporary folder, never in the repo), once on white and once on a dark
background so any stray mask-white shows up.

Standard library only, and the output is the same bytes on every run.

Each picture is ASCII art, one string per row, one letter per pixel:

    .  white: background / transparent
    k  black         r  maroon        g  green         o  olive
    n  navy          p  purple        t  teal          s  silver (paper)
    d  grey          R  red           G  lime          Y  yellow
    B  blue          M  magenta       C  cyan
    w  white, opaque (icon only: bitmaps cannot have opaque white)
"""

import argparse
import os
import struct
import tempfile
import zlib

# The standard 16-colour palette, in the order the bitmaps store it.
VGA = [
    ('k', 0x000000), ('r', 0x800000), ('g', 0x008000), ('o', 0x808000),
    ('n', 0x000080), ('p', 0x800080), ('t', 0x008080), ('s', 0xC0C0C0),
    ('d', 0x808080), ('R', 0xFF0000), ('G', 0x00FF00), ('Y', 0xFFFF00),
    ('B', 0x0000FF), ('M', 0xFF00FF), ('C', 0x00FFFF), ('.', 0xFFFFFF),
]
BMP_INDEX = {letter: i for i, (letter, _) in enumerate(VGA)}
RGB = dict(VGA)
RGB['w'] = 0xFFFFFF
TRANSPARENT = '.'


# ---------------------------------------------------------------- pictures

def closed_book():
    return [
        "................",
        ".kkkkkkkkkkkk...",
        ".kRrrrrrrrrrkk..",
        ".kRrrrrrrrrrksk.",
        ".kRrssssssrrksk.",
        ".kRrsddddsrrksk.",
        ".kRrssssssrrksk.",
        ".kRrrrrrrrrrksk.",
        ".kRrrrrrrrrrksk.",
        ".kRrrrrrrrrrksk.",
        ".kRrrrrrrrrrksk.",
        ".kRrrrrrrrrrksk.",
        ".kkkkkkkkkkkksk.",
        "..kssssssssssdk.",
        "..kkkkkkkkkkkkk.",
        "................",
    ]


def open_book():
    return [
        "................",
        "................",
        "..kkkk....kkkk..",
        ".kssssk..kssssk.",
        ".kssssskksssssk.",
        ".ksdddskksdddsk.",
        ".kssssskksssssk.",
        ".ksdddskksdddsk.",
        ".kssssskksssssk.",
        ".ksdddskksdddsk.",
        ".kssssskksssssk.",
        "rkkkssskkssskkkr",
        "rrrkkkskkskkkrrr",
        ".rrrrrrkkrrrrrr.",
        "................",
        "................",
    ]


def closed_folder():
    return [
        "................",
        "................",
        "..ooooo.........",
        ".oYYYYYoooooooo.",
        ".oYYYYYYYYYYYYok",
        ".oYYYYYYYYYYYYok",
        ".oYYYYYYYYYYYYok",
        ".oYYYYYYYYYYYYok",
        ".oYYYYYYYYYYYYok",
        ".oYYYYYYYYYYYYok",
        ".oYYYYYYYYYYYYok",
        ".oYYYYYYYYYYYYok",
        ".oYYYYYYYYYYYYok",
        ".ooooooooooooook",
        "..kkkkkkkkkkkkkk",
        "................",
    ]


def open_folder():
    return [
        "................",
        "................",
        "..ooooo.........",
        ".oYYYYYoooooo...",
        ".oYYYYYYYYYYYo..",
        ".oYYYYYYYYYYYo..",
        ".oYYoooooooooooo",
        ".oYYoYYYYYYYYYYo",
        ".oYoYYYYYYYYYYo.",
        ".oYoYYYYYYYYYYo.",
        ".ooYYYYYYYYYYo..",
        ".ooYYYYYYYYYYo..",
        ".oYYYYYYYYYYo...",
        ".oooooooooooo...",
        "................",
        "................",
    ]


def page():
    return [
        "................",
        "..kkkkkkkkk.....",
        "..kssssssskk....",
        "..ksddddsksk....",
        "..kssssssksdk...",
        "..ksdddddkkkkk..",
        "..kssssssssssk..",
        "..ksddddddddsk..",
        "..kssssssssssk..",
        "..ksddddddddsk..",
        "..kssssssssssk..",
        "..ksddddddddsk..",
        "..kssssssssssk..",
        "..ksdddddsssk...",
        "..kkkkkkkkkkkk..",
        "................",
    ]


def page_selected():
    # The same page with a globe over its lower right corner.
    globe = [
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "..........nnnn..",
        ".........nBGBBn.",
        "........nBGGGBBn",
        "........nBBGGBBn",
        "........nBBBBGBn",
        "........nGBBBGGn",
        ".........nBBBBn.",
        "..........nnnn..",
    ]
    return overlay(page(), globe)


def icon_16():
    return [
        ".......RRRR.....",
        ".kkkkkkRRRRkk...",
        ".knBBBBRRRRBkk..",
        ".knBBBBRRRRBksk.",
        ".knBBBBRRRRBksk.",
        ".knBBBBRRRRBksk.",
        ".knBBBBRRRRBksk.",
        ".knBBBBRRRRBksk.",
        ".knBBBBRRRRBksk.",
        ".knBBBBRRRRBksk.",
        ".knBBBBRRRRBksk.",
        ".knBBBBRRRRBksk.",
        ".kkkkkkRRRRkksk.",
        "..kssssRRRRssdk.",
        "..kkkkkRRRRkkkk.",
        ".......R..R.....",
    ]


def icon_32():
    return [
        "................................",
        "................................",
        "..................rRRRRRr.......",
        "...kkkkkkkkkkkkkkkrRRRRRrkkk....",
        "...knnnCBBBBBBBBBBrRRRRRrBBkk...",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwk..",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwkk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBYYYYYYBBrRRRRRrBBkwdk.",
        "...knnnCBBYnnnnYBBrRRRRRrBBkwdk.",
        "...knnnCBBYYYYYYBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...knnnCBBBBBBBBBBrRRRRRrBBkwdk.",
        "...kkkkkkkkkkkkkkkrRRRRRrkkkwdk.",
        "....kwwwwwwwwwwwwwrRRRRRrwwwwdk.",
        "....kdddddddddddddrRRRRRrdddddk.",
        "....kkkkkkkkkkkkkkrRRRRRrkkkkkk.",
        "..................rRRRRRr.......",
        "..................rRRrRRr.......",
        "..................rRr.rRr.......",
        "..................rr...rr.......",
    ]


BITMAPS = [
    ('grp_c.bmp', closed_book),
    ('grp_o.bmp', open_book),
    ('dir_c.bmp', closed_folder),
    ('dir_o.bmp', open_folder),
    ('url_ns.bmp', page),
    ('url_s.bmp', page_selected),
]
ICON = ('larkit.ico', [icon_16, icon_32])


def overlay(base, top):
    """Lays `top` over `base`; its background pixels let `base` show."""
    return [''.join(b if t == TRANSPARENT else t for b, t in zip(brow, trow))
            for brow, trow in zip(base, top)]


def checked(rows, size, letters, name):
    if len(rows) != size:
        raise ValueError('%s: %d rows, not %d' % (name, len(rows), size))
    for y, row in enumerate(rows):
        if len(row) != size:
            raise ValueError('%s: row %d is %d wide, not %d'
                             % (name, y, len(row), size))
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c not in letters:
                raise ValueError('%s: bad letter %r at %d,%d' % (name, c, x, y))
    return rows


# ---------------------------------------------------------------- writers

def bmp_4bit(rows):
    """A 16-colour bottom-up BMP with a BITMAPINFOHEADER."""
    width, height = len(rows[0]), len(rows)
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, c in enumerate(row):
            line[x // 2] |= BMP_INDEX[c] << (0 if x % 2 else 4)
        pixels += line
    palette = b''.join(struct.pack('<BBBB', rgb & 0xFF, (rgb >> 8) & 0xFF,
                                   rgb >> 16, 0) for _, rgb in VGA)
    offset = 14 + 40 + len(palette)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0,
                       len(pixels), 2835, 2835, 16, 0)
    head = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return head + info + palette + bytes(pixels)


def icon_image(rows):
    """One 32-bit icon image: the BGRA picture, then its AND mask."""
    width, height = len(rows[0]), len(rows)
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((width + 31) // 32) * 4
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, c in enumerate(row):
            if c == TRANSPARENT:
                colour += b'\0\0\0\0'
                line[x // 8] |= 0x80 >> (x % 8)
            else:
                rgb = RGB[c]
                colour += bytes((rgb & 0xFF, (rgb >> 8) & 0xFF, rgb >> 16, 0xFF))
        mask += line
    info = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 32, 0,
                       len(colour) + len(mask), 0, 0, 0, 0)
    return info + bytes(colour) + bytes(mask)


def ico(pictures):
    images = [icon_image(rows) for rows in pictures]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for rows, image in zip(pictures, images):
        size = len(rows)
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32,
                           len(image), offset)
        offset += len(image)
    return out + b''.join(images)


def png(width, height, pixel):
    """An RGB PNG; pixel(x, y) gives 0xRRGGBB."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            rgb = pixel(x, y)
            raw += bytes((rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF))

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) +
            chunk(b'IEND', b''))


def preview(pictures, scale=8, gap=16):
    """Every picture side by side, on white above and on a dark colour below."""
    backgrounds = (0xFFFFFF, 0x004050)
    tallest = max(len(rows) for rows in pictures)
    width = gap + sum(len(rows[0]) * scale + gap for rows in pictures)
    height = gap + len(backgrounds) * (tallest * scale + gap)
    lefts, x = [], gap
    for rows in pictures:
        lefts.append(x)
        x += len(rows[0]) * scale + gap

    def pixel(px, py):
        band, y = divmod(py - gap, tallest * scale + gap)
        if py < gap or band >= len(backgrounds):
            return 0x808080
        for left, rows in zip(lefts, pictures):
            if left <= px < left + len(rows[0]) * scale and y < len(rows) * scale:
                c = rows[y // scale][(px - left) // scale]
                return backgrounds[band] if c == TRANSPARENT else RGB[c]
        return 0x808080

    return png(width, height, pixel)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--out', default=os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', 'res'),
        help='folder to write into (default: res/ of this checkout)')
    parser.add_argument('--preview', default=os.path.join(
        tempfile.gettempdir(), 'larkit_images_preview.png'),
        help='where to write the enlarged PNG (default: %(default)s)')
    parser.add_argument('--no-preview', dest='preview', action='store_const',
                        const=None, help='write no preview')
    args = parser.parse_args()

    os.makedirs(args.out, exist_ok=True)
    shown = []
    bitmap_letters = set(BMP_INDEX)
    for name, draw in BITMAPS:
        rows = checked(draw(), 16, bitmap_letters, name)
        with open(os.path.join(args.out, name), 'wb') as f:
            f.write(bmp_4bit(rows))
        shown.append(rows)

    name, draws = ICON
    icon_rows = [checked(draw(), size, set(RGB), name)
                 for draw, size in zip(draws, (16, 32))]
    with open(os.path.join(args.out, name), 'wb') as f:
        f.write(ico(icon_rows))
    shown += icon_rows

    if args.preview:
        with open(args.preview, 'wb') as f:
            f.write(preview(shown))


if __name__ == '__main__':
    main()

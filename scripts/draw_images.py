#!/usr/bin/env python3
"""Draws larkit's small pictures and writes them into res/.

    python3 scripts/draw_images.py [--out DIR] [--preview FILE | --no-preview]

Writes six 16 x 16, 16-colour bitmaps for the tree (white is the mask
colour, so it only ever appears as background), the toolbar strip
toolbar.bmp (nine 16 x 16 button pictures side by side, 144 x 16,
16-colour) and the application icon (16, 24, 32 and 48 pixels square,
32-bit with an AND mask; 24 and 48 serve 150 % scaling).  It also writes
an enlarged PNG of every picture (by default
larkit_images_preview.png in the temporary folder, never in the repo): the
tree pictures and the icon once on white and once on a dark background so
any stray mask-white shows up, then the toolbar strip once on the button
grey it is shown on and once on the dark background.

Standard library only, and the output is the same bytes on every run.

Each picture is ASCII art, one string per row, one letter per pixel:

    .  white: background / transparent
    k  black         r  maroon        g  green         o  olive
    n  navy          p  purple        t  teal          s  silver (paper)
    d  grey          R  red           G  lime          Y  yellow
    B  blue          M  magenta       C  cyan
    w  white, opaque (icon and toolbar only: the tree bitmaps cannot
       have opaque white)

The toolbar strip is loaded with light grey as its background colour, so
in the toolbar pictures `.` stands for the button grey (stored as silver),
`w` is opaque white, and `s` is not allowed: anything solid is white or
grey `d`, never that same light grey.
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

# The toolbar strip: `.` is the button face (silver), `w` is white.
BUTTON_FACE = 0xC0C0C0
TOOLBAR_INDEX = dict(BMP_INDEX)
TOOLBAR_INDEX[TRANSPARENT] = BMP_INDEX['s']
TOOLBAR_INDEX['w'] = BMP_INDEX['.']
del TOOLBAR_INDEX['s']


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


def icon_24():
    return [
        "........................",
        ".............rRRRr......",
        "..kkkkkkkkkkkrRRRrkk....",
        "..knnCBBBBBBBrRRRrBkk...",
        "..knnCBBBBBBBrRRRrBkwk..",
        "..knnCBBBBBBBrRRRrBkwdk.",
        "..knnCBYYYYYBrRRRrBkwdk.",
        "..knnCBYnnnYBrRRRrBkwdk.",
        "..knnCBYYYYYBrRRRrBkwdk.",
        "..knnCBBBBBBBrRRRrBkwdk.",
        "..knnCBBBBBBBrRRRrBkwdk.",
        "..knnCBBBBBBBrRRRrBkwdk.",
        "..knnCBBBBBBBrRRRrBkwdk.",
        "..knnCBBBBBBBrRRRrBkwdk.",
        "..knnCBBBBBBBrRRRrBkwdk.",
        "..knnCBBBBBBBrRRRrBkwdk.",
        "..knnCBBBBBBBrRRRrBkwdk.",
        "..kkkkkkkkkkkrRRRrkkwdk.",
        "...kwwwwwwwwwrRRRrwwwdk.",
        "...kdddddddddrRRRrddddk.",
        "...kkkkkkkkkkrRRRrkkkkk.",
        ".............rRRRr......",
        ".............rRrRr......",
        ".............rr.rr......",
    ]


def icon_48():
    """The 24-pixel picture with every pixel doubled: crisp at 200 % of 24."""
    return [''.join(c * 2 for c in row) for row in icon_24() for _ in range(2)]


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


# ------------------------------------------------------- toolbar pictures

def computer():
    # Exit.
    return [
        "................",
        "..kkkkkkkkkkkk..",
        "..kwwwwwwwwwdk..",
        "..kwnnnnnnnndk..",
        "..kwnCCBBBBndk..",
        "..kwnCBBBBBndk..",
        "..kwnBBBBBBndk..",
        "..kwnBBBBBBndk..",
        "..kwnBBBBBBndk..",
        "..kwnnnnnnnndk..",
        "..kwwwwwwwGwdk..",
        "..kddddddddddk..",
        "..kkkkkkkkkkkk..",
        "......kwdk......",
        "...kwwwwwwwdk...",
        "...kkkkkkkkkk...",
    ]


def wrench():
    # Settings.
    return [
        "..........kkk...",
        ".........kwwdk..",
        "........kwddk...",
        "........kwdk..k.",
        "........kwdk.kwk",
        "........kwddkwdk",
        ".......kwddddddk",
        "......kwddddddk.",
        ".....kwddkkkkk..",
        "....kwddk.......",
        "...kwddk........",
        "..kwddk.........",
        ".kwddk..........",
        "kwddk...........",
        "kwdk............",
        "kkk.............",
    ]


def binoculars():
    # Find.
    return [
        "................",
        "..kkk......kkk..",
        "..kwk......kwk..",
        ".kkkkk....kkkkk.",
        ".kwddkkkkkkwddk.",
        ".kwddkwdddkwddk.",
        ".kwddkkkkkkwddk.",
        ".kwddk....kwddk.",
        "kkkkkkk..kkkkkkk",
        "kwddddk..kwddddk",
        "kwddddk..kwddddk",
        "kkkkkkk..kkkkkkk",
        "knCBBnk..knCBBnk",
        "knBBBnk..knBBBnk",
        "kknnnkk..kknnnkk",
        ".kkkkk....kkkkk.",
    ]


def arrow_down():
    # Find next: on down the list from the line found.
    return [
        "................",
        ".kkk.kk.kkkk.kk.",
        "................",
        ".....nnnnnn.....",
        ".....nCBBBn.....",
        ".....nCBBBn.....",
        ".....nCBBBn.....",
        ".....nCBBBn.....",
        "..nnnnCBBBnnnn..",
        "..nCCCBBBBBBBn..",
        "...nCBBBBBBBn...",
        "....nCBBBBBn....",
        ".....nCBBBn.....",
        "......nBBn......",
        ".......nn.......",
        "................",
    ]


def globe():
    # The first browser: a blue globe.
    return [
        ".....nnnnn......",
        "...nnBCCCBnn....",
        "..nnBCBBBCBnn...",
        ".nnBCBBBBBCBnn..",
        ".nBBCBBBBBCBBn..",
        "nBBBCBBBBBCBBBn.",
        "nBBCBBBBBBBCBBn.",
        "nCCCCCCCCCCCCCn.",
        "nBBCBBBBBBBCBBn.",
        "nBBBCBBBBBCBBBn.",
        ".nBBCBBBBBCBBn..",
        ".nnBCBBBBBCBnn..",
        "..nnBCBBBCBnn...",
        "...nnBCCCBnn....",
        ".....nnnnn......",
        "................",
    ]


def wheel():
    # The second browser: a ship's wheel.
    return [
        "......ttt.......",
        ".tt....t....tt..",
        ".tt..ttttt..tt..",
        "...ttttttttt....",
        "...tt..t..tt....",
        "..tt.t.t.t.tt...",
        "t.tt..ttt..tt.t.",
        "tttttttkttttttt.",
        "t.tt..ttt..tt.t.",
        "..tt.t.t.t.tt...",
        "...tt..t..tt....",
        "...ttttttttt....",
        ".tt..ttttt..tt..",
        ".tt....t....tt..",
        "......ttt.......",
        "................",
    ]


def ring():
    # The third browser: a thick red ring.
    return [
        ".....rrrrr......",
        "...rrRRRRRrr....",
        "..rrRRRRRRRrr...",
        ".rrRwRRRRRRRrr..",
        ".rRwRRrrrRRRRr..",
        "rRRRRr...rRRRRr.",
        "rRRRr.....rRRRr.",
        "rRRRr.....rRRRr.",
        "rRRRr.....rRRRr.",
        "rRRRRr...rRRRRr.",
        ".rRRRRrrrRRRRr..",
        ".rrRRRRRRRRRrr..",
        "..rrRRRRRRRrr...",
        "...rrRRRRRrr....",
        ".....rrrrr......",
        "................",
    ]


def blank():
    return ["." * 16] * 16


BITMAPS = [
    ('grp_c.bmp', closed_book),
    ('grp_o.bmp', open_book),
    ('dir_c.bmp', closed_folder),
    ('dir_o.bmp', open_folder),
    ('url_ns.bmp', page),
    ('url_s.bmp', page_selected),
]
ICON = ('larkit.ico', [icon_16, icon_24, icon_32, icon_48])
# In button order: exit, settings, find, find next, the three browsers,
# then two spare places.
TOOLBAR = ('toolbar.bmp', [computer, wrench, binoculars, arrow_down,
                           globe, wheel, ring, blank, blank])


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


def side_by_side(pictures):
    return [''.join(row) for row in zip(*pictures)]


# ---------------------------------------------------------------- writers

def bmp_4bit(rows, index=BMP_INDEX):
    """A 16-colour bottom-up BMP with a BITMAPINFOHEADER; `index` maps each
    letter to its palette entry."""
    width, height = len(rows[0]), len(rows)
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, c in enumerate(row):
            line[x // 2] |= index[c] << (0 if x % 2 else 4)
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


def preview(bands, scale=8, gap=16):
    """One band under another; each band is (background, pictures) and shows
    its pictures side by side, with `.` painted in the band's background."""
    tops, y = [], gap
    for _, pictures in bands:
        tops.append(y)
        y += max(len(rows) for rows in pictures) * scale + gap
    height = y
    width = gap + max(sum(len(rows[0]) * scale + gap for rows in pictures)
                      for _, pictures in bands)

    canvas = [[0x808080] * width for _ in range(height)]
    for top, (background, pictures) in zip(tops, bands):
        left = gap
        for rows in pictures:
            for y, row in enumerate(rows):
                for x, c in enumerate(row):
                    rgb = background if c == TRANSPARENT else RGB[c]
                    for py in range(top + y * scale, top + (y + 1) * scale):
                        line = canvas[py]
                        for px in range(left + x * scale,
                                        left + (x + 1) * scale):
                            line[px] = rgb
            left += len(rows[0]) * scale + gap

    return png(width, height, lambda x, y: canvas[y][x])


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
                 for draw, size in zip(draws, (16, 24, 32, 48))]
    with open(os.path.join(args.out, name), 'wb') as f:
        f.write(ico(icon_rows))
    shown += icon_rows

    name, draws = TOOLBAR
    strip = side_by_side([checked(draw(), 16, set(TOOLBAR_INDEX),
                                  '%s #%d' % (name, i))
                          for i, draw in enumerate(draws)])
    with open(os.path.join(args.out, name), 'wb') as f:
        f.write(bmp_4bit(strip, TOOLBAR_INDEX))

    if args.preview:
        dark = 0x004050
        with open(args.preview, 'wb') as f:
            f.write(preview([(0xFFFFFF, shown), (dark, shown),
                             (BUTTON_FACE, [strip]), (dark, [strip])]))


if __name__ == '__main__':
    main()

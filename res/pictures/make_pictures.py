#!/usr/bin/env python3
"""Builds Pelmo's icon and bitmaps from the pixel maps beside this script.

A map is text: '#' comments, 'size W H', one or more 'legend NAME' sections with
lines 'CHAR RRGGBB' (or 'CHAR transparent'), then 'pixels' and H rows of W chars.
Usage: make_pictures.py OUTDIR
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 colours of the standard VGA palette, in their usual order.
VGA = [0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
       0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF]
TRANSPARENT = None


class PixelMap:
    def __init__(self, name):
        self.name = name
        self.width = self.height = 0
        self.legends = {}
        self.rows = []
        section = None
        with open(os.path.join(HERE, name), encoding='ascii') as f:
            for number, raw in enumerate(f, 1):
                line = raw.rstrip('\n')
                where = '%s:%d' % (name, number)
                if section == 'pixels':
                    if len(self.rows) < self.height:
                        if len(line) != self.width:
                            sys.exit('%s: row is %d wide, not %d' % (where, len(line), self.width))
                        self.rows.append(line)
                    continue
                if not line.strip() or line.startswith('#'):
                    continue
                words = line.split()
                if words[0] == 'size':
                    self.width, self.height = int(words[1]), int(words[2])
                elif words[0] == 'legend':
                    section = words[1]
                    self.legends[section] = {}
                elif words[0] == 'pixels':
                    section = 'pixels'
                elif section in self.legends and len(words) >= 2:
                    value = TRANSPARENT if words[1] == 'transparent' else int(words[1], 16)
                    self.legends[section][line[0]] = value
                else:
                    sys.exit('%s: cannot read %r' % (where, line))
        if len(self.rows) != self.height:
            sys.exit('%s: %d rows, not %d' % (name, len(self.rows), self.height))

    def colours(self, legend):
        """Rows of RGB values (None where transparent), top row first."""
        table = self.legends[legend]
        out = []
        for y, row in enumerate(self.rows):
            for x, ch in enumerate(row):
                if ch not in table:
                    sys.exit('%s: pixel %r at (%d, %d) not in legend %s' % (self.name, ch, x, y, legend))
            out.append([table[ch] for ch in row])
        return out


def legend_palette(pixmap, legend, size):
    """The legend's colours in order of first mention, padded to size entries."""
    palette = []
    for value in pixmap.legends[legend].values():
        if value is not TRANSPARENT and value not in palette:
            palette.append(value)
    if len(palette) > size:
        sys.exit('%s: legend %s has %d colours, more than %d' % (pixmap.name, legend, len(palette), size))
    return palette + [0] * (size - len(palette))


def pack_rows(indices, bpp):
    """Bottom-up rows of palette indices packed at bpp, each row padded to 4 bytes."""
    data = bytearray()
    for row in reversed(indices):
        bits = 0
        count = 0
        line = bytearray()
        for index in row:
            bits = (bits << bpp) | index
            count += bpp
            if count == 8:
                line.append(bits)
                bits = count = 0
        if count:
            line.append(bits << (8 - count))
        while len(line) % 4:
            line.append(0)
        data += line
    return bytes(data)


def rgbquads(palette):
    return b''.join(struct.pack('<BBBB', c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in palette)


def info_header(width, height, bpp, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bpp, 0, image_size, 0, 0, 0, 0)


def indexed(colours, palette, name):
    """Palette indices for the colours; transparent pixels take index 0."""
    out = []
    for row in colours:
        line = []
        for c in row:
            if c is TRANSPARENT:
                line.append(0)
            elif c in palette:
                line.append(palette.index(c))
            else:
                sys.exit('%s: colour %06X is not in the palette' % (name, c))
        out.append(line)
    return out


def icon_image(pixmap, legend, bpp):
    """One icon image: header with doubled height, palette, colour bits, AND mask."""
    colours = pixmap.colours(legend)
    if bpp == 4:
        palette = VGA
    elif bpp == 1:
        palette = [0x000000, 0xFFFFFF]
    else:
        palette = legend_palette(pixmap, legend, 1 << bpp)
    xor = pack_rows(indexed(colours, palette, pixmap.name), bpp)
    mask = pack_rows([[1 if c is TRANSPARENT else 0 for c in row] for row in colours], 1)
    header = info_header(pixmap.width, pixmap.height * 2, bpp, len(xor) + len(mask))
    return header + rgbquads(palette) + xor + mask


def write_icon(path, images):
    """images: (pixmap, legend, bpp) in directory order."""
    entries = b''
    blobs = b''
    offset = 6 + 16 * len(images)
    for pixmap, legend, bpp in images:
        blob = icon_image(pixmap, legend, bpp)
        colour_count = (1 << bpp) if bpp < 8 else 0
        entries += struct.pack('<BBBBHHII', pixmap.width, pixmap.height, colour_count, 0, 1, bpp,
                               len(blob), offset + len(blobs))
        blobs += blob
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)) + entries + blobs)


def write_bitmap(path, pixmap, legend, bpp):
    """An uncompressed bottom-up bitmap with a full palette of 2**bpp entries."""
    colours = pixmap.colours(legend)
    if any(c is TRANSPARENT for row in colours for c in row):
        sys.exit('%s: a bitmap has no transparency' % pixmap.name)
    palette = legend_palette(pixmap, legend, 1 << bpp)
    bits = pack_rows(indexed(colours, palette, pixmap.name), bpp)
    header = info_header(pixmap.width, pixmap.height, bpp, len(bits)) + rgbquads(palette)
    offset = 14 + len(header)
    with open(path, 'wb') as f:
        f.write(struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset) + header + bits)


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: make_pictures.py OUTDIR')
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    board32 = PixelMap('icon32.txt')
    board16 = PixelMap('icon16.txt')
    lines32 = PixelMap('icon32_lines.txt')
    about = PixelMap('about68.txt')
    # Directory order: 32x32 16 colours, 16x16 16 colours, 32x32 2 colours, 32x32 256 colours.
    write_icon(os.path.join(out, 'Pelmo.ico'),
               [(board32, 'vga', 4), (board16, 'vga', 4), (lines32, 'lines', 1), (board32, 'rich', 8)])
    # The About box's small picture repeats the 256-colour icon image in 16 colours.
    write_bitmap(os.path.join(out, 'about_grid.bmp'), board32, 'rich', 4)
    write_bitmap(os.path.join(out, 'about_picture.bmp'), about, 'rich', 8)


if __name__ == '__main__':
    main()

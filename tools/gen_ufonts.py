#!/usr/bin/env python3
"""Writes src/model/ufonts.cpp, the panel's 8 x 14 cell font, from a PSF console font.

Usage: tools/gen_ufonts.py [FONT.psf.gz] > src/model/ufonts.cpp

The default source is FullCyrSlav-VGA14 of Debian's console-setup-linux package
(apt-get install console-setup-linux). Glyphs are picked by Unicode through the font's own
mapping table, so the result does not depend on the order of glyphs inside the font:
  32..126   ASCII
  127       blank (a control code in the code page; the panel has no glyph for it)
  128..191  blank, except the nine panel symbols of SYMBOLS
  192..255  Cyrillic, code page 1251 order: U+0410..U+042F, then U+0430..U+044F
Glyphs the font lacks are taken from DRAWN; the run fails if one is still missing or if a glyph
whose rows the panel fixes (PINNED) comes out different.
"""
import gzip
import struct
import sys

DEFAULT_FONT = "/usr/share/consolefonts/FullCyrSlav-VGA14.psf.gz"
HEIGHT = 14

SYMBOLS = {
    168: 0x2261,  # three bars
    170: 0x2265,  # greater-or-equal
    175: 0x2320,  # upper half of an integral
    176: 0x00B0,  # degree sign
    183: 0x00B7,  # middle dot
    184: 0x00B1,  # plus-minus
    185: 0x00A9,  # circled C
    186: 0x2264,  # less-or-equal
    191: 0x2321,  # lower half of an integral
}

# Drawn here in the font's style: the source has no glyph for them.
DRAWN = {
    0x2261: [0x00, 0x00, 0x00, 0x00, 0xFE, 0x00, 0x00, 0xFE, 0x00, 0x00, 0xFE, 0x00, 0x00, 0x00],
}

# Rows the panel's own font has for the characters that DRO values and the clock use.
PINNED = {
    ord("0"): "00 00 00 38 6C C6 C6 D6 C6 C6 6C 38 00 00",
    ord("1"): "00 00 00 18 38 78 18 18 18 18 18 7E 00 00",
    ord("2"): "00 00 00 7C C6 06 0C 18 30 60 C6 FE 00 00",
    ord("3"): "00 00 00 7C C6 06 06 3C 06 06 C6 7C 00 00",
    ord("4"): "00 00 00 0C 1C 3C 6C CC FE 0C 0C 1E 00 00",
    ord("5"): "00 00 00 FE C0 C0 C0 FC 06 06 C6 7C 00 00",
    ord("6"): "00 00 00 38 60 C0 C0 FC C6 C6 C6 7C 00 00",
    ord("7"): "00 00 00 FE C6 06 0C 18 30 30 30 30 00 00",
    ord("8"): "00 00 00 7C C6 C6 C6 7C C6 C6 C6 7C 00 00",
    ord("9"): "00 00 00 7C C6 C6 C6 7E 06 06 0C 78 00 00",
    ord("."): "00 00 00 00 00 00 00 00 00 00 18 18 00 00",
    ord("-"): "00 00 00 00 00 00 00 FE 00 00 00 00 00 00",
    ord("+"): "00 00 00 00 00 18 18 7E 18 18 00 00 00 00",
    ord(":"): "00 00 00 00 18 18 00 00 00 18 18 00 00 00",
    ord("/"): "00 00 00 02 06 0C 18 30 60 C0 80 00 00 00",
    ord("A"): "00 00 00 10 38 6C C6 C6 FE C6 C6 C6 00 00",
    ord(" "): "00 00 00 00 00 00 00 00 00 00 00 00 00 00",
}


def load_psf(path):
    """Returns (glyph rows list, {codepoint: glyph index}) of an 8-pixel-wide PSF1 or PSF2 font."""
    data = gzip.open(path).read() if path.endswith(".gz") else open(path, "rb").read()
    mapping = {}
    if data[:2] == b"\x36\x04":
        mode, height = data[2], data[3]
        count = 512 if mode & 1 else 256
        glyphs = [data[4 + i * height : 4 + (i + 1) * height] for i in range(count)]
        if not mode & 2:
            sys.exit("font has no Unicode table")
        pos, index, in_sequence = 4 + count * height, 0, False
        while index < count:
            (cp,) = struct.unpack_from("<H", data, pos)
            pos += 2
            if cp == 0xFFFF:
                index, in_sequence = index + 1, False
            elif cp == 0xFFFE:
                in_sequence = True  # combining sequences follow: not single characters
            elif not in_sequence:
                mapping.setdefault(cp, index)
        width = 8
    else:
        magic, _, header, flags, count, size, height, width = struct.unpack_from("<8I", data)
        if magic != 0x864AB572 or not flags & 1:
            sys.exit("not a PSF2 font with a Unicode table")
        glyphs = [data[header + i * size : header + (i + 1) * size] for i in range(count)]
        pos = header + count * size
        for index in range(count):
            end = data.index(b"\xff", pos)
            for cp in data[pos:end].split(b"\xfe")[0].decode("utf-8"):
                mapping.setdefault(ord(cp), index)
            pos = end + 1
    if width != 8 or height != HEIGHT:
        sys.exit(f"font is {width} x {height}, need 8 x {HEIGHT}")
    return glyphs, mapping


def unicode_of(code):
    if 32 <= code <= 126:
        return code
    if code in SYMBOLS:
        return SYMBOLS[code]
    if code >= 192:
        return 0x0410 + (code - 192)
    return None  # blank


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FONT
    glyphs, mapping = load_psf(path)
    rows = []
    for code in range(32, 256):
        cp = unicode_of(code)
        if cp is None:
            glyph = [0] * HEIGHT
        elif cp in mapping:
            glyph = list(glyphs[mapping[cp]])
        elif cp in DRAWN:
            glyph = DRAWN[cp]
        else:
            sys.exit(f"no glyph for code {code} (U+{cp:04X})")
        if code in PINNED and glyph != [int(b, 16) for b in PINNED[code].split()]:
            sys.exit(f"glyph of code {code} differs from the panel's")
        rows.append((code, cp, glyph))

    out = sys.stdout
    out.write(HEADER)
    for code, cp, glyph in rows:
        text = ", ".join(f"0x{b:02X}" for b in glyph)
        if cp is None:
            note = "blank"
        elif cp == 32:
            note = "space"
        elif cp == ord("\\"):
            note = "U+005C backslash"  # a backslash would continue the comment onto the next line
        else:
            note = f"U+{cp:04X} {chr(cp)}"
        out.write(f"    {text}, // {code} {note}\n")
    out.write(FOOTER)


HEADER = """\
// The panel's 8 x 14 cell font. Generated by tools/gen_ufonts.py; edit the script, not the table.
//
// Source: FullCyrSlav-VGA14.psf.gz from Debian's console-setup-linux package (1.221, Debian 12),
// the VGA face of the console fonts. The package's copyright file states that all its console fonts
// are public domain by nature; the one VGA source font it names is Dmitry Bolkhovityanov's u_vga16,
// whose permissive notice is kept here:
//
//   Copyright (c) 2000, 2001 by Dmitry Bolkhovityanov. All Rights Reserved.
//   Permission is hereby granted, free of charge, to any person obtaining a copy of this software
//   and associated documentation files (the "Software"), to deal in the Software without
//   restriction, including without limitation the rights to use, copy, modify, merge, publish,
//   distribute, sublicense, and/or sell copies of the Software, and to permit persons to whom the
//   Software is furnished to do so, subject to the following conditions: The above copyright
//   notice and this permission notice shall be included in all copies or substantial portions of
//   the Software. THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
//   IMPLIED. Except as contained in this notice, the name of Dmitry Bolkhovityanov shall not be
//   used in advertising or otherwise to promote the sale, use or other dealings in this Software
//   without prior written authorization from Dmitry Bolkhovityanov.
//
// Taken from it: ASCII 32..126, the symbols at 170, 175, 176, 183..186 and 191, and the Cyrillic
// letters at 192..255. Drawn here: the three bars at 168. Blank: 127 and the rest of 128..191.
// The digits, '.', '-', '+', ':', '/', 'A' and the blank are the panel's own rows; the script
// refuses a source font that differs there.

#include "model/ufonts.h"

namespace {

// clang-format off
constexpr quint8 kTable[CellFontSize] = {
"""

FOOTER = """\
};
// clang-format on

} // namespace

const quint8* CellGlyph(quint8 code)
{
    const int index = code < FirstCellCode ? 0 : code - FirstCellCode;
    return kTable + index * CellHeight;
}

std::span<const quint8, CellFontSize> CellFontTable()
{
    return std::span<const quint8, CellFontSize>(kTable);
}
"""

if __name__ == "__main__":
    main()

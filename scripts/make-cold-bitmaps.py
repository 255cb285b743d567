#!/usr/bin/env python3
"""Writes each tool-bar button's grey image (resources/bitmaps/<id + 1000>.xpm)
from its coloured glyph (<id>.xpm): black outlines stay black, dark colours
become dark grey and bright ones light grey, so the button shows its shape
without colour until the mouse comes. White turns light grey (the face)
except on the New button, whose blank page stays white.

Run it after changing a glyph: scripts/make-cold-bitmaps.py"""
import os
import re

GLYPHS = [24331, 24332, 24333, 1, 24322, 24323, 24324, 24321, 24351, 24352, 3, 4, 2001]
KEEPS_WHITE = {24331}
HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "bitmaps")


def grey(rgb, keep_white):
    if rgb == "#FFFFFF":
        return rgb if keep_white else "#C0C0C0"
    r, g, b = (int(rgb[i:i + 2], 16) for i in (1, 3, 5))
    brightness = 0.299 * r + 0.587 * g + 0.114 * b
    if brightness == 0:
        return "#000000"
    return "#808080" if brightness < 160 else "#C0C0C0"


def convert(glyph_id):
    text = open(os.path.join(HERE, "%d.xpm" % glyph_id)).read()
    strings = re.findall(r'"([^"]*)"', text)
    width, height, colours, _ = (int(v) for v in strings[0].split())
    table = {}
    for line in strings[1:1 + colours]:
        key, rgb = line[0], line.split(" c ")[1]
        table[key] = grey(rgb, glyph_id in KEEPS_WHITE)
    # One key per grey, so the cold image holds only the greys it uses.
    keys = {"#000000": "k", "#808080": "g", "#C0C0C0": ".", "#FFFFFF": "w"}
    rows = ["".join(keys[table[c]] for c in row) for row in strings[1 + colours:1 + colours + height]]
    used = [c for c in ".gkw" if any(c in row for row in rows)]
    colour_of = {v: k for k, v in keys.items()}
    cold = glyph_id + 1000
    out = ["/* XPM */", "static const char* const bitmap_%d[] = {" % cold,
           '"%d %d %d 1",' % (width, height, len(used))]
    out += ['"%s c %s",' % (c, colour_of[c]) for c in used]
    out += ['"%s"%s' % (row, "," if i < len(rows) - 1 else "") for i, row in enumerate(rows)]
    out.append("};")
    open(os.path.join(HERE, "%d.xpm" % cold), "w").write("\n".join(out) + "\n")


for glyph in GLYPHS:
    convert(glyph)

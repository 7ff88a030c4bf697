#!/usr/bin/python3
"""Lays the pictures of one or more generated folders out on one sheet with
their names, for a quick look:

    /usr/bin/python3 assetgen/contact_sheet.py --out /work/main --folder gfx/lobby sheet.png
"""
import argparse
import glob
import os
import re
import sys
from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from agen.common import font  # noqa: E402


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", required=True)
    ap.add_argument("--folder", action="append", required=True)
    ap.add_argument("--cell", type=int, default=200, help="largest side of a thumbnail")
    ap.add_argument("--width", type=int, default=1400)
    ap.add_argument("--match", default="", help="only names matching this regular expression")
    ap.add_argument("sheet")
    a = ap.parse_args()
    files = []
    for f in a.folder:
        for p in sorted(glob.glob(os.path.join(a.out, f, "**", "*.png*"), recursive=True)):
            if re.search(a.match, p) and not p.endswith(".tmp"):
                files.append(p)
    cell, pad, label = a.cell, 6, 14
    cols = max(1, a.width // (cell + pad))
    rows = (len(files) + cols - 1) // cols
    sheet = Image.new("RGB", (cols * (cell + pad) + pad, max(1, rows) * (cell + pad + label) + pad), (70, 70, 80))
    d = ImageDraw.Draw(sheet)
    f = font("condensed", 11)
    for k, p in enumerate(files):
        im = Image.open(p).convert("RGB")
        im.thumbnail((cell, cell))
        x = pad + (k % cols) * (cell + pad)
        y = pad + (k // cols) * (cell + pad + label)
        sheet.paste(im, (x, y))
        name = os.path.relpath(p, a.out)
        d.text((x, y + cell + 1), name[-34:], fill=(255, 255, 255), font=f)
    sheet.save(a.sheet)
    print("%d pictures -> %s" % (len(files), a.sheet))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Packs the tile pictures the phone page shows into one small picture and its style sheet.

The page shows the 42 faces in their normal look (greyscale on white), from the committed
drawings in resources/tiles/ (<face>-normal.jpg, 132 x 164 pixels). They are scaled to twice a
tile's 33 x 41 CSS pixels, set side by side in rows of seven and written as one PNG of 16 greys;
tiles.css places each face by its name (data-face="5p", "east", "flower2"). The selected look
is the page's own styling of the same picture.

    sprite.py TILES_DIR OUT_DIR
"""

import sys
from pathlib import Path

from PIL import Image

FACES = ([f"{rank}{suit}" for suit in "mps" for rank in range(1, 10)] +
         ["east", "south", "west", "north", "white", "green", "red"] +
         [f"flower{n}" for n in range(1, 5)] + [f"season{n}" for n in range(1, 5)])
COLUMNS = 7
WIDTH, HEIGHT = 66, 82
GREYS = 16


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    tiles, out = Path(sys.argv[1]), Path(sys.argv[2])
    rows = -(-len(FACES) // COLUMNS)
    sheet = Image.new("L", (WIDTH * COLUMNS, HEIGHT * rows), 255)
    rules = []
    for index, face in enumerate(FACES):
        column, row = index % COLUMNS, index // COLUMNS
        with Image.open(tiles / f"{face}-normal.jpg") as drawing:
            tile = drawing.convert("L").resize((WIDTH, HEIGHT), Image.LANCZOS)
        sheet.paste(tile, (column * WIDTH, row * HEIGHT))
        x = 100 * column / (COLUMNS - 1)
        y = 100 * row / (rows - 1)
        rules.append(f'[data-face="{face}"]{{background-position:{x:g}% {y:g}%}}')
    out.mkdir(parents=True, exist_ok=True)
    sheet.quantize(GREYS).save(out / "tiles.png", optimize=True)
    (out / "tiles.css").write_text(
        "/* Generated from resources/tiles/ by webpage/tools/sprite.py; do not edit. */\n"
        f".tile{{background-image:url(tiles.png);"
        f"background-size:{COLUMNS * 100}% {rows * 100}%}}\n" + "\n".join(rules) + "\n",
        encoding="utf-8")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Packs the phone page's site: the page's files, the generated catalogues and tile picture,
the engine module and the icons in one folder, the offline copy's list of files and its cache
name written into the service worker, and gzip and Brotli copies beside the files worth
compressing, so that a static host can serve them compressed.

    pack.py --src DIR --generated DIR --icons DIR --out DIR [--engine FILE ...]
            [--desktop-site] [--brotli PROGRAM]

With --desktop-site the page offers the Qt program one folder up (the site of the `web`
build carries both); without it the page stands alone.
"""

import argparse
import gzip
import hashlib
import shutil
import subprocess
import sys
from pathlib import Path

PAGE_FILES = ("*.html", "*.css", "*.js", "*.webmanifest")
ICON_SIZES = (32, 192, 512)
COMPRESSED = (".html", ".css", ".js", ".wasm", ".webmanifest")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--src", type=Path, required=True)
    parser.add_argument("--generated", type=Path, required=True)
    parser.add_argument("--icons", type=Path, required=True)
    parser.add_argument("--out", type=Path, required=True)
    parser.add_argument("--engine", type=Path, action="append", default=[])
    parser.add_argument("--desktop-site", action="store_true")
    parser.add_argument("--brotli")
    args = parser.parse_args()

    if args.out.exists():
        shutil.rmtree(args.out)
    args.out.mkdir(parents=True)
    sources = [path for pattern in PAGE_FILES for path in sorted(args.src.glob(pattern))]
    sources += sorted(path for path in args.generated.iterdir() if path.is_file())
    sources += args.engine
    sources += [args.icons / f"zorvan-{size}.png" for size in ICON_SIZES]
    for path in sources:
        if not path.is_file():
            sys.exit(f"pack.py: {path} is missing")
        shutil.copyfile(path, args.out / path.name)

    page = args.out / "index.html"
    html = page.read_text(encoding="utf-8")
    marker = '<html lang="en">'
    if marker not in html:
        sys.exit(f"pack.py: {page} does not start with {marker}")
    if args.desktop_site:
        html = html.replace(marker, '<html lang="en" data-desktop-site="yes">', 1)
    page.write_text(html, encoding="utf-8")

    # The offline copy keeps every file of the page; its cache is named by what it keeps, so
    # that a new build replaces the old files.
    kept = sorted(path.name for path in args.out.iterdir())
    digest = hashlib.sha256()
    for name in kept:
        digest.update(name.encode() + b"\0" + (args.out / name).read_bytes())
    worker = (args.src / "service-worker.js.in").read_text(encoding="utf-8")
    worker = worker.replace("@STAMP@", digest.hexdigest()[:16])
    worker = worker.replace("@FILES@", ", ".join(['"./"'] + [f'"{name}"' for name in kept]))
    (args.out / "service-worker.js").write_text(worker, encoding="utf-8")

    # Compressed copies, made reproducibly (no name, no time in the gzip header).
    for path in sorted(args.out.iterdir()):
        if path.suffix not in COMPRESSED:
            continue
        data = path.read_bytes()
        Path(f"{path}.gz").write_bytes(gzip.compress(data, 9, mtime=0))
        if args.brotli:
            subprocess.run([args.brotli, "-q", "11", "-k", "-f", str(path)], check=True)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the phone page's catalogues from the program's own Qt Linguist catalogues.

The page names every text it shows by the context and the English source the windows use:
in its HTML an element marked data-tr="Context" whose text is the source (data-tr-label for its
aria-label), in its scripts tr("Context", "source") and QT_TRANSLATE_NOOP("Context", "source").
The engine's sentences come as phrases of whole contexts, named with --context. For every
catalogue given, this writes catalogue-LANG.js, an ES module whose default export maps
context -> source -> translation, with exactly those texts.

A text the page uses that a catalogue lacks, or holds unfinished, fails the run and names the
text: a context that moved or a caption that changed in the sources stops the build instead
of leaving the page in English. The texts only the page shows (the context PhonePage) must be
listed in the page's list for lupdate (--lupdate-list), which keeps them in the catalogues;
one missing there, or listed but no longer used, fails the run too.

    catalogues.py --page DIR --lupdate-list FILE [--context NAME ...] --out DIR TS_FILE ...
"""

import argparse
import html.parser
import json
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

PAGE_CONTEXT = "PhonePage"
STRING = r'"((?:[^"\\\n]|\\.)*)"'
MARKED = re.compile(r"\b(?:tr|QT_TRANSLATE_NOOP)\(\s*" + STRING + r"\s*,\s*" + STRING)


def js_string(text):
    return json.loads('"' + text + '"')


class MarkedTexts(html.parser.HTMLParser):
    """The (context, source) pairs of an HTML file's marked elements and labels."""

    def __init__(self, name):
        super().__init__(convert_charrefs=True)
        self.name = name
        self.found = []
        self.open = None  # [context, text, line] of a marked element being read
        self.errors = []

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        line = self.getpos()[0]
        if self.open is not None:
            self.errors.append(f"{self.name}:{line}: <{tag}> inside a marked element: "
                               "mark the innermost element that holds the text")
        if "data-tr-label" in attributes:
            label = attributes.get("aria-label")
            if not label:
                self.errors.append(f"{self.name}:{line}: data-tr-label without aria-label")
            else:
                self.found.append((attributes["data-tr-label"], label, f"{self.name}:{line}"))
        if "data-tr" in attributes and tag not in ("input", "img", "br"):
            self.open = [attributes["data-tr"], "", line]

    def handle_data(self, data):
        if self.open is not None:
            self.open[1] += data

    def handle_endtag(self, tag):
        if self.open is not None:
            context, text, line = self.open
            self.open = None
            if not text:
                self.errors.append(f"{self.name}:{line}: a marked element without text")
            self.found.append((context, text, f"{self.name}:{line}"))


def page_texts(page):
    """Every (context, source, where) the page's HTML and scripts name."""
    found, errors = [], []
    for path in sorted(page.rglob("*.html")):
        parser = MarkedTexts(path.name)
        parser.feed(path.read_text(encoding="utf-8"))
        parser.close()
        found += parser.found
        errors += parser.errors
    for path in sorted(page.rglob("*.js")):
        text = path.read_text(encoding="utf-8")
        for match in MARKED.finditer(text):
            line = text.count("\n", 0, match.start()) + 1
            found.append((js_string(match.group(1)), js_string(match.group(2)),
                          f"{path.name}:{line}"))
    return found, errors


def listed_for_lupdate(path):
    text = path.read_text(encoding="utf-8")
    return {(js_string(m.group(1)), js_string(m.group(2))) for m in MARKED.finditer(text)}


def read_catalogue(path):
    """language, {context: {source: translation}} with only the finished translations, and
    the (context, source) pairs present but unfinished."""
    root = ET.parse(path).getroot()
    language = root.get("language", "").split("_")[0]
    finished, unfinished = {}, set()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if translation is None or translation.get("type") or not translation.text:
                unfinished.add((name, source))
                continue
            finished.setdefault(name, {})[source] = translation.text
    return language, finished, unfinished


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--page", type=Path, required=True, help="the page's source folder")
    parser.add_argument("--lupdate-list", type=Path, required=True,
                        help="the file that names the page's own texts for lupdate")
    parser.add_argument("--context", action="append", default=[],
                        help="a context whose texts the engine's phrases use, taken whole")
    parser.add_argument("--out", type=Path, required=True)
    parser.add_argument("catalogues", nargs="+", type=Path)
    args = parser.parse_args()

    used, errors = page_texts(args.page)
    wanted = {(context, source) for context, source, _ in used}
    own = {pair for pair in wanted if pair[0] == PAGE_CONTEXT}
    listed = listed_for_lupdate(args.lupdate_list)
    for context, source in sorted(own - listed):
        errors.append(f"{args.lupdate_list.name}: the page shows {source!r} ({PAGE_CONTEXT}) "
                      "but does not list it, so lupdate would drop its translations")
    for context, source in sorted(listed - own):
        errors.append(f"{args.lupdate_list.name}: lists {source!r} ({context}), which the page "
                      "does not show")

    args.out.mkdir(parents=True, exist_ok=True)
    for path in args.catalogues:
        language, finished, unfinished = read_catalogue(path)
        catalogue = {}
        for context in args.context:
            if context not in finished:
                errors.append(f"{path.name}: no context {context!r}, whose phrases the engine "
                              "gives")
                continue
            catalogue[context] = dict(finished[context])
        for context, source, where in used:
            translation = finished.get(context, {}).get(source)
            if translation is None:
                state = "unfinished" if (context, source) in unfinished else "missing"
                errors.append(f"{path.name}: {source!r} in {context} is {state} "
                              f"(used at {where})")
                continue
            catalogue.setdefault(context, {})[source] = translation
        body = json.dumps(catalogue, ensure_ascii=False, sort_keys=True, separators=(",", ":"))
        (args.out / f"catalogue-{language}.js").write_text(
            f"// Generated from translations/{path.name}; do not edit.\n"
            f"export default {body};\n", encoding="utf-8")
    if errors:
        sys.exit("The page's texts do not match the catalogues:\n  " +
                 "\n  ".join(dict.fromkeys(errors)))


if __name__ == "__main__":
    main()

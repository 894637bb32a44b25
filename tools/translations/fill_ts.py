#!/usr/bin/env python3
"""Fills the unfinished messages of Qt Linguist catalogues from a table of translations.

A developer's tool, kept out of the build. The table is a Python file defining
T = {(context or None, English): (Dutch, German)}; a context of None serves every context.
Messages the table lacks stay unfinished, and are listed.

    tools/translations/fill_ts.py TABLE.py translations/zorvan_nl.ts translations/zorvan_de.ts

Run the update_translations target afterwards, so that lupdate writes the files in its own
form again.
"""
import runpy
import sys
import xml.etree.ElementTree as ET

COLUMN = {"nl": 0, "de": 1}


def fill(table, path):
    tree = ET.parse(path)
    root = tree.getroot()
    column = COLUMN[root.get("language")[:2]]
    missing = []
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if translation.get("type") != "unfinished":
                continue
            found = table.get((name, source), table.get((None, source)))
            if found is None:
                missing.append(f"{name}: {source!r}")
                continue
            translation.text = found[column]
            del translation.attrib["type"]
    tree.write(path, encoding="utf-8", xml_declaration=True)
    return missing


def main():
    table = runpy.run_path(sys.argv[1])["T"]
    status = 0
    for path in sys.argv[2:]:
        for line in fill(table, path):
            print(f"{path}: not in the table: {line}")
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())

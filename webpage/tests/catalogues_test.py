#!/usr/bin/python3
"""The phone page's catalogue generator on small pages of its own: a text the catalogues lack,
hold unfinished or in another context fails the run and is named; the page's own texts must be
listed for lupdate; a catalogue holds exactly the texts the page uses and the engine's whole
contexts.

    catalogues_test.py PATH/TO/catalogues.py
"""

import json
import subprocess
import sys
import tempfile
from pathlib import Path

CATALOGUE = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CalculatorWindow</name>
    <message><source>Table limit</source><translation>Tafellimiet</translation></message>
    <message><source>Clear ALL</source><translation>Alles wissen</translation></message>
    <message><source>New text</source><translation type="unfinished"></translation></message>
</context>
<context>
    <name>Working</name>
    <message><source>20 base</source><translation>20 basis</translation></message>
    <message><source>= %1</source><translation>= %1</translation></message>
</context>
<context>
    <name>PhonePage</name>
    <message><source>Sheet</source><translation>Blad</translation></message>
</context>
</TS>
"""

LISTED = 'var texts = [QT_TRANSLATE_NOOP("PhonePage", "Sheet")];\n'

# name, the page's HTML, its script, the lupdate list, the failure named (None: it passes)
CASES = [
    ("used texts found", '<p data-tr="CalculatorWindow">Table limit</p>'
     '<button data-tr="PhonePage">Sheet</button>',
     'tr("CalculatorWindow", "Clear ALL");', LISTED, None),
    ("a moved context", '<p data-tr="HandWindow">Table limit</p>', "", "", "'Table limit' in HandWindow is missing"),
    ("a changed caption", "", 'tr("CalculatorWindow", "Table  limit")', "", "'Table  limit' in CalculatorWindow is missing"),
    ("an unfinished translation", "", 'x = QT_TRANSLATE_NOOP("CalculatorWindow", "New text");', "", "'New text' in CalculatorWindow is unfinished"),
    ("a page text not listed for lupdate", '<b data-tr="PhonePage">Sheet</b>', "", "", "does not list it"),
    ("a listed text the page no longer shows", "", "", LISTED, "which the page does not show"),
    ("an aria-label", '<nav data-tr-label="PhonePage" aria-label="Sheet"></nav>', "", LISTED, None),
    ("an element inside a marked one", '<p data-tr="CalculatorWindow">Table <b>limit</b></p>', "", "", "inside a marked element"),
    ("a context the engine needs is gone", "", "", "", "no context 'Hand'"),
]


def run(tool, folder, html, script, listed, contexts):
    page = folder / "page"
    page.mkdir()
    (page / "index.html").write_text(html, encoding="utf-8")
    (page / "main.js").write_text(script, encoding="utf-8")
    (folder / "pagetexts.js").write_text(listed, encoding="utf-8")
    (folder / "zorvan_nl.ts").write_text(CATALOGUE, encoding="utf-8")
    return subprocess.run(
        [sys.executable, tool, "--page", page, "--lupdate-list", folder / "pagetexts.js",
         *[f"--context={name}" for name in contexts], "--out", folder / "out",
         folder / "zorvan_nl.ts"], capture_output=True, text=True)


def main():
    tool = sys.argv[1]
    failures = []
    for name, html, script, listed, failure in CASES:
        contexts = ["Working", "Hand"] if "engine needs" in name else ["Working"]
        with tempfile.TemporaryDirectory() as scratch:
            result = run(tool, Path(scratch), html, script, listed, contexts)
            if failure is None:
                if result.returncode != 0:
                    failures.append(f"{name}: failed: {result.stderr}")
                    continue
                text = (Path(scratch) / "out" / "catalogue-nl.js").read_text(encoding="utf-8")
                body = json.loads(text[text.index("export default ") + 15:].rstrip().rstrip(";"))
                expected = {"Working": {"20 base": "20 basis", "= %1": "= %1"}}
                if "Clear ALL" in script:
                    expected["CalculatorWindow"] = {"Table limit": "Tafellimiet",
                                                    "Clear ALL": "Alles wissen"}
                expected["PhonePage"] = {"Sheet": "Blad"}
                if body != expected:
                    failures.append(f"{name}: the catalogue is {body}, expected {expected}")
            elif result.returncode == 0:
                failures.append(f"{name}: passed, expected a failure naming {failure!r}")
            elif failure not in result.stderr:
                failures.append(f"{name}: the failure does not name {failure!r}: {result.stderr}")
    for failure in failures:
        print("FAIL!", failure)
    print(f"catalogues: {len(CASES)} cases, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""How doc_links.py decides that a link is broken: one row per kind of link, on a scratch tree
with README.md, docs/guide.md (headings included), docs/a.png and LICENSE."""

import shutil
import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written into the checkout
sys.path.insert(0, str(Path(__file__).resolve().parent))
import doc_links  # noqa: E402

GUIDE = """# A player's guide

## Counting with the `sheet`

## Counting with the sheet

## Practice, step 1: the level!
"""


class BrokenLinksTest(unittest.TestCase):
    def setUp(self):
        self.root = Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.root)
        (self.root / "docs").mkdir()
        (self.root / "docs" / "guide.md").write_text(GUIDE)
        (self.root / "docs" / "a.png").write_bytes(b"")
        (self.root / "LICENSE").write_text("")

    def broken(self, text, page="README.md"):
        path = self.root / page
        path.write_text(text)
        return doc_links.broken_links(self.root, path)

    def test_links_and_pictures(self):
        # (page, text, the reason it is broken, or None)
        cases = {
            "file": ("README.md", "See [the guide](docs/guide.md).", None),
            "missing file": ("README.md", "See [x](docs/gide.md).", "no such file"),
            "picture": ("README.md", "![a window](docs/a.png)", None),
            "missing picture": ("README.md", "![a window](docs/b.png)", "no such file"),
            "picture as link text": ("README.md", "[![a](docs/a.png)](docs/guide.md)", None),
            "missing picture in link": ("README.md", "[![a](docs/b.png)](docs/guide.md)",
                                        "no such file"),
            "title": ("README.md", '[x](LICENSE "the licence")', None),
            "from docs upwards": ("docs/x.md", "[licence](../LICENSE)", None),
            "from docs, as from the root": ("docs/x.md", "[guide](docs/guide.md)",
                                            "no such file"),
            "outside the repository": ("docs/x.md", "[x](../../etc/passwd)",
                                       "outside the repository"),
            "escaped blank": ("README.md", "[x](docs/my%20guide.md)", "no such file"),
            "reference": ("README.md", "[guide][g]\n\n[g]: docs/guide.md", None),
            "missing reference": ("README.md", "[guide][g]\n\n[g]: docs/none.md",
                                  "no such file"),
            "html picture": ("README.md", '<img src="docs/none.png" alt="x">', "no such file"),
            "web": ("README.md", "[Qt](https://doc.qt.io/x.html) <mailto:a@example.org>", None),
        }
        for name, (page, text, reason) in cases.items():
            with self.subTest(name):
                problems = self.broken(text, page)
                if reason is None:
                    self.assertEqual(problems, [])
                else:
                    self.assertEqual(len(problems), 1, problems)
                    self.assertTrue(problems[0].endswith(": " + reason), problems)

    def test_headings_named_as_github_names_them(self):
        cases = {
            "plain": ("docs/guide.md#a-players-guide", True),
            "code and punctuation dropped": ("docs/guide.md#counting-with-the-sheet", True),
            "a repeated heading": ("docs/guide.md#counting-with-the-sheet-1", True),
            "no third": ("docs/guide.md#counting-with-the-sheet-2", False),
            "comma, colon and mark": ("docs/guide.md#practice-step-1-the-level", True),
            "upper case": ("docs/guide.md#A-Players-Guide", False),
            "on the same page": ("#a-heading-here", True),
            "missing on the same page": ("#another", False),
            "not a Markdown file": ("LICENSE#anything", True),
        }
        for name, (target, exists) in cases.items():
            with self.subTest(name):
                problems = self.broken(f"# A heading here\n\n[x]({target})\n")
                self.assertEqual(problems, [] if exists else
                                 [f"README.md:3: {target}: no such heading"])

    def test_code_is_not_read_for_links(self):
        cases = {
            "code span": "Write `[x](none.md)` for a link.",
            "fenced block": "```\n[x](none.md)\n```",
            "indented block": "Run:\n\n    [x](none.md)\n    ![y](none.png)",
            "tilde fence holding a backtick fence": "~~~\n```\n[x](none.md)\n~~~",
        }
        for name, text in cases.items():
            with self.subTest(name):
                self.assertEqual(self.broken(text), [])
        # The same lines outside code, and a list's continuation, are read.
        self.assertEqual(len(self.broken("[x](none.md)\n\n- item\n  [y](none.md)")), 2)
        self.assertEqual(len(self.broken("```\ncode\n```\n[x](none.md)")), 1)

    def test_the_line_of_each_broken_link(self):
        self.assertEqual(self.broken("# T\n\nok [a](LICENSE)\n\n[b](no.md) and [c](no.png)\n"),
                         ["README.md:5: no.md: no such file", "README.md:5: no.png: no such file"])


if __name__ == "__main__":
    unittest.main()

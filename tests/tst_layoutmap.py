#!/usr/bin/env python3
"""How scripts/layout.py draws the folders' map: the layers, a circle refused, and an arrow
left out of the picture only where another path already leads there."""

import sys
import unittest
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written into the checkout
# The script under test, named on the command line (the mutation run finds it there).
SCRIPT = Path(sys.argv.pop(1)) if len(sys.argv) > 1 else \
    Path(__file__).resolve().parent.parent / "scripts" / "layout.py"
sys.path.insert(0, str(SCRIPT.parent))
import layout  # noqa: E402


class LayoutMapTest(unittest.TestCase):
    def test_layers(self):
        # name, uses, the layers (None: a circle)
        rows = [
            ("alone", {"a": set()}, {"a": 0}),
            ("chain", {"a": set(), "b": {"a"}, "c": {"b", "a"}}, {"a": 0, "b": 1, "c": 2}),
            ("above the highest used", {"a": set(), "b": {"a"}, "c": {"a"}, "d": {"b", "a"}},
             {"a": 0, "b": 1, "c": 1, "d": 2}),
            ("two in a circle", {"a": {"b"}, "b": {"a"}}, None),
            ("a circle above a root", {"r": set(), "a": {"r", "c"}, "b": {"a"}, "c": {"b"}}, None),
        ]
        for name, uses, expected in rows:
            with self.subTest(name):
                self.assertEqual(layout.layers(uses), expected)

    def test_picture_keeps_only_direct_arrows(self):
        uses = {"common": set(), "widgets": {"common"}, "shell": {"widgets", "common"},
                "report": {"common"}}
        text = layout.render(uses, {f: [f"zorvan_{f}"] for f in uses}, layout.layers(uses))
        arrows = {line.strip() for line in text.splitlines() if " --> " in line}
        self.assertEqual(arrows, {"widgets --> common", "shell --> widgets",
                                  "report --> common"})
        self.assertIn("| 2 | `shell/` | `zorvan_shell` | `common/`, `widgets/` |", text)
        self.assertIn("| 0 | `common/` | `zorvan_common` | nothing |", text)


if __name__ == "__main__":
    unittest.main()

#!/usr/bin/env python3
"""The parts of scripts/mutate.py that decide what is run: the fault table, its check against
the sources, the scratch copy and the naming of a failed test. The run itself is by hand."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest
from unittest import mock
from pathlib import Path

sys.dont_write_bytecode = True  # nothing written into the checkout
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "scripts"))
import mutate  # noqa: E402

BLOCK = "id: {id}\nfile: a.cpp\ncode: {code}\nfault: x >= 1\nmeans: off by one\n"


class TableTest(unittest.TestCase):
    def setUp(self):
        self.dir = Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.dir)

    def table(self, text):
        path = self.dir / "mutants.txt"
        path.write_text(text)
        return path

    def test_blocks_read_verbatim(self):
        text = "# comment\n\n" + BLOCK.format(id="a", code="  if (x > 1)") + "\n\n" + \
            BLOCK.format(id="b", code="y") + "equivalent: y is never read\n"
        a, b = mutate.read_table(self.table(text))
        self.assertEqual((a.id, a.code, a.line), ("a", "  if (x > 1)", 3))
        self.assertEqual((b.id, b.equivalent, b.line), ("b", "y is never read", 10))

    def test_malformed_blocks_are_refused_with_their_line(self):
        cases = {
            "unknown key": (BLOCK.format(id="a", code="x") + "meaning: z\n", ":6:"),
            "key twice": ("id: a\nid: b\n", ":2: id given twice"),
            "key missing": ("\nid: a\nfile: a.cpp\n", ":2: missing code, fault, means"),
        }
        for name, (text, message) in cases.items():
            with self.subTest(name), self.assertRaisesRegex(mutate.TableError, message):
                mutate.read_table(self.table(text))

    def test_code_must_occur_exactly_once(self):
        (self.dir / "a.cpp").write_text("if (x > 1)\nreturn y + y;\n")
        cases = {
            "once": ("a", "x > 1", None),
            "not found": ("a", "x > 2", "occurs 0 times"),
            "twice": ("a", "y", "occurs 2 times"),
            "same as the fault": ("a", "x >= 1", "the fault is the code itself"),
        }
        for name, (id, code, message) in cases.items():
            mutants = mutate.read_table(self.table(BLOCK.format(id=id, code=code)))
            with self.subTest(name):
                if message is None:
                    mutate.check_table(mutants, self.dir)
                else:
                    with self.assertRaisesRegex(mutate.TableError, message):
                        mutate.check_table(mutants, self.dir)
        twice = mutate.read_table(self.table(BLOCK.format(id="a", code="x > 1") + "\n" +
                                             BLOCK.format(id="a", code="x > 1")))
        with self.assertRaisesRegex(mutate.TableError, "the id is used twice"):
            mutate.check_table(twice, self.dir)

    def test_a_fault_is_built_with_the_preset_it_names(self):
        (self.dir / "a.cpp").write_text("if (x > 1)\n")
        cases = {
            "none named": ("", "default", None),
            "the page build": ("preset: page\n", "page", None),
            "an unknown one": ("preset: wasm\n", "wasm", "no preset wasm"),
        }
        for name, (line, preset, message) in cases.items():
            mutants = mutate.read_table(self.table(BLOCK.format(id="a", code="x > 1") + line))
            with self.subTest(name):
                self.assertEqual(mutants[0].preset, preset)
                if message is None:
                    mutate.check_table(mutants, self.dir)
                    self.assertEqual(mutate.build_dir_of(self.dir, preset).name,
                                     "build" if preset == "default" else f"build-{preset}")
                else:
                    with self.assertRaisesRegex(mutate.TableError, message):
                        mutate.check_table(mutants, self.dir)


@unittest.skipUnless(shutil.which("git"), "needs git")
class ScratchCopyTest(unittest.TestCase):
    def test_copy_follows_the_checkout_and_keeps_its_build(self):
        root = Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, root)
        repo, scratch = root / "repo", root / "scratch"
        (repo / "hand").mkdir(parents=True)
        (repo / "hand" / "a.cpp").write_text("original")
        (repo / "same.h").write_text("same")
        (repo / ".gitignore").write_text("/build*/\n")
        (repo / "build").mkdir()
        (repo / "build" / "out.o").write_text("ignored")
        subprocess.run(["git", "init", "-q", str(repo)], check=True)
        first = mutate.sync_sources(repo, scratch)
        self.assertFalse((scratch / "build").exists())

        # What an interrupted run leaves behind: a fault, a stray file, the scratch build.
        (scratch / "hand" / "a.cpp").write_text("fault")
        (scratch / "hand" / "stray.cpp").write_text("stray")
        (scratch / "build").mkdir()
        (scratch / "build" / "build.ninja").write_text("kept")
        os.utime(scratch / "same.h", (1, 1))
        self.assertEqual(mutate.sync_sources(repo, scratch), first)
        self.assertEqual((scratch / "hand" / "a.cpp").read_text(), "original")
        self.assertFalse((scratch / "hand" / "stray.cpp").exists())
        self.assertTrue((scratch / "build" / "build.ninja").exists())
        self.assertEqual((scratch / "same.h").stat().st_mtime, 1)  # not rewritten

        (repo / "same.h").write_text("changed")
        self.assertNotEqual(mutate.sync_sources(repo, scratch), first)
        self.assertEqual((repo / "hand" / "a.cpp").read_text(), "original")


class FailureNameTest(unittest.TestCase):
    def test_first_failing_row_is_named(self):
        cases = {
            "row with brackets": ("PASS   : T::a()\nFAIL!  : T::f(seat (1f), East) Compared (x)\n"
                                  "FAIL!  : T::g() x\n", "T::f(seat (1f), East)"),
            "no row": ("FAIL!  : T::g()\n", "T::g()"),
            "none": ("PASS   : T::a()\n", None),
        }
        for name, (output, expected) in cases.items():
            with self.subTest(name):
                self.assertEqual(mutate.first_failure(output), expected)


class BuildWorkTest(unittest.TestCase):
    def test_a_rerun_of_cmake_is_work(self):
        cases = {
            "compiled": ("[1/2] Building CXX object a.o\n[2/2] Linking CXX executable a\n", True),
            "nothing": ("ninja: no work to do.\n", False),
            "an install rule changed": ("[0/1] Re-running CMake...\n-- Generating done\n"
                                        "ninja: no work to do.\n", True),
        }
        for name, (output, work) in cases.items():
            with self.subTest(name), mock.patch.object(
                    mutate, "run_quietly",
                    return_value=subprocess.CompletedProcess([], 0, output)):
                self.assertEqual(mutate.build(Path("build"), "all", 2), (True, work, output))


if __name__ == "__main__":
    unittest.main()

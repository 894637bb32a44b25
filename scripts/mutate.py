#!/usr/bin/env python3
"""Mutation run: do the tests catch the slips a reviewer would expect?

Each fault of tests/mutants.txt replaces one exact piece of code. The faults are applied one at
a time to a scratch copy of the source tree (never to the checkout), which is rebuilt
incrementally in one scratch build directory and run against the test suite, fastest test
first, stopping at the first failing test. Prints each fault as caught (naming the failing
test) or missed, then the rate over the faults not marked equivalent.

    scripts/mutate.py                 # every fault
    scripts/mutate.py --list          # the table, checked against the sources, nothing built
    scripts/mutate.py --only ID ...   # some faults

Exit status: 0 when every non-equivalent fault was caught, 1 when one was missed, 2 when the
table or the scratch build is wrong: a fault whose code is not found exactly once, one that
does not build (warnings included: the preset builds with -Werror), or one marked equivalent
that a test catches.
"""

import argparse
import hashlib
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
TABLE = REPO / "tests" / "mutants.txt"
KEYS = ("id", "file", "code", "fault", "means", "equivalent", "preset")
REQUIRED = ("id", "file", "code", "fault", "means")
# The project's own presets, so that the scratch build compiles exactly as the developer's does
# (and, with ccache, mostly from the developer's cache): "default" unless a fault names
# another (the phone page's faults are caught in the "page" build's tests in the browser).
# The page build compares its module and page with the zorvan-hand of the checkout's own
# default build.
PRESETS = {"default": ["-DZORVAN_BUILD_BENCHMARKS=OFF"],
           "page": [f"-DZORVAN_HAND_PROGRAM={REPO / 'build' / 'cli' / 'zorvan-hand'}"]}
# Tests that need the whole build rather than one executable (the install check, the
# validators), run after the others.
WHOLE_BUILD = "all"


class TableError(Exception):
    pass


@dataclass
class Mutant:
    id: str
    file: str
    code: str
    fault: str
    means: str
    equivalent: str = ""
    preset: str = "default"
    line: int = 0


@dataclass
class Test:
    name: str
    command: list
    directory: str
    environment: dict
    target: str
    seconds: float = 0.0


@dataclass
class Outcome:
    verdict: str  # caught, missed, unbuildable
    detail: str = ""
    seconds: float = 0.0


def read_table(path):
    """Blocks of "key: value" lines, separated by blank lines; "#" lines are comments."""
    mutants, block, start = [], {}, 0

    def finish():
        if not block:
            return
        missing = [key for key in REQUIRED if key not in block]
        if missing:
            raise TableError(f"{path.name}:{start}: missing {', '.join(missing)}")
        mutants.append(Mutant(line=start, **block))

    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if raw.startswith("#"):
            continue
        if not raw.strip():
            finish()
            block = {}
            continue
        key, colon, value = raw.partition(":")
        if not colon or key not in KEYS:
            raise TableError(f"{path.name}:{number}: expected one of {', '.join(KEYS)}")
        if key in block:
            raise TableError(f"{path.name}:{number}: {key} given twice")
        if not block:
            start = number
        block[key] = value[1:] if value.startswith(" ") else value
    finish()
    return mutants


def check_table(mutants, root):
    """The table must name each fault once and each piece of code exactly once in its file."""
    errors, seen = [], set()
    for mutant in mutants:
        where = f"{TABLE.name}:{mutant.line} {mutant.id}"
        if mutant.id in seen:
            errors.append(f"{where}: the id is used twice")
        seen.add(mutant.id)
        source = root / mutant.file
        if not source.is_file():
            errors.append(f"{where}: no file {mutant.file}")
            continue
        if mutant.code == mutant.fault:
            errors.append(f"{where}: the fault is the code itself")
        if mutant.preset not in PRESETS:
            errors.append(f"{where}: no preset {mutant.preset}: one of {', '.join(PRESETS)}")
        found = source.read_text(encoding="utf-8").count(mutant.code)
        if found != 1:
            errors.append(f"{where}: the code occurs {found} times in {mutant.file}, "
                          "not once: make it longer or fix it")
    if errors:
        raise TableError("\n".join(errors))


def source_files(repo):
    """The files of the checkout as they stand (tracked and new, not ignored)."""
    listed = subprocess.run(
        ["git", "-C", str(repo), "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        check=True, capture_output=True).stdout.decode().split("\0")
    return sorted(name for name in listed if name and (repo / name).is_file())


def sync_sources(repo, source):
    """Makes `source` a copy of the checkout `repo`, writing only the files that differ so that
    the scratch build stays incremental (this also undoes a fault left by an interrupted run).
    Returns a hash of the whole tree."""
    names = source_files(repo)
    digest = hashlib.sha256()
    for name in names:
        data = (repo / name).read_bytes()
        digest.update(name.encode() + b"\0" + data + b"\0")
        copy = source / name
        if not copy.is_file() or copy.read_bytes() != data:
            copy.parent.mkdir(parents=True, exist_ok=True)
            copy.write_bytes(data)
    wanted = set(names)
    for top in source.iterdir():
        if top.name.startswith("build") or top.name == ".cache":
            continue  # what the checkout ignores
        for path in sorted([top, *top.rglob("*")], reverse=True):
            relative = path.relative_to(source).as_posix()
            if path.is_file() and relative not in wanted:
                path.unlink()
            elif path.is_dir() and not any(path.iterdir()):
                path.rmdir()
    return digest.hexdigest()


def run_quietly(command, timeout=None, **kwargs):
    """Runs a command in a process group of its own, output and errors together; the whole
    group is ended when the run is stopped or the command times out."""
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               text=True, errors="replace", start_new_session=True, **kwargs)
    try:
        output, _ = process.communicate(timeout=timeout)
    except BaseException:
        os.killpg(process.pid, signal.SIGKILL)
        process.communicate()
        raise
    return subprocess.CompletedProcess(command, process.returncode, output)


def build_dir_of(source, preset):
    # As CMakePresets.json names them: build/ for "default", build-<preset>/ for the others.
    return source / ("build" if preset == "default" else f"build-{preset}")


def configure(source, preset):
    command = ["cmake", "--preset", preset] + PRESETS[preset]
    if shutil.which("ccache"):
        command.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        # Paths relative to the tree, so that the scratch copy shares the checkout's cache.
        os.environ.update(CCACHE_BASEDIR=str(source), CCACHE_NOHASHDIR="1")
    result = run_quietly(command, cwd=source)
    if result.returncode != 0:
        raise TableError("configuring the scratch build failed:\n" + result.stdout[-3000:])


def build(build_dir, target, jobs):
    """Builds one target; returns (built, did_work, output). A fault in the build's own files
    (an install rule, a package setting) only re-runs CMake, after which Ninja has no work to
    do: that counts as work, so that the tests of the whole build run."""
    result = run_quietly(["cmake", "--build", str(build_dir), "--target", target,
                          "--parallel", str(jobs)])
    did_work = ("ninja: no work to do" not in result.stdout or
                "Re-running CMake" in result.stdout)
    return result.returncode == 0, did_work, result.stdout


def list_tests(build_dir):
    """The suite as CTest knows it, each test with the target that builds what it runs. Tests
    that use nothing built (the validators of the desktop files) are left out."""
    shown = run_quietly(["ctest", "--test-dir", str(build_dir), "--show-only=json-v1"])
    data = json.loads(shown.stdout[shown.stdout.index("{"):])
    tests = []
    for entry in data["tests"]:
        command = entry.get("command")
        if not command:
            raise TableError(f"CTest cannot find what {entry['name']} runs: is it built?")
        # A test of one of the scripts names the script it tests, and runs when it is mutated.
        if not any(str(build_dir) in argument or "/scripts/" in argument for argument in command):
            continue
        properties = {p["name"]: p["value"] for p in entry.get("properties", [])}
        environment = dict(variable.split("=", 1) for variable in properties.get("ENVIRONMENT", []))
        program = Path(command[0])
        own = program.is_relative_to(build_dir) and program.name == entry["name"]
        tests.append(Test(entry["name"], command,
                          properties.get("WORKING_DIRECTORY", str(build_dir)), environment,
                          program.name if own else WHOLE_BUILD))
    return tests


FAIL_LINE = re.compile(r"^FAIL!\s*:\s*(\S+?\(.*?\)(?=\s|$)|\S+)", re.MULTILINE)


def first_failure(output):
    """The first failing function of a QtTest run, with its data row: "TestX::f(row)"."""
    failed = FAIL_LINE.search(output)
    return failed.group(1) if failed else None


def run_test(test, timeout):
    """Runs one test; returns None when it passes, else what failed."""
    try:
        result = run_quietly(test.command, timeout, cwd=test.directory,
                             env=dict(os.environ, **test.environment))
    except subprocess.TimeoutExpired:
        return f"{test.name}: timed out after {timeout:.0f} s"
    if result.returncode == 0:
        return None
    failed = first_failure(result.stdout)
    if failed:
        return f"{test.name}: {failed}"
    if result.returncode < 0:
        return f"{test.name}: crashed ({signal.Signals(-result.returncode).name})"
    return f"{test.name}: exit status {result.returncode}"


def timeout_for(test):
    # A timeout counts as caught, so it must not come from a busy machine alone: the suite's
    # own limit of five minutes, or twenty times the unmutated run when that is longer.
    return max(300.0, 20 * test.seconds)


def baseline(build_dir, jobs, cache, tree):
    """Builds everything and runs the suite unmutated: it must pass, and the times order the
    tests, fastest first and those that need the whole build last. The run is skipped when the
    tree is the one the cache was made from."""
    ok, _, output = build(build_dir, WHOLE_BUILD, jobs)
    if not ok:
        raise TableError("the unmutated scratch build fails:\n" + output[-3000:])
    tests = list_tests(build_dir)
    stored = json.loads(cache.read_text()) if cache.is_file() else {}
    if stored.get("tree") == tree and set(stored["seconds"]) == {t.name for t in tests}:
        for test in tests:
            test.seconds = stored["seconds"][test.name]
    else:
        print("running the unmutated suite once ...", flush=True)
        for test in tests:
            start = time.monotonic()
            failure = run_test(test, 900)
            test.seconds = time.monotonic() - start
            if failure:
                raise TableError(f"the unmutated suite fails, fix that first: {failure}")
        cache.write_text(json.dumps({"tree": tree,
                                     "seconds": {t.name: t.seconds for t in tests}}))
    return sorted(tests, key=lambda t: (t.target == WHOLE_BUILD, t.seconds))


def try_mutant(mutant, source, build_dir, tests, jobs, verbose):
    path = source / mutant.file
    original = path.read_text(encoding="utf-8")
    start = time.monotonic()
    rebuilt = []
    outcome = None
    try:
        path.write_text(original.replace(mutant.code, mutant.fault, 1), encoding="utf-8")
        for test in tests:
            ok, work, output = build(build_dir, test.target, jobs)
            if not ok:
                errors = [line for line in output.splitlines() if "error:" in line]
                outcome = Outcome("unbuildable", (errors or output.splitlines() or [""])[0])
                break
            names_mutated = str(path) in test.command
            if work:
                rebuilt.append(test.target)
            elif not names_mutated and not (test.target == WHOLE_BUILD and rebuilt):
                continue  # nothing it runs was rebuilt: it passes as it did unmutated
            began = time.monotonic()
            failure = run_test(test, timeout_for(test))
            if verbose:
                print(f"\n    {test.name} {'failed' if failure else 'passed'} "
                      f"({time.monotonic() - began:.1f} s)", end="", flush=True)
            if failure:
                outcome = Outcome("caught", failure)
                break
        if outcome is None:
            outcome = Outcome("missed", f"{mutant.file}: {mutant.means}")
    finally:
        path.write_text(original, encoding="utf-8")
    # Back to the unmutated build, so that what the next fault leaves unbuilt is unchanged.
    if rebuilt or outcome.verdict == "unbuildable":
        build(build_dir, WHOLE_BUILD, jobs)
    outcome.seconds = time.monotonic() - start
    return outcome


def interrupt(signum, frame):
    raise KeyboardInterrupt


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="show the table and check it")
    parser.add_argument("--only", nargs="+", metavar="ID", default=[],
                        help="run these faults only")
    parser.add_argument("--work", type=Path,
                        default=Path(tempfile.gettempdir()) /
                        ("zorvan-mutate-" + hashlib.sha1(str(REPO).encode()).hexdigest()[:8]),
                        help="scratch directory, kept between runs (default: %(default)s)")
    parser.add_argument("--verbose", action="store_true", help="name every test run")
    parser.add_argument("--jobs", type=int, default=2, help="parallel build jobs (2)")
    parser.add_argument("--nice", type=int, default=10,
                        help="run at least this nice, builds and tests alike (10)")
    args = parser.parse_args()

    try:
        mutants = read_table(TABLE)
        check_table(mutants, REPO)
        unknown = sorted(set(args.only) - {m.id for m in mutants})
        if unknown:
            raise TableError("no such fault: " + ", ".join(unknown))
    except TableError as error:
        print(error, file=sys.stderr)
        return 2
    if args.only:
        mutants = [m for m in mutants if m.id in args.only]
    width = max(len(m.id) for m in mutants)
    if args.list:
        files = max(len(m.file) for m in mutants)
        for m in mutants:
            mark = "equivalent" if m.equivalent else ""
            print(f"{m.id:<{width}}  {m.file:<{files}}  {mark:<10}  {m.means}")
        print(f"{len(mutants)} faults, {sum(bool(m.equivalent) for m in mutants)} equivalent")
        return 0

    # Stopped by Ctrl-C or kill alike, the fault is taken out of the scratch copy on the way.
    signal.signal(signal.SIGINT, interrupt)
    signal.signal(signal.SIGTERM, interrupt)
    current = os.nice(0)
    if current < args.nice:
        os.nice(args.nice - current)
    work = args.work.resolve()
    source = work / "src"
    try:
        source.mkdir(parents=True, exist_ok=True)
        tree = sync_sources(REPO, source)
        print(f"scratch tree {work}", flush=True)
    except TableError as error:
        print(error, file=sys.stderr)
        return 2
    # Each preset the faults name is built and its suite run unmutated once.
    suites = {}
    for preset in sorted({m.preset for m in mutants}):
        build_dir = build_dir_of(source, preset)
        try:
            configure(source, preset)
            cache = work / ("baseline.json" if preset == "default" else f"baseline-{preset}.json")
            tests = baseline(build_dir, args.jobs, cache, tree)
        except TableError as error:
            print(error, file=sys.stderr)
            return 2
        suites[preset] = (build_dir, tests)
        print(f"{preset} tests in order: " +
              ", ".join(f"{t.name} {t.seconds:.1f} s" for t in tests), flush=True)

    results = []
    for number, mutant in enumerate(mutants, 1):
        print(f"[{number:>2}/{len(mutants)}] {mutant.id:<{width}} ", end="", flush=True)
        build_dir, tests = suites[mutant.preset]
        outcome = try_mutant(mutant, source, build_dir, tests, args.jobs, args.verbose)
        if args.verbose:
            print("\n    ", end="")
        verdict = outcome.verdict
        if mutant.equivalent and verdict == "caught":
            verdict = "EQUIVALENT?"  # the mark is wrong: a test tells the fault apart
        elif mutant.equivalent and verdict == "missed":
            verdict, outcome.detail = "equivalent", mutant.equivalent
        print(f"{verdict:<11} {outcome.detail}  ({outcome.seconds:.0f} s)", flush=True)
        results.append((mutant, verdict, outcome))

    counted = [r for r in results if r[1] in ("caught", "missed")]
    caught = sum(r[1] == "caught" for r in counted)
    rate = 100.0 * caught / len(counted) if counted else 100.0
    print(f"\ncaught {caught} of {len(counted)} non-equivalent faults ({rate:.0f}%), "
          f"{sum(r[1] == 'equivalent' for r in results)} equivalent left out")
    for mutant, verdict, outcome in results:
        if verdict not in ("caught", "equivalent"):
            print(f"  {verdict}: {mutant.id} ({TABLE.name}:{mutant.line}) {outcome.detail}")
    if any(r[1] in ("unbuildable", "EQUIVALENT?") for r in results):
        return 2
    return 0 if caught == len(counted) else 1


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        # Only the scratch copy was touched; the next run puts it right.
        print("\ninterrupted", file=sys.stderr)
        sys.exit(130)

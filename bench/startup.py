#!/usr/bin/env python3
"""Start-up of zorvan-calculator against a minimal Qt Widgets window.

Runs the programs in turns with ZORVAN_STARTUP_PROBE=1 under /usr/bin/time -v. The time
to first paint is this driver's wall clock from the launch to the line the program prints at
its first paint; the memory is the peak resident set size that time reports, the page faults
its minor page faults (on a virtual machine each costs some microseconds). Prints the medians
and the ratios to the minimal window. With a second build directory, the calculator built
there runs in the same rounds, so that a change is measured against its baseline on the same
machine at the same time. Usage: startup.py BUILD_DIR [RUNS] [BASELINE_BUILD_DIR]
"""

import os
import random
import statistics
import subprocess
import sys
import time

GOAL_TIME = 1.05
GOAL_MEMORY = 1.05


def field(report, name):
    for row in report.splitlines():
        if name in row:
            return int(row.split(":")[1])
    sys.exit(f"/usr/bin/time reported no {name}:\n{report}")


def run_once(program):
    env = dict(os.environ, ZORVAN_STARTUP_PROBE="1")
    start = time.perf_counter()
    process = subprocess.Popen(
        ["/usr/bin/time", "-v", program],
        env=env,
        stdout=subprocess.PIPE,
        stderr=subprocess.PIPE,
        text=True,
    )
    line = process.stdout.readline()
    elapsed = time.perf_counter() - start
    process.stdout.read()
    errors = process.stderr.read()
    if process.wait() != 0 or not line.startswith("first paint"):
        sys.exit(f"{program} did not report its first paint:\n{line}{errors}")
    return (elapsed * 1000.0, field(errors, "Maximum resident set size"),
            field(errors, "Minor (reclaiming a frame) page faults"))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    programs = {
        "minimal": os.path.join(build, "bench", "minimal_window"),
        "zorvan": os.path.join(build, "shell", "zorvan-calculator"),
    }
    if len(sys.argv) > 3:
        programs["baseline"] = os.path.join(sys.argv[3], "shell", "zorvan-calculator")
    for program in programs.values():
        if not os.access(program, os.X_OK):
            sys.exit(f"not built: {program}")
    figures = {name: ([], [], []) for name in programs}
    # One run of each first, unmeasured, to fill the file cache; then in turns, so that
    # whatever else the machine does falls on all alike. Each turn takes the programs in a new
    # order (the same orders on every call), so that none always runs right after another.
    for program in programs.values():
        run_once(program)
    shuffle = random.Random(runs)
    for _ in range(runs):
        turn = list(programs.items())
        shuffle.shuffle(turn)
        for name, program in turn:
            for column, value in zip(figures[name], run_once(program)):
                column.append(value)

    platform = os.environ.get("QT_QPA_PLATFORM", "xcb")
    print(f"{runs} runs each, platform {platform}, medians")
    print(f"{'program':<10} {'first paint':>12} {'peak RSS':>12} {'page faults':>12}"
          f" {'time ratio':>11} {'memory ratio':>13}")
    medians = {name: [statistics.median(column) for column in figures[name]]
               for name in programs}
    base_time, base_memory, _ = medians["minimal"]
    for name, (elapsed, rss, faults) in medians.items():
        print(f"{name:<10} {elapsed:>9.1f} ms {rss / 1024:>8.1f} MiB {faults:>12.0f}"
              f" {elapsed / base_time:>11.3f} {rss / base_memory:>13.3f}")
    time_ratio = medians["zorvan"][0] / base_time
    memory_ratio = medians["zorvan"][1] / base_memory
    print(f"ratio zorvan / minimal: start-up {time_ratio:.3f} (goal <= {GOAL_TIME}),"
          f" memory {memory_ratio:.3f} (goal <= {GOAL_MEMORY})")
    return 0 if time_ratio <= GOAL_TIME and memory_ratio <= GOAL_MEMORY else 1


if __name__ == "__main__":
    sys.exit(main())

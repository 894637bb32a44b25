#!/usr/bin/env python3
"""Start-up of zorvan-calculator against a minimal Qt Widgets window.

Runs both programs alternately with ZORVAN_STARTUP_PROBE=1 under /usr/bin/time -v. The time
to first paint is this driver's wall clock from the launch to the line the program prints at
its first paint; the memory is the peak resident set size that time reports. Prints the
medians and the ratios ours / minimal. Usage: startup.py BUILD_DIR [RUNS]
"""

import os
import statistics
import subprocess
import sys
import time

GOAL_TIME = 1.15
GOAL_MEMORY = 1.10


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
    rss = None
    for row in errors.splitlines():
        if "Maximum resident set size" in row:
            rss = int(row.split(":")[1])
    if rss is None:
        sys.exit(f"/usr/bin/time reported no peak memory:\n{errors}")
    return elapsed * 1000.0, rss


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    programs = {
        "minimal": os.path.join(build, "bench", "minimal_window"),
        "zorvan": os.path.join(build, "shell", "zorvan-calculator"),
    }
    for program in programs.values():
        if not os.access(program, os.X_OK):
            sys.exit(f"not built: {program}")
    times = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    # One run of each first, unmeasured, to fill the file cache; then alternately, so that
    # whatever else the machine does falls on both alike.
    for program in programs.values():
        run_once(program)
    for _ in range(runs):
        for name, program in programs.items():
            elapsed, rss = run_once(program)
            times[name].append(elapsed)
            memory[name].append(rss)

    platform = os.environ.get("QT_QPA_PLATFORM", "xcb")
    print(f"{runs} runs each, platform {platform}")
    print(f"{'program':<10} {'first paint (median)':>22} {'peak RSS (median)':>20}")
    for name in programs:
        print(f"{name:<10} {statistics.median(times[name]):>19.1f} ms"
              f" {statistics.median(memory[name]) / 1024:>17.1f} MiB")
    time_ratio = statistics.median(times["zorvan"]) / statistics.median(times["minimal"])
    memory_ratio = statistics.median(memory["zorvan"]) / statistics.median(memory["minimal"])
    print(f"ratio zorvan / minimal: start-up {time_ratio:.3f} (goal <= {GOAL_TIME}),"
          f" memory {memory_ratio:.3f} (goal <= {GOAL_MEMORY})")
    return 0 if time_ratio <= GOAL_TIME and memory_ratio <= GOAL_MEMORY else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""The phone page's tests in headless Chromium, as a phone sees it: mobile emulation with
touch, every control reached by a tap, text typed as a phone's keyboard types it. One group of
tests per run, each a table of cases; the expected counts come from the engine module (the
same module zorvan-hand is checked against) where the engine gives them, the worked examples of
the calculator's rules as fixed rows.

    pagetests.py SITE_DIR GROUP     (GROUP: one of the names below)

Exit status 0 when every case passed, 1 when one failed (each failure named), 2 when the run
itself could not be made.
"""

import sys
import time
import traceback
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from browser import Browser, Failure, Site  # noqa: E402
from pagecheck import GROUPS, Checks  # noqa: E402
# Each screen's groups, then the page's as a whole, join GROUPS as they are read, in order.
import sheettests  # noqa: E402,F401,I001
import fanstests  # noqa: E402,F401
import handtests  # noqa: E402,F401
import throwstests  # noqa: E402,F401
import practicetests  # noqa: E402,F401
import pagewidetests  # noqa: E402,F401


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in GROUPS:
        sys.exit(__doc__ + "\ngroups: " + ", ".join(GROUPS))
    site_dir, name = sys.argv[1], sys.argv[2]
    checks = Checks()
    site = Site(site_dir)
    started = time.monotonic()
    try:
        with Browser() as browser:
            GROUPS[name](browser.tab, site.url, checks)
    except Failure as failure:
        checks.failures.append(f"[{checks.case}] {failure}")
    except Exception:  # noqa: BLE001 - the run names what broke
        traceback.print_exc()
        return 2
    finally:
        site.stop()
    for failure in checks.failures:
        print(f"FAIL!  : {name} {failure}")
    print(f"{name}: {checks.count} checks, {len(checks.failures)} failed "
          f"({time.monotonic() - started:.1f} s)")
    return 1 if checks.failures else 0


if __name__ == "__main__":
    sys.exit(main())

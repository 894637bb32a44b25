#!/usr/bin/python3
"""The phone page's figures: what a phone downloads, and how soon the page is usable.

Download: every file the page's offline copy keeps (which is everything a phone ever asks for:
the page, its scripts and styles, the engine module, the catalogues, the tile picture, the
icons) and the service worker, each as a static host serves it: with Brotli from the .br copy
beside it, as it is where there is none (the PNG pictures). The goal: at most 150 KB. Beside it,
what the browser itself counted on the wire on a cold visit (over http://127.0.0.1 Chromium asks
for gzip, not Brotli, so that figure is larger).

Usable: a table limit typed on the Sheet shows its figures. Timed in headless Chromium as a
throttled phone (150 ms round trip, 1.6 Mbit/s down, 750 kbit/s up, the processor 4 times
slower; DevTools' Network.emulateNetworkConditions and Emulation.setCPUThrottlingRate), from
the navigation's start to the moment the figures are on the Sheet, the limit typed within the
page as soon as it says it is ready. Cold: a new profile, nothing cached; warm: a reload, the offline copy
in place. Goals: 2.5 s cold, 0.5 s warm. Prints the median and the slowest of each.

    page.py [SITE_DIR] [COLD_RUNS] [WARM_RUNS]   (default build-page/site, 3, 5)
"""

import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "webpage" / "tests"))
from browser import Browser, Site  # noqa: E402

GOAL_BYTES = 150_000
GOAL_COLD = 2.5
GOAL_WARM = 0.5
THROTTLED = {"offline": False, "latency": 150, "downloadThroughput": 1_600_000 / 8,
             "uploadThroughput": 750_000 / 8}


def report_download(site):
    rows = []
    for path in sorted(site.iterdir()):
        if path.suffix in (".gz", ".br") or not path.is_file():
            continue
        brotli = Path(f"{path}.br")
        rows.append((path.name, path.stat().st_size,
                     brotli.stat().st_size if brotli.exists() else path.stat().st_size))
    for name, plain, compressed in rows:
        print("%-24s %9d %9d" % (name, plain, compressed))
    total = sum(row[2] for row in rows)
    print("%-24s %9d %9d   (bytes: as built, as served with Brotli)" %
          ("download", sum(row[1] for row in rows), total))
    return total


def throttle(tab):
    tab.call("Network.enable")
    tab.call("Network.emulateNetworkConditions", **THROTTLED)
    tab.call("Emulation.setCPUThrottlingRate", rate=4)
    tab.as_phone(360, 640)


# Put into the page before it loads: as soon as the page says it is ready, the Sheet is shown
# and "500" typed into the table limit a key at a time (an input event per key, as a phone's
# keyboard gives them), and the moment its figures are on the screen is kept. Typed within the
# page, so that the figure is the page's own, not the DevTools connection's.
TYPIST = """
const typeLimit = () => {
    if (document.documentElement.dataset.ready !== "yes")
        return false;
    document.getElementById("TabSheet").click();
    const box = document.getElementById("Text1");
    box.focus();
    for (const key of "500") {
        box.value += key;
        box.dispatchEvent(new InputEvent("input", {bubbles: true, data: key, inputType: "insertText"}));
    }
    const shown = () => document.getElementById("Label37").textContent.trim()
        ? (window.zorvanUsable = performance.now() / 1000) : requestAnimationFrame(shown);
    shown();
    return true;
};
document.addEventListener("DOMContentLoaded", () => {
    if (typeLimit())
        return;
    const watch = new MutationObserver(() => typeLimit() && watch.disconnect());
    watch.observe(document.documentElement, {attributes: true, attributeFilter: ["data-ready"]});
});
"""


def usable_seconds(tab, before):
    """The time from the navigation's start to the typed limit's figures on the Sheet, on a
    page other than the one that started at `before`."""
    return tab.wait_for(f"performance.timeOrigin !== {before} && window.zorvanUsable", 60,
                        "the figures")


def main():
    site_dir = Path(sys.argv[1] if len(sys.argv) > 1 else "build-page/site")
    cold_runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    warm_runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    download = report_download(site_dir)

    site = Site(str(site_dir), compressed=True)
    cold, warm, wire = [], [], []
    try:
        for _ in range(cold_runs):
            with Browser() as browser:
                tab = browser.tab
                throttle(tab)
                tab.call("Page.addScriptToEvaluateOnNewDocument", source=TYPIST)
                sent = site.sent
                before = tab.evaluate("performance.timeOrigin")
                tab.call("Page.navigate", url=site.url)
                cold.append(usable_seconds(tab, before))
                # What the offline copy fetches counts too.
                tab.evaluate("navigator.serviceWorker.ready.then(() => true)")
                tab.wait_for("navigator.serviceWorker.controller !== null || "
                             "caches.keys().then(names => names.length > 0)", 60, "the copy")
                time.sleep(1)
                wire.append(site.sent - sent)
                for _ in range(warm_runs):
                    before = tab.evaluate("performance.timeOrigin")
                    tab.call("Page.reload")
                    warm.append(usable_seconds(tab, before))
    finally:
        site.stop()

    print("download with Brotli:      %.1f KB (goal %d KB)" % (download / 1000, GOAL_BYTES // 1000))
    print("sent by the server, cold:  %.1f KB (gzip: Chromium asks for Brotli only over https; "
          "the offline copy included)" % (statistics.median(wire) / 1000))
    print("usable, cold, throttled:   median %.2f s, slowest %.2f s over %d visits (goal %.1f s)"
          % (statistics.median(cold), max(cold), len(cold), GOAL_COLD))
    print("usable, warm, throttled:   median %.2f s, slowest %.2f s over %d reloads (goal %.1f s)"
          % (statistics.median(warm), max(warm), len(warm), GOAL_WARM))
    met = download <= GOAL_BYTES and statistics.median(cold) <= GOAL_COLD and \
        statistics.median(warm) <= GOAL_WARM
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())

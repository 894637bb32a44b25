#!/usr/bin/python3
"""Draws the pictures of the phone page for the documentation: the page as a phone shows it
(headless Chromium, 360 x 740 CSS pixels at twice the pixels, touch), each screen with a hand
or a sheet on it, one in dark mode and one in German. Reduced to 128 colours, so that they stay
small. Run it after changing how the page looks and commit what it writes:

    webpage/tools/pictures.py build-page/site docs
"""

import base64
import io
import sys
import time
from pathlib import Path

from PIL import Image

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests"))
from browser import Browser, Site  # noqa: E402

WIDTH, HEIGHT, SCALE = 360, 740, 2
# The same practice hand every time: the page's random numbers from a fixed sequence.
FIXED_DEAL = """
let zorvanNext = 7;
crypto.getRandomValues = array => { for (let i = 0; i < array.length; ++i)
    array[i] = (zorvanNext = (zorvanNext * 1103515245 + 12345) >>> 0); return array; };
"""


def show(tab, name):
    tab.tap(f"#Tab{name}")


def keys(tab, selector, text):
    tab.tap(selector)
    for character in text:
        tab.call("Input.insertText", text=character)
    tab.settle()


def scroll_to(tab, selector):
    """Scrolls the element to just below the figures kept at the top of the screen."""
    tab.evaluate(f"""(() => {{
        const figures = document.querySelector('.screen:not([hidden]) .figures');
        const top = document.querySelector('{selector}').getBoundingClientRect().top;
        window.scrollBy(0, top - (figures ? figures.getBoundingClientRect().bottom : 0) - 8);
    }})()""")


def sheet(tab):
    show(tab, "Sheet")
    keys(tab, "#Text1", "500")
    for box in (1, 6, 34, 50, 52):
        tab.tap(f"#Check{box}")
    tab.tap("#Command5")
    tab.evaluate("window.scrollTo(0, 0)")


def hand(tab):
    show(tab, "Hand")
    keys(tab, "#HandText", "222m 888p 777z 9s [111z] 1f 3y +9s")
    tab.tap("#SelfDrawn")
    tab.evaluate("(() => { const s = document.getElementById('SeatWind'); s.value = 'S'; "
                 "s.dispatchEvent(new Event('change')); })()")
    scroll_to(tab, ".hand-head")


def waits(tab):
    show(tab, "Hand")
    tab.tap("#ClearHand")
    keys(tab, "#HandText", "[123m] [456p] [789s] 22z 55z")
    scroll_to(tab, ".hand-head")


def fans(tab):
    show(tab, "Fans")
    for picture in (1, 6, 9, 10, 14, 17):
        tab.tap(f"#Form3_Picture{picture}")
    tab.tap("#Form3_Check5")
    tab.evaluate("window.scrollTo(0, 0)")


def practice(tab):
    show(tab, "Practice")
    count = tab.evaluate("(async () => { const engine = await (await import('./engine.js'))"
                         ".loadEngine(); const s = document.getElementById('PracticeScreen')"
                         ".dataset; return engine.practice(Number(s.seed), Number(s.level), 500)"
                         ".count; })()")
    keys(tab, "#PracticeCount", str(count))
    tab.tap("#PracticeCheck")
    tab.evaluate("window.scrollTo(0, 0)")


SCENES = [
    ("phone-sheet.png", "en", False, sheet),
    ("phone-hand.png", "en", False, hand),
    ("phone-waits.png", "en", False, waits),
    ("phone-fans.png", "en", False, fans),
    ("phone-practice.png", "en", False, practice),
    ("phone-hand-dark.png", "en", True, hand),
    ("phone-sheet-de.png", "de", False, sheet),
]


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    site, out = Site(sys.argv[1]), Path(sys.argv[2])
    try:
        for name, language, dark, scene in SCENES:
            with Browser() as browser:
                tab = browser.tab
                tab.as_phone(WIDTH, HEIGHT, SCALE)
                tab.call("Page.addScriptToEvaluateOnNewDocument", source=FIXED_DEAL)
                tab.call("Emulation.setEmulatedMedia", features=[
                    {"name": "prefers-color-scheme", "value": "dark" if dark else "light"}])
                tab.open(site.url)
                tab.evaluate(f"localStorage.setItem('zorvan-language', '{language}')")
                tab.reload()
                scene(tab)
                tab.evaluate("document.activeElement.blur()")
                time.sleep(0.3)
                data = base64.b64decode(tab.call("Page.captureScreenshot", format="png")["data"])
            picture = Image.open(io.BytesIO(data)).convert("RGB").quantize(128)
            picture.save(out / name, optimize=True)
            print(f"{out / name}: {(out / name).stat().st_size} bytes")
    finally:
        site.stop()


if __name__ == "__main__":
    main()

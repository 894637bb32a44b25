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

import json
import sys
import time
import traceback
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from browser import Browser, Failure, Site  # noqa: E402

GROUPS = {}
TITLE = "Zorvan! Mah-Jongg Calculator"
TOO_HIGH = "limit is toooooooo high"
TYPO = "You made a typo, mahjongaddict"
OVERFLOW = ("Overflow: this hand is worth more than the calculator can count. The results were "
            "left as they were.")
HONOR_HINT = ("If the honor pong/kong is a dragon/prevailing/seat wind also check the box closed "
              "pong/kong dragon/seat or prevailing wind (on the right side)!")
WORTHLESS_HINT = "This does not aply when you have a pair of dragons or prevailing/seat winds !"
MAXIMUM = "Zorvan has no more fingers left to count your fans(YOUR MAXED OUT, WELL DONE)"
SUPPLEMENT_HINT = "This means you also should check the Self Pick checkbox!"


def group(function):
    GROUPS[function.__name__] = function
    return function


class Checks:
    """Collects failed checks, each with the case it belongs to, instead of stopping at the
    first."""

    def __init__(self):
        self.failures = []
        self.count = 0
        self.case = ""

    def equal(self, actual, expected, what):
        self.count += 1
        if actual != expected:
            self.failures.append(f"[{self.case}] {what}: {actual!r}, expected {expected!r}")

    def true(self, condition, what):
        self.count += 1
        if not condition:
            self.failures.append(f"[{self.case}] {what}")


# Helpers on the page.

def fresh(tab, url, width=360, height=640):
    tab.as_phone(width, height)
    tab.open(url)
    tab.evaluate("localStorage.clear(), sessionStorage.clear()")


def screen(tab, name):
    tab.tap(f"#Tab{name}")
    tab.wait_for(f"!document.getElementById('{name}Screen').hidden", 5, f"the {name} screen")


def engine(tab, expression):
    """The engine module's answer, from a module of the page's own loaded beside it."""
    return tab.evaluate("(async () => { globalThis.testEngine ??= (await import('./engine.js'))"
                        f".loadEngine(); const engine = await globalThis.testEngine; "
                        f"return {expression}; }})()")


def captions(tab, *ids):
    return tuple(tab.text("#" + name) for name in ids)


def messages_while(tab, action):
    """Runs `action`, dismissing every message box it opens; returns them in order as
    (text, icon, title, modal)."""
    seen = []
    action()
    for _ in range(20):
        box = tab.message()
        if not box:
            break
        seen.append((box["text"], box["icon"], box["title"], box["modal"]))
        tab.dismiss()
    return seen


def type_keys(tab, selector, text):
    """Types `text` into the field a key at a time, dismissing and noting each message box
    the keys raise."""
    seen = []
    tab.tap(selector)
    for character in text:
        tab.call("Input.insertText", text=character)
        tab.settle()
        while True:
            box = tab.message()
            if not box:
                break
            seen.append((box["text"], box["icon"], box["title"], box["modal"]))
            tab.dismiss()
    return seen


def erase_keys(tab, selector, count):
    seen = []
    tab.tap(selector)
    tab.evaluate(f"document.querySelector('{selector}').setSelectionRange(1e6, 1e6)")
    for _ in range(count):
        for kind in ("rawKeyDown", "keyUp"):
            tab.call("Input.dispatchKeyEvent", type=kind, key="Backspace", code="Backspace",
                     windowsVirtualKeyCode=8, nativeVirtualKeyCode=8)
        tab.settle()
        while (box := tab.message()):
            seen.append((box["text"], box["icon"], box["title"], box["modal"]))
            tab.dismiss()
    return seen


def set_boxes(tab, boxes):
    for number in boxes:
        tab.tap(f"#Check{number}")
        while tab.message():
            tab.dismiss()


def sheet_figures(tab, boxes, flowers, limit):
    return engine(tab, f"engine.sheet({{boxes: {json.dumps(sorted(boxes))}, flowers: {flowers}, "
                       f"tablelimit: {limit}}})")


# The groups.

@group
def sheet_table_limit(tab, url, checks):
    """Typing into Text1 key by key: the messages in order (text, icon, the application's
    title, modal), what the box reads afterwards, and the figures of the limit stored, with
    the first box of "open pong 2-8" ticked."""
    cases = [
        # name, keys, messages expected (text, icon), Text1 after, the limit that counts
        ("500", "500", [], "500", 500),
        ("the bound itself", "65536", [], "65536", 65536),
        ("one above the bound", "65537", [(TOO_HIGH, "stop")], " 65536", 65536),
        ("99999", "99999", [(TOO_HIGH, "stop")], " 65536", 65536),
        ("a letter after 12", "12a", [(TYPO, "exclamation")], "12a", 12),
        ("a minus typed first", "-50", [(TYPO, "exclamation")], "-50", -50),
        ("letters only", "abc", [(TYPO, "exclamation")] * 3, "abc", 0),
        ("blanks only", "  ", [(TYPO, "exclamation")] * 2, "  ", 0),
        ("2.5 rounds to even", "2.5", [], "2.5", 2),
        ("3.5 rounds to even", "3.5", [], "3.5", 4),
    ]
    for name, keys, expected, text, limit in cases:
        checks.case = name
        fresh(tab, url)
        screen(tab, "Sheet")
        set_boxes(tab, [2])
        seen = type_keys(tab, "#Text1", keys)
        checks.equal([(text_, icon) for text_, icon, _, _ in seen], expected, "the messages")
        checks.true(all(title == TITLE and modal for _, _, title, modal in seen),
                    "every message modal with the application's title")
        checks.equal(tab.evaluate("document.getElementById('Text1').value"), text, "Text1")
        if limit == 0:
            checks.equal(captions(tab, "Label37", "Label38"), ("", ""), "no figures")
        else:
            figures = sheet_figures(tab, [2], 0, limit)
            checks.equal(captions(tab, "Label37", "Label38"),
                         (figures["value"], figures["count"]), "the figures")

    checks.case = "the worked example: 500, open pong 2-8, then East"
    fresh(tab, url)
    screen(tab, "Sheet")
    type_keys(tab, "#Text1", "500")
    checks.equal(captions(tab, "Label37", "Label38"), (" 80", " 20"), "an empty sheet")
    set_boxes(tab, [2])
    checks.equal(captions(tab, "Label37", "Label38"), (" 88", " 22"), "open pong 2-8")
    set_boxes(tab, [1])
    checks.equal(captions(tab, "Label37", "Label38"), (" 132", " 22"), "and East")

    checks.case = "65536.4 pasted is too high: the bound applies before rounding"
    fresh(tab, url)
    screen(tab, "Sheet")
    seen = messages_while(tab, lambda: (tab.tap("#Text1"),
                                        tab.call("Input.insertText", text="65536.4"), tab.settle()))
    checks.equal([s[:2] for s in seen], [(TOO_HIGH, "stop")], "the messages")
    checks.equal(tab.evaluate("document.getElementById('Text1').value"), " 65536", "Text1")

    checks.case = "120 erased with backspace leaves the limit at 1"
    fresh(tab, url)
    screen(tab, "Sheet")
    set_boxes(tab, [57])
    type_keys(tab, "#Text1", "120")
    seen = erase_keys(tab, "#Text1", 3)
    checks.equal(seen, [], "no message")
    figures = sheet_figures(tab, [57], 0, 1)
    checks.equal(captions(tab, "Label37", "Label38"), (figures["value"], figures["count"]),
                 "the figures of limit 1")

    checks.case = "0 stores nothing to show: the figures stay"
    fresh(tab, url)
    screen(tab, "Sheet")
    type_keys(tab, "#Text1", "5")
    shown = captions(tab, "Label37", "Label38")
    erase_keys(tab, "#Text1", 1)
    type_keys(tab, "#Text1", "0")
    set_boxes(tab, [2])
    checks.equal(captions(tab, "Label37", "Label38"), shown, "the figures of limit 5")

    checks.case = "a recount that overflows after a typed limit gives the typo warning"
    fresh(tab, url)
    screen(tab, "Sheet")
    every_box = [n for n in range(2, 73) if n != 51]
    set_boxes(tab, every_box)
    for _ in range(8):
        tab.tap("#Command5")
    seen = type_keys(tab, "#Text1", "32736")
    checks.equal([s[:2] for s in seen], [(TYPO, "exclamation")], "the messages")
    figures = sheet_figures(tab, every_box, 8, 3273)
    checks.equal(captions(tab, "Label37", "Label38"), (figures["value"], figures["count"]),
                 "the figures of the limit before")


@group
def sheet_boxes(tab, url, checks):
    """Every box of the sheet ticked alone by touch: the figures the engine gives for it, the
    box counted under the caption beside it, and untouched figures while no limit is
    entered."""
    fresh(tab, url)
    screen(tab, "Sheet")
    checks.case = "no table limit"
    set_boxes(tab, [2, 57])
    checks.equal(captions(tab, "Label37", "Label38"), ("", ""), "ticks show nothing")
    set_boxes(tab, [2, 57])
    type_keys(tab, "#Text1", "500")
    boxes = tab.evaluate("[...document.querySelectorAll('#SheetRows input[type=checkbox]')]"
                         ".map(box => [Number(box.id.slice(5)), box.closest('.sheet-row')"
                         ".querySelector('.caption').textContent])")
    checks.case = "the sheet"
    checks.equal([number for number, _ in boxes], [n for n in range(2, 73) if n != 51],
                 "the boxes, in order")
    for number, caption in boxes:
        checks.case = f"Check{number} ({caption})"
        set_boxes(tab, [number])
        figures = sheet_figures(tab, [number], 0, 500)
        checks.equal(captions(tab, "Label37", "Label38"), (figures["value"], figures["count"]),
                     "the figures")
        checks.true(any(caption in line for line in
                        engine(tab, f"engine.sheet({{boxes: [{number}], flowers: 0, tablelimit: 500}})"
                                    ".countWorking.map(engine.phraseText)")),
                    f"the working names the row caption {caption!r}")
        set_boxes(tab, [number])
        checks.equal(captions(tab, "Label37", "Label38"), (" 80", " 20"), "unticked again")

    checks.case = "East changes the value by 6 to 4, never the count"
    for limit, boxes_, plain, east in ((50, [57], (" 200", " 160"), (" 300", " 160")),
                                       (22, [2], (" 88", " 22"), (" 132", " 22"))):
        fresh(tab, url)
        screen(tab, "Sheet")
        type_keys(tab, "#Text1", str(limit))
        set_boxes(tab, boxes_)
        checks.equal(captions(tab, "Label37", "Label38"), plain, f"limit {limit}")
        set_boxes(tab, [1])
        checks.equal(captions(tab, "Label37", "Label38"), east, f"limit {limit}, East")

    checks.case = "a click that overflows: one stop message, the figures as they were"
    fresh(tab, url)
    screen(tab, "Sheet")
    type_keys(tab, "#Text1", "65536")
    set_boxes(tab, [60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70])
    before = captions(tab, "Label37", "Label38")
    checks.equal(before[1], " 1073741824", "the count before the last tile")
    seen = messages_while(tab, lambda: tab.tap("#Check71"))
    checks.equal(seen, [(OVERFLOW, "stop", TITLE, True)], "the message")
    checks.equal(captions(tab, "Label37", "Label38"), before, "the figures")


@group
def sheet_buttons(tab, url, checks):
    """The flowers and seasons counter at its bounds, the hints, and the two clear buttons."""
    fresh(tab, url)
    screen(tab, "Sheet")
    type_keys(tab, "#Text1", "500")
    for step, expected in enumerate([" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 8"], 1):
        checks.case = f"+ {step} times"
        tab.tap("#Command5")
        checks.equal(tab.text("#Label36"), expected, "Label36")
        figures = sheet_figures(tab, [], min(step, 8), 500)
        checks.equal(captions(tab, "Label37", "Label38"), (figures["value"], figures["count"]),
                     "the figures")
        checks.equal(tab.message(), None, "no message at the bound")
    for step, expected in enumerate([" 7", " 6", " 5", " 4", " 3", " 2", " 1", "", ""], 1):
        checks.case = f"-- {step} times from 8"
        tab.tap("#Command4")
        checks.equal(tab.text("#Label36"), expected, "Label36")

    for button, text in ((1, HONOR_HINT), (2, HONOR_HINT), (3, WORTHLESS_HINT)):
        checks.case = f"hint Command{button}"
        set_boxes(tab, [2])
        shown = captions(tab, "Label37", "Label38", "Label36")
        seen = messages_while(tab, lambda: tab.tap(f"#Command{button}"))
        checks.equal(seen, [(text, "exclamation", TITLE, True)], "the message")
        checks.equal(captions(tab, "Label37", "Label38", "Label36"), shown, "nothing changed")
        set_boxes(tab, [2])

    checks.case = "Clear all BUT table limit"
    fresh(tab, url)
    screen(tab, "Sheet")
    type_keys(tab, "#Text1", "120")
    set_boxes(tab, [1, 2, 57])
    tab.tap("#Command5")
    tab.tap("#Command7")
    checks.equal(tab.evaluate("document.getElementById('Text1').value"), "120", "Text1 kept")
    checks.equal(captions(tab, "Label37", "Label38", "Label36"), ("", "", ""), "all empty")
    checks.equal(tab.evaluate("document.querySelectorAll('#SheetScreen input:checked').length"),
                 0, "no box ticked, East included")
    set_boxes(tab, [2])
    figures = sheet_figures(tab, [2], 0, 120)
    checks.equal(captions(tab, "Label37", "Label38"), (figures["value"], figures["count"]),
                 "the next tick counts again")

    checks.case = "Clear ALL"
    tab.tap("#Command5")
    tab.tap("#Command6")
    checks.equal(tab.evaluate("document.getElementById('Text1').value"), "", "Text1 empty")
    checks.equal(captions(tab, "Label37", "Label38", "Label36"), ("", "", ""), "all empty")
    set_boxes(tab, [2])
    checks.equal(captions(tab, "Label37", "Label38"), ("", ""), "no limit: ticks show nothing")

    checks.case = "Clear all BUT table limit on a sheet whose clearing overflows"
    # The last tick overflows and stays ticked; unticking Check2 first still overflows.
    fresh(tab, url)
    screen(tab, "Sheet")
    type_keys(tab, "#Text1", "65536")
    ticked = [60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 2]
    set_boxes(tab, ticked)
    checks.true(engine(tab, f"engine.clearSheet({{boxes: {sorted(ticked)}, flowers: 0, "
                            "tablelimit: 65536}, false).overflow"), "the engine: it overflows")
    seen = messages_while(tab, lambda: tab.tap("#Command7"))
    checks.equal(seen, [(OVERFLOW, "stop", TITLE, True)], "one message")
    checks.equal(captions(tab, "Label37", "Label38", "Label36"), ("", "", ""), "all empty")
    checks.equal(tab.evaluate("document.querySelectorAll('#SheetScreen input:checked').length"),
                 0, "every box clear")


@group
def fans_board(tab, url, checks):
    """The fan counter's worked examples, tapped on the board, and its messages."""
    cases = [
        # name, tiles tapped, boxes tapped, Label8
        ("nothing selected", [], [], " 1"),
        ("only NO FA table", [], [11], " 0"),
        ("a single flower", [16], [], " 0"),
        ("NO FA table, flower 1, seat East", [16, 5], [11], " 1"),
        ("all flowers, seat South", [16, 17, 18, 19, 6], [], " 2"),
        ("all flowers and seasons, seat South", [16, 17, 18, 19, 20, 21, 22, 23, 6], [], " 4"),
        ("East pong, seat and prevailing East", [5, 1, 9], [], " 3"),
        ("East pong, seat South, prevailing West", [9, 6, 3], [], " 1"),
        ("the three dragons", [13, 14, 15], [], " 4"),
        ("Semi Pure and Pure", [], [3, 4], " 10"),
        ("the largest total", [5, 1, 9, 13, 14, 15] + list(range(16, 24)),
         [1, 2, 3, 4, 10, 5, 8, 9], " 26"),
        ("a prevailing wind moved", [1, 2], [], " 1"),
    ]
    for name, tiles, boxes, total in cases:
        checks.case = name
        fresh(tab, url)
        screen(tab, "Fans")
        for picture in tiles:
            tab.tap(f"#Form3_Picture{picture}")
        for check in boxes:
            tab.tap(f"#Form3_Check{check}")
        checks.equal(tab.text("#Form3_Label8"), total, "Label8")

    checks.case = "one prevailing wind at a time, the rows apart"
    fresh(tab, url)
    screen(tab, "Fans")
    for picture in (1, 2, 5, 9):
        tab.tap(f"#Form3_Picture{picture}")
    pressed = tab.evaluate("[...document.querySelectorAll('#FanBoard [aria-pressed=true]')]"
                           ".map(tile => tile.id)")
    checks.equal(pressed, ["Form3_Picture2", "Form3_Picture5", "Form3_Picture9"], "pressed")
    tab.tap("#Form3_Picture2")
    checks.equal(tab.evaluate("document.getElementById('Form3_Picture2')"
                              ".getAttribute('aria-pressed')"), "false", "tapped again")

    for check in (6, 7):
        checks.case = f"maximum box Form3_Check{check}"
        fresh(tab, url)
        screen(tab, "Fans")
        tab.tap("#Form3_Picture13")
        before = tab.text("#Form3_Label8")
        seen = messages_while(tab, lambda: tab.tap(f"#Form3_Check{check}"))
        checks.equal(seen, [(MAXIMUM, "none", TITLE, True)], "ticked: the message")
        checks.equal(tab.text("#Form3_Label8"), before, "no recount")
        seen = messages_while(tab, lambda: tab.tap(f"#Form3_Check{check}"))
        checks.equal(seen, [], "cleared: no message")
        tab.tap("#Form3_Check4")
        checks.equal(tab.text("#Form3_Label8"), " 8", "the next box recounts")

    checks.case = "CLEAR ALL"
    fresh(tab, url)
    screen(tab, "Fans")
    for picture in (1, 9, 18):
        tab.tap(f"#Form3_Picture{picture}")
    tab.tap("#Form3_Check4")
    messages_while(tab, lambda: tab.tap("#Form3_Check6"))
    seen = messages_while(tab, lambda: tab.tap("#Form3_Command1"))
    checks.equal(seen, [], "no message, All Terminals cleared")
    checks.equal(tab.evaluate("document.querySelectorAll('#FansScreen [aria-pressed=true], "
                              "#FansScreen input:checked').length"), 0, "all clear")
    checks.equal(tab.text("#Form3_Label8"), " 1", "Label8")
    tab.tap("#Form3_Check11")
    tab.tap("#Form3_Command1")
    checks.true(tab.evaluate("document.getElementById('Form3_Check11').checked"),
                "NO FA table stays")
    checks.equal(tab.text("#Form3_Label8"), " 0", "Label8 with NO FA table")

    checks.case = "the hint"
    seen = messages_while(tab, lambda: tab.tap("#Form3_Command2"))
    checks.equal(seen, [(SUPPLEMENT_HINT, "exclamation", TITLE, True)], "the message")


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
        print("FAIL!", failure)
    print(f"{name}: {checks.count} checks, {len(checks.failures)} failed "
          f"({time.monotonic() - started:.1f} s)")
    return 1 if checks.failures else 0


if __name__ == "__main__":
    sys.exit(main())

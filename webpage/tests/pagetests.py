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
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback
import urllib.parse
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


def type_keys(tab, selector, text, during=None):
    """Types `text` into the field a key at a time, dismissing and noting each message box
    the keys raise. `during`, when given, gets the field's text as each box showed it."""
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
            if during is not None:
                during.append(tab.evaluate(f"document.querySelector('{selector}').value"))
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
    title, modal), what the box reads afterwards, and the figures of the limit stored. "all
    honors" is ticked, so that the count is the limit itself."""
    cases = [
        # name, keys, messages expected (text, icon), Text1 after, the limit that counts
        ("500", "500", [], "500", 500),
        ("the bound itself", "65536", [], "65536", 65536),
        ("one above the bound", "65537", [(TOO_HIGH, "stop")], " 65536", 65536),
        ("99999", "99999", [(TOO_HIGH, "stop")], " 65536", 65536),
        ("99999 and another 9", "999999", [(TOO_HIGH, "stop"), (TOO_HIGH, "stop")], " 65536", 65536),
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
        set_boxes(tab, [60])
        during = []
        seen = type_keys(tab, "#Text1", keys, during)
        # The box keeps what was typed until the message is dismissed.
        checks.equal([text_ for text_ in during if text_.strip() == "65536"], [],
                     "the bound written before the message was dismissed")
        checks.equal([(text_, icon) for text_, icon, _, _ in seen], expected, "the messages")
        checks.true(all(title == TITLE and modal for _, _, title, modal in seen),
                    "every message modal with the application's title")
        checks.equal(tab.evaluate("document.getElementById('Text1').value"), text, "Text1")
        if limit == 0:
            checks.equal(captions(tab, "Label37", "Label38"), ("", ""), "no figures")
        else:
            figures = sheet_figures(tab, [60], 0, limit)
            checks.equal(figures["count"], " %d" % limit if limit > 0 else str(limit),
                         "the engine: all honors counts the limit")
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
                                    ".countWorking.map(line => engine.phraseText(line))")),
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




def hand_text(tab):
    return tab.evaluate("document.getElementById('HandText').value")


def tap_palette(tab, mode, tile):
    """Chooses the mode and taps a palette tile, showing its group first where the screen is
    narrow enough to show one group at a time."""
    tab.tap(f"#Mode{mode}")
    group = tab.evaluate(f"document.getElementById('Palette_{tile}').closest('.palette-group')"
                         ".id.replace('PaletteTiles_', '')")
    if tab.evaluate(f"getComputedStyle(document.getElementById('PaletteGroup_{group}')).display"
                    " !== 'none'"):
        tab.tap(f"#PaletteGroup_{group}")
    tab.tap(f"#Palette_{tile}")


def view_of(tab, hand, conditions="{}"):
    return engine(tab, f"engine.handView({json.dumps(hand)}, {conditions})")


@group
def hand_entry(tab, url, checks):
    """A hand entered by touch: what each mode adds, the palette tiles a mode cannot add
    greyed, a tile of the hand taken out by a tap (a declared set whole), text that does not
    read, the conditions, the table limit, and the fills of the sheet and the fan board."""
    cases = [
        # name, the taps (mode, tile), HandText afterwards
        ("tiles", [("Tile", "1m"), ("Tile", "2m"), ("Tile", "3m")], "123m"),
        ("a chow starts on the tile", [("Chow", "5p")], "[567p]"),
        ("a pong", [("Pong", "2z")], "[222z]"),
        ("a kong", [("Kong", "9s")], "[9999s]"),
        ("a concealed kong", [("ConcealedKong", "1p")], "(1111p)"),
        ("the winning tile", [("Winning", "5z")], "+5z"),
        ("a bonus tile in the tile mode", [("Tile", "2f")], "2f"),
        ("a second winning tile replaces the first", [("Winning", "5z"), ("Winning", "6z")], "+6z"),
    ]
    fresh(tab, url)
    screen(tab, "Hand")
    for name, taps, expected in cases:
        checks.case = name
        tab.tap("#ClearHand")
        for mode, tile in taps:
            tap_palette(tab, mode, tile)
        checks.equal(hand_text(tab), expected, "HandText")

    greyed = [
        # name, hand, mode, tile, greyed
        ("a fifth 5p", "5555p", "Tile", "5p", True),
        ("a fourth 5p", "555p", "Tile", "5p", False),
        ("a chow from 8", "", "Chow", "8m", True),
        ("a chow from 7", "", "Chow", "7m", False),
        ("a chow of honours", "", "Chow", "1z", True),
        ("a fifth declared set", "[111m] [222m] [333m] [444m]", "Pong", "5m", True),
        ("a fourth declared set", "[111m] [222m] [333m]", "Pong", "5m", False),
        ("a bonus tile in the chow mode", "", "Chow", "1f", True),
        ("a bonus tile twice", "1f", "Tile", "1f", True),
    ]
    for name, hand, mode, tile, disabled in greyed:
        checks.case = name
        tab.tap("#ClearHand")
        if hand:
            tab.type("#HandText", hand)
        tab.tap(f"#Mode{mode}")
        checks.equal(tab.evaluate(f"document.getElementById('Palette_{tile}').disabled"),
                     disabled, "greyed")

    checks.case = "a tap on the hand takes out a tile, or a declared set whole"
    tab.tap("#ClearHand")
    for mode, tile in [("Tile", "1m"), ("Chow", "5p"), ("Winning", "1m"), ("Tile", "3y")]:
        tap_palette(tab, mode, tile)
    written = hand_text(tab)
    checks.equal(written, "1m [567p] 3y +1m", "the hand as written")
    names = tab.evaluate("[...document.querySelectorAll('#HandTiles .tile')].map(t => "
                         "t.getAttribute('aria-label'))")
    checks.equal(len(names), 6, "six pictures")
    checks.equal(names[1], "Dots 5, exposed chow", "a tile of the chow named")
    tab.tap("#HandTile3")
    checks.equal(hand_text(tab), "1m 3y +1m", "the chow taken out whole")
    tab.tap("#HandTile3")
    checks.equal(hand_text(tab), "1m 3y", "the winning tile taken out")

    checks.case = "text that does not read"
    tab.tap("#ClearHand")
    tab.type("#HandText", "123m")
    shown = tab.evaluate("document.querySelectorAll('#HandTiles .tile').length")
    tab.type("#HandText", " 4x")
    expected = view_of(tab, "123m 4x")
    checks.equal(tab.text("#HandResult"),
                 engine(tab, f"{json.dumps(expected)}.lines.map(l => engine.phraseText(l)).join('\\n')"),
                 "the engine's sentence")
    checks.equal(tab.evaluate("document.querySelectorAll('#HandTiles .tile').length"), shown,
                 "the pictures as they were")
    # A tap on the palette works on the hand the pictures show, and writes it anew.
    seen = messages_while(tab, lambda: tap_palette(tab, "Tile", "5m"))
    checks.equal(seen, [], "no message")
    checks.equal(hand_text(tab), "1235m", "the tile added to the pictures' hand")

    checks.case = "the conditions"
    hand = "222m 888p 777z 9s [111z] 1f 3y +9s"
    tab.tap("#ClearHand")
    tab.type("#HandText", hand)
    for control, conditions in (("SelfDrawn", "{self: true}"), ("LastTile", "{self: true, last: true}"),
                                ("NoFaTable", "{self: true, last: true, nofa: true}")):
        tab.tap(f"#{control}")
        view = view_of(tab, hand, conditions)
        checks.equal(tab.text("#HandResult"),
                     f"Zorvan! Points {view['value']}Your hand is worth {view['count']}Fans {view['fans']}",
                     f"after {control}")
    tab.evaluate("(() => { const s = document.getElementById('SeatWind'); s.value = 'S'; "
                 "s.dispatchEvent(new Event('change')); })()")
    view = view_of(tab, hand, "{seat: 'S', self: true, last: true, nofa: true}")
    checks.equal(tab.text("#HandResult"),
                 f"Zorvan! Points {view['value']}Your hand is worth {view['count']}Fans {view['fans']}",
                 "seat South")

    checks.case = "the table limit is the sheet's"
    tab.type("#HandLimit", "300")
    checks.equal(tab.evaluate("document.getElementById('Text1').value"), "300", "Text1")
    checks.true("table limit 300" in tab.text("#HandReading"), "counted under 300")
    screen(tab, "Sheet")
    erase_keys(tab, "#Text1", 3)
    type_keys(tab, "#Text1", "200")
    screen(tab, "Hand")
    checks.equal(tab.evaluate("document.getElementById('HandLimit').value"), "200",
                 "the sheet's limit shown")

    checks.case = "the fills"
    view = view_of(tab, hand, "{seat: 'S', self: true, last: true, nofa: true, limit: 200}")
    tab.tap("#FillCalculator")
    checks.true(not tab.evaluate("document.getElementById('SheetScreen').hidden"), "the Sheet shown")
    ticked = tab.evaluate("[...document.querySelectorAll('#SheetScreen input:checked')]"
                          ".map(b => Number(b.id.slice(5))).sort((a, b) => a - b)")
    checks.equal(ticked, view["boxes"], "the boxes")
    checks.equal(tab.text("#Label36"), "" if view["flowers"] == 0 else f" {view['flowers']}",
                 "the flowers")
    checks.equal(tab.text("#Label38").strip(), str(view["count"]), "the count")
    screen(tab, "Hand")
    tab.tap("#FillFanCounter")
    pressed = tab.evaluate("[...document.querySelectorAll('#FanBoard [aria-pressed=true]')]"
                           ".map(t => Number(t.id.slice(13)))")
    checks.equal(sorted(pressed), view["fanTiles"], "the tiles")
    boxes = tab.evaluate("[...document.querySelectorAll('#FansScreen input:checked')]"
                         ".map(b => Number(b.id.slice(11))).sort((a, b) => a - b)")
    checks.equal(boxes, sorted(view["fanBoxes"]), "the boxes")
    checks.equal(tab.text("#Form3_Label8").strip(), str(view["fans"]), "the fans")

    checks.case = "a fill whose every step overflows reports it once"
    # Every multiplying box under all honors overflows the sheet; the hand's fill then
    # unticks, counts flowers and ticks through sheets that all overflow.
    fresh(tab, url)
    screen(tab, "Sheet")
    type_keys(tab, "#Text1", "65536")
    set_boxes(tab, range(60, 73))
    screen(tab, "Hand")
    tab.type("#HandText", "(5555z) (6666z) (7777z) (1111z) 1f 2f 3f 4f 1y 2y 3y 4y 2z +2z")
    for control in ("SelfDrawn", "LastTile", "SupplementTile"):
        tab.tap(f"#{control}")
    seen = messages_while(tab, lambda: tab.tap("#FillCalculator"))
    checks.equal(seen, [(OVERFLOW, "stop", TITLE, True)], "one message")


@group
def hand_waits(tab, url, checks):
    """A waiting hand shows its winning tiles with their worth on a discard and self-picked,
    and a tap on one makes it the winning tile; a hand no tile finishes says so."""
    fresh(tab, url)
    screen(tab, "Hand")
    cases = [
        # name, hand, the waits' tiles in order (None: not ready)
        ("two waits", "[123m] [456p] [789s] 22z 55z", ["2z", "5z"]),
        ("one wait", "123m 456p 789s 111z 5z", ["5z"]),
        ("not ready", "1m 3m 5m 7m 9m 1p 3p 5p 7p 9p 1s 3s 5s", None),
    ]
    for name, hand, waits in cases:
        checks.case = name
        tab.tap("#ClearHand")
        tab.type("#HandText", hand)
        view = view_of(tab, hand)
        sentence = engine(tab, f"{json.dumps(view)}.lines.map(l => engine.phraseText(l)).join('\\n')")
        checks.equal(tab.text("#HandResult"), sentence, "the sentence")
        shown = tab.evaluate("[...document.querySelectorAll('#Waits .tile')].map(t => t.id.slice(5))")
        checks.equal(shown, waits or [], "the waits")
        checks.equal(tab.evaluate("document.getElementById('Waits').hidden"), waits is None,
                     "the waits' area hidden")
        for wait in view.get("waits", []):
            value = tab.text(f"#WaitValue_{wait['tile']}")
            checks.equal(value.split("\n"), [str(wait["discard"]["value"]),
                                             str(wait["selfDrawn"]["value"])],
                         f"the worth of {wait['tile']}")
            checks.equal(tab.evaluate(f"document.getElementById('Wait_{wait['tile']}')"
                                      ".getAttribute('aria-label')"),
                         engine(tab, f"engine.phraseText({json.dumps(wait['name'])})"),
                         f"the name of {wait['tile']}")
        if waits:
            tab.tap(f"#Wait_{waits[-1]}")
            checks.true(hand_text(tab).endswith(f"+{waits[-1]}"), "the wait is the winning tile")
            view = view_of(tab, hand_text(tab))
            checks.equal(view["state"], "finished", "finished")
            checks.true(f"Fans {view['fans']}" in tab.text("#HandResult"), "its worth shown")


def zorvan_hand(hand, options):
    """What zorvan-hand --json says, where the build made one (ZORVAN_HAND); else None."""
    program = os.environ.get("ZORVAN_HAND")
    if not program or not os.path.exists(program):
        return None
    found = subprocess.run([program, "--json", *options, hand], capture_output=True, text=True)
    return json.loads(found.stdout)


@group
def hand_link(tab, url, checks):
    """A link of a hand of every notation feature and every condition opens the Hand screen
    with the worth zorvan-hand gives (the engine module's score, the same bytes, where no
    zorvan-hand was built); the Share button gives a link that opens the same."""
    cases = [
        # the hand, the link's conditions, zorvan-hand's options, a worked (count, value, fans)
        ("123m 456p 789s 22z 55z +5z", "", [], (48, 288, 2)),
        ("[222z] 333z [4444z] (5555z) 1m +1m", "&seat=S&round=W", ["--seat", "S", "--round", "W"],
         (2624, None, None)),
        ("222m 888p 777z 9s [111z] 1f 3y +9s", "&seat=S&self=1", ["--seat", "S", "--self-drawn"],
         (192, 768, 6)),
        ("7899m567p345s [345s] +6m", "&seat=E&round=N", ["--seat", "E", "--round", "N"],
         (40, 240, 2)),
        ("123m 456p [789s] (2222z) 5z +5z", "&self=1&supplement=1&limit=100",
         ["--self-drawn", "--supplement", "--limit", "100"], None),
        ("123m 456p 789s 222z 5z +5z", "&robbing=1&nofa=1&limit=1000", ["--robbing-kong",
                                                                       "--no-fa-table", "--limit", "1000"], None),
        ("111m 999m 111p 999s 1z +1z", "&last=1&self=1&round=S", ["--last-tile", "--self-drawn",
                                                                  "--round", "S"], None),
        ("1f2f3f4f1y2y3y4y 123m 456m 789m 11p 22p +2p", "&seat=N", ["--seat", "N"], None),
    ]
    fresh(tab, url)
    for hand, link, options, worked in cases:
        checks.case = hand + link
        fragment = "#hand=" + urllib.parse.quote(hand, safe="") + link
        tab.open("about:blank", ready=False)  # a visit of its own, no limit typed before
        tab.open(url + fragment)
        checks.true(not tab.evaluate("document.getElementById('HandScreen').hidden"),
                    "the Hand screen")
        checks.equal(hand_text(tab), hand, "the hand as linked")
        expected = zorvan_hand(hand, options)
        if expected is None:
            # The module answers as zorvan-hand --json does (checked byte for byte apart).
            conditions = engine(tab, f"engine.readLink({json.dumps(fragment)}).conditions")
            expected = engine(tab, f"engine.score({json.dumps(hand)}, {json.dumps(conditions)})")
        figures = (expected["count"], expected["value"], expected["fans"])
        if worked:
            checks.equal(tuple(w if w is not None else f for w, f in zip(worked, figures)),
                         figures, "zorvan-hand against the worked example")
        checks.equal(tab.text("#HandResult"),
                     f"Zorvan! Points {figures[1]}Your hand is worth {figures[0]}Fans {figures[2]}",
                     "the worth")
        tab.call("Browser.grantPermissions", permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        tab.tap("#ShareHand")
        shared = tab.evaluate("location.href")
        if not tab.evaluate("'share' in navigator"):
            # No share sheet in this browser: the link is copied, and the page says so.
            checks.equal(tab.evaluate("navigator.clipboard.readText()"), shared, "the link copied")
            checks.equal(tab.text("#ShareNote"), "The link to this hand is copied.", "the note")
        tab.open("about:blank", ready=False)
        tab.open(shared)
        checks.equal(tab.text("#HandResult"),
                     f"Zorvan! Points {figures[1]}Your hand is worth {figures[0]}Fans {figures[2]}",
                     "the shared link's worth")

    checks.case = "a link without a hand's worth"
    tab.open(url + "#hand=123m%20xyz")
    checks.true("123m xyz" == hand_text(tab), "the text as linked")
    checks.equal(tab.text("#HandResult"), engine(
        tab, "engine.handView('123m xyz', {}).lines.map(l => engine.phraseText(l)).join('\\n')"),
        "the engine's sentence")


@group
def practice(tab, url, checks):
    """A dealt hand counted: the verdict the engine gives for each answer, the tally, the
    answer shown, the next hand, and the sheet and the board filled once the answer is out."""
    fresh(tab, url)
    screen(tab, "Practice")
    checks.case = "the levels"
    checks.equal(tab.evaluate("[...document.getElementById('PracticeLevel').options]"
                              ".map(o => o.textContent)"),
                 ["Sets and pair", "With doubles", "Everything"], "the levels")

    def deal():
        seed, level = tab.evaluate("[document.getElementById('PracticeScreen').dataset.seed, "
                                   "document.getElementById('PracticeScreen').dataset.level]")
        return engine(tab, f"engine.practice({seed}, {level}, 500)"), seed, level

    def verdict_of(seed, level, count, fans):
        return engine(tab, f"engine.judge({seed}, {level}, 500, {{count: {json.dumps(count)}, "
                           f"fans: {json.dumps(fans)}}}).lines.map(l => engine.phraseText(l))"
                           ".join('\\n')")

    dealt, seed, level = deal()
    checks.case = "the deal shown"
    checks.equal(tab.text("#PracticeHand"), dealt["hand"], "the notation")
    checks.equal(tab.evaluate("document.querySelectorAll('#PracticeTiles .tile').length"),
                 len(dealt["pictures"]), "the pictures")
    checks.equal(tab.evaluate("document.getElementById('PracticeShowSheet').disabled"), True,
                 "the sheet would give the answer away")

    answers = [
        # name, count typed, fans typed, the tally afterwards
        ("nothing typed", "", "", "0 of 0 right, 0 in a row"),
        ("a count that is not a number", "abc", "", "0 of 0 right, 0 in a row"),
        ("the right count", str(dealt["count"]), "", "1 of 1 right, 1 in a row"),
        ("a wrong count later leaves the tally", str(dealt["count"] + 2), "", "1 of 1 right, 1 in a row"),
    ]
    for name, count, fans, tally in answers:
        checks.case = name
        tab.evaluate("document.getElementById('PracticeCount').value = ''")
        if count:
            tab.type("#PracticeCount", count)
        tab.tap("#PracticeCheck")
        checks.true(tab.text("#PracticeVerdict").startswith(verdict_of(seed, level, count, fans)),
                    "the engine's verdict")
        checks.equal(tab.text("#PracticeTally"), tally, "the tally")
    checks.equal(tab.evaluate("document.getElementById('PracticeShowSheet').disabled"), False,
                 "the sheet once the answer is out")

    checks.case = "the next hand, answered wrong"
    tab.tap("#PracticeNext")
    dealt, seed, level = deal()
    checks.equal(tab.evaluate("document.getElementById('PracticeCount').value"), "", "emptied")
    tab.type("#PracticeCount", str(dealt["count"] + 1))
    tab.type("#PracticeFans", str(dealt["fans"]))
    tab.tap("#PracticeCheck")
    checks.true(tab.text("#PracticeVerdict").startswith(
        verdict_of(seed, level, str(dealt["count"] + 1), str(dealt["fans"]))), "the verdict")
    checks.equal(tab.text("#PracticeTally"), "1 of 2 right, 0 in a row", "the tally")

    checks.case = "the answer shown first"
    tab.tap("#PracticeNext")
    dealt, seed, level = deal()
    tab.tap("#PracticeReveal")
    checks.true(engine(tab, f"engine.phraseText({json.dumps(dealt['working']['count'][0])})")
                in tab.text("#PracticeVerdict"), "the working")
    checks.equal(tab.text("#PracticeTally"), "1 of 3 right, 0 in a row", "given up")
    tab.tap("#PracticeShowSheet")
    ticked = tab.evaluate("[...document.querySelectorAll('#SheetScreen input:checked')]"
                          ".map(b => Number(b.id.slice(5))).sort((a, b) => a - b)")
    checks.equal(ticked, dealt["boxes"], "the sheet filled")

    checks.case = "a level chosen deals at that level"
    screen(tab, "Practice")
    tab.evaluate("(() => { const s = document.getElementById('PracticeLevel'); s.value = '1'; "
                 "s.dispatchEvent(new Event('change')); })()")
    dealt, seed, level = deal()
    checks.equal(level, "1", "the level")
    checks.equal([n for n in dealt["boxes"] if n >= 54], [], "nothing of the right-hand column")

# The sizes phones and tablets show the page at, upright; each is checked on its side too.
SIZES = [(320, 568), (360, 640), (390, 844), (768, 1024)]
SCREENS = ["Hand", "Sheet", "Fans", "Practice"]
CONTROLS = ("button, input, select, summary, a[href], [role=tab], [role=button]")

MEASURE = """(() => {
    const view = document.documentElement.clientWidth;
    const visible = element => element.getClientRects().length &&
        getComputedStyle(element).visibility !== "hidden" && !element.closest(".visually-hidden");
    const small = [...document.querySelectorAll(%s)].filter(visible).map(element => {
        const r = element.getBoundingClientRect();
        return [element.id || element.tagName, Math.round(r.width * 10) / 10,
                Math.round(r.height * 10) / 10];
    }).filter(([, w, h]) => w < 44 || h < 44);
    const cut = [...document.querySelectorAll("body *")].filter(visible).filter(element => {
        const r = element.getBoundingClientRect();
        return r.width > 0 && (r.right > view + 0.5 || r.left < -0.5);
    }).map(element => element.id || element.className || element.tagName);
    return {page: document.documentElement.scrollWidth, view, small, cut: cut.slice(0, 8)};
})()""" % json.dumps(CONTROLS)


def fill_screens(tab, url):
    """Every screen with something on it: a hand and its result, figures, a board, a verdict."""
    screen(tab, "Sheet")
    type_keys(tab, "#Text1", "500")
    set_boxes(tab, [2, 38, 61])
    tab.tap("#Command5")
    screen(tab, "Fans")
    for picture in (1, 5, 9, 16):
        tab.tap(f"#Form3_Picture{picture}")
    screen(tab, "Hand")
    tab.type("#HandText", "[222z] 333z [4444z] (5555z) 1m +1m")
    screen(tab, "Practice")
    tab.type("#PracticeCount", "1")
    tab.tap("#PracticeCheck")


@group
def layout(tab, url, checks):
    """At every size, upright and on its side, and with the text at 200 %: no sideways
    scrolling, nothing cut off at the sides, every control at least 44 x 44 CSS pixels.
    Follows the system's dark mode."""
    fresh(tab, url)
    fill_screens(tab, url)
    for text_size in (16, 32):
        tab.call("Page.setFontSizes", fontSizes={"standard": text_size, "fixed": text_size * 13 // 16})
        for width, height in SIZES + [(h, w) for w, h in SIZES]:
            tab.as_phone(width, height)
            tab.settle()
            for name in SCREENS:
                checks.case = f"{width} x {height}, text {text_size * 100 // 16} %, {name}"
                screen(tab, name)
                if text_size == 32:
                    checks.equal(tab.evaluate("getComputedStyle(document.body).fontSize"),
                                 "32px", "the text at 200 %")
                found = tab.evaluate(MEASURE)
                checks.true(found["page"] <= found["view"],
                            f"no sideways scrolling: the page is {found['page']} wide")
                checks.equal(found["cut"], [], "nothing cut off at the sides")
                checks.equal(found["small"], [], "controls under 44 x 44")

    tab.call("Page.setFontSizes", fontSizes={"standard": 16, "fixed": 13})
    tab.as_phone(360, 640)
    colours = """(() => {
        const parse = text => text.match(/[\\d.]+/g).slice(0, 3).map(Number);
        const luminance = ([r, g, b]) => [r, g, b].map(c => {
            c /= 255; return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4; })
            .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);
        const contrast = (a, b) => { const [x, y] = [luminance(a), luminance(b)].sort((p, q) => q - p);
            return (x + 0.05) / (y + 0.05); };
        const page = parse(getComputedStyle(document.documentElement).backgroundColor);
        const text = parse(getComputedStyle(document.body).color);
        const button = document.getElementById("Command6");
        return {page: luminance(page), text: contrast(page, text),
                button: contrast(parse(getComputedStyle(button).backgroundColor),
                                 parse(getComputedStyle(button).color))};
    })()"""
    for scheme in ("light", "dark"):
        checks.case = f"{scheme} mode"
        tab.call("Emulation.setEmulatedMedia",
                 features=[{"name": "prefers-color-scheme", "value": scheme}])
        screen(tab, "Sheet")
        found = tab.evaluate(colours)
        checks.true(found["page"] > 0.7 if scheme == "light" else found["page"] < 0.05,
                    f"the page's ground follows the mode (luminance {found['page']:.2f})")
        checks.true(found["text"] >= 7, f"text contrast {found['text']:.1f}, at least 7")
        checks.true(found["button"] >= 4.5, f"button contrast {found['button']:.1f}, at least 4.5")


def accessibility_tree(tab):
    """Each element with an id: its role, name, and states, from the browser's
    accessibility tree."""
    nodes = tab.call("Accessibility.getFullAXTree")["nodes"]
    document = tab.call("DOM.getDocument", depth=-1, pierce=False)["root"]
    ids = {}

    def walk(node):
        attributes = node.get("attributes", [])
        for key, value in zip(attributes[::2], attributes[1::2]):
            if key == "id":
                ids[node["backendNodeId"]] = value
        for child in node.get("children", []):
            walk(child)

    walk(document)
    found = {}
    for node in nodes:
        element = ids.get(node.get("backendDOMNodeId"))
        if element is None or node.get("ignored"):
            continue
        properties = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
        found[element] = {"role": node.get("role", {}).get("value"),
                          "name": node.get("name", {}).get("value", ""), **properties}
    return found


@group
def accessibility(tab, url, checks):
    """Every control named for a screen reader, on the browser's accessibility tree: tiles by
    their face, the sheet's boxes by their row, the result a live region that changes with
    it, the message box a modal dialog named by its title."""
    fresh(tab, url)
    tab.call("Accessibility.enable")
    tab.call("DOM.enable")
    controls = ("button", "checkbox", "textbox", "combobox", "tab", "radio", "link",
                "DisclosureTriangle")
    for name in SCREENS:
        checks.case = f"the {name} screen"
        screen(tab, name)
        tree = accessibility_tree(tab)
        shown = tab.evaluate(f"[...document.querySelectorAll({json.dumps(CONTROLS)})]"
                             ".filter(e => e.getClientRects().length && e.id).map(e => e.id)")
        unnamed = [element for element in shown
                   if element in tree and not tree[element]["name"].strip()]
        checks.equal(unnamed, [], "controls without a name")
        checks.equal([element for element in shown if element not in tree], [],
                     "controls missing from the tree")
        checks.equal([element for element in shown
                      if element in tree and tree[element]["role"] not in controls], [],
                     "controls without a control's role")

    checks.case = "names"
    tab.as_phone(768, 1024)  # wide enough for the whole palette at once
    screen(tab, "Hand")
    tree = accessibility_tree(tab)
    for element, role, name in (
            ("Palette_5m", "button", "Characters 5"), ("Palette_9p", "button", "Dots 9"),
            ("Palette_1s", "button", "Bamboo 1"), ("Palette_1z", "button", "East wind"),
            ("Palette_7z", "button", "Red dragon"), ("Palette_2f", "button", "Flower 2"),
            ("Palette_4y", "button", "Season 4"), ("TabSheet", "tab", "Sheet"),
            ("HandText", "textbox", "Hand"), ("SeatWind", "combobox", "Seat wind"),
            ("SelfDrawn", "checkbox", "Self-picked"), ("ModeChow", "radio", "Chow")):
        checks.equal((tree.get(element, {}).get("role"), tree.get(element, {}).get("name")),
                     (role, name), element)
    screen(tab, "Sheet")
    tree = accessibility_tree(tab)
    for element, role, name in (
            ("Check1", "checkbox", "Check when East"),
            ("Check2", "checkbox", "open pong 2-8, set 1 of 4"),
            ("Check49", "checkbox", "closed kong honor, set 4 of 4"),
            ("Check50", "checkbox", "pair of dragons/prev./seatwind"),
            ("Check62", "checkbox", "FA from own seat, 2 of 2"),
            ("Command1", "button", "Hint on closed pong honor"),
            ("Command4", "button", "One flower or season less"),
            ("Text1", "textbox", "Table limit")):
        checks.equal((tree.get(element, {}).get("role"), tree.get(element, {}).get("name")),
                     (role, name), element)
    screen(tab, "Fans")
    tab.tap("#Form3_Picture1")
    tree = accessibility_tree(tab)
    checks.equal((tree["Form3_Picture1"]["name"], tree["Form3_Picture1"].get("pressed")),
                 ("Prevailing wind: East, selected", "true"), "a selected tile")
    checks.equal((tree["Form3_Picture2"]["name"], tree["Form3_Picture2"].get("pressed")),
                 ("Prevailing wind: South, not selected", "false"), "a tile not selected")

    checks.case = "the result announced"
    for name, region, action in (
            ("Sheet", "SheetAnnouncer", lambda: type_keys(tab, "#Text1", "500")),
            ("Fans", "FanAnnouncer", lambda: tab.tap("#Form3_Picture13")),
            ("Hand", "HandResult", lambda: tab.type("#HandText", "123m 456p 789s 22z 55z +5z"))):
        screen(tab, name)
        before = tab.text("#" + region)
        action()
        tree = accessibility_tree(tab)
        checks.equal(tree.get(region, {}).get("live"), "polite", f"{region} is a live region")
        checks.true(tab.text("#" + region) != before, f"{region} changed with the result")

    checks.case = "the message box"
    screen(tab, "Sheet")
    tab.tap("#Command3")
    tree = accessibility_tree(tab)
    box = tree.get("MessageBox", {})
    checks.equal((box.get("role"), box.get("name"), box.get("modal")),
                 ("dialog", TITLE, True), "a modal dialog named by the title")
    checks.equal(tree.get("MessageIcon", {}).get("name"), "Warning", "the icon's meaning")
    tab.dismiss()


@group
def languages(tab, url, checks):
    """English, Dutch and German from the program's catalogues: the browser's language first,
    a choice remembered; the engine's sentences and the page's own texts translated, none left
    in English."""
    cases = [
        # browser language, chosen (None: none), Label1, TabSheet, the message of "99999"
        ("en-GB", None, "Table limit", "Sheet", TOO_HIGH),
        ("nl-NL", None, "Tafellimiet", "Blad", None),
        ("de-DE", None, "Tischlimit", "Blatt", None),
        ("fr-FR", None, "Table limit", "Sheet", TOO_HIGH),
        ("nl-NL", "de", "Tischlimit", "Blatt", None),
        ("de-DE", "en", "Table limit", "Sheet", TOO_HIGH),
    ]
    for browser_language, chosen, limit_caption, tab_caption, message in cases:
        checks.case = f"browser {browser_language}, chosen {chosen}"
        tab.call("Emulation.setUserAgentOverride", userAgent="Mozilla/5.0 (Linux; Android 14) "
                 "AppleWebKit/537.36 (KHTML, like Gecko) Chrome/120.0 Mobile Safari/537.36",
                 acceptLanguage=browser_language)
        tab.open(url)
        tab.evaluate("localStorage.clear()")
        tab.reload()
        if chosen:
            tab.evaluate(f"(() => {{ const s = document.getElementById('Language'); "
                         f"s.value = '{chosen}'; s.dispatchEvent(new Event('change')); }})()")
            tab.wait_for(f"document.documentElement.lang === '{chosen}'", 10, "the language")
            tab.reload()
        expected = chosen or browser_language[:2]
        expected = expected if expected in ("en", "nl", "de") else "en"
        checks.equal(tab.evaluate("document.documentElement.lang"), expected, "the language")
        checks.equal(tab.evaluate("document.getElementById('Language').value"), expected,
                     "the choice shown")
        checks.equal((tab.text("#Label1"), tab.text("#TabSheet")), (limit_caption, tab_caption),
                     "captions")
        screen(tab, "Sheet")
        seen = type_keys(tab, "#Text1", "99999")
        checks.equal(len(seen), 1, "one message")
        if message:
            checks.equal(seen[0][0], message, "the message in English")
        else:
            checks.true(seen[0][0] != TOO_HIGH and seen[0][0], "the message translated")

    for language in ("nl", "de"):
        checks.case = f"every text in {language}"
        tab.open(url)
        tab.evaluate(f"localStorage.setItem('zorvan-language', '{language}')")
        tab.reload()
        fill_screens(tab, url)
        screen(tab, "Sheet")
        messages_while(tab, lambda: tab.tap("#Command1"))
        screen(tab, "Fans")
        messages_while(tab, lambda: tab.tap("#Form3_Check6"))
        messages_while(tab, lambda: tab.tap("#Form3_Command2"))
        screen(tab, "Hand")
        tab.type("#HandText", "x")
        missing = tab.evaluate("(async () => [...(await import('./i18n.js')).untranslated])()")
        checks.equal(missing, [], "texts left in English")


# The Qt program's page, as the build copied it (else the source's).
WEB_PAGE = Path(os.environ.get("ZORVAN_QT_PAGE") or
                Path(__file__).resolve().parents[2] / "resources" / "web" / "index.html.in")


def qt_site(page_site, folder):
    """The Qt program's site with the phone page in phone/: the Qt page as it is packed, the
    program's two files standing in as files of the right names."""
    html = WEB_PAGE.read_text(encoding="utf-8").replace("@ZORVAN_WASM_BYTES@", "1000")
    (folder / "index.html").write_text(html, encoding="utf-8")
    (folder / "zorvan-calculator.js").write_text("// stands in for the program\n")
    (folder / "zorvan-calculator.wasm").write_bytes(b"\0asm")
    (folder / "service-worker.js").write_text("// the program's offline copy\n")
    (folder / "manifest.webmanifest").write_text("{}\n")
    shutil.copytree(page_site, folder / "phone")
    # As the web build packs it: offering the program one folder up.
    page = folder / "phone" / "index.html"
    page.write_text(page.read_text(encoding="utf-8").replace(
        '<html lang="en">', '<html lang="en" data-desktop-site="yes">', 1), encoding="utf-8")


@group
def offline(tab, url, checks):
    """The Qt site sends phones and narrow pages to the phone page with the link's hand, each
    page offers the other and the choice is remembered; the phone page never asks for the Qt
    program's files, is installable, and works offline once loaded."""
    site_dir = Path(sys.argv[1])
    with tempfile.TemporaryDirectory() as scratch:
        qt_site(site_dir, Path(scratch))
        site = Site(scratch)
        try:
            cases = [
                # name, phone (touch), width, remembered, lands on
                ("a phone", True, 390, None, "/phone/"),
                ("a narrow page with a mouse", False, 600, None, "/phone/"),
                ("a wide page with a mouse", False, 1366, None, "/"),
                ("a tablet", True, 1024, None, "/phone/"),
                ("a phone that chose the desktop page", True, 390, "desktop", "/"),
                ("a wide page that chose the phone page", False, 1366, "phone", "/phone/"),
            ]
            for name, phone, width, remembered, lands in cases:
                checks.case = name
                tab.call("Emulation.setDeviceMetricsOverride", width=width, height=800,
                         deviceScaleFactor=1, mobile=phone)
                tab.call("Emulation.setTouchEmulationEnabled", enabled=phone, maxTouchPoints=5)
                tab.open(site.url + "favicon.ico", ready=False)
                tab.evaluate("localStorage.clear()" + (f", localStorage.setItem('zorvan-site', '{remembered}')" if remembered else ""))
                site.requested.clear()
                tab.open(site.url + "#hand=123m456p789s2255z%2B5z&seat=S", ready=False)
                tab.wait_for(f"location.pathname === '{lands}' && document.readyState === 'complete'", 20, f"the page at {lands}")
                checks.equal(tab.evaluate("location.hash"), "#hand=123m456p789s2255z%2B5z&seat=S", "the hand kept")
                program = {"/zorvan-calculator.js", "/zorvan-calculator.wasm", "/service-worker.js"}
                if lands == "/phone/":
                    tab.wait_ready()
                    checks.equal(sorted(program & set(site.requested)), [],
                                 "the program's files asked for")
                else:
                    tab.wait_for("performance.getEntriesByType('resource').some(e => "
                                 "e.name.endsWith('zorvan-calculator.js'))", 10, "the program")

            checks.case = "the choice made on each page"
            tab.as_phone(390, 844)
            tab.open(site.url + "phone/")
            tab.evaluate("localStorage.clear()")
            checks.true(tab.evaluate("!document.getElementById('DesktopLink').hidden"), "the link shown")
            tab.tap("#DesktopLink", navigates=True)
            tab.wait_for("location.pathname === '/'", 10, "the Qt page")
            checks.equal(tab.evaluate("localStorage.getItem('zorvan-site')"), "desktop", "remembered")
            tab.call("Emulation.setDeviceMetricsOverride", width=1366, height=800, deviceScaleFactor=1, mobile=False)
            tab.call("Emulation.setTouchEmulationEnabled", enabled=False, maxTouchPoints=1)
            tab.open(site.url, ready=False)
            tab.wait_for("!!document.getElementById('phone-link')", 10, "the Qt page's link")
            tab.evaluate("document.getElementById('phone-link').click()")
            tab.wait_for("location.pathname === '/phone/'", 10, "the phone page")
            checks.equal(tab.evaluate("localStorage.getItem('zorvan-site')"), "phone", "remembered")
        finally:
            site.stop()

    checks.case = "installable and offline"
    site = Site(str(site_dir))
    try:
        tab.as_phone(360, 640)
        tab.open(site.url)
        tab.evaluate("navigator.serviceWorker.ready.then(() => true)")
        tab.reload()
        tab.wait_for("navigator.serviceWorker.controller !== null", 20, "the offline copy")
        errors = tab.call("Page.getInstallabilityErrors").get("installabilityErrors")
        checks.equal(errors, [], "installability errors")
        manifest = json.loads(tab.call("Page.getAppManifest")["data"])
        checks.equal(sorted(icon["sizes"] for icon in manifest["icons"]), ["192x192", "512x512"], "the icons")
        kept = tab.evaluate("caches.keys().then(names => Promise.all(names.map(name => caches.open(name)"
                            ".then(cache => cache.keys())))).then(lists => lists.flat().map(r => new URL(r.url).pathname))")
        # The worker's own script the browser keeps apart.
        files = sorted(p.name for p in site_dir.iterdir()
                       if not p.name.endswith((".gz", ".br")) and p.name != "service-worker.js")
        checks.equal(sorted(path.lstrip("/") for path in kept if path != "/"), files, "the offline copy keeps every file")
    finally:
        site.stop()
    tab.reload()
    screen(tab, "Sheet")
    type_keys(tab, "#Text1", "500")
    set_boxes(tab, [2])
    checks.equal(captions(tab, "Label37", "Label38"), (" 88", " 22"), "counts offline")
    tab.open(site.url + "#hand=123m456p789s2255z%2B5z")
    checks.true(tab.text("#HandResult"), "a hand's link offline")


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

"""The Hand screen: a hand entered by touch, its waits, a hand in a link (what to throw in
throwstests.py)."""

import json
import os
import subprocess
import urllib.parse

from pagecheck import (
    OVERFLOW, TITLE, engine, erase_keys, fresh, group, messages_while, screen, set_boxes,
    type_keys,
)


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

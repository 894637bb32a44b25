"""The Sheet screen: the table limit typed key by key, every box, the buttons."""

from pagecheck import (
    HONOR_HINT, OVERFLOW, TITLE, TOO_HIGH, TYPO, WORTHLESS_HINT, captions, engine, erase_keys,
    fresh, group, messages_while, screen, set_boxes, sheet_figures, type_keys,
)


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

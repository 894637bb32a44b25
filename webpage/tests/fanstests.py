"""The Fans screen: the fan counter's worked examples, tapped on the board."""

from pagecheck import (
    MAXIMUM, SUPPLEMENT_HINT, TITLE, fresh, group, messages_while, screen,
)


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

"""The Practice screen: a dealt hand counted and judged."""

import json

from pagecheck import (
    engine, fresh, group, screen,
)


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

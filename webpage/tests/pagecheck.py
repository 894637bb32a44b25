"""What the phone page's tests share: the groups by name, the checks that collect failures,
the texts the windows show, and the helpers that drive the page by touch."""

import json

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

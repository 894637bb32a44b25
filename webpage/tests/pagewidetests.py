"""The page as a whole: its layout at every size, its accessibility tree, its languages, and
the way between the Qt site and the phone page, offline."""

import json
import os
import shutil
import sys
import tempfile
from pathlib import Path

from browser import Site
from pagecheck import (
    TITLE, TOO_HIGH, captions, fresh, group, messages_while, screen, set_boxes, type_keys,
)


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
        # What to throw: a complete hand, throws waiting, one and two tiles away.
        for hand in ("[111z] 5555p 46p 123m 77z", "123m 456p 789s 22z 5z 1z 9m"):
            tab.tap("#ClearHand")
            tab.type("#HandText", hand)
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

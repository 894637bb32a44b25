"""The Hand screen's throws: what to throw from 14 tiles, as zorvan-hand --discards gives it."""

import json

from handtests import hand_text, zorvan_hand
from pagecheck import engine, fresh, group, screen


def best_value(waits):
    """The value on a discard of the wait a throw is ranked by: the highest, an overflow below
    every count, the first among equals; "overflow" where that is all there is."""
    best = None
    for wait in waits or []:
        worth = wait["discard"]
        rank = -1 if worth["overflow"] else worth["value"]
        if best is None or rank > best[0]:
            best = (rank, "overflow" if worth["overflow"] else str(worth["value"]))
    return best and best[1]


def throws_shown(tab):
    """Each throw's row as the page shows it: its id, its parts, its size and its name."""
    return tab.evaluate("""[...document.querySelectorAll('#Throws > button')].map(row => {
        const r = row.getBoundingClientRect();
        const part = name => row.querySelector('.' + name)?.textContent ?? null;
        return {tile: row.id.replace('Throw_', ''), away: part('away'),
                accepts: [...row.querySelectorAll('.accept')].map(a =>
                    [a.querySelector('.tile').dataset.face, a.querySelector('.left').textContent]),
                accepted: part('accepted'), worth: part('worth'),
                best: row.classList.contains('best'),
                width: r.width, height: r.height, name: row.getAttribute('aria-label')};
    })""")


@group
def hand_throws(tab, url, checks):
    """14 tiles without a winning tile show what to throw, best first, as zorvan-hand
    --discards gives it (the engine module's answer where no zorvan-hand was built): each
    throw's tiles away, accepted faces with their copies left and the total, a waiting throw's
    best value; each row a button of 44 x 44 named in one sentence; a tap throws the tile and
    leaves the 13 tiles with their waits."""
    fresh(tab, url)
    screen(tab, "Hand")
    images = {tile["tile"]: tile["image"] for tile in engine(tab, 'engine.palette("", "tile")')}
    names = {tile["tile"]: engine(tab, f"engine.phraseText({json.dumps(tile['name'])})")
             for tile in engine(tab, 'engine.palette("", "tile")')}
    away_words = {0: "waiting", 1: "1 tile away"}
    cases = [
        # name, hand, seat, the best throw worked out: (tile, away, accepts, total, value)
        ("the best throw waits", "[123m] [456p] 789s 22z 55z 1z", "E",
         ("1z", "waiting", [("south", "2"), ("white", "2")], "= 4", "288")),
        ("seated South, equal waits", "[123m] [456p] 789s 22z 55z 1z", "S",
         ("1z", "waiting", [("south", "2"), ("white", "2")], "= 4", "208")),
        ("one tile away", "123m 456p 789s 22z 5z 1z 9m", "E",
         ("1z", "1 tile away", [("7m", "4"), ("8m", "4"), ("9m", "3"), ("south", "2"),
                                ("white", "3")], "= 16", None)),
        ("two tiles away", "123m 456p 789s 25z 1z 9m 9p", "E",
         ("1z", "2 tiles away", [("7m", "4"), ("8m", "4"), ("9m", "3"), ("7p", "4"),
                                 ("8p", "4"), ("9p", "3"), ("south", "3"), ("white", "3")],
          "= 28", None)),
        ("complete, the last copy of a wait held", "[111z] 5555p 46p 123m 77z", "E",
         ("1m", "waiting", [("1m", "3"), ("4m", "4")], "= 7", "180")),
    ]
    for name, hand, seat, worked in cases:
        checks.case = name
        tab.evaluate(f"(s => {{ s.value = {json.dumps(seat)}; "
                     "s.dispatchEvent(new Event('change')); })"
                     "(document.getElementById('SeatWind'))")
        tab.tap("#ClearHand")
        tab.type("#HandText", hand)
        expected = zorvan_hand(hand, ["--discards", "--seat", seat]) or engine(
            tab, f"engine.discards({json.dumps(hand)}, {{seat: {json.dumps(seat)}}})")
        shown = throws_shown(tab)
        checks.equal([row["tile"] for row in shown], [d["tile"] for d in expected["discards"]],
                     "the throws, best first")
        first = shown[0] if shown else {}
        checks.equal((first.get("tile"), first.get("away"),
                      [tuple(a) for a in first.get("accepts", [])], first.get("accepted"),
                      first.get("worth")), worked, "the best throw worked out")
        checks.equal([row["best"] for row in shown], [True] + [False] * (len(shown) - 1),
                     "the best marked, once")
        for row, throw in zip(shown, expected["discards"]):
            away = away_words.get(throw["away"], f"{throw['away']} tiles away")
            checks.equal((row["away"], row["accepts"], row["accepted"], row["worth"]),
                         (away, [[images[a["tile"]], str(a["left"])] for a in throw["accepts"]],
                          f"= {throw['accepted']}", best_value(throw.get("waits"))),
                         f"the throw of {throw['tile']}")
            checks.true(row["width"] >= 44 and row["height"] >= 44,
                        f"the throw of {throw['tile']} at least 44 x 44: "
                        f"{row['width']} x {row['height']}")
            checks.true(row["name"].startswith(f"{'Best throw, ' if row['best'] else 'Throw '}"
                                               f"{names[throw['tile']]}: {away}, accepting ")
                        and row["name"].endswith(".") and "%" not in row["name"],
                        f"the throw of {throw['tile']} named in one sentence: {row['name']}")
        complete = "four sets and a pair already" in tab.text("#HandResult")
        checks.equal(complete, expected["complete"], "said to be complete")

    # Seated South, South wind is worth as much as White dragon: the first is named.
    for seat, wait, value in (("E", "White dragon", 288), ("S", "South wind", 208)):
        checks.case = f"the sentence of a waiting throw, seated {seat}"
        tab.evaluate(f"(s => {{ s.value = '{seat}'; s.dispatchEvent(new Event('change')); }})"
                     "(document.getElementById('SeatWind'))")
        tab.tap("#ClearHand")
        tab.type("#HandText", "[123m] [456p] 789s 22z 55z 1z")
        checks.equal((throws_shown(tab) or [{}])[0].get("name"),
                     "Best throw, East wind: waiting, accepting South wind (2 left), White dragon "
                     f"(2 left); 4 tiles left in all; the best wait, {wait}, is worth {value} on "
                     "a discard.", "read as one sentence")

    checks.case = "a tap throws the tile"
    tab.tap("#Throw_1z")
    checks.equal(hand_text(tab), "789s2255z [123m] [456p]", "the 13 tiles left")
    checks.equal(tab.evaluate("[...document.querySelectorAll('#Waits .tile')]"
                              ".map(t => t.id.slice(5))"),
                 ["2z", "5z"], "their waits, as for any hand")
    checks.equal(tab.evaluate("document.getElementById('Throws')"), None, "no throws for 13 tiles")

    checks.case = "a throw of a face a declared set holds"
    tab.tap("#ClearHand")
    tab.type("#HandText", "[111z] 1z 23m 456p 789s 99s")
    tab.tap("#Throw_1z")
    checks.true("[111z]" in hand_text(tab) and hand_text(tab).count("1z") == 1,
                f"the concealed tile thrown, the pong kept: {hand_text(tab)}")

    checks.case = "a winning tile: no throws, the sentence why"
    tab.tap("#ClearHand")
    tab.type("#HandText", "[123m] [456p] 789s 22z 55z +1z")
    checks.equal(tab.evaluate("document.getElementById('Throws')"), None, "no throws")
    checks.true(bool(tab.text("#HandResult")), "a sentence")

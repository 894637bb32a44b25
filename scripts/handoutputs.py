#!/usr/bin/env python3
"""Writes tests/handoutputs.txt: what a zorvan-hand program prints for a fixed set of command
lines, which tst_handoutputs then demands of the code byte for byte.

    scripts/handoutputs.py build/cli/zorvan-hand > tests/handoutputs.txt
    scripts/handoutputs.py OTHER/zorvan-hand 1000 > other.txt   # more deals, to compare two

Run it only when an output is meant to change, and read the difference before committing it.
The command lines: every kind of refusal the tests know, finished hands in both output forms,
waiting and not-ready hands, and --help, each with its whole output; then hundreds of deals of
every level, the waiting hands they leave without their winning tile, the same hands one tile
off, and the hands garbled, each with a digest of its output.

The file, one entry a request:
    $ ARG|ARG|...   the arguments; "\\" is written "\\\\", "|" "\\|", a control character "\\xHH"
    ? STATUS        the exit status, then the output line by line, each line's end left off:
    > LINE          a line of standard output
    ! LINE          a line of standard error
    = STATUS DIGEST or, instead of "?" and the lines, the status and the first 16 hex digits
                    of SHA-256 over STATUS "\\n" STDOUT "\\0" STDERR
"""

import hashlib
import random
import subprocess
import sys

PROGRAM = sys.argv[1] if len(sys.argv) > 1 else "build/cli/zorvan-hand"
# Deals per level; more with a second argument, to compare two programs rather than to write
# the test's file.
SEEDS = int(sys.argv[2]) if len(sys.argv) > 2 else 100

DECLARED = "[123m] [456p] [789s] [222z] 5z +5z"
DRAGON_WIN = "123m 456p 789s 22z 55z +5z"
TWO_READINGS = "111222333m 456p 7z +7z"
PONGS_AND_FLOWERS = "222m 888p 777z 9s [111z] 1f 3y +9s"
HONOURS = "111z 555z 666z 22z 77z 1f 2f 3f 4f 1y 2y 3y 4y +7z"
HONOUR_WAITS = "111z 555z 666z 22z 77z 1f 2f 3f 4f 1y 2y 3y 4y"
TWO_WAITS = "[123m] [456p] [789s] 22z 55z"
NOT_READY = "[123m] [456p] [789s] 1z 3z 5z 7z"
# Hands to throw from: the best throw waiting, one and two tiles away; complete already; the
# last copy of a wait held; honours whose waits overflow.
WAITING_THROW = "[123m] [456p] 789s 22z 55z 1z"
ONE_AWAY = "123m 456p 789s 22z 5z 1z 9m"
TWO_AWAY = "123m 456p 789s 25z 1z 9m 9p"
COMPLETE = "123m 456p 789s 234s 55z"
LAST_COPY = "[111z] 5555p 46p 123m 77z"
HONOUR_THROWS = "111z 555z 666z 22z 77z 3z 1f 2f 3f 4f 1y 2y 3y 4y"


def run(arguments):
    done = subprocess.run([PROGRAM, *arguments], capture_output=True, env={"LC_ALL": "C.UTF-8"})
    return done.returncode, done.stdout, done.stderr


def escaped(argument):
    out = []
    for c in argument:
        if c in "\\|":
            out.append("\\" + c)
        elif ord(c) < 0x20 or ord(c) == 0x7F:
            out.append("\\x%02x" % ord(c))
        else:
            out.append(c)
    return "".join(out)


def lines(stream):
    text = stream.decode("utf-8")
    assert text == "" or text.endswith("\n"), text
    assert "\r" not in text, text
    return text.split("\n")[:-1]


def whole(arguments):
    status, out, err = run(arguments)
    entry = ["$ " + "|".join(escaped(a) for a in arguments), "? %d" % status]
    entry += ["> " + line for line in lines(out)]
    entry += ["! " + line for line in lines(err)]
    return entry


def digested(arguments):
    status, out, err = run(arguments)
    lines(out), lines(err)
    digest = hashlib.sha256(b"%d\n" % status + out + b"\0" + err).hexdigest()[:16]
    return ["$ " + "|".join(escaped(a) for a in arguments), "= %d %s" % (status, digest)]


def refusals():
    """Every kind of command line the program refuses, and the spellings it accepts."""
    rows = [
        ["--east", DECLARED], ["-x", DECLARED], ["--seat", "S"], [DECLARED, "East"],
        ["--limit", "0", DECLARED], ["--limit", "65537", DECLARED], ["--limit", "-5", DECLARED],
        ["--limit=+500", DECLARED], ["--limit", "12.5", DECLARED], ["--limit", "5e2", DECLARED],
        ["--limit", " 500", DECLARED], ["--limit=", DECLARED],
        ["--limit", "1234567890123456789012345678901234567890", DECLARED],
        ["--limit", "00000000000000000000065536", DECLARED],
        ["--limit", "00000000000000000000065537", DECLARED],
        [DECLARED, "--limit"], ["--self-drawn=yes", DECLARED], ["--seat", "X", DECLARED],
        ["--seat", "1z", DECLARED], ["--round=Eastern", DECLARED],
        ["--seat", "S", "--seat", "W", DECLARED], ["--limit", "100", "--limit=100", DECLARED],
        ["--level", "1", "--level", "2", "--deal"], ["--deal", "--seed", "1", "--seed", "2"],
        ["33333m 456p 789s 22z +2z"], ["[1235m] 789s 234s 456p 5z +5z"],
        ["123m 456p 789s 234s 55z"], ["--waits", DECLARED], ["--waits", "123m 456p 789s 234s 55z"],
        ["--deal", "--level", "0"], ["--deal", "--level=4"],
        ["--deal", "--level", "03", "--seed", "5"],
        ["--deal", "--seed", "9007199254740992"], ["--deal", "--seed", "9007199254740991"],
        ["--seed", "1", DECLARED], ["--level", "1", DECLARED], ["--deal", "--seat", "S"],
        ["--deal", "--round", "W"], ["--deal", "--self-drawn"], ["--deal", "--last-tile"],
        ["--deal", "--supplement"], ["--deal", "--robbing-kong"], ["--deal", "--no-fa-table"],
        ["--deal", "--waits"], ["--deal", DECLARED], ["--deal", "a", "b"],
        ["1m " * 100], ["1m " * 67], [""], ["   "], ["+"], ["123"], ["5z +5z +5z"],
        ["[123m"], ["123m]"], ["(1112p) 5z +5z"], ["+1f"], ["+55z"], ["1m 1m 1f 1f"],
        ["123m 456p 789s 234s 5z +5z é"], ["123m 456p 789s 234s 5z +5z \x01"],
        ["123m 456p 789s 234s 5z +5z \x7f"], ['"'], ["\\"], ["|"], ["[1m2m3m4m5m] +1m"],
        ["[1f1f1f] +1m"], ["8z +8z"], ["0m +1m"],
        ["--seat", '"\\\x01\x1f\x7f', DECLARED], ["--seat", "é𝄞🀄ꙮ", DECLARED],
        ["--seat", "a" * 23 + "🀄x", DECLARED], ["--seat", "a" * 24 + "🀄x", DECLARED],
        ["--seat", "a" * 22 + "🀄x", DECLARED], ["--seat", "a" * 24, DECLARED],
        ["--seat", "a" * 25, DECLARED], ["--round", "ｅ", DECLARED], ["－－json", DECLARED],
        ["--", "--json", DECLARED], ["--json", "--", "--seat", DECLARED], ["--", DECLARED],
        ["--limit", "0", "--", "--json", DECLARED],
        ["--j", DECLARED], ["--js0n", DECLARED], ["-", DECLARED], ["---json", DECLARED],
        ["--seat", "", DECLARED], ["--seat=", DECLARED], ["-seat", "north", DECLARED],
        ["--seat", "SOUTH", "--round", "w", DECLARED], ["-jsonx", DECLARED], ["-h", "-x"],
        ["--discards", DECLARED], ["--discards", "123m 456p 789s 234s 5z"],
        ["--discards", "123m 456p 789s 2s"], ["--discards", "123m 456p 789s 234s 55z 5z"],
        ["--discards", "123m 456p 789s 234s 55z 5z 6z"], ["--discards", "11111m 456p 789s 234s"],
        ["--discards", "[1235m] 789s 234s 456p 55z"], ["--discards", "1m 1m 1f 1f"],
        ["--discards", "--waits", TWO_WAITS], ["--waits", "--discards", COMPLETE],
        ["--deal", "--discards"], ["--discards"], ["--discards", "--seat", "X", COMPLETE],
        ["--discards", "--limit", "0", COMPLETE],
    ]
    entries = []
    for row in rows:
        entries += whole(row)
        entries += whole(["--json", *row])
    return entries


def outputs():
    """Finished hands, waits and deals with their whole output."""
    rows = [
        [DECLARED], ["--seat", "S", DECLARED], ["--round", "S", DECLARED],
        ["--limit", "25", DECLARED], ["--self-drawn", DECLARED], ["--last-tile", DECLARED],
        ["--supplement", DECLARED], ["--robbing-kong", DECLARED], ["--no-fa-table", DECLARED],
        [DRAGON_WIN], ["--self-drawn", DRAGON_WIN], [TWO_READINGS],
        ["--seat", "S", "--self-drawn", PONGS_AND_FLOWERS],
        ["--limit", "65536", "--self-drawn", HONOURS],
        ["--limit", "65536", "--self-drawn", "--last-tile", HONOURS],
        ["--seat=N", "--round", "w", "--self-drawn", "--last-tile", "--supplement",
         "--robbing-kong", "--no-fa-table", "--limit", "100", DRAGON_WIN],
        ["111999m 111999p 11s +1s"], ["(1111z) (2222z) (3333z) (4444z) 5z +5z"],
        ["--round", "W", "--limit", "65536", "(1111z) (2222z) (3333z) (4444z) 5z +5z"],
        ["--limit", "1", "11122233344455m +5m"], ["11122233344455m +5m"],
        ["--waits", TWO_WAITS], ["--waits", "--self-drawn", TWO_WAITS],
        ["--waits", "--limit", "100", "--seat", "S", TWO_WAITS],
        ["--waits", "--limit", "65536", "--last-tile", HONOUR_WAITS],
        ["--waits", "1112345678999m"], ["--waits", NOT_READY], ["--waits", "1z"],
        ["--waits", "1112345678999m 1f 2f 3f 4f 1y"], ["--waits", "[1111m] 2223334445m"],
        ["--discards", WAITING_THROW], ["--discards", "--seat", "S", "--limit", "100", WAITING_THROW],
        ["--discards", ONE_AWAY], ["--discards", TWO_AWAY], ["--discards", COMPLETE],
        ["--discards", LAST_COPY], ["--discards", "--limit", "65536", "--last-tile", HONOUR_THROWS],
        ["--discards", "(1111m) 23m 22p 567p 999s 7z"],
        ["--help"],
        ["--deal", "--seed", "0"], ["--deal", "--level", "1", "--seed", "0"],
        ["--deal", "--level", "2", "--seed", "42"], ["--deal", "--seed", "77", "--limit", "100"],
        ["--deal", "--seed", "9007199254740991"], ["--deal", "--seed", "20261207"],
    ]
    entries = []
    for row in rows:
        entries += whole(row)
        if row != ["--help"]:
            entries += whole(["--json", *row])
    # The usage once in full; its other ways, beside a hand or a refused option, by digest.
    for row in (["-h"], [DECLARED, "--help"], ["--json", "--help", "--seat", "X"]):
        entries += digested(row)
    return entries


def dealt_command(arguments):
    """The hand and its options from the command line a deal prints first."""
    status, out, _ = run(arguments)
    assert status == 0
    first = out.decode().split("\n")[0]
    words, _, hand = first.partition(" '")
    return words.split(" ")[1:], hand.rstrip("'")


def garbled(hand, chance):
    text = list(hand)
    for _ in range(chance.randint(1, 3)):
        where = chance.randrange(len(text) + 1)
        what = chance.choice("dit")
        if what == "d" and where < len(text):
            del text[where]
        elif what == "i":
            text.insert(where, chance.choice("[]()+mpszfy0123456789 \t\"\\x,é|"))
        elif where + 1 < len(text):
            text[where], text[where + 1] = text[where + 1], text[where]
    return "".join(text)


def one_tile_off(hand, chance):
    """The hand with one digit of its concealed part changed."""
    digits = [i for i, c in enumerate(hand) if c.isdigit() and "[" not in hand[:i].split(" ")[-1]
              and "(" not in hand[:i].split(" ")[-1]]
    if not digits:
        return hand
    where = chance.choice(digits)
    return hand[:where] + str(chance.randint(1, 9)) + hand[where + 1:]


def sweep(seeds):
    """Deals of every level and what they give: digested, for they are many."""
    chance = random.Random(20261209)
    # Apart, so that the hands drawn above stay what they were.
    throws = random.Random(20261210)
    limits = [None, "100", "1", "65536", "30", "500"]
    entries = []
    for level in ("1", "2", "3"):
        for seed in range(seeds):
            limit = limits[seed % len(limits)]
            deal = ["--deal", "--level", level, "--seed", str(seed * 7919 + int(level))]
            if limit:
                deal += ["--limit", limit]
            entries += digested(deal)
            entries += digested(["--json", *deal])
            if seed % 3 != 0:
                continue
            options, hand = dealt_command(deal)
            waiting = hand.rpartition(" +")[0]
            options = [o for o in options if o != "--self-drawn"]
            entries += digested([*options, "--waits", waiting])
            entries += digested(["--json", *options, "--waits", waiting])
            off = one_tile_off(waiting, chance)
            entries += digested([*options, "--waits", off])
            entries += digested(["--json", "--waits", off])
            # The dealt hand with its winning tile drawn is complete; one tile off it is not.
            drawn = hand.replace("+", "")
            entries += digested([*options, "--discards", drawn])
            entries += digested(["--json", *options, "--discards", drawn])
            entries += digested(["--json", "--discards", one_tile_off(drawn, throws)])
            bad = garbled(hand, chance)
            entries += digested([*options, bad])
            entries += digested(["--json", *options, bad])
    return entries


def main():
    print("# What zorvan-hand prints for these command lines, byte for byte: written by")
    print("# scripts/handoutputs.py (which says how to read it), checked by tst_handoutputs.")
    for entry in (*refusals(), *outputs(), *sweep(SEEDS)):
        print(entry)


if __name__ == "__main__":
    main()

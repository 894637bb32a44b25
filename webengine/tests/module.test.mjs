// The module as a page loads it, run in node: each call reaches its C++ with its arguments in
// their places and answers objects, and the engine's exceptions (an overflow of the count)
// work in WebAssembly. The rules themselves are tested natively (tests/tst_web*calls.cpp).
// Usage: node module.test.mjs <folder of engine.js>

import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { test } from "node:test";
import { pathToFileURL } from "node:url";

const folder = process.argv[2];
const { loadEngine, phraseText } = await import(pathToFileURL(`${folder}/engine.js`).href);
const engine = await loadEngine();

test("sheet: boxes, flowers and table limit each in their place", () => {
  const rows = [
    // boxes, flowers, limit, shown, count, value
    [[2], 0, 500, true, " 22", " 88"],
    [[1, 2], 0, 500, true, " 22", " 132"],
    [[2], 1, 500, true, " 26", " 104"],
    [[57], 0, 50, true, " 160", " 200"],
    [[2], 0, -50, true, " 22", "-200"],
    [[2, 51, 73, 0], 0, 500, true, " 22", " 88"],
    [[2], 9, 500, true, " 54", " 216"],
    [[2], 0, 0, false, "", ""],
  ];
  for (const [boxes, flowers, tablelimit, shown, count, value] of rows) {
    const figures = engine.sheet({ boxes, flowers, tablelimit });
    assert.deepEqual([figures.shown, figures.count, figures.value], [shown, count, value],
                     JSON.stringify({ boxes, flowers, tablelimit }));
  }
});

test("sheet: an overflow is caught in WebAssembly and reported", () => {
  const boxes = [60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71];
  const figures = engine.sheet({ boxes, flowers: 0, tablelimit: 65536 });
  assert.equal(figures.overflow, true);
  assert.equal(figures.count, "");
  assert.equal(phraseText(figures.message), "Overflow: this hand is worth more than the " +
               "calculator can count. The results were left as they were.");
  assert.equal(figures.icon, 16);
  assert.equal(phraseText(figures.countWorking.at(-1)), "Overflow at \"Going out on last " +
               "tile\": the hand is worth more than the calculator can count. The results " +
               "were left as they were.");
  // One box fewer and the same module counts again.
  assert.equal(engine.sheet({ boxes: boxes.slice(0, -1), flowers: 0, tablelimit: 65536 }).count,
               " 1073741824");
});

test("table limit: each action with its message and icon", () => {
  const rows = [
    ["", "ignore", 0, undefined, undefined],
    ["120", "store", 120, undefined, undefined],
    ["99999", "tooHigh", 65536, "limit is toooooooo high", 16],
    ["12a", "typo", 0, "You made a typo, mahjongaddict", 48],
  ];
  for (const [text, action, value, message, icon] of rows) {
    const typed = engine.tableLimitTyped(text);
    assert.deepEqual([typed.action, typed.value, typed.message && phraseText(typed.message),
                      typed.icon], [action, value, message, icon], text);
  }
  assert.equal(engine.tableLimitTyped("99999").replacement, " 65536");
});

test("flowers: up and down within 0 to 8", () => {
  assert.deepEqual([engine.flowersStep(0, true), engine.flowersStep(8, true),
                    engine.flowersStep(1, false), engine.flowersStep(0, false)], [1, 8, 0, 0]);
});

test("clearing: the order of unticking, and an overflow on the way", () => {
  const boxes = [70, 2, 1];
  assert.deepEqual(engine.clearSheet({ boxes, flowers: 0, tablelimit: 500 }, false),
                   { untick: [1, 2, 70], overflow: false });
  // Every box but East and the two limit hands: the first sheets on the way still overflow.
  const overflowing = Array.from({ length: 71 }, (_, i) => i + 2)
    .filter((n) => n !== 51 && n !== 59 && n !== 60);
  const cleared = engine.clearSheet({ boxes: overflowing, flowers: 0, tablelimit: 500 }, false);
  assert.deepEqual([cleared.overflow, cleared.icon], [true, 16]);
  assert.equal(engine.clearSheet({ boxes: overflowing, flowers: 0, tablelimit: 500 }, true)
                   .overflow, false);
});

test("a fill: unticking first, the flowers by clicks, then ticking", () => {
  assert.deepEqual(engine.sheetFill({ boxes: [1, 2, 70], flowers: 3 }, { boxes: [2, 54], flowers: 1 }),
                   { untick: [1, 70], flowerClicks: -2, tick: [54] });
  assert.deepEqual(engine.sheetFill({ boxes: [], flowers: 0 }, { boxes: [1], flowers: 8 }),
                   { untick: [], flowerClicks: 8, tick: [1] });
});

test("hints", () => {
  assert.match(phraseText(engine.sheetHint(1).message), /^If the honor pong\/kong/);
  assert.match(phraseText(engine.sheetHint(3).message), /^This does not aply/);
  assert.equal(engine.sheetHint(3).icon, 48);
  assert.equal(phraseText(engine.fanHint().message),
               "This means you also should check the Self Pick checkbox!");
});

test("fan counter: clicks, boxes and the total", () => {
  assert.deepEqual(engine.fanTileClick([1, 9], 2), [2, 9]);
  assert.deepEqual(engine.fanTileClick([2, 9], 9), [2]);
  const count = engine.fans([5, 1, 9], [4]);
  assert.deepEqual([count.fans, count.text, count.maximum], [9, " 9", false]);
  assert.equal(phraseText(count.working.at(-1)), "= 9");
  const maximum = engine.fans([], [7]);
  assert.deepEqual([maximum.maximum, maximum.icon], [true, 0]);
  assert.deepEqual(engine.fanBoxClick(6, true).recount, false);
  assert.deepEqual(engine.fanBoxClick(6, false), { recount: false });
  assert.deepEqual(engine.fanBoxClick(4, true), { recount: true });
  assert.deepEqual(engine.clearFans([11, 6, 1]), { untick: [1, 6] });
});

test("layout: the sheet's rows and the board", () => {
  const layout = engine.layout();
  assert.equal(layout.sheet.length, 30);
  assert.equal(phraseText(layout.sheet[0].boxes[0].name), "open pong 2-8, set 1 of 4");
  assert.deepEqual(layout.fanRows.map((row) => row.tiles.length), [4, 4, 4, 4, 4, 3]);
  assert.equal(layout.fanBoxes.length, 11);
});

test("phrases: filled in one pass, translated when asked", () => {
  const line = engine.sheet({ boxes: [2, 3], flowers: 0, tablelimit: 500 }).countWorking[1];
  assert.equal(phraseText(line), "+2 open pong 2-8 (x2)");
  assert.equal(phraseText(line, (context, pattern) =>
    context === "HandSheet" ? "open pong %1" : pattern), "+2 open pong %1 (x2)");
});

test("a wait's worth beneath its picture: on a discard, then self-picked", () => {
  const view = engine.handView("[123m] [456p] [789s] 22z 55z", {});
  assert.deepEqual(view.waits.map((wait) => [wait.tile, phraseText(wait.short),
                                             phraseText(wait.shortSelfDrawn)]),
                   [["2z", "156", "192"], ["5z", "288", "720"]]);
});

test("hands: entered, viewed, linked and practised through the module", () => {
  assert.deepEqual(engine.editHand("123m", { mode: "pong", tile: "5z" }), { hand: "123m [555z]" });
  assert.deepEqual(engine.editHand("123m [555z]", { remove: 3 }), { hand: "123m" });
  const view = engine.handView("123m 456p 789s 234s 5z +5z", { seat: "S", limit: 300 });
  assert.deepEqual([view.state, view.value, view.conditions.seat, view.conditions.limit],
                   ["finished", 96, "S", 300]);
  assert.equal(engine.handView("123m 456p 789s 234s 5z").waits[0].tile, "5z");
  assert.throws(() => engine.handView("1m", { round: "Q" }),
                /the prevailing wind must be E, S, W or N, not "Q"/);
  assert.equal(engine.pictures("123m [555z]").length, 6);
  assert.equal(engine.palette("", "chow").filter((tile) => tile.addable).length, 21);
  const link = engine.writeLink("[555z] +5z", { seat: "W", self: true, nofa: true });
  assert.equal(link, "#hand=%5B555z%5D%20%2B5z&seat=W&round=E&limit=500&self=1&nofa=1");
  const read = engine.readLink(link);
  assert.deepEqual([read.hand, read.conditions.seat, read.conditions.self, read.conditions.last,
                    read.conditions.nofa], ["[555z] +5z", "W", true, false, true]);
  const practice = engine.practice(2 ** 53 - 1, 3, 65536);
  assert.equal(practice.seed, 2 ** 53 - 1);
  assert.equal(engine.judge(2 ** 53 - 1, 3, 65536, { count: String(practice.count) }).right, true);
  assert.throws(() => engine.practice(2 ** 53, 3, 500), /a deal needs a level of 1, 2 or 3/);
});

test("zorvan-hand's answers, as text and parsed", () => {
  const hand = "123m 456p 789s 234s 5z +5z";
  assert.equal(engine.score(hand, { seat: "S" }).value, 96);
  assert.ok(engine.scoreJson(hand).endsWith("}\n"));
  assert.deepEqual(engine.waits("123m 456p 789s 234s 5z").waits.map((w) => w.tile), ["5z"]);
  // The conditions reach the throws' waits: seated South, 2z is worth as much as 5z.
  const throws = "[123m] [456p] 789s 22z 55z 1z";
  const best = (c) => engine.discards(throws, c).discards[0];
  assert.deepEqual([best().tile, best().away, best().waits.map((w) => w.discard.value)],
                   ["1z", 0, [156, 288]]);
  assert.deepEqual(best({ seat: "S" }).waits.map((w) => w.discard.value), [208, 208]);
  assert.ok(engine.discardsJson(throws).endsWith("}\n"));
  assert.deepEqual(engine.discards(throws + " +2z"),
                   { error: "a hand to throw from has no winning tile: leave out +2z" });
  assert.equal(engine.deal(2, 42, 300).limit, 300);
  assert.equal(engine.deal(2, 42).limit, 500);
  assert.deepEqual(engine.deal(4, 42), { error: 'the level must be 1, 2 or 3, not "4"' });
});

test("the module has exactly the members engine.d.ts describes", () => {
  const described = readFileSync(`${folder}/engine.d.ts`, "utf8");
  const start = described.indexOf("export interface Engine {");
  const body = described.slice(start, described.indexOf("\n}\n", start));
  const members = [...body.matchAll(/^ {2}(\w+)\(/gm)].map((match) => match[1]).sort();
  assert.deepEqual(Object.keys(engine).sort(), members);
});

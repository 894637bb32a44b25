// The engine's calls as plain functions over plain objects; engine.d.ts describes them. This
// file follows emscripten's code inside engine.js, whose factory createEngineModule it uses.

// The conditions as the C++ reads them: the winds and the limit as text (null: not given), the
// switches as bits.
const switchBits = { self: 1, last: 2, supplement: 4, robbing: 8, nofa: 16 };
const given = (value) => (value === undefined ? null : String(value));
const conditionArgs = (c = {}) => [
  given(c.seat),
  given(c.round),
  given(c.limit),
  Object.entries(switchBits).reduce((bits, [name, bit]) => (c[name] ? bits | bit : bits), 0),
];
const conditionTypes = ["string", "string", "string", "number"];

const numbers = (list) => (list || []).map((n) => Math.trunc(Number(n))).join(",");

// A phrase in English, or in the language `translate(context, pattern)` gives: its pattern with
// %1 to %9 filled in one pass by its arguments, a list's items joined with ", ".
export function phraseText(phrase, translate) {
  if (!phrase) return "";
  const args = (phrase.args || []).map((arg) =>
    typeof arg === "string" ? arg : phraseText(arg, translate));
  if (phrase.list) return args.join(", ");
  if (phrase.pattern === undefined) return phrase.plain || "";
  const pattern = translate ? translate(phrase.context, phrase.pattern) : phrase.pattern;
  return pattern.replace(/%([1-9])/g, (whole, digit) =>
    Number(digit) <= args.length ? args[Number(digit) - 1] : whole);
}

export async function loadEngine() {
  const settings = {};
  // Node reads the WebAssembly beside this file itself; a page fetches it.
  if (typeof process === "object" && process.versions && process.versions.node) {
    const { readFile } = await import("node:fs/promises");
    settings.wasmBinary = await readFile(new URL("engine.wasm", import.meta.url));
  }
  const module = await createEngineModule(settings);
  const text = (name, ...types) => module.cwrap(name, "string", types);
  const json = (name, ...types) => {
    const call = text(name, ...types);
    return (...args) => JSON.parse(call(...args));
  };

  const scoreJson = text("zorvan_score_json", "string", ...conditionTypes);
  const waitsJson = text("zorvan_waits_json", "string", ...conditionTypes);
  const discardsJson = text("zorvan_discards_json", "string", ...conditionTypes);
  const dealJson = text("zorvan_deal_json", "string", "string", "string");
  const sheet = json("zorvan_sheet", "string", "number", "number");
  const tableLimitTyped = json("zorvan_table_limit_typed", "string");
  const flowersStep = module.cwrap("zorvan_flowers_step", "number", ["number", "number"]);
  const clearSheet = json("zorvan_clear_sheet", "string", "number", "number", "number");
  const sheetHint = json("zorvan_sheet_hint", "number");
  const sheetFill = json("zorvan_sheet_fill", "string", "number", "string", "number");
  const fanTileClick = json("zorvan_fan_tile_click", "string", "number");
  const fans = json("zorvan_fans", "string", "string");
  const fanBoxClick = json("zorvan_fan_box_click", "number", "number");
  const clearFans = json("zorvan_clear_fans", "string");
  const fanHint = json("zorvan_fan_hint");
  const messages = json("zorvan_messages");
  const layout = json("zorvan_layout");
  const readLink = json("zorvan_read_link", "string");
  const writeLink = json("zorvan_write_link", "string", ...conditionTypes);
  const editHand = json("zorvan_edit_hand", "string", "string", "string", "number");
  const palette = json("zorvan_palette", "string", "string");
  const pictures = json("zorvan_pictures", "string", ...conditionTypes);
  const handView = json("zorvan_hand_view", "string", ...conditionTypes);
  const practice = json("zorvan_practice", "number", "number", "number");
  const judge = json("zorvan_judge", "number", "number", "number", "string", "string");
  // A refusal of the page's own values is a fault of the page, not of the player's hand.
  const checked = (answer) => {
    if (answer && answer.error) throw new Error(phraseText(answer.error));
    return answer;
  };

  const deal = (level, seed, limit) =>
    dealJson(String(level), String(seed), given(limit));
  return Object.freeze({
    scoreJson: (hand, c) => scoreJson(String(hand), ...conditionArgs(c)),
    score: (hand, c) => JSON.parse(scoreJson(String(hand), ...conditionArgs(c))),
    waitsJson: (hand, c) => waitsJson(String(hand), ...conditionArgs(c)),
    waits: (hand, c) => JSON.parse(waitsJson(String(hand), ...conditionArgs(c))),
    discardsJson: (hand, c) => discardsJson(String(hand), ...conditionArgs(c)),
    discards: (hand, c) => JSON.parse(discardsJson(String(hand), ...conditionArgs(c))),
    dealJson: deal,
    deal: (level, seed, limit) => JSON.parse(deal(level, seed, limit)),
    sheet: (s) => sheet(numbers(s.boxes), s.flowers | 0, s.tablelimit | 0),
    tableLimitTyped: (typed) => tableLimitTyped(String(typed)),
    flowersStep: (current, up) => flowersStep(current | 0, up ? 1 : 0),
    clearSheet: (s, all) =>
      clearSheet(numbers(s.boxes), s.flowers | 0, s.tablelimit | 0, all ? 1 : 0),
    sheetHint: (button) => sheetHint(button | 0),
    sheetFill: (from, to) => sheetFill(numbers(from.boxes), from.flowers | 0, numbers(to.boxes),
                                       to.flowers | 0),
    fanTileClick: (selected, tile) => fanTileClick(numbers(selected), tile | 0),
    fans: (tiles, boxes) => fans(numbers(tiles), numbers(boxes)),
    fanBoxClick: (check, ticked) => fanBoxClick(check | 0, ticked ? 1 : 0),
    clearFans: (boxes) => clearFans(numbers(boxes)),
    fanHint: () => fanHint(),
    messages: () => messages(),
    layout: () => layout(),
    readLink: (link) => readLink(String(link)),
    writeLink: (hand, c) => checked(writeLink(String(hand), ...conditionArgs(c))).link,
    editHand: (hand, edit) => "remove" in edit
      ? editHand(String(hand), "", "", edit.remove | 0)
      : editHand(String(hand), String(edit.mode), String(edit.tile), -1),
    palette: (hand, mode) => palette(String(hand), String(mode)),
    pictures: (hand, c) => checked(pictures(String(hand), ...conditionArgs(c))),
    handView: (hand, c) => checked(handView(String(hand), ...conditionArgs(c))),
    practice: (seed, level, limit) => checked(practice(Number(seed), level | 0, limit | 0)),
    judge: (seed, level, limit, answer) => checked(judge(Number(seed), level | 0, limit | 0,
                                                         String(answer.count ?? ""),
                                                         String(answer.fans ?? ""))),
    phraseText,
  });
}

// The Zorvan! Mah-Jongg Calculator's engine for the web: the calculator's sheet, the table
// limit, the fan counter, as the desktop program's windows decide them (the same C++).
//
//   import { loadEngine } from "./engine.js";   // engine.wasm stands beside engine.js
//   const engine = await loadEngine();
//   engine.sheet({ boxes: [2], flowers: 0, tablelimit: 500 }).value;   // " 88"
//
// Every call is synchronous once loaded. Numbers shown to people come as number text: one
// character in the place of the sign (a blank, or "-"), then the digits: " 88", "-200".

export type Wind = "E" | "S" | "W" | "N";

// A text for people, to be shown in the player's language: `pattern` translated in `context`
// (the program's catalogues, translations/*.ts), its %1 .. %9 filled in one pass by `args`,
// each an argument of its own (plain text, or a phrase translated in turn). A phrase of
// `plain` text is shown as it stands; a `list` joins its args with ", ". phraseText() writes
// one in English, or through a translate(context, pattern) function in another language.
export interface Phrase {
  context?: string;
  pattern?: string;
  args?: Phrase[];
  plain?: string;
  list?: boolean;
}

// A message the program shows in a modal box with one OK button and no title of its own:
// its text and the icon of its style value (0 none, 16 stop, 48 exclamation,
// 64 information).
export type Icon = 0 | 16 | 48 | 64;
export interface Message {
  message: Phrase;
  icon: Icon;
}

// The calculator's sheet: the numbers of the ticked boxes (1 the East box, 2 to 72 the rows'
// boxes, 51 not being one; other numbers are passed over), the flowers and seasons (0 to 8)
// and the table limit (0: none entered).
export interface Sheet {
  boxes: number[];
  flowers: number;
  tablelimit: number;
}

export interface SheetFigures {
  // False while the table limit is 0: nothing is counted and the results stay as they were.
  shown: boolean;
  // The count ("Your hand is worth", Label38) and the value ("Zorvan! Points", Label37);
  // empty when not shown or when the count overflows.
  count: string;
  value: string;
  // The count left the 32-bit range: both results stay as they were, and a click that led
  // here shows `message` (a typed table limit shows the typo message instead).
  overflow: boolean;
  // How the count and the value were reached, a phrase a line.
  countWorking: Phrase[];
  valueWorking: Phrase[];
  message?: Phrase;
  icon?: Icon;
}

// What a change of the table-limit box's text leads to, in the window's order of events:
// - "ignore": the empty text; nothing happens.
// - "tooHigh": show `message` ("limit is toooooooo high", stop icon); then the box's text
//   becomes `replacement` (" 65536"), and that change is read again at once (it stores
//   `value`, 65536, and recounts); then the results are recounted once more.
// - "store": `value` becomes the table limit and the results are recounted. Should that
//   recount overflow, the typo message (messages().typo) is shown and the results stay.
// - "typo": show `message` ("You made a typo, mahjongaddict", exclamation icon); the table
//   limit and the text stay as they were, and nothing is recounted.
export interface TableLimitTyped {
  action: "ignore" | "tooHigh" | "store" | "typo";
  value: number;
  message?: Phrase;
  icon?: Icon;
  replacement?: string;
}

// What a clear button does to a sheet: it unticks `untick` in that order, each recounting at
// once; then the flowers are 0, and both results and the flowers label are empty ("Clear
// ALL" has also emptied the table-limit box and set the limit to 0 first). `overflow`: a
// sheet on the way overflowed, and `message` is shown once.
export interface SheetCleared {
  untick: number[];
  overflow: boolean;
  message?: Phrase;
  icon?: Icon;
}

// One row of the sheet, in counting order (the left column top to bottom, then the right).
export interface SheetRow {
  caption: Phrase;
  label: number; // the caption's label, Label<n>
  column: "left" | "right";
  effect: "add" | "multiply" | "limit" | "flowers";
  amount: number;
  boxes: { check: number; name: Phrase }[]; // Check<n>, and its name for a screen reader
  hint: number; // the "?" button after the boxes, Command<n>; 0 for none
}

// The fan counter: tiles are numbered 1 to 23 as the board's pictures (Picture<n>), boxes
// 1 to 11 as its check boxes (Check<n>).
export interface FanCount {
  fans: number;
  text: string; // as "Your FANS" shows it: " 7"
  // "All Terminals" or "All Honors" is ticked: a click that ticks one shows `message`.
  maximum: boolean;
  working: Phrase[];
  message?: Phrase;
  icon?: Icon;
}

export interface FanRow {
  row: "prevailingWind" | "seatWind" | "windPong" | "flowers" | "seasons" | "dragonPong";
  label: number;
  caption: Phrase;
  name: Phrase; // the row as a screen reader says it
  tiles: {
    picture: number;
    face: string; // east, south, west, north, flower1 .. season4, white, red, green
    column: number;
    rowExclusive: boolean; // at most one tile of the row is selected
    name: Phrase;
    nameSelected: Phrase;
  }[];
}

export interface FanBox {
  check: number;
  label: number;
  caption: Phrase;
  effect: "fans" | "maximum" | "noFaTable";
  fans: number;
}

export interface Layout {
  sheet: SheetRow[];
  fanRows: FanRow[]; // top to bottom as on screen
  fanBoxes: FanBox[]; // the right-hand column top to bottom, then the table setting
}

// A hand's conditions: seat and prevailing wind (East when not given), the table limit (a
// whole number from 1 to 65536; 500 when not given), and how the hand was won.
export interface Conditions {
  seat?: Wind;
  round?: Wind;
  limit?: number;
  self?: boolean; // self-picked, else on a discard
  last?: boolean; // going out on the last tile
  supplement?: boolean; // going out on a supplementary tile
  robbing?: boolean; // going out by robbing a kong
  nofa?: boolean; // playing a NO FA table
}

// A tile picture: the base name of its image ("5p", "east", "white", "flower2"), the selected
// look (the winning tile), its name for a screen reader, what hovering shows, and the group it
// stands in (groups stay together on screen: the concealed tiles, each declared set, the bonus
// tiles, the winning tile).
export interface Picture {
  image: string;
  selected: boolean;
  name: Phrase;
  toolTip?: Phrase;
  group: number;
}

// A count past the 32-bit range has no number: null, with `overflow` true.
export interface Worth {
  count: number | null;
  value: number | null;
  fans: number;
  maximum: boolean; // the fan counter's maximum: "All Terminals" or "All Honors"
  overflow: boolean;
}

// A scored hand: its figures, the sheet and the board it fills (box, tile and box numbers as
// sheet() and fans() take them), and the working.
export interface Score extends Worth {
  boxes: number[];
  flowers: number;
  fanTiles: number[];
  fanBoxes: number[];
  working: { count: Phrase[]; value: Phrase[]; fans: Phrase[] };
}

export type EntryMode = "tile" | "chow" | "pong" | "kong" | "concealedKong" | "winning";

// What the hand window writes under the hand (`lines`), by state: how to start ("empty"), one
// sentence why it cannot be scored ("refused"), the reading and its worth ("finished", with its
// score), its waits ("waiting"), or that no tile finishes it ("notReady").
export interface HandView extends Partial<Score> {
  state: "empty" | "refused" | "finished" | "waiting" | "notReady";
  lines: Phrase[];
  conditions: Required<Conditions>;
  waits?: {
    tile: string; // in the notation: a click there makes it the winning tile
    image: string;
    name: Phrase; // "Dots 2 wins 144 on a discard, 156 self-picked"
    details: Phrase; // each way of winning on a line of its own
    short: Phrase; // beneath its picture: the value on a discard, or "overflow"
    shortSelfDrawn: Phrase; // and beneath that, the value self-picked
    discard: Worth;
    selfDrawn: Worth;
  }[];
}

// A dealt hand to practise on, scored under the table limit given.
export interface Practice extends Score {
  seed: number;
  level: 1 | 2 | 3;
  hand: string;
  situation: Phrase; // "Seat wind South, prevailing wind East, won on a discard, table limit 500"
  conditions: Required<Conditions>;
  pictures: Picture[];
}

// What `zorvan-hand --json` prints (docs/zorvan-hand.md), parsed; a request it refuses gives
// { error } with the sentence the program gives, in English.
export interface Refusal {
  error: string;
}
export interface HandReport {
  hand: string;
  count: number | null;
  value: number | null;
  limit: number;
  fans: number;
  maximum: boolean;
  overflow: boolean;
  boxes: number[];
  flowers: number;
  fanTiles: number[];
  fanBoxes: number[];
  readings: number;
  reading: { kind: "chow" | "pong" | "kong" | "pair"; tiles: string; open: boolean;
             declared: boolean; winning: boolean }[];
  working: { count: string[]; value: string[]; fans: string[] };
}
export interface WaitsReport {
  ready: boolean;
  waits: { tile: string; discard: Worth; selfDrawn: Worth }[];
}
// What to throw from 14 tiles, best first (`zorvan-hand --discards --json`): each throw with the
// exchanges it leaves the hand from waiting (`away`, 0 for waiting), the faces that bring it
// nearer with the copies of each left (in tile order) and their total; a waiting throw's waits
// as WaitsReport gives them for the 13 tiles left.
export interface DiscardsReport {
  hand: string;
  complete: boolean; // the 14 tiles are four sets and a pair already
  discards: {
    tile: string;
    away: number;
    accepted: number;
    accepts: { tile: string; left: number }[];
    waits?: WaitsReport["waits"]; // only where away is 0
  }[];
}
export interface DealReport extends HandReport {
  seed: number;
  level: 1 | 2 | 3;
  seat: "East" | "South" | "West" | "North";
  round: "East" | "South" | "West" | "North";
  selfDrawn: boolean;
  lastTile: boolean;
  supplement: boolean;
  robbingKong: boolean;
  noFaTable: boolean;
}

export interface Engine {
  // What `zorvan-hand --json` prints for the same request, byte for byte (a line feed at the
  // end), and parsed: a hand scored (with its +tile), a waiting hand's waits (13 tiles, no
  // +tile), what to throw (14 tiles, no +tile; `zorvan-hand --discards --json`), a deal (`zorvan-hand --deal --level L --seed N [--limit M] --json`). A value that
  // is not one (a seat of "X", a limit of 0, a level of 4, a seed of 1.5) is refused with the
  // program's own sentence.
  scoreJson(hand: string, c?: Conditions): string;
  score(hand: string, c?: Conditions): HandReport | Refusal;
  waitsJson(hand: string, c?: Conditions): string;
  waits(hand: string, c?: Conditions): WaitsReport | Refusal;
  discardsJson(hand: string, c?: Conditions): string;
  discards(hand: string, c?: Conditions): DiscardsReport | Refusal;
  dealJson(level: 1 | 2 | 3, seed: number, limit?: number): string;
  deal(level: 1 | 2 | 3, seed: number, limit?: number): DealReport | Refusal;

  // The two results of a sheet, as the calculator window shows them.
  sheet(s: Sheet): SheetFigures;
  tableLimitTyped(text: string): TableLimitTyped;
  // "+" (up) and "--": one more or fewer within 0 to 8; at a bound it stays, with no message.
  // The flowers label is empty for 0, else the count as number text; the results are
  // recounted after every click, also one that changed nothing.
  flowersStep(current: number, up: boolean): number;
  // "Clear all BUT table limit", or with `all` "Clear ALL".
  clearSheet(s: Sheet, all: boolean): SheetCleared;
  // The "?" buttons Command1, Command2 and Command3.
  sheetHint(button: 1 | 2 | 3): Message;
  // How a hand's fill reaches the sheet `to` through the window's own controls: untick
  // `untick`, click "+" `flowerClicks` times ("--" when negative), then tick `tick`, each step
  // raising its own handling (an overflow on the way reported once).
  sheetFill(from: { boxes: number[]; flowers: number }, to: { boxes: number[]; flowers: number }):
    { untick: number[]; flowerClicks: number; tick: number[] };

  // The selected tiles after a click on `tile`: in the prevailing and seat wind rows a click
  // selects the tile and unselects the rest of its row, or unselects a selected tile;
  // elsewhere it selects or unselects that tile alone. The fans are counted after every click.
  fanTileClick(selected: number[], tile: number): number[];
  fans(tiles: number[], boxes: number[]): FanCount;
  // What a click on box `check` leads to, `ticked` after it: a recount, or for "All
  // Terminals" and "All Honors" none, and the maximum message when ticked.
  fanBoxClick(check: number, ticked: boolean): { recount: boolean; message?: Phrase; icon?: Icon };
  // "CLEAR ALL": every tile unselected, then `untick` unticked in that order, each
  // recounting; the table setting (Check11) stays.
  clearFans(boxes: number[]): { untick: number[] };
  // The "?" beside "MJ on Suplement tile".
  fanHint(): Message;

  // A hand in a link, "#hand=<percent-encoded notation>&seat=S&round=W&limit=300&self=1" (and
  // last, supplement, robbing, nofa as 1 or 0), or a whole address ending so; other parts are
  // passed over. The hand is not read here: handView() says what it is.
  readLink(link: string): { hand: string; conditions: Required<Conditions> } | { error: Phrase };
  // The link's part from "#" on: the hand percent-encoded, seat, round and limit, and each
  // condition that holds. Throws on a condition that is not one.
  writeLink(hand: string, c: Conditions): string;

  // Entering a hand as the hand window does: a palette tile ("5p", "7z", "2f") added in a
  // mode, or the picture at slot `remove` (counted as pictures() lists them) taken out, a tile
  // of a declared set taking its set with it. The hand comes back in the notation's own order;
  // a refused edit leaves it as it was and says why. Typed text that does not read comes back
  // as it was, with the reader's sentence.
  editHand(hand: string, edit: { mode: EntryMode; tile: string } | { remove: number }):
    { hand: string; error?: Phrase };
  // The palette in a mode: the 34 faces, then the 8 flowers and seasons, each with whether a
  // click may add it to the hand.
  palette(hand: string, mode: EntryMode):
    { tile: string; image: string; name: Phrase; addable: boolean }[];
  // The hand's pictures, each saying that a tap takes it out; a finished hand's are named
  // after the reading it is scored by.
  pictures(hand: string, c?: Conditions): Picture[];
  // What the hand window writes under the hand. Without a limit in `c` the worth says that
  // none was entered. Throws on a condition that is not one.
  handView(hand: string, c?: Conditions): HandView;

  // Practice: the hand of `seed` (a whole number from 0 to 2^53 - 1) at `level` under the
  // table limit, and the verdict on an answer typed for it. The count is wanted unless the
  // fans alone are typed. `refused`: nothing judged, `lines` say what to type.
  practice(seed: number, level: 1 | 2 | 3, limit: number): Practice;
  judge(seed: number, level: 1 | 2 | 3, limit: number, answer: { count?: string; fans?: string }):
    { refused: boolean; right: boolean; lines: Phrase[] };

  // The messages that follow from a sequence of events rather than one call.
  messages(): { overflow: Message; typo: Message };
  // The sheet's rows and the fan counter's board, as the windows lay themselves out.
  layout(): Layout;

  phraseText(phrase: Phrase, translate?: (context: string, pattern: string) => string): string;
}

export function loadEngine(): Promise<Engine>;
export function phraseText(phrase: Phrase,
                           translate?: (context: string, pattern: string) => string): string;

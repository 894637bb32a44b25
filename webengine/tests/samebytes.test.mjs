// The module and zorvan-hand answer the same requests with the same bytes: dealt hands of every
// level over many seeds, each scored again, waited on without its winning tile and thrown from
// with it drawn, edge hands, and values that are not ones (the same sentence, never a crash or
// a hang).
// Usage: node samebytes.test.mjs <folder of engine.js> <zorvan-hand> [seeds per level]

import assert from "node:assert/strict";
import { execFile } from "node:child_process";
import { existsSync } from "node:fs";
import { test } from "node:test";
import { pathToFileURL } from "node:url";

const [folder, program, seedsArgument] = process.argv.slice(2);
if (!existsSync(program))
  throw new Error(`no zorvan-hand at ${program}: build the default preset first`);
const seedsPerLevel = Number(seedsArgument ?? 100);
const { loadEngine } = await import(pathToFileURL(`${folder}/engine.js`).href);
const engine = await loadEngine();

// zorvan-hand's standard output for its arguments; a few at a time, as the machine allows.
let running = 0;
const waiting = [];
async function zorvanHand(args) {
  if (running >= 4) await new Promise((resume) => waiting.push(resume));
  ++running;
  try {
    return await new Promise((resolve, reject) => {
      execFile(program, args, { timeout: 30000, encoding: "utf8" }, (error, stdout) => {
        // A refused request ends with status 2 and still prints its answer.
        if (error && error.code !== 2) reject(new Error(`${args.join(" ")}: ${error.message}`));
        else resolve(stdout);
      });
    });
  } finally {
    --running;
    waiting.shift()?.();
  }
}

// The command line of conditions as the module takes them.
function options(c = {}) {
  const args = [];
  if (c.seat !== undefined) args.push("--seat", String(c.seat));
  if (c.round !== undefined) args.push("--round", String(c.round));
  if (c.limit !== undefined) args.push("--limit", String(c.limit));
  const switches = { self: "--self-drawn", last: "--last-tile", supplement: "--supplement",
                     robbing: "--robbing-kong", nofa: "--no-fa-table" };
  for (const [name, option] of Object.entries(switches)) if (c[name]) args.push(option);
  return args;
}

async function sameScore(hand, c) {
  assert.equal(engine.scoreJson(hand, c), await zorvanHand(["--json", ...options(c), "--", hand]),
               `score ${JSON.stringify(hand)} ${JSON.stringify(c)}`);
}

async function sameWaits(hand, c) {
  assert.equal(engine.waitsJson(hand, c),
               await zorvanHand(["--waits", "--json", ...options(c), "--", hand]),
               `waits ${JSON.stringify(hand)} ${JSON.stringify(c)}`);
}

async function sameDiscards(hand, c) {
  assert.equal(engine.discardsJson(hand, c),
               await zorvanHand(["--discards", "--json", ...options(c), "--", hand]),
               `discards ${JSON.stringify(hand)} ${JSON.stringify(c)}`);
}

// The hand with one tile of its concealed part (before any bracket) one rank higher, or lower
// at 9: a hand to throw from that is seldom complete.
function oneTileOff(hand, n) {
  const concealed = hand.split(" ").findIndex((group) => /^\d+[mps]$/.test(group));
  if (concealed < 0) return hand;
  const groups = hand.split(" ");
  const digits = groups[concealed];
  const at = n % (digits.length - 1);
  const rank = Number(digits[at]);
  groups[concealed] = digits.slice(0, at) + (rank === 9 ? 8 : rank + 1) + digits.slice(at + 1);
  return groups.join(" ");
}

async function sameDeal(level, seed, limit) {
  const args = ["--deal", "--level", String(level), "--seed", String(seed), "--json"];
  if (limit !== undefined) args.push("--limit", String(limit));
  const answer = engine.dealJson(level, seed, limit);
  assert.equal(answer, await zorvanHand(args), args.join(" "));
  return answer;
}

// Seeds from 0 up and spread over the whole range, the largest among them.
function seeds(count) {
  const largest = 2 ** 53 - 1;
  const spread = Array.from({ length: Math.floor(count / 2) },
                            (_, i) => Math.floor((largest / (count / 2)) * (i + 1)));
  return [...Array.from({ length: count - spread.length }, (_, i) => i), ...spread.slice(0, -1),
          largest];
}

const windLetter = (name) => name[0];

test("dealt hands of every level, scored again and waited on", async () => {
  const limits = [undefined, 1, 300, 65536];
  const checks = [];
  for (const level of [1, 2, 3]) {
    seeds(seedsPerLevel).forEach((seed, n) => checks.push((async () => {
      const limit = limits[n % limits.length];
      const dealt = JSON.parse(await sameDeal(level, seed, limit));
      const c = { seat: windLetter(dealt.seat), round: windLetter(dealt.round), limit,
                  self: dealt.selfDrawn, last: dealt.lastTile, supplement: dealt.supplement,
                  robbing: dealt.robbingKong, nofa: dealt.noFaTable };
      await sameScore(dealt.hand, c);
      await sameWaits(dealt.hand.replace(/ \+\S+$/, ""), c);
      const drawn = dealt.hand.replace(" +", " ");
      await sameDiscards(drawn, c);
      await sameDiscards(oneTileOff(drawn, n), c);
    })()));
  }
  await Promise.all(checks);
});

test("edge hands and hands that cannot be read", async () => {
  const hands = [
    "", "   ", "123m", "123m 456p 789s 234s 5z +5z", "123m 456p 789s 234s 5z +5z +5z",
    "11112222333344m +4m", "[1111z] [2222z] [3333z] [4444z] 55z +5z", "(1111m) 234p 555s 777z 9p +9p",
    "19m19p19s1234567z +1m", "1111m 2222m 3333m 44m +4m 1f 2f 3f 4f 1y 2y 3y 4y",
    "[1235m] 5z +5z", "[12m] 5z +5z", "[89m1p] +1p", "11111m +1m", "123m 456p 789s 234s 5z",
    "+5z", "5z +5z 5z", "1m 2m 3m 4m 5m 6m 7m 8m 9m 1p 1p 1p 1s +1s", "0m", "10m", "1x",
    "123m (123m)", "[1111m] [1111m]", "1f 1f", "5f", "1y +1y", "123m\t456p 789s 234s 5z +5z",
    "é", "123m 456p 789s 234s 5z +5z ]", "1".repeat(200), "1".repeat(201),
    "[".repeat(30), "123m 456p [789s 234s 5z +5z", "123m 456p 789s) 234s 5z +5z",
  ];
  const conditions = [{}, { seat: "S", round: "W", self: true }, { limit: 1, nofa: true, last: true },
                      { supplement: true, robbing: true, limit: 65536 }];
  const checks = [];
  hands.forEach((hand, n) => {
    checks.push(sameScore(hand, conditions[n % conditions.length]));
    checks.push(sameWaits(hand.replace(/ \+\S+$/, ""), conditions[(n + 1) % conditions.length]));
    checks.push(sameDiscards(hand.replace(" +", " "), conditions[(n + 2) % conditions.length]));
    checks.push(sameDiscards(hand, conditions[(n + 3) % conditions.length]));
  });
  await Promise.all(checks);
});

test("values that are not ones: the command line's sentence", async () => {
  const hand = "123m 456p 789s 234s 5z +5z";
  const conditions = [
    { seat: "X" }, { seat: "" }, { seat: "Eastern" }, { seat: "south" }, { round: "n" },
    { round: "Norht" }, { seat: "x".repeat(30) }, { seat: "é".repeat(30) }, { limit: 0 },
    { limit: 65537 }, { limit: -5 }, { limit: 1.5 }, { limit: "abc" }, { limit: "0300" },
    { limit: "+300" }, { limit: " 300" }, { seat: "X", limit: 0 }, { limit: 0, round: "Y" },
  ];
  await Promise.all(conditions.flatMap((c) => [sameScore(hand, c), sameWaits(hand, c),
                                               sameDiscards(hand.replace(" +", " "), c)]));
  const deals = [
    [0, 1, undefined], [4, 1, undefined], ["x", 1, undefined], [1, -1, undefined],
    [1, 1.5, undefined], [2, 2 ** 53, undefined], [2, "", undefined], [3, "0042", undefined],
    [3, 1e21, undefined], [1, 1, 0], [1, 1, 70000], [0, -1, 0], [2, 7, "abc"],
    ["1".repeat(30), 1, undefined],
  ];
  await Promise.all(deals.map(([level, seed, limit]) => sameDeal(level, seed, limit)));
});

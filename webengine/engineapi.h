#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "handengine.h"
#include "phrase.h"

// The engine for the web: each call takes plain values and answers with one line of JSON,
// which engine.js hands on as objects (engine.d.ts describes them). Plain C++, so that the
// native tests call exactly what the module exports. Lists of numbers come as text, the
// numbers separated by commas ("2,17,54"); what is not a number there is passed over.
namespace webengine {

std::vector<int> numberList(std::string_view text);

// The calculator's sheet.
std::string sheet(std::string_view boxes, std::int32_t flowers, std::int32_t tablelimit);
std::string tableLimitTyped(std::string_view text);
std::int32_t flowersStep(std::int32_t current, bool up);
std::string clearSheet(std::string_view boxes, std::int32_t flowers, std::int32_t tablelimit,
                       bool all);
std::string sheetHint(int button);
// How a fill reaches the sheet `to` from `from` through the window's own controls:
// {"untick", "flowerClicks", "tick"}.
std::string sheetFill(std::string_view fromBoxes, std::int32_t fromFlowers,
                      std::string_view toBoxes, std::int32_t toFlowers);

// The fan counter.
std::string fanTileClick(std::string_view selected, int tile);
std::string fans(std::string_view tiles, std::string_view boxes);
std::string fanBoxClick(int check, bool ticked);
std::string clearFans(std::string_view boxes);
std::string fanHint();

// The messages that follow from events rather than from one call: a recount that overflows
// after a click, or after a typed table limit.
std::string messages();

// The rows of the sheet and the fan counter's board, as the windows lay themselves out.
std::string layout();

// The conditions of a hand as a page gives them: the seat and the prevailing wind as E, S, W or
// N, the table limit as text, each empty when not given (East, East, 500), and the switches as
// bits.
enum Switch {
    SelfDrawn = 1,
    LastTile = 2,
    Supplement = 4,
    RobbingKong = 8,
    NoFaTable = 16,
};
struct PageConditions {
    std::optional<std::string_view> seat;
    std::optional<std::string_view> round;
    std::optional<std::string_view> limit;
    int switches = 0;
};

// The conditions as read, or the sentence why a value is not one: the winds, then the limit.
struct ReadConditions {
    hand::Conditions conditions;
    Phrase error;
};
ReadConditions readConditions(const PageConditions& page);

// What zorvan-hand --json prints for the same request, byte for byte: a hand scored, a waiting
// hand's waits, what to throw from 14 tiles (--discards), a deal (its level, seed and table limit
// as text, as typed; no limit, none given). A value that is not one gets the sentence the command
// line gives it.
std::string scoreJson(std::string_view hand, const PageConditions& conditions);
std::string waitsJson(std::string_view hand, const PageConditions& conditions);
std::string discardsJson(std::string_view hand, const PageConditions& conditions);
std::string dealJson(std::string_view level, std::string_view seed,
                     std::optional<std::string_view> limit);

// A hand in a link: {"hand", "conditions"} or {"error"}; and the link of a hand, {"link"} or
// {"error"} when a condition is not one.
std::string readLink(std::string_view link);
std::string writeLink(std::string_view hand, const PageConditions& conditions);

// Entering a hand as the hand window does. `mode` is tile, chow, pong, kong, concealedKong or
// winning; `tile` a palette tile in the notation ("5p", "7z", "2f"). With `remove` at 0 or
// more, the picture of that slot is taken out instead. {"hand"} and {"error"} when refused.
std::string editHand(std::string_view hand, std::string_view mode, std::string_view tile,
                     int remove);
// The palette in `mode`: each tile with its image, its name, and whether a click may add it.
std::string palette(std::string_view hand, std::string_view mode);
// The hand's pictures, named after the reading it is scored by when it is finished.
std::string pictures(std::string_view hand, const PageConditions& conditions);
// What the hand window writes under the hand.
std::string handView(std::string_view hand, const PageConditions& conditions);

// A seed as a page's number: a whole number from 0 to 2^53 - 1, else one past that, which no
// deal takes.
std::uint64_t seedFromNumber(double seed);

// Practice: the dealt hand of `seed` at `level` under `limit`, and the verdict on an answer.
std::string practice(std::uint64_t seed, int level, std::int32_t limit);
std::string judge(std::uint64_t seed, int level, std::int32_t limit, std::string_view count,
                  std::string_view fans);

} // namespace webengine

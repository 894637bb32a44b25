#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fancount.h"
#include "hand.h"
#include "handsheet.h"
#include "phrase.h"

// The engine: a hand read as sets and a pair every way it can be, the best reading chosen, and
// the calculator's sheet and the fan counter's board that it fills; the waits of a hand one
// tile short. The counting itself is the calculator's and the fan counter's own (countPoints,
// countFans); nothing here counts a second time.
namespace hand {

// One set of a reading; `open` is false for concealed sets (a set of the concealed part, a
// concealed kong), true for exposed ones and for the set a discard completed.
struct ReadSet {
    SetKind kind;
    Face first;
    bool open;
    bool declared;
    friend bool operator==(const ReadSet&, const ReadSet&) = default;
};

// One way to read the hand: four sets and a pair, and which of them the winning tile
// completed (an index into `sets`, or -1 for the pair).
struct Reading {
    std::vector<ReadSet> sets; // the concealed part's sets first, then the declared ones
    Face pair = 0;
    int winningGroup = -1;
    friend bool operator==(const Reading&, const Reading&) = default;
};

// A hand scored. When `error` is not empty nothing else is meaningful.
struct HandResult {
    Phrase error;
    Hand hand;
    Reading reading;  // the chosen reading: highest count, then most fans, then a fixed order
    int readings = 0; // how many readings there were
    // The calculator's sheet (Check1 for East included) and its flowers and seasons counter.
    BoxValues boxes{};
    std::int32_t flowers = 0;
    // The fan counter's board.
    TileSelection fanTiles{};
    FanBoxValues fanBoxes{};
    // The figures, from countPoints / cappedValue / countFans. When the count overflows,
    // `count` and `value` are 0 and the count's working ends on the overflow note.
    std::int32_t count = 0;
    std::int64_t value = 0;
    std::int32_t fans = 0;
    bool maximum = false;  // "All Terminals" or "All Honors": the fan counter's maximum
    bool overflow = false; // the count left the 32-bit range, as the calculator reports it
    // The working, in the calculator's and the fan counter's own words.
    std::vector<Phrase> countWorking;
    std::vector<Phrase> valueWorking;
    std::vector<Phrase> fanWorking;
};

// Reads and scores a finished hand (with its +tile). Never throws on bad input. A hand of the
// wrong size says so in the words the hand window shows: "2 tiles more", "1 tile too many";
// one that is not four sets and a pair says "not 4 sets and a pair" (special hands are not
// scored, and the sentence says so).
HandResult readHand(std::string_view text, const Conditions& conditions);
HandResult scoreHand(const Hand& hand, const Conditions& conditions);

// What a win on one tile would be worth; on overflow `count` and `value` are 0.
struct Worth {
    std::int32_t count = 0;
    std::int64_t value = 0;
    std::int32_t fans = 0;
    bool maximum = false;
    bool overflow = false;
};
struct Wait {
    Face face;
    Worth discard;
    Worth selfDrawn;
};
// The tiles that finish a waiting hand (13 tiles, declared sets counted as 3, no +tile), in
// face order, each scored on a discard and self-picked with the other conditions as given.
// A hand that is not ready has no waits and no error.
struct WaitsResult {
    Phrase error;
    std::vector<Wait> waits;
    bool ready() const { return error.empty() && !waits.empty(); }
};
WaitsResult findWaits(std::string_view text, const Conditions& conditions);
WaitsResult findWaits(const Hand& hand, const Conditions& conditions);

// Every reading of a finished hand with what it is worth, in the fixed order the choice falls
// back on: by the pair's face, then by the sets from the lowest face (pongs before chows),
// then the pair before the sets as the group the winning tile completed. Empty when
// scoreHand refuses the hand.
struct ScoredReading {
    Reading reading;
    Worth worth;
};
std::vector<ScoredReading> allReadings(const Hand& hand, const Conditions& conditions);

} // namespace hand

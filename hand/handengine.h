#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fancount.h"
#include "handsheet.h"
#include "phrase.h"

// A hand written in tiles, read as sets and a pair, and the calculator's sheet and the fan
// counter's board that it fills. The counting itself is the calculator's and the fan
// counter's own (countPoints, countFans); nothing here counts a second time.
namespace hand {

// The 34 faces: 0-8 characters 1-9 ("1m".."9m"), 9-17 dots ("1p".."9p"), 18-26 bamboo
// ("1s".."9s"), 27-33 honours "1z".."7z": East, South, West, North, White, Green, Red dragon.
using Face = int;
inline constexpr int faceCount = 34;
inline constexpr Face firstHonour = 27;
inline constexpr Face firstDragon = 31;

// The bonus tiles: 0-3 flowers "1f".."4f", 4-7 seasons "1y".."4y"; flower or season n
// belongs to seat wind n.
inline constexpr int bonusCount = 8;

enum class Wind { East, South, West, North };

// "East", "South", "West", "North"; as a phrase, for the windows to translate.
const char* windName(Wind wind);
Phrase windPhrase(Wind wind);

// The notation's spelling of a face ("5p", "7z") and of a bonus tile ("2f", "3y").
std::string faceText(Face face);
std::string bonusText(int bonus);
// As a screen reader says them: "Characters 5", "Dots 5", "Bamboo 5", "East wind",
// "White dragon", "Red dragon", "Flower 2", "Season 3".
Phrase spokenFace(Face face);
Phrase spokenBonus(int bonus);

enum class SetKind { Chow, Pong, Kong };

// The tiles of a set and of a pair as the notation writes them ("456m", "1111p", "55p"), and
// the set's kind in words ("chow", "pong", "kong").
std::string setText(SetKind kind, Face first);
std::string pairText(Face face);
const char* kindName(SetKind kind);

// A set declared in the notation: [...] exposed chow, pong or kong, (....) concealed kong.
struct DeclaredSet {
    SetKind kind;
    Face first;     // the lowest face of a chow, the face of a pong or kong
    bool concealed; // only a kong can be concealed
    friend bool operator==(const DeclaredSet&, const DeclaredSet&) = default;
};

// What the notation says, independent of how it was grouped or ordered.
struct Hand {
    std::array<std::uint8_t, faceCount> concealed{}; // the concealed part, without the winning tile
    std::vector<DeclaredSet> declared;               // in the order written
    std::optional<Face> winning;                     // the +tile
    std::array<bool, bonusCount> bonus{};
    friend bool operator==(const Hand&, const Hand&) = default;
};

// Reads the notation. On bad input `error` holds one sentence (English in english(error)) naming
// the fault ("5 tiles of 3m", "[1235m] is not a chow, pong or kong", "no winning tile: write it as
// +tile") and `hand` is meaningless. A hand without a winning tile is read as well when
// `winningTile` is Optional (a waiting hand); the tile count is checked by the callers below, not
// here.
enum class WinningTile { Required, Optional, Forbidden };
struct ParsedHand {
    Hand hand;
    Phrase error;
};
ParsedHand parseHand(std::string_view text, WinningTile winningTile = WinningTile::Required);

// The notation of a hand, in one fixed order: the concealed part by suit (m, p, s, z) as
// "123m456p77z", then the declared sets in their order, then the bonus tiles, then "+T";
// groups separated by one blank. parseHand(writeHand(h)).hand == h for every accepted hand.
std::string writeHand(const Hand& hand);

// The conditions written beside the tiles; all independent of each other.
struct Conditions {
    Wind seat = Wind::East;
    Wind round = Wind::East;
    bool selfDrawn = false;
    bool lastTile = false;
    bool supplement = false;
    bool robbingKong = false;
    bool noFaTable = false;
    std::int32_t tablelimit = 500;
};

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

// How many tiles the hand has, a declared set counted as 3 and the winning tile included: 14
// for a finished hand, 13 for a waiting one.
int handSize(const Hand& hand);

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

#pragma once

#include <cstdint>

#include "discards.h"
#include "hand.h"
#include "phrase.h"

// The "What to throw" drill: hands of 14 tiles to throw from, dealt from a seed, and the
// verdict on the tile the player throws. Plain values and phrases, for any front end.
namespace hand {

// How far from waiting a dealt hand is after its best throw: near enough to see the point,
// far enough that the choice matters.
inline constexpr int nearestThrowDeal = 1;
inline constexpr int farthestThrowDeal = 2;

struct ThrowDeal {
    Hand hand;             // 14 tiles, no winning tile
    Conditions conditions; // the winds; the table limit left at its default
    std::uint64_t seed = 0;
};

// A hand of 14 tiles from the tile set, sometimes with an exposed set, whose best throw leaves
// it nearestThrowDeal to farthestThrowDeal tiles away. A seed deals the same hand everywhere.
ThrowDeal dealThrowHand(std::uint64_t seed);

struct ThrowVerdict {
    bool right = false; // among the best: as few tiles away, as many accepted
    Phrase line;        // one sentence, right or wrong, saying why
};

// The drill's situation and question in one: "Seat wind South, prevailing wind East, table
// limit 500: which tile would you throw? Click it in the hand."
Phrase throwSituation(const Conditions& conditions);

// The verdict on throwing `chosen` from the hand whose throws are `result`.
ThrowVerdict judgeThrow(const DiscardsResult& result, Face chosen);

} // namespace hand

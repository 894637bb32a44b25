#pragma once

#include <cstdint>
#include <string>

#include "hand.h"

// Random finished hands to practise counting on. A seed says the whole hand: the draw uses
// its own generator and its own bounded draw, so a seed deals the same hand on every
// platform and compiler.
namespace hand {

// What the hand may ask of the counter, judged by the sheet the engine fills for it.
enum class DealLevel {
    SetsAndPair = 1, // nothing in the sheet's right-hand column, no flowers or seasons
    WithDoubles = 2, // doublings too, but no flowers or seasons and no limit hand
    Everything = 3,  // any hand: flowers and seasons, conditions, limit hands
};

struct Deal {
    Hand hand;             // finished, with its winning tile (+tile)
    Conditions conditions; // tablelimit left at its default 500; callers set the limit in force
    std::uint64_t seed = 0;
    DealLevel level = DealLevel::Everything;
};

// A finished hand that scoreHand reads without error, with conditions that can happen
// together: a supplementary tile only with a kong and self-picked, robbing a kong only on a
// discard (and its tile held once), no flowers or seasons on a NO FA table.
Deal deal(DealLevel level, std::uint64_t seed);

// The largest seed a deal is written with: JSON numbers are exact up to here.
inline constexpr std::uint64_t maxSeed = (std::uint64_t{1} << 53) - 1;

// A seed when none is given: the clock's nanoseconds, within maxSeed.
std::uint64_t clockSeed();

} // namespace hand

#pragma once

#include <string_view>
#include <vector>

#include "handengine.h"

// What to throw from a hand of 14 tiles: for every face among the concealed tiles, how far the
// 13 tiles left are from waiting, which draws would bring them closer, and what the waits of a
// waiting hand are worth. The rules as applied are in docs/discards.md.
namespace hand {

// A face a throw accepts, with the copies of it outside the player's own 14 tiles.
struct Accept {
    Face face;
    int left; // 1 to 4: a face with no copy left is not accepted
    friend bool operator==(const Accept&, const Accept&) = default;
};

// One choice of tile to throw. Throwing either of two alike tiles is the same choice.
struct Discard {
    Face face;
    // The fewest exchanges (one tile thrown, one drawn, never a fifth copy drawn) after which
    // the 13 tiles left wait on a face; 0 when they wait already.
    int away = 0;
    // Every face that, drawn next, leaves the hand one exchange nearer after its best throw
    // (for a waiting hand: the faces that finish it), in face order, with copies left.
    std::vector<Accept> accepts;
    int accepted = 0; // the copies left of all of them
    // For a waiting hand: its waits as findWaits gives them for the 13 tiles left.
    std::vector<Wait> waits;
};

// When `error` is not empty nothing else is meaningful.
struct DiscardsResult {
    Phrase error;
    bool complete = false; // the 14 tiles are four sets and a pair already
    // Best first: the fewest tiles away, then the most accepted, then the highest value of the
    // best wait on a discard; equal throws in face order.
    std::vector<Discard> discards;
};

// A hand to throw from is 14 tiles with a kong counted as 3 and no winning tile (+tile);
// bonus tiles do not count and cannot be thrown, nor can a declared set. Never throws on bad
// input: the error is one sentence, as the other results of the engine.
DiscardsResult findDiscards(std::string_view text, const Conditions& conditions);
DiscardsResult findDiscards(const Hand& hand, const Conditions& conditions);

// The wait a waiting hand is ranked and shown by: the highest value on a discard, a count
// that overflows below every one that counted, the first in face order among equals. An index
// into `waits`, or -1 when there is none.
int bestWait(const std::vector<Wait>& waits);

namespace detail {
// The tables of single suits are kept between calls; the benchmark forgets them to time a hand
// that finds none.
void forgetSuitTables();
} // namespace detail

} // namespace hand

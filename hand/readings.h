#pragma once

#include <array>
#include <cassert>
#include <vector>

#include "handengine.h"
#include "sheetfill.h"
#include "tiles.h"

// Finding the readings of a hand: every split of its concealed part into sets and a pair with
// the declared sets beside it, each with the group the winning tile completed, filled and
// scored. The engine chooses among them; the waits score each winning tile by them.
namespace hand::detail {

// A count that overflowed ranks below any that counted; then the higher count, then more
// fans. Equal readings keep the earlier one.
inline bool ranksAbove(const Worth& a, const Worth& b)
{
    if (a.overflow != b.overflow)
        return !a.overflow;
    if (!a.overflow && a.count != b.count)
        return a.count > b.count;
    return a.fans > b.fans;
}

// One reading as the visitors below see it.
struct Candidate {
    std::array<ReadSet, 4> sets{};
    Face pair = 0;
    int winningGroup = -1;
    Fill fill;
    Worth worth;
};

// Reads the concealed part with `winning` every way and scores each reading; `visit` sees
// every one, in the fixed order. Returns how many there were. The hand must be of the right
// size (four sets and a pair with its declared sets).
template <class Visit>
int forEachReading(const Hand& hand, Face winning, const Conditions& conditions, bool oneChance,
                   Visit&& visit)
{
    Counts concealed = hand.concealed;
    ++concealed[winning];
    // Reused, so that reading a hand allocates nothing once it has run a few times.
    thread_local std::vector<Split> splits;
    splits.clear();
    splitTiles(concealed, splits);
    if (splits.empty())
        return 0;

    Counts all = allTiles(hand);
    if (!hand.winning)
        ++all[winning];
    const Fill base = baseFill(all, hand.bonus, conditions, oneChance);
    Candidate candidate;
    int readings = 0;
    for (const Split& split : splits) {
        // The size was checked: every split holds the sets the declared ones leave over.
        assert(split.setCount + hand.declared.size() == candidate.sets.size());
        auto read = [&](int group) {
            int n = 0;
            for (int i = 0; i < split.setCount; ++i)
                candidate.sets[n++] = {split.sets[i].kind, split.sets[i].first,
                                       i == group && !conditions.selfDrawn, false};
            for (const DeclaredSet& set : hand.declared)
                candidate.sets[n++] = {set.kind, set.first, !set.concealed, true};
            candidate.pair = split.pair;
            candidate.winningGroup = group;
            candidate.fill = base;
            fillReading(candidate.fill, candidate.sets, split.pair, group, conditions);
            candidate.worth = scoreFill(candidate.fill, conditions);
            ++readings;
            visit(static_cast<const Candidate&>(candidate));
        };
        if (split.pair == winning)
            read(-1);
        for (int i = 0; i < split.setCount; ++i) {
            const Split::Set& set = split.sets[i];
            if (!contains(set.kind, set.first, winning))
                continue;
            // Two alike sets make one reading, whichever of them the tile completed.
            bool seen = false;
            for (int j = 0; j < i && !seen; ++j)
                seen = split.sets[j].kind == set.kind && split.sets[j].first == set.first;
            if (!seen)
                read(i);
        }
    }
    return readings;
}

} // namespace hand::detail

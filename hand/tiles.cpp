#include "tiles.h"

namespace hand::detail {

namespace {

// The lowest face still held must be covered by pongs of it and chows starting at it, so
// choosing how many of each (rather than one set at a time) yields every split exactly once.
template <class Done> bool coverSets(Counts& tiles, Face from, Split& split, Done&& done)
{
    Face face = from;
    while (face < faceCount && tiles[face] == 0)
        ++face;
    if (face == faceCount)
        return done(split);
    const int held = tiles[face];
    const int setsBefore = split.setCount;
    for (int pongs = held / 3; pongs >= 0; --pongs) {
        const int chows = held - 3 * pongs;
        if (setsBefore + pongs + chows > int(split.sets.size()))
            continue;
        if (chows > 0 &&
            (!canStartChow(face) || tiles[face + 1] < chows || tiles[face + 2] < chows))
            continue;
        tiles[face] = 0;
        if (chows > 0) {
            tiles[face + 1] -= chows;
            tiles[face + 2] -= chows;
        }
        for (int n = 0; n < pongs; ++n)
            split.sets[split.setCount++] = {SetKind::Pong, face};
        for (int n = 0; n < chows; ++n)
            split.sets[split.setCount++] = {SetKind::Chow, face};
        const bool stop = coverSets(tiles, face + 1, split, done);
        split.setCount = setsBefore;
        tiles[face] = std::uint8_t(held);
        if (chows > 0) {
            tiles[face + 1] += chows;
            tiles[face + 2] += chows;
        }
        if (stop)
            return true;
    }
    return false;
}

// Runs `done` on every split; stops early when it returns true.
template <class Done> bool forEachSplit(const Counts& tiles, Done&& done)
{
    Counts rest = tiles;
    Split split;
    for (Face pair = 0; pair < faceCount; ++pair) {
        if (rest[pair] < 2)
            continue;
        rest[pair] -= 2;
        split.pair = pair;
        split.setCount = 0;
        const bool stop = coverSets(rest, 0, split, done);
        rest[pair] += 2;
        if (stop)
            return true;
    }
    return false;
}

} // namespace

Counts allTiles(const Hand& hand)
{
    Counts tiles = hand.concealed;
    for (const DeclaredSet& set : hand.declared) {
        if (set.kind == SetKind::Chow) {
            for (Face face = set.first; face < set.first + 3; ++face)
                ++tiles[face];
        } else {
            tiles[set.first] += std::uint8_t(setSize(set.kind));
        }
    }
    if (hand.winning)
        ++tiles[*hand.winning];
    return tiles;
}

void splitTiles(const Counts& tiles, std::vector<Split>& out)
{
    forEachSplit(tiles, [&out](const Split& split) {
        out.push_back(split);
        return false;
    });
}

bool formsSetsAndPair(const Counts& tiles)
{
    return forEachSplit(tiles, [](const Split&) { return true; });
}

int completingFaces(const Counts& tiles, const Counts& held, std::array<Face, faceCount>& faces)
{
    int found = 0;
    Counts trial = tiles;
    for (Face face = 0; face < faceCount; ++face) {
        if (held[face] >= 4)
            continue;
        // A face with no tile of its own or of a neighbour held joins no set and no pair.
        bool near = tiles[face] > 0;
        if (!near && !isHonour(face)) {
            const int rank = rankOf(face);
            for (int step = -2; step <= 2 && !near; ++step)
                near = rank + step >= 1 && rank + step <= 9 && tiles[face + step] > 0;
        }
        if (!near)
            continue;
        ++trial[face];
        if (formsSetsAndPair(trial))
            faces[found++] = face;
        --trial[face];
    }
    return found;
}

} // namespace hand::detail

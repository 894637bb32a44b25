#include "tiles.h"

#include <algorithm>

#include "tilenames.h"

namespace hand {

int handSize(const Hand& hand)
{
    int size = 3 * int(hand.declared.size()) + (hand.winning ? 1 : 0);
    for (const std::uint8_t count : hand.concealed)
        size += count;
    return size;
}

namespace detail {

namespace {

// The lowest face still held must be covered by pongs of it and chows starting at it, so
// choosing how many of each (rather than one set at a time) yields every split exactly once.
void coverSets(Counts& tiles, Face from, Split& split, std::vector<Split>& out)
{
    Face face = from;
    while (face < faceCount && tiles[face] == 0)
        ++face;
    if (face == faceCount) {
        out.push_back(split);
        return;
    }
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
        coverSets(tiles, face + 1, split, out);
        split.setCount = setsBefore;
        tiles[face] = std::uint8_t(held);
        if (chows > 0) {
            tiles[face + 1] += chows;
            tiles[face + 2] += chows;
        }
    }
}

// Whether the ranks of one suit are sets only. At the lowest rank held, three chows starting
// there hold the same tiles as three pongs, so at most two chows need trying: the remainder
// after the pongs.
bool setsOnly(std::array<std::uint8_t, 9> ranks, int length, bool chows)
{
    for (int rank = 0; rank < length; ++rank) {
        const int left = ranks[rank] % 3;
        if (left == 0)
            continue;
        if (!chows || rank + 2 >= length || ranks[rank + 1] < left || ranks[rank + 2] < left)
            return false;
        ranks[rank + 1] -= std::uint8_t(left);
        ranks[rank + 2] -= std::uint8_t(left);
    }
    return true;
}

// Every tile of the hand per face, counted wide enough for any hand built in code, so that
// checkHand sees a fifth tile however many there are.
std::array<int, faceCount> heldTiles(const Hand& hand)
{
    std::array<int, faceCount> held{};
    std::copy(hand.concealed.begin(), hand.concealed.end(), held.begin());
    for (const DeclaredSet& set : hand.declared) {
        for (int n = 0; n < setSize(set.kind); ++n)
            ++held[set.kind == SetKind::Chow ? set.first + n : set.first];
    }
    if (hand.winning)
        ++held[*hand.winning];
    return held;
}

enum class SuitState { Sets, SetsAndPair, Broken };

SuitState suitState(const Counts& tiles, int suit)
{
    const bool honours = suit == 3;
    const int length = honours ? faceCount - firstHonour : 9;
    std::array<std::uint8_t, 9> ranks{};
    int total = 0;
    for (int rank = 0; rank < length; ++rank) {
        ranks[rank] = tiles[9 * suit + rank];
        total += ranks[rank];
    }
    if (total % 3 == 0)
        return setsOnly(ranks, length, !honours) ? SuitState::Sets : SuitState::Broken;
    if (total % 3 == 1)
        return SuitState::Broken;
    for (int pair = 0; pair < length; ++pair) {
        if (ranks[pair] < 2)
            continue;
        ranks[pair] -= 2;
        const bool fits = setsOnly(ranks, length, !honours);
        ranks[pair] += 2;
        if (fits)
            return SuitState::SetsAndPair;
    }
    return SuitState::Broken;
}

} // namespace

Counts allTiles(const Hand& hand)
{
    const std::array<int, faceCount> held = heldTiles(hand);
    Counts tiles{};
    std::copy(held.begin(), held.end(), tiles.begin());
    return tiles;
}

Phrase checkHand(const Hand& hand, WinningTile winningTile)
{
    if (hand.declared.size() > 4)
        return handPhrase(QT_TRANSLATE_NOOP("Hand", "%1 declared sets: a hand has at most 4"),
                          {plainNumber(hand.declared.size())});
    for (const DeclaredSet& set : hand.declared) {
        const bool known = set.kind == SetKind::Chow ? canStartChow(set.first)
                                                     : set.first >= 0 && set.first < faceCount;
        if (!known)
            return handPhrase(
                QT_TRANSLATE_NOOP("Hand", "a declared set is not a chow, pong or kong"));
        if (set.concealed && set.kind != SetKind::Kong)
            return handPhrase(QT_TRANSLATE_NOOP("Hand", "a concealed declared set must be a kong"));
    }
    if (hand.winning && (*hand.winning < 0 || *hand.winning >= faceCount))
        return handPhrase(QT_TRANSLATE_NOOP("Hand", "the winning tile is not a tile"));
    const std::array<int, faceCount> held = heldTiles(hand);
    for (Face face = 0; face < faceCount; ++face) {
        if (held[face] > tilesPerFace)
            return handPhrase(QT_TRANSLATE_NOOP("Hand", "%1 tiles of %2"),
                              {plainNumber(held[face]), plainText(faceText(face))});
    }
    if (winningTile == WinningTile::Required && !hand.winning)
        return handPhrase(QT_TRANSLATE_NOOP("Hand", "no winning tile: write it as +tile"));
    if (winningTile == WinningTile::Forbidden && hand.winning)
        return handPhrase(
            QT_TRANSLATE_NOOP("Hand", "a waiting hand has no winning tile: leave out +%1"),
            {plainText(faceText(*hand.winning))});
    return {};
}

void splitTiles(const Counts& tiles, std::vector<Split>& out)
{
    Counts rest = tiles;
    Split split;
    for (Face pair = 0; pair < faceCount; ++pair) {
        if (rest[pair] < 2)
            continue;
        rest[pair] -= 2;
        split.pair = pair;
        split.setCount = 0;
        coverSets(rest, 0, split, out);
        rest[pair] += 2;
    }
}

int completingFaces(const Counts& tiles, const Counts& held, std::array<Face, faceCount>& faces)
{
    // Adding a tile changes its own suit only, so the other suits are judged once.
    SuitState state[4];
    int broken = 0;
    int pairs = 0;
    for (int suit = 0; suit < 4; ++suit) {
        state[suit] = suitState(tiles, suit);
        broken += state[suit] == SuitState::Broken;
        pairs += state[suit] == SuitState::SetsAndPair;
    }
    int found = 0;
    Counts trial = tiles;
    for (Face face = 0; face < faceCount; ++face) {
        if (held[face] >= tilesPerFace)
            continue;
        const int suit = suitOf(face);
        const int brokenElsewhere = broken - (state[suit] == SuitState::Broken);
        const int pairsElsewhere = pairs - (state[suit] == SuitState::SetsAndPair);
        if (brokenElsewhere > 0 || pairsElsewhere > 1)
            continue;
        ++trial[face];
        const SuitState after = suitState(trial, suit);
        --trial[face];
        if (after != SuitState::Broken && pairsElsewhere + (after == SuitState::SetsAndPair) == 1)
            faces[found++] = face;
    }
    return found;
}

} // namespace detail

} // namespace hand

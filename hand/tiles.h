#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "hand.h"
#include "phrase.h"

// The tiles as a count per face, and the ways such counts fall into sets and a pair. Shared by
// the notation, the readings and the waits; nothing here allocates except the list of splits
// it fills.
namespace hand::detail {

using Counts = FaceCounts;

constexpr int suitOf(Face face)
{
    return face / 9; // 3 for the honours
}
constexpr int rankOf(Face face)
{
    return face % 9 + 1;
}
// The notation's letter of a suit: m, p, s, and z for the honours.
constexpr char suitLetter(int suit)
{
    return "mpsz"[suit];
}
constexpr bool isHonour(Face face)
{
    return face >= firstHonour;
}
constexpr bool isDragon(Face face)
{
    return face >= firstDragon;
}
constexpr bool isTerminal(Face face)
{
    return !isHonour(face) && (rankOf(face) == 1 || rankOf(face) == 9);
}
constexpr bool canStartChow(Face face)
{
    return face >= 0 && !isHonour(face) && rankOf(face) <= 7;
}
constexpr Face windFace(Wind wind)
{
    return firstHonour + static_cast<int>(wind);
}
constexpr int setSize(SetKind kind)
{
    return kind == SetKind::Kong ? 4 : 3;
}
constexpr bool contains(SetKind kind, Face first, Face face)
{
    return kind == SetKind::Chow ? face >= first && face <= first + 2 : face == first;
}

// A sentence of the engine, in the context the windows translate it in.
inline Phrase handPhrase(const char* pattern, std::vector<Phrase> args = {})
{
    return phrase("Hand", pattern, std::move(args));
}

// Every tile of the hand per face: the concealed part, the declared sets (a kong as four)
// and the winning tile. The hand must have passed checkHand.
Counts allTiles(const Hand& hand);

// The first fault of a hand whatever its size ("5 tiles of 3m"), or the empty text.
Phrase checkHand(const Hand& hand, WinningTile winningTile);

// One split of concealed tiles: the sets in ascending order of their lowest face, pongs
// before chows of the same face, and the pair. Only chows and pongs: kongs are declared.
struct Split {
    struct Set {
        SetKind kind;
        Face first;
    };
    std::array<Set, 4> sets{};
    int setCount = 0;
    Face pair = 0;
};

// Every split of the tiles into sets and a pair, each split once (appended to `out`), by
// the pair's face and then the sets from the lowest face.
void splitTiles(const Counts& tiles, std::vector<Split>& out);

// The faces that make the tiles sets and a pair, in face order, leaving out a face of which
// `held` counts four already. Returns how many were written to `faces`.
int completingFaces(const Counts& tiles, const Counts& held, std::array<Face, faceCount>& faces);

} // namespace hand::detail

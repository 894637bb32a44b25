#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// A hand of Mah-Jongg as the engine holds it: its tiles per face, the sets declared beside
// them, the winning tile, the flowers and seasons, and the conditions it was won under.
namespace hand {

// The 34 faces: 0-8 characters 1-9 ("1m".."9m"), 9-17 dots ("1p".."9p"), 18-26 bamboo
// ("1s".."9s"), 27-33 honours "1z".."7z": East, South, West, North, White, Green, Red dragon.
using Face = int;
inline constexpr int faceCount = 34;
inline constexpr Face firstHonour = 27;
inline constexpr Face firstDragon = 31;

// Each face is in the game this many times.
inline constexpr int tilesPerFace = 4;

// How many tiles of each face.
using FaceCounts = std::array<std::uint8_t, faceCount>;

// The bonus tiles: 0-3 flowers "1f".."4f", 4-7 seasons "1y".."4y"; flower or season n
// belongs to seat wind n.
inline constexpr int bonusCount = 8;

// In the order of play; the winds' names are in tilenames.h.
enum class Wind { East, South, West, North };

enum class SetKind { Chow, Pong, Kong };

// A set declared in the notation: [...] exposed chow, pong or kong, (....) concealed kong.
struct DeclaredSet {
    SetKind kind;
    Face first;     // the lowest face of a chow, the face of a pong or kong
    bool concealed; // only a kong can be concealed
    friend bool operator==(const DeclaredSet&, const DeclaredSet&) = default;
};

// What the notation says, independent of how it was grouped or ordered.
struct Hand {
    FaceCounts concealed{};            // the concealed part, without the winning tile
    std::vector<DeclaredSet> declared; // in the order written
    std::optional<Face> winning;       // the +tile
    std::array<bool, bonusCount> bonus{};
    friend bool operator==(const Hand&, const Hand&) = default;
};

// Whether a hand must have its winning tile (a finished hand), may have one, or must not (a
// waiting hand).
enum class WinningTile { Required, Optional, Forbidden };

// How many tiles the hand has, a declared set counted as 3 and the winning tile included: 14
// for a finished hand, 13 for a waiting one.
int handSize(const Hand& hand);

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

} // namespace hand

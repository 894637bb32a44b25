#include "deal.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "handengine.h"
#include "random.h"
#include "tiles.h"

namespace hand {

namespace {

using detail::Counts;
using detail::isDragon;
using detail::isHonour;
using detail::isTerminal;
using detail::Random;
using detail::suitOf;

// A choice among weighted options; an option of weight 0 is never taken.
template <class T> struct Weighted {
    T value;
    int weight;
};

template <class T> std::optional<T> pick(Random& random, const std::vector<Weighted<T>>& options)
{
    int total = 0;
    for (const Weighted<T>& option : options)
        total += option.weight;
    if (total == 0)
        return std::nullopt;
    int r = random.below(total);
    for (const Weighted<T>& option : options) {
        if (r < option.weight)
            return option.value;
        r -= option.weight;
    }
    return std::nullopt;
}

// The shape of a hand, drawn first, so that the rarer rows of the sheet come up as well.
enum class Style {
    Mixed,
    AllPongs,
    AllChows,
    SemiPure,
    Pure,
    TerminalsAndHonours,
    AllTerminals,
    AllHonours,
};

// Per level: Mixed, AllPongs, AllChows, SemiPure, Pure, TerminalsAndHonours, AllTerminals,
// AllHonours. The first level keeps to mixed hands, which seldom double.
constexpr std::array<std::array<int, 8>, 3> styleWeights{{
    {1, 0, 0, 0, 0, 0, 0, 0},
    {40, 14, 10, 12, 8, 8, 0, 0},
    {40, 12, 10, 12, 8, 8, 4, 4},
}};

// How often a face is taken for a pong, a kong or the pair: honours more often than their
// share, as they are what the sheet and the fan board count most.
int faceWeight(Face face)
{
    if (isDragon(face))
        return 6;
    if (isHonour(face))
        return 5;
    return isTerminal(face) ? 3 : 2;
}

struct Shape {
    Style style;
    int suit; // the one suit of a (semi) pure hand
};

bool faceAllowed(const Shape& shape, Face face)
{
    switch (shape.style) {
    case Style::SemiPure:
        return isHonour(face) || suitOf(face) == shape.suit;
    case Style::Pure:
        return !isHonour(face) && suitOf(face) == shape.suit;
    case Style::TerminalsAndHonours:
        return isHonour(face) || isTerminal(face);
    case Style::AllTerminals:
        return isTerminal(face);
    case Style::AllHonours:
        return isHonour(face);
    default:
        return true;
    }
}

bool chowsAllowed(Style style)
{
    return style == Style::Mixed || style == Style::AllChows || style == Style::SemiPure ||
           style == Style::Pure;
}

struct DrawnSet {
    SetKind kind;
    Face first;
    bool exposed;
};

// Draws the four sets, the pair and the winning tile within the counts of the tile set.
std::optional<Hand> drawTiles(Random& random, const Shape& shape)
{
    Counts used{};
    auto room = [&used](Face face, int tiles) { return used[face] + tiles <= tilesPerFace; };

    std::vector<DrawnSet> sets;
    for (int n = 0; n < 4; ++n) {
        const bool chows = chowsAllowed(shape.style);
        const bool pongs = shape.style != Style::AllChows;
        const std::vector<Weighted<SetKind>> kinds{{SetKind::Chow, chows ? 50 : 0},
                                                   {SetKind::Pong, pongs ? 40 : 0},
                                                   {SetKind::Kong, pongs ? 8 : 0}};
        const std::optional<SetKind> kind = pick(random, kinds);
        std::vector<Weighted<Face>> faces;
        for (Face face = 0; face < faceCount; ++face) {
            if (*kind == SetKind::Chow) {
                if (detail::canStartChow(face) && faceAllowed(shape, face) && room(face, 1) &&
                    room(face + 1, 1) && room(face + 2, 1))
                    faces.push_back({face, 1});
            } else if (faceAllowed(shape, face) && room(face, detail::setSize(*kind))) {
                faces.push_back({face, faceWeight(face)});
            }
        }
        const std::optional<Face> first = pick(random, faces);
        if (!first)
            return std::nullopt;
        if (*kind == SetKind::Chow) {
            for (Face face = *first; face < *first + 3; ++face)
                ++used[face];
        } else {
            used[*first] += std::uint8_t(detail::setSize(*kind));
        }
        // Kongs are declared either way; a chow or pong is shown when it was claimed.
        sets.push_back({*kind, *first, random.percent(*kind == SetKind::Kong ? 55 : 30)});
    }

    std::vector<Weighted<Face>> pairs;
    for (Face face = 0; face < faceCount; ++face) {
        if (faceAllowed(shape, face) && room(face, 2))
            pairs.push_back({face, faceWeight(face)});
    }
    const std::optional<Face> pair = pick(random, pairs);
    if (!pair)
        return std::nullopt;

    Hand hand;
    hand.concealed[*pair] += 2;
    // The winning tile completes the pair or a set held in the hand: -1 is the pair.
    std::vector<Weighted<int>> winningGroups{{-1, 1}};
    for (int i = 0; i < 4; ++i) {
        const DrawnSet& set = sets[i];
        if (set.kind == SetKind::Kong || set.exposed) {
            hand.declared.push_back(
                {set.kind, set.first, set.kind == SetKind::Kong && !set.exposed});
            continue;
        }
        winningGroups.push_back({i, 1});
        if (set.kind == SetKind::Chow) {
            for (Face face = set.first; face < set.first + 3; ++face)
                ++hand.concealed[face];
        } else {
            hand.concealed[set.first] += 3;
        }
    }
    const int group = *pick(random, winningGroups);
    Face winning = *pair;
    if (group >= 0)
        winning = sets[group].first + (sets[group].kind == SetKind::Chow ? random.below(3) : 0);
    --hand.concealed[winning];
    hand.winning = winning;
    return hand;
}

bool holdsKong(const Hand& hand)
{
    for (const DeclaredSet& set : hand.declared) {
        if (set.kind == SetKind::Kong)
            return true;
    }
    return false;
}

// How the winning tile came: from the wall, as its last tile, as a supplementary tile after
// a kong, or robbed from a kong. Only one of these at a time.
enum class Origin { Ordinary, LastTile, Supplement, RobbingKong };

Conditions drawConditions(Random& random, Hand& hand, DealLevel level)
{
    Conditions conditions;
    conditions.seat = Wind(random.below(4));
    conditions.round = Wind(random.below(4));
    conditions.selfDrawn = random.percent(40);
    if (level == DealLevel::SetsAndPair)
        return conditions;

    // Another player's pong made a kong with the tile: no other tile of its face is left.
    const bool robbable = !conditions.selfDrawn &&
                          detail::allTiles(hand)[static_cast<std::size_t>(*hand.winning)] == 1;
    const std::vector<Weighted<Origin>> origins{
        {Origin::Ordinary, 85},
        {Origin::LastTile, 6},
        {Origin::Supplement, conditions.selfDrawn && holdsKong(hand) ? 30 : 0},
        {Origin::RobbingKong, robbable ? 12 : 0}};
    const Origin origin = *pick(random, origins);
    conditions.lastTile = origin == Origin::LastTile;
    conditions.supplement = origin == Origin::Supplement;
    conditions.robbingKong = origin == Origin::RobbingKong;

    conditions.noFaTable = random.percent(5);
    if (level != DealLevel::Everything || conditions.noFaTable)
        return conditions;

    // How many flowers and seasons: none, a few, or a whole set of four (an FA kong) and a
    // few of the other set.
    const std::vector<Weighted<int>> counts{{0, 34}, {1, 24}, {2, 17}, {3, 10}, {4, 7}, {-1, 8}};
    const int count = *pick(random, counts);
    std::vector<int> free;
    const int kong = count < 0 ? random.below(2) : -1;
    for (int n = 0; n < bonusCount; ++n) {
        if (n / 4 == kong)
            hand.bonus[n] = true;
        else
            free.push_back(n);
    }
    // The first `taken` of a partial shuffle: each choice of that many equally likely.
    const int taken = count < 0 ? random.below(3) : count;
    for (int n = 0; n < taken; ++n) {
        std::swap(free[n], free[n + random.below(int(free.size()) - n)]);
        hand.bonus[free[n]] = true;
    }
    return conditions;
}

// Whether the sheet and the flowers counter of the scored hand keep to the level.
bool keepsToLevel(const HandResult& result, DealLevel level)
{
    if (level == DealLevel::Everything)
        return true;
    if (result.flowers != 0)
        return false;
    for (const SheetRow& row : handSheet) {
        const bool forbidden = level == DealLevel::SetsAndPair
                                   ? row.column == SheetColumn::Right
                                   : row.effect == RowEffect::ReplaceByLimit;
        for (int box = row.firstBox; forbidden && box < row.firstBox + row.boxCount; ++box) {
            if (result.boxes[box] == 1)
                return false;
        }
    }
    return true;
}

std::optional<Deal> drawDeal(Random& random, DealLevel level)
{
    const int levelIndex = static_cast<int>(level) - 1;
    std::vector<Weighted<Style>> styles;
    for (int n = 0; n < 8; ++n)
        styles.push_back({Style(n), styleWeights[levelIndex][n]});
    const Shape shape{*pick(random, styles), random.below(3)};
    std::optional<Hand> hand = drawTiles(random, shape);
    if (!hand)
        return std::nullopt;
    Deal drawn;
    drawn.conditions = drawConditions(random, *hand, level);
    drawn.hand = std::move(*hand);
    drawn.level = level;
    const HandResult result = scoreHand(drawn.hand, drawn.conditions);
    if (!result.error.empty() || !keepsToLevel(result, level))
        return std::nullopt;
    return drawn;
}

} // namespace

Deal deal(DealLevel level, std::uint64_t seed)
{
    Random random(seed);
    // Every level takes most of its draws; one that does not keep to it is drawn again.
    for (;;) {
        std::optional<Deal> drawn = drawDeal(random, level);
        if (drawn) {
            drawn->seed = seed;
            return *drawn;
        }
    }
}

std::uint64_t clockSeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::nanoseconds(now).count()) & maxSeed;
}

} // namespace hand

#include "handengine.h"

#include <cassert>
#include <string>
#include <string_view>
#include <vector>

#include "checkedmath.h"
#include "fancount.h"
#include "pointscount.h"
#include "pointsworking.h"
#include "tiles.h"

namespace hand {

namespace {

using detail::Counts;
using detail::isDragon;
using detail::isHonour;
using detail::isTerminal;
using detail::Split;

// The sheet's rows and the fan counter's tiles and boxes are found in their own tables by
// caption, so a renumbered box cannot go unnoticed here.
constexpr int sheetRow(std::string_view caption)
{
    for (std::size_t row = 0; row < handSheet.size(); ++row) {
        if (caption == handSheet[row].caption)
            return int(row);
    }
    return -1;
}

constexpr int fanCheck(std::string_view caption)
{
    for (const ConditionBox& box : conditionBoxes) {
        if (caption == box.caption)
            return box.check;
    }
    return -1;
}

constexpr int fanPicture(TileRow row, TileFace face)
{
    for (const Tile& tile : tiles) {
        if (tile.row == row && tile.face == face)
            return tile.picture;
    }
    return -1;
}

constexpr int pairRow = sheetRow("pair of dragons/prev./seatwind");
constexpr int selfPickRow = sheetRow("self pick to MJ");
constexpr int oneChanceRow = sheetRow("winning with a one chance tile");
constexpr int allPongsRow = sheetRow("all pongs");
constexpr int worthlessRow = sheetRow("worthless hand");
constexpr int semiPureRow = sheetRow("semi pure");
constexpr int pureRow = sheetRow("pure");
constexpr int terminalsAndHonoursRow = sheetRow("all terminals and honors");
constexpr int allTerminalsRow = sheetRow("all terminals");
constexpr int allHonoursRow = sheetRow("all honors");
constexpr int ownSeatRow = sheetRow("FA from own seat");
constexpr int faKongRow = sheetRow("FA kong");
constexpr int closedDragonsRow = sheetRow("closed pong/kong dragons");
constexpr int closedWindsRow = sheetRow("Closed pong/kong prev/seat wind");
constexpr int mjOnPongRow = sheetRow("MJ on a PONG of dragons/prev /seat wind");
constexpr int lastTileRow = sheetRow("Going out on last tile");
constexpr int supplementRow = sheetRow("Going out on supplementary tile");

// The pong and kong rows by the set's tiles (2-8, 1 or 9, honour), then by kind and state:
// open pong, closed pong, open kong, closed kong.
constexpr std::array<std::array<int, 4>, 3> setRows{{
    {sheetRow("open pong 2-8"), sheetRow("closed pong 2-8"), sheetRow("open kong 2-8"),
     sheetRow("closed kong 2-8")},
    {sheetRow("open pong 1 or 9"), sheetRow("closed pong 1 or 9"), sheetRow("open kong  1 or 9"),
     sheetRow("closed kong 1 or 9")},
    {sheetRow("open pong honor"), sheetRow("closed pong honor"), sheetRow("open kong honor"),
     sheetRow("closed kong honor")},
}};

constexpr int allPungsCheck = fanCheck("All Pungs");
constexpr int allChowsCheck = fanCheck("All Chows");
constexpr int semiPureCheck = fanCheck("Semi Pure");
constexpr int pureCheck = fanCheck("Pure");
constexpr int allTerminalsCheck = fanCheck("All Terminals");
constexpr int allHonoursCheck = fanCheck("All Honors");
constexpr int lastTileCheck = fanCheck("Last tile");
constexpr int selfPickCheck = fanCheck("Self Pick");
constexpr int supplementCheck = fanCheck("MJ on Suplement tile");
constexpr int robbingKongCheck = fanCheck("MJ on robbing kong");
constexpr int noFaCheck = fanCheck("Im playing a NO FA table");

constexpr bool allFound()
{
    for (int found : {pairRow,          selfPickRow,       oneChanceRow,     allPongsRow,
                      worthlessRow,     semiPureRow,       pureRow,          terminalsAndHonoursRow,
                      allTerminalsRow,  allHonoursRow,     ownSeatRow,       faKongRow,
                      closedDragonsRow, closedWindsRow,    mjOnPongRow,      lastTileRow,
                      supplementRow,    allPungsCheck,     allChowsCheck,    semiPureCheck,
                      pureCheck,        allTerminalsCheck, allHonoursCheck,  lastTileCheck,
                      selfPickCheck,    supplementCheck,   robbingKongCheck, noFaCheck}) {
        if (found < 0)
            return false;
    }
    for (const auto& rows : setRows) {
        for (int row : rows) {
            if (row < 0)
                return false;
        }
    }
    return true;
}
static_assert(allFound(), "a row or box caption is missing from the sheet or the board");

// The fan counter's pictures of a wind (East, South, West, North) in a row, and of a dragon.
constexpr int windPicture(TileRow row, int wind)
{
    return fanPicture(row, TileFace(int(TileFace::East) + wind));
}

constexpr int dragonPicture(Face face)
{
    // 5z White, 6z Green, 7z Red; the board's dragon row runs White, Red, Green.
    constexpr std::array<TileFace, 3> dragons{TileFace::WhiteDragon, TileFace::GreenDragon,
                                              TileFace::RedDragon};
    return fanPicture(TileRow::DragonPong, dragons[face - firstDragon]);
}

constexpr int bonusPicture(int bonus)
{
    return bonus < 4 ? fanPicture(TileRow::Flowers, TileFace(int(TileFace::Flower1) + bonus))
                     : fanPicture(TileRow::Seasons, TileFace(int(TileFace::Season1) + bonus - 4));
}

static_assert(dragonPicture(firstDragon) == 13 && dragonPicture(firstDragon + 2) == 14 &&
              dragonPicture(firstDragon + 1) == 15 && windPicture(TileRow::WindPong, 3) == 12 &&
              bonusPicture(0) == 16 && bonusPicture(7) == 23);

// What one reading puts on the sheet and the board. The boxes of a row are ticked from its
// first box on.
struct Fill {
    BoxValues boxes{};
    std::array<std::uint8_t, handSheet.size()> ticked{};
    std::int32_t flowers = 0;
    TileSelection fanTiles{};
    FanBoxValues fanBoxes{};

    void tick(int row)
    {
        const SheetRow& sheetRow = handSheet[row];
        if (ticked[row] < sheetRow.boxCount)
            boxes[sheetRow.firstBox + ticked[row]++] = 1;
    }
    void tickIf(bool condition, int row)
    {
        if (condition)
            tick(row);
    }
    void select(int picture) { fanTiles[picture - 1] = true; }
    void tickFanIf(bool condition, int check)
    {
        if (condition)
            fanBoxes[check] = 1;
    }
};

// What the whole hand and the conditions fill, the same for every reading.
Fill baseFill(const Counts& held, const std::array<bool, bonusCount>& bonus,
              const Conditions& conditions, bool oneChance)
{
    bool anyHonour = false;
    bool anyTerminal = false;
    bool anySimple = false;
    int suits = 0;
    for (Face face = 0; face < faceCount; ++face) {
        if (held[face] == 0)
            continue;
        if (isHonour(face)) {
            anyHonour = true;
        } else {
            suits |= 1 << detail::suitOf(face);
            (isTerminal(face) ? anyTerminal : anySimple) = true;
        }
    }
    const bool oneSuit = suits == 1 || suits == 2 || suits == 4;

    Fill fill;
    fill.boxes[eastBox] = conditions.seat == Wind::East ? 1 : 0;
    fill.tickIf(conditions.selfDrawn, selfPickRow);
    fill.tickIf(oneChance, oneChanceRow);
    const bool semiPure = oneSuit && anyHonour;
    const bool pure = oneSuit && !anyHonour;
    const bool allTerminals = suits != 0 && !anySimple && !anyHonour;
    const bool allHonours = suits == 0 && anyHonour;
    fill.tickIf(semiPure, semiPureRow);
    fill.tickIf(pure, pureRow);
    fill.tickIf(!anySimple && anyTerminal && anyHonour, terminalsAndHonoursRow);
    fill.tickIf(allTerminals, allTerminalsRow);
    fill.tickIf(allHonours, allHonoursRow);

    const int seat = static_cast<int>(conditions.seat);
    for (int n = 0; n < bonusCount; ++n) {
        if (bonus[n]) {
            ++fill.flowers;
            fill.select(bonusPicture(n));
        }
    }
    fill.tickIf(bonus[seat], ownSeatRow);
    fill.tickIf(bonus[4 + seat], ownSeatRow);
    fill.tickIf(bonus[0] && bonus[1] && bonus[2] && bonus[3], faKongRow);
    fill.tickIf(bonus[4] && bonus[5] && bonus[6] && bonus[7], faKongRow);
    fill.tickIf(conditions.lastTile, lastTileRow);
    fill.tickIf(conditions.supplement, supplementRow);

    fill.select(windPicture(TileRow::PrevailingWind, static_cast<int>(conditions.round)));
    fill.select(windPicture(TileRow::SeatWind, seat));
    fill.tickFanIf(semiPure, semiPureCheck);
    fill.tickFanIf(pure, pureCheck);
    fill.tickFanIf(allTerminals, allTerminalsCheck);
    fill.tickFanIf(allHonours, allHonoursCheck);
    fill.tickFanIf(conditions.lastTile, lastTileCheck);
    fill.tickFanIf(conditions.selfDrawn, selfPickCheck);
    fill.tickFanIf(conditions.supplement, supplementCheck);
    fill.tickFanIf(conditions.robbingKong, robbingKongCheck);
    fill.tickFanIf(conditions.noFaTable, noFaCheck);
    return fill;
}

// Adds what the reading's sets and pair fill.
void fillReading(Fill& fill, const std::array<ReadSet, 4>& sets, Face pair, int winningGroup,
                 const Conditions& conditions)
{
    const Face seat = detail::windFace(conditions.seat);
    const Face round = detail::windFace(conditions.round);
    auto valued = [&](Face face) { return isDragon(face) || face == seat || face == round; };
    int chows = 0;
    for (const ReadSet& set : sets) {
        if (set.kind == SetKind::Chow) {
            ++chows;
            continue;
        }
        const int tileClass = isHonour(set.first) ? 2 : isTerminal(set.first) ? 1 : 0;
        fill.tick(setRows[tileClass][(set.kind == SetKind::Kong ? 2 : 0) + (set.open ? 0 : 1)]);
        if (!isHonour(set.first))
            continue;
        if (isDragon(set.first)) {
            fill.select(dragonPicture(set.first));
            fill.tickIf(!set.open, closedDragonsRow);
        } else {
            fill.select(windPicture(TileRow::WindPong, set.first - firstHonour));
            fill.tickIf(!set.open && set.first == round, closedWindsRow);
            fill.tickIf(!set.open && set.first == seat, closedWindsRow);
        }
    }
    fill.tickIf(valued(pair), pairRow);
    fill.tickIf(chows == 0, allPongsRow);
    fill.tickFanIf(chows == 0, allPungsCheck);
    fill.tickFanIf(chows == 4, allChowsCheck);
    fill.tickIf(chows == 4 && !valued(pair), worthlessRow);
    fill.tickIf(winningGroup >= 0 && sets[winningGroup].kind == SetKind::Pong &&
                    valued(sets[winningGroup].first),
                mjOnPongRow);
}

Worth score(const Fill& fill, const Conditions& conditions)
{
    Worth worth;
    std::int32_t points = 0;
    try {
        countPoints(fill.boxes, fill.flowers, conditions.tablelimit, points);
        worth.count = points;
        worth.value =
            cappedValue(points, conditions.tablelimit) * eastFactor(fill.boxes[eastBox] == 1);
    } catch (const OverflowError&) {
        worth.overflow = true;
    }
    worth.fans = countFans(fill.fanTiles, fill.fanBoxes);
    worth.maximum = fill.fanBoxes[allTerminalsCheck] == 1 || fill.fanBoxes[allHonoursCheck] == 1;
    return worth;
}

// A count that overflowed ranks below any that counted; then the higher count, then more
// fans. Equal readings keep the earlier one.
bool ranksAbove(const Worth& a, const Worth& b)
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
    detail::splitTiles(concealed, splits);
    if (splits.empty())
        return 0;

    Counts all = detail::allTiles(hand);
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
            candidate.worth = score(candidate.fill, conditions);
            ++readings;
            visit(static_cast<const Candidate&>(candidate));
        };
        if (split.pair == winning)
            read(-1);
        for (int i = 0; i < split.setCount; ++i) {
            const Split::Set& set = split.sets[i];
            if (!detail::contains(set.kind, set.first, winning))
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

Reading toReading(const Candidate& candidate)
{
    return {{candidate.sets.begin(), candidate.sets.end()}, candidate.pair, candidate.winningGroup};
}

Phrase sizeError(int size, int wanted)
{
    // Whole sentences: the number, the noun and what follows agree in every language.
    static constexpr std::array<std::array<const char*, 4>, 2> sentences{{
        {QT_TRANSLATE_NOOP("Hand", "1 tile more: a finished hand is 4 sets and a pair, 14 tiles "
                                   "with a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand", "%1 tiles more: a finished hand is 4 sets and a pair, 14 "
                                   "tiles with a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand", "1 tile too many: a finished hand is 4 sets and a pair, 14 "
                                   "tiles with a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand", "%1 tiles too many: a finished hand is 4 sets and a pair, 14 "
                                   "tiles with a kong counted as 3")},
        {QT_TRANSLATE_NOOP("Hand", "1 tile more: a waiting hand is 13 tiles, a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand",
                           "%1 tiles more: a waiting hand is 13 tiles, a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand",
                           "1 tile too many: a waiting hand is 13 tiles, a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand",
                           "%1 tiles too many: a waiting hand is 13 tiles, a kong counted as 3")},
    }};
    const int missing = wanted - size;
    const int n = missing > 0 ? missing : -missing;
    const int which = (missing > 0 ? 0 : 2) + (n == 1 ? 0 : 1);
    return phrase("Hand", sentences[wanted == 14 ? 0 : 1][which], {plainNumber(n)});
}

Phrase notSetsAndPair()
{
    return phrase("Hand", QT_TRANSLATE_NOOP("Hand", "not 4 sets and a pair: special hands such "
                                                    "as seven pairs are not scored"));
}

// The faces that finish the hand's concealed part, leaving out those held four times.
int waitingFaces(const Hand& hand, std::array<Face, faceCount>& faces)
{
    Counts held = detail::allTiles(hand);
    if (hand.winning)
        --held[*hand.winning];
    return detail::completingFaces(hand.concealed, held, faces);
}

// Winds come from the front ends as they are; one out of range would index past the board.
Phrase conditionsError(const Conditions& conditions)
{
    auto known = [](Wind wind) { return int(wind) >= 0 && int(wind) <= int(Wind::North); };
    if (!known(conditions.seat) || !known(conditions.round))
        return phrase("Hand",
                      QT_TRANSLATE_NOOP("Hand", "a wind is not East, South, West or North"));
    return {};
}

// The hand's first fault, or the empty text: a finished hand has 14 tiles with its winning
// tile, a waiting one 13 without.
Phrase handError(const Hand& hand, const Conditions& conditions, WinningTile winningTile,
                 int wanted)
{
    Phrase error = conditionsError(conditions);
    if (error.empty())
        error = detail::checkHand(hand, winningTile);
    if (error.empty() && handSize(hand) != wanted)
        error = sizeError(handSize(hand), wanted);
    return error;
}

bool isOneChance(const Hand& hand)
{
    std::array<Face, faceCount> faces{};
    return waitingFaces(hand, faces) == 1;
}

} // namespace

int handSize(const Hand& hand)
{
    int size = 3 * int(hand.declared.size()) + (hand.winning ? 1 : 0);
    for (const std::uint8_t count : hand.concealed)
        size += count;
    return size;
}

HandResult readHand(std::string_view text, const Conditions& conditions)
{
    ParsedHand parsed = parseHand(text, WinningTile::Required);
    if (!parsed.error.empty()) {
        HandResult result;
        result.error = std::move(parsed.error);
        return result;
    }
    return scoreHand(parsed.hand, conditions);
}

HandResult scoreHand(const Hand& hand, const Conditions& conditions)
{
    HandResult result;
    result.error = handError(hand, conditions, WinningTile::Required, 14);
    if (!result.error.empty())
        return result;
    result.hand = hand;

    Candidate best;
    result.readings = forEachReading(hand, *hand.winning, conditions, isOneChance(hand),
                                     [&best, first = true](const Candidate& candidate) mutable {
                                         if (first || ranksAbove(candidate.worth, best.worth))
                                             best = candidate;
                                         first = false;
                                     });
    if (result.readings == 0) {
        result.error = notSetsAndPair();
        return result;
    }
    result.reading = toReading(best);
    result.boxes = best.fill.boxes;
    result.flowers = best.fill.flowers;
    result.fanTiles = best.fill.fanTiles;
    result.fanBoxes = best.fill.fanBoxes;
    result.count = best.worth.count;
    result.value = best.worth.value;
    result.maximum = best.worth.maximum;
    result.overflow = best.worth.overflow;
    // The working of the chosen reading only, from the same two counts.
    ExplainedCount explained = explainCount(result.boxes, result.flowers, conditions.tablelimit,
                                            result.boxes[eastBox] == 1);
    result.countWorking = std::move(explained.countLines);
    result.valueWorking = std::move(explained.valueLines);
    result.fans = countFans(result.fanTiles, result.fanBoxes, &result.fanWorking);
    return result;
}

std::vector<ScoredReading> allReadings(const Hand& hand, const Conditions& conditions)
{
    std::vector<ScoredReading> readings;
    if (!handError(hand, conditions, WinningTile::Required, 14).empty())
        return readings;
    forEachReading(hand, *hand.winning, conditions, isOneChance(hand),
                   [&readings](const Candidate& candidate) {
                       readings.push_back({toReading(candidate), candidate.worth});
                   });
    return readings;
}

WaitsResult findWaits(std::string_view text, const Conditions& conditions)
{
    ParsedHand parsed = parseHand(text, WinningTile::Forbidden);
    if (!parsed.error.empty()) {
        WaitsResult result;
        result.error = std::move(parsed.error);
        return result;
    }
    return findWaits(parsed.hand, conditions);
}

WaitsResult findWaits(const Hand& hand, const Conditions& conditions)
{
    WaitsResult result;
    result.error = handError(hand, conditions, WinningTile::Forbidden, 13);
    if (!result.error.empty())
        return result;

    std::array<Face, faceCount> faces{};
    const int count = waitingFaces(hand, faces);
    // Every wait shares the other 13 tiles, so one of them is a one-chance win exactly when
    // it is the only one.
    const bool oneChance = count == 1;
    auto bestWorth = [&](Face face, bool selfDrawn) {
        Conditions won = conditions;
        won.selfDrawn = selfDrawn;
        Worth best;
        forEachReading(hand, face, won, oneChance,
                       [&best, first = true](const Candidate& candidate) mutable {
                           if (first || ranksAbove(candidate.worth, best))
                               best = candidate.worth;
                           first = false;
                       });
        return best;
    };
    result.waits.reserve(count);
    for (int i = 0; i < count; ++i)
        result.waits.push_back({faces[i], bestWorth(faces[i], false), bestWorth(faces[i], true)});
    return result;
}

} // namespace hand

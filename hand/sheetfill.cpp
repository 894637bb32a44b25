#include "sheetfill.h"

#include <string_view>

#include "checkedmath.h"
#include "pointscount.h"

namespace hand::detail {

namespace {

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

} // namespace

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
            suits |= 1 << suitOf(face);
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

void fillReading(Fill& fill, const std::array<ReadSet, 4>& sets, Face pair, int winningGroup,
                 const Conditions& conditions)
{
    const Face seat = windFace(conditions.seat);
    const Face round = windFace(conditions.round);
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

Worth scoreFill(const Fill& fill, const Conditions& conditions)
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

} // namespace hand::detail

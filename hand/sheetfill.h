#pragma once

#include <array>
#include <cstdint>

#include "fancount.h"
#include "handengine.h"
#include "handsheet.h"
#include "tiles.h"

// What a reading puts on the calculator's sheet and the fan counter's board, and what that
// is worth by their own counts. The readings and the waits fill; nothing here finds a reading.
namespace hand::detail {

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
              const Conditions& conditions, bool oneChance);

// Adds what the reading's sets and pair fill.
void fillReading(Fill& fill, const std::array<ReadSet, 4>& sets, Face pair, int winningGroup,
                 const Conditions& conditions);

// The count, the value and the fans of a fill, by the calculator's and the fan counter's
// counts; an overflowing count leaves count and value 0.
Worth scoreFill(const Fill& fill, const Conditions& conditions);

} // namespace hand::detail

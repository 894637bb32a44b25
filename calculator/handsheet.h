#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "phrase.h"

// The hand sheet, one entry per row: what the row looks like and what its boxes do to the
// count. The window lays itself out from this table and the count runs down it, so a row
// is described in one place only.

enum class SheetColumn { Left, Right };

enum class RowEffect {
    Add,            // each ticked box adds `amount`
    Multiply,       // each ticked box multiplies by `amount`
    ReplaceByLimit, // each ticked box replaces the count by the table limit
    AddFlowers,     // no boxes: always adds 4 times the flowers and seasons
};

struct SheetRow {
    const char* caption; // English, translated in the context "HandSheet"
    int captionLabel;    // Label number of the row caption
    int firstBox;        // Check number of the first box; the boxes are numbered in a run
    int boxCount;
    RowEffect effect;
    int amount;
    SheetColumn column;
    int topTwips;
    int hintButton = 0; // Command number of a "?" standing after the boxes, 0 for none
    int hintLeftTwips = 0;
};

// In counting order: the left column top to bottom, then the right column.
inline constexpr std::array<SheetRow, 30> handSheet{{
    {QT_TRANSLATE_NOOP("HandSheet", "open pong 2-8"), 5, 2, 4, RowEffect::Add, 2, SheetColumn::Left,
     840},
    {QT_TRANSLATE_NOOP("HandSheet", "closed pong 2-8"), 6, 6, 4, RowEffect::Add, 4,
     SheetColumn::Left, 1200},
    {QT_TRANSLATE_NOOP("HandSheet", "open kong 2-8"), 7, 10, 4, RowEffect::Add, 8,
     SheetColumn::Left, 1560},
    {QT_TRANSLATE_NOOP("HandSheet", "closed kong 2-8"), 8, 14, 4, RowEffect::Add, 16,
     SheetColumn::Left, 1920},
    {QT_TRANSLATE_NOOP("HandSheet", "open pong 1 or 9"), 9, 18, 4, RowEffect::Add, 4,
     SheetColumn::Left, 2400},
    {QT_TRANSLATE_NOOP("HandSheet", "closed pong 1 or 9"), 10, 22, 4, RowEffect::Add, 8,
     SheetColumn::Left, 2760},
    {QT_TRANSLATE_NOOP("HandSheet", "open kong  1 or 9"), 11, 26, 4, RowEffect::Add, 16,
     SheetColumn::Left, 3120},
    {QT_TRANSLATE_NOOP("HandSheet", "closed kong 1 or 9"), 12, 30, 4, RowEffect::Add, 32,
     SheetColumn::Left, 3480},
    {QT_TRANSLATE_NOOP("HandSheet", "open pong honor"), 13, 34, 4, RowEffect::Add, 4,
     SheetColumn::Left, 3960},
    {QT_TRANSLATE_NOOP("HandSheet", "closed pong honor"), 14, 38, 4, RowEffect::Add, 8,
     SheetColumn::Left, 4320, 1, 4200},
    {QT_TRANSLATE_NOOP("HandSheet", "open kong honor"), 15, 42, 4, RowEffect::Add, 16,
     SheetColumn::Left, 4680},
    {QT_TRANSLATE_NOOP("HandSheet", "closed kong honor"), 16, 46, 4, RowEffect::Add, 32,
     SheetColumn::Left, 5040, 2, 4200},
    {QT_TRANSLATE_NOOP("HandSheet", "pair of dragons/prev./seatwind"), 17, 50, 1, RowEffect::Add, 2,
     SheetColumn::Left, 5520},
    {QT_TRANSLATE_NOOP("HandSheet", "self pick to MJ"), 19, 52, 1, RowEffect::Add, 2,
     SheetColumn::Left, 5880},
    {QT_TRANSLATE_NOOP("HandSheet", "winning with a one chance tile"), 20, 53, 1, RowEffect::Add, 2,
     SheetColumn::Left, 6240},
    {QT_TRANSLATE_NOOP("HandSheet", "all pongs"), 21, 54, 1, RowEffect::Multiply, 2,
     SheetColumn::Right, 840},
    {QT_TRANSLATE_NOOP("HandSheet", "worthless hand"), 22, 55, 1, RowEffect::Multiply, 2,
     SheetColumn::Right, 1200, 3, 8280},
    {QT_TRANSLATE_NOOP("HandSheet", "semi pure"), 23, 56, 1, RowEffect::Multiply, 2,
     SheetColumn::Right, 1680},
    {QT_TRANSLATE_NOOP("HandSheet", "pure"), 24, 57, 1, RowEffect::Multiply, 8, SheetColumn::Right,
     2040},
    {QT_TRANSLATE_NOOP("HandSheet", "all terminals and honors"), 25, 58, 1, RowEffect::Multiply, 2,
     SheetColumn::Right, 2520},
    {QT_TRANSLATE_NOOP("HandSheet", "all terminals"), 26, 59, 1, RowEffect::ReplaceByLimit, 0,
     SheetColumn::Right, 2880},
    {QT_TRANSLATE_NOOP("HandSheet", "all honors"), 27, 60, 1, RowEffect::ReplaceByLimit, 0,
     SheetColumn::Right, 3240},
    {QT_TRANSLATE_NOOP("HandSheet", "flowers and seasons"), 28, 0, 0, RowEffect::AddFlowers, 4,
     SheetColumn::Right, 3720},
    {QT_TRANSLATE_NOOP("HandSheet", "FA from own seat"), 29, 61, 2, RowEffect::Multiply, 2,
     SheetColumn::Right, 4080},
    {QT_TRANSLATE_NOOP("HandSheet", "FA kong"), 30, 63, 2, RowEffect::Multiply, 8,
     SheetColumn::Right, 4440},
    {QT_TRANSLATE_NOOP("HandSheet", "closed pong/kong dragons"), 31, 65, 3, RowEffect::Multiply, 2,
     SheetColumn::Right, 4920},
    {QT_TRANSLATE_NOOP("HandSheet", "Closed pong/kong prev/seat wind"), 32, 68, 2,
     RowEffect::Multiply, 2, SheetColumn::Right, 5280},
    {QT_TRANSLATE_NOOP("HandSheet", "MJ on a PONG of dragons/prev /seat wind"), 35, 70, 1,
     RowEffect::Multiply, 2, SheetColumn::Right, 5760},
    {QT_TRANSLATE_NOOP("HandSheet", "Going out on last tile"), 33, 71, 1, RowEffect::Multiply, 2,
     SheetColumn::Right, 6120},
    {QT_TRANSLATE_NOOP("HandSheet", "Going out on supplementary tile"), 34, 72, 1,
     RowEffect::Multiply, 2, SheetColumn::Right, 6480},
}};

inline constexpr const char* handSheetContext = "HandSheet";

// Check boxes are numbered 1 to 72 without 51; Check1 is the East box.
inline constexpr int eastBox = 1;
inline constexpr int lastBox = 72;
inline constexpr int missingBox = 51;

// The rows' boxes follow on from Check2 to Check72 in counting order, each row's run where the
// row before it ends, with the one gap the design has.
constexpr bool boxesFollowOn()
{
    int next = eastBox + 1;
    for (const SheetRow& row : handSheet) {
        if (row.effect == RowEffect::AddFlowers) {
            if (row.boxCount != 0 || row.firstBox != 0)
                return false;
            continue;
        }
        if (row.firstBox == missingBox + 1 && next == missingBox)
            next = missingBox + 1;
        if (row.boxCount < 1 || row.firstBox != next ||
            (row.firstBox <= missingBox && missingBox < row.firstBox + row.boxCount))
            return false;
        next = row.firstBox + row.boxCount;
    }
    return next == lastBox + 1;
}
static_assert(boxesFollowOn(), "a row of the hand sheet has a box too many or too few, or a box "
                               "number that does not follow on from the row before");

// The left column first, each column top to bottom; caption labels and hint buttons used once.
constexpr bool rowsInCountingOrder()
{
    std::array<int, 40> labelUses{};
    std::array<int, 8> hintUses{};
    for (std::size_t i = 0; i < handSheet.size(); ++i) {
        const SheetRow& row = handSheet[i];
        if (i > 0) {
            const SheetRow& above = handSheet[i - 1];
            if (above.column == SheetColumn::Right && row.column == SheetColumn::Left)
                return false;
            if (above.column == row.column && above.topTwips >= row.topTwips)
                return false;
        }
        if (row.captionLabel < 5 || row.captionLabel > 35 || ++labelUses[row.captionLabel] > 1)
            return false;
        if (row.hintButton != 0 && (row.hintButton > 3 || ++hintUses[row.hintButton] > 1))
            return false;
    }
    return true;
}
static_assert(rowsInCountingOrder(), "the hand sheet's rows are out of order, or a caption label "
                                     "or hint button is used twice");

// Which numbers are check boxes of the sheet, read off the rows.
inline constexpr std::array<bool, lastBox + 1> sheetBoxes = [] {
    std::array<bool, lastBox + 1> boxes{};
    boxes[eastBox] = true;
    for (const SheetRow& row : handSheet) {
        for (int n = row.firstBox; n < row.firstBox + row.boxCount; ++n)
            boxes[n] = true;
    }
    return boxes;
}();

constexpr bool isSheetBox(int number)
{
    return number >= 1 && number <= lastBox && sheetBoxes[number];
}

// Box values indexed by check box number; only the value 1 counts as ticked.
using BoxValues = std::array<std::uint8_t, lastBox + 1>;

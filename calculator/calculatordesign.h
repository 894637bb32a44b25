#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "designscale.h"
#include "handsheet.h"

// The calculator window as designed, in twips: where its controls stand, and every caption
// with its rectangle. The window builds itself from this, and start-up measures the captions
// against it.

inline constexpr int calculatorClientWidth = 9120;
inline constexpr int calculatorClientHeight = 7095;

inline constexpr int controlSize = 255; // boxes, the counter and the small buttons; every line
inline constexpr int boxSpacing = 240;
inline constexpr int topLineTop = 240;
inline constexpr int bottomLineTop = 6720;

struct ColumnPlaces {
    int captionLeft;
    int captionWidth;
    int boxesLeft;
};

constexpr ColumnPlaces columnPlaces(SheetColumn column)
{
    return column == SheetColumn::Left ? ColumnPlaces{120, 2895, 3120}
                                       : ColumnPlaces{4680, 3135, 7920};
}

// The flowers row has a counter where other rows have boxes: "--", the count, "+".
inline constexpr int flowersDownButton = 4;
inline constexpr int flowersCountLabel = 36;
inline constexpr int flowersUpButton = 5;
inline constexpr int flowersDownLeft = 7920;
inline constexpr int flowersCountLeft = 8280;
inline constexpr int flowersUpLeft = 8640;

// Line1, between the columns.
inline constexpr int columnRuleLeft = 4560;
inline constexpr int columnRuleTop = 840;
inline constexpr int columnRuleBottom = 6960;

inline constexpr std::size_t hintButtonCount = static_cast<std::size_t>(std::count_if(
    handSheet.begin(), handSheet.end(), [](const SheetRow& row) { return row.hintButton != 0; }));

inline constexpr auto calculatorCaptions = [] {
    using Kind = DesignedCaption::Kind;
    std::array<DesignedCaption, 4 + handSheet.size() + hintButtonCount + 4> captions{};
    std::size_t i = 0;
    // The window's own captions are translated in its context, the rows' in the sheet's; the
    // game's name and the signs on the small buttons are the same in every language.
    constexpr const char* window = "CalculatorWindow";
    auto add = [&](Kind kind, int number, const char* caption, int left, int top, int width,
                   const char* context) {
        captions[i++] = {kind, number, caption, context, left, top, width, controlSize};
    };
    add(Kind::Label, 1, QT_TRANSLATE_NOOP("CalculatorWindow", "Table limit"), 0, topLineTop, 975,
        window);
    add(Kind::Label, 2, QT_TRANSLATE_NOOP("CalculatorWindow", "Check when East"), 2280, topLineTop,
        1455, window);
    add(Kind::Label, 4, "Zorvan! Points", 3960, topLineTop, 975, nullptr);
    add(Kind::Label, 3, QT_TRANSLATE_NOOP("CalculatorWindow", "Your hand is worth"), 6240,
        topLineTop, 1455, window);
    for (const SheetRow& row : handSheet) {
        const ColumnPlaces places = columnPlaces(row.column);
        add(Kind::Label, row.captionLabel, row.caption, places.captionLeft, row.topTwips,
            places.captionWidth, handSheetContext);
        if (row.hintButton != 0)
            add(Kind::Button, row.hintButton, "?", row.hintLeftTwips, row.topTwips, controlSize,
                nullptr);
        if (row.effect == RowEffect::AddFlowers) {
            add(Kind::Button, flowersDownButton, "--", flowersDownLeft, row.topTwips, controlSize,
                nullptr);
            add(Kind::Button, flowersUpButton, "+", flowersUpLeft, row.topTwips, controlSize,
                nullptr);
        }
    }
    add(Kind::Button, 6, QT_TRANSLATE_NOOP("CalculatorWindow", "Clear ALL"), 360, bottomLineTop,
        1215, window);
    add(Kind::Button, 7, QT_TRANSLATE_NOOP("CalculatorWindow", "Clear all BUT table limit"), 2400,
        bottomLineTop, 1935, window);
    if (i != captions.size())
        throw "the calculator's captions do not fill their table";
    return captions;
}();
static_assert(onWholePixels(calculatorCaptions));

constexpr const DesignedCaption& calculatorCaption(DesignedCaption::Kind kind, int number)
{
    return designedCaption(calculatorCaptions, kind, number);
}

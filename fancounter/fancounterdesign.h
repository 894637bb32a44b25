#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "designscale.h"
#include "fanboard.h"

// The fan counter as designed, in twips, beyond the board's own tables: the other controls,
// and every caption with its rectangle. The window builds itself from this, and start-up
// measures the captions against it.

inline constexpr int fanCounterClientWidth = 6630;
inline constexpr int fanCounterClientHeight = 5295;

inline constexpr int fanControlSize = 255; // boxes, the right-hand labels and the "?" button

// Label8, the total beside "Your FANS".
inline constexpr int totalLabel = 8;
inline constexpr int totalLeft = 5160;
inline constexpr int totalTop = 240;
inline constexpr int totalWidth = 735;

// The two bold headings.
inline constexpr int handContainsLabel = 19;
inline constexpr int mahJongWithLabel = 20;

// How far a label whose width the design leaves open may reach: up to the next control to its
// right on its line, or the window's edge.
constexpr int roomToTheRight(int left, int top, int height,
                             std::span<const DesignedCaption> captions)
{
    int right = fanCounterClientWidth;
    auto consider = [&](int otherLeft, int otherTop, int otherHeight) {
        if (otherLeft > left && otherTop < top + height && top < otherTop + otherHeight)
            right = std::min(right, otherLeft);
    };
    for (const DesignedCaption& caption : captions)
        consider(caption.left, caption.top, caption.height);
    for (const Tile& tile : tiles)
        consider(tile.leftTwips, tile.topTwips, tileHeightTwips);
    for (const ConditionBox& box : conditionBoxes)
        consider(box.checkLeftTwips, box.topTwips, box.checkHeightTwips);
    consider(totalLeft, totalTop, fanControlSize);
    return right - left;
}

inline constexpr auto fanCounterCaptions = [] {
    using Kind = DesignedCaption::Kind;
    using Font = DesignedCaption::Font;
    constexpr int open = 0;
    std::array<DesignedCaption, boardRows.size() + 3 + conditionBoxes.size() + 2> captions{};
    std::size_t i = 0;
    // The window's own captions are translated in its context, the board's in the board's.
    constexpr const char* window = "FanCounterWindow";
    auto add = [&](Kind kind, int number, const char* caption, const char* context, int left,
                   int top, int width, int height = fanControlSize, Font font = Font::Application) {
        captions[i++] = {kind, number, caption, context, left, top, width, height, font};
    };
    for (const BoardRow& row : boardRows)
        add(Kind::Label, row.captionLabel, row.caption, fanBoardContext, rowCaptionLeftTwips,
            row.captionTopTwips, rowCaptionWidthTwips, rowCaptionHeightTwips);
    add(Kind::Label, 7, QT_TRANSLATE_NOOP("FanCounterWindow", "Your FANS"), window, 4080, totalTop,
        open);
    add(Kind::Label, handContainsLabel, QT_TRANSLATE_NOOP("FanCounterWindow", "Your Hand Contains"),
        window, 4080, 600, open, fanControlSize, Font::Heading);
    add(Kind::Label, mahJongWithLabel, QT_TRANSLATE_NOOP("FanCounterWindow", "You MJ with"), window,
        4080, 3360, open, fanControlSize, Font::Heading);
    for (const ConditionBox& box : conditionBoxes)
        add(Kind::Label, box.label, box.caption, fanBoardContext, box.labelLeftTwips, box.topTwips,
            box.labelWidthTwips);
    add(Kind::Button, 1, QT_TRANSLATE_NOOP("FanCounterWindow", "CLEAR ALL"), window, 240, 120,
        1095);
    add(Kind::Button, 2, "?", nullptr, 5760, 4440, fanControlSize);
    if (i != captions.size())
        throw "the fan counter's captions do not fill their table";
    for (DesignedCaption& caption : captions) {
        if (caption.width == open)
            caption.width = roomToTheRight(caption.left, caption.top, caption.height, captions);
    }
    return captions;
}();
static_assert(onWholePixels(fanCounterCaptions));
static_assert(std::all_of(fanCounterCaptions.begin(), fanCounterCaptions.end(),
                          [](const DesignedCaption& caption) { return caption.width > 0; }),
              "a fan counter label has no room before the next control on its line");

constexpr const DesignedCaption& fanCounterCaption(DesignedCaption::Kind kind, int number)
{
    return designedCaption(fanCounterCaptions, kind, number);
}

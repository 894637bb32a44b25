#pragma once

#include <array>

#include <QRect>

#include "handediting.h"
#include "handengine.h"
#include "phrase.h"
#include "tilearea.h"

// The hand window's design, in twips: the text line at the top, the palette with the modes and
// the conditions beside it, the hand, the result with the waits under it, the fill buttons.
namespace handdesign {

constexpr int tileWidth = TileArea::tileWidth;
constexpr int tileHeight = TileArea::tileHeight;
constexpr int paletteLeft = 120;
constexpr int paletteTop = 540;
constexpr int palettePitch = 465;
constexpr int paletteRowPitch = 615;
constexpr int paletteGroupGap = 150; // between the winds and the dragons, flowers and seasons
constexpr int firstColumn = 4560;    // the modes and conditions beside the palette
constexpr int firstColumnWidth = 1800;
constexpr int secondColumn = 6360;
constexpr int secondColumnWidth = 2520;
constexpr int rowHeight = 285;
constexpr int areaLeft = 120;
constexpr int areaWidth = 8760;
constexpr int handTop = 3990;
constexpr int handHeight = 1290;
constexpr int resultTop = 5370;
constexpr int resultHeight = 1020;
// The waits stand where a finished hand's result has its later lines: a waiting hand's result
// takes two lines at most.
constexpr int waitsTop = resultTop + 570;
constexpr int waitsHeight = 1140;
constexpr int waitPitch = 780;
constexpr int waitValueGap = 30;
constexpr int waitValueHeight = 540;

// The throws from a hand of 14 tiles stand there too, taller: a row a throw, best first.
constexpr int throwsTop = waitsTop;
constexpr int throwsHeight = 2730;
constexpr int fillTop = throwsTop + throwsHeight + 90;

constexpr int clientWidth = 9000;
constexpr int clientHeight = fillTop + 510;

constexpr QRect typedTextCaption{120, 165, 840, 255};
constexpr QRect typedText{960, 120, 7920, 345};
constexpr QRect modeCaption{firstColumn, paletteTop, secondColumn + secondColumnWidth - firstColumn,
                            255};
constexpr int seatWindTop = 1890;
constexpr int roundWindTop = 2280;
constexpr QRect handCaption{areaLeft, 3720, 4200, 255};
constexpr QRect clearButton{7320, 3645, 1560, 345};
constexpr QRect handArea{areaLeft, handTop, areaWidth, handHeight};
constexpr QRect result{areaLeft, resultTop, areaWidth, resultHeight};
constexpr QRect waits{areaLeft, waitsTop, areaWidth, waitsHeight};
constexpr QRect throws{areaLeft, throwsTop, areaWidth, throwsHeight};
constexpr QRect fillCalculatorButton{3480, fillTop, 2640, 375};
constexpr QRect fillFanCounterButton{6240, fillTop, 2640, 375};

// A wind's caption and its box, the box's top at `top`.
constexpr QRect windCaption(int top)
{
    return {firstColumn, top + 45, firstColumnWidth, 255};
}
constexpr QRect windBox(int top)
{
    return {secondColumn, top, 1440, 345};
}

// A palette tile: the suits a row each, then the honours, then the flowers and seasons; the
// winds apart from the dragons, the flowers apart from the seasons.
constexpr QRect paletteTile(int tile)
{
    const bool bonus = tile >= hand::faceCount;
    const int number = bonus ? tile - hand::faceCount : tile;
    const int row = bonus ? 4 : number / 9;
    const int column = bonus ? number : number % 9;
    const bool secondGroup = (bonus || row == 3) && column >= 4;
    const int left = paletteLeft + palettePitch * column + (secondGroup ? paletteGroupGap : 0);
    return {left, paletteTop + paletteRowPitch * row, tileWidth, tileHeight};
}

struct ModeButton {
    hand::EntryMode mode;
    const char* name;
    const char* caption;
    int left;
    int top;
    int width;
};

constexpr std::array<ModeButton, 6> modeButtons{{
    {hand::EntryMode::Tile, "ModeTile", QT_TRANSLATE_NOOP("HandWindow", "Tile"), firstColumn, 840,
     firstColumnWidth},
    {hand::EntryMode::Chow, "ModeChow", QT_TRANSLATE_NOOP("HandWindow", "Chow"), firstColumn, 1155,
     firstColumnWidth},
    {hand::EntryMode::Pong, "ModePong", QT_TRANSLATE_NOOP("HandWindow", "Pong"), firstColumn, 1470,
     firstColumnWidth},
    {hand::EntryMode::Kong, "ModeKong", QT_TRANSLATE_NOOP("HandWindow", "Kong"), secondColumn, 840,
     secondColumnWidth},
    {hand::EntryMode::ConcealedKong, "ModeConcealedKong",
     QT_TRANSLATE_NOOP("HandWindow", "Concealed kong"), secondColumn, 1155, secondColumnWidth},
    {hand::EntryMode::Winning, "ModeWinning", QT_TRANSLATE_NOOP("HandWindow", "Winning tile"),
     secondColumn, 1470, secondColumnWidth},
}};

struct ConditionCheck {
    const char* name;
    const char* caption;
    bool hand::Conditions::*condition;
    int left;
    int top;
    int width;
};

// Row by row, as Tab walks them; the longer captions stand in the wider column.
constexpr std::array<ConditionCheck, 5> conditionChecks{{
    {"SelfDrawn", QT_TRANSLATE_NOOP("HandWindow", "Self-picked"), &hand::Conditions::selfDrawn,
     firstColumn, 2730, firstColumnWidth},
    {"SupplementTile", QT_TRANSLATE_NOOP("HandWindow", "Supplement tile"),
     &hand::Conditions::supplement, secondColumn, 2730, secondColumnWidth},
    {"LastTile", QT_TRANSLATE_NOOP("HandWindow", "Last tile"), &hand::Conditions::lastTile,
     firstColumn, 3030, firstColumnWidth},
    {"RobbingKong", QT_TRANSLATE_NOOP("HandWindow", "Robbing a kong"),
     &hand::Conditions::robbingKong, secondColumn, 3030, secondColumnWidth},
    {"NoFaTable", QT_TRANSLATE_NOOP("HandWindow", "NO FA table"), &hand::Conditions::noFaTable,
     secondColumn, 3330, secondColumnWidth},
}};

} // namespace handdesign

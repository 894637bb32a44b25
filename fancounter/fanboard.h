#pragma once

#include <array>

#include "phrase.h"

// The fan counter's board, described once: the window lays itself out from these tables and
// the count reads the tiles by row and column, so a tile or a box is said in one place only.

enum class TileRow { PrevailingWind, SeatWind, WindPong, DragonPong, Flowers, Seasons };

enum class ClickKind {
    RowExclusive, // at most one tile of the row is selected
    Toggle,       // each tile on its own
};

// The 15 faces, in the order of their image holders.
enum class TileFace {
    East,
    South,
    West,
    North,
    Flower1,
    Flower2,
    Flower3,
    Flower4,
    Season1,
    Season2,
    Season3,
    Season4,
    WhiteDragon,
    RedDragon,
    GreenDragon,
};
inline constexpr int faceCount = 15;

// Base names of the tile images: ":/tiles/<name>-selected.jpg" and ":/tiles/<name>-normal.jpg".
inline constexpr std::array<const char*, faceCount> faceNames{
    "east",    "south",   "west",    "north",   "flower1", "flower2", "flower3", "flower4",
    "season1", "season2", "season3", "season4", "white",   "red",     "green",
};

// The board's texts are English, translated in this context.
inline constexpr const char* fanBoardContext = "FanBoard";

// The faces as a screen reader says them.
inline constexpr std::array<const char*, faceCount> spokenFaceNames{
    QT_TRANSLATE_NOOP("FanBoard", "East"),         QT_TRANSLATE_NOOP("FanBoard", "South"),
    QT_TRANSLATE_NOOP("FanBoard", "West"),         QT_TRANSLATE_NOOP("FanBoard", "North"),
    QT_TRANSLATE_NOOP("FanBoard", "flower 1"),     QT_TRANSLATE_NOOP("FanBoard", "flower 2"),
    QT_TRANSLATE_NOOP("FanBoard", "flower 3"),     QT_TRANSLATE_NOOP("FanBoard", "flower 4"),
    QT_TRANSLATE_NOOP("FanBoard", "season 1"),     QT_TRANSLATE_NOOP("FanBoard", "season 2"),
    QT_TRANSLATE_NOOP("FanBoard", "season 3"),     QT_TRANSLATE_NOOP("FanBoard", "season 4"),
    QT_TRANSLATE_NOOP("FanBoard", "White dragon"), QT_TRANSLATE_NOOP("FanBoard", "Red dragon"),
    QT_TRANSLATE_NOOP("FanBoard", "Green dragon"),
};

// The hidden holders: Picture24.. a selected look per face, Picture39.. a normal look.
inline constexpr int firstSelectedHolder = 24;
inline constexpr int firstNormalHolder = firstSelectedHolder + faceCount;
inline constexpr int lastHolder = firstNormalHolder + faceCount - 1;
inline constexpr int holderLeftTwips = 120;
inline constexpr int holderTopTwips = 5160;

inline constexpr int tileWidthTwips = 495;
inline constexpr int tileHeightTwips = 615;

struct BoardRow {
    TileRow row;
    int captionLabel;
    const char* caption;
    int captionTopTwips;
    int tilesTopTwips;
    const char* spokenName; // what a screen reader says of the row; two rows share a caption
};

// Top to bottom as on screen. Captions stand at left 120, 1215 x 375.
inline constexpr std::array<BoardRow, 6> boardRows{{
    {TileRow::PrevailingWind, 1, QT_TRANSLATE_NOOP("FanBoard", "Prevailing wind"), 720, 480,
     QT_TRANSLATE_NOOP("FanBoard", "Prevailing wind")},
    {TileRow::SeatWind, 2, QT_TRANSLATE_NOOP("FanBoard", "Seat  wind"), 1440, 1200,
     QT_TRANSLATE_NOOP("FanBoard", "Seat wind")},
    {TileRow::WindPong, 3, QT_TRANSLATE_NOOP("FanBoard", "PONG/KONG"), 2280, 2040,
     QT_TRANSLATE_NOOP("FanBoard", "Wind pong/kong")},
    {TileRow::Flowers, 5, QT_TRANSLATE_NOOP("FanBoard", "FLOWERS"), 3360, 3120,
     QT_TRANSLATE_NOOP("FanBoard", "Flowers")},
    {TileRow::Seasons, 6, QT_TRANSLATE_NOOP("FanBoard", "SEASONS"), 3960, 3840,
     QT_TRANSLATE_NOOP("FanBoard", "Seasons")},
    {TileRow::DragonPong, 4, QT_TRANSLATE_NOOP("FanBoard", "PONG/KONG"), 4680, 4560,
     QT_TRANSLATE_NOOP("FanBoard", "Dragon pong/kong")},
}};
inline constexpr int rowCaptionLeftTwips = 120;
inline constexpr int rowCaptionWidthTwips = 1215;
inline constexpr int rowCaptionHeightTwips = 375;

struct Tile {
    int picture;
    TileRow row;
    TileFace face;
    int column; // 1 to 4; the wind columns East, South, West, North pair up with flower/season n
    int selectedHolder;
    int normalHolder;
    ClickKind kind;
    int leftTwips;
    int topTwips;
};

inline constexpr int tileCount = 23;

// Index i describes Picture(i + 1), the tile whose flag is Module1::tilestate[i].
inline constexpr std::array<Tile, tileCount> tiles{{
    {1, TileRow::PrevailingWind, TileFace::East, 1, 24, 39, ClickKind::RowExclusive, 1440, 480},
    {2, TileRow::PrevailingWind, TileFace::South, 2, 25, 40, ClickKind::RowExclusive, 2040, 480},
    {3, TileRow::PrevailingWind, TileFace::West, 3, 26, 41, ClickKind::RowExclusive, 2640, 480},
    {4, TileRow::PrevailingWind, TileFace::North, 4, 27, 42, ClickKind::RowExclusive, 3240, 480},
    {5, TileRow::SeatWind, TileFace::East, 1, 24, 39, ClickKind::RowExclusive, 1440, 1200},
    {6, TileRow::SeatWind, TileFace::South, 2, 25, 40, ClickKind::RowExclusive, 2040, 1200},
    {7, TileRow::SeatWind, TileFace::West, 3, 26, 41, ClickKind::RowExclusive, 2640, 1200},
    {8, TileRow::SeatWind, TileFace::North, 4, 27, 42, ClickKind::RowExclusive, 3240, 1200},
    {9, TileRow::WindPong, TileFace::East, 1, 24, 39, ClickKind::Toggle, 1440, 2040},
    {10, TileRow::WindPong, TileFace::South, 2, 25, 40, ClickKind::Toggle, 2040, 2040},
    {11, TileRow::WindPong, TileFace::West, 3, 26, 41, ClickKind::Toggle, 2640, 2040},
    {12, TileRow::WindPong, TileFace::North, 4, 27, 42, ClickKind::Toggle, 3240, 2040},
    {13, TileRow::DragonPong, TileFace::WhiteDragon, 1, 36, 51, ClickKind::Toggle, 1440, 4560},
    {14, TileRow::DragonPong, TileFace::RedDragon, 2, 37, 52, ClickKind::Toggle, 2040, 4560},
    {15, TileRow::DragonPong, TileFace::GreenDragon, 3, 38, 53, ClickKind::Toggle, 2640, 4560},
    {16, TileRow::Flowers, TileFace::Flower1, 1, 28, 43, ClickKind::Toggle, 1440, 3120},
    {17, TileRow::Flowers, TileFace::Flower2, 2, 29, 44, ClickKind::Toggle, 2040, 3120},
    {18, TileRow::Flowers, TileFace::Flower3, 3, 30, 45, ClickKind::Toggle, 2640, 3120},
    {19, TileRow::Flowers, TileFace::Flower4, 4, 31, 46, ClickKind::Toggle, 3240, 3120},
    {20, TileRow::Seasons, TileFace::Season1, 1, 32, 47, ClickKind::Toggle, 1440, 3840},
    {21, TileRow::Seasons, TileFace::Season2, 2, 33, 48, ClickKind::Toggle, 2040, 3840},
    {22, TileRow::Seasons, TileFace::Season3, 3, 34, 49, ClickKind::Toggle, 2640, 3840},
    {23, TileRow::Seasons, TileFace::Season4, 4, 35, 50, ClickKind::Toggle, 3240, 3840},
}};

// The holders are numbered after the faces; a slip in the table above shows up here.
constexpr bool tilesAgreeWithHolders()
{
    for (int i = 0; i < tileCount; ++i) {
        const Tile& tile = tiles[i];
        const int face = static_cast<int>(tile.face);
        if (tile.picture != i + 1 || tile.selectedHolder != firstSelectedHolder + face ||
            tile.normalHolder != firstNormalHolder + face ||
            tile.leftTwips != 840 + 600 * tile.column)
            return false;
    }
    return true;
}
static_assert(tilesAgreeWithHolders());

enum class BoxEffect {
    AddFans,     // a ticked box adds `fans`
    MaximumHand, // not counted: ticking it congratulates instead
    NoFaTable,   // takes away the fan for having no flowers and no seasons
};

struct ConditionBox {
    int check;
    int label;
    const char* caption;
    BoxEffect effect;
    int fans;
    int labelLeftTwips;
    int labelWidthTwips; // 0 where the design leaves it open: the label reaches the next control
    int checkLeftTwips;
    int topTwips;
    int checkHeightTwips = 255;
};

// The right-hand column top to bottom, which is also the order the count adds them in, then
// the table setting on the left.
inline constexpr std::array<ConditionBox, 11> conditionBoxes{{
    {1, 9, QT_TRANSLATE_NOOP("FanBoard", "All Pungs"), BoxEffect::AddFans, 3, 4440, 0, 5400, 960},
    {2, 10, QT_TRANSLATE_NOOP("FanBoard", "All Chows"), BoxEffect::AddFans, 1, 4440, 0, 5400, 1320},
    {3, 11, QT_TRANSLATE_NOOP("FanBoard", "Semi Pure"), BoxEffect::AddFans, 3, 4440, 0, 5400, 1680},
    {4, 12, QT_TRANSLATE_NOOP("FanBoard", "Pure"), BoxEffect::AddFans, 6, 4440, 0, 5400, 2040},
    {6, 14, QT_TRANSLATE_NOOP("FanBoard", "All Terminals"), BoxEffect::MaximumHand, 0, 4440, 0,
     5400, 2400},
    {7, 15, QT_TRANSLATE_NOOP("FanBoard", "All Honors"), BoxEffect::MaximumHand, 0, 4440, 0, 5400,
     2760},
    {10, 18, QT_TRANSLATE_NOOP("FanBoard", "Last tile"), BoxEffect::AddFans, 1, 4560, 0, 5400,
     3720},
    {5, 13, QT_TRANSLATE_NOOP("FanBoard", "Self Pick"), BoxEffect::AddFans, 1, 4440, 0, 5400, 4080},
    {8, 16, QT_TRANSLATE_NOOP("FanBoard", "MJ on Suplement tile"), BoxEffect::AddFans, 1, 3600, 0,
     5400, 4440, 195},
    {9, 17, QT_TRANSLATE_NOOP("FanBoard", "MJ on robbing kong"), BoxEffect::AddFans, 1, 3600, 0,
     5400, 4800},
    {11, 21, QT_TRANSLATE_NOOP("FanBoard", "Im playing a NO FA table"), BoxEffect::NoFaTable, 0,
     120, 2055, 2040, 2760},
}};
inline constexpr int lastCheck = 11;

// Check1 to Check11 and their labels each once, one table setting.
constexpr bool eachBoxOnce()
{
    std::array<int, lastCheck + 1> checkUses{};
    std::array<int, 22> labelUses{};
    int tableSettings = 0;
    for (const ConditionBox& box : conditionBoxes) {
        if (box.check < 1 || box.check > lastCheck || ++checkUses[box.check] > 1)
            return false;
        if (box.label < 7 || box.label > 21 || ++labelUses[box.label] > 1)
            return false;
        tableSettings += box.effect == BoxEffect::NoFaTable ? 1 : 0;
    }
    for (const BoardRow& row : boardRows) {
        if (row.captionLabel < 1 || row.captionLabel > 6 || ++labelUses[row.captionLabel] > 1)
            return false;
    }
    return tableSettings == 1;
}
static_assert(eachBoxOnce(), "a fan counter box or label number is missing or used twice, or "
                             "there is not exactly one table setting");

// The box that sets the table to no FA; clearing the board leaves it as it is.
constexpr const ConditionBox& noFaTableBox()
{
    for (const ConditionBox& box : conditionBoxes) {
        if (box.effect == BoxEffect::NoFaTable)
            return box;
    }
    return conditionBoxes.back();
}
inline constexpr int noFaTableCheck = noFaTableBox().check;

#include "fancount.h"

#include "checkedmath.h"
#include "winds.h"

namespace {

// The board as rows of up to four columns, so that the wind of a pong, the seat wind of a
// flower and so on are found by column.
class Board {
public:
    explicit Board(const TileSelection& selected)
    {
        for (const Tile& tile : tiles)
            m_cells[static_cast<int>(tile.row)][tile.column - 1] = selected[tile.picture - 1];
    }

    bool at(TileRow row, int column) const { return m_cells[static_cast<int>(row)][column - 1]; }

    bool any(TileRow row) const
    {
        for (int column = 1; column <= 4; ++column) {
            if (at(row, column))
                return true;
        }
        return false;
    }

    bool all(TileRow row) const
    {
        for (int column = 1; column <= 4; ++column) {
            if (!at(row, column))
                return false;
        }
        return true;
    }

private:
    std::array<std::array<bool, 4>, 6> m_cells{};
};

constexpr std::int32_t fanIf(bool condition)
{
    return condition ? 1 : 0;
}

} // namespace

TileSelection selectedTiles(const std::array<std::string, tileCount>& flags)
{
    TileSelection selected{};
    for (int i = 0; i < tileCount; ++i)
        selected[i] = flags[i] == "aan";
    return selected;
}

std::int32_t countFans(const TileSelection& selected, const FanBoxValues& boxes,
                       std::vector<Phrase>* working)
{
    static constexpr std::array<const char*, 4> dragonPongs{
        "", QT_TRANSLATE_NOOP("Working", "%1 White dragon pong"),
        QT_TRANSLATE_NOOP("Working", "%1 Red dragon pong"),
        QT_TRANSLATE_NOOP("Working", "%1 Green dragon pong")};
    const Board board(selected);
    std::int32_t fans = 0;
    // The board's columns run East, South, West, North from 1.
    auto wind = [](int n) { return phrase(windContext, windNames[n - 1]); };
    // Adds and, when the working is wanted, says what for: the fans, then the pattern's other
    // arguments. The phrase is made only then.
    auto add = [&](bool counted, std::int32_t value, const char* pattern,
                   std::vector<Phrase> args = {}) {
        if (!counted)
            return;
        fans = checkedAdd(fans, value);
        if (working) {
            args.insert(args.begin(), plainNumber(value));
            working->push_back(phrase("Working", pattern, std::move(args)));
        }
    };

    // With no flowers and no seasons the hand earns one fan, unless the table plays without.
    if (!board.any(TileRow::Flowers) && !board.any(TileRow::Seasons) &&
        boxes[noFaTableCheck] == 0) {
        add(true, 1, QT_TRANSLATE_NOOP("Working", "%1 no flowers and seasons"));
    } else {
        for (int n = 1; n <= 4; ++n)
            add(board.at(TileRow::Flowers, n) && board.at(TileRow::SeatWind, n), 1,
                QT_TRANSLATE_NOOP("Working", "%1 own flower %2 (%3 seat)"),
                {plainNumber(n), wind(n)});
        add(board.all(TileRow::Flowers), 1, QT_TRANSLATE_NOOP("Working", "%1 all four flowers"));
        for (int n = 1; n <= 4; ++n)
            add(board.at(TileRow::Seasons, n) && board.at(TileRow::SeatWind, n), 1,
                QT_TRANSLATE_NOOP("Working", "%1 own season %2 (%3 seat)"),
                {plainNumber(n), wind(n)});
        add(board.all(TileRow::Seasons), 1, QT_TRANSLATE_NOOP("Working", "%1 all four seasons"));
    }

    // A wind pong counts once for the seat wind and once more for the prevailing wind.
    for (int n = 1; n <= 4; ++n) {
        if (!board.at(TileRow::WindPong, n))
            continue;
        const bool seat = board.at(TileRow::SeatWind, n);
        const bool prevailing = board.at(TileRow::PrevailingWind, n);
        fans = checkedAdd(fans, fanIf(seat));
        fans = checkedAdd(fans, fanIf(prevailing));
        if (working && (seat || prevailing))
            working->push_back(
                phrase("Working",
                       seat && prevailing
                           ? QT_TRANSLATE_NOOP("Working", "%1 %2 pong (seat and prevailing wind)")
                       : seat ? QT_TRANSLATE_NOOP("Working", "%1 %2 pong (seat wind)")
                              : QT_TRANSLATE_NOOP("Working", "%1 %2 pong (prevailing wind)"),
                       {plainNumber(fanIf(seat) + fanIf(prevailing)), wind(n)}));
    }

    for (int dragon = 1; dragon <= 3; ++dragon)
        add(board.at(TileRow::DragonPong, dragon), 1, dragonPongs[dragon]);

    for (const ConditionBox& box : conditionBoxes)
        add(box.effect == BoxEffect::AddFans && boxes[box.check] == 1, box.fans,
            QT_TRANSLATE_NOOP("Working", "%1 %2"), {phrase(fanBoardContext, box.caption)});

    if (working)
        working->push_back(
            phrase("Working", QT_TRANSLATE_NOOP("Working", "= %1"), {plainNumber(fans)}));
    return fans;
}

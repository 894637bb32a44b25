#include "fancount.h"

#include "checkedmath.h"

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
                       std::vector<std::string>* working)
{
    static constexpr std::array<const char*, 5> windNames{"", "East", "South", "West", "North"};
    static constexpr std::array<const char*, 4> dragonNames{"", "White", "Red", "Green"};
    const Board board(selected);
    std::int32_t fans = 0;
    // Adds and, when the working is wanted, says what for. The text is built only then.
    auto add = [&](bool counted, std::int32_t value, auto describe) {
        if (!counted)
            return;
        fans = checkedAdd(fans, value);
        if (working)
            working->push_back(std::to_string(value) + " " + describe());
    };

    // With no flowers and no seasons the hand earns one fan, unless the table plays without.
    if (!board.any(TileRow::Flowers) && !board.any(TileRow::Seasons) &&
        boxes[noFaTableCheck] == 0) {
        add(true, 1, [] { return std::string("no flowers and seasons"); });
    } else {
        for (int n = 1; n <= 4; ++n)
            add(board.at(TileRow::Flowers, n) && board.at(TileRow::SeatWind, n), 1,
                [n] { return "own flower " + std::to_string(n) + " (" + windNames[n] + " seat)"; });
        add(board.all(TileRow::Flowers), 1, [] { return std::string("all four flowers"); });
        for (int n = 1; n <= 4; ++n)
            add(board.at(TileRow::Seasons, n) && board.at(TileRow::SeatWind, n), 1,
                [n] { return "own season " + std::to_string(n) + " (" + windNames[n] + " seat)"; });
        add(board.all(TileRow::Seasons), 1, [] { return std::string("all four seasons"); });
    }

    // A wind pong counts once for the seat wind and once more for the prevailing wind.
    for (int wind = 1; wind <= 4; ++wind) {
        if (!board.at(TileRow::WindPong, wind))
            continue;
        const bool seat = board.at(TileRow::SeatWind, wind);
        const bool prevailing = board.at(TileRow::PrevailingWind, wind);
        fans = checkedAdd(fans, fanIf(seat));
        fans = checkedAdd(fans, fanIf(prevailing));
        if (working && (seat || prevailing))
            working->push_back(std::to_string(fanIf(seat) + fanIf(prevailing)) + " " +
                               windNames[wind] + " pong (" +
                               (seat && prevailing ? "seat and prevailing wind"
                                : seat             ? "seat wind"
                                                   : "prevailing wind") +
                               ")");
    }

    for (int dragon = 1; dragon <= 3; ++dragon)
        add(board.at(TileRow::DragonPong, dragon), 1,
            [dragon] { return std::string(dragonNames[dragon]) + " dragon pong"; });

    for (const ConditionBox& box : conditionBoxes)
        add(box.effect == BoxEffect::AddFans && boxes[box.check] == 1, box.fans,
            [&box] { return std::string(box.caption); });

    if (working)
        working->push_back("= " + std::to_string(fans));
    return fans;
}

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

std::int32_t countFans(const TileSelection& selected, const FanBoxValues& boxes)
{
    const Board board(selected);
    std::int32_t fans = 0;

    // With no flowers and no seasons the hand earns one fan, unless the table plays without.
    if (!board.any(TileRow::Flowers) && !board.any(TileRow::Seasons) &&
        boxes[noFaTableCheck] == 0) {
        fans = checkedAdd(fans, 1);
    } else {
        for (int n = 1; n <= 4; ++n)
            fans = checkedAdd(
                fans, fanIf(board.at(TileRow::Flowers, n) && board.at(TileRow::SeatWind, n)));
        fans = checkedAdd(fans, fanIf(board.all(TileRow::Flowers)));
        for (int n = 1; n <= 4; ++n)
            fans = checkedAdd(
                fans, fanIf(board.at(TileRow::Seasons, n) && board.at(TileRow::SeatWind, n)));
        fans = checkedAdd(fans, fanIf(board.all(TileRow::Seasons)));
    }

    // A wind pong counts once for the seat wind and once more for the prevailing wind.
    for (int wind = 1; wind <= 4; ++wind) {
        if (board.at(TileRow::WindPong, wind)) {
            fans = checkedAdd(fans, fanIf(board.at(TileRow::SeatWind, wind)));
            fans = checkedAdd(fans, fanIf(board.at(TileRow::PrevailingWind, wind)));
        }
    }

    for (int dragon = 1; dragon <= 3; ++dragon)
        fans = checkedAdd(fans, fanIf(board.at(TileRow::DragonPong, dragon)));

    for (const ConditionBox& box : conditionBoxes) {
        if (box.effect == BoxEffect::AddFans && boxes[box.check] == 1)
            fans = checkedAdd(fans, box.fans);
    }
    return fans;
}

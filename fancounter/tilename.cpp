#include "tilename.h"

#include <algorithm>
#include <stdexcept>

std::string tileAccessibleName(const Tile& tile, bool selected)
{
    const auto row = std::find_if(boardRows.begin(), boardRows.end(),
                                  [&tile](const BoardRow& each) { return each.row == tile.row; });
    if (row == boardRows.end())
        throw std::logic_error("a tile in no row of the board");
    std::string name = row->spokenName;
    name += ": ";
    name += spokenFaceNames[static_cast<std::size_t>(tile.face)];
    name += selected ? ", selected" : ", not selected";
    return name;
}

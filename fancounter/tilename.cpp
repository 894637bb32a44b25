#include "tilename.h"

#include <algorithm>
#include <stdexcept>

Phrase tileAccessibleName(const Tile& tile, bool selected)
{
    const auto row = std::find_if(boardRows.begin(), boardRows.end(),
                                  [&tile](const BoardRow& each) { return each.row == tile.row; });
    if (row == boardRows.end())
        throw std::logic_error("a tile in no row of the board");
    return phrase(fanBoardContext,
                  selected ? QT_TRANSLATE_NOOP("FanBoard", "%1: %2, selected")
                           : QT_TRANSLATE_NOOP("FanBoard", "%1: %2, not selected"),
                  {phrase(fanBoardContext, row->spokenName),
                   phrase(fanBoardContext, spokenFaceNames[static_cast<std::size_t>(tile.face)])});
}

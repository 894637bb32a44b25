#pragma once

#include <array>
#include <string>
#include <vector>

#include "fancount.h"
#include "message.h"

// What the fan counter's events decide, apart from any widget, so that the window and the web
// page follow the same rules: a tile click, a box click, "CLEAR ALL" and the messages.

// The flags of the 23 tiles as Module1 holds them, index 0 for Picture1: "aan" selected,
// empty not.
using TileFlags = std::array<std::string, tileCount>;

// A tile's look to show, in the order the click shows them.
struct TileLook {
    int picture;
    bool selected;
};

// A click on tile `picture` (1 to 23), changing `flags`. In the prevailing and seat wind rows
// a click on an unselected tile selects it and unselects the rest of its row (each of them
// shown in its normal look, whatever it showed); elsewhere a click selects or unselects that
// tile alone. A selected tile clicked is unselected. A flag that is neither "aan" nor empty is
// left as it is, and nothing is shown. The count follows every click.
std::vector<TileLook> clickTile(TileFlags& flags, int picture);

// The tiles as the numbers of those selected, and back.
TileFlags tileFlags(const TileSelection& selected);

// What a click on condition box `check` leads to, the box being `ticked` after it: a recount,
// or for "All Terminals" and "All Honors" no recount and, when ticked, the maximum message.
struct FanBoxClick {
    bool recount = true;
    Message message; // empty text: none
};
FanBoxClick fanBoxClick(int check, bool ticked);

// Whether a ticked box makes the hand a maximum ("All Terminals", "All Honors").
bool maximumHand(const FanBoxValues& boxes);
Message maximumMessage();

// "CLEAR ALL": every tile is clicked once with its flag set first, so every flag ends empty
// and every tile in its normal look; then these boxes are unticked, in this order, each
// raising its own click handling. The table setting stays as it is.
std::vector<int> fanBoxesToClear(const FanBoxValues& boxes);

// The hint of the "?" button beside "MJ on Suplement tile".
Message fanHint();

#pragma once

#include "fanboard.h"
#include "phrase.h"

// The name a screen reader gives a tile: its row, its face and whether it is selected, e.g.
// "Seat wind: South, selected". The caption beside a row is not enough: two rows are
// captioned "PONG/KONG".
Phrase tileAccessibleName(const Tile& tile, bool selected);

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fanboard.h"
#include "phrase.h"

// Selected tiles, index 0 for Picture1.
using TileSelection = std::array<bool, tileCount>;
// Box values indexed by check box number (index 0 unused); only the value 1 counts as
// ticked and only 0 as clear.
using FanBoxValues = std::array<std::uint8_t, lastCheck + 1>;

// The tiles whose flag is exactly "aan".
TileSelection selectedTiles(const std::array<std::string, tileCount>& flags);

// The fans of a hand, counted from zero: the no-flowers fan or the own and complete flowers
// and seasons, the seat and prevailing wind pongs, the dragon pongs, then the ticked boxes.
// Every addition is range-tested (OverflowError). With `working`, each fan counted is listed
// as well ("1 no flowers and seasons", "3 All Pungs"), so the list always agrees with the
// total.
std::int32_t countFans(const TileSelection& selected, const FanBoxValues& boxes,
                       std::vector<Phrase>* working = nullptr);

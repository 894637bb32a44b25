#pragma once

#include <array>

#include "phrase.h"

// The four winds in their order of play, East first, as the program names them: a hand's seat
// and prevailing wind, and the columns of the fan counter's wind rows. Translated in the
// context "Wind".
inline constexpr const char* windContext = "Wind";
inline constexpr std::array<const char*, 4> windNames{
    QT_TRANSLATE_NOOP("Wind", "East"), QT_TRANSLATE_NOOP("Wind", "South"),
    QT_TRANSLATE_NOOP("Wind", "West"), QT_TRANSLATE_NOOP("Wind", "North")};

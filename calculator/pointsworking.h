#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "phrase.h"
#include "pointscount.h"

// The working behind the two results, as players read it: one line per applied row in the
// order the count runs ("+2 open pong 2-8", "x2 all pongs = 60"), ending on the total. Each
// line is a phrase, so that the windows show it in the player's language.
std::vector<Phrase> pointsWorkingLines(const PointsWorking& working, std::int32_t tablelimit,
                                       std::int32_t total);

// How the count became the value: the cap, then the East factor.
std::vector<Phrase> valueWorkingLines(std::int32_t points, std::int32_t tablelimit, bool east);

// Says at which row the count left the range.
Phrase overflowNote(const PointsWorking& working);

// A row's caption as a phrase.
Phrase rowCaption(const SheetRow& row);

// Counts the sheet with its working; when the count overflows, the working ends on the
// overflow note. Either way the lines come from the one count.
struct ExplainedCount {
    std::vector<Phrase> countLines;
    std::vector<Phrase> valueLines;
};
ExplainedCount explainCount(const BoxValues& boxes, std::int32_t flowercount,
                            std::int32_t tablelimit, bool east);

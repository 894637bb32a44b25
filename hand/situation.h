#pragma once

#include "hand.h"
#include "phrase.h"

namespace hand {

// The conditions in one sentence: "Seat wind South, prevailing wind East, won on a discard,
// table limit 500".
Phrase situationText(const Conditions& conditions);

} // namespace hand

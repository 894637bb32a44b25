#pragma once

#include <string>

#include "deal.h"
#include "discards.h"
#include "handengine.h"
#include "json.h"
#include "notation.h"
#include "situation.h"
#include "tilenames.h"

// The report's parts, each in text and as JSON; answer() puts them together.
namespace report::detail {

// A scored hand: the hand, the situation, the reading, the ticked rows, the figures and their
// working.
std::string handText(const hand::HandResult& result, const hand::Conditions& conditions);
json::Value handJson(const hand::HandResult& result, const hand::Conditions& conditions);

// The waits of a hand, best first in text, in tile order as JSON.
std::string waitsText(const hand::WaitsResult& result);
json::Value waitsJson(const hand::WaitsResult& result);
// One wait's worth as a line of the waits writes it ("count 26, value 156, fans 1"), and one
// wait as an item of the waits' JSON.
std::string worthText(const hand::Worth& worth);
json::Value waitJson(const hand::Wait& wait);

// What to throw from 14 tiles: the hand, whether it is complete, and the throws best first.
std::string discardsText(const hand::Hand& hand, const hand::DiscardsResult& result);
json::Value discardsJson(const hand::Hand& hand, const hand::DiscardsResult& result);

// A dealt hand: the command line that scores it again and the deal, then the scored hand.
std::string dealText(const hand::Deal& dealt, const hand::HandResult& result,
                     const hand::Conditions& conditions);
json::Value dealJson(const hand::Deal& dealt, const hand::HandResult& result,
                     const hand::Conditions& conditions);

// The text padded with blanks at its end to `width` characters; a longer text as it is.
std::string padded(std::string text, std::size_t width);

} // namespace report::detail

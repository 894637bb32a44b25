#pragma once

#include <string>

#include "deal.h"
#include "handengine.h"
#include "json.h"

// The report's parts, each in text and as JSON; answer() puts them together.
namespace report::detail {

// A scored hand: the hand, the situation, the reading, the ticked rows, the figures and their
// working.
std::string handText(const hand::HandResult& result, const hand::Conditions& conditions);
json::Value handJson(const hand::HandResult& result, const hand::Conditions& conditions);

// The waits of a hand, best first in text, in tile order as JSON.
std::string waitsText(const hand::WaitsResult& result);
json::Value waitsJson(const hand::WaitsResult& result);

// A dealt hand: the command line that scores it again and the deal, then the scored hand.
std::string dealText(const hand::Deal& dealt, const hand::HandResult& result,
                     const hand::Conditions& conditions);
json::Value dealJson(const hand::Deal& dealt, const hand::HandResult& result,
                     const hand::Conditions& conditions);

// The text padded with blanks at its end to `width` characters; a longer text as it is.
std::string padded(std::string text, std::size_t width);

} // namespace report::detail

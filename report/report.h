#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "deal.h"
#include "handengine.h"
#include "tablelimit.h"

// Everything zorvan-hand prints for a request, as plain C++: the scored hand, the waits, what
// to throw and the deal, in text for people or as one JSON line for programs. The command line
// reads its arguments into a Request and prints the Answer; any other front end that calls answer()
// prints the same bytes for the same request.
namespace report {

enum class Task { Score, Waits, Deal, Discards };

struct Request {
    Task task = Task::Score;
    std::string hand;            // the notation (Score, Waits, Discards)
    hand::Conditions conditions; // Deal reads only the table limit
    hand::DealLevel level = hand::DealLevel::Everything;
    std::uint64_t seed = 0; // Deal: the caller picks one (hand::clockSeed) when none is given
    bool json = false;
};

struct Answer {
    std::string out;      // standard output; with json a refusal's {"error":...} too
    std::string error;    // the one sentence for standard error, in text only
    bool refused = false; // the request could not be answered: exit status 2
};

// Never throws on bad input: a hand that cannot be read, or a figure out of range, is
// refused with the sentence that says why.
Answer answer(const Request& request);

// {"error":"SENTENCE"} and a line feed.
std::string errorJson(std::string_view sentence);

// The program's name, as its refusals and the command line of a deal write it.
inline constexpr const char* programName = "zorvan-hand";

// The figures a request may hold, and the sentences that refuse one, %1 (the seed's %2)
// standing for what was given, in quotes.
inline constexpr std::int32_t lowestLimit = 1;
inline constexpr std::int32_t highestLimit = static_cast<std::int32_t>(tableLimitBound);
inline constexpr const char* limitRefusal =
    "the table limit must be a whole number from 1 to 65536, not %1";
inline constexpr const char* levelRefusal = "the level must be 1, 2 or 3, not %1";
inline constexpr const char* seedRefusal = "the seed must be a whole number from 0 to %1, not %2";

} // namespace report

#include <array>
#include <string>
#include <utility>

#include "report.h"
#include "writers.h"

namespace report::detail {

namespace {

// "E", "S", "W", "N".
std::string windLetter(hand::Wind wind)
{
    return std::string(1, hand::windName(wind)[0]);
}

// The command line that scores the dealt hand again, ready to paste into a shell.
std::string scoringCommand(const hand::Hand& dealt, const hand::Conditions& conditions)
{
    std::string command = std::string(programName) + " --seat " + windLetter(conditions.seat) +
                          " --round " + windLetter(conditions.round);
    const std::array<std::pair<bool, const char*>, 5> switches{{
        {conditions.selfDrawn, " --self-drawn"},
        {conditions.lastTile, " --last-tile"},
        {conditions.supplement, " --supplement"},
        {conditions.robbingKong, " --robbing-kong"},
        {conditions.noFaTable, " --no-fa-table"},
    }};
    for (const auto& [set, option] : switches) {
        if (set)
            command += option;
    }
    if (conditions.tablelimit != hand::Conditions{}.tablelimit)
        command += " --limit " + std::to_string(conditions.tablelimit);
    // The notation holds no single quote, so single quotes keep it whole.
    return command + " '" + hand::writeHand(dealt) + "'";
}

} // namespace

std::string dealText(const hand::Deal& dealt, const hand::HandResult& result,
                     const hand::Conditions& conditions)
{
    return scoringCommand(dealt.hand, conditions) + "\nDealt with --level " +
           std::to_string(static_cast<int>(dealt.level)) + " --seed " + std::to_string(dealt.seed) +
           "\n\n" + handText(result, conditions);
}

json::Value dealJson(const hand::Deal& dealt, const hand::HandResult& result,
                     const hand::Conditions& conditions)
{
    json::Value object = handJson(result, conditions);
    object.set("seed", static_cast<std::int64_t>(dealt.seed))
        .set("level", static_cast<int>(dealt.level))
        .set("seat", hand::windName(conditions.seat))
        .set("round", hand::windName(conditions.round))
        .set("selfDrawn", conditions.selfDrawn)
        .set("lastTile", conditions.lastTile)
        .set("supplement", conditions.supplement)
        .set("robbingKong", conditions.robbingKong)
        .set("noFaTable", conditions.noFaTable);
    return object;
}

} // namespace report::detail

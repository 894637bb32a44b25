// What zorvan-hand --json prints, for the web page: the same request goes to the same report.

#include "engineapi.h"
#include "handlink.h"
#include "report.h"

namespace webengine {
namespace {

std::string refusal(std::string_view sentence)
{
    return report::errorJson(sentence);
}

// Digits only, as the command line reads its figures: no sign, fraction, exponent or blanks,
// leading zeros aside at most 16 digits; from `lowest` to `highest`.
std::optional<std::uint64_t> readWhole(std::string_view text, std::uint64_t lowest,
                                       std::uint64_t highest)
{
    if (text.empty())
        return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    if (text.size() > 16)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text)
        value = value * 10 + std::uint64_t(c - '0');
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::string handAnswer(report::Task task, std::string_view hand, const PageConditions& conditions)
{
    const ReadConditions read = readConditions(conditions);
    if (!read.error.empty())
        return refusal(english(read.error));
    report::Request request;
    request.task = task;
    request.hand = std::string(hand);
    request.conditions = read.conditions;
    request.json = true;
    return report::answer(request).out;
}

} // namespace

std::string scoreJson(std::string_view hand, const PageConditions& conditions)
{
    return handAnswer(report::Task::Score, hand, conditions);
}

std::string waitsJson(std::string_view hand, const PageConditions& conditions)
{
    return handAnswer(report::Task::Waits, hand, conditions);
}

std::string discardsJson(std::string_view hand, const PageConditions& conditions)
{
    return handAnswer(report::Task::Discards, hand, conditions);
}

std::string dealJson(std::string_view level, std::string_view seed,
                     std::optional<std::string_view> limit)
{
    report::Request request;
    request.task = report::Task::Deal;
    request.json = true;
    if (limit) {
        const std::optional<std::int32_t> tablelimit = hand::readTableLimit(*limit);
        if (!tablelimit)
            return refusal(english(hand::badTableLimit(*limit)));
        request.conditions.tablelimit = *tablelimit;
    }
    const std::optional<std::uint64_t> dealLevel = readWhole(level, 1, 3);
    if (!dealLevel)
        return refusal(fillPattern(report::levelRefusal, {hand::quotedValue(level)}));
    request.level = static_cast<hand::DealLevel>(*dealLevel);
    const std::optional<std::uint64_t> dealSeed = readWhole(seed, 0, hand::maxSeed);
    if (!dealSeed)
        return refusal(fillPattern(report::seedRefusal,
                                   {std::to_string(hand::maxSeed), hand::quotedValue(seed)}));
    request.seed = *dealSeed;
    return report::answer(request).out;
}

} // namespace webengine

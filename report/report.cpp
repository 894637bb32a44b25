#include "report.h"

#include "writers.h"

// The web's engine module builds this library with emscripten alone.
#ifdef QT_CORE_LIB
#error "the report is plain C++: it links no Qt"
#endif

namespace report {

namespace {

std::string inQuotes(const std::string& figure)
{
    return '"' + figure + '"';
}

// What no front end lets through, refused all the same: the engine and the deal take any
// request that passes here.
std::string figuresError(const Request& request)
{
    const std::int32_t limit = request.conditions.tablelimit;
    if (limit < lowestLimit || limit > highestLimit)
        return fillPattern(limitRefusal, {inQuotes(std::to_string(limit))});
    if (request.task != Task::Deal)
        return {};
    const int level = static_cast<int>(request.level);
    if (level < static_cast<int>(hand::DealLevel::SetsAndPair) ||
        level > static_cast<int>(hand::DealLevel::Everything))
        return fillPattern(levelRefusal, {inQuotes(std::to_string(level))});
    if (request.seed > hand::maxSeed)
        return fillPattern(seedRefusal,
                           {std::to_string(hand::maxSeed), inQuotes(std::to_string(request.seed))});
    return {};
}

// The answer's text, or the sentence that refuses the request.
std::string answerText(const Request& request, std::string& error)
{
    switch (request.task) {
    case Task::Deal: {
        const hand::Deal dealt = hand::deal(request.level, request.seed);
        hand::Conditions conditions = dealt.conditions;
        conditions.tablelimit = request.conditions.tablelimit;
        const hand::HandResult result = hand::scoreHand(dealt.hand, conditions);
        error = english(result.error);
        if (!error.empty())
            return {};
        return request.json ? detail::dealJson(dealt, result, conditions).compact() + '\n'
                            : detail::dealText(dealt, result, conditions);
    }
    case Task::Waits: {
        const hand::WaitsResult result = hand::findWaits(request.hand, request.conditions);
        error = english(result.error);
        if (!error.empty())
            return {};
        return request.json ? detail::waitsJson(result).compact() + '\n'
                            : detail::waitsText(result);
    }
    case Task::Discards: {
        hand::ParsedHand parsed = hand::parseHand(request.hand, hand::WinningTile::Optional);
        hand::DiscardsResult result;
        result.error = std::move(parsed.error);
        if (result.error.empty())
            result = hand::findDiscards(parsed.hand, request.conditions);
        error = english(result.error);
        if (!error.empty())
            return {};
        return request.json ? detail::discardsJson(parsed.hand, result).compact() + '\n'
                            : detail::discardsText(parsed.hand, result);
    }
    case Task::Score:
        break;
    }
    const hand::HandResult result = hand::readHand(request.hand, request.conditions);
    error = english(result.error);
    if (!error.empty())
        return {};
    return request.json ? detail::handJson(result, request.conditions).compact() + '\n'
                        : detail::handText(result, request.conditions);
}

} // namespace

Answer answer(const Request& request)
{
    Answer answer;
    std::string error = figuresError(request);
    if (error.empty())
        answer.out = answerText(request, error);
    if (error.empty())
        return answer;
    answer.refused = true;
    if (request.json)
        answer.out = errorJson(error);
    else
        answer.error = error;
    return answer;
}

std::string errorJson(std::string_view sentence)
{
    return json::Value::object().set("error", std::string(sentence)).compact() + '\n';
}

} // namespace report

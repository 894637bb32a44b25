#include "pointsworking.h"

#include "checkedmath.h"

namespace {

std::string timesSuffix(int times)
{
    return times > 1 ? " (x" + std::to_string(times) + ")" : std::string();
}

std::string stepLine(const PointsWorking::Step& step, std::int32_t tablelimit)
{
    const SheetRow& row = handSheet[step.row];
    const std::string caption = row.caption;
    const std::string after = " = " + std::to_string(step.after);
    switch (row.effect) {
    case RowEffect::Add:
        return "+" + std::to_string(row.amount) + " " + caption + timesSuffix(step.times);
    case RowEffect::Multiply:
        return "x" + std::to_string(row.amount) + " " + caption + timesSuffix(step.times) + after;
    case RowEffect::ReplaceByLimit:
        return caption + ": replaced by the table limit " + std::to_string(tablelimit);
    case RowEffect::AddFlowers:
        return "+" + std::to_string(std::int64_t(row.amount) * step.times) + " " + caption + " (" +
               std::to_string(step.times) + ")" + after;
    }
    return caption;
}

} // namespace

std::vector<std::string> pointsWorkingLines(const PointsWorking& working, std::int32_t tablelimit,
                                            std::int32_t total)
{
    std::vector<std::string> lines{"20 base"};
    bool endsOnTotal = false;
    for (const PointsWorking::Step& step : working.steps) {
        lines.push_back(stepLine(step, tablelimit));
        const RowEffect effect = handSheet[step.row].effect;
        endsOnTotal = effect == RowEffect::Multiply || effect == RowEffect::AddFlowers;
    }
    if (working.overflowRow)
        lines.push_back(overflowNote(working));
    else if (!endsOnTotal)
        lines.push_back("= " + std::to_string(total));
    return lines;
}

std::vector<std::string> valueWorkingLines(std::int32_t points, std::int32_t tablelimit, bool east)
{
    const std::int64_t capped = cappedValue(points, tablelimit);
    const std::int64_t value = capped * eastFactor(east);
    std::vector<std::string> lines;
    if (points > tablelimit)
        lines.push_back(std::to_string(points) + ", capped at the table limit " +
                        std::to_string(tablelimit) + " = " + std::to_string(capped));
    else
        lines.push_back(std::to_string(points) + ", within the table limit " +
                        std::to_string(tablelimit));
    lines.push_back(std::string(east ? "x6 (East)" : "x4 (not East)") + " = " +
                    std::to_string(value));
    return lines;
}

std::string overflowNote(const PointsWorking& working)
{
    const std::string caption =
        working.overflowRow ? handSheet[*working.overflowRow].caption : "the count";
    return "Overflow at \"" + caption +
           "\": the hand is worth more than the calculator can count. "
           "The results were left as they were.";
}

ExplainedCount explainCount(const BoxValues& boxes, std::int32_t flowercount,
                            std::int32_t tablelimit, bool east)
{
    PointsWorking working;
    std::int32_t points = 0;
    try {
        countPoints(boxes, flowercount, tablelimit, points, &working);
    } catch (const OverflowError&) {
        return {pointsWorkingLines(working, tablelimit, points), {overflowNote(working)}};
    }
    return {pointsWorkingLines(working, tablelimit, points),
            valueWorkingLines(points, tablelimit, east)};
}

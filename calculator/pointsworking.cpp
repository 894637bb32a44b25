#include "pointsworking.h"

#include "checkedmath.h"

namespace {

Phrase number(std::int64_t value)
{
    return plainNumber(value);
}

Phrase stepLine(const PointsWorking::Step& step, std::int32_t tablelimit)
{
    const SheetRow& row = handSheet[step.row];
    const Phrase caption = rowCaption(row);
    const bool repeated = step.times > 1;
    switch (row.effect) {
    case RowEffect::Add:
        if (repeated)
            return phrase("Working", QT_TRANSLATE_NOOP("Working", "+%1 %2 (x%3)"),
                          {number(row.amount), caption, number(step.times)});
        return phrase("Working", QT_TRANSLATE_NOOP("Working", "+%1 %2"),
                      {number(row.amount), caption});
    case RowEffect::Multiply:
        if (repeated)
            return phrase("Working", QT_TRANSLATE_NOOP("Working", "x%1 %2 (x%3) = %4"),
                          {number(row.amount), caption, number(step.times), number(step.after)});
        return phrase("Working", QT_TRANSLATE_NOOP("Working", "x%1 %2 = %3"),
                      {number(row.amount), caption, number(step.after)});
    case RowEffect::ReplaceByLimit:
        return phrase("Working", QT_TRANSLATE_NOOP("Working", "%1: replaced by the table limit %2"),
                      {caption, number(tablelimit)});
    case RowEffect::AddFlowers:
        return phrase("Working", QT_TRANSLATE_NOOP("Working", "+%1 %2 (%3) = %4"),
                      {number(std::int64_t(row.amount) * step.times), caption, number(step.times),
                       number(step.after)});
    }
    return caption;
}

} // namespace

Phrase rowCaption(const SheetRow& row)
{
    return phrase(handSheetContext, row.caption);
}

std::vector<Phrase> pointsWorkingLines(const PointsWorking& working, std::int32_t tablelimit,
                                       std::int32_t total)
{
    std::vector<Phrase> lines{phrase("Working", QT_TRANSLATE_NOOP("Working", "20 base"))};
    bool endsOnTotal = false;
    for (const PointsWorking::Step& step : working.steps) {
        lines.push_back(stepLine(step, tablelimit));
        const RowEffect effect = handSheet[step.row].effect;
        endsOnTotal = effect == RowEffect::Multiply || effect == RowEffect::AddFlowers;
    }
    if (working.overflowRow)
        lines.push_back(overflowNote(working));
    else if (!endsOnTotal)
        lines.push_back(phrase("Working", QT_TRANSLATE_NOOP("Working", "= %1"), {number(total)}));
    return lines;
}

std::vector<Phrase> valueWorkingLines(std::int32_t points, std::int32_t tablelimit, bool east)
{
    const std::int64_t capped = cappedValue(points, tablelimit);
    const std::int64_t value = capped * eastFactor(east);
    std::vector<Phrase> lines;
    if (points > tablelimit)
        lines.push_back(
            phrase("Working", QT_TRANSLATE_NOOP("Working", "%1, capped at the table limit %2 = %3"),
                   {number(points), number(tablelimit), number(capped)}));
    else
        lines.push_back(phrase("Working",
                               QT_TRANSLATE_NOOP("Working", "%1, within the table limit %2"),
                               {number(points), number(tablelimit)}));
    lines.push_back(
        east ? phrase("Working", QT_TRANSLATE_NOOP("Working", "x6 (East) = %1"), {number(value)})
             : phrase("Working", QT_TRANSLATE_NOOP("Working", "x4 (not East) = %1"),
                      {number(value)}));
    return lines;
}

Phrase overflowNote(const PointsWorking& working)
{
    const Phrase where = working.overflowRow
                             ? rowCaption(handSheet[*working.overflowRow])
                             : phrase("Working", QT_TRANSLATE_NOOP("Working", "the count"));
    return phrase("Working",
                  QT_TRANSLATE_NOOP("Working",
                                    "Overflow at \"%1\": the hand is worth more than the "
                                    "calculator can count. The results were left as they were."),
                  {where});
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

#include "sheetrules.h"

#include <algorithm>

#include "checkedmath.h"
#include "numbertext.h"
#include "pointscount.h"
#include "pointsworking.h"

// The messages are translated in the calculator window's context, whose texts they are.

std::int32_t flowersStep(std::int32_t count, bool up)
{
    if (up)
        return count < maxFlowers ? count + 1 : count;
    return count > 0 ? count - 1 : count;
}

std::string flowersCaption(std::int32_t count)
{
    return count == 0 ? std::string() : numberText(count);
}

SheetFigures sheetFigures(const BoxValues& boxes, std::int32_t flowers, std::int32_t tablelimit)
{
    SheetFigures figures;
    if (!resultsShown(tablelimit))
        return figures;
    figures.shown = true;
    const bool east = boxes[eastBox] == 1;
    ExplainedCount explained = explainCount(boxes, flowers, tablelimit, east);
    figures.countWorking = std::move(explained.countLines);
    figures.valueWorking = std::move(explained.valueLines);
    try {
        figures.count = countPoints(boxes, flowers, tablelimit);
    } catch (const OverflowError&) {
        figures.overflow = true;
        return figures;
    }
    figures.value = cappedValue(figures.count, tablelimit) * eastFactor(east);
    figures.countText = numberText(figures.count);
    figures.valueText = numberText(figures.value);
    return figures;
}

TableLimitTyped tableLimitTyped(std::string_view text)
{
    using Action = TableLimitDecision::Action;
    const TableLimitDecision decision = decideTableLimit(text);
    TableLimitTyped typed{decision.action, decision.value, {}, {}};
    switch (decision.action) {
    case Action::Ignore:
    case Action::Store:
        break;
    case Action::TooHigh:
        typed.message = {phrase("CalculatorWindow",
                                QT_TRANSLATE_NOOP("CalculatorWindow", "limit is toooooooo high")),
                         StopIcon};
        typed.replacement = numberText(std::int64_t(tableLimitBound));
        typed.value = decideTableLimit(typed.replacement).value;
        break;
    case Action::Typo:
        typed.message = typoMessage();
        break;
    }
    return typed;
}

Message typoMessage()
{
    return {phrase("CalculatorWindow",
                   QT_TRANSLATE_NOOP("CalculatorWindow", "You made a typo, mahjongaddict")),
            ExclamationIcon};
}

std::vector<int> boxesToClear(const BoxValues& boxes)
{
    std::vector<int> ticked;
    for (int n = 1; n <= lastBox; ++n) {
        if (isSheetBox(n) && boxes[n] == 1)
            ticked.push_back(n);
    }
    return ticked;
}

bool clearingOverflows(const BoxValues& boxes, std::int32_t flowers, std::int32_t tablelimit)
{
    if (!resultsShown(tablelimit))
        return false;
    BoxValues sheet = boxes;
    bool overflowed = false;
    for (const int box : boxesToClear(boxes)) {
        sheet[box] = 0;
        try {
            countPoints(sheet, flowers, tablelimit);
        } catch (const OverflowError&) {
            overflowed = true;
        }
    }
    return overflowed;
}

Message sheetHint(int button)
{
    if (button == 3)
        return {phrase("CalculatorWindow",
                       QT_TRANSLATE_NOOP("CalculatorWindow",
                                         "This does not aply when you have a pair of dragons or "
                                         "prevailing/seat winds !")),
                ExclamationIcon};
    return {phrase("CalculatorWindow",
                   QT_TRANSLATE_NOOP("CalculatorWindow",
                                     "If the honor pong/kong is a dragon/prevailing/seat wind "
                                     "also check the box closed pong/kong dragon/seat or "
                                     "prevailing wind (on the right side)!")),
            ExclamationIcon};
}

SheetFill sheetFill(const BoxValues& from, std::int32_t fromFlowers, const BoxValues& to,
                    std::int32_t toFlowers)
{
    SheetFill fill;
    for (int n = 1; n <= lastBox; ++n) {
        if (!isSheetBox(n))
            continue;
        if (from[n] == 1 && to[n] != 1)
            fill.untick.push_back(n);
        else if (from[n] != 1 && to[n] == 1)
            fill.tick.push_back(n);
    }
    fill.flowerClicks =
        std::clamp(toFlowers, 0, maxFlowers) - std::clamp(fromFlowers, 0, maxFlowers);
    return fill;
}

Phrase sheetBoxName(const SheetRow& row, int index)
{
    const Phrase caption = rowCaption(row);
    if (row.boxCount == 1)
        return caption;
    return phrase("CalculatorWindow",
                  row.column == SheetColumn::Left
                      ? QT_TRANSLATE_NOOP("CalculatorWindow", "%1, set %2 of %3")
                      : QT_TRANSLATE_NOOP("CalculatorWindow", "%1, %2 of %3"),
                  {caption, plainNumber(index + 1), plainNumber(row.boxCount)});
}

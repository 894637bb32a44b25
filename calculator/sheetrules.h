#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "handsheet.h"
#include "message.h"
#include "tablelimit.h"

// What the calculator window's events decide, apart from any widget, so that the window and the
// web page follow the same rules: the flowers and seasons counter, the table-limit box, the two
// results, the clear buttons and the hints.

inline constexpr std::int32_t maxFlowers = 8;

// "+" (`up`) and "--": one flower or season more or fewer, from 0 to 8; at a bound the count
// stays as it is, and no message says so.
std::int32_t flowersStep(std::int32_t count, bool up);

// What the counter's label shows: nothing for none, else the count as number text (" 3").
std::string flowersCaption(std::int32_t count);

// While no table limit is entered nothing is counted and the results stay as they are.
constexpr bool resultsShown(std::int32_t tablelimit)
{
    return tablelimit != 0;
}

// The two results of a sheet, as the window writes them. Check1 of `boxes` is the East box.
struct SheetFigures {
    bool shown = false;    // false while no table limit is entered: nothing changes
    bool overflow = false; // the count left the range: both results stay as they were
    std::int32_t count = 0;
    std::int64_t value = 0;
    std::string countText; // beside "Your hand is worth" (Label38)
    std::string valueText; // beside "Zorvan! Points" (Label37)
    std::vector<Phrase> countWorking;
    std::vector<Phrase> valueWorking;
};
SheetFigures sheetFigures(const BoxValues& boxes, std::int32_t flowers, std::int32_t tablelimit);

// A change of the table-limit text, as the window takes it:
// - Ignore: the empty text; nothing happens.
// - TooHigh: `message` ("limit is toooooooo high"), then the text becomes `replacement`, the
//   bound as number text; that change is read again at once and stores `value`, the bound.
//   The results are recounted after each.
// - Store: `value` becomes the table limit, and the results are recounted.
// - Typo: `message`, the typo warning; the table limit and the text stay as they were.
// A recount that overflows after a stored limit ends in the typo warning too (typoMessage).
struct TableLimitTyped {
    TableLimitDecision::Action action = TableLimitDecision::Action::Ignore;
    std::int32_t value = 0;
    Message message;
    std::string replacement;
};
TableLimitTyped tableLimitTyped(std::string_view text);
Message typoMessage();

// The boxes a clear button unticks, in the order it unticks them: every ticked box, East
// included, from the lowest number up. Each raises its own click handling, which recounts.
std::vector<int> boxesToClear(const BoxValues& boxes);

// Whether "Clear all BUT table limit" meets an overflow on its way: each box it unticks
// recounts the sheet at once (with the flowers still counted), so one sheet on the way that
// overflows reports it, once. "Clear ALL" sets the limit to 0 first and so never does.
bool clearingOverflows(const BoxValues& boxes, std::int32_t flowers, std::int32_t tablelimit);

// The hints of the "?" buttons Command1, Command2 and Command3.
Message sheetHint(int button);

// How a fill reaches another sheet through the window's own controls, each raising its own
// handling: the boxes to untick, then `flowerClicks` clicks on "+" (on "--" when negative) to
// bring the counter within 0 to 8 to the flowers wanted, then the boxes to tick. Unticking
// comes first, so that every sheet on the way holds only boxes of the old sheet or only boxes
// of the new one, and overflows only where one of those does.
struct SheetFill {
    std::vector<int> untick;
    std::int32_t flowerClicks = 0;
    std::vector<int> tick;
};
SheetFill sheetFill(const BoxValues& from, std::int32_t fromFlowers, const BoxValues& to,
                    std::int32_t toFlowers);

// How a screen reader names box `index` (from 0) of a row, the boxes showing no text: the
// row's caption where it has one box, else "open pong 2-8, set 1 of 4" in the left column's
// set rows and "FA from own seat, 2 of 2" elsewhere.
Phrase sheetBoxName(const SheetRow& row, int index);

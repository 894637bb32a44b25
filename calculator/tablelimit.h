#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The two readings of the table-limit text. Decimal notation only: an optional sign,
// digits, a decimal point (full stop) and an exponent with e or E.

// The largest table limit; compared with the text's leading number before rounding.
inline constexpr double tableLimitBound = 65536.0;

// Lenient reading: blanks, tabs and line feeds are ignored wherever they stand, the number
// ends at the first character that cannot continue it, and a text that does not begin with
// a number reads 0. Never fails: out-of-range magnitudes read as infinity or zero.
double leadingNumber(std::string_view text);

// Strict conversion: apart from blanks around it the whole text is one number, rounded to
// the nearest integer with halves going to the even neighbour; empty when the text is not
// a number or the result does not fit 32 bits.
std::optional<std::int32_t> wholeNumber(std::string_view text);

// What a change of the table-limit text leads to.
struct TableLimitDecision {
    enum class Action {
        Ignore,  // empty text: nothing happens
        TooHigh, // above the bound: the text is replaced by the bound
        Store,   // `value` becomes the table limit
        Typo,    // not a number the limit can take
    };
    Action action;
    std::int32_t value = 0;
};

TableLimitDecision decideTableLimit(std::string_view text);

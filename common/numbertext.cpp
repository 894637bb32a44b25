#include "numbertext.h"

std::string numberText(std::int64_t value)
{
    // Work on the magnitude as unsigned so that INT64_MIN has a magnitude too.
    const bool negative = value < 0;
    std::uint64_t magnitude =
        negative ? std::uint64_t(0) - static_cast<std::uint64_t>(value) : std::uint64_t(value);
    char digits[24];
    int n = 0;
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    std::string text(1, negative ? '-' : ' ');
    while (n > 0)
        text += digits[--n];
    return text;
}

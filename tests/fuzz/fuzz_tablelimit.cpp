// Table-limit texts: the lenient reading never fails; whatever the strict conversion accepts
// is one decimal number with blanks around it at most, rounded half to even, and read the
// same by the lenient reading; a decision to store stores only what the conversion made.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "tablelimit.h"

namespace {

[[noreturn]] void failTableLimit(const char* what, const std::string& text)
{
    std::fprintf(stderr, "property broken: %s for text of %zu bytes\n", what, text.size());
    std::abort();
}

std::string trimBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Exact half-to-even rounding for numbers short enough for 128-bit arithmetic; false when
// the number is too long to check this way.
bool roundExactly(const std::string& number, __int128& rounded)
{
    std::size_t i = 0;
    bool negative = false;
    if (number[i] == '+' || number[i] == '-')
        negative = number[i++] == '-';
    std::string digits;
    int fractionLength = 0;
    bool inFraction = false;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.') {
            inFraction = true;
            continue;
        }
        digits += number[i];
        fractionLength += inFraction;
    }
    long exponent = 0;
    if (i < number.size()) {
        const std::string e = number.substr(i + 1);
        if (e.size() > 6)
            return false;
        exponent = std::strtol(e.c_str(), nullptr, 10);
    }
    const auto firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        rounded = 0;
        return true;
    }
    digits = digits.substr(firstNonZero);
    const long scale = exponent - fractionLength; // value = digits x 10^scale
    if (digits.size() > 30 || scale > 12 || scale < -30 || long(digits.size()) + scale > 12)
        return false;
    __int128 mantissa = 0;
    for (char d : digits)
        mantissa = mantissa * 10 + (d - '0');
    if (scale >= 0) {
        for (long k = 0; k < scale; ++k)
            mantissa *= 10;
        rounded = negative ? -mantissa : mantissa;
        return true;
    }
    __int128 divisor = 1;
    for (long k = 0; k < -scale; ++k)
        divisor *= 10;
    __int128 quotient = mantissa / divisor;
    const __int128 remainder = mantissa % divisor;
    if (remainder * 2 > divisor || (remainder * 2 == divisor && quotient % 2 == 1))
        ++quotient;
    rounded = negative ? -quotient : quotient;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const double lenient = leadingNumber(text);
    if (std::isnan(lenient))
        failTableLimit("lenient reading gave NaN", text);

    const auto strict = wholeNumber(text);
    if (strict) {
        static const std::regex decimal(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
        const std::string number = trimBlanks(text);
        if (!std::regex_match(number, decimal))
            failTableLimit("strict conversion accepted a text that is not one decimal number",
                           text);
        __int128 rounded = 0;
        if (roundExactly(number, rounded) && rounded != *strict)
            failTableLimit("strict conversion did not round half to even", text);
        if (std::strtod(number.c_str(), nullptr) != lenient)
            failTableLimit("lenient reading differs from the number", text);
        if (std::fabs(lenient - *strict) > 0.5 + 1e-9 * std::fabs(lenient))
            failTableLimit("rounded value is not the nearest integer", text);
    }

    const TableLimitDecision decision = decideTableLimit(text);
    using Action = TableLimitDecision::Action;
    switch (decision.action) {
    case Action::Ignore:
        if (!text.empty())
            failTableLimit("ignored a text that is not empty", text);
        break;
    case Action::TooHigh:
        if (!(lenient > tableLimitBound))
            failTableLimit("too high below the bound", text);
        break;
    case Action::Store:
        if (!strict || *strict != decision.value || lenient > tableLimitBound)
            failTableLimit("stored a value the strict conversion did not produce", text);
        break;
    case Action::Typo:
        if (text.empty() || strict || lenient > tableLimitBound)
            failTableLimit("typo for a text that converts", text);
        break;
    }
    return 0;
}

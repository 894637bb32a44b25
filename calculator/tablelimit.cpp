#include "tablelimit.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number taken apart: sign, the digits before and after the point, and the
// exponent (saturated, so that an absurd exponent cannot wrap).
struct DecimalParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::int64_t exponent = 0;
};

constexpr std::int64_t exponentLimit = 1'000'000'000;

// Reads the longest number at the start of `text`; returns the characters it used, 0 when
// the text does not begin with a number.
std::size_t readNumber(std::string_view text, DecimalParts& parts)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        parts.negative = text[i] == '-';
        ++i;
    }
    const std::size_t integerStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    parts.integerDigits = text.substr(integerStart, i - integerStart);
    if (i < n && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < n && isDigit(text[i]))
            ++i;
        parts.fractionDigits = text.substr(fractionStart, i - fractionStart);
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty())
        return 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < n && isDigit(text[j])) {
            std::int64_t exponent = 0;
            while (j < n && isDigit(text[j])) {
                exponent = std::min(exponent * 10 + (text[j] - '0'), exponentLimit);
                ++j;
            }
            parts.exponent = negativeExponent ? -exponent : exponent;
            i = j;
        }
    }
    return i;
}

std::string_view withoutLeadingZeros(std::string_view digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{} : digits.substr(first);
}

// The decimal exponent of the leading significant digit; empty for zero.
std::optional<std::int64_t> magnitude(const DecimalParts& parts)
{
    const std::string_view integer = withoutLeadingZeros(parts.integerDigits);
    if (!integer.empty())
        return std::int64_t(integer.size()) - 1 + parts.exponent;
    const auto firstNonZero = parts.fractionDigits.find_first_not_of('0');
    if (firstNonZero == std::string_view::npos)
        return std::nullopt;
    return -std::int64_t(firstNonZero) - 1 + parts.exponent;
}

double toDouble(const DecimalParts& parts)
{
    std::string canonical;
    canonical.reserve(parts.integerDigits.size() + parts.fractionDigits.size() + 24);
    canonical += parts.integerDigits.empty() ? std::string_view("0") : parts.integerDigits;
    if (!parts.fractionDigits.empty()) {
        canonical += '.';
        canonical += parts.fractionDigits;
    }
    canonical += 'e';
    canonical += std::to_string(parts.exponent);

    double value = 0.0;
#if defined(__cpp_lib_to_chars)
    const auto [end, error] =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    (void)end;
    const bool outOfRange = error == std::errc::result_out_of_range;
#elif defined(__EMSCRIPTEN__)
    // Emscripten's standard library has no from_chars for double; its C library reads a full
    // stop in every locale, and the text is well formed, so strtod fails only out of range
    // (and a stream would bring all of the locales into the engine for the web).
    errno = 0;
    value = std::strtod(canonical.c_str(), nullptr);
    const bool outOfRange = errno == ERANGE;
#else
    // Other standard libraries without from_chars for double: a stream in the classic locale
    // reads the same notation, whatever the user's locale, and fails only when the value is
    // out of range, as the text is well formed.
    std::istringstream stream(canonical);
    stream.imbue(std::locale::classic());
    stream >> value;
    const bool outOfRange = stream.fail();
#endif
    if (outOfRange) {
        const auto leading = magnitude(parts);
        value = leading && *leading > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return parts.negative ? -value : value;
}

} // namespace

double leadingNumber(std::string_view text)
{
    std::string packed;
    packed.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            packed += c;
    }
    DecimalParts parts;
    if (readNumber(packed, parts) == 0)
        return 0.0;
    return toDouble(parts);
}

std::optional<std::int32_t> wholeNumber(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    DecimalParts parts;
    if (readNumber(text, parts) != text.size())
        return std::nullopt;

    // Exact decimal rounding on the digits, so that no binary fraction blurs a half.
    std::string digits(parts.integerDigits);
    digits += parts.fractionDigits;
    const std::string_view significant = withoutLeadingZeros(digits);
    if (significant.empty())
        return 0;
    const std::int64_t integerLength = std::int64_t(significant.size()) -
                                       std::int64_t(parts.fractionDigits.size()) + parts.exponent;
    if (integerLength > 10)
        return std::nullopt; // at least 10^10, far outside 32 bits

    std::int64_t magnitudeValue = 0;
    for (std::int64_t k = 0; k < integerLength; ++k) {
        const char digit = k < std::int64_t(significant.size()) ? significant[k] : '0';
        magnitudeValue = magnitudeValue * 10 + (digit - '0');
    }
    const std::string_view fraction =
        integerLength >= 0
            ? significant.substr(std::min<std::size_t>(integerLength, significant.size()))
            : std::string_view{};
    // With integerLength < 0 the value is below 0.1 and rounds to 0.
    if (!fraction.empty()) {
        const char firstFraction = fraction.front();
        const bool moreAfterHalf = fraction.find_first_not_of('0', 1) != std::string_view::npos;
        if (firstFraction > '5' || (firstFraction == '5' && (moreAfterHalf || magnitudeValue % 2)))
            ++magnitudeValue;
    }
    const std::int64_t value = parts.negative ? -magnitudeValue : magnitudeValue;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(value);
}

TableLimitDecision decideTableLimit(std::string_view text)
{
    using Action = TableLimitDecision::Action;
    if (text.empty())
        return {Action::Ignore};
    if (leadingNumber(text) > tableLimitBound)
        return {Action::TooHigh};
    if (const auto value = wholeNumber(text))
        return {Action::Store, *value};
    return {Action::Typo};
}

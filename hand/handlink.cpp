#include "handlink.h"

#include <array>
#include <utility>

namespace hand {
namespace {

Phrase say(const char* pattern, std::vector<Phrase> args = {})
{
    return phrase("HandLink", pattern, std::move(args));
}

Phrase quoted(std::string_view text)
{
    return plainText(quotedValue(text));
}

bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool sameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The conditions that hold or not, as the link names them.
struct Switch {
    const char* name;
    bool Conditions::*condition;
};
constexpr std::array<Switch, 5> switches{{
    {"self", &Conditions::selfDrawn},
    {"last", &Conditions::lastTile},
    {"supplement", &Conditions::supplement},
    {"robbing", &Conditions::robbingKong},
    {"nofa", &Conditions::noFaTable},
}};

} // namespace

std::string quotedValue(std::string_view text)
{
    constexpr int shown = 24;
    std::size_t end = 0;
    int units = 0;
    while (end < text.size()) {
        const auto lead = static_cast<unsigned char>(text[end]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
        const int width = length == 4 ? 2 : 1;
        if (units + width > shown)
            break;
        units += width;
        end += length;
    }
    std::string cut(text.substr(0, end));
    if (end < text.size())
        cut += "...";
    return '"' + cut + '"';
}

std::optional<Wind> readWindName(std::string_view text)
{
    for (const Wind wind : {Wind::East, Wind::South, Wind::West, Wind::North}) {
        const std::string_view name = windName(wind);
        if (sameLetters(text, name) || sameLetters(text, name.substr(0, 1)))
            return wind;
    }
    return std::nullopt;
}

std::optional<std::int32_t> readTableLimit(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 65536)
            return std::nullopt;
    }
    if (value < 1)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

Phrase badSeatWind(std::string_view text)
{
    return say(QT_TRANSLATE_NOOP("HandLink", "the seat wind must be E, S, W or N, not %1"),
               {quoted(text)});
}

Phrase badRoundWind(std::string_view text)
{
    return say(QT_TRANSLATE_NOOP("HandLink", "the prevailing wind must be E, S, W or N, not %1"),
               {quoted(text)});
}

Phrase badTableLimit(std::string_view text)
{
    return say(QT_TRANSLATE_NOOP("HandLink",
                                 "the table limit must be a whole number from 1 to 65536, not %1"),
               {quoted(text)});
}

std::string percentEncode(std::string_view text)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size() * 2);
    for (const char c : text) {
        if (isUnreserved(c)) {
            encoded += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0xf];
        }
    }
    return encoded;
}

std::optional<std::string> percentDecode(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        decoded += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return decoded;
}

HandLink readHandLink(std::string_view link)
{
    if (const auto hash = link.find('#'); hash != std::string_view::npos)
        link.remove_prefix(hash + 1);
    HandLink read;
    bool handGiven = false;
    std::array<bool, 8> given{}; // seat, round, limit, then the switches
    const auto refuse = [&read](Phrase why) {
        read.error = std::move(why);
        return read;
    };
    while (!link.empty()) {
        const std::size_t end = link.find('&');
        const std::string_view part = link.substr(0, end);
        link.remove_prefix(end == std::string_view::npos ? link.size() : end + 1);
        if (part.empty())
            continue;
        const std::size_t equals = part.find('=');
        const std::string_view key = part.substr(0, equals);
        const std::optional<std::string> value = percentDecode(
            equals == std::string_view::npos ? std::string_view{} : part.substr(equals + 1));
        if (!value)
            return refuse(
                say(QT_TRANSLATE_NOOP("HandLink", "the link's %1 is not written correctly: each % "
                                                  "must be followed by two hexadecimal digits"),
                    {plainText(std::string(key))}));
        const auto once = [&](bool& seen) {
            const bool first = !seen;
            seen = true;
            return first;
        };
        const auto twice = [&] {
            return refuse(say(QT_TRANSLATE_NOOP("HandLink", "the link gives %1 more than once"),
                              {plainText(std::string(key))}));
        };
        if (key == "hand") {
            if (!once(handGiven))
                return twice();
            read.hand = *value;
        } else if (key == "seat" || key == "round") {
            const bool seat = key == "seat";
            if (!once(given[seat ? 0 : 1]))
                return twice();
            const std::optional<Wind> wind = readWindName(*value);
            if (!wind)
                return refuse(seat ? badSeatWind(*value) : badRoundWind(*value));
            (seat ? read.conditions.seat : read.conditions.round) = *wind;
        } else if (key == "limit") {
            if (!once(given[2]))
                return twice();
            const std::optional<std::int32_t> limit = readTableLimit(*value);
            if (!limit)
                return refuse(badTableLimit(*value));
            read.conditions.tablelimit = *limit;
            read.limitGiven = true;
        } else {
            for (std::size_t n = 0; n < switches.size(); ++n) {
                if (key != switches[n].name)
                    continue;
                if (!once(given[3 + n]))
                    return twice();
                if (*value != "1" && *value != "0")
                    return refuse(
                        say(QT_TRANSLATE_NOOP("HandLink", "the link's %1 must be 1 or 0, not %2"),
                            {plainText(std::string(key)), quoted(*value)}));
                read.conditions.*switches[n].condition = *value == "1";
            }
        }
    }
    if (!handGiven)
        return refuse(
            say(QT_TRANSLATE_NOOP("HandLink", "the link holds no hand: it begins #hand= and the "
                                              "hand's tiles")));
    return read;
}

std::string writeHandLink(std::string_view hand, const Conditions& conditions)
{
    std::string link = "#hand=" + percentEncode(hand);
    link += "&seat=";
    link += windName(conditions.seat)[0];
    link += "&round=";
    link += windName(conditions.round)[0];
    link += "&limit=" + std::to_string(conditions.tablelimit);
    for (const Switch& each : switches) {
        if (conditions.*each.condition)
            link += std::string("&") + each.name + "=1";
    }
    return link;
}

} // namespace hand

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "handengine.h"
#include "phrase.h"

// A hand in a link, and the conditions it was won under:
//   #hand=<the notation, percent-encoded>&seat=S&round=W&limit=300&self=1
// with last, supplement, robbing and nofa beside self (1 or 0). The page opens its Hand screen
// from it, the Qt program its hand window. Any order; parts not named here are passed over, so
// that a page may keep more in the same link.
namespace hand {

// The conditions' values as the link and the command line write them, each read the one way:
// a wind as E, S, W or N (or its whole name, in any case); the table limit as a whole number
// from 1 to 65536, digits only. Empty when the text is not one.
std::optional<Wind> readWindName(std::string_view text);
std::optional<std::int32_t> readTableLimit(std::string_view text);

// A value named in a sentence: in quotes, cut short after 24 characters (counted in UTF-16, as
// the command line counts them) so that the sentence stays one readable line.
std::string quotedValue(std::string_view text);

// Why a value is refused, naming it (cut short, in quotes): "the seat wind must be E, S, W or N,
// not "X"", and the same for the prevailing wind and the table limit.
Phrase badSeatWind(std::string_view text);
Phrase badRoundWind(std::string_view text);
Phrase badTableLimit(std::string_view text);

struct HandLink {
    std::string hand; // the notation as written, not yet read
    Conditions conditions;
    bool limitGiven =
        false;    // the limit is the link's, not the one a hand is counted under by default
    Phrase error; // why the link holds no hand; then nothing else is meaningful
};

// Reads a link's fragment: "#hand=...&seat=S", without the "#", or a whole address whose part
// after "#" is that.
HandLink readHandLink(std::string_view link);

// The link's fragment for a hand, "#" included: the hand percent-encoded (every character but
// letters, digits and - . _ ~), then seat, round and limit, then each condition that holds as
// =1.
std::string writeHandLink(std::string_view hand, const Conditions& conditions);

// %XX for every byte but letters, digits and - . _ ~; and back, empty when a % is not
// followed by two hexadecimal digits.
std::string percentEncode(std::string_view text);
std::optional<std::string> percentDecode(std::string_view text);

} // namespace hand

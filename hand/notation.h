#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "hand.h"
#include "phrase.h"

// The notation a hand is written in: "123m 456p [789s] (1111z) 55z 1f +5z". Its reading and
// its writing; the names of single tiles are in tilenames.h.
namespace hand {

// Reads the notation. On bad input `error` holds one sentence (English in english(error)) naming
// the fault ("5 tiles of 3m", "[1235m] is not a chow, pong or kong", "no winning tile: write it as
// +tile") and `hand` is meaningless. A hand without a winning tile is read as well when
// `winningTile` is Optional (a waiting hand); the tile count is checked by the engine, not
// here.
struct ParsedHand {
    Hand hand;
    Phrase error;
};
ParsedHand parseHand(std::string_view text, WinningTile winningTile = WinningTile::Required);

// What `answer` gives for the hand the text reads as; a Result holding only the reader's
// error where it reads as none. Result has a Phrase `error`.
template <typename Result, typename Answer>
Result answerForText(std::string_view text, WinningTile winningTile, Answer answer)
{
    ParsedHand parsed = parseHand(text, winningTile);
    if (parsed.error.empty())
        return answer(parsed.hand);
    Result result;
    result.error = std::move(parsed.error);
    return result;
}

// The notation of a hand, in one fixed order: the concealed part by suit (m, p, s, z) as
// "123m456p77z", then the declared sets in their order, then the bonus tiles, then "+T";
// groups separated by one blank. parseHand(writeHand(h)).hand == h for every accepted hand.
std::string writeHand(const Hand& hand);

} // namespace hand

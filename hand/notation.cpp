#include "notation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include "tilenames.h"
#include "tiles.h"

namespace hand {

namespace {

using detail::handPhrase;
using detail::rankOf;
using detail::suitLetter;

// Long enough for any hand written tile by tile with a blank between tiles; anything longer
// is refused before it is read.
constexpr std::size_t maxTextLength = 200;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Where a group of tile text ends.
bool endsGroup(char c)
{
    return isBlank(c) || c == '[' || c == '(' || c == ']' || c == ')' || c == '+';
}

Phrase quotedPhrase(std::string_view text)
{
    return plainText("\"" + std::string(text) + "\"");
}

Phrase unknownCharacter(char c)
{
    if (c > ' ' && c < 127)
        return handPhrase(QT_TRANSLATE_NOOP("Hand", "unknown character %1"),
                          {quotedPhrase(std::string_view(&c, 1))});
    return handPhrase(QT_TRANSLATE_NOOP("Hand", "unknown character (code %1)"),
                      {plainNumber(int(static_cast<unsigned char>(c)))});
}

// Reads tile text such as "123m4p77z" or "12f", calling `onFace` and `onBonus` per tile; they
// return an error sentence or the empty text. Returns the first error or the empty text.
template <class OnFace, class OnBonus>
Phrase readTiles(std::string_view text, OnFace&& onFace, OnBonus&& onBonus)
{
    std::size_t digitsFrom = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c))
            continue;
        const bool suited = c == 'm' || c == 'p' || c == 's';
        const bool bonus = c == 'f' || c == 'y';
        if (!suited && !bonus && c != 'z')
            return unknownCharacter(c);
        const std::string_view digits = text.substr(digitsFrom, i - digitsFrom);
        if (digits.empty())
            return handPhrase(QT_TRANSLATE_NOOP("Hand", "%1 has no digits before it"),
                              {quotedPhrase(std::string_view(&c, 1))});
        const int highest = suited ? 9 : c == 'z' ? 7 : 4;
        for (const char digit : digits) {
            const int number = digit - '0';
            if (number < 1 || number > highest)
                return handPhrase(QT_TRANSLATE_NOOP("Hand", "%1 is not a tile"),
                                  {plainText(std::string{digit, c})});
            Phrase error;
            if (suited)
                error = onFace(Face(9 * (c == 'p' ? 1 : c == 's' ? 2 : 0) + number - 1));
            else if (c == 'z')
                error = onFace(Face(firstHonour + number - 1));
            else
                error = onBonus((c == 'y' ? 4 : 0) + number - 1);
            if (!error.empty())
                return error;
        }
        digitsFrom = i + 1;
    }
    if (digitsFrom < text.size())
        return handPhrase(
            QT_TRANSLATE_NOOP("Hand", "%1 has no suit letter: end it with m, p, s, z, f or y"),
            {quotedPhrase(text.substr(digitsFrom))});
    return {};
}

// A bracketed group: "[456m]", "[222z]", "[9999s]" exposed, "(1111p)" a concealed kong.
Phrase readDeclared(std::string_view group, Hand& hand)
{
    const bool concealed = group.front() == '(';
    std::array<Face, 4> faces{};
    int count = 0;
    bool fits = true;
    Phrase error = readTiles(
        group.substr(1, group.size() - 2),
        [&](Face face) {
            if (count < int(faces.size()))
                faces[count] = face;
            else
                fits = false;
            ++count;
            return Phrase();
        },
        [&](int) {
            fits = false;
            return Phrase();
        });
    if (!error.empty())
        return error;
    // Four faces at most: an insertion sort in place.
    for (int i = 1; i < std::min(count, int(faces.size())); ++i) {
        for (int j = i; j > 0 && faces[j - 1] > faces[j]; --j)
            std::swap(faces[j - 1], faces[j]);
    }
    const bool alike = fits && count >= 3 &&
                       std::all_of(faces.begin(), faces.begin() + count,
                                   [&](Face face) { return face == faces[0]; });
    if (concealed) {
        if (!alike || count != 4)
            return handPhrase(
                QT_TRANSLATE_NOOP("Hand", "%1 is not a kong: ( ) holds a concealed kong"),
                {plainText(std::string(group))});
        hand.declared.push_back({SetKind::Kong, faces[0], true});
        return {};
    }
    if (alike) {
        hand.declared.push_back({count == 4 ? SetKind::Kong : SetKind::Pong, faces[0], false});
        return {};
    }
    if (fits && count == 3 && detail::canStartChow(faces[0]) && faces[1] == faces[0] + 1 &&
        faces[2] == faces[0] + 2) {
        hand.declared.push_back({SetKind::Chow, faces[0], false});
        return {};
    }
    return handPhrase(QT_TRANSLATE_NOOP("Hand", "%1 is not a chow, pong or kong"),
                      {plainText(std::string(group))});
}

} // namespace

ParsedHand parseHand(std::string_view text, WinningTile winningTile)
{
    ParsedHand parsed;
    Hand& hand = parsed.hand;
    if (text.size() > maxTextLength) {
        parsed.error =
            handPhrase(QT_TRANSLATE_NOOP("Hand", "the hand is longer than %1 characters"),
                       {plainNumber(maxTextLength)});
        return parsed;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) {
            parsed.error =
                handPhrase(QT_TRANSLATE_NOOP(
                               "Hand", "character %1 is not ASCII: write tiles as 123m, 55p, 7z"),
                           {plainNumber(i + 1)});
            return parsed;
        }
    }

    // One tile per character at most, so a face's count cannot wrap before checkHand refuses
    // a fifth tile.
    static_assert(maxTextLength <= std::numeric_limits<std::uint8_t>::max(),
                  "a face's count must hold every tile the text can write");
    auto onConcealed = [&hand](Face face) {
        ++hand.concealed[face];
        return Phrase();
    };
    auto onBonus = [&hand](int bonus) {
        if (hand.bonus[bonus])
            return handPhrase(
                QT_TRANSLATE_NOOP("Hand",
                                  "%1 is written twice: each flower and season is there once"),
                {plainText(bonusText(bonus))});
        hand.bonus[bonus] = true;
        return Phrase();
    };
    bool anyTile = false;
    std::size_t i = 0;
    while (i < text.size() && parsed.error.empty()) {
        const char c = text[i];
        if (isBlank(c)) {
            ++i;
            continue;
        }
        if (c == ']' || c == ')') {
            parsed.error = handPhrase(
                QT_TRANSLATE_NOOP("Hand", "%1 without an opening %2"),
                {quotedPhrase(std::string_view(&c, 1)), quotedPhrase(c == ']' ? "[" : "(")});
            break;
        }
        std::size_t end = i + 1;
        while (end < text.size() && !endsGroup(text[end]))
            ++end;
        if (c == '[' || c == '(') {
            const char closer = c == '[' ? ']' : ')';
            if (end == text.size() || text[end] != closer) {
                parsed.error = handPhrase(QT_TRANSLATE_NOOP("Hand", "%1 has no closing %2"),
                                          {plainText(std::string(text.substr(i, end - i))),
                                           quotedPhrase(std::string_view(&closer, 1))});
                break;
            }
            ++end;
            parsed.error = readDeclared(text.substr(i, end - i), hand);
        } else if (c == '+') {
            const std::string_view tile = text.substr(i + 1, end - i - 1);
            if (hand.winning) {
                parsed.error =
                    handPhrase(QT_TRANSLATE_NOOP("Hand", "more than one winning tile: +%1 and +%2"),
                               {plainText(faceText(*hand.winning)), plainText(std::string(tile))});
                break;
            }
            if (tile.empty()) {
                parsed.error = handPhrase(
                    QT_TRANSLATE_NOOP("Hand", "a + without a tile: write the winning tile as +5p"));
                break;
            }
            int count = 0;
            bool bonus = false;
            Face face = 0;
            parsed.error = readTiles(
                tile,
                [&](Face read) {
                    face = read;
                    ++count;
                    return Phrase();
                },
                [&](int) {
                    bonus = true;
                    return Phrase();
                });
            if (parsed.error.empty() && bonus)
                parsed.error = handPhrase(
                    QT_TRANSLATE_NOOP("Hand", "+%1: a flower or season is not a winning tile"),
                    {plainText(std::string(tile))});
            else if (parsed.error.empty() && count != 1)
                parsed.error = handPhrase(
                    QT_TRANSLATE_NOOP("Hand", "+%1 is not one tile: write the winning tile as +5p"),
                    {plainText(std::string(tile))});
            hand.winning = face;
        } else {
            parsed.error = readTiles(text.substr(i, end - i), onConcealed, onBonus);
        }
        anyTile = true;
        i = end;
    }
    if (parsed.error.empty() && !anyTile)
        parsed.error = handPhrase(QT_TRANSLATE_NOOP("Hand", "the hand is empty"));
    if (parsed.error.empty())
        parsed.error = detail::checkHand(hand, winningTile);
    return parsed;
}

std::string writeHand(const Hand& hand)
{
    std::string text;
    auto group = [&text](const std::string& written) {
        if (written.empty())
            return;
        if (!text.empty())
            text += ' ';
        text += written;
    };
    std::string concealed;
    for (int suit = 0; suit < 4; ++suit) {
        std::string digits;
        for (Face face = 9 * suit; face < std::min(9 * suit + 9, faceCount); ++face)
            digits.append(hand.concealed[face], char('0' + rankOf(face)));
        if (!digits.empty())
            concealed += digits + suitLetter(suit);
    }
    group(concealed);
    for (const DeclaredSet& set : hand.declared)
        group((set.concealed ? "(" : "[") + setText(set.kind, set.first) +
              (set.concealed ? ")" : "]"));
    std::string bonus;
    for (int kind = 0; kind < 2; ++kind) {
        std::string digits;
        for (int n = 0; n < 4; ++n) {
            if (hand.bonus[4 * kind + n])
                digits += char('1' + n);
        }
        if (!digits.empty())
            bonus += digits + (kind == 0 ? 'f' : 'y');
    }
    group(bonus);
    if (hand.winning)
        group("+" + faceText(*hand.winning));
    return text;
}

} // namespace hand

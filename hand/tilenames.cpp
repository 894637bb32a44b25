#include "tilenames.h"

#include <array>

#include "tiles.h"
#include "winds.h"

namespace hand {

namespace {

using detail::handPhrase;
using detail::rankOf;
using detail::suitLetter;
using detail::suitOf;

constexpr std::array<const char*, 3> suitNames{QT_TRANSLATE_NOOP("Hand", "Characters %1"),
                                               QT_TRANSLATE_NOOP("Hand", "Dots %1"),
                                               QT_TRANSLATE_NOOP("Hand", "Bamboo %1")};
constexpr std::array<const char*, 7> honourNames{
    QT_TRANSLATE_NOOP("Hand", "East wind"),    QT_TRANSLATE_NOOP("Hand", "South wind"),
    QT_TRANSLATE_NOOP("Hand", "West wind"),    QT_TRANSLATE_NOOP("Hand", "North wind"),
    QT_TRANSLATE_NOOP("Hand", "White dragon"), QT_TRANSLATE_NOOP("Hand", "Green dragon"),
    QT_TRANSLATE_NOOP("Hand", "Red dragon")};

} // namespace

const char* windName(Wind wind)
{
    return windNames[static_cast<std::size_t>(wind)];
}

Phrase windPhrase(Wind wind)
{
    return phrase(windContext, windName(wind));
}

std::string faceText(Face face)
{
    if (face < 0 || face >= faceCount)
        return "?";
    return std::string{char('0' + rankOf(face)), suitLetter(suitOf(face))};
}

std::string bonusText(int bonus)
{
    if (bonus < 0 || bonus >= bonusCount)
        return "?";
    return std::string{char('1' + bonus % 4), bonus < 4 ? 'f' : 'y'};
}

Phrase spokenFace(Face face)
{
    if (face < 0 || face >= faceCount)
        return plainText("?");
    if (detail::isHonour(face))
        return handPhrase(honourNames[face - firstHonour]);
    return handPhrase(suitNames[suitOf(face)], {plainNumber(rankOf(face))});
}

Phrase spokenBonus(int bonus)
{
    if (bonus < 0 || bonus >= bonusCount)
        return plainText("?");
    return handPhrase(bonus < 4 ? QT_TRANSLATE_NOOP("Hand", "Flower %1")
                                : QT_TRANSLATE_NOOP("Hand", "Season %1"),
                      {plainNumber(bonus % 4 + 1)});
}

std::string setText(SetKind kind, Face first)
{
    std::string digits;
    for (int n = 0; n < detail::setSize(kind); ++n)
        digits += char('0' + rankOf(kind == SetKind::Chow ? first + n : first));
    return digits + suitLetter(suitOf(first));
}

std::string pairText(Face face)
{
    const std::string tile = faceText(face);
    return tile.front() + tile;
}

const char* kindName(SetKind kind)
{
    switch (kind) {
    case SetKind::Chow:
        return "chow";
    case SetKind::Pong:
        return "pong";
    case SetKind::Kong:
        break;
    }
    return "kong";
}

} // namespace hand

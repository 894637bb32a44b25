#include "handpictures.h"

#include <array>
#include <utility>

#include "tiles.h"

namespace hand {

namespace {

constexpr std::array<const char*, 7> honourImages{"east",  "south", "west", "north",
                                                  "white", "green", "red"};

// A tile of a set, named with the set: "%1, exposed pong", by kind, then exposed or concealed.
constexpr std::array<std::array<const char*, 2>, 3> inSet{{
    {QT_TRANSLATE_NOOP("Hand", "%1, exposed chow"),
     QT_TRANSLATE_NOOP("Hand", "%1, concealed chow")},
    {QT_TRANSLATE_NOOP("Hand", "%1, exposed pong"),
     QT_TRANSLATE_NOOP("Hand", "%1, concealed pong")},
    {QT_TRANSLATE_NOOP("Hand", "%1, exposed kong"),
     QT_TRANSLATE_NOOP("Hand", "%1, concealed kong")},
}};
// The winning tile, named with the set it completed.
constexpr std::array<std::array<const char*, 2>, 3> winningInSet{{
    {QT_TRANSLATE_NOOP("Hand", "%1, winning tile, exposed chow"),
     QT_TRANSLATE_NOOP("Hand", "%1, winning tile, concealed chow")},
    {QT_TRANSLATE_NOOP("Hand", "%1, winning tile, exposed pong"),
     QT_TRANSLATE_NOOP("Hand", "%1, winning tile, concealed pong")},
    {QT_TRANSLATE_NOOP("Hand", "%1, winning tile, exposed kong"),
     QT_TRANSLATE_NOOP("Hand", "%1, winning tile, concealed kong")},
}};

Phrase named(const char* pattern, Face face)
{
    return phrase("Hand", pattern, {spokenFace(face)});
}

const char* setPattern(const std::array<std::array<const char*, 2>, 3>& patterns, SetKind kind,
                       bool open)
{
    return patterns[static_cast<std::size_t>(kind)][open ? 0 : 1];
}

} // namespace

std::vector<std::vector<Picture>> pictureGroups(const Hand& hand)
{
    std::vector<std::vector<Picture>> groups;
    std::vector<Picture> concealed;
    for (Face face = 0; face < faceCount; ++face) {
        for (int n = 0; n < hand.concealed[face]; ++n)
            concealed.push_back({Picture::Kind::Concealed, -1, face});
    }
    groups.push_back(std::move(concealed));
    for (std::size_t i = 0; i < hand.declared.size(); ++i) {
        const DeclaredSet& set = hand.declared[i];
        std::vector<Picture> tiles;
        for (int n = 0; n < detail::setSize(set.kind); ++n)
            tiles.push_back({Picture::Kind::Declared, int(i),
                             set.kind == SetKind::Chow ? set.first + n : set.first});
        groups.push_back(std::move(tiles));
    }
    std::vector<Picture> bonus;
    for (int n = 0; n < bonusCount; ++n) {
        if (hand.bonus[n])
            bonus.push_back({Picture::Kind::Bonus, n, -1});
    }
    groups.push_back(std::move(bonus));
    if (hand.winning)
        groups.push_back({{Picture::Kind::Winning, -1, *hand.winning}});
    std::erase_if(groups, [](const std::vector<Picture>& group) { return group.empty(); });
    return groups;
}

std::string faceImage(Face face)
{
    if (detail::isHonour(face))
        return honourImages[face - firstHonour];
    return faceText(face);
}

std::string bonusImage(int bonus)
{
    return (bonus < 4 ? "flower" : "season") + std::to_string(bonus % 4 + 1);
}

std::string pictureImage(const Picture& picture)
{
    return picture.kind == Picture::Kind::Bonus ? bonusImage(picture.index)
                                                : faceImage(picture.face);
}

Phrase pictureName(const Hand& hand, const Picture& picture, const Reading* reading)
{
    switch (picture.kind) {
    case Picture::Kind::Concealed:
        return named(QT_TRANSLATE_NOOP("Hand", "%1, concealed"), picture.face);
    case Picture::Kind::Declared: {
        const DeclaredSet& set = hand.declared[picture.index];
        return named(setPattern(inSet, set.kind, !set.concealed), picture.face);
    }
    case Picture::Kind::Bonus:
        return spokenBonus(picture.index);
    case Picture::Kind::Winning:
        break;
    }
    if (!reading)
        return named(QT_TRANSLATE_NOOP("Hand", "%1, winning tile"), picture.face);
    if (reading->winningGroup < 0)
        return named(QT_TRANSLATE_NOOP("Hand", "%1, winning tile, pair"), picture.face);
    const ReadSet& set = reading->sets[reading->winningGroup];
    return named(setPattern(winningInSet, set.kind, set.open), picture.face);
}

TilePictureGroups handPictures(const Hand& hand, const Reading* reading)
{
    TilePictureGroups groups;
    for (const std::vector<Picture>& group : pictureGroups(hand)) {
        std::vector<TilePicture>& shown = groups.emplace_back();
        for (const Picture& picture : group)
            shown.push_back({pictureImage(picture),
                             picture.kind == Picture::Kind::Winning,
                             pictureName(hand, picture, reading),
                             {}});
    }
    return groups;
}

} // namespace hand

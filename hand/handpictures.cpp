#include "handpictures.h"

#include <array>
#include <utility>

#include "tiles.h"

namespace hand {

namespace {

constexpr std::array<const char*, 7> honourImages{"east",  "south", "west", "north",
                                                  "white", "green", "red"};

std::string openOrConcealed(bool open)
{
    return open ? "exposed" : "concealed";
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

std::string pictureName(const Hand& hand, const Picture& picture, const Reading* reading)
{
    switch (picture.kind) {
    case Picture::Kind::Concealed:
        return spokenFace(picture.face) + ", concealed";
    case Picture::Kind::Declared: {
        const DeclaredSet& set = hand.declared[picture.index];
        return spokenFace(picture.face) + ", " + openOrConcealed(!set.concealed) + " " +
               kindName(set.kind);
    }
    case Picture::Kind::Bonus:
        return spokenBonus(picture.index);
    case Picture::Kind::Winning:
        break;
    }
    const std::string name = spokenFace(picture.face) + ", winning tile";
    if (!reading)
        return name;
    if (reading->winningGroup < 0)
        return name + ", pair";
    const ReadSet& set = reading->sets[reading->winningGroup];
    return name + ", " + openOrConcealed(set.open) + " " + kindName(set.kind);
}

} // namespace hand

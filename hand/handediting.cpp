#include "handediting.h"

#include <utility>

#include "blanks.h"
#include "handpictures.h"
#include "tiles.h"

namespace hand {

namespace {

bool isBonus(int tile)
{
    return tile >= faceCount;
}

Edit refused(const Hand& hand, Phrase why)
{
    return {hand, std::move(why)};
}

// A bonus tile goes in as itself, once, and only as a tile of its own.
Edit addBonus(const Hand& hand, EntryMode mode, int bonus)
{
    const Phrase tile = plainText(bonusText(bonus));
    if (mode == EntryMode::Winning)
        return refused(hand, phrase("Hand",
                                    QT_TRANSLATE_NOOP("Hand", "+%1: a flower or season is not a "
                                                              "winning tile"),
                                    {tile}));
    if (mode != EntryMode::Tile)
        return refused(hand, phrase("Hand",
                                    QT_TRANSLATE_NOOP("Hand", "%1: a flower or season is not part "
                                                              "of a chow, pong or kong"),
                                    {tile}));
    if (hand.bonus[bonus])
        return refused(hand, phrase("Hand",
                                    QT_TRANSLATE_NOOP("Hand", "%1 is in the hand already: each "
                                                              "flower and season is there once"),
                                    {tile}));
    Hand next = hand;
    next.bonus[bonus] = true;
    return {std::move(next), {}};
}

} // namespace

std::string paletteText(int tile)
{
    return isBonus(tile) ? bonusText(tile - faceCount) : faceText(tile);
}

std::string paletteImage(int tile)
{
    return isBonus(tile) ? bonusImage(tile - faceCount) : faceImage(tile);
}

Phrase spokenPaletteTile(int tile)
{
    return isBonus(tile) ? spokenBonus(tile - faceCount) : spokenFace(tile);
}

Edit addTile(const Hand& hand, EntryMode mode, int tile)
{
    // Counting on from a hand that is wrong already would only hide its fault.
    if (Phrase error = detail::checkHand(hand, WinningTile::Optional); !error.empty())
        return refused(hand, std::move(error));
    if (isBonus(tile))
        return addBonus(hand, mode, tile - faceCount);
    if (mode == EntryMode::Chow && !detail::canStartChow(tile))
        return refused(hand, phrase("Hand",
                                    QT_TRANSLATE_NOOP("Hand", "no chow starts at %1: a chow is "
                                                              "three tiles in a row of one suit"),
                                    {plainText(faceText(tile))}));
    Hand next = hand;
    switch (mode) {
    case EntryMode::Tile:
        ++next.concealed[tile];
        break;
    case EntryMode::Chow:
        next.declared.push_back({SetKind::Chow, tile, false});
        break;
    case EntryMode::Pong:
        next.declared.push_back({SetKind::Pong, tile, false});
        break;
    case EntryMode::Kong:
        next.declared.push_back({SetKind::Kong, tile, false});
        break;
    case EntryMode::ConcealedKong:
        next.declared.push_back({SetKind::Kong, tile, true});
        break;
    case EntryMode::Winning:
        next.winning = tile;
        break;
    }
    // A fifth declared set, or a fifth tile of a face.
    if (Phrase error = detail::checkHand(next, WinningTile::Optional); !error.empty())
        return refused(hand, std::move(error));
    return {std::move(next), {}};
}

std::array<bool, paletteSize> addableTiles(const Hand& hand, EntryMode mode)
{
    std::array<bool, paletteSize> addable{};
    for (int tile = 0; tile < paletteSize; ++tile)
        addable[tile] = addTile(hand, mode, tile).error.empty();
    return addable;
}

Edit removeTile(const Hand& hand, int slot)
{
    int first = 0; // the slot of the group's first picture
    for (const std::vector<Picture>& group : pictureGroups(hand)) {
        if (slot < first || slot >= first + int(group.size())) {
            first += int(group.size());
            continue;
        }
        const Picture& picture = group[slot - first];
        Hand next = hand;
        switch (picture.kind) {
        case Picture::Kind::Concealed:
            --next.concealed[picture.face];
            break;
        case Picture::Kind::Declared:
            next.declared.erase(next.declared.begin() + picture.index);
            break;
        case Picture::Kind::Bonus:
            next.bonus[picture.index] = false;
            break;
        case Picture::Kind::Winning:
            next.winning.reset();
            break;
        }
        return {std::move(next), {}};
    }
    return refused(hand, phrase("Hand", QT_TRANSLATE_NOOP("Hand", "no tile %1 to take out"),
                                {plainNumber(slot + 1LL)}));
}

TilePictureGroups entryPictures(const Hand& hand, const Reading* reading)
{
    TilePictureGroups groups = handPictures(hand, reading);
    const std::vector<std::vector<Picture>> pictures = pictureGroups(hand);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (std::size_t i = 0; i < groups[g].size(); ++i) {
            TilePicture& shown = groups[g][i];
            shown.toolTip = phrase(
                "HandWindow",
                pictures[g][i].kind == Picture::Kind::Declared
                    ? QT_TRANSLATE_NOOP("HandWindow", "%1\nA click takes the set out of the hand.")
                    : QT_TRANSLATE_NOOP("HandWindow", "%1\nA click takes it out of the hand."),
                {shown.name});
        }
    }
    return groups;
}

ParsedHand readTypedHand(std::string_view text)
{
    if (trimBlanks(text).empty())
        return {};
    return parseHand(text, WinningTile::Optional);
}

} // namespace hand

#pragma once

#include <string>
#include <vector>

#include "handengine.h"
#include "tilepicture.h"

// A hand as the windows draw it: one picture per tile, in groups that stay together on
// screen, each with its image and the name a screen reader gives it.
namespace hand {

struct Picture {
    enum class Kind { Concealed, Declared, Bonus, Winning };
    Kind kind;
    int index; // the declared set's index or the bonus tile, else -1
    Face face; // -1 for a bonus tile
};

// In the notation's order: the concealed tiles, each declared set, the bonus tiles, the
// winning tile. Empty groups are left out.
std::vector<std::vector<Picture>> pictureGroups(const Hand& hand);

// The base names of the tile images: "east", "red", "5p"; "flower2", "season3".
std::string faceImage(Face face);
std::string bonusImage(int bonus);
std::string pictureImage(const Picture& picture);

// "Dots 5, concealed", "Red dragon, exposed pong", "Flower 2", "Dots 5, winning tile". With
// the reading the hand was scored by, the winning tile says what it completed: "Dots 5,
// winning tile, pair", "Red dragon, winning tile, exposed pong".
Phrase pictureName(const Hand& hand, const Picture& picture, const Reading* reading = nullptr);

// The hand's pictures in their groups as the windows draw them: each with its image and its
// name (after the reading, if any), the winning tile alone in the selected look.
TilePictureGroups handPictures(const Hand& hand, const Reading* reading = nullptr);

} // namespace hand

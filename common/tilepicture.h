#pragma once

#include <string>
#include <vector>

#include "phrase.h"

// A tile picture as a window draws it, in plain values: the engine says what a hand's pictures
// are, and the windows (or a page) draw them in the player's language.
struct TilePicture {
    std::string image;     // the base name of the tile image: "5p", "east", "flower2"
    bool selected = false; // the selected look: the winning tile
    Phrase name;           // what a screen reader says
    Phrase toolTip;        // what hovering shows; the name when empty
};

// Pictures in groups that stay together on screen: the concealed tiles, each declared set, the
// bonus tiles, the winning tile.
using TilePictureGroups = std::vector<std::vector<TilePicture>>;

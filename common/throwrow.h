#pragma once

#include <string>
#include <vector>

#include "phrase.h"

// One row of a table of throws as a window draws it, in plain values: the engine says what the
// rows are, and the windows (or a page) draw them in the player's language.
struct ThrowRow {
    struct Accept {
        std::string tile;  // in the notation: "3p"
        std::string image; // the base name of its tile image
        int left = 0;      // the copies not among the player's own tiles
    };
    std::string tile;  // the face thrown, in the notation: names the row's controls
    std::string image; // the base name of its tile image
    Phrase away;       // "waiting", "1", "2"
    std::vector<Accept> accepts;
    int accepted = 0;    // the copies left of every face accepted
    Phrase worth;        // a waiting hand's best win on a discard; empty for the others
    Phrase sentence;     // the whole row as a screen reader says it
    Phrase toolTip;      // what hovering shows
    bool best = false;   // drawn in the selected look
    bool chosen = false; // the player's choice, framed
};

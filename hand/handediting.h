#pragma once

#include <array>
#include <string>
#include <string_view>

#include "handengine.h"
#include "phrase.h"
#include "tilepicture.h"

// Entering a hand tile by tile, as the hand window does (and a page may): what a click on the
// palette adds in each mode, what a click on one of the hand's pictures takes out, and the
// sentence why an edit is refused. The palette offers exactly the clicks that are not refused.
namespace hand {

// What a click on a palette face adds: the tile itself, a declared set of it (a chow starting
// at it), or the winning tile. A bonus tile is added as itself, in the tile mode alone.
enum class EntryMode { Tile, Chow, Pong, Kong, ConcealedKong, Winning };

// The palette: the 34 faces (0-33), then the 8 bonus tiles (34-41).
inline constexpr int paletteSize = faceCount + bonusCount;

// A palette tile in the notation ("5p", "7z", "2f"), its image's base name, and its name for a
// screen reader.
std::string paletteText(int tile);
std::string paletteImage(int tile);
Phrase spokenPaletteTile(int tile);

// A hand after an edit; when the edit is refused, the hand as it was and the sentence why.
struct Edit {
    Hand hand;
    Phrase error;
};

// A click on palette tile `tile` in `mode`.
Edit addTile(const Hand& hand, EntryMode mode, int tile);

// Which palette tiles a click may add in `mode`: those addTile does not refuse.
std::array<bool, paletteSize> addableTiles(const Hand& hand, EntryMode mode);

// A click on the hand's picture `slot`, counted in the order pictureGroups gives them: a
// concealed tile, a bonus tile or the winning tile goes alone, a tile of a declared set takes
// the set with it.
Edit removeTile(const Hand& hand, int slot);

// The hand's pictures as tile entry shows them: named as pictureName names them (after the
// reading it was scored by, if any), each saying that a click takes it, or its set, out.
TilePictureGroups entryPictures(const Hand& hand, const Reading* reading);

// Typed notation, as it stands after each key: blank text is the empty hand; anything else is
// read with the winning tile optional. On an error the hand is meaningless.
ParsedHand readTypedHand(std::string_view text);

} // namespace hand

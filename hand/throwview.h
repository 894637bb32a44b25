#pragma once

#include <optional>
#include <vector>

#include "discards.h"
#include "phrase.h"
#include "throwrow.h"
#include "tilepicture.h"

// What a window shows of the throws from a hand of 14 tiles: the line above the table, the
// rows best first, each row as one sentence, and the best throw marked among the hand's
// pictures. Plain values and phrases, so that any front end says the same.
namespace hand {

// 14 tiles, a kong counted as 3, and no winning tile: a hand to throw from.
bool isThrowingHand(const Hand& hand);

// The line above the table: how to read and use it; a complete hand says so first.
Phrase throwsLine(const DiscardsResult& result);

// Whether throwing `face` is among the best: as few tiles away as the best throw, and as many
// accepted. The best wait's worth does not decide it.
bool amongBest(const DiscardsResult& result, Face face);

// How far a throw leaves the hand, in a sentence: "waiting", "1 tile away", "2 tiles away".
Phrase awayPhrase(int away);

// The rows, best first. `chosen`: the face the player chose, framed and said so.
// `everyBest`: every throw among the best is drawn as best, not only the first.
std::vector<ThrowRow> throwRows(const DiscardsResult& result, std::optional<Face> chosen = {},
                                bool everyBest = false);

// The face of the hand's picture at `slot` (in the order pictureGroups gives them), when it is
// a concealed tile: only those can be thrown.
std::optional<Face> concealedFaceAt(const Hand& hand, int slot);

// The slot of the first concealed picture of `face`, as concealedFaceAt counts them.
std::optional<int> concealedSlotOf(const Hand& hand, Face face);

// The hand's pictures with every concealed tile of `best` drawn in the selected look and named
// as the best throw.
void markBestThrow(TilePictureGroups& groups, const Hand& hand, Face best);

} // namespace hand

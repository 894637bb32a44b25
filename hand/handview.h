#pragma once

#include <vector>

#include "handengine.h"
#include "phrase.h"

// What the hand window writes under a hand as it is entered: how to start, one sentence why the
// hand cannot be scored, its waits, or its reading and its worth. Plain values and phrases, so
// that any front end says the same.
namespace hand {

enum class HandState {
    Empty,    // nothing entered yet
    Refused,  // `error` says why
    Finished, // scored: `scored`
    Waiting,  // waits on one tile or more: `waits`
    NotReady, // no tile finishes it
};

struct HandView {
    HandState state = HandState::Empty;
    Phrase error;
    HandResult scored;
    WaitsResult waits;
    Conditions conditions; // what it was scored or waited under
};

// Without a winning tile, 13 tiles wait and fewer are on their way; a hand with its winning tile,
// or with 14 tiles or more, is scored.
HandView viewHand(const Hand& hand, const Conditions& conditions);
// Typed text that does not read: refused with the reader's sentence.
HandView refusedView(Phrase error, const Conditions& conditions);

// The result under the hand, one phrase a line: a finished hand's reading, then its worth.
// `limitEntered`: the table limit is the player's own, not the one counted under while none is
// entered.
std::vector<Phrase> resultLines(const HandView& view, bool limitEntered);

// A wait as a screen reader says it: "Dots 2 wins 144 on a discard, 156 self-picked".
Phrase waitName(const Wait& wait);
// A wait in full, for hovering: its name, then each way of winning on it on a line of its own.
Phrase waitDetails(const Wait& wait);
// Beneath a wait's picture, where a sentence has no room: the value, or "overflow".
Phrase shortWorth(const Worth& worth);

} // namespace hand

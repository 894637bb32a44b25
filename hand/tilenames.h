#pragma once

#include <string>

#include "hand.h"
#include "phrase.h"

// What tiles, winds and sets are called: in the notation ("5p", "7z", "456m") and by a screen
// reader ("Dots 5", "Red dragon").
namespace hand {

// "East", "South", "West", "North"; as a phrase, for the windows to translate.
const char* windName(Wind wind);
Phrase windPhrase(Wind wind);

// The notation's spelling of a face ("5p", "7z") and of a bonus tile ("2f", "3y").
std::string faceText(Face face);
std::string bonusText(int bonus);
// As a screen reader says them: "Characters 5", "Dots 5", "Bamboo 5", "East wind",
// "White dragon", "Red dragon", "Flower 2", "Season 3".
Phrase spokenFace(Face face);
Phrase spokenBonus(int bonus);

// The tiles of a set and of a pair as the notation writes them ("456m", "1111p", "55p"), and
// the set's kind in words ("chow", "pong", "kong").
std::string setText(SetKind kind, Face first);
std::string pairText(Face face);
const char* kindName(SetKind kind);

} // namespace hand

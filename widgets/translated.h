#pragma once

#include <vector>

#include <QString>

#include "phrase.h"

// A phrase in the language the program speaks now: its pattern translated in its context,
// then its arguments, each translated in turn, put into their places.
QString translated(const Phrase& phrase);

// One phrase a line.
QString translatedLines(const std::vector<Phrase>& lines);

// A text marked in a table with QT_TRANSLATE_NOOP, in the language the program speaks now.
QString translated(const char* context, const char* text);

#pragma once

// What the suites of what to throw share: a face and its text, a throw's accepted faces and
// waits as text, the throw of a face in a result.

#include <vector>

#include <QString>

#include "discards.h"

namespace discardstest {

hand::Face face(const QString& text);
QString tileText(hand::Face f);
// "4m4 5z2": the accepted faces and their copies left.
QString acceptsText(const std::vector<hand::Accept>& accepts);
QString waitFaces(const std::vector<hand::Wait>& waits);
const hand::Discard* discardOf(const hand::DiscardsResult& result, hand::Face thrown);

} // namespace discardstest

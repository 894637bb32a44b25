#pragma once

#include <array>

#include <QRect>

#include "phrase.h"

// The practice window's design, in twips: the hand and the answers on the left, the verdict
// beside them, tall enough for the longest working (36 lines); in the drill, the table of
// throws under the hand across the window.
namespace practicedesign {

constexpr int leftColumn = 120;
constexpr int leftWidth = 5520;
constexpr int tilesTop = 1320;
constexpr int tilesHeight = 1935; // three lines of pictures, as many as any hand takes
constexpr int answerTop = 3660;
constexpr int buttonTop = 4140;
constexpr int verdictLeft = 5880;
constexpr int verdictWidth = 4920;
constexpr int verdictTop = 120;
constexpr int verdictHeight = 7650;
constexpr int fillTop = verdictTop + verdictHeight - 375;
constexpr int clientWidth = verdictLeft + verdictWidth + 120;
constexpr int clientHeight = verdictTop + verdictHeight + 120;
// The drill's table takes the width under the buttons; the verdict stands above it.
constexpr int throwsTop = buttonTop + 480;
constexpr QRect verdictRect{verdictLeft, verdictTop, verdictWidth, verdictHeight};
constexpr QRect drillVerdictRect{verdictLeft, verdictTop, verdictWidth,
                                 throwsTop - 120 - verdictTop};
constexpr QRect throwsRect{leftColumn, throwsTop, clientWidth - 2 * leftColumn,
                           verdictTop + verdictHeight - throwsTop};

// In the order of the deal's levels, then the drill.
constexpr std::array<const char*, 4> levelNames{
    QT_TRANSLATE_NOOP("PracticeWindow", "Sets and pair"),
    QT_TRANSLATE_NOOP("PracticeWindow", "With doubles"),
    QT_TRANSLATE_NOOP("PracticeWindow", "Everything"),
    QT_TRANSLATE_NOOP("PracticeWindow", "What to throw")};
constexpr int throwLevel = 3;

} // namespace practicedesign

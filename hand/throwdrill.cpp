#include "throwdrill.h"

#include <utility>
#include <vector>

#include "random.h"
#include "throwview.h"
#include "tilenames.h"
#include "tiles.h"

namespace hand {

namespace {

Phrase practiceText(const char* pattern, std::vector<Phrase> args)
{
    return phrase("PracticeWindow", pattern, std::move(args));
}

const Discard* discardOf(const DiscardsResult& result, Face face)
{
    for (const Discard& discard : result.discards) {
        if (discard.face == face)
            return &discard;
    }
    return nullptr;
}

// 14 tiles from a shuffled wall; now and then three of them an exposed pong or chow.
Hand drawHand(detail::Random& random)
{
    std::vector<Face> wall;
    for (Face face = 0; face < faceCount; ++face)
        wall.insert(wall.end(), tilesPerFace, face);
    int shuffled = 0;
    auto draw = [&random, &wall, &shuffled] {
        std::swap(wall[shuffled], wall[shuffled + random.below(int(wall.size()) - shuffled)]);
        return wall[shuffled++];
    };
    Hand hand;
    int concealed = 14;
    if (random.percent(25)) {
        const Face face = draw();
        const bool chow = detail::canStartChow(face) && random.percent(50);
        hand.declared.push_back({chow ? SetKind::Chow : SetKind::Pong, face, false});
        concealed -= 3;
    }
    for (int n = 0; n < concealed; ++n)
        ++hand.concealed[draw()];
    return hand;
}

} // namespace

ThrowDeal dealThrowHand(std::uint64_t seed)
{
    detail::Random random(seed);
    for (;;) {
        ThrowDeal dealt;
        dealt.seed = seed;
        dealt.conditions.seat = Wind(random.below(4));
        dealt.conditions.round = Wind(random.below(4));
        dealt.hand = drawHand(random);
        // A declared set drawn beside too many of its own tiles is no hand: draw again.
        const DiscardsResult result = findDiscards(dealt.hand, dealt.conditions);
        if (!result.error.empty() || result.discards.empty())
            continue;
        const int away = result.discards.front().away;
        if (away >= nearestThrowDeal && away <= farthestThrowDeal)
            return dealt;
    }
}

Phrase throwSituation(const Conditions& conditions)
{
    return practiceText(QT_TRANSLATE_NOOP("PracticeWindow",
                                          "Seat wind %1, prevailing wind %2, table limit %3: which "
                                          "tile would you throw? Click it in the hand."),
                        {windPhrase(conditions.seat), windPhrase(conditions.round),
                         plainNumber(conditions.tablelimit)});
}

ThrowVerdict judgeThrow(const DiscardsResult& result, Face chosen)
{
    ThrowVerdict verdict;
    const Discard* thrown = discardOf(result, chosen);
    if (!thrown || result.discards.empty())
        return verdict;
    const Discard& best = result.discards.front();
    verdict.right = amongBest(result, chosen);
    if (verdict.right) {
        verdict.line = practiceText(
            QT_TRANSLATE_NOOP("PracticeWindow",
                              "Right: throwing %1 is among the best, %2 with %3 tiles left to "
                              "help."),
            {spokenFace(chosen), awayPhrase(thrown->away), plainNumber(thrown->accepted)});
        return verdict;
    }
    verdict.line = practiceText(
        QT_TRANSLATE_NOOP("PracticeWindow",
                          "Not quite: throwing %1 leaves the hand %2 with %3 tiles left to help; "
                          "throwing %4 leaves it %5 with %6."),
        {spokenFace(chosen), awayPhrase(thrown->away), plainNumber(thrown->accepted),
         spokenFace(best.face), awayPhrase(best.away), plainNumber(best.accepted)});
    return verdict;
}

} // namespace hand

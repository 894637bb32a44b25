#include "handengine.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fancount.h"
#include "notation.h"
#include "pointsworking.h"
#include "readings.h"
#include "tiles.h"

namespace hand {

namespace {

using detail::Candidate;
using detail::Counts;
using detail::forEachReading;
using detail::ranksAbove;

Reading toReading(const Candidate& candidate)
{
    return {{candidate.sets.begin(), candidate.sets.end()}, candidate.pair, candidate.winningGroup};
}

Phrase sizeError(int size, int wanted)
{
    // Whole sentences: the number, the noun and what follows agree in every language.
    static constexpr std::array<std::array<const char*, 4>, 2> sentences{{
        {QT_TRANSLATE_NOOP("Hand", "1 tile more: a finished hand is 4 sets and a pair, 14 tiles "
                                   "with a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand", "%1 tiles more: a finished hand is 4 sets and a pair, 14 "
                                   "tiles with a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand", "1 tile too many: a finished hand is 4 sets and a pair, 14 "
                                   "tiles with a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand", "%1 tiles too many: a finished hand is 4 sets and a pair, 14 "
                                   "tiles with a kong counted as 3")},
        {QT_TRANSLATE_NOOP("Hand", "1 tile more: a waiting hand is 13 tiles, a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand",
                           "%1 tiles more: a waiting hand is 13 tiles, a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand",
                           "1 tile too many: a waiting hand is 13 tiles, a kong counted as 3"),
         QT_TRANSLATE_NOOP("Hand",
                           "%1 tiles too many: a waiting hand is 13 tiles, a kong counted as 3")},
    }};
    const int missing = wanted - size;
    const int n = missing > 0 ? missing : -missing;
    const int which = (missing > 0 ? 0 : 2) + (n == 1 ? 0 : 1);
    return phrase("Hand", sentences[wanted == 14 ? 0 : 1][which], {plainNumber(n)});
}

Phrase notSetsAndPair()
{
    return phrase("Hand", QT_TRANSLATE_NOOP("Hand", "not 4 sets and a pair: special hands such "
                                                    "as seven pairs are not scored"));
}

// The faces that finish the hand's concealed part, leaving out those held four times.
int waitingFaces(const Hand& hand, std::array<Face, faceCount>& faces)
{
    Counts held = detail::allTiles(hand);
    if (hand.winning)
        --held[*hand.winning];
    return detail::completingFaces(hand.concealed, held, faces);
}

// Winds come from the front ends as they are; one out of range would index past the board.
Phrase conditionsError(const Conditions& conditions)
{
    auto known = [](Wind wind) { return int(wind) >= 0 && int(wind) <= int(Wind::North); };
    if (!known(conditions.seat) || !known(conditions.round))
        return phrase("Hand",
                      QT_TRANSLATE_NOOP("Hand", "a wind is not East, South, West or North"));
    return {};
}

// The hand's first fault, or the empty text: a finished hand has 14 tiles with its winning
// tile, a waiting one 13 without.
Phrase handError(const Hand& hand, const Conditions& conditions, WinningTile winningTile,
                 int wanted)
{
    Phrase error = conditionsError(conditions);
    if (error.empty())
        error = detail::checkHand(hand, winningTile);
    if (error.empty() && handSize(hand) != wanted)
        error = sizeError(handSize(hand), wanted);
    return error;
}

bool isOneChance(const Hand& hand)
{
    std::array<Face, faceCount> faces{};
    return waitingFaces(hand, faces) == 1;
}

} // namespace

HandResult readHand(std::string_view text, const Conditions& conditions)
{
    return answerForText<HandResult>(text, WinningTile::Required,
                                     [&](const Hand& hand) { return scoreHand(hand, conditions); });
}

HandResult scoreHand(const Hand& hand, const Conditions& conditions)
{
    HandResult result;
    result.error = handError(hand, conditions, WinningTile::Required, 14);
    if (!result.error.empty())
        return result;
    result.hand = hand;

    Candidate best;
    result.readings = forEachReading(hand, *hand.winning, conditions, isOneChance(hand),
                                     [&best, first = true](const Candidate& candidate) mutable {
                                         if (first || ranksAbove(candidate.worth, best.worth))
                                             best = candidate;
                                         first = false;
                                     });
    if (result.readings == 0) {
        result.error = notSetsAndPair();
        return result;
    }
    result.reading = toReading(best);
    result.boxes = best.fill.boxes;
    result.flowers = best.fill.flowers;
    result.fanTiles = best.fill.fanTiles;
    result.fanBoxes = best.fill.fanBoxes;
    result.count = best.worth.count;
    result.value = best.worth.value;
    result.maximum = best.worth.maximum;
    result.overflow = best.worth.overflow;
    // The working of the chosen reading only, from the same two counts.
    ExplainedCount explained = explainCount(result.boxes, result.flowers, conditions.tablelimit,
                                            result.boxes[eastBox] == 1);
    result.countWorking = std::move(explained.countLines);
    result.valueWorking = std::move(explained.valueLines);
    result.fans = countFans(result.fanTiles, result.fanBoxes, &result.fanWorking);
    return result;
}

std::vector<ScoredReading> allReadings(const Hand& hand, const Conditions& conditions)
{
    std::vector<ScoredReading> readings;
    if (!handError(hand, conditions, WinningTile::Required, 14).empty())
        return readings;
    forEachReading(hand, *hand.winning, conditions, isOneChance(hand),
                   [&readings](const Candidate& candidate) {
                       readings.push_back({toReading(candidate), candidate.worth});
                   });
    return readings;
}

WaitsResult findWaits(std::string_view text, const Conditions& conditions)
{
    return answerForText<WaitsResult>(text, WinningTile::Forbidden, [&](const Hand& hand) {
        return findWaits(hand, conditions);
    });
}

WaitsResult findWaits(const Hand& hand, const Conditions& conditions)
{
    WaitsResult result;
    result.error = handError(hand, conditions, WinningTile::Forbidden, 13);
    if (!result.error.empty())
        return result;

    std::array<Face, faceCount> faces{};
    const int count = waitingFaces(hand, faces);
    // Every wait shares the other 13 tiles, so one of them is a one-chance win exactly when
    // it is the only one.
    const bool oneChance = count == 1;
    auto bestWorth = [&](Face face, bool selfDrawn) {
        Conditions won = conditions;
        won.selfDrawn = selfDrawn;
        Worth best;
        forEachReading(hand, face, won, oneChance,
                       [&best, first = true](const Candidate& candidate) mutable {
                           if (first || ranksAbove(candidate.worth, best))
                               best = candidate.worth;
                           first = false;
                       });
        return best;
    };
    result.waits.reserve(count);
    for (int i = 0; i < count; ++i)
        result.waits.push_back({faces[i], bestWorth(faces[i], false), bestWorth(faces[i], true)});
    return result;
}

} // namespace hand

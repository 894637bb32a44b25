#include "situation.h"

#include <utility>
#include <vector>

#include "tilenames.h"
#include "tiles.h"

namespace hand {

using detail::handPhrase;

Phrase situationText(const Conditions& conditions)
{
    // Each clause whole; the clauses are a list.
    std::vector<Phrase> clauses{
        handPhrase(QT_TRANSLATE_NOOP("Hand", "Seat wind %1"), {windPhrase(conditions.seat)}),
        handPhrase(QT_TRANSLATE_NOOP("Hand", "prevailing wind %1"), {windPhrase(conditions.round)}),
        conditions.selfDrawn ? handPhrase(QT_TRANSLATE_NOOP("Hand", "self-picked"))
                             : handPhrase(QT_TRANSLATE_NOOP("Hand", "won on a discard"))};
    if (conditions.lastTile)
        clauses.push_back(handPhrase(QT_TRANSLATE_NOOP("Hand", "going out on the last tile")));
    if (conditions.supplement)
        clauses.push_back(
            handPhrase(QT_TRANSLATE_NOOP("Hand", "going out on a supplementary tile")));
    if (conditions.robbingKong)
        clauses.push_back(handPhrase(QT_TRANSLATE_NOOP("Hand", "robbing a kong")));
    if (conditions.noFaTable)
        clauses.push_back(handPhrase(QT_TRANSLATE_NOOP("Hand", "playing a NO FA table")));
    clauses.push_back(handPhrase(QT_TRANSLATE_NOOP("Hand", "table limit %1"),
                                 {plainNumber(conditions.tablelimit)}));
    return phraseList(std::move(clauses));
}

} // namespace hand

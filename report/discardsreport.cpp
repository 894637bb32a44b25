#include <algorithm>
#include <string>
#include <vector>

#include "writers.h"

namespace report::detail {

namespace {

std::string tilesAway(int away)
{
    if (away == 0)
        return "waiting";
    return std::to_string(away) + (away == 1 ? " tile away" : " tiles away");
}

std::string acceptsText(const std::vector<hand::Accept>& accepts)
{
    if (accepts.empty())
        return "accepts none left";
    std::string text = "accepts ";
    for (std::size_t i = 0; i < accepts.size(); ++i) {
        text += (i == 0 ? "" : ", ") + hand::faceText(accepts[i].face) + " (" +
                std::to_string(accepts[i].left) + " left)";
    }
    return text;
}

} // namespace

std::string discardsText(const hand::Hand& hand, const hand::DiscardsResult& result)
{
    std::string text = "Hand: " + hand::writeHand(hand) + '\n';
    if (result.complete)
        text += "Complete: the 14 tiles are four sets and a pair already; score them with the "
                "tile drawn last as +tile\n";
    std::size_t awayWidth = 0;
    for (const hand::Discard& discard : result.discards)
        awayWidth = std::max(awayWidth, tilesAway(discard.away).size());
    bool first = true;
    for (const hand::Discard& discard : result.discards) {
        text += std::string(first ? "best  " : "      ") + "throw " + hand::faceText(discard.face) +
                "  " + padded(tilesAway(discard.away), awayWidth) + "  " +
                acceptsText(discard.accepts) + " = " + std::to_string(discard.accepted) +
                (discard.accepted == 1 ? " tile" : " tiles");
        const int best = hand::bestWait(discard.waits);
        if (best >= 0) {
            const hand::Wait& wait = discard.waits[best];
            text += "; best wait " + hand::faceText(wait.face) +
                    " on a discard: " + worthText(wait.discard);
        }
        text += '\n';
        first = false;
    }
    return text;
}

json::Value discardsJson(const hand::Hand& hand, const hand::DiscardsResult& result)
{
    json::Value discards = json::Value::array();
    for (const hand::Discard& discard : result.discards) {
        json::Value accepts = json::Value::array();
        for (const hand::Accept& accept : discard.accepts) {
            accepts.append(json::Value::object()
                               .set("tile", hand::faceText(accept.face))
                               .set("left", accept.left));
        }
        json::Value item = json::Value::object()
                               .set("tile", hand::faceText(discard.face))
                               .set("away", discard.away)
                               .set("accepted", discard.accepted)
                               .set("accepts", std::move(accepts));
        // The waits only where the throw leaves the hand waiting: the very items of the waits.
        if (discard.away == 0) {
            json::Value waits = json::Value::array();
            for (const hand::Wait& wait : discard.waits)
                waits.append(waitJson(wait));
            item.set("waits", std::move(waits));
        }
        discards.append(std::move(item));
    }
    return json::Value::object()
        .set("hand", hand::writeHand(hand))
        .set("complete", result.complete)
        .set("discards", std::move(discards));
}

} // namespace report::detail

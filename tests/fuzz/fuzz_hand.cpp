// Any text through the hand notation, and hands built from the input as sets and a pair.
// Checked on every input: nothing crashes or throws; an accepted hand written out reads back
// to the same hand; every reading holds exactly the hand's tiles and the chosen one counts
// the most; every wait, added as the winning tile, is a finished hand worth what the wait
// said, and no other face finishes it.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "handengine.h"
#include "notation.h"

namespace {

using Counts = std::array<int, hand::faceCount>;

[[noreturn]] void failHand(const char* what, const std::string& text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

void add(Counts& counts, hand::SetKind kind, hand::Face first)
{
    for (int n = 0; n < (kind == hand::SetKind::Kong ? 4 : 3); ++n)
        ++counts[kind == hand::SetKind::Chow ? first + n : first];
}

Counts tilesOf(const hand::Hand& hand)
{
    Counts counts{};
    for (hand::Face face = 0; face < hand::faceCount; ++face)
        counts[face] = hand.concealed[face];
    for (const hand::DeclaredSet& set : hand.declared)
        add(counts, set.kind, set.first);
    if (hand.winning)
        ++counts[*hand.winning];
    return counts;
}

// The reading on its own terms: real sets, the declared ones last and as declared, the
// winning tile in the group it completed, open exactly where the rules say.
void checkReading(const hand::Reading& reading, const hand::Hand& hand,
                  const hand::Conditions& conditions, const std::string& text)
{
    if (reading.sets.size() != 4)
        failHand("a reading without four sets", text);
    Counts counts{};
    counts[reading.pair] += 2;
    const std::size_t concealedSets = 4 - hand.declared.size();
    for (std::size_t i = 0; i < reading.sets.size(); ++i) {
        const hand::ReadSet& set = reading.sets[i];
        if (set.kind == hand::SetKind::Chow &&
            (set.first >= hand::firstHonour || set.first % 9 > 6))
            failHand("a chow that is none", text);
        add(counts, set.kind, set.first);
        if (i < concealedSets) {
            const bool completed = int(i) == reading.winningGroup;
            if (set.declared || set.kind == hand::SetKind::Kong ||
                set.open != (completed && !conditions.selfDrawn))
                failHand("a concealed set misread", text);
        } else {
            const hand::DeclaredSet& declared = hand.declared[i - concealedSets];
            if (!set.declared || set.kind != declared.kind || set.first != declared.first ||
                set.open == declared.concealed)
                failHand("a declared set misread", text);
        }
    }
    if (counts != tilesOf(hand))
        failHand("a reading that does not hold the hand's tiles", text);
    const hand::Face winning = *hand.winning;
    if (reading.winningGroup == -1 ? reading.pair != winning
                                   : reading.winningGroup >= int(concealedSets))
        failHand("the winning tile in a group it cannot complete", text);
    if (reading.winningGroup >= 0) {
        const hand::ReadSet& set = reading.sets[reading.winningGroup];
        const bool holds = set.kind == hand::SetKind::Chow
                               ? winning >= set.first && winning <= set.first + 2
                               : winning == set.first;
        if (!holds)
            failHand("the winning tile in a group without its face", text);
    }
}

bool sameWorth(const hand::Worth& worth, const hand::HandResult& result)
{
    return worth.count == result.count && worth.value == result.value &&
           worth.fans == result.fans && worth.maximum == result.maximum &&
           worth.overflow == result.overflow;
}

void checkFinished(const hand::Hand& hand, const hand::Conditions& conditions,
                   const std::string& text)
{
    const hand::HandResult result = hand::scoreHand(hand, conditions);
    const auto readings = hand::allReadings(hand, conditions);
    if (!result.error.empty()) {
        if (!readings.empty())
            failHand("readings of a refused hand", text);
        return;
    }
    if (readings.empty() || int(readings.size()) != result.readings)
        failHand("the readings miscounted", text);
    bool chosenListed = false;
    for (const hand::ScoredReading& scored : readings) {
        checkReading(scored.reading, hand, conditions, text);
        const hand::Worth& worth = scored.worth;
        if (!worth.overflow && (result.overflow || worth.count > result.count))
            failHand("a reading counts more than the chosen one", text);
        if (worth.overflow == result.overflow && worth.count == result.count &&
            worth.fans > result.fans)
            failHand("a reading of the same count has more fans", text);
        chosenListed =
            chosenListed || (scored.reading == result.reading && sameWorth(worth, result));
    }
    if (!chosenListed)
        failHand("the chosen reading is not among the readings", text);
    if (result.overflow != (result.valueWorking.size() == 1))
        failHand("the overflow and its working disagree", text);

    // Take the winning tile back: the hand waits on it, worth the same.
    hand::Hand waiting = hand;
    waiting.winning.reset();
    const hand::WaitsResult waits = hand::findWaits(waiting, conditions);
    bool found = false;
    for (const hand::Wait& wait : waits.waits) {
        if (wait.face == *hand.winning) {
            found = true;
            if (!sameWorth(conditions.selfDrawn ? wait.selfDrawn : wait.discard, result))
                failHand("the wait and the finished hand disagree", text);
        }
    }
    if (!waits.error.empty() || !found)
        failHand("the winning tile is not a wait", text);
}

void checkWaiting(const hand::Hand& hand, const hand::Conditions& conditions,
                  const std::string& text)
{
    const hand::WaitsResult waits = hand::findWaits(hand, conditions);
    if (!waits.error.empty())
        return;
    std::size_t next = 0;
    for (hand::Face face = 0; face < hand::faceCount; ++face) {
        hand::Hand finished = hand;
        finished.winning = face;
        hand::Conditions won = conditions;
        won.selfDrawn = false;
        const hand::HandResult discard = hand::readHand(hand::writeHand(finished), won);
        won.selfDrawn = true;
        const hand::HandResult selfDrawn = hand::scoreHand(finished, won);
        if (next < waits.waits.size() && waits.waits[next].face == face) {
            const hand::Wait& wait = waits.waits[next++];
            if (!discard.error.empty() || !sameWorth(wait.discard, discard) ||
                !sameWorth(wait.selfDrawn, selfDrawn))
                failHand("a wait is not the finished hand it says", text);
        } else if (discard.error.empty() || selfDrawn.error.empty()) {
            failHand("a face finishes the hand but is no wait", text);
        }
    }
    if (next != waits.waits.size())
        failHand("waits out of face order", text);
}

// A hand of four sets and a pair from the bytes: mostly valid, sometimes with a fifth tile of
// a face or a set too many, so that the checks see refusals as well.
hand::Hand builtHand(const std::uint8_t* data, std::size_t size)
{
    hand::Hand built;
    std::size_t at = 0;
    auto next = [&]() -> int { return at < size ? data[at++] : 0; };
    int sets = 1 + next() % 4;
    // Now and then a fifth set, which the hand's size check must refuse.
    if (next() == 255)
        ++sets;
    for (int n = 0; n < sets; ++n) {
        const int kind = next() % 3;
        hand::Face first = next() % hand::faceCount;
        const bool declared = next() % 3 == 0;
        if (kind == 0) {
            first = first % 27;
            first = first - first % 9 + std::min(first % 9, 6);
            if (declared)
                built.declared.push_back({hand::SetKind::Chow, first, false});
            else
                for (int i = 0; i < 3; ++i)
                    ++built.concealed[first + i];
        } else if (kind == 1) {
            if (declared)
                built.declared.push_back({hand::SetKind::Pong, first, false});
            else
                built.concealed[first] += 3;
        } else {
            built.declared.push_back({hand::SetKind::Kong, first, next() % 2 == 0});
        }
    }
    built.concealed[next() % hand::faceCount] += 2;
    for (int n = 4 - sets; n > 0; --n) {
        const hand::Face face = next() % hand::faceCount;
        built.concealed[face] += 3;
    }
    for (bool& bonus : built.bonus)
        bonus = next() % 5 == 0;
    const hand::Face winning = next() % hand::faceCount;
    if (built.concealed[winning] > 0) {
        --built.concealed[winning];
        built.winning = winning;
    }
    return built;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    hand::Conditions conditions;
    conditions.seat = hand::Wind(data[0] & 3);
    conditions.round = hand::Wind((data[0] >> 2) & 3);
    conditions.selfDrawn = data[0] & 16;
    conditions.lastTile = data[0] & 32;
    const bool built = data[0] & 64;
    conditions.supplement = data[0] & 128;
    conditions.robbingKong = data[1] & 1;
    conditions.noFaTable = data[1] & 2;
    conditions.tablelimit = data[1] & 4 ? 65536 : 1 + (data[1] >> 5) * 150;
    const auto mode = hand::WinningTile(((data[1] >> 3) & 3) % 3);

    hand::Hand read;
    std::string text;
    if (built) {
        read = builtHand(data + 2, size - 2);
        text = hand::writeHand(read);
    } else {
        text.assign(reinterpret_cast<const char*>(data + 2), size - 2);
    }
    const hand::ParsedHand parsed =
        hand::parseHand(text, built ? hand::WinningTile::Optional : mode);
    if (!parsed.error.empty()) {
        if (built && hand::handSize(read) > 0 && text.size() <= 200 &&
            english(parsed.error).find("tiles of") == std::string::npos &&
            english(parsed.error).find("declared sets") == std::string::npos)
            failHand("a hand as the engine writes it is refused",
                     text + " (" + english(parsed.error) + ")");
        // Whatever was refused, the other readers refuse it too, without throwing.
        if (mode != hand::WinningTile::Forbidden && hand::readHand(text, conditions).error.empty())
            failHand("readHand accepts what parseHand refused", text);
        return 0;
    }
    if (built && !(parsed.hand == read))
        failHand("a built hand reads back differently", text);
    const std::string written = hand::writeHand(parsed.hand);
    const hand::ParsedHand again = hand::parseHand(written, hand::WinningTile::Optional);
    if (!again.error.empty() || !(again.hand == parsed.hand))
        failHand("a written hand reads back differently", text + " -> " + written);

    if (parsed.hand.winning)
        checkFinished(parsed.hand, conditions, text);
    else
        checkWaiting(parsed.hand, conditions, text);
    return 0;
}

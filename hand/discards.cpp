#include "discards.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include "notation.h"
#include "tilenames.h"
#include "tiles.h"

// How far 13 tiles are from waiting. A complete hand H (the declared sets with concealed sets
// and a pair, no face more than four times in all) holds some tiles the concealed part lacks;
// the fewest any H lacks, less one, are the tiles away, since an exchange brings in at most one
// lacking tile and a waiting hand lacks its winning tile alone. The draws that bring the hand
// closer are the faces lacking in some H that lacks fewest. What H lacks adds up face by face,
// so it is worked out suit by suit (the fewest tiles k sets and p pairs of a suit lack, and
// which faces) and the suits' tables are then combined; no exchange is ever tried.
namespace hand {

namespace {

using detail::Counts;

constexpr int maxSets = 4;
constexpr int suitCount = 4;
constexpr int suitLength = 9;
constexpr std::uint8_t unreachable = std::numeric_limits<std::uint8_t>::max();

// What one suit's tiles can become: for k sets and p pairs (0 or 1) of the suit, the fewest
// tiles they lack and every rank lacking in some way of lacking that few.
struct SuitTable {
    std::array<std::array<std::uint8_t, 2>, maxSets + 1> lacking{};
    std::array<std::array<std::uint16_t, 2>, maxSets + 1> ranks{};
};

// One suit's tiles as the table needs them: the concealed tiles per rank, and how many of each
// rank a hand may hold beside the declared sets.
struct SuitTiles {
    std::array<std::uint8_t, suitLength> held{};
    std::array<std::uint8_t, suitLength> room{};
    int length = suitLength;
    bool chows = true;
};

// The ranks are taken lowest first; a state is what has been chosen so far: the sets and the
// pair, and the chows begun one and two ranks back, which still want tiles of this rank.
constexpr int stateCount = (maxSets + 1) * 2 * (maxSets + 1) * (maxSets + 1);
constexpr int stateIndex(int sets, int pairs, int chowsBack1, int chowsBack2)
{
    return ((sets * 2 + pairs) * (maxSets + 1) + chowsBack1) * (maxSets + 1) + chowsBack2;
}

// One choice at one rank: from a state, using so many tiles of the rank, to a state.
struct Move {
    std::uint8_t from;
    std::uint8_t to;
    std::uint8_t used;
};

// Every move of a suit whose ranks each have room for four tiles, the moves of a rank together
// and the ranks in order. Less room leaves out the moves that use more; which states can be
// reached does not depend on the tiles held, so the moves are listed once.
struct Moves {
    std::vector<Move> moves;
    std::array<int, suitLength + 1> rankStart{};
};

Moves listMoves(int length, bool chows)
{
    Moves listed;
    std::array<bool, stateCount> reached{};
    reached[stateIndex(0, 0, 0, 0)] = true;
    for (int rank = 0; rank < length; ++rank) {
        listed.rankStart[rank] = int(listed.moves.size());
        std::array<bool, stateCount> next{};
        const bool chowFits = chows && rank + 2 < length;
        for (int sets = 0; sets <= maxSets; ++sets) {
            for (int pairs = 0; pairs < 2; ++pairs) {
                for (int back1 = 0; back1 <= sets; ++back1) {
                    for (int back2 = 0; back1 + back2 <= sets; ++back2) {
                        const int from = stateIndex(sets, pairs, back1, back2);
                        if (!reached[from])
                            continue;
                        for (int pong = 0; pong < 2; ++pong) {
                            for (int pair = 0; pair + pairs < 2; ++pair) {
                                for (int begun = 0; begun == 0 || chowFits; ++begun) {
                                    const int used = back1 + back2 + 3 * pong + 2 * pair + begun;
                                    const int setsAfter = sets + pong + begun;
                                    if (used > 4 || setsAfter > maxSets)
                                        break;
                                    const int to =
                                        stateIndex(setsAfter, pairs + pair, begun, back1);
                                    listed.moves.push_back(
                                        {std::uint8_t(from), std::uint8_t(to), std::uint8_t(used)});
                                    next[to] = true;
                                }
                            }
                        }
                    }
                }
            }
        }
        reached = next;
    }
    listed.rankStart[length] = int(listed.moves.size());
    return listed;
}

SuitTable computeTable(const SuitTiles& tiles)
{
    static const Moves suited = listMoves(suitLength, true);
    static const Moves honours = listMoves(faceCount - firstHonour, false);
    const Moves& moves = tiles.chows ? suited : honours;
    // Per state the fewest tiles lacking so far, and the ranks lacking in some way of lacking
    // that few (set whenever a state is first reached, so not cleared per rank).
    std::array<std::uint8_t, stateCount> lacking;
    std::array<std::uint8_t, stateCount> nextLacking;
    std::array<std::uint16_t, stateCount> ranks{};
    std::array<std::uint16_t, stateCount> nextRanks{};
    lacking.fill(unreachable);
    lacking[stateIndex(0, 0, 0, 0)] = 0;
    ranks[stateIndex(0, 0, 0, 0)] = 0;
    for (int rank = 0; rank < tiles.length; ++rank) {
        nextLacking.fill(unreachable);
        const int room = tiles.room[rank];
        const int held = tiles.held[rank];
        const std::uint16_t bit = std::uint16_t(1u << rank);
        for (int i = moves.rankStart[rank]; i < moves.rankStart[rank + 1]; ++i) {
            const Move move = moves.moves[i];
            const int from = lacking[move.from];
            if (move.used > room || from == unreachable)
                continue;
            const int lack = move.used > held ? move.used - held : 0;
            const int after = from + lack;
            const std::uint16_t lackingRanks = lack > 0 ? ranks[move.from] | bit : ranks[move.from];
            if (after < nextLacking[move.to]) {
                nextLacking[move.to] = std::uint8_t(after);
                nextRanks[move.to] = lackingRanks;
            } else if (after == nextLacking[move.to]) {
                nextRanks[move.to] |= lackingRanks;
            }
        }
        std::swap(lacking, nextLacking);
        std::swap(ranks, nextRanks);
    }
    SuitTable table;
    for (int sets = 0; sets <= maxSets; ++sets) {
        for (int pairs = 0; pairs < 2; ++pairs) {
            const int end = stateIndex(sets, pairs, 0, 0);
            table.lacking[sets][pairs] = lacking[end];
            table.ranks[sets][pairs] = lacking[end] == unreachable ? 0 : ranks[end];
        }
    }
    return table;
}

// The suits' tables over the hand: the sets the declared ones leave, one pair.
struct Lacking {
    int tiles = std::numeric_limits<int>::max();
    std::uint64_t faces = 0; // bit f: face f
};

Lacking combine(const std::array<const SuitTable*, suitCount>& tables, int sets)
{
    Lacking best;
    std::array<int, suitCount> split{};
    for (split[0] = 0; split[0] <= sets; ++split[0]) {
        for (split[1] = 0; split[0] + split[1] <= sets; ++split[1]) {
            for (split[2] = 0; split[0] + split[1] + split[2] <= sets; ++split[2]) {
                split[3] = sets - split[0] - split[1] - split[2];
                for (int pairSuit = 0; pairSuit < suitCount; ++pairSuit) {
                    int tiles = 0;
                    for (int suit = 0; suit < suitCount && tiles != unreachable; ++suit) {
                        const int lacking =
                            tables[suit]->lacking[split[suit]][suit == pairSuit ? 1 : 0];
                        tiles = lacking == unreachable ? unreachable : tiles + lacking;
                    }
                    if (tiles == unreachable || tiles > best.tiles)
                        continue;
                    if (tiles < best.tiles)
                        best = {tiles, 0};
                    for (int suit = 0; suit < suitCount; ++suit)
                        best.faces |=
                            std::uint64_t(
                                tables[suit]->ranks[split[suit]][suit == pairSuit ? 1 : 0])
                            << (suitLength * suit);
                }
            }
        }
    }
    return best;
}

struct Cached {
    std::uint64_t key = 0; // no suit's key: that begins with a set bit
    SuitTable table;
};
thread_local std::array<Cached, 4096> cache;

// A suit's table by its tiles, kept in a small cache: a hand differs from the one before by a
// tile or two, and each throw changes one suit, so most suits were worked out already. Each
// count is below 8 and fits in three bits.
SuitTable suitTable(const SuitTiles& tiles)
{
    std::uint64_t key = tiles.chows ? 2 : 1;
    for (int rank = 0; rank < tiles.length; ++rank)
        key = key << 6 | std::uint64_t(tiles.held[rank]) << 3 | tiles.room[rank];
    Cached& cached = cache[(key * 0x9E3779B97F4A7C15u) >> 52];
    if (cached.key != key)
        cached = {key, computeTable(tiles)};
    return cached.table;
}

SuitTiles suitTiles(const Counts& concealed, const Counts& room, int suit)
{
    SuitTiles tiles;
    const Face first = suitLength * suit;
    tiles.chows = first < firstHonour;
    tiles.length = tiles.chows ? suitLength : faceCount - firstHonour;
    for (int rank = 0; rank < tiles.length; ++rank) {
        tiles.held[rank] = concealed[first + rank];
        tiles.room[rank] = room[first + rank];
    }
    return tiles;
}

Phrase say(const char* pattern, std::vector<Phrase> args = {})
{
    return phrase("Hand", pattern, std::move(args));
}

Phrase sizeError(int size)
{
    // Whole sentences: the number, the noun and what follows agree in every language.
    static constexpr std::array<const char*, 4> sentences{
        QT_TRANSLATE_NOOP("Hand", "1 tile more: a hand to throw from is 14 tiles, a kong "
                                  "counted as 3"),
        QT_TRANSLATE_NOOP("Hand", "%1 tiles more: a hand to throw from is 14 tiles, a kong "
                                  "counted as 3"),
        QT_TRANSLATE_NOOP("Hand", "1 tile too many: a hand to throw from is 14 tiles, a kong "
                                  "counted as 3"),
        QT_TRANSLATE_NOOP("Hand", "%1 tiles too many: a hand to throw from is 14 tiles, a kong "
                                  "counted as 3")};
    const int missing = 14 - size;
    const int n = missing > 0 ? missing : -missing;
    return say(sentences[(missing > 0 ? 0 : 2) + (n == 1 ? 0 : 1)], {plainNumber(n)});
}

// The hand's first fault, or the empty text.
Phrase discardsError(const Hand& hand, const Conditions& conditions)
{
    auto known = [](Wind wind) { return int(wind) >= 0 && int(wind) <= int(Wind::North); };
    if (!known(conditions.seat) || !known(conditions.round))
        return say(QT_TRANSLATE_NOOP("Hand", "a wind is not East, South, West or North"));
    Phrase error = detail::checkHand(hand, WinningTile::Optional);
    if (!error.empty())
        return error;
    if (hand.winning)
        return say(QT_TRANSLATE_NOOP("Hand", "a hand to throw from has no winning tile: leave "
                                             "out +%1"),
                   {plainText(faceText(*hand.winning))});
    if (handSize(hand) != 14)
        return sizeError(handSize(hand));
    return {};
}

// A wait's value on a discard as the ranking sees it: a count that overflowed below any value.
std::pair<bool, std::int64_t> rankedValue(const Wait& wait)
{
    return {!wait.discard.overflow, wait.discard.value};
}

bool throwsBefore(const Discard& a, const Discard& b)
{
    if (a.away != b.away)
        return a.away < b.away;
    if (a.accepted != b.accepted)
        return a.accepted > b.accepted;
    // As many tiles away: both wait, or neither does.
    const int bestA = bestWait(a.waits);
    const int bestB = bestWait(b.waits);
    if (bestA >= 0 && bestB >= 0 && rankedValue(a.waits[bestA]) != rankedValue(b.waits[bestB]))
        return rankedValue(a.waits[bestA]) > rankedValue(b.waits[bestB]);
    return a.face < b.face;
}

} // namespace

void detail::forgetSuitTables()
{
    cache.fill(Cached{});
}

int bestWait(const std::vector<Wait>& waits)
{
    int best = -1;
    for (int i = 0; i < int(waits.size()); ++i) {
        if (best < 0 || rankedValue(waits[i]) > rankedValue(waits[best]))
            best = i;
    }
    return best;
}

DiscardsResult findDiscards(std::string_view text, const Conditions& conditions)
{
    return answerForText<DiscardsResult>(text, WinningTile::Optional, [&](const Hand& hand) {
        return findDiscards(hand, conditions);
    });
}

DiscardsResult findDiscards(const Hand& hand, const Conditions& conditions)
{
    DiscardsResult result;
    result.error = discardsError(hand, conditions);
    if (!result.error.empty())
        return result;

    // Copies held count the declared sets, a kong as four; a hand may hold of a face what the
    // declared sets leave of its four.
    const Counts held = detail::allTiles(hand);
    Counts room{};
    for (Face face = 0; face < faceCount; ++face)
        room[face] = std::uint8_t(4 - (held[face] - hand.concealed[face]));
    const int sets = maxSets - int(hand.declared.size());

    std::array<SuitTable, suitCount> whole;
    std::array<const SuitTable*, suitCount> tables{};
    for (int suit = 0; suit < suitCount; ++suit) {
        whole[suit] = suitTable(suitTiles(hand.concealed, room, suit));
        tables[suit] = &whole[suit];
    }
    result.complete = combine(tables, sets).tiles == 0;

    for (Face face = 0; face < faceCount; ++face) {
        if (hand.concealed[face] == 0)
            continue;
        Hand kept = hand;
        --kept.concealed[face];
        const int suit = detail::suitOf(face);
        const SuitTable changed = suitTable(suitTiles(kept.concealed, room, suit));
        tables[suit] = &changed;
        const Lacking lacking = combine(tables, sets);
        tables[suit] = &whole[suit];
        // A complete hand with the declared sets can always be made of the 34 faces.
        assert(lacking.tiles > 0 && lacking.tiles != std::numeric_limits<int>::max());

        Discard discard{face, lacking.tiles - 1, {}, 0, {}};
        for (Face drawn = 0; drawn < faceCount; ++drawn) {
            // The copies the player cannot see: the tile thrown is still counted as theirs.
            const int left = 4 - held[drawn];
            if ((lacking.faces >> drawn & 1) != 0 && left > 0) {
                discard.accepts.push_back({drawn, left});
                discard.accepted += left;
            }
        }
        if (discard.away == 0)
            discard.waits = findWaits(kept, conditions).waits;
        result.discards.push_back(std::move(discard));
    }
    std::stable_sort(result.discards.begin(), result.discards.end(), throwsBefore);
    return result;
}

} // namespace hand

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <tuple>
#include <vector>

#include <QStringList>
#include <QTest>

#include "discards.h"
#include "discardstest.h"
#include "notation.h"
#include "tilenames.h"

// What to throw from 14 tiles. The faults these tests must catch: tiles away off by one or
// counted as if a fifth copy could be drawn (a face held four times, a declared kong's face);
// accepted faces missing a way to finish (a pair of a face not held, another suit) or listing a
// face with no copy left; copies left that forget the declared sets or the tile thrown; a
// declared set or a bonus tile offered as a throw, a face listed twice; the throws in the wrong
// order (tiles away, then accepted, then the best wait's value, then face order); the waits
// of the wrong 13 tiles or conditions; a complete hand not noticed; a refusal in the wrong
// words or with the wrong count. The exact answers come from the definitions themselves,
// worked out below by brute force over every complete hand.

using hand::Face;
using namespace discardstest;

namespace {

using Counts = std::array<int, hand::faceCount>;

// The brute force. The declared sets' tiles per face, a kong as four.
Counts declaredTiles(const hand::Hand& hand)
{
    Counts tiles{};
    for (const hand::DeclaredSet& set : hand.declared) {
        for (int n = 0; n < (set.kind == hand::SetKind::Kong ? 4 : 3); ++n)
            ++tiles[set.kind == hand::SetKind::Chow ? set.first + n : set.first];
    }
    return tiles;
}

// Every complete hand beside the declared sets (`sets` chows or pongs and a pair, no face more
// than four times with the declared tiles) that lacks at most `bound` of the held tiles, with
// how many it lacks.
void eachComplete(const Counts& held, const Counts& declared, int sets, int bound,
                  const std::function<void(const Counts&, int)>& visit)
{
    std::vector<std::array<Face, 3>> all;
    for (Face f = 0; f < hand::faceCount; ++f) {
        all.push_back({f, f, f});
        if (f < hand::firstHonour && f % 9 < 7)
            all.push_back({f, f + 1, f + 2});
    }
    Counts tiles{};
    auto lackOf = [&](const std::array<Face, 3>& set) {
        int lack = 0;
        for (const Face f : set)
            lack += ++tiles[f] > held[f] ? 1 : 0;
        for (const Face f : set)
            --tiles[f];
        return lack;
    };
    // A set lacks at least what it lacks alone: those lacking fewest first, so that the search
    // stops at the first set beyond the bound.
    std::vector<std::pair<int, std::array<Face, 3>>> sorted;
    for (const auto& set : all)
        sorted.push_back({lackOf(set), set});
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    auto search = [&](auto& self, std::size_t from, int left, int lacking) -> void {
        if (left == 0) {
            for (Face pair = 0; pair < hand::faceCount; ++pair) {
                tiles[pair] += 2;
                const int after = lacking + std::min(2, std::max(0, tiles[pair] - held[pair]));
                if (tiles[pair] + declared[pair] <= 4 && after <= bound)
                    visit(tiles, after);
                tiles[pair] -= 2;
            }
            return;
        }
        for (std::size_t i = from; i < sorted.size() && lacking + sorted[i].first <= bound; ++i) {
            const auto& set = sorted[i].second;
            const int after = lacking + lackOf(set);
            bool fits = true;
            for (const Face f : set)
                fits = ++tiles[f] + declared[f] <= 4 && fits;
            if (fits && after <= bound)
                self(self, i, left - 1, after);
            for (const Face f : set)
                --tiles[f];
        }
    };
    search(search, 0, sets, 0);
}

// Throwing x from the held tiles U leaves U - x; a complete hand H lacks as many of U - x as
// of U, and one more when H holds x at least as often as U does. So each throw's fewest
// lacking is U's fewest or one more, and the hands lacking at most that many say it all. The
// throws come in face order, without waits.
std::pair<bool, std::vector<hand::Discard>> bruteForce(const hand::Hand& hand)
{
    Counts held{};
    std::copy(hand.concealed.begin(), hand.concealed.end(), held.begin());
    const Counts declared = declaredTiles(hand);
    const int sets = 4 - int(hand.declared.size());
    int fewest = 0;
    for (bool found = false; !found; ++fewest)
        eachComplete(held, declared, sets, fewest, [&](const Counts&, int) { found = true; });
    --fewest;

    Counts lacking;
    lacking.fill(1000);
    std::array<std::uint64_t, hand::faceCount> lackingFaces{};
    eachComplete(held, declared, sets, fewest + 1, [&](const Counts& tiles, int lack) {
        std::uint64_t faces = 0;
        for (Face f = 0; f < hand::faceCount; ++f)
            faces |= std::uint64_t(tiles[f] > held[f]) << f;
        for (Face thrown = 0; thrown < hand::faceCount; ++thrown) {
            const bool lacksThrown = tiles[thrown] >= held[thrown];
            if (held[thrown] == 0 || lack + lacksThrown > lacking[thrown])
                continue;
            if (lack + lacksThrown < lacking[thrown])
                lackingFaces[thrown] = 0;
            lacking[thrown] = lack + lacksThrown;
            lackingFaces[thrown] |= faces | std::uint64_t(lacksThrown) << thrown;
        }
    });

    std::vector<hand::Discard> discards;
    for (Face thrown = 0; thrown < hand::faceCount; ++thrown) {
        if (held[thrown] == 0)
            continue;
        hand::Discard discard{thrown, lacking[thrown] - 1, {}, 0, {}};
        for (Face f = 0; f < hand::faceCount; ++f) {
            const int left = 4 - held[f] - declared[f];
            if ((lackingFaces[thrown] >> f & 1) != 0 && left > 0) {
                discard.accepts.push_back({f, left});
                discard.accepted += left;
            }
        }
        discards.push_back(discard);
    }
    return {fewest == 0, discards};
}

hand::Hand withoutOne(hand::Hand hand, Face thrown)
{
    --hand.concealed[thrown];
    return hand;
}

// One line per throw: all the engine says of it, the waits' figures included.
QString describe(const std::vector<hand::Discard>& discards)
{
    QStringList lines;
    for (const hand::Discard& discard : discards) {
        QString waits;
        for (const hand::Wait& wait : discard.waits) {
            waits += u' ' + tileText(wait.face);
            for (const hand::Worth& worth : {wait.discard, wait.selfDrawn})
                waits += QString(" %1/%2/%3/%4%5")
                             .arg(worth.count)
                             .arg(worth.value)
                             .arg(worth.fans)
                             .arg(worth.maximum ? "max" : "")
                             .arg(worth.overflow ? "overflow" : "");
        }
        lines << QString("%1 away %2 accepted %3: %4 | waits%5")
                     .arg(tileText(discard.face))
                     .arg(discard.away)
                     .arg(discard.accepted)
                     .arg(acceptsText(discard.accepts), waits);
    }
    return lines.join(u'\n');
}

// The ranking as the rules say it: (away, accepted, best wait's value on a discard with an
// overflow below every value, face).
bool rankedBefore(const hand::Discard& a, const hand::Discard& b)
{
    auto key = [](const hand::Discard& discard) {
        std::tuple<bool, bool, std::int64_t> best{false, false, 0};
        for (const hand::Wait& wait : discard.waits)
            best = std::max(best, std::tuple{true, !wait.discard.overflow, wait.discard.value});
        return std::tuple{-discard.away, discard.accepted, best, -discard.face};
    };
    return key(a) > key(b);
}

// The engine against the brute force, its waits against findWaits of the 13 tiles left, its
// order against the ranking, from the text or the hand. False (the test failed) when not.
bool agrees(const hand::Hand& hand, const hand::Conditions& given, bool fromText)
{
    const hand::DiscardsResult result = fromText ? hand::findDiscards(hand::writeHand(hand), given)
                                                 : hand::findDiscards(hand, given);
    // plain variables, not a structured binding: emscripten's clang cannot capture one
    auto bruteForced = bruteForce(hand);
    const bool complete = bruteForced.first;
    std::vector<hand::Discard>& truth = bruteForced.second;
    for (hand::Discard& discard : truth) {
        if (discard.away == 0)
            discard.waits = hand::findWaits(withoutOne(hand, discard.face), given).waits;
    }
    std::stable_sort(truth.begin(), truth.end(), rankedBefore);
    auto sameWorth = [](const hand::Worth& a, const hand::Worth& b) {
        return std::tie(a.count, a.value, a.fans, a.maximum, a.overflow) ==
               std::tie(b.count, b.value, b.fans, b.maximum, b.overflow);
    };
    auto sameWait = [&](const hand::Wait& a, const hand::Wait& b) {
        return a.face == b.face && sameWorth(a.discard, b.discard) &&
               sameWorth(a.selfDrawn, b.selfDrawn);
    };
    auto same = [&](const hand::Discard& a, const hand::Discard& b) {
        return a.face == b.face && a.away == b.away && a.accepted == b.accepted &&
               a.accepts == b.accepts &&
               std::equal(a.waits.begin(), a.waits.end(), b.waits.begin(), b.waits.end(), sameWait);
    };
    if (result.error.empty() && result.complete == complete &&
        std::equal(result.discards.begin(), result.discards.end(), truth.begin(), truth.end(),
                   same))
        return true;
    const QString text = QString::fromStdString(hand::writeHand(hand)) + "\n";
    [&] {
        QCOMPARE(QString::fromStdString(english(result.error)), QString());
        QCOMPARE(text + (result.complete ? "complete" : ""), text + (complete ? "complete" : ""));
        QCOMPARE(text + describe(result.discards), text + describe(truth));
    }();
    return !QTest::currentTestFailed();
}

// Every way to put `tiles` tiles on the faces from `first` to `last`, at most `most` of each,
// until `visit` returns false; returns false then.
bool eachCounts(hand::Hand& hand, Face first, Face last, int tiles, const Counts& most,
                const std::function<bool(const hand::Hand&)>& visit)
{
    if (first > last)
        return tiles != 0 || visit(hand);
    bool going = true;
    for (int n = 0; n <= std::min(tiles, most[first]) && going; ++n) {
        hand.concealed[first] = std::uint8_t(n);
        going = eachCounts(hand, first + 1, last, tiles - n, most, visit);
    }
    hand.concealed[first] = 0;
    return going;
}

// A random hand of 14 tiles from one set of 136: declared sets (kongs among them, some
// concealed), then concealed sets and a pair of which a few tiles, or many, are exchanged for
// random ones; flowers and seasons, random winds.
std::pair<hand::Hand, hand::Conditions> randomHand(std::mt19937& random)
{
    auto below = [&random](int n) { return int(random() % unsigned(n)); };
    Counts wall;
    wall.fill(4);
    hand::Hand drawn;
    // Takes a chow (0), pong (1) or kong (2) from the wall if it is there.
    auto takeSet = [&](int kind, Face first, auto put) {
        if (kind == 0 && (first >= hand::firstHonour || first % 9 > 6))
            return false;
        Counts wanted{};
        for (int n = 0; n < (kind == 2 ? 4 : 3); ++n)
            ++wanted[kind == 0 ? first + n : first];
        for (Face f = 0; f < hand::faceCount; ++f) {
            if (wanted[f] > wall[f])
                return false;
        }
        for (Face f = 0; f < hand::faceCount; ++f) {
            wall[f] -= wanted[f];
            put(f, wanted[f]);
        }
        return true;
    };
    auto conceal = [&](Face f, int n) { drawn.concealed[f] += std::uint8_t(n); };
    const int declared = std::array{0, 0, 1, 1, 2, 3, 4}[below(7)];
    while (int(drawn.declared.size()) < declared) {
        const int kind = below(3);
        const Face first = below(hand::faceCount);
        if (takeSet(kind, first, [](Face, int) {}))
            drawn.declared.push_back({hand::SetKind(kind), first, kind == 2 && below(2) == 0});
    }
    for (int sets = declared; sets < 4;)
        sets += takeSet(below(2), below(hand::faceCount), conceal) ? 1 : 0;
    for (Face pair = below(hand::faceCount);; pair = below(hand::faceCount)) {
        if (wall[pair] >= 2) {
            wall[pair] -= 2;
            conceal(pair, 2);
            break;
        }
    }
    for (int n = below(2) == 0 ? 14 : below(4); n > 0; --n) {
        std::vector<Face> held;
        for (Face f = 0; f < hand::faceCount; ++f)
            held.insert(held.end(), drawn.concealed[f], f);
        const Face out = held[below(int(held.size()))];
        Face in = below(hand::faceCount);
        while (wall[in] == 0)
            in = below(hand::faceCount);
        --drawn.concealed[out];
        ++wall[out];
        ++drawn.concealed[in];
        --wall[in];
    }
    for (bool& bonus : drawn.bonus)
        bonus = below(5) == 0;
    hand::Conditions given;
    given.seat = hand::Wind(below(4));
    given.round = hand::Wind(below(4));
    given.selfDrawn = below(3) == 0;
    given.noFaTable = below(8) == 0;
    return {drawn, given};
}

} // namespace

class TestDiscardsTruth : public QObject {
    Q_OBJECT

private slots:
    void againstBruteForce_data();
    void againstBruteForce();
    void exchanges();
};

void TestDiscardsTruth::againstBruteForce_data()
{
    QTest::addColumn<QString>("family");

    QTest::newRow("every hand of characters 3 to 9") << "characters";
    QTest::newRow("every hand of honours") << "honours";
    QTest::newRow("every hand of dots beside a declared kong of 5p") << "kong";
    QTest::newRow("every hand of bamboo beside a declared pong and chow") << "pong";
    QTest::newRow("random hands with declared sets and kongs") << "random";
}

void TestDiscardsTruth::againstBruteForce()
{
    QFETCH(QString, family);
    Counts most;
    most.fill(4);
    hand::Hand base;
    int checked = 0;
    auto check = [&](const hand::Hand& hand) {
        ++checked;
        return agrees(hand, {}, checked % 2 == 0);
    };
    if (family == u"characters") {
        eachCounts(base, face("3m"), face("9m"), 14, most, check);
    } else if (family == u"honours") {
        eachCounts(base, hand::firstHonour, hand::faceCount - 1, 14, most, check);
    } else if (family == u"kong") {
        base.declared.push_back({hand::SetKind::Kong, face("5p"), false});
        most[face("5p")] = 0;
        eachCounts(base, face("1p"), face("9p"), 11, most, check);
    } else if (family == u"pong") {
        base.declared.push_back({hand::SetKind::Pong, face("7s"), false});
        base.declared.push_back({hand::SetKind::Chow, face("6s"), false});
        most[face("7s")] = 0;
        most[face("6s")] = 3;
        most[face("8s")] = 3;
        eachCounts(base, face("1s"), face("9s"), 8, most, check);
    } else {
        std::mt19937 random(20240611);
        for (int n = 0; n < 3000; ++n) {
            const auto [drawn, given] = randomHand(random);
            ++checked;
            if (!agrees(drawn, given, n % 2 == 0))
                return;
        }
    }
    if (QTest::currentTestFailed())
        return;
    qInfo("%d hands", checked);
    QVERIFY(checked > 0);
}

// The tiles away and the accepted faces as first defined: a throw leaves the hand waiting
// when the 13 tiles have a winning tile; one tile away when they do not but one exchange
// (never drawing a fifth copy) makes them wait; the accepted faces of such a hand are the
// draws after which some throw waits.
void TestDiscardsTruth::exchanges()
{
    std::mt19937 random(7);
    int checked[3] = {};
    while (checked[0] + checked[1] + checked[2] < 3 * 200) {
        const auto dealt = randomHand(random);
        const hand::Hand& drawn = dealt.first;
        const hand::Conditions& given = dealt.second;
        const hand::DiscardsResult result = hand::findDiscards(drawn, given);
        const Counts declared = declaredTiles(drawn);
        auto roomFor = [&](const hand::Hand& tiles, Face f) {
            return tiles.concealed[f] + declared[f] < 4;
        };
        auto waiting = [&](const hand::Hand& tiles) {
            return hand::findWaits(tiles, given).ready();
        };
        for (const hand::Discard& discard : result.discards) {
            const hand::Hand left = withoutOne(drawn, discard.face);
            const int level = std::min(discard.away, 2);
            if (checked[level] >= 200)
                continue;
            ++checked[level];
            const QString text = QString::fromStdString(hand::writeHand(left));
            std::vector<hand::Accept> accepts;
            auto accept = [&](Face f) {
                const int left14 = 4 - drawn.concealed[f] - declared[f];
                if (left14 > 0)
                    accepts.push_back({f, left14});
            };
            bool oneExchange = false;
            for (Face in = 0; in < hand::faceCount; ++in) {
                if (!roomFor(left, in))
                    continue;
                hand::Hand more = left;
                ++more.concealed[in];
                bool waitsAfter = false;
                for (Face out = 0; out < hand::faceCount && !waitsAfter; ++out)
                    waitsAfter = more.concealed[out] > 0 && waiting(withoutOne(more, out));
                oneExchange = oneExchange || waitsAfter;
                if (discard.away == 0) {
                    more.winning = in;
                    --more.concealed[in];
                    if (hand::scoreHand(more, given).error.empty())
                        accept(in);
                } else if (waitsAfter) {
                    accept(in);
                }
            }
            QCOMPARE(text + (waiting(left) ? " waits" : ""),
                     text + (discard.away == 0 ? " waits" : ""));
            QCOMPARE(text + (oneExchange ? " within one exchange" : ""),
                     text + (discard.away <= 1 ? " within one exchange" : ""));
            if (discard.away <= 1)
                QCOMPARE(text + " " + acceptsText(accepts),
                         text + " " + acceptsText(discard.accepts));
        }
    }
}

QTEST_GUILESS_MAIN(TestDiscardsTruth)
#include "tst_discardstruth.moc"

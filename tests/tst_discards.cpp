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
// words or with the wrong count. Here the rules' boundaries, row by row; tst_discardstruth
// holds the engine to a brute force of the definitions.

using hand::Face;
using namespace discardstest;

class TestDiscards : public QObject {
    Q_OBJECT

private slots:
    void refusals_data();
    void refusals();
    void throwOf_data();
    void throwOf();
    void order_data();
    void order();
    void complete_data();
    void complete();
    void bestWait_data();
    void bestWait();
};

void TestDiscards::refusals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("sentence");

    const QString size = ": a hand to throw from is 14 tiles, a kong counted as 3";
    QTest::newRow("14 tiles") << "123m 456m 789m 123p 5p 9s" << 0 << "";
    QTest::newRow("a winning tile") << "123m 456m 789m 123p 5p +5p" << 0
                                    << "a hand to throw from has no winning tile: leave out +5p";
    QTest::newRow("one tile more") << "123m 456m 789m 123p 5p" << 0 << "1 tile more" + size;
    QTest::newRow("two tiles more") << "123m 456m 789m 123p" << 0 << "2 tiles more" + size;
    QTest::newRow("one tile too many")
        << "123m 456m 789m 123p 5p 9s 9s" << 0 << "1 tile too many" + size;
    QTest::newRow("two tiles too many")
        << "123m 456m 789m 123p 5p 9s 9s 9s" << 0 << "2 tiles too many" + size;
    QTest::newRow("a kong counts as three") << "[1111m] 456m 789m 123p 5p 9s" << 0 << "";
    QTest::newRow("a kong is not four") << "[1111m] 456m 789m 123p 5p" << 0 << "1 tile more" + size;
    QTest::newRow("bonus tiles do not count")
        << "123m 456m 789m 123p 5p 1f 2f 3y" << 0 << "1 tile more" + size;
    QTest::newRow("a fifth copy") << "33333m 456p 789s 11z" << 0 << "5 tiles of 3m";
    QTest::newRow("a fifth copy beside a kong")
        << "[1111m] 1m 456p 789s 111z 22z" << 0 << "5 tiles of 1m";
    QTest::newRow("not a set") << "[1235m] 456p 789s 111z 2z" << 0
                               << "[1235m] is not a chow, pong or kong";
    QTest::newRow("unknown character") << "123x" << 0 << "unknown character \"x\"";
    QTest::newRow("empty") << " " << 0 << "the hand is empty";
    QTest::newRow("an unknown wind")
        << "123m 456m 789m 123p 5p 9s" << 4 << "a wind is not East, South, West or North";
}

void TestDiscards::refusals()
{
    QFETCH(QString, text);
    QFETCH(int, round);
    QFETCH(QString, sentence);
    hand::Conditions given;
    given.round = hand::Wind(round);
    const hand::DiscardsResult result = hand::findDiscards(text.toStdString(), given);
    QCOMPARE(QString::fromStdString(english(result.error)), sentence);
    QCOMPARE(result.discards.empty(), !sentence.isEmpty());
    // The hand, read as the windows hold it, is refused in the same words.
    const hand::ParsedHand parsed =
        hand::parseHand(text.toStdString(), hand::WinningTile::Optional);
    if (parsed.error.empty())
        QCOMPARE(QString::fromStdString(english(hand::findDiscards(parsed.hand, given).error)),
                 sentence);
}

void TestDiscards::throwOf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("thrown");
    QTest::addColumn<int>("away");
    QTest::addColumn<int>("accepted");
    QTest::addColumn<QString>("accepts"); // "*": too many to list here
    QTest::addColumn<QString>("waits");

    // After throwing 5z the four 1m wait on a fifth copy, which is no wait; throwing any 1m
    // and drawing any other face waits on it, so every other face is accepted: 33 faces, 122
    // copies.
    QTest::newRow("a face held four times") << "1111m 234p 567p 789s 5z"
                                            << "5z" << 1 << 122 << "*"
                                            << "";
    QTest::newRow("a face held four times, one thrown") << "1111m 234p 567p 789s 5z"
                                                        << "1m" << 0 << 3 << "5z3"
                                                        << "5z";
    QTest::newRow("a declared kong's face") << "[1111m] 23m 456p 789s 55s 7z"
                                            << "7z" << 0 << 4 << "4m4"
                                            << "4m";
    // 1m still finishes the 13 tiles, but its last copy was the one thrown.
    QTest::newRow("the last copy of a wait in the hand") << "1111m 23m 456p 789s 55z"
                                                         << "1m" << 0 << 6 << "4m4 5z2"
                                                         << "1m 4m 5z";
    QTest::newRow("one copy left") << "1112345678999m 5z"
                                   << "5z" << 0 << 23 << "1m1 2m3 3m3 4m3 5m3 6m3 7m3 8m3 9m1"
                                   << "1m 2m 3m 4m 5m 6m 7m 8m 9m";
    QTest::newRow("a declared chow's copies") << "[123m] 3m 456p 789s 111z 5z"
                                              << "5z" << 0 << 2 << "3m2"
                                              << "3m";
    QTest::newRow("a declared pong and the fourth copy") << "[555p] 5p 123m 456m 789s 1z"
                                                         << "1z" << 1 << 122 << "*"
                                                         << "";
    QTest::newRow("bonus tiles and a concealed kong") << "[123m] [456p] (7777s) 1f 2y 123s 5z 9p"
                                                      << "9p" << 0 << 3 << "5z3"
                                                      << "5z";
    // Three pongs and four single tiles: a set of one single (2 tiles) and a pair of
    // another (1).
    QTest::newRow("two away") << "111z 222z 333z 4567z 1m"
                              << "4z" << 2 << 20 << "1m3 2m4 3m4 5z3 6z3 7z3"
                              << "";
    QTest::newRow("two away, a single suited tile thrown") << "111z 222z 333z 4567z 1m"
                                                           << "1m" << 2 << 12 << "4z3 5z3 6z3 7z3"
                                                           << "";
    // Breaking a pong: it lacks one again, or it is the pair and two sets come of singles.
    QTest::newRow("three away") << "111z 222z 333z 4567z 1m"
                                << "1z" << 3 << 24 << "1m3 2m4 3m4 1z1 4z3 5z3 6z3 7z3"
                                << "";
    QTest::newRow("three away, all pairs") << "11223344556677z"
                                           << "1z" << 3 << 12 << "2z2 3z2 4z2 5z2 6z2 7z2"
                                           << "";
}

void TestDiscards::throwOf()
{
    QFETCH(QString, text);
    QFETCH(QString, thrown);
    QFETCH(int, away);
    QFETCH(int, accepted);
    QFETCH(QString, accepts);
    QFETCH(QString, waits);
    const hand::DiscardsResult result = hand::findDiscards(text.toStdString(), {});
    QCOMPARE(QString::fromStdString(english(result.error)), QString());
    const hand::Discard* discard = discardOf(result, face(thrown));
    QVERIFY(discard);
    QCOMPARE(discard->away, away);
    QCOMPARE(discard->accepted, accepted);
    int sum = 0;
    for (const hand::Accept& accept : discard->accepts)
        sum += accept.left;
    QCOMPARE(sum, accepted);
    if (accepts != u"*")
        QCOMPARE(acceptsText(discard->accepts), accepts);
    QCOMPARE(waitFaces(discard->waits), waits);
}

void TestDiscards::order_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wind"); // the seat and the round
    QTest::addColumn<QString>("order");

    QTest::newRow("fewest away first")
        << "1111m 234p 567p 789s 5z" << 0 << "1m 5z 2p 7p 4p 5p 9s 3p 6p 7s 8s";
    // 1m leaves the best wait (288 against 180) but accepts 6 copies, not 7.
    QTest::newRow("most accepted, then the best wait")
        << "1111m 23m 456p 789s 55z" << 0 << "4p 6p 9s 1m 2m 3m 5p 7s 8s 5z";
    // Both wait on a single wind, 3 copies each. For North in a North round a pair of East
    // leaves the chows a worthless hand, which counts for more than a pair of North.
    QTest::newRow("the best wait, then face order")
        << "123m 456m 789m 234p 1z 4z" << 3 << "4z 1z 1m 9m 2p 4p 4m 6m 2m 3m 5m 7m 8m 3p";
    QTest::newRow("the waits under the conditions given")
        << "123m 456m 789m 234p 1z 4z" << 0 << "1z 4z 1m 9m 2p 4p 4m 6m 2m 3m 5m 7m 8m 3p";
    QTest::newRow("equal throws in face order")
        << "111z 222z 333z 4567z 1m" << 0 << "4z 5z 6z 7z 1m 1z 2z 3z";
}

void TestDiscards::order()
{
    QFETCH(QString, text);
    QFETCH(int, wind);
    QFETCH(QString, order);
    hand::Conditions given;
    given.seat = given.round = hand::Wind(wind);
    const hand::DiscardsResult result = hand::findDiscards(text.toStdString(), given);
    QStringList thrown;
    for (const hand::Discard& discard : result.discards)
        thrown << tileText(discard.face);
    QCOMPARE(thrown.join(u' '), order);
}

void TestDiscards::complete_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<int>("throws");

    QTest::newRow("sets and a pair") << "123m 456m 789m 123p 55p" << true << 13;
    QTest::newRow("with a declared kong") << "[1111m] 123p 456p 789p 55z" << true << 10;
    QTest::newRow("all declared") << "(1111m) [123p] [456p] [789p] 55z" << true << 1;
    QTest::newRow("pongs and a pair of honours") << "111m 222m 333m 777z 55z" << true << 5;
    QTest::newRow("waiting and one tile more") << "123m 456m 789m 123p 5p 9s" << false << 14;
    QTest::newRow("seven pairs") << "1199m 1199p 1199s 11z" << false << 7;
}

void TestDiscards::complete()
{
    QFETCH(QString, text);
    QFETCH(bool, complete);
    QFETCH(int, throws);
    const hand::DiscardsResult result = hand::findDiscards(text.toStdString(), {});
    QCOMPARE(QString::fromStdString(english(result.error)), QString());
    QCOMPARE(result.complete, complete);
    QCOMPARE(int(result.discards.size()), throws);
}

void TestDiscards::bestWait_data()
{
    QTest::addColumn<QList<qint64>>("values"); // on a discard; -1000 stands for an overflow
    QTest::addColumn<int>("best");

    QTest::newRow("none") << QList<qint64>{} << -1;
    QTest::newRow("one") << QList<qint64>{96} << 0;
    QTest::newRow("the highest") << QList<qint64>{96, 288, 144} << 1;
    QTest::newRow("the first of equals") << QList<qint64>{96, 288, 288} << 1;
    QTest::newRow("an overflow below any value") << QList<qint64>{-1000, -24} << 1;
    QTest::newRow("an overflow alone") << QList<qint64>{-1000} << 0;
}

void TestDiscards::bestWait()
{
    QFETCH(QList<qint64>, values);
    QFETCH(int, best);
    std::vector<hand::Wait> waits;
    for (const qint64 value : values) {
        hand::Wait wait{Face(waits.size()), {}, {}};
        wait.discard.overflow = value == -1000;
        wait.discard.value = wait.discard.overflow ? 0 : value;
        waits.push_back(wait);
    }
    QCOMPARE(hand::bestWait(waits), best);
}

QTEST_GUILESS_MAIN(TestDiscards)
#include "tst_discards.moc"

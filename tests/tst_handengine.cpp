#include <QStringList>
#include <QTest>

#include "handengine.h"
#include "notation.h"
#include "tilenames.h"

using Numbers = QList<int>;

namespace {

// "seat=S round=W self last supp rob nofa limit=300"; East, East, 500 and a discard unless said.
hand::Conditions conditions(const QString& text)
{
    auto wind = [](QChar letter) {
        return letter == u'S'   ? hand::Wind::South
               : letter == u'W' ? hand::Wind::West
               : letter == u'N' ? hand::Wind::North
                                : hand::Wind::East;
    };
    hand::Conditions result;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (word.startsWith(u"seat="))
            result.seat = wind(word.at(5));
        else if (word.startsWith(u"round="))
            result.round = wind(word.at(6));
        else if (word.startsWith(u"limit="))
            result.tablelimit = word.mid(6).toInt();
        else if (word == u"self")
            result.selfDrawn = true;
        else if (word == u"last")
            result.lastTile = true;
        else if (word == u"supp")
            result.supplement = true;
        else if (word == u"rob")
            result.robbingKong = true;
        else if (word == u"nofa")
            result.noFaTable = true;
        else
            qFatal("unknown condition %s", qPrintable(word));
    }
    return result;
}

template <std::size_t N, class T> Numbers ticked(const std::array<T, N>& values, int offset = 0)
{
    Numbers numbers;
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == 1)
            numbers << int(i) + offset;
    }
    return numbers;
}

hand::HandResult read(const QString& text, const QString& conditionText)
{
    return hand::readHand(text.toStdString(), conditions(conditionText));
}

// A reading written as "p1m- c4p ... | 5z" : the kind (c chow, p pong, k kong), the face, "-"
// for an open set, "*" for the set the winning tile completed; the pair after the bar, "*"
// when the winning tile completed it.
QString describe(const hand::Reading& reading)
{
    QStringList groups;
    for (int i = 0; i < int(reading.sets.size()); ++i) {
        const hand::ReadSet& set = reading.sets[i];
        const char kind = set.kind == hand::SetKind::Chow   ? 'c'
                          : set.kind == hand::SetKind::Pong ? 'p'
                                                            : 'k';
        groups << QString(QChar(kind)) + QString::fromStdString(hand::faceText(set.first)) +
                      (set.open ? "-" : "") + (i == reading.winningGroup ? "*" : "");
    }
    return groups.join(u' ') + " | " + QString::fromStdString(hand::faceText(reading.pair)) +
           (reading.winningGroup == -1 ? "*" : "");
}

} // namespace

class TestHandEngine : public QObject {
    Q_OBJECT

private slots:
    void refusedHands_data();
    void refusedHands();
    void unknownWind();
    void worked_data();
    void worked();
    void fanBoard_data();
    void fanBoard();
    void chosenReading_data();
    void chosenReading();
    void overflow_data();
    void overflow();
    void waits_data();
    void waits();
    void waitsAreTheFinishedHands();
};

void TestHandEngine::refusedHands_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("waiting");
    QTest::addColumn<QString>("sentence");

    const QString finished14 =
        ": a finished hand is 4 sets and a pair, 14 tiles with a kong counted as 3";
    const QString waiting13 = ": a waiting hand is 13 tiles, a kong counted as 3";
    QTest::newRow("too few tiles")
        << "123m 456p 789s 11z +1z" << false << "2 tiles more" + finished14;
    QTest::newRow("one tile too many")
        << "123m 456p 789s 111z 22z +2z" << false << "1 tile too many" + finished14;
    QTest::newRow("a kong counts as three")
        << "[1111m] 456p 789s 111z 22z +2z" << false << "1 tile too many" + finished14;
    QTest::newRow("seven pairs") << "1199m 1199p 1199s 1z +1z" << false
                                 << "not 4 sets and a pair: special hands such as seven pairs "
                                    "are not scored";
    QTest::newRow("thirteen orphans") << "19m 19p 19s 1234567z +1m" << false
                                      << "not 4 sets and a pair: special hands such as seven "
                                         "pairs are not scored";
    QTest::newRow("waiting hand too short") << "123m" << true << "10 tiles more" + waiting13;
    QTest::newRow("waiting hand of 14")
        << "123m 456m 789m 11p 222p" << true << "1 tile too many" + waiting13;
}

// A hand read without fault but of the wrong size or shape.
void TestHandEngine::refusedHands()
{
    QFETCH(QString, text);
    QFETCH(bool, waiting);
    QFETCH(QString, sentence);
    const std::string error = english(waiting ? hand::findWaits(text.toStdString(), {}).error
                                              : hand::readHand(text.toStdString(), {}).error);
    QCOMPARE(QString::fromStdString(error), sentence);
}

void TestHandEngine::unknownWind()
{
    hand::Conditions conditions;
    conditions.round = hand::Wind(4);
    const QString sentence("a wind is not East, South, West or North");
    QCOMPARE(QString::fromStdString(
                 english(hand::readHand("123m 456m 789m 123p 5p +5p", conditions).error)),
             sentence);
    QCOMPARE(QString::fromStdString(
                 english(hand::findWaits("123m 456m 789m 123p 5p", conditions).error)),
             sentence);
}

void TestHandEngine::worked_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("conditions");
    QTest::addColumn<Numbers>("boxes");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("fans");
    QTest::addColumn<int>("readings");

    // 20 + 2 open pong 2-8 = 22; East: 22 x 6. Edge wait 78s waits on 6s and 9s.
    QTest::newRow("open pong 2-8") << "[222m] 123p 456p 78s 55s +9s"
                                   << "" << Numbers{1, 2} << 0 << 22 << qint64(132) << 1 << 1;
    // The discard completes 555p, which is then open: 20 + 2.
    QTest::newRow("a discard opens the pong it completes")
        << "55p 33p 123m 456m 789m +5p"
        << "" << Numbers{1, 2} << 0 << 22 << qint64(132) << 1 << 1;
    // Self-picked it stays closed: 20 + 4 + 2 self pick = 26.
    QTest::newRow("self-picked the pong stays closed")
        << "55p 33p 123m 456m 789m +5p"
        << "self" << Numbers{1, 6, 52} << 0 << 26 << qint64(156) << 2 << 1;
    // The discard completes 789m; 555p was concealed all along: 20 + 4.
    QTest::newRow("closed pong 2-8 on a discard")
        << "555p 33p 123m 456m 78m +9m"
        << "" << Numbers{1, 6} << 0 << 24 << qint64(144) << 1 << 1;
    // 20 + 8 open kong 2-8 + 16 closed kong 2-8 = 44; 123m456m7m waits on 1m, 4m and 7m.
    QTest::newRow("kongs 2-8") << "[5555p] (6666s) 123m 456m 7m +7m"
                               << "" << Numbers{1, 10, 14} << 0 << 44 << qint64(264) << 1 << 1;
    // 20 + 4 open pong 1/9 + 8 closed pong 1/9 + 16 open kong 1/9 + 32 closed kong 1/9
    // + 2 one chance (only 5p finishes 999m 5p) = 82; x2 all pongs = 164.
    QTest::newRow("terminal pongs and kongs, one chance on the pair")
        << "[111s] 999m [9999p] (1111m) 5p +5p"
        << "" << Numbers{1, 18, 22, 26, 30, 53, 54} << 0 << 164 << qint64(984) << 4 << 1;
    // Seat South, round West. 20 + 4 open pong honor (South) + 8 closed pong honor (West)
    // + 16 open kong honor (North) + 32 closed kong honor (White) + 2 one chance = 82;
    // x2 all pongs, x2 semi pure, x2 terminals and honors = 656; x2 closed dragon,
    // x2 closed prevailing wind (West) = 2624. Capped at 500, x4.
    QTest::newRow("honour pongs and kongs")
        << "[222z] 333z [4444z] (5555z) 1m +1m"
        << "seat=S round=W" << Numbers{34, 38, 42, 46, 53, 54, 56, 58, 65, 68} << 0 << 2624
        << qint64(2000) << 10 << 1;
    // Four chows and a plain pair: (20) x2 worthless = 40. 23m waits on 1m and 4m.
    const QString worthless("23m 456m 789p 234s 55s +1m");
    QTest::newRow("worthless hand")
        << worthless << "" << Numbers{1, 55} << 0 << 40 << qint64(240) << 2 << 1;
    // A pair of the seat wind: 20 + 2, and the hand is not worthless.
    QTest::newRow("pair of the seat wind")
        << "23m 456m 789p 234s 11z +1m"
        << "" << Numbers{1, 50} << 0 << 22 << qint64(132) << 2 << 1;
    QTest::newRow("pair of the prevailing wind")
        << "23m 456m 789p 234s 33z +1m"
        << "round=W" << Numbers{1, 50} << 0 << 22 << qint64(132) << 2 << 1;
    // North is neither seat nor prevailing wind: still worthless, 40.
    QTest::newRow("pair of another wind")
        << "23m 456m 789p 234s 44z +1m"
        << "" << Numbers{1, 55} << 0 << 40 << qint64(240) << 2 << 1;
    // A pair of a dragon; 13s waits on 2s alone: 20 + 2 + 2 = 24.
    QTest::newRow("closed wait, pair of dragons")
        << "123m 456m 789p 13s 77z +2s"
        << "" << Numbers{1, 50, 53} << 0 << 24 << qint64(144) << 2 << 1;
    // [1111m] holds the fourth 1m, so 23m waits on 4m alone: 20 + 16 + 2 = 38.
    QTest::newRow("a face held four times is no second chance")
        << "[1111m] 23m 456p 789s 55s +4m"
        << "" << Numbers{1, 26, 53} << 0 << 38 << qint64(228) << 1 << 1;
    // [111m] leaves one 1m, so 23m waits on 1m and 4m: 20 + 4 = 24.
    QTest::newRow("a face held three times is a second chance")
        << "[111m] 23m 456p 789s 55s +4m"
        << "" << Numbers{1, 18} << 0 << 24 << qint64(144) << 1 << 1;
    // The hand holds 5p four times in all, yet without +5p it waits on 5p and 7s: no one
    // chance. The discard completes 456p, leaving 555p closed: 20 + 4 = 24.
    QTest::newRow("the winning face held four times is one of two waits")
        << "345m 789m 4555p6p 77s +5p"
        << "" << Numbers{1, 6} << 0 << 24 << qint64(144) << 1 << 2;
    // One split, two readings (the pair or 789m): 20 + 8 closed pong 1/9 = 28; x8 pure = 224.
    QTest::newRow("pure") << "123m 456m 789m 111m 9m +9m"
                          << "" << Numbers{1, 22, 57} << 0 << 224 << qint64(1344) << 7 << 2;
    QTest::newRow("pure in bamboo, the last suit")
        << "123s 456s 789s 111s 9s +9s"
        << "" << Numbers{1, 22, 57} << 0 << 224 << qint64(1344) << 7 << 2;
    // 20 + 4 open pong honor = 24; x2 semi pure, x2 MJ on a pong of dragons = 96.
    QTest::newRow("semi pure, MJ on a dragon pong")
        << "123p 456p 789p 11p 66z +6z"
        << "" << Numbers{1, 34, 56, 70} << 0 << 96 << qint64(576) << 5 << 1;
    // Self-picked: 20 + 8 closed pong honor + 2 = 30; x2 semi pure, x2 closed dragon,
    // x2 MJ on a pong = 240.
    QTest::newRow("semi pure, self-picked dragon pong")
        << "123p 456p 789p 11p 66z +6z"
        << "self" << Numbers{1, 38, 52, 56, 65, 70} << 0 << 240 << qint64(1440) << 6 << 1;
    // Seat South: the discard completes a pong of the seat wind: 20 + 4 = 24; x2 = 48; x4.
    QTest::newRow("MJ on a pong of the seat wind")
        << "[123m] [456m] [789m] 22z 55p +2z"
        << "seat=S" << Numbers{34, 70} << 0 << 48 << qint64(192) << 2 << 1;
    QTest::newRow("a pong of another wind is no MJ on a pong")
        << "[123m] [456m] [789m] 33z 55p +3z"
        << "seat=S" << Numbers{34} << 0 << 24 << qint64(96) << 1 << 1;
    // All terminals replaces the count by the limit: 300.
    QTest::newRow("all terminals")
        << "111m 999m [111p] 99s 11s +1s"
        << "limit=300" << Numbers{1, 18, 19, 22, 23, 54, 59} << 0 << 300 << qint64(1800) << 4 << 1;
    // 20 + 3 x 8 closed pong honor + 4 open pong honor + 2 pair of dragons = 50; x2 = 100;
    // all honors: 500; x2 x2 closed pong of the prevailing and the seat wind (East),
    // x2 MJ on a pong of dragons = 4000.
    QTest::newRow("all honors") << "111z 222z 333z 55z 77z +7z"
                                << "" << Numbers{1, 34, 38, 39, 40, 50, 54, 60, 68, 69, 70} << 0
                                << 4000 << qint64(3000) << 7 << 1;
    // Worthless (20 x2 = 40), + 4 x 5 flowers and seasons = 60; x2 own flower, x2 own season,
    // x8 all four flowers = 1920.
    QTest::newRow("flowers and seasons")
        << "123m 456m 789m 23p 55p +4p 1234f 1y"
        << "" << Numbers{1, 55, 61, 62, 63} << 5 << 1920 << qint64(3000) << 4 << 1;
    // A lone bonus tile of the seat: worthless (20 x2 = 40) + 4 = 44; x2 FA from own seat.
    QTest::newRow("own flower alone, seat East, round South")
        << worthless + " 1f"
        << "round=S" << Numbers{1, 55, 61} << 1 << 88 << qint64(528) << 2 << 1;
    QTest::newRow("own season alone, seat South")
        << worthless + " 2y"
        << "seat=S" << Numbers{55, 61} << 1 << 88 << qint64(352) << 2 << 1;
    // Three flowers, none of seat North, are no FA kong: 40 + 4 x 3 = 52.
    QTest::newRow("three flowers") << worthless + " 123f"
                                   << "seat=N" << Numbers{55} << 3 << 52 << qint64(208) << 1 << 1;
    // Seat North, round South; pair of the seat wind + 2, one chance + 2 = 24; x2 last tile,
    // x2 supplementary tile = 96; x4.
    QTest::newRow("last tile, supplement, robbing a kong, no FA table")
        << "[234m] [567p] [678s] 789s 4z +4z"
        << "seat=N round=S last supp rob nofa" << Numbers{50, 53, 71, 72} << 0 << 96 << qint64(384)
        << 4 << 1;
}

void TestHandEngine::worked()
{
    QFETCH(QString, text);
    QFETCH(QString, conditions);
    QFETCH(Numbers, boxes);
    QFETCH(int, flowers);
    QFETCH(int, count);
    QFETCH(qint64, value);
    QFETCH(int, fans);
    QFETCH(int, readings);
    const hand::HandResult result = read(text, conditions);
    QCOMPARE(QString::fromStdString(english(result.error)), QString());
    QCOMPARE(ticked(result.boxes), boxes);
    QCOMPARE(result.flowers, flowers);
    QCOMPARE(result.count, count);
    QCOMPARE(qint64(result.value), value);
    QCOMPARE(result.fans, fans);
    QCOMPARE(result.readings, readings);
    QVERIFY(!result.overflow);
    // The working is the calculator's and the fan counter's own, ending on the figures.
    QCOMPARE(QString::fromStdString(english(result.countWorking.front())), QString("20 base"));
    QVERIFY(QString::fromStdString(english(result.countWorking.back()))
                .endsWith(QString::number(count)));
    QVERIFY(QString::fromStdString(english(result.valueWorking.back()))
                .endsWith(QString::number(value)));
    QCOMPARE(QString::fromStdString(english(result.fanWorking.back())),
             "= " + QString::number(fans));
}

void TestHandEngine::fanBoard_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("conditions");
    QTest::addColumn<Numbers>("pictures");
    QTest::addColumn<Numbers>("checks");
    QTest::addColumn<bool>("maximum");

    // Round West (Picture3), seat South (Picture6); wind pongs South, West, North
    // (Picture10-12), White dragon (Picture13); All Pungs, Semi Pure.
    QTest::newRow("winds and a dragon")
        << "[222z] 333z [4444z] (5555z) 1m +1m"
        << "seat=S round=W" << Numbers{3, 6, 10, 11, 12, 13} << Numbers{1, 3} << false;
    // 7z is the Red dragon (Picture14), 6z the Green one (Picture15).
    QTest::newRow("red dragon") << "111z 222z 333z 55z 77z +7z"
                                << "" << Numbers{1, 5, 9, 10, 11, 14} << Numbers{1, 7} << true;
    QTest::newRow("green dragon") << "123p 456p 789p 11p 66z +6z"
                                  << "self" << Numbers{1, 5, 15} << Numbers{3, 5} << false;
    QTest::newRow("flowers, seasons, all chows")
        << "123m 456m 789m 23p 55p +4p 1234f 1y"
        << "" << Numbers{1, 5, 16, 17, 18, 19, 20} << Numbers{2} << false;
    QTest::newRow("conditions") << "[234m] [567p] [678s] 789s 4z +4z"
                                << "seat=N round=S last supp rob nofa" << Numbers{2, 8}
                                << Numbers{2, 8, 9, 10, 11} << false;
    QTest::newRow("pure") << "123m 456m 789m 111m 9m +9m"
                          << "seat=W round=N" << Numbers{4, 7} << Numbers{4} << false;
    QTest::newRow("all terminals") << "111m 999m [111p] 99s 11s +1s"
                                   << "" << Numbers{1, 5} << Numbers{1, 6} << true;
}

void TestHandEngine::fanBoard()
{
    QFETCH(QString, text);
    QFETCH(QString, conditions);
    QFETCH(Numbers, pictures);
    QFETCH(Numbers, checks);
    QFETCH(bool, maximum);
    const hand::HandResult result = read(text, conditions);
    QCOMPARE(QString::fromStdString(english(result.error)), QString());
    QCOMPARE(ticked(result.fanTiles, 1), pictures);
    QCOMPARE(ticked(result.fanBoxes), checks);
    QCOMPARE(result.maximum, maximum);
    QCOMPARE(result.fans, countFans(result.fanTiles, result.fanBoxes));
}

void TestHandEngine::chosenReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("conditions");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<Numbers>("counts");

    // As pongs: 20 + 8 + 4 + 4 + 2 pair of dragons + 2 one chance = 40; as chows: 24.
    QTest::newRow("pongs count more than chows") << "111222333m 456p 5z +5z"
                                                 << ""
                                                 << "p1m p2m p3m c4p | 5z*" << Numbers{40, 24};
    // As pongs: 20 + 8 + 4 + 4 + 2 one chance = 38; as chows: (20 + 2) x2 worthless = 44.
    QTest::newRow("a worthless hand counts more than its pongs")
        << "111222333m 456p 5s +5s"
        << ""
        << "c1m c1m c1m c4p | 5s*" << Numbers{38, 44};
    // Completing 789m leaves 111m closed (224); completing 111m opens it (24 x8 = 192).
    QTest::newRow("the tile completes the chow rather than the pong")
        << "1112345678999m +9m"
        << ""
        << "c1m c4m c7m-* p9m | 1m" << Numbers{224, 192};
    QTest::newRow("self-picked both stay closed") << "1112345678999m +9m"
                                                  << "self"
                                                  << "c1m c4m c7m* p9m | 1m" << Numbers{240, 240};
    QTest::newRow("declared sets follow the concealed ones")
        << "[999s] 123m 456m 789p 7m +7m"
        << ""
        << "c1m c4m c7p p9s- | 7m*" << Numbers{24};
    QTest::newRow("a concealed kong is closed") << "(9999s) 123m 456m 789p 7m +7m"
                                                << ""
                                                << "c1m c4m c7p k9s | 7m*" << Numbers{52};
}

void TestHandEngine::chosenReading()
{
    QFETCH(QString, text);
    QFETCH(QString, conditions);
    QFETCH(QString, reading);
    QFETCH(Numbers, counts);
    const hand::HandResult result = read(text, conditions);
    QCOMPARE(QString::fromStdString(english(result.error)), QString());
    QCOMPARE(describe(result.reading), reading);
    const auto all = hand::allReadings(result.hand, ::conditions(conditions));
    Numbers listed;
    for (const hand::ScoredReading& scored : all)
        listed << scored.worth.count;
    QCOMPARE(listed, counts);
    QCOMPARE(result.readings, int(all.size()));
}

void TestHandEngine::overflow_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("overflow");
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("value");

    // All honors: limit + 4 x 8 = limit + 32; x2 x2 own flower and season, x8 x8 all flowers
    // and all seasons, x2 x2 x2 three closed dragons, x2 x2 closed East (prevailing and seat),
    // x2 MJ on a pong of dragons, x2 last tile, x2 supplementary: (limit + 32) x 65536.
    // 32767 x 65536 = 2147418112 fits; 65568 x 32768 = 2148532224 overflows at "last tile".
    QTest::newRow("fits") << 32735 << false << 2147418112 << qint64(32735) * 6;
    QTest::newRow("overflows") << 65536 << true << 0 << qint64(0);
}

void TestHandEngine::overflow()
{
    QFETCH(int, limit);
    QFETCH(bool, overflow);
    QFETCH(int, count);
    QFETCH(qint64, value);
    const hand::HandResult result = read("(1111z) (5555z) (6666z) 77z 22z +7z 1234f 1234y",
                                         "self last supp limit=" + QString::number(limit));
    QCOMPARE(QString::fromStdString(english(result.error)), QString());
    QCOMPARE(result.overflow, overflow);
    QCOMPARE(result.count, count);
    QCOMPARE(qint64(result.value), value);
    QCOMPARE(ticked(result.boxes), (Numbers{1,  38, 46, 47, 48, 52, 54, 60, 61, 62,
                                            63, 64, 65, 66, 67, 68, 69, 70, 71, 72}));
    // 4 for the flowers and seasons, 2 East pong, 3 dragons, 3 All Pungs, 3 conditions.
    QCOMPARE(result.fans, 15);
    QVERIFY(result.maximum);
    const QString note = "Overflow at \"Going out on last tile\": the hand is worth more than the "
                         "calculator can count. The results were left as they were.";
    QCOMPARE(QString::fromStdString(english(result.countWorking.back())) == note, overflow);
    QCOMPARE(QString::fromStdString(english(result.valueWorking.back())) == note, overflow);
}

using Waits = QStringList; // "tile count/value/fans count/value/fans", discard then self-picked

void TestHandEngine::waits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Waits>("waits");

    // Closed wait on 2s alone: one chance, four chows, a plain pair:
    // (20 + 2) x2 = 44 on a discard, (20 + 2 + 2) x2 = 48 self-picked; East x6.
    QTest::newRow("closed wait") << "123m 456m 789p 13s 55s" << Waits{"2s 44/264/2 48/288/3"};
    QTest::newRow("edge wait") << "12m 456p 789s 234s 55s" << Waits{"3m 44/264/2 48/288/3"};
    // Pair wait on a dragon: 20 + 2 pair + 2 one chance = 24; self-picked 26.
    QTest::newRow("pair wait") << "123m 456m 789m 234p 5z" << Waits{"5z 24/144/2 26/156/3"};
    // Either pair becomes a pong: open on a discard (20 + 2), closed self-picked (20 + 4 + 2).
    QTest::newRow("two waits") << "123m 456m 789p 55s 66s"
                               << Waits{"5s 22/132/1 26/156/2", "6s 22/132/1 26/156/2"};
    // Pure: 111m and 999m closed (20 + 16) x8 = 288 when the tile makes the pair (2m, 5m, 8m);
    // otherwise one of them is split into a chow: (20 + 8) x8 = 224; self-picked + 2 before x8.
    QTest::newRow("nine waits") << "1112345678999m"
                                << Waits{"1m 224/1344/7 240/1440/8", "2m 288/1728/7 304/1824/8",
                                         "3m 224/1344/7 240/1440/8", "4m 224/1344/7 240/1440/8",
                                         "5m 288/1728/7 304/1824/8", "6m 224/1344/7 240/1440/8",
                                         "7m 224/1344/7 240/1440/8", "8m 288/1728/7 304/1824/8",
                                         "9m 224/1344/7 240/1440/8"};
    // 1m is held three times and still wins (111m + 123m): 20 + 8 closed pong 1/9 = 28; 5s
    // makes 11m the pair and 555s a pong, open on a discard (20 + 2), closed self-picked
    // (20 + 4 + 2).
    QTest::newRow("a face held three times")
        << "111m 23m 456p 789s 55s"
        << Waits{"1m 28/168/1 30/180/2", "4m 28/168/1 30/180/2", "5s 22/132/1 26/156/2"};
    // [1111m] holds the last 1m, so only 4m wins: 20 + 16 open kong 1/9 + 2 one chance = 38.
    QTest::newRow("a face held four times is left out")
        << "[1111m] 23m 456p 789s 55s" << Waits{"4m 38/228/1 40/240/2"};
    QTest::newRow("not ready") << "1357m 2468p 13579s" << Waits{};
    QTest::newRow("not ready with sets") << "[123m] [456m] [789m] 1p 5z 7z 9s" << Waits{};
}

void TestHandEngine::waits()
{
    QFETCH(QString, text);
    QFETCH(Waits, waits);
    const hand::WaitsResult result = hand::findWaits(text.toStdString(), {});
    QCOMPARE(QString::fromStdString(english(result.error)), QString());
    Waits listed;
    auto figures = [](const hand::Worth& worth) {
        return QString("%1/%2/%3").arg(worth.count).arg(worth.value).arg(worth.fans);
    };
    for (const hand::Wait& wait : result.waits)
        listed << QString::fromStdString(hand::faceText(wait.face)) + " " + figures(wait.discard) +
                      " " + figures(wait.selfDrawn);
    QCOMPARE(listed, waits);
    QCOMPARE(result.ready(), !waits.isEmpty());
}

// Each wait, written as the winning tile, reads as a finished hand worth what the wait said;
// every other face does not finish the hand.
void TestHandEngine::waitsAreTheFinishedHands()
{
    const hand::Conditions given = conditions("seat=S round=W last");
    for (const char* text :
         {"1112345678999m", "111m 23m 456p 789s 55s", "[1111m] 23m 456p 789s 55s",
          "11z 22z 123m 456p 789s", "2234455p 666z 1y [777z]"}) {
        const hand::WaitsResult result = hand::findWaits(text, given);
        QVERIFY2(result.ready(), text);
        const hand::Hand waiting = hand::parseHand(text, hand::WinningTile::Optional).hand;
        std::size_t next = 0;
        for (hand::Face face = 0; face < hand::faceCount; ++face) {
            hand::Hand finished = waiting;
            finished.winning = face;
            hand::Conditions won = given;
            const hand::HandResult discard = hand::readHand(hand::writeHand(finished), won);
            won.selfDrawn = true;
            const hand::HandResult selfDrawn = hand::scoreHand(finished, won);
            if (next < result.waits.size() && result.waits[next].face == face) {
                const hand::Wait& wait = result.waits[next++];
                QCOMPARE(discard.count, wait.discard.count);
                QCOMPARE(discard.value, wait.discard.value);
                QCOMPARE(discard.fans, wait.discard.fans);
                QCOMPARE(selfDrawn.count, wait.selfDrawn.count);
                QCOMPARE(selfDrawn.fans, wait.selfDrawn.fans);
            } else {
                QVERIFY2(!discard.error.empty(),
                         qPrintable(QString::fromStdString(hand::faceText(face))));
            }
        }
        QCOMPARE(next, result.waits.size());
    }
}

QTEST_GUILESS_MAIN(TestHandEngine)
#include "tst_handengine.moc"

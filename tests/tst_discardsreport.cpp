#include <string>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTest>

#include "discards.h"
#include "notation.h"
#include "report.h"
#include "writers.h"

// What zorvan-hand --discards writes: the throws in the engine's order, the best marked, the
// waits of a waiting throw as --waits writes them and of no other.

namespace {

QJsonObject parsed(const std::string& line)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

report::Answer answerOf(report::Task task, const std::string& hand, const hand::Conditions& c,
                        bool json)
{
    report::Request request;
    request.task = task;
    request.hand = hand;
    request.conditions = c;
    request.json = json;
    return report::answer(request);
}

hand::Worth worth(std::int64_t value, bool overflow = false)
{
    hand::Worth w;
    w.count = overflow ? 0 : std::int32_t(value / 6);
    w.value = overflow ? 0 : value;
    w.fans = 1;
    w.overflow = overflow;
    return w;
}

// The face of a tile written alone, as "9m".
hand::Face face(const char* tile)
{
    const hand::Hand one = hand::parseHand(tile, hand::WinningTile::Forbidden).hand;
    hand::Face f = 0;
    while (one.concealed[f] == 0)
        ++f;
    return f;
}

} // namespace

class TestDiscardsReport : public QObject {
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void jsonMirrorsTheEngine_data();
    void jsonMirrorsTheEngine();
};

void TestDiscardsReport::lines_data()
{
    QTest::addColumn<int>("away");
    QTest::addColumn<int>("left");     // of the one accepted face, 0 for none
    QTest::addColumn<int>("overflow"); // the waits: 0 none, 1 the first overflows, 2 neither
    QTest::addColumn<QString>("line"); // the throw's line after "throw 9m  "

    QTest::newRow("waiting, the higher value best")
        << 0 << 3 << 2
        << "waiting  accepts 2m (3 left) = 3 tiles; best wait 3m on a discard: count 32, value "
           "192, fans 1";
    // An overflowing count is worth no value to throw for: the other wait is shown.
    QTest::newRow("waiting, an overflow below a count")
        << 0 << 3 << 1
        << "waiting  accepts 2m (3 left) = 3 tiles; best wait 3m on a discard: count 32, value "
           "192, fans 1";
    QTest::newRow("one copy left") << 1 << 1 << 0 << "1 tile away  accepts 2m (1 left) = 1 tile";
    QTest::newRow("two away") << 2 << 4 << 0 << "2 tiles away  accepts 2m (4 left) = 4 tiles";
    QTest::newRow("none left") << 0 << 0 << 2
                               << "waiting  accepts none left = 0 tiles; best wait 3m on a "
                                  "discard: count 32, value 192, fans 1";
}

// One throw's line: the words for the tiles away and the copies, and the best wait by its
// value on a discard, an overflow ranked below every count.
void TestDiscardsReport::lines()
{
    QFETCH(int, away);
    QFETCH(int, left);
    QFETCH(int, overflow);
    QFETCH(QString, line);

    hand::Discard discard{face("9m"), away, {}, left, {}};
    if (left > 0)
        discard.accepts.push_back({face("2m"), left});
    if (overflow != 0) {
        discard.waits.push_back({face("2m"), worth(120, overflow == 1), worth(240)});
        discard.waits.push_back({face("3m"), worth(192), worth(192)});
    }
    hand::DiscardsResult result;
    result.discards = {discard};
    const hand::Hand held = hand::parseHand("123m 456p 789s 234s 5z 9m").hand;
    const QStringList text =
        QString::fromStdString(report::detail::discardsText(held, result)).split('\n');
    QCOMPARE(text.value(1), "best  throw 9m  " + line);
}

void TestDiscardsReport::jsonMirrorsTheEngine_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("south");        // the seat wind, else East
    QTest::addColumn<QString>("firstLine"); // of the text, after the hand

    QTest::newRow("the best throw waits")
        << "[123m] [456p] 789s 22z 55z 1z" << 500 << false
        << "best  throw 1z  waiting      accepts 2z (2 left), 5z (2 left) = 4 tiles; best wait 5z "
           "on a discard: count 48, value 288, fans 2";
    // Seated South, 2z is worth as much as 5z: the first in tile order is shown.
    QTest::newRow("equal waits, seat and limit passed on")
        << "[123m] [456p] 789s 22z 55z 1z" << 100 << true
        << "best  throw 1z  waiting      accepts 2z (2 left), 5z (2 left) = 4 tiles; best wait 2z "
           "on a discard: count 52, value 208, fans 2";
    QTest::newRow("one away at best")
        << "123m 456p 789s 22z 5z 1z 9m" << 500 << false
        << "best  throw 1z  1 tile away   accepts 7m (4 left), 8m (4 left), 9m (3 left), 2z (2 "
           "left), 5z (3 left) = 16 tiles";
    QTest::newRow("complete") << "123m 456p 789s 234s 55z" << 500 << false
                              << "Complete: the 14 tiles are four sets and a pair already; score "
                                 "them with the tile drawn last as +tile";
    QTest::newRow("the last copy of a wait held, a kong")
        << "[111z] 5555p 46p 123m 77z" << 500 << false
        << "Complete: the 14 tiles are four sets and a pair already; score them with the tile "
           "drawn last as +tile";
    QTest::newRow("a concealed kong") << "(1111m) 23m 22p 567p 999s 7z" << 500 << true
                                      << "best  throw 7z  waiting      accepts 4m (4 left) = 4 "
                                         "tiles; best wait 4m on a discard: count 62, value 248, "
                                         "fans 1";
}

// Each throw as the engine found it, in its order; "waits" only where the throw leaves the hand
// waiting, and then the very items --waits --json writes for the 13 tiles left.
void TestDiscardsReport::jsonMirrorsTheEngine()
{
    QFETCH(QString, hand);
    QFETCH(int, limit);
    QFETCH(bool, south);
    QFETCH(QString, firstLine);

    hand::Conditions conditions;
    conditions.tablelimit = limit;
    conditions.seat = south ? hand::Wind::South : hand::Wind::East;
    const hand::Hand held = hand::parseHand(hand.toStdString(), hand::WinningTile::Forbidden).hand;
    const hand::DiscardsResult engine = hand::findDiscards(held, conditions);
    QVERIFY(engine.error.empty());

    const report::Answer text =
        answerOf(report::Task::Discards, hand.toStdString(), conditions, false);
    const QStringList lines = QString::fromStdString(text.out).split('\n');
    QCOMPARE(lines.value(0), "Hand: " + QString::fromStdString(hand::writeHand(held)));
    QCOMPARE(lines.value(1), firstLine);
    // One line per throw, and the best marked once, on the first.
    QCOMPARE(lines.filter(QStringLiteral("throw ")).size(), int(engine.discards.size()));
    QCOMPARE(lines.filter(QStringLiteral("best  throw")).size(), 1);
    QVERIFY(lines.value(engine.complete ? 2 : 1).startsWith("best  throw"));

    const report::Answer answer =
        answerOf(report::Task::Discards, hand.toStdString(), conditions, true);
    QVERIFY(!answer.refused);
    QVERIFY(answer.out.find('\n') == answer.out.size() - 1);
    const QJsonObject object = parsed(answer.out);
    QCOMPARE(object.keys(), (QStringList{"complete", "discards", "hand"}));
    QCOMPARE(object["hand"].toString(), QString::fromStdString(hand::writeHand(held)));
    QCOMPARE(object["complete"].toBool(), engine.complete);
    const QJsonArray discards = object["discards"].toArray();
    QCOMPARE(discards.size(), qsizetype(engine.discards.size()));
    for (qsizetype i = 0; i < discards.size(); ++i) {
        const hand::Discard& expected = engine.discards[std::size_t(i)];
        const QJsonObject item = discards[i].toObject();
        const QString tile = QString::fromStdString(hand::faceText(expected.face));
        QCOMPARE(item["tile"].toString(), tile);
        QCOMPARE(item["away"].toInt(), expected.away);
        QCOMPARE(item["accepted"].toInt(), expected.accepted);
        QJsonArray accepts;
        for (const hand::Accept& accept : expected.accepts) {
            accepts.append(
                QJsonObject{{"tile", QString::fromStdString(hand::faceText(accept.face))},
                            {"left", accept.left}});
        }
        QCOMPARE(item["accepts"].toArray(), accepts);
        QCOMPARE(item.contains("waits"), expected.away == 0);
        QCOMPARE(item.size(), expected.away == 0 ? 5 : 4);
        if (expected.away != 0)
            continue;
        hand::Hand kept = held;
        --kept.concealed[expected.face];
        const report::Answer waits =
            answerOf(report::Task::Waits, hand::writeHand(kept), conditions, true);
        QCOMPARE(item["waits"].toArray(), parsed(waits.out)["waits"].toArray());
    }
}

QTEST_GUILESS_MAIN(TestDiscardsReport)
#include "tst_discardsreport.moc"

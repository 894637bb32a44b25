#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include <QTest>

#include "engineapi.h"
#include "webenginetest.h"

// The engine's calls for a hand as the web page makes them: a hand in a link, entering a hand
// tile by tile, what the hand window writes under it, practice and its verdict, its bounds.

using namespace webtest;

class TestWebHandCalls : public QObject {
    Q_OBJECT

private slots:
    void links_data();
    void links();
    void editHand_data();
    void editHand();
    void handView_data();
    void handView();
    void practiceBounds_data();
    void practiceBounds();
    void judge();
};

void TestWebHandCalls::links_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("seat");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("self");
    QTest::newRow("a whole address") << "https://example.org/z/#hand=5z%20%2B5z&seat=W&self=1"
                                     << "5z +5z"
                                     << "W" << 500 << true;
    QTest::newRow("the defaults") << "#hand="
                                  << ""
                                  << "E" << 500 << false;
}

void TestWebHandCalls::links()
{
    QFETCH(QString, link);
    QFETCH(QString, hand);
    QFETCH(QString, seat);
    QFETCH(int, limit);
    QFETCH(bool, self);
    const QJsonObject read = object(webengine::readLink(link.toStdString()));
    QCOMPARE(read.value("hand").toString(), hand);
    const QJsonObject conditions = read.value("conditions").toObject();
    QCOMPARE(conditions.value("seat").toString(), seat);
    QCOMPARE(conditions.value("round").toString(), "E");
    QCOMPARE(conditions.value("limit").toInt(), limit);
    QCOMPARE(conditions.value("self").toBool(), self);
    QCOMPARE(conditions.value("nofa").toBool(true), false);
    QCOMPARE(english(object(webengine::readLink("#seat=S")).value("error")),
             "the link holds no hand: it begins #hand= and the hand's tiles");
}

void TestWebHandCalls::editHand_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("tile");
    QTest::addColumn<int>("remove");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("error");
    QTest::newRow("a tile") << "123m"
                            << "tile"
                            << "5z" << -1 << "123m5z"
                            << "";
    QTest::newRow("a pong") << "123m"
                            << "pong"
                            << "5z" << -1 << "123m [555z]"
                            << "";
    QTest::newRow("a concealed kong") << ""
                                      << "concealedKong"
                                      << "9s" << -1 << "(9999s)"
                                      << "";
    QTest::newRow("the winning tile") << "1m"
                                      << "winning"
                                      << "1m" << -1 << "1m +1m"
                                      << "";
    QTest::newRow("a flower") << "1m"
                              << "tile"
                              << "2f" << -1 << "1m 2f"
                              << "";
    QTest::newRow("refused") << "123m"
                             << "chow"
                             << "9m" << -1 << "123m"
                             << "no chow starts at 9m: a chow is three tiles in a row of one suit";
    QTest::newRow("a set taken out by one of its tiles") << "123m [555z] 2f"
                                                         << ""
                                                         << "" << 4 << "123m 2f"
                                                         << "";
    QTest::newRow("the first picture") << "123m"
                                       << ""
                                       << "" << 0 << "23m"
                                       << "";
    QTest::newRow("no such mode") << "123m"
                                  << "pung"
                                  << "5z" << -1 << "123m"
                                  << "";
    QTest::newRow("no such tile") << "123m"
                                  << "tile"
                                  << "0m" << -1 << "123m"
                                  << "";
    QTest::newRow("text that does not read stays") << "12x"
                                                   << "tile"
                                                   << "5z" << -1 << "12x"
                                                   << "";
}

void TestWebHandCalls::editHand()
{
    QFETCH(QString, hand);
    QFETCH(QString, mode);
    QFETCH(QString, tile);
    QFETCH(int, remove);
    QFETCH(QString, after);
    QFETCH(QString, error);
    const QJsonObject edited = object(
        webengine::editHand(hand.toStdString(), mode.toStdString(), tile.toStdString(), remove));
    QCOMPARE(edited.value("hand").toString(), after);
    if (QTest::currentDataTag() == QLatin1String("text that does not read stays"))
        QVERIFY(!english(edited.value("error")).isEmpty());
    else
        QCOMPARE(english(edited.value("error")), error);
}

void TestWebHandCalls::handView_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("empty") << ""
                           << ""
                           << "empty"
                           << "Click the tiles of your hand, or type them: 123m 456p 789s 1z "
                              "[555z] +1z";
    QTest::newRow("refused") << "123m 12x"
                             << ""
                             << "refused"
                             << "";
    QTest::newRow("finished, no limit given")
        << "123m 456p 789s 234s 5z +5z"
        << ""
        << "finished"
        << "Your hand is worth 24, Zorvan! Points 144 (table limit 500: none entered in the "
           "calculator), 2 fans";
    QTest::newRow("finished under the limit given")
        << "123m 456p 789s 234s 5z +5z"
        << "300"
        << "finished"
        << "Your hand is worth 24, Zorvan! Points 144 (table limit 300), 2 fans";
    QTest::newRow("waiting") << "123m 456p 789s 234s 5z"
                             << ""
                             << "waiting"
                             << "Ready: 1 tile wins. Under each, its Zorvan! Points on a discard, "
                                "then self-picked; click one to win on it.";
    QTest::newRow("not ready") << "13579m 13579p 137s"
                               << ""
                               << "notReady"
                               << "not ready: no tile makes 4 sets and a pair";
}

void TestWebHandCalls::handView()
{
    QFETCH(QString, hand);
    QFETCH(QString, limit);
    QFETCH(QString, state);
    QFETCH(QString, lastLine);
    const std::string limitText = limit.toStdString();
    const QJsonObject view = object(webengine::handView(
        hand.toStdString(),
        {std::nullopt, std::nullopt,
         limit.isEmpty() ? std::nullopt : std::optional<std::string_view>(limitText), 0}));
    QCOMPARE(view.value("state").toString(), state);
    const QJsonArray lines = view.value("lines").toArray();
    QCOMPARE(lines.size(), state == "finished" ? 2 : 1);
    if (!lastLine.isEmpty())
        QCOMPARE(english(lines.last()), lastLine);
    QCOMPARE(view.contains("count"), state == "finished");
    QCOMPARE(view.contains("waits"), state == "waiting");
    if (state == "finished") {
        // East by default: the East box, and the seat and prevailing wind tiles.
        QCOMPARE(view.value("value").toInt(), 144);
        QCOMPARE(numbers(view.value("boxes")), (Numbers{1, 50, 53}));
        QCOMPARE(view.value("flowers").toInt(-1), 0);
        QCOMPARE(numbers(view.value("fanTiles")), (Numbers{1, 5}));
        QCOMPARE(numbers(view.value("fanBoxes")), (Numbers{2}));
        QCOMPARE(english(view.value("working").toObject().value("fans").toArray()[1]),
                 "1 All Chows");
    }
    if (state == "waiting") {
        const QJsonObject wait = view.value("waits").toArray()[0].toObject();
        QCOMPARE(wait.value("tile").toString(), "5z");
        QCOMPARE(english(wait.value("name")),
                 "White dragon wins 144 on a discard, 156 self-picked");
        QCOMPARE(english(wait.value("short")), "144");
        QCOMPARE(wait.value("selfDrawn").toObject().value("value").toInt(), 156);
    }
    // A condition that is not one refuses the call, not the hand.
    QCOMPARE(english(object(webengine::handView(hand.toStdString(),
                                                {"Q", std::nullopt, std::nullopt, 0}))
                         .value("error")),
             "the seat wind must be E, S, W or N, not \"Q\"");
}

void TestWebHandCalls::practiceBounds_data()
{
    QTest::addColumn<double>("seed");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("dealt");
    const double largest = 9007199254740991.0;
    QTest::newRow("seed 0") << 0.0 << 1 << 500 << true;
    QTest::newRow("the largest seed, level 3") << largest << 3 << 1 << true;
    QTest::newRow("past the largest seed") << largest + 1 << 2 << 500 << false;
    QTest::newRow("a negative seed") << -1.0 << 2 << 500 << false;
    QTest::newRow("a fraction") << 1.5 << 2 << 500 << false;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 2 << 500 << false;
    QTest::newRow("level 0") << 7.0 << 0 << 500 << false;
    QTest::newRow("level 4") << 7.0 << 4 << 500 << false;
    QTest::newRow("limit 0") << 7.0 << 2 << 0 << false;
    QTest::newRow("limit 65536") << 7.0 << 2 << 65536 << true;
    QTest::newRow("limit 65537") << 7.0 << 2 << 65537 << false;
}

void TestWebHandCalls::practiceBounds()
{
    QFETCH(double, seed);
    QFETCH(int, level);
    QFETCH(int, limit);
    QFETCH(bool, dealt);
    const QJsonObject practice =
        object(webengine::practice(webengine::seedFromNumber(seed), level, limit));
    QCOMPARE(practice.contains("error"), !dealt);
    if (!dealt)
        return;
    QCOMPARE(practice.value("seed").toDouble(), seed);
    QCOMPARE(practice.value("level").toInt(), level);
    QCOMPARE(practice.value("conditions").toObject().value("limit").toInt(), limit);
    QVERIFY(
        english(practice.value("situation")).endsWith(QStringLiteral("table limit %1").arg(limit)));
    QVERIFY(!practice.value("pictures").toArray().isEmpty());
}

void TestWebHandCalls::judge()
{
    // The hand of seed 42 at level 2 and its count, as practice deals it.
    const QJsonObject dealt = object(webengine::practice(42, 2, 500));
    const QString count = QString::number(dealt.value("count").toInt());
    const QString wrong = QString::number(dealt.value("count").toInt() + 2);
    const auto verdict = [](const QString& count, const QString& fans) {
        return object(webengine::judge(42, 2, 500, count.toStdString(), fans.toStdString()));
    };
    QCOMPARE(verdict(count, "").value("right").toBool(), true);
    QCOMPARE(verdict(wrong, "").value("right").toBool(true), false);
    QCOMPARE(verdict(wrong, "").value("refused").toBool(true), false);
    QCOMPARE(verdict("", "").value("refused").toBool(), true);
    QVERIFY(!verdict("", "").value("lines").toArray().isEmpty());
    QCOMPARE(object(webengine::judge(42, 5, 500, "1", "")).contains("error"), true);
}

QTEST_APPLESS_MAIN(TestWebHandCalls)
#include "tst_webhandcalls.moc"

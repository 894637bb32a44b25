#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>

#include "zorvanhand.h"

using Numbers = QList<qint64>;

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run run(const QStringList& arguments)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = cli::runZorvanHand(arguments, outStream, errStream);
    return {status, out, err};
}

QJsonObject parseObject(const QString& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qWarning("not one JSON object: %s", qPrintable(text));
    return document.object();
}

Numbers numbers(const QJsonValue& value)
{
    Numbers list;
    for (const QJsonValue& element : value.toArray())
        list << element.toInteger(-1);
    return list;
}

QStringList strings(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue& element : value.toArray())
        list << element.toString();
    return list;
}

QStringList sortedKeys(const QJsonObject& object)
{
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

// A group of the reading in a few words: "pong 555z open winning".
QString groupWords(const QJsonObject& group)
{
    QString words = group[QLatin1String("kind")].toString() + QLatin1Char(' ') +
                    group[QLatin1String("tiles")].toString();
    for (const char* flag : {"open", "declared", "winning"}) {
        if (group[QLatin1String(flag)].toBool())
            words += QLatin1Char(' ') + QLatin1String(flag);
    }
    return words;
}

// Each win as count, value, fans on a discard, then the same self-picked.
Numbers worthFigures(const QJsonObject& wait)
{
    Numbers figures;
    for (const char* way : {"discard", "selfDrawn"}) {
        const QJsonObject worth = wait[QLatin1String(way)].toObject();
        for (const char* key : {"count", "value", "fans"})
            figures << worth[QLatin1String(key)].toInteger(-1);
    }
    return figures;
}

// Four declared sets, the winning tile pairs the White dragon: 20 + 4 (open pong honor, South)
// + 2 (pair of dragons) + 2 (one chance) = 28.
const QString declaredHand = QStringLiteral("[123m] [456p] [789s] [222z] 5z +5z");
// A pong of White dragons completed by the winning tile; the pair (South) scores nothing.
const QString dragonWin = QStringLiteral("123m 456p 789s 22z 55z +5z");
// Three pongs or three chows of characters: the pongs count more.
const QString twoReadings = QStringLiteral("111222333m 456p 7z +7z");
// Seat South: the East pong is the prevailing wind's, the Red dragons are closed.
const QString pongsAndFlowers = QStringLiteral("222m 888p 777z 9s [111z] 1f 3y +9s");
// Winds and dragons only, every bonus tile: the count runs far above the table limit.
const QString honours = QStringLiteral("111z 555z 666z 22z 77z 1f 2f 3f 4f 1y 2y 3y 4y +7z");
// The same without its winning tile: waits on South and on Red.
const QString honourWaits = QStringLiteral("111z 555z 666z 22z 77z 1f 2f 3f 4f 1y 2y 3y 4y");
// Waits on South (2z) and on White (5z).
const QString twoWaits = QStringLiteral("[123m] [456p] [789s] 22z 55z");

} // namespace

class TestZorvanHand : public QObject {
    Q_OBJECT

private slots:
    void badInput_data();
    void badInput();
    void help_data();
    void help();
    void jsonFigures_data();
    void jsonFigures();
    void spellings_data();
    void spellings();
    void handInSeveralArguments();
    void jsonKeysAndWorking();
    void overflow();
    void plainFinishedHand();
    void plainLines_data();
    void plainLines();
    void waitsJson_data();
    void waitsJson();
    void waitsPlain_data();
    void waitsPlain();
    void dealt_data();
    void dealt();
    void dealtFromTheClock();
    void program_data();
    void program();
    void sameBytesInEveryLocale_data();
    void sameBytesInEveryLocale();
};

void TestZorvanHand::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("sentence");

    const QString limit =
        QStringLiteral("the table limit must be a whole number from 1 to 65536, not \"%1\"");
    QTest::newRow("unknown option") << QStringList{"--east", declaredHand}
                                    << "unknown option \"--east\" (zorvan-hand --help lists the "
                                       "options)";
    QTest::newRow("unknown letter") << QStringList{"-x", declaredHand}
                                    << "unknown option \"-x\" (zorvan-hand --help lists the "
                                       "options)";
    QTest::newRow("no hand") << QStringList{"--seat", "S"}
                             << "no hand given: write its tiles, as in "
                                "zorvan-hand \"123m 456p 789s 234s 5z +5z\"";
    QTest::newRow("hand and a stray word")
        << QStringList{declaredHand, "East"} << "unknown character \"E\"";
    QTest::newRow("limit 0") << QStringList{"--limit", "0", declaredHand} << limit.arg("0");
    QTest::newRow("limit 65537") << QStringList{"--limit", "65537", declaredHand}
                                 << limit.arg("65537");
    QTest::newRow("limit negative")
        << QStringList{"--limit", "-5", declaredHand} << limit.arg("-5");
    QTest::newRow("limit with a sign")
        << QStringList{"--limit=+500", declaredHand} << limit.arg("+500");
    QTest::newRow("limit with a fraction")
        << QStringList{"--limit", "12.5", declaredHand} << limit.arg("12.5");
    QTest::newRow("limit as exponent")
        << QStringList{"--limit", "5e2", declaredHand} << limit.arg("5e2");
    QTest::newRow("limit with a blank")
        << QStringList{"--limit", " 500", declaredHand} << limit.arg(" 500");
    QTest::newRow("limit empty") << QStringList{"--limit=", declaredHand} << limit.arg("");
    QTest::newRow("limit of many digits, echoed short")
        << QStringList{"--limit", "1234567890123456789012345678901234567890", declaredHand}
        << limit.arg("123456789012345678901234...");
    QTest::newRow("limit without a value")
        << QStringList{declaredHand, "--limit"} << "missing value after '--limit'";
    QTest::newRow("a value for a switch")
        << QStringList{"--self-drawn=yes", declaredHand} << "unexpected value after '--self-drawn'";
    QTest::newRow("seat X") << QStringList{"--seat", "X", declaredHand}
                            << "the seat wind must be E, S, W or N, not \"X\"";
    QTest::newRow("seat as a tile") << QStringList{"--seat", "1z", declaredHand}
                                    << "the seat wind must be E, S, W or N, not \"1z\"";
    QTest::newRow("round Eastern") << QStringList{"--round=Eastern", declaredHand}
                                   << "the prevailing wind must be E, S, W or N, not \"Eastern\"";
    QTest::newRow("seat twice") << QStringList{"--seat", "S", "--seat", "W", declaredHand}
                                << "the option --seat is given more than once";
    QTest::newRow("limit twice") << QStringList{"--limit", "100", "--limit=100", declaredHand}
                                 << "the option --limit is given more than once";
    // The engine's sentences come through as they are.
    QTest::newRow("five of a tile") << QStringList{"33333m 456p 789s 22z +2z"} << "5 tiles of 3m";
    QTest::newRow("not a set") << QStringList{"[1235m] 789s 234s 456p 5z +5z"}
                               << "[1235m] is not a chow, pong or kong";
    QTest::newRow("no winning tile")
        << QStringList{"123m 456p 789s 234s 55z"} << "no winning tile: write it as +tile";
    QTest::newRow("waits with a winning tile")
        << QStringList{"--waits", declaredHand}
        << "a waiting hand has no winning tile: leave out +5z";
    QTest::newRow("waits on 14 tiles")
        << QStringList{"--waits", "123m 456p 789s 234s 55z"}
        << "1 tile too many: a waiting hand is 13 tiles, a kong counted as 3";
    const QString level = QStringLiteral("the level must be 1, 2 or 3, not \"%1\"");
    QTest::newRow("level 0") << QStringList{"--deal", "--level", "0"} << level.arg("0");
    QTest::newRow("level 4") << QStringList{"--deal", "--level=4"} << level.arg("4");
    const QString seed =
        QStringLiteral("the seed must be a whole number from 0 to 9007199254740991, not \"%1\"");
    // The first seed a JSON number cannot hold exactly.
    QTest::newRow("seed 2^53") << QStringList{"--deal", "--seed", "9007199254740992"}
                               << seed.arg("9007199254740992");
    QTest::newRow("seed without --deal")
        << QStringList{"--seed", "1", declaredHand} << "the option --seed is only read with --deal";
    QTest::newRow("seat with --deal")
        << QStringList{"--deal", "--seat", "S"}
        << "the option --seat cannot be given with --deal, which draws the conditions with the "
           "hand";
    QTest::newRow("a hand with --deal")
        << QStringList{"--deal", declaredHand}
        << "--deal takes no hand, it deals one: \"[123m] [456p] [789s] [22...\" is one too many";
    QTest::newRow("a million characters") << QStringList{QStringLiteral("1m ").repeated(333334)}
                                          << "the hand is longer than 200 characters";
}

// Refused: exit status 2 and one sentence, on standard error or as JSON on standard output,
// and nothing else.
void TestZorvanHand::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, sentence);

    const Run plain = run(arguments);
    QCOMPARE(plain.status, 2);
    QCOMPARE(plain.out, QString());
    QCOMPARE(plain.err, QStringLiteral("zorvan-hand: ") + sentence + QLatin1Char('\n'));

    const Run json = run(QStringList{QStringLiteral("--json")} + arguments);
    QCOMPARE(json.status, 2);
    QCOMPARE(json.err, QString());
    const QJsonObject object = parseObject(json.out);
    QCOMPARE(object.keys(), QStringList{QStringLiteral("error")});
    QCOMPARE(object[QLatin1String("error")].toString(), sentence);
}

void TestZorvanHand::help_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("--help") << QStringList{"--help"};
    QTest::newRow("-h") << QStringList{"-h"};
    QTest::newRow("with a hand and --json") << QStringList{"--json", declaredHand, "--help"};
}

void TestZorvanHand::help()
{
    QFETCH(QStringList, arguments);
    const Run result = run(arguments);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    QVERIFY(result.out.startsWith(QLatin1String("Usage: zorvan-hand [options] HAND\n")));
    for (const char* option : {"--seat",
                               "--round",
                               "--limit",
                               "--self-drawn",
                               "--last-tile",
                               "--supplement",
                               "--robbing-kong",
                               "--no-fa-table",
                               "--json",
                               "--waits",
                               "--deal",
                               "--level",
                               "--seed",
                               "--help",
                               "[456m]",
                               "(1111p)",
                               "+5p",
                               "1f",
                               "1y",
                               "Exit status"})
        QVERIFY2(result.out.contains(QLatin1String(option)), option);
}

void TestZorvanHand::jsonFigures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<qint64>("fans");
    QTest::addColumn<bool>("maximum");
    QTest::addColumn<Numbers>("boxes");
    QTest::addColumn<qint64>("flowers");
    QTest::addColumn<Numbers>("fanTiles");
    QTest::addColumn<Numbers>("fanBoxes");
    QTest::addColumn<qint64>("readings");
    QTest::addColumn<QStringList>("reading");

    const QStringList declared{"chow 123m open declared", "chow 456p open declared",
                               "chow 789s open declared", "pong 222z open declared",
                               "pair 55z winning"};
    const Numbers eastBoxes{1, 34, 50, 53};
    const Numbers otherBoxes{34, 50, 53};
    // Defaults: seat and prevailing wind East, on a discard, limit 500. x6 for East.
    QTest::newRow("defaults") << QStringList{declaredHand} << 28ll << 168ll << 500ll << 1ll << false
                              << eastBoxes << 0ll << Numbers{1, 5, 10} << Numbers{} << 1ll
                              << declared;
    // Not East: x4; the South pong is now the seat wind's (one fan).
    QTest::newRow("seat S") << QStringList{"--seat", "S", declaredHand} << 28ll << 112ll << 500ll
                            << 2ll << false << otherBoxes << 0ll << Numbers{1, 6, 10} << Numbers{}
                            << 1ll << declared;
    QTest::newRow("round S") << QStringList{"--round", "S", declaredHand} << 28ll << 168ll << 500ll
                             << 2ll << false << eastBoxes << 0ll << Numbers{2, 5, 10} << Numbers{}
                             << 1ll << declared;
    QTest::newRow("limit 25 caps")
        << QStringList{"--limit", "25", declaredHand} << 28ll << 150ll << 25ll << 1ll << false
        << eastBoxes << 0ll << Numbers{1, 5, 10} << Numbers{} << 1ll << declared;
    QTest::newRow("self-drawn") << QStringList{"--self-drawn", declaredHand} << 30ll << 180ll
                                << 500ll << 2ll << false << Numbers{1, 34, 50, 52, 53} << 0ll
                                << Numbers{1, 5, 10} << Numbers{5} << 1ll << declared;
    QTest::newRow("last tile") << QStringList{declaredHand, "--last-tile"} << 56ll << 336ll << 500ll
                               << 2ll << false << Numbers{1, 34, 50, 53, 71} << 0ll
                               << Numbers{1, 5, 10} << Numbers{10} << 1ll << declared;
    QTest::newRow("supplement") << QStringList{"--supplement", declaredHand} << 56ll << 336ll
                                << 500ll << 2ll << false << Numbers{1, 34, 50, 53, 72} << 0ll
                                << Numbers{1, 5, 10} << Numbers{8} << 1ll << declared;
    QTest::newRow("robbing kong") << QStringList{"--robbing-kong", declaredHand} << 28ll << 168ll
                                  << 500ll << 2ll << false << eastBoxes << 0ll << Numbers{1, 5, 10}
                                  << Numbers{9} << 1ll << declared;
    QTest::newRow("no FA table") << QStringList{"--no-fa-table", declaredHand} << 28ll << 168ll
                                 << 500ll << 0ll << false << eastBoxes << 0ll << Numbers{1, 5, 10}
                                 << Numbers{11} << 1ll << declared;
    // (20 + 4) x2 (MJ on a pong of dragons) = 48; the discard leaves the pong open.
    QTest::newRow("pong won on a discard")
        << QStringList{dragonWin} << 48ll << 288ll << 500ll << 2ll << false << Numbers{1, 34, 70}
        << 0ll << Numbers{1, 5, 13} << Numbers{} << 1ll
        << QStringList{"chow 123m", "chow 456p", "chow 789s", "pong 555z open winning", "pair 22z"};
    // (20 + 8 + 2) x2 (closed dragons) x2 (MJ on a pong of dragons) = 120.
    QTest::newRow("pong self-drawn")
        << QStringList{"--self-drawn", dragonWin} << 120ll << 720ll << 500ll << 3ll << false
        << Numbers{1, 38, 52, 65, 70} << 0ll << Numbers{1, 5, 13} << Numbers{5} << 1ll
        << QStringList{"chow 123m", "chow 456p", "chow 789s", "pong 555z winning", "pair 22z"};
    // 20 + 4 + 4 + 8 + 2 + 2 = 40 as pongs; as chows only 24.
    QTest::newRow("two readings") << QStringList{twoReadings} << 40ll << 240ll << 500ll << 1ll
                                  << false << Numbers{1, 6, 7, 22, 50, 53} << 0ll << Numbers{1, 5}
                                  << Numbers{} << 2ll
                                  << QStringList{"pong 111m", "pong 222m", "pong 333m", "chow 456p",
                                                 "pair 77z winning"};
    // (20 + 4 + 4 + 4 + 8 + 2 + 2) x2 (all pongs) + 8 (two bonus tiles) = 96, x2 (closed
    // dragons) = 192, x4 = 768. Fans: East pong for the prevailing wind, Red dragons, All Pungs
    // 3, Self Pick.
    QTest::newRow("pongs and flowers, seat S, self-drawn")
        << QStringList{"--seat", "S", "--self-drawn", pongsAndFlowers} << 192ll << 768ll << 500ll
        << 6ll << false << Numbers{6, 7, 34, 38, 52, 53, 54, 65} << 2ll
        << Numbers{1, 6, 9, 14, 16, 22} << Numbers{1, 5} << 1ll
        << QStringList{"pong 222m", "pong 888p", "pong 777z", "pong 111z open declared",
                       "pair 99s winning"};
    // All honors replaces the count by the limit: 65536 + 32, x2 x2 (own flower and season)
    // x8 x8 (both FA kongs) x2 x2 x2 (closed dragons) x2 x2 (East closed, seat and
    // prevailing) x2 (MJ on a pong of dragons) = 1074266112, capped at 65536, x6.
    QTest::newRow("all honours above the limit")
        << QStringList{"--limit", "65536", "--self-drawn", honours} << 1074266112ll << 393216ll
        << 65536ll << 13ll << true
        << Numbers{1, 38, 39, 40, 41, 52, 54, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70} << 8ll
        << Numbers{1, 5, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23} << Numbers{1, 5, 7} << 1ll
        << QStringList{"pong 111z", "pong 555z", "pong 666z", "pong 777z winning", "pair 22z"};
}

// The options reach the engine as conditions and its result comes out under the right keys.
void TestZorvanHand::jsonFigures()
{
    QFETCH(QStringList, arguments);
    QFETCH(qint64, count);
    QFETCH(qint64, value);
    QFETCH(qint64, limit);
    QFETCH(qint64, fans);
    QFETCH(bool, maximum);
    QFETCH(Numbers, boxes);
    QFETCH(qint64, flowers);
    QFETCH(Numbers, fanTiles);
    QFETCH(Numbers, fanBoxes);
    QFETCH(qint64, readings);
    QFETCH(QStringList, reading);

    const Run result = run(QStringList{QStringLiteral("--json")} + arguments);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    const QJsonObject object = parseObject(result.out);
    QCOMPARE(object[QLatin1String("count")].toInteger(-1), count);
    QCOMPARE(object[QLatin1String("value")].toInteger(-1), value);
    QCOMPARE(object[QLatin1String("limit")].toInteger(-1), limit);
    QCOMPARE(object[QLatin1String("fans")].toInteger(-1), fans);
    QCOMPARE(object[QLatin1String("maximum")], QJsonValue(maximum));
    QCOMPARE(object[QLatin1String("overflow")], QJsonValue(false));
    QCOMPARE(numbers(object[QLatin1String("boxes")]), boxes);
    QCOMPARE(object[QLatin1String("flowers")].toInteger(-1), flowers);
    QCOMPARE(numbers(object[QLatin1String("fanTiles")]), fanTiles);
    QCOMPARE(numbers(object[QLatin1String("fanBoxes")]), fanBoxes);
    QCOMPARE(object[QLatin1String("readings")].toInteger(-1), readings);

    // The groups in the engine's order, which ends on the pair; compared as a set.
    QStringList groups;
    for (const QJsonValue& group : object[QLatin1String("reading")].toArray())
        groups << groupWords(group.toObject());
    QVERIFY(!groups.isEmpty() && groups.last().startsWith(QLatin1String("pair ")));
    groups.sort();
    reading.sort();
    QCOMPARE(groups, reading);
}

void TestZorvanHand::spellings_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<Numbers>("fanTiles"); // prevailing wind, seat wind, the South pong

    QTest::newRow("seat south") << QStringList{"--seat", "south"} << 500ll << Numbers{1, 6, 10};
    QTest::newRow("seat=w") << QStringList{"--seat=w"} << 500ll << Numbers{1, 7, 10};
    QTest::newRow("-seat N") << QStringList{"-seat", "N"} << 500ll << Numbers{1, 8, 10};
    QTest::newRow("round=NORTH") << QStringList{"--round=NORTH"} << 500ll << Numbers{4, 5, 10};
    QTest::newRow("limit=65536") << QStringList{"--limit=65536"} << 65536ll << Numbers{1, 5, 10};
    QTest::newRow("limit 0028") << QStringList{"--limit", "0028"} << 28ll << Numbers{1, 5, 10};
    QTest::newRow("-json") << QStringList{"-json", "--limit", "30"} << 30ll << Numbers{1, 5, 10};
}

// Other ways to write the same options, after the hand.
void TestZorvanHand::spellings()
{
    QFETCH(QStringList, arguments);
    QFETCH(qint64, limit);
    QFETCH(Numbers, fanTiles);

    const Run result = run(QStringList{QStringLiteral("--json"), declaredHand} + arguments);
    QCOMPARE(result.status, 0);
    const QJsonObject object = parseObject(result.out);
    QCOMPARE(object[QLatin1String("limit")].toInteger(-1), limit);
    QCOMPARE(numbers(object[QLatin1String("fanTiles")]), fanTiles);
}

// A hand typed without quotes comes as several arguments and reads as the quoted one.
void TestZorvanHand::handInSeveralArguments()
{
    const Run quoted = run({QStringLiteral("--json"), declaredHand});
    const Run words =
        run(QStringList{QStringLiteral("--json")} + declaredHand.split(QLatin1Char(' ')));
    QCOMPARE(words.status, 0);
    QCOMPARE(words.out, quoted.out);
    QVERIFY(parseObject(words.out).contains(QLatin1String("count")));
}

void TestZorvanHand::jsonKeysAndWorking()
{
    const Run result = run({QStringLiteral("--json"), twoReadings});
    QCOMPARE(result.status, 0);
    const QJsonObject object = parseObject(result.out);
    QCOMPARE(sortedKeys(object), (QStringList{"boxes", "count", "fanBoxes", "fanTiles", "fans",
                                              "flowers", "hand", "limit", "maximum", "overflow",
                                              "reading", "readings", "value", "working"}));
    QCOMPARE(object[QLatin1String("hand")].toString(), QStringLiteral("111222333m456p7z +7z"));
    for (const QJsonValue& group : object[QLatin1String("reading")].toArray())
        QCOMPARE(sortedKeys(group.toObject()),
                 (QStringList{"declared", "kind", "open", "tiles", "winning"}));

    // The calculator's and the fan counter's own working, each under its figure.
    const QJsonObject working = object[QLatin1String("working")].toObject();
    QCOMPARE(sortedKeys(working), (QStringList{"count", "fans", "value"}));
    QCOMPARE(strings(working[QLatin1String("count")]),
             (QStringList{"20 base", "+4 closed pong 2-8 (x2)", "+8 closed pong 1 or 9",
                          "+2 pair of dragons/prev./seatwind", "+2 winning with a one chance tile",
                          "= 40"}));
    QCOMPARE(strings(working[QLatin1String("value")]),
             (QStringList{"40, within the table limit 500", "x6 (East) = 240"}));
    QCOMPARE(strings(working[QLatin1String("fans")]),
             (QStringList{"1 no flowers and seasons", "= 1"}));
}

// Going out on the last tile doubles the honours hand past the 32-bit range: no count, no
// value, the working says where; still a hand that was read, so exit status 0.
void TestZorvanHand::overflow()
{
    const QStringList arguments{"--limit", "65536", "--self-drawn", "--last-tile", honours};
    const Run json = run(QStringList{QStringLiteral("--json")} + arguments);
    QCOMPARE(json.status, 0);
    const QJsonObject object = parseObject(json.out);
    QCOMPARE(object[QLatin1String("overflow")], QJsonValue(true));
    QCOMPARE(object[QLatin1String("count")], QJsonValue(QJsonValue::Null));
    QCOMPARE(object[QLatin1String("value")], QJsonValue(QJsonValue::Null));
    const QStringList count =
        strings(object[QLatin1String("working")].toObject()[QLatin1String("count")]);
    QVERIFY(!count.isEmpty());
    QVERIFY2(count.last().startsWith(QLatin1String("Overflow at \"Going out on last tile\"")),
             qPrintable(count.last()));

    const Run plain = run(arguments);
    QCOMPARE(plain.status, 0);
    QVERIFY(plain.out.contains(
        QLatin1String("\nYour hand is worth: more than the calculator can count\n")));
    QVERIFY(plain.out.contains(QLatin1String("\nZorvan! Points: none, the count overflowed\n")));
    QVERIFY(plain.out.contains(QLatin1String("\n  ") + count.last() + QLatin1Char('\n')));
}

void TestZorvanHand::plainFinishedHand()
{
    const Run result = run({declaredHand});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out, QStringLiteral("Hand: 5z [123m] [456p] [789s] [222z] +5z\n"
                                        "Seat wind East, prevailing wind East, won on a discard, "
                                        "table limit 500\n"
                                        "\n"
                                        "The reading (the only one):\n"
                                        "  chow 123m   open, declared\n"
                                        "  chow 456p   open, declared\n"
                                        "  chow 789s   open, declared\n"
                                        "  pong 222z   open, declared\n"
                                        "  pair 55z    completed by the winning tile 5z\n"
                                        "\n"
                                        "Ticked on the sheet:\n"
                                        "  Check when East\n"
                                        "  open pong honor: 1 box\n"
                                        "  pair of dragons/prev./seatwind: 1 box\n"
                                        "  winning with a one chance tile: 1 box\n"
                                        "\n"
                                        "Your hand is worth: 28\n"
                                        "  20 base\n"
                                        "  +4 open pong honor\n"
                                        "  +2 pair of dragons/prev./seatwind\n"
                                        "  +2 winning with a one chance tile\n"
                                        "  = 28\n"
                                        "Zorvan! Points: 168\n"
                                        "  28, within the table limit 500\n"
                                        "  x6 (East) = 168\n"
                                        "Your FANS: 1\n"
                                        "  1 no flowers and seasons\n"
                                        "  = 1\n"));
}

void TestZorvanHand::plainLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("two readings") << QStringList{twoReadings}
                                  << QStringList{"The reading (the best of 2 readings):",
                                                 "  pong 111m   closed",
                                                 "  chow 456p   closed",
                                                 "  pair 77z    completed by the winning tile 7z",
                                                 "  closed pong 2-8: 2 boxes",
                                                 "  closed pong 1 or 9: 1 box"};
    QTest::newRow("every condition")
        << QStringList{"--seat=N",
                       "--round",
                       "w",
                       "--self-drawn",
                       "--last-tile",
                       "--supplement",
                       "--robbing-kong",
                       "--no-fa-table",
                       "--limit",
                       "100",
                       dragonWin}
        << QStringList{"Seat wind North, prevailing wind West, self-picked, going out on the "
                       "last tile, going out on a supplementary tile, robbing a kong, playing a "
                       "NO FA table, table limit 100",
                       "  pong 555z   closed, completed by the winning tile 5z",
                       "  Going out on last tile: 1 box",
                       "  Going out on supplementary tile: 1 box"};
    QTest::newRow("flowers and the seat")
        << QStringList{"--seat", "S", "--self-drawn", pongsAndFlowers}
        << QStringList{"  pong 111z   open, declared", "  flowers and seasons: 2",
                       "  closed pong 2-8: 2 boxes",   "Your hand is worth: 192",
                       "Zorvan! Points: 768",          "Your FANS: 6",
                       "  1 Red dragon pong"};
    QTest::newRow("maximum") << QStringList{"--limit", "65536", "--self-drawn", honours}
                             << QStringList{"  closed pong honor: 4 boxes", "  all honors: 1 box",
                                            "Your hand is worth: 1074266112",
                                            "Zorvan! Points: 393216",
                                            "Your FANS: the maximum (All Honors); the board "
                                            "counts 13"};
}

void TestZorvanHand::plainLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, lines);
    const Run result = run(arguments);
    QCOMPARE(result.status, 0);
    const QStringList printed = result.out.split(QLatin1Char('\n'));
    for (const QString& line : lines)
        QVERIFY2(printed.contains(line), qPrintable(line + QStringLiteral("\n---\n") + result.out));
}

void TestZorvanHand::waitsJson_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QStringList>("tiles");
    QTest::addColumn<Numbers>("figures"); // per wait: discard count, value, fans, then self-picked

    // 2z: 20 + 4 + 2 (pair of dragons) = 26, self-picked 20 + 8 + 2 + 2 = 32.
    // 5z: (20 + 4) x2 (MJ on a pong of dragons) = 48, self-picked (20 + 8 + 2) x2 x2 = 120.
    const Numbers twoWaitFigures{26, 156, 1, 32, 192, 2, 48, 288, 2, 120, 720, 3};
    QTest::newRow("two waits, tile order")
        << QStringList{twoWaits} << true << QStringList{"2z", "5z"} << twoWaitFigures;
    QTest::newRow("--self-drawn changes nothing") << QStringList{"--self-drawn", twoWaits} << true
                                                  << QStringList{"2z", "5z"} << twoWaitFigures;
    // Seat South: the South pong is the seat wind's (x2 for going out on it, a fan), the
    // South pair scores 2; every win is 52 on a discard and 128 self-picked, capped at 100.
    QTest::newRow("limit 100 and seat S caps the value")
        << QStringList{"--limit", "100", "--seat", "S", twoWaits} << true << QStringList{"2z", "5z"}
        << Numbers{52, 208, 2, 128, 400, 3, 52, 208, 2, 128, 400, 3};
    // After "all honors" (65536 + 32): x4 own flower and season, x64 FA kongs, x4 closed East
    // pong, x2 last tile, x4 for two closed dragon pongs = 537133056 on South; on Red x2 more
    // for going out on a dragon pong, and self-picked x2 more still for a third closed dragon
    // pong, out of range.
    QTest::newRow("limit hand, one way overflowing")
        << QStringList{"--limit", "65536", "--last-tile", honourWaits} << true
        << QStringList{"2z", "7z"} << Numbers{537133056,  393216, 12, 537133056, 393216, 13,
                                              1074266112, 393216, 13, -1,        -1,     14};
    QTest::newRow("nine waits") << QStringList{"1112345678999m"} << true
                                << QStringList{"1m", "2m", "3m", "4m", "5m", "6m", "7m", "8m", "9m"}
                                << Numbers{};
    QTest::newRow("not ready") << QStringList{"[123m] [456p] [789s] 1z 3z 5z 7z"} << false
                               << QStringList{} << Numbers{};
}

void TestZorvanHand::waitsJson()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, ready);
    QFETCH(QStringList, tiles);
    QFETCH(Numbers, figures);

    const Run result =
        run(QStringList{QStringLiteral("--waits"), QStringLiteral("--json")} + arguments);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    const QJsonObject object = parseObject(result.out);
    QCOMPARE(sortedKeys(object), (QStringList{"ready", "waits"}));
    QCOMPARE(object[QLatin1String("ready")], QJsonValue(ready));
    QStringList listed;
    Numbers worth;
    for (const QJsonValue& wait : object[QLatin1String("waits")].toArray()) {
        QCOMPARE(sortedKeys(wait.toObject()), (QStringList{"discard", "selfDrawn", "tile"}));
        listed << wait[QLatin1String("tile")].toString();
        worth << worthFigures(wait.toObject());
    }
    QCOMPARE(listed, tiles);
    if (!figures.isEmpty())
        QCOMPARE(worth, figures);
}

void TestZorvanHand::waitsPlain_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");

    // Best first: White (288 on a discard) before South (156).
    QTest::newRow("two waits")
        << QStringList{twoWaits}
        << "5z  White dragon  on a discard: count 48, value 288, fans 2  self-picked: count 120, "
           "value 720, fans 3\n"
           "2z  South wind    on a discard: count 26, value 156, fans 1  self-picked: count 32, "
           "value 192, fans 2\n";
    // The overflowing win ranks first; the maximum is marked.
    QTest::newRow("maximum and overflow")
        << QStringList{"--limit", "65536", "--last-tile", honourWaits}
        << "7z  Red dragon  on a discard: count 1074266112, value 393216, fans 13 (maximum)  "
           "self-picked: count overflows, fans 14 (maximum)\n"
           "2z  South wind  on a discard: count 537133056, value 393216, fans 12 (maximum)   "
           "self-picked: count 537133056, value 393216, fans 13 (maximum)\n";
    QTest::newRow("not ready") << QStringList{"[123m] [456p] [789s] 1z 3z 5z 7z"} << "not ready\n";
}

void TestZorvanHand::waitsPlain()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    const Run result = run(QStringList{QStringLiteral("--waits")} + arguments);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out, output);
}

// The command line a deal prints, taken apart into its arguments: the hand is the one quoted
// argument.
QStringList commandArguments(const QString& command)
{
    const qsizetype quote = command.indexOf(QLatin1Char('\''));
    QStringList arguments = command.left(quote).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    arguments.removeFirst(); // the program's name
    arguments << command.mid(quote + 1, command.size() - quote - 2);
    return arguments;
}

void TestZorvanHand::dealt_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dealtWith");
    QTest::addColumn<QString>("conditions");

    QTest::newRow("level 1, seed 0")
        << QStringList{"--deal", "--level", "1", "--seed", "0"}
        << "zorvan-hand --seat W --round N '33666m234p45s [5555z] +3s'"
        << "Dealt with --level 1 --seed 0"
        << R"({"seed": 0, "level": 1, "seat": "West", "round": "North", "selfDrawn": false,
              "lastTile": false, "supplement": false, "robbingKong": false,
              "noFaTable": false})";
    // The table limit is the caller's, and the command line keeps it.
    QTest::newRow("level 3, seed 77, limit 100")
        << QStringList{"--limit", "100", "--seed=77", "--deal"}
        << "zorvan-hand --seat E --round N --self-drawn --supplement --limit 100 '99m66677z "
           "(9999p) [555z] 1f123y +9m'"
        << "Dealt with --level 3 --seed 77"
        << R"({"seed": 77, "level": 3, "seat": "East", "round": "North", "selfDrawn": true,
              "lastTile": false, "supplement": true, "robbingKong": false,
              "noFaTable": false})";
}

// A dealt hand is scored as if it had been given on the command line it prints.
void TestZorvanHand::dealt()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, command);
    QFETCH(QString, dealtWith);
    QFETCH(QString, conditions);

    const Run plain = run(arguments);
    QCOMPARE(plain.status, 0);
    QCOMPARE(plain.err, QString());
    const QString head = command + QLatin1Char('\n') + dealtWith + QStringLiteral("\n\n");
    QCOMPARE(plain.out.left(head.size()), head);
    const Run given = run(commandArguments(command));
    QCOMPARE(given.status, 0);
    QCOMPARE(plain.out.mid(head.size()), given.out);

    const Run json = run(QStringList{QStringLiteral("--json")} + arguments);
    QCOMPARE(json.status, 0);
    QJsonObject object = parseObject(json.out);
    const QJsonObject expected = parseObject(conditions);
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QCOMPARE(object[it.key()], it.value());
        object.remove(it.key());
    }
    QCOMPARE(
        object,
        parseObject(run(QStringList{QStringLiteral("--json")} + commandArguments(command)).out));
}

// Without --seed the clock gives one, and the output says which: it deals the same again.
void TestZorvanHand::dealtFromTheClock()
{
    const Run first = run({QStringLiteral("--deal")});
    QCOMPARE(first.status, 0);
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("\n(Dealt with --level 3 --seed ([0-9]+))\n"))
            .match(first.out);
    QVERIFY2(match.hasMatch(), qPrintable(first.out));
    const Run again = run({QStringLiteral("--deal"), QStringLiteral("--seed"), match.captured(2)});
    QCOMPARE(again.out, first.out);
}

void TestZorvanHand::program_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    QTest::newRow("scored") << QStringList{"--waits", "--json", "[123m] [456p] [789s] 1z 3z 5z 7z"}
                            << 0 << "{\"ready\":false,\"waits\":[]}\n"
                            << "";
    QTest::newRow("refused") << QStringList{"--limit", "0", declaredHand} << 2 << ""
                             << "zorvan-hand: the table limit must be a whole number from 1 to "
                                "65536, not \"0\"\n";
}

// The installed program itself: its exit status and its two streams.
void TestZorvanHand::program()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QProcess process;
    // Text mode reads the Windows program's CRLF line ends as the LF the rows are written in.
    process.start(QStringLiteral(ZORVAN_HAND_EXECUTABLE), arguments,
                  QIODevice::ReadWrite | QIODevice::Text);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), out);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), err);
}

void TestZorvanHand::sameBytesInEveryLocale_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("text") << QStringList{
        "--seat", "S", "--limit", "1000", "--self-drawn", "222m 888p 777z 9s [111z] 1f 3y +9s"};
    QTest::newRow("json") << QStringList{"--json", "123m 456p 789s 22z 55z +5z"};
    QTest::newRow("waits") << QStringList{"--waits", "[123m] [456p] [789s] 22z 55z"};
    QTest::newRow("refused") << QStringList{"123m 4444m 5m +5m"};
    QTest::newRow("deal") << QStringList{"--deal", "--seed", "42"};
    QTest::newRow("help") << QStringList{"--help"};
}

// Scripts read the program's output: a German or Dutch desktop changes not one byte of it.
void TestZorvanHand::sameBytesInEveryLocale()
{
    QFETCH(QStringList, arguments);
    auto runIn = [&arguments](const QStringList& settings) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& setting : settings)
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ZORVAN_HAND_EXECUTABLE), arguments);
        process.waitForFinished(30000);
        return QStringList{QString::number(process.exitCode()),
                           QString::fromLatin1(process.readAllStandardOutput().toHex()),
                           QString::fromLatin1(process.readAllStandardError().toHex())};
    };
    const QStringList plain = runIn({"LANGUAGE=", "LC_ALL=C", "LANG=C"});
    QVERIFY(!plain[1].isEmpty() || !plain[2].isEmpty());
    for (const char* language : {"de_DE.UTF-8", "nl_NL.UTF-8"}) {
        const QString locale = QLatin1String(language);
        QCOMPARE(runIn({"LANGUAGE=" + locale.left(2), "LC_ALL=" + locale, "LANG=" + locale}),
                 plain);
    }
}

QTEST_GUILESS_MAIN(TestZorvanHand)
#include "tst_zorvanhand.moc"

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include "zorvanhandrun.h"

// zorvan-hand's command line: what it refuses and in which words, its help, the other ways to
// write an option, and the program itself: its exit status, its two streams, and the same
// bytes in every locale.

class TestZorvanHandOptions : public QObject {
    Q_OBJECT

private slots:
    void badInput_data();
    void badInput();
    void help_data();
    void help();
    void spellings_data();
    void spellings();
    void handInSeveralArguments();
    void program_data();
    void program();
    void sameBytesInEveryLocale_data();
    void sameBytesInEveryLocale();
};

void TestZorvanHandOptions::badInput_data()
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
    QTest::newRow("discards with a winning tile")
        << QStringList{"--discards", declaredHand}
        << "a hand to throw from has no winning tile: leave out +5z";
    QTest::newRow("discards on 13 tiles")
        << QStringList{"--discards", "123m 456p 789s 234s 5z"}
        << "1 tile more: a hand to throw from is 14 tiles, a kong counted as 3";
    QTest::newRow("discards beside waits")
        << QStringList{"--discards", "--waits", "123m 456p 789s 234s 55z"}
        << "the options --waits and --discards cannot be given together: --discards shows the "
           "waits of each waiting throw";
    QTest::newRow("discards with --deal")
        << QStringList{"--deal", "--discards"}
        << "the option --discards cannot be given with --deal, which draws the conditions with "
           "the hand";
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
void TestZorvanHandOptions::badInput()
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

void TestZorvanHandOptions::help_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("--help") << QStringList{"--help"};
    QTest::newRow("-h") << QStringList{"-h"};
    QTest::newRow("with a hand and --json") << QStringList{"--json", declaredHand, "--help"};
}

void TestZorvanHandOptions::help()
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
                               "--discards",
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

void TestZorvanHandOptions::spellings_data()
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
void TestZorvanHandOptions::spellings()
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
void TestZorvanHandOptions::handInSeveralArguments()
{
    const Run quoted = run({QStringLiteral("--json"), declaredHand});
    const Run words =
        run(QStringList{QStringLiteral("--json")} + declaredHand.split(QLatin1Char(' ')));
    QCOMPARE(words.status, 0);
    QCOMPARE(words.out, quoted.out);
    QVERIFY(parseObject(words.out).contains(QLatin1String("count")));
}

void TestZorvanHandOptions::program_data()
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
void TestZorvanHandOptions::program()
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

void TestZorvanHandOptions::sameBytesInEveryLocale_data()
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
void TestZorvanHandOptions::sameBytesInEveryLocale()
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

QTEST_GUILESS_MAIN(TestZorvanHandOptions)
#include "tst_zorvanhandoptions.moc"

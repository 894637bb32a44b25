#include <optional>
#include <string>
#include <string_view>

#include <QTest>

#include "engineapi.h"
#include "report.h"
#include "webenginetest.h"

// The engine's calls that answer as zorvan-hand --json does: the conditions a page gives, read
// as the command line reads them, and the report's own answer.

using namespace webtest;

class TestWebReportCalls : public QObject {
    Q_OBJECT

private slots:
    void conditions_data();
    void conditions();
    void zorvanHandAnswers_data();
    void zorvanHandAnswers();
};

void TestWebReportCalls::conditions_data()
{
    // A null text is a value not given.
    const QString none;
    QTest::addColumn<QString>("seat");
    QTest::addColumn<QString>("round");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<int>("switches");
    QTest::addColumn<QString>("link");
    QTest::newRow("none given") << none << none << none << 0 << "#hand=1m&seat=E&round=E&limit=500";
    QTest::newRow("each given") << "s"
                                << "North"
                                << "65536" << 0 << "#hand=1m&seat=S&round=N&limit=65536";
    QTest::newRow("self") << none << none << none << 1
                          << "#hand=1m&seat=E&round=E&limit=500&self=1";
    QTest::newRow("last") << none << none << none << 2
                          << "#hand=1m&seat=E&round=E&limit=500&last=1";
    QTest::newRow("supplement") << none << none << none << 4
                                << "#hand=1m&seat=E&round=E&limit=500&supplement=1";
    QTest::newRow("robbing") << none << none << none << 8
                             << "#hand=1m&seat=E&round=E&limit=500&robbing=1";
    QTest::newRow("nofa") << none << none << none << 16
                          << "#hand=1m&seat=E&round=E&limit=500&nofa=1";
    QTest::newRow("bad seat first") << "X"
                                    << "Y"
                                    << "0" << 0 << "the seat wind must be E, S, W or N, not \"X\"";
    QTest::newRow("an empty seat given")
        << "" << none << none << 0 << "the seat wind must be E, S, W or N, not \"\"";
    QTest::newRow("bad round then")
        << "E"
        << "Y"
        << "0" << 0 << "the prevailing wind must be E, S, W or N, not \"Y\"";
    QTest::newRow("limit 0") << none << none << "0" << 0
                             << "the table limit must be a whole number from 1 to 65536, not \"0\"";
    QTest::newRow("limit past the bound")
        << none << none << "65537" << 0
        << "the table limit must be a whole number from 1 to 65536, not \"65537\"";
}

void TestWebReportCalls::conditions()
{
    QFETCH(QString, seat);
    QFETCH(QString, round);
    QFETCH(QString, limit);
    QFETCH(int, switches);
    QFETCH(QString, link);
    const std::string seatText = seat.toStdString();
    const std::string roundText = round.toStdString();
    const std::string limitText = limit.toStdString();
    const auto given = [](const QString& value, const std::string& text) {
        return value.isNull() ? std::nullopt : std::optional<std::string_view>(text);
    };
    const QJsonObject written = object(webengine::writeLink(
        "1m", {given(seat, seatText), given(round, roundText), given(limit, limitText), switches}));
    QCOMPARE(written.contains("error") ? english(written.value("error"))
                                       : written.value("link").toString(),
             link);
}

// The page's values reach the report as zorvan-hand's command line would give them: a value
// that is not one gets the program's sentence, in the order the program reads its options;
// a request that is one gets the report's own answer. (The node test compares both with the
// program itself.)
void TestWebReportCalls::zorvanHandAnswers_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("error");
    QTest::newRow("a hand") << "score"
                            << "";
    QTest::newRow("a waiting hand") << "waits"
                                    << "";
    QTest::newRow("what to throw") << "discards"
                                   << "";
    QTest::newRow("what to throw, seated South") << "discards S"
                                                 << "";
    QTest::newRow("what to throw, a seat that is none")
        << "discards Q"
        << "the seat wind must be E, S, W or N, not \"Q\"";
    QTest::newRow("a deal") << "deal 2 42"
                            << "";
    QTest::newRow("a deal at the largest seed, leading zeros")
        << "deal 003 0009007199254740991 065536"
        << "";
    QTest::newRow("a seat that is none") << "score Q"
                                         << "the seat wind must be E, S, W or N, not \"Q\"";
    QTest::newRow("a deal's limit before its level")
        << "deal 4 1 0"
        << "the table limit must be a whole number from 1 to 65536, not \"0\"";
    QTest::newRow("level 0") << "deal 0 1"
                             << "the level must be 1, 2 or 3, not \"0\"";
    QTest::newRow("level 4") << "deal 4 1"
                             << "the level must be 1, 2 or 3, not \"4\"";
    QTest::newRow("a seed past the largest")
        << "deal 1 9007199254740992"
        << "the seed must be a whole number from 0 to 9007199254740991, not \"9007199254740992\"";
    QTest::newRow("a seed of 17 digits") << "deal 1 00000000000000001"
                                         << "";
    QTest::newRow("a fraction") << "deal 1 1.5"
                                << "the seed must be a whole number from 0 to 9007199254740991, "
                                   "not \"1.5\"";
    QTest::newRow("no seed")
        << "deal 1 -"
        << "the seed must be a whole number from 0 to 9007199254740991, not \"\"";
}

void TestWebReportCalls::zorvanHandAnswers()
{
    QFETCH(QString, request);
    QFETCH(QString, error);
    const QStringList words = request.split(' ');
    const std::string hand = words[0] == "waits"      ? "123m 456p 789s 234s 5z"
                             : words[0] == "discards" ? "[123m] [456p] 789s 22z 55z 1z"
                                                      : "123m 456p 789s 234s 5z +5z";
    std::string answer;
    report::Request expected;
    expected.json = true;
    expected.hand = hand;
    if (words[0] == "deal") {
        const std::string level = words[1].toStdString();
        const std::string seed = words[2] == "-" ? std::string() : words[2].toStdString();
        const std::string limit = words.size() > 3 ? words[3].toStdString() : std::string();
        answer = webengine::dealJson(
            level, seed, words.size() > 3 ? std::optional<std::string_view>(limit) : std::nullopt);
        expected.task = report::Task::Deal;
        expected.level = static_cast<hand::DealLevel>(words[1].toInt());
        expected.seed = words[2].toULongLong();
        if (words.size() > 3)
            expected.conditions.tablelimit = words[3].toInt();
    } else {
        const std::string seat = words.value(1).toStdString();
        const webengine::PageConditions conditions{
            words.size() > 1 ? std::optional<std::string_view>(seat) : std::nullopt, std::nullopt,
            std::nullopt, 0};
        answer = words[0] == "score"      ? webengine::scoreJson(hand, conditions)
                 : words[0] == "discards" ? webengine::discardsJson(hand, conditions)
                                          : webengine::waitsJson(hand, conditions);
        expected.task = words[0] == "score"      ? report::Task::Score
                        : words[0] == "discards" ? report::Task::Discards
                                                 : report::Task::Waits;
        if (words.size() > 1)
            expected.conditions.seat = hand::Wind::South;
    }
    if (error.isEmpty())
        QCOMPARE(QString::fromStdString(answer),
                 QString::fromStdString(report::answer(expected).out));
    else
        QCOMPARE(QString::fromStdString(answer),
                 QString::fromStdString(report::errorJson(error.toStdString())));
}

QTEST_APPLESS_MAIN(TestWebReportCalls)
#include "tst_webreportcalls.moc"

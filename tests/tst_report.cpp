#include <cstdint>
#include <limits>
#include <string>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "json.h"
#include "report.h"

Q_DECLARE_METATYPE(report::Task)

// The report's own JSON writer against Qt's, which wrote zorvan-hand's JSON before it and so
// says what the bytes must be; and what answer() refuses before the engine sees a request.

namespace {

QByteArray qtCompact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray bytes(const std::string& text)
{
    return QByteArray::fromStdString(text);
}

const std::string finishedHand = "[123m] [456p] [789s] [222z] 5z +5z";

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void stringsAsQtWritesThem_data();
    void stringsAsQtWritesThem();
    void integersAsQtWritesThem_data();
    void integersAsQtWritesThem();
    void keysInQtsOrder();
    void nestedValues();
    void figuresOutOfRange_data();
    void figuresOutOfRange();
    void refusalInTextAndJson_data();
    void refusalInTextAndJson();
};

void TestReport::stringsAsQtWritesThem_data()
{
    QTest::addColumn<QByteArray>("utf8"); // a lone surrogate as its three bytes
    QTest::addColumn<QString>("text");    // the same text as Qt holds it

    QTest::newRow("NUL") << QByteArray("a\0b", 3) << QString(QStringLiteral("a") + QChar(0) + 'b');
    QTest::newRow("U+0001") << QByteArray("\x01") << QString(QChar(1));
    QTest::newRow("backspace") << QByteArray("\b") << QStringLiteral("\b");
    QTest::newRow("tab") << QByteArray("\t") << QStringLiteral("\t");
    QTest::newRow("line feed") << QByteArray("\n") << QStringLiteral("\n");
    QTest::newRow("U+000B") << QByteArray("\x0b") << QString(QChar(0x0b));
    QTest::newRow("form feed") << QByteArray("\f") << QStringLiteral("\f");
    QTest::newRow("carriage return") << QByteArray("\r") << QStringLiteral("\r");
    QTest::newRow("U+001F, the last control") << QByteArray("\x1f") << QString(QChar(0x1f));
    QTest::newRow("blank") << QByteArray(" ") << QStringLiteral(" ");
    QTest::newRow("quote") << QByteArray("say \"5z\"") << QStringLiteral("say \"5z\"");
    QTest::newRow("backslash") << QByteArray("a\\b") << QStringLiteral("a\\b");
    QTest::newRow("slash") << QByteArray("1/2") << QStringLiteral("1/2");
    QTest::newRow("DEL") << QByteArray("\x7f") << QString(QChar(0x7f));
    QTest::newRow("two bytes") << QByteArray("\xc3\xa9") << QStringLiteral("\u00e9");
    QTest::newRow("three bytes") << QByteArray("\xea\x99\xae") << QStringLiteral("\ua66e");
    QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x80\x84") << QStringLiteral("\U0001f004");
    QTest::newRow("last before the surrogates")
        << QByteArray("\xed\x9f\xbf") << QString(QChar(0xd7ff));
    QTest::newRow("first after the surrogates")
        << QByteArray("\xee\x80\x80") << QString(QChar(0xe000));
    QTest::newRow("lone high surrogate, cut short")
        << QByteArray("aa\xed\xa0\xbc...") << QString(QStringLiteral("aa") + QChar(0xd83c) + "...");
    QTest::newRow("lone low surrogate") << QByteArray("\xed\xbf\xbf") << QString(QChar(0xdfff));
    QTest::newRow("the first surrogate at the end")
        << QByteArray("x\xed\xa0\x80") << QString(QStringLiteral("x") + QChar(0xd800));
}

// Every sentence the program echoes passes here: what the user typed, quotes, controls and
// characters of any script.
void TestReport::stringsAsQtWritesThem()
{
    QFETCH(QByteArray, utf8);
    QFETCH(QString, text);
    QCOMPARE(bytes(report::errorJson(utf8.toStdString())),
             qtCompact(QJsonObject{{QStringLiteral("error"), text}}) + '\n');
}

void TestReport::integersAsQtWritesThem_data()
{
    QTest::addColumn<qint64>("number");
    QTest::newRow("zero") << qint64{0};
    QTest::newRow("negative") << qint64{-7};
    QTest::newRow("the largest seed") << qint64{9007199254740991};
    QTest::newRow("beyond a double's integers") << qint64{9007199254740993};
    QTest::newRow("64-bit highest") << std::numeric_limits<qint64>::max();
    QTest::newRow("64-bit lowest") << std::numeric_limits<qint64>::min();
}

void TestReport::integersAsQtWritesThem()
{
    QFETCH(qint64, number);
    const report::json::Value object = report::json::Value::object().set("n", std::int64_t{number});
    QCOMPARE(bytes(object.compact()), qtCompact(QJsonObject{{QStringLiteral("n"), number}}));
}

// Qt keeps an object's keys sorted by their characters, capitals before small letters; a key
// set twice keeps its last value.
void TestReport::keysInQtsOrder()
{
    const QStringList keys{"fans", "fanTiles", "b", "Z", "fanBoxes", "_", "a", "fan", "A1", "a"};
    report::json::Value ours = report::json::Value::object();
    QJsonObject qts;
    int n = 0;
    for (const QString& key : keys) {
        ours.set(key.toStdString(), n);
        qts[key] = n;
        ++n;
    }
    QCOMPARE(bytes(ours.compact()), qtCompact(qts));
}

void TestReport::nestedValues()
{
    using report::json::Value;
    const Value ours =
        Value::object()
            .set("null", Value())
            .set("yes", true)
            .set("no", false)
            .set("empty", Value::array())
            .set("none", Value::object())
            .set("list",
                 Value::array().append(1).append("two").append(Value::object().set("three", 3)));
    const QJsonObject qts{{"null", QJsonValue::Null},
                          {"yes", true},
                          {"no", false},
                          {"empty", QJsonArray()},
                          {"none", QJsonObject()},
                          {"list", QJsonArray{1, "two", QJsonObject{{"three", 3}}}}};
    QCOMPARE(bytes(ours.compact()), qtCompact(qts));
}

void TestReport::figuresOutOfRange_data()
{
    QTest::addColumn<report::Task>("task");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("level");
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<QString>("refusal"); // empty: answered

    const report::Task score = report::Task::Score;
    const report::Task deal = report::Task::Deal;
    const QString limit =
        QStringLiteral("the table limit must be a whole number from 1 to 65536, not \"%1\"");
    QTest::newRow("limit 1") << score << 1 << 3 << quint64{0} << QString();
    QTest::newRow("limit 0") << score << 0 << 3 << quint64{0} << limit.arg(0);
    QTest::newRow("limit -1") << score << -1 << 3 << quint64{0} << limit.arg(-1);
    QTest::newRow("limit 65536") << score << 65536 << 3 << quint64{0} << QString();
    QTest::newRow("limit 65537") << score << 65537 << 3 << quint64{0} << limit.arg(65537);
    QTest::newRow("limit of a deal") << deal << 65537 << 3 << quint64{0} << limit.arg(65537);
    const QString level = QStringLiteral("the level must be 1, 2 or 3, not \"%1\"");
    QTest::newRow("level 0") << deal << 500 << 0 << quint64{0} << level.arg(0);
    QTest::newRow("level 1") << deal << 500 << 1 << quint64{0} << QString();
    QTest::newRow("level 4") << deal << 500 << 4 << quint64{0} << level.arg(4);
    QTest::newRow("level unread without a deal") << score << 500 << 4 << quint64{0} << QString();
    const QString seed =
        QStringLiteral("the seed must be a whole number from 0 to 9007199254740991, not \"%1\"");
    QTest::newRow("the largest seed") << deal << 500 << 3 << quint64{9007199254740991} << QString();
    QTest::newRow("one more") << deal << 500 << 3 << quint64{9007199254740992}
                              << seed.arg(quint64{9007199254740992});
    QTest::newRow("64-bit highest") << deal << 500 << 3 << std::numeric_limits<quint64>::max()
                                    << seed.arg(std::numeric_limits<quint64>::max());
}

// A front end other than the command line may pass any figure: those zorvan-hand refuses are
// refused here too, in its words, rather than reaching the count or the deal.
void TestReport::figuresOutOfRange()
{
    QFETCH(report::Task, task);
    QFETCH(int, limit);
    QFETCH(int, level);
    QFETCH(quint64, seed);
    QFETCH(QString, refusal);

    report::Request request;
    request.task = task;
    request.hand = finishedHand;
    request.conditions.tablelimit = limit;
    request.level = static_cast<hand::DealLevel>(level);
    request.seed = seed;
    const report::Answer answer = report::answer(request);
    QCOMPARE(answer.refused, !refusal.isEmpty());
    QCOMPARE(QString::fromStdString(answer.error), refusal);
    QCOMPARE(answer.out.empty(), !refusal.isEmpty());
}

void TestReport::refusalInTextAndJson_data()
{
    QTest::addColumn<report::Task>("task");
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("a fifth tile") << report::Task::Score << "33333m 456p 789s 22z +2z"
                                  << "5 tiles of 3m";
    QTest::newRow("waits with a winning tile")
        << report::Task::Waits << QString::fromStdString(finishedHand)
        << "a waiting hand has no winning tile: leave out +5z";
    QTest::newRow("a quote in the hand") << report::Task::Score << "\""
                                         << "unknown character \"\"\"";
}

// In text the sentence goes to standard error and nothing to standard output; with JSON the
// sentence is the one member of an object on standard output.
void TestReport::refusalInTextAndJson()
{
    QFETCH(report::Task, task);
    QFETCH(QString, hand);
    QFETCH(QString, sentence);

    report::Request request;
    request.task = task;
    request.hand = hand.toStdString();
    const report::Answer text = report::answer(request);
    QVERIFY(text.refused);
    QCOMPARE(QString::fromStdString(text.error), sentence);
    QCOMPARE(QString::fromStdString(text.out), QString());

    request.json = true;
    const report::Answer json = report::answer(request);
    QVERIFY(json.refused);
    QCOMPARE(QString::fromStdString(json.error), QString());
    QCOMPARE(bytes(json.out), qtCompact(QJsonObject{{QStringLiteral("error"), sentence}}) + '\n');
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"

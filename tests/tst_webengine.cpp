#include <cmath>
#include <limits>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "engineapi.h"
#include "pagejson.h"

// The engine's calls as the web page makes them: each answer is one line of JSON whose members
// say what the windows decide. The rules the windows pin already are taken as given; these
// tests catch what only the page's calls do: reading their plain arguments, the JSON itself,
// and the decisions no window makes in one call (a clear's overflow on the way, a deal's
// bounds, the conditions' switches).

using Numbers = QList<int>;

Q_DECLARE_METATYPE(Phrase)

namespace {

QJsonObject object(const std::string& json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qWarning("not a JSON object: %s", json.c_str());
    return document.object();
}

QJsonArray array(const std::string& json)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).array();
}

std::string list(const Numbers& numbers)
{
    std::string text;
    for (const int n : numbers)
        text += (text.empty() ? "" : ",") + std::to_string(n);
    return text;
}

Numbers numbers(const QJsonValue& value)
{
    Numbers read;
    for (const QJsonValue& each : value.toArray())
        read << each.toInt();
    return read;
}

// A phrase in English, filled in one pass as the page fills it.
QString english(const QJsonValue& value)
{
    const QJsonObject phrase = value.toObject();
    QStringList args;
    for (const QJsonValue& arg : phrase.value("args").toArray())
        args << english(arg);
    if (phrase.value("list").toBool())
        return args.join(", ");
    if (!phrase.contains("pattern"))
        return phrase.value("plain").toString();
    QString text;
    const QString pattern = phrase.value("pattern").toString();
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int n = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        if (pattern[i] == '%' && n >= 1 && n <= args.size()) {
            text += args[n - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

// Every box but East and the two limit hands: 626 x 128 x 65536 is past the range, and so are
// the first sheets a clear leaves on its way.
Numbers overflowingSheet()
{
    Numbers boxes;
    for (int n = 2; n <= 72; ++n) {
        if (n != 51 && n != 59 && n != 60)
            boxes << n;
    }
    return boxes;
}

Numbers range(int first, int last)
{
    Numbers run;
    for (int n = first; n <= last; ++n)
        run << n;
    return run;
}

} // namespace

class TestWebEngine : public QObject {
    Q_OBJECT

private slots:
    void phraseJson_data();
    void phraseJson();
    void numberList_data();
    void numberList();
    void sheet_data();
    void sheet();
    void tableLimitTyped_data();
    void tableLimitTyped();
    void clearSheet_data();
    void clearSheet();
    void fanTileClick_data();
    void fanTileClick();
    void fans_data();
    void fans();
    void fanBoxClickAndClear();
    void layout();
    void conditions_data();
    void conditions();
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

void TestWebEngine::phraseJson_data()
{
    QTest::addColumn<Phrase>("phrase");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << plainText("7") << R"({"plain":"7"})";
    QTest::newRow("a pattern alone") << phrase("C", "p") << R"({"context":"C","pattern":"p"})";
    QTest::newRow("a pattern with its arguments")
        << phrase("C", "%1 %2", {plainText("x"), phrase("D", "y")})
        << R"({"args":[{"plain":"x"},{"context":"D","pattern":"y"}],"context":"C","pattern":"%1 %2"})";
    QTest::newRow("a list") << phraseList({plainText("a"), plainText("b")})
                            << R"({"args":[{"plain":"a"},{"plain":"b"}],"list":true})";
}

void TestWebEngine::phraseJson()
{
    QFETCH(Phrase, phrase);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(webengine::phraseValue(phrase).compact()), expected);
}

void TestWebEngine::numberList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Numbers>("expected");
    QTest::newRow("empty") << "" << Numbers{};
    QTest::newRow("one") << "54" << Numbers{54};
    QTest::newRow("several, in order") << "17,2,54" << Numbers{17, 2, 54};
    QTest::newRow("junk passed over") << "2,x,,5a,7," << Numbers{2, 7};
    QTest::newRow("negative") << "-3,4" << Numbers{-3, 4};
}

void TestWebEngine::numberList()
{
    QFETCH(QString, text);
    QFETCH(Numbers, expected);
    const std::vector<int> read = webengine::numberList(text.toStdString());
    QCOMPARE(Numbers(read.begin(), read.end()), expected);
}

void TestWebEngine::sheet_data()
{
    QTest::addColumn<Numbers>("boxes");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<int>("tablelimit");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("overflow");
    QTest::newRow("no table limit") << Numbers{2} << 0 << 0 << false << ""
                                    << "" << false;
    QTest::newRow("one pong") << Numbers{2} << 0 << 500 << true << " 22"
                              << " 88" << false;
    QTest::newRow("East") << Numbers{1, 2} << 0 << 500 << true << " 22"
                          << " 132" << false;
    QTest::newRow("numbers off the sheet passed over")
        << Numbers{0, 2, 51, 73} << 0 << 500 << true << " 22"
        << " 88" << false;
    QTest::newRow("eight flowers") << Numbers{} << 8 << 500 << true << " 52"
                                   << " 208" << false;
    QTest::newRow("nine flowers count eight") << Numbers{} << 9 << 500 << true << " 52"
                                              << " 208" << false;
    QTest::newRow("negative flowers count none") << Numbers{} << -1 << 500 << true << " 20"
                                                 << " 80" << false;
    QTest::newRow("negative limit") << Numbers{2} << 0 << -50 << true << " 22"
                                    << "-200" << false;
    QTest::newRow("overflow") << overflowingSheet() << 0 << 500 << true << ""
                              << "" << true;
}

void TestWebEngine::sheet()
{
    QFETCH(Numbers, boxes);
    QFETCH(int, flowers);
    QFETCH(int, tablelimit);
    QFETCH(bool, shown);
    QFETCH(QString, count);
    QFETCH(QString, value);
    QFETCH(bool, overflow);
    const QJsonObject figures = object(webengine::sheet(list(boxes), flowers, tablelimit));
    QCOMPARE(figures.value("shown").toBool(), shown);
    QCOMPARE(figures.value("count").toString(), count);
    QCOMPARE(figures.value("value").toString(), value);
    QCOMPARE(figures.value("overflow").toBool(), overflow);
    // A click that overflows says so; nothing else has a message.
    QCOMPARE(figures.contains("message"), overflow);
    if (overflow) {
        QCOMPARE(english(figures.value("message")),
                 "Overflow: this hand is worth more than the calculator can count. The results "
                 "were left as they were.");
        QCOMPARE(figures.value("icon").toInt(), 16);
    }
    if (shown && !overflow)
        QCOMPARE(english(figures.value("valueWorking").toArray().last()).right(value.size() - 1),
                 value.mid(1));
}

void TestWebEngine::tableLimitTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("replacement");
    QTest::newRow("empty") << ""
                           << "ignore" << 0 << "" << -1 << "";
    QTest::newRow("the bound") << "65536"
                               << "store" << 65536 << "" << -1 << "";
    QTest::newRow("above the bound")
        << "65536.4"
        << "tooHigh" << 65536 << "limit is toooooooo high" << 16 << " 65536";
    QTest::newRow("not a number") << "12a"
                                  << "typo" << 0 << "You made a typo, mahjongaddict" << 48 << "";
}

void TestWebEngine::tableLimitTyped()
{
    QFETCH(QString, text);
    QFETCH(QString, action);
    QFETCH(int, value);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, replacement);
    const QJsonObject typed = object(webengine::tableLimitTyped(text.toStdString()));
    QCOMPARE(typed.value("action").toString(), action);
    QCOMPARE(typed.value("value").toInt(), value);
    QCOMPARE(english(typed.value("message")), message);
    QCOMPARE(typed.value("icon").toInt(-1), icon);
    QCOMPARE(typed.value("replacement").toString(), replacement);
}

void TestWebEngine::clearSheet_data()
{
    QTest::addColumn<Numbers>("boxes");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<int>("tablelimit");
    QTest::addColumn<bool>("all");
    QTest::addColumn<Numbers>("untick");
    QTest::addColumn<bool>("overflow");
    QTest::newRow("nothing ticked") << Numbers{} << 3 << 500 << false << Numbers{} << false;
    QTest::newRow("lowest number first, East too")
        << Numbers{70, 2, 1} << 0 << 500 << false << Numbers{1, 2, 70} << false;
    QTest::newRow("overflowing on the way")
        << overflowingSheet() << 0 << 500 << false << overflowingSheet() << true;
    QTest::newRow("no limit: no recount")
        << overflowingSheet() << 0 << 0 << false << overflowingSheet() << false;
    QTest::newRow("Clear ALL: the limit goes first")
        << overflowingSheet() << 0 << 500 << true << overflowingSheet() << false;
    // The limit hand under 32767 and every multiplier (x 65536): past the range with a flower
    // or season only. The flowers stay counted while the boxes go, so the sheet left once the
    // pong is unticked still overflows; once the limit hand goes, nothing does.
    QTest::newRow("flowers counted while unticking")
        << (Numbers{2, 59} + range(61, 72)) << 1 << 32767 << false
        << (Numbers{2, 59} + range(61, 72)) << true;
    QTest::newRow("only the sheet as it stands overflows")
        << (Numbers{59} + range(61, 72)) << 1 << 32767 << false << (Numbers{59} + range(61, 72))
        << false;
}

void TestWebEngine::clearSheet()
{
    QFETCH(Numbers, boxes);
    QFETCH(int, flowers);
    QFETCH(int, tablelimit);
    QFETCH(bool, all);
    QFETCH(Numbers, untick);
    QFETCH(bool, overflow);
    const QJsonObject cleared =
        object(webengine::clearSheet(list(boxes), flowers, tablelimit, all));
    QCOMPARE(numbers(cleared.value("untick")), untick);
    QCOMPARE(cleared.value("overflow").toBool(), overflow);
    QCOMPARE(cleared.contains("message"), overflow);
}

void TestWebEngine::fanTileClick_data()
{
    QTest::addColumn<Numbers>("selected");
    QTest::addColumn<int>("tile");
    QTest::addColumn<Numbers>("after");
    QTest::newRow("a wind row moves its selection") << Numbers{1, 9} << 4 << Numbers{4, 9};
    QTest::newRow("the seat row alone") << Numbers{1, 5} << 8 << Numbers{1, 8};
    QTest::newRow("the selected wind unselected") << Numbers{5} << 5 << Numbers{};
    QTest::newRow("a pong tile on its own") << Numbers{9} << 12 << Numbers{9, 12};
    QTest::newRow("the last season") << Numbers{20} << 23 << Numbers{20, 23};
    QTest::newRow("a toggle unselected") << Numbers{13, 14} << 13 << Numbers{14};
    QTest::newRow("no such tile") << Numbers{3} << 24 << Numbers{3};
}

void TestWebEngine::fanTileClick()
{
    QFETCH(Numbers, selected);
    QFETCH(int, tile);
    QFETCH(Numbers, after);
    QCOMPARE(numbers(array(webengine::fanTileClick(list(selected), tile))), after);
}

void TestWebEngine::fans_data()
{
    QTest::addColumn<Numbers>("tiles");
    QTest::addColumn<Numbers>("boxes");
    QTest::addColumn<int>("fans");
    QTest::addColumn<bool>("maximum");
    QTest::newRow("nothing") << Numbers{} << Numbers{} << 1 << false;
    QTest::newRow("East pong, seat and prevailing, Pure")
        << Numbers{1, 5, 9} << Numbers{4} << 9 << false;
    QTest::newRow("tiles and boxes past their ranges")
        << Numbers{0, 24} << Numbers{0, 12} << 1 << false;
    QTest::newRow("All Terminals") << Numbers{} << Numbers{6} << 1 << true;
    QTest::newRow("All Honors") << Numbers{} << Numbers{7} << 1 << true;
}

void TestWebEngine::fans()
{
    QFETCH(Numbers, tiles);
    QFETCH(Numbers, boxes);
    QFETCH(int, fans);
    QFETCH(bool, maximum);
    const QJsonObject count = object(webengine::fans(list(tiles), list(boxes)));
    QCOMPARE(count.value("fans").toInt(), fans);
    QCOMPARE(count.value("text").toString(), QStringLiteral(" %1").arg(fans));
    QCOMPARE(count.value("maximum").toBool(), maximum);
    QCOMPARE(english(count.value("working").toArray().last()), QStringLiteral("= %1").arg(fans));
    QCOMPARE(english(count.value("message")),
             maximum ? "Zorvan has no more fingers left to count your fans(YOUR MAXED OUT, WELL "
                       "DONE)"
                     : "");
}

void TestWebEngine::fanBoxClickAndClear()
{
    QCOMPARE(object(webengine::fanBoxClick(4, true)), (QJsonObject{{"recount", true}}));
    QCOMPARE(object(webengine::fanBoxClick(11, false)), (QJsonObject{{"recount", true}}));
    QCOMPARE(object(webengine::fanBoxClick(7, false)), (QJsonObject{{"recount", false}}));
    const QJsonObject ticked = object(webengine::fanBoxClick(6, true));
    QCOMPARE(ticked.value("recount").toBool(true), false);
    QCOMPARE(ticked.value("icon").toInt(-1), 0);
    QVERIFY(english(ticked.value("message")).startsWith("Zorvan has no more fingers"));
    QCOMPARE(numbers(object(webengine::clearFans("11,10,6,1")).value("untick")),
             (Numbers{1, 6, 10}));
    const QJsonObject hint = object(webengine::fanHint());
    QCOMPARE(english(hint.value("message")),
             "This means you also should check the Self Pick checkbox!");
    QCOMPARE(hint.value("icon").toInt(), 48);
    QCOMPARE(english(object(webengine::sheetHint(3)).value("message")),
             "This does not aply when you have a pair of dragons or prevailing/seat winds !");
    QVERIFY(english(object(webengine::sheetHint(2)).value("message")).startsWith("If the honor"));
    const QJsonObject messages = object(webengine::messages());
    QCOMPARE(english(messages.value("typo").toObject().value("message")),
             "You made a typo, mahjongaddict");
    QCOMPARE(messages.value("overflow").toObject().value("icon").toInt(), 16);
}

void TestWebEngine::layout()
{
    const QJsonObject layout = object(webengine::layout());
    const QJsonArray sheet = layout.value("sheet").toArray();
    QCOMPARE(sheet.size(), 30);
    // The first row, the row with "--" and "+", and the last: counting order, both columns.
    const QJsonObject first = sheet.first().toObject();
    QCOMPARE(english(first.value("caption")), "open pong 2-8");
    QCOMPARE(first.value("column").toString(), "left");
    QCOMPARE(first.value("boxes").toArray().size(), 4);
    QCOMPARE(english(first.value("boxes").toArray()[3].toObject().value("name")),
             "open pong 2-8, set 4 of 4");
    const QJsonObject flowers = sheet[22].toObject();
    QCOMPARE(flowers.value("effect").toString(), "flowers");
    QVERIFY(flowers.value("boxes").toArray().isEmpty());
    QCOMPARE(sheet[16].toObject().value("hint").toInt(), 3);
    const QJsonObject last = sheet.last().toObject();
    QCOMPARE(last.value("boxes").toArray()[0].toObject().value("check").toInt(), 72);
    QCOMPARE(last.value("column").toString(), "right");
    QCOMPARE(last.value("effect").toString(), "multiply");

    const QJsonArray rows = layout.value("fanRows").toArray();
    QCOMPARE(rows.size(), 6);
    const QJsonObject seat = rows[1].toObject();
    QCOMPARE(seat.value("row").toString(), "seatWind");
    const QJsonObject south = seat.value("tiles").toArray()[1].toObject();
    QCOMPARE(south.value("picture").toInt(), 6);
    QCOMPARE(south.value("face").toString(), "south");
    QVERIFY(south.value("rowExclusive").toBool());
    QCOMPARE(english(south.value("nameSelected")), "Seat wind: South, selected");
    QVERIFY(
        !rows[2].toObject().value("tiles").toArray()[0].toObject().value("rowExclusive").toBool());
    const QJsonArray boxes = layout.value("fanBoxes").toArray();
    QCOMPARE(boxes.size(), 11);
    QCOMPARE(boxes[3].toObject().value("fans").toInt(), 6);
    QCOMPARE(boxes.last().toObject().value("effect").toString(), "noFaTable");
}

void TestWebEngine::conditions_data()
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

void TestWebEngine::conditions()
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

void TestWebEngine::links_data()
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

void TestWebEngine::links()
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

void TestWebEngine::editHand_data()
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

void TestWebEngine::editHand()
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

void TestWebEngine::handView_data()
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

void TestWebEngine::handView()
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

void TestWebEngine::practiceBounds_data()
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

void TestWebEngine::practiceBounds()
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

void TestWebEngine::judge()
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

QTEST_APPLESS_MAIN(TestWebEngine)
#include "tst_webengine.moc"

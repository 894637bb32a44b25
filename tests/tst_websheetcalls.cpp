#include <vector>

#include <QTest>

#include "engineapi.h"
#include "pagejson.h"
#include "webenginetest.h"

// The engine's calls for the calculator's sheet and the fan counter as the web page makes them:
// each answer is one line of JSON whose members say what the windows decide. The rules the
// windows pin already are taken as given; these tests catch what only the page's calls do:
// reading their plain arguments, the JSON itself, and the decisions no window makes in one
// call (a clear's overflow on the way).

using namespace webtest;

class TestWebSheetCalls : public QObject {
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
};

void TestWebSheetCalls::phraseJson_data()
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

void TestWebSheetCalls::phraseJson()
{
    QFETCH(Phrase, phrase);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(webengine::phraseValue(phrase).compact()), expected);
}

void TestWebSheetCalls::numberList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Numbers>("expected");
    QTest::newRow("empty") << "" << Numbers{};
    QTest::newRow("one") << "54" << Numbers{54};
    QTest::newRow("several, in order") << "17,2,54" << Numbers{17, 2, 54};
    QTest::newRow("junk passed over") << "2,x,,5a,7," << Numbers{2, 7};
    QTest::newRow("negative") << "-3,4" << Numbers{-3, 4};
}

void TestWebSheetCalls::numberList()
{
    QFETCH(QString, text);
    QFETCH(Numbers, expected);
    const std::vector<int> read = webengine::numberList(text.toStdString());
    QCOMPARE(Numbers(read.begin(), read.end()), expected);
}

void TestWebSheetCalls::sheet_data()
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

void TestWebSheetCalls::sheet()
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

void TestWebSheetCalls::tableLimitTyped_data()
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

void TestWebSheetCalls::tableLimitTyped()
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

void TestWebSheetCalls::clearSheet_data()
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

void TestWebSheetCalls::clearSheet()
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

void TestWebSheetCalls::fanTileClick_data()
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

void TestWebSheetCalls::fanTileClick()
{
    QFETCH(Numbers, selected);
    QFETCH(int, tile);
    QFETCH(Numbers, after);
    QCOMPARE(numbers(array(webengine::fanTileClick(list(selected), tile))), after);
}

void TestWebSheetCalls::fans_data()
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

void TestWebSheetCalls::fans()
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

void TestWebSheetCalls::fanBoxClickAndClear()
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

void TestWebSheetCalls::layout()
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

QTEST_APPLESS_MAIN(TestWebSheetCalls)
#include "tst_websheetcalls.moc"

#include <set>

#include <QRandomGenerator>
#include <QTest>

#include "fancount.h"
#include "fanrules.h"

using Pictures = QList<int>;
using Checks = QList<int>;
using CheckValues = QList<QPair<int, int>>; // check number, value

namespace {

TileSelection board(const Pictures& pictures)
{
    TileSelection selected{};
    for (int picture : pictures)
        selected[picture - 1] = true;
    return selected;
}

FanBoxValues boxes(const Checks& ticked)
{
    FanBoxValues values{};
    for (int check : ticked)
        values[check] = 1;
    return values;
}

Pictures pictureRange(int first, int last)
{
    Pictures pictures;
    for (int picture = first; picture <= last; ++picture)
        pictures << picture;
    return pictures;
}

// The rules written out by picture and box number, independently of the board table.
int expectedFans(const std::set<int>& pictures, const FanBoxValues& values)
{
    auto has = [&](int picture) { return pictures.count(picture) != 0; };
    int fans = 0;
    bool anyFlowerOrSeason = false;
    for (int picture = 16; picture <= 23; ++picture)
        anyFlowerOrSeason = anyFlowerOrSeason || has(picture);
    if (!anyFlowerOrSeason && values[11] == 0) {
        fans += 1;
    } else {
        for (int n = 0; n < 4; ++n) {
            fans += has(16 + n) && has(5 + n);
            fans += has(20 + n) && has(5 + n);
        }
        fans += has(16) && has(17) && has(18) && has(19);
        fans += has(20) && has(21) && has(22) && has(23);
    }
    for (int n = 0; n < 4; ++n) {
        if (has(9 + n))
            fans += int(has(5 + n)) + int(has(1 + n));
    }
    fans += int(has(13)) + int(has(14)) + int(has(15));
    const int boxFans[][2] = {{1, 3}, {2, 1}, {3, 3}, {4, 6}, {10, 1}, {5, 1}, {8, 1}, {9, 1}};
    for (const auto& [check, value] : boxFans)
        fans += values[check] == 1 ? value : 0;
    return fans;
}

} // namespace

class TestFanCount : public QObject {
    Q_OBJECT

private slots:
    void fans_data();
    void fans();
    void onlyTheValueOneTicks_data();
    void onlyTheValueOneTicks();
    void onlyTheExactFlagSelects_data();
    void onlyTheExactFlagSelects();
    void randomBoardsAgreeWithTheRules();
    void aClickOnAFlagOfNeitherKind_data();
    void aClickOnAFlagOfNeitherKind();
};

void TestFanCount::fans_data()
{
    QTest::addColumn<Pictures>("pictures");
    QTest::addColumn<Checks>("checks");
    QTest::addColumn<int>("expected");

    const Pictures flowers = pictureRange(16, 19);
    const Pictures seasons = pictureRange(20, 23);
    const Checks counted{1, 2, 3, 4, 5, 8, 9, 10};

    QTest::newRow("empty board: the no-flowers fan") << Pictures{} << Checks{} << 1;
    QTest::newRow("no-FA table only") << Pictures{} << Checks{11} << 0;
    QTest::newRow("a single flower takes the no-flowers fan") << Pictures{17} << Checks{} << 0;
    QTest::newRow("a single season takes the no-flowers fan") << Pictures{22} << Checks{} << 0;
    QTest::newRow("no-FA table, own flower 1") << Pictures{16, 5} << Checks{11} << 1;
    QTest::newRow("flower 1 with seat South is not own") << Pictures{16, 6} << Checks{} << 0;
    QTest::newRow("flower 1 with prevailing East is not own") << Pictures{16, 1} << Checks{} << 0;
    QTest::newRow("own season 4") << Pictures{23, 8} << Checks{} << 1;
    QTest::newRow("all flowers, seat South") << flowers + Pictures{6} << Checks{} << 2;
    QTest::newRow("all flowers and seasons, seat South")
        << flowers + seasons + Pictures{6} << Checks{} << 4;
    QTest::newRow("all flowers and seasons, no seat") << flowers + seasons << Checks{} << 2;
    QTest::newRow("no-FA table changes nothing once flowers are there")
        << flowers + Pictures{6} << Checks{11} << 2;
    QTest::newRow("East pong, seat and prevailing East") << Pictures{5, 1, 9} << Checks{} << 3;
    QTest::newRow("East pong, seat South, prevailing West") << Pictures{9, 6, 3} << Checks{} << 1;
    QTest::newRow("South pong, seat South") << Pictures{10, 6} << Checks{} << 2;
    QTest::newRow("West pong, prevailing West") << Pictures{11, 3} << Checks{} << 2;
    QTest::newRow("North pong, seat and prevailing North") << Pictures{12, 8, 4} << Checks{} << 3;
    QTest::newRow("seat and prevailing East without the pong") << Pictures{5, 1} << Checks{} << 1;
    QTest::newRow("all wind pongs, seat and prevailing East")
        << Pictures{9, 10, 11, 12, 5, 1} << Checks{} << 3;
    QTest::newRow("white dragon") << Pictures{13} << Checks{} << 2;
    QTest::newRow("red dragon") << Pictures{14} << Checks{} << 2;
    QTest::newRow("green dragon") << Pictures{15} << Checks{} << 2;
    QTest::newRow("all dragons") << Pictures{13, 14, 15} << Checks{} << 4;
    QTest::newRow("all dragons, no-FA table") << Pictures{13, 14, 15} << Checks{11} << 3;
    QTest::newRow("All Pungs") << Pictures{} << Checks{1} << 4;
    QTest::newRow("All Chows") << Pictures{} << Checks{2} << 2;
    QTest::newRow("Semi Pure") << Pictures{} << Checks{3} << 4;
    QTest::newRow("Pure") << Pictures{} << Checks{4} << 7;
    QTest::newRow("Self Pick") << Pictures{} << Checks{5} << 2;
    QTest::newRow("MJ on Suplement tile") << Pictures{} << Checks{8} << 2;
    QTest::newRow("MJ on robbing kong") << Pictures{} << Checks{9} << 2;
    QTest::newRow("Last tile") << Pictures{} << Checks{10} << 2;
    QTest::newRow("All Terminals is not counted") << Pictures{} << Checks{6} << 1;
    QTest::newRow("All Honors is not counted") << Pictures{} << Checks{7} << 1;
    QTest::newRow("Semi Pure and Pure") << Pictures{} << Checks{3, 4} << 10;
    QTest::newRow("All Pungs and All Chows") << Pictures{} << Checks{1, 2} << 5;
    QTest::newRow("maximum") << flowers + seasons + Pictures{5, 1, 9, 13, 14, 15} << counted << 26;
    QTest::newRow("maximum with the maximum hands ticked")
        << flowers + seasons + Pictures{5, 1, 9, 13, 14, 15} << counted + Checks{6, 7} << 26;
}

void TestFanCount::fans()
{
    QFETCH(Pictures, pictures);
    QFETCH(Checks, checks);
    QFETCH(int, expected);
    QCOMPARE(countFans(board(pictures), boxes(checks)), expected);
}

void TestFanCount::onlyTheValueOneTicks_data()
{
    QTest::addColumn<CheckValues>("values");
    QTest::addColumn<int>("expected");

    // A box that is neither 0 nor 1 is not ticked, and not clear either.
    QTest::newRow("Pure at 1") << CheckValues{{4, 1}} << 7;
    QTest::newRow("Pure at 2") << CheckValues{{4, 2}} << 1;
    QTest::newRow("All Pungs at 255") << CheckValues{{1, 255}} << 1;
    QTest::newRow("no-FA table at 2 is not clear") << CheckValues{{11, 2}} << 0;
}

void TestFanCount::onlyTheValueOneTicks()
{
    QFETCH(CheckValues, values);
    QFETCH(int, expected);
    FanBoxValues boxValues{};
    for (const auto& [check, value] : values)
        boxValues[check] = std::uint8_t(value);
    QCOMPARE(countFans(TileSelection{}, boxValues), expected);
}

void TestFanCount::onlyTheExactFlagSelects_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("selected");

    QTest::newRow("aan") << QStringLiteral("aan") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("upper case") << QStringLiteral("AAN") << false;
    QTest::newRow("trailing blank") << QStringLiteral("aan ") << false;
    QTest::newRow("other text") << QStringLiteral("uit") << false;
}

void TestFanCount::onlyTheExactFlagSelects()
{
    QFETCH(QString, flag);
    QFETCH(bool, selected);
    for (int index = 0; index < tileCount; ++index) {
        std::array<std::string, tileCount> flags;
        flags[index] = flag.toStdString();
        const TileSelection tiles = selectedTiles(flags);
        for (int other = 0; other < tileCount; ++other)
            QCOMPARE(tiles[other], other == index && selected);
    }
}

void TestFanCount::randomBoardsAgreeWithTheRules()
{
    QRandomGenerator random(20240611);
    for (int round = 0; round < 5000; ++round) {
        std::set<int> pictures;
        for (int picture = 1; picture <= tileCount; ++picture) {
            if (random.bounded(3) == 0)
                pictures.insert(picture);
        }
        FanBoxValues values{};
        for (int check = 1; check <= lastCheck; ++check)
            values[check] = random.bounded(2) ? 1 : 0;
        TileSelection selected{};
        for (int picture : pictures)
            selected[picture - 1] = true;
        QCOMPARE(countFans(selected, values), expectedFans(pictures, values));
    }
}

// Only "aan" is selected and only the empty flag is not: a click on a tile whose flag is
// neither changes no flag and shows no look, in a wind row or elsewhere; a click beside it in
// its wind row still clears it.
void TestFanCount::aClickOnAFlagOfNeitherKind_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("flagAfter");
    QTest::addColumn<int>("looks");
    QTest::newRow("a wind row's tile itself") << 2 << 2 << "x" << 0;
    QTest::newRow("a toggle tile itself") << 14 << 14 << "x" << 0;
    QTest::newRow("its row's neighbour") << 2 << 3 << "" << 4;
}

void TestFanCount::aClickOnAFlagOfNeitherKind()
{
    QFETCH(int, picture);
    QFETCH(int, clicked);
    QFETCH(QString, flagAfter);
    QFETCH(int, looks);
    TileFlags flags;
    flags[picture - 1].push_back('x');
    const std::vector<TileLook> shown = clickTile(flags, clicked);
    QCOMPARE(QString::fromStdString(flags[picture - 1]), flagAfter);
    QCOMPARE(int(shown.size()), looks);
}

QTEST_GUILESS_MAIN(TestFanCount)
#include "tst_fancount.moc"

#include <limits>

#include <QTest>

#include "checkedmath.h"
#include "numbertext.h"
#include "pointscount.h"
#include "testhelpers.h"

using BoxList = QList<int>;

namespace {

BoxList boxRange(int first, int last)
{
    BoxList boxes;
    for (int n = first; n <= last; ++n) {
        if (isSheetBox(n))
            boxes << n;
    }
    return boxes;
}

} // namespace

class TestPointsCount : public QObject {
    Q_OBJECT

private slots:
    void count_data();
    void count();
    void overflowStopsAtTheStep_data();
    void overflowStopsAtTheStep();
    void onlyTheValueOneCounts();
    void boxesOfARowAreInterchangeable();
    void cappedValue_data();
    void cappedValue();
    void numberText_data();
    void numberText();
    void checkedArithmetic();
};

void TestPointsCount::count_data()
{
    QTest::addColumn<BoxList>("boxes");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty sheet") << BoxList{} << 0 << 500 << 20;
    QTest::newRow("three flowers") << BoxList{} << 3 << 500 << 32;
    QTest::newRow("open pong 2-8") << BoxList{2} << 0 << 500 << 22;
    QTest::newRow("each left row adds its own amount")
        << BoxList{2, 6, 10, 14, 18, 22, 26, 30, 34, 38, 42, 46, 50, 52, 53} << 0 << 500
        << 20 + 2 + 4 + 8 + 16 + 4 + 8 + 16 + 32 + 4 + 8 + 16 + 32 + 2 + 2 + 2;
    QTest::newRow("four closed kongs 1 or 9") << BoxList{30, 31, 32, 33} << 0 << 500 << 148;
    QTest::newRow("four closed kongs 1 or 9, all pongs")
        << BoxList{30, 31, 32, 33, 54} << 0 << 500 << 296;
    QTest::newRow("pure multiplies by 8") << BoxList{57} << 0 << 500 << 160;
    QTest::newRow("all pongs and semi pure") << BoxList{54, 56} << 0 << 500 << 80;
    QTest::newRow("worthless hand doubles with anything") << BoxList{55, 50} << 0 << 500 << 44;
    QTest::newRow("all terminals and honors doubles") << BoxList{58} << 0 << 500 << 40;
    QTest::newRow("flowers after all pongs") << BoxList{2, 54} << 1 << 500 << 48;
    QTest::newRow("flowers before FA from own seat") << BoxList{2, 54, 61} << 1 << 500 << 96;
    QTest::newRow("FA kong multiplies by 8 each") << BoxList{63, 64} << 0 << 500 << 20 * 64;
    QTest::newRow("every late multiplier doubles flowers")
        << BoxList{65, 66, 67, 68, 69, 70, 71, 72} << 1 << 500 << 24 * 256;
    QTest::newRow("all honors replaces the count")
        << (boxRange(2, 58) + BoxList{60, 61}) << 2 << 300 << 616;
    QTest::newRow("all honors, plain") << BoxList{60, 61} << 2 << 300 << 616;
    QTest::newRow("both replacements equal one") << BoxList{59, 60} << 0 << 300 << 300;
    QTest::newRow("all terminals alone") << BoxList{59} << 0 << 300 << 300;
    QTest::newRow("replacement by a negative limit") << BoxList{59, 61} << 1 << -50 << -92;
    QTest::newRow("all honors, both FA from own seat") << BoxList{60, 61, 62} << 0 << 500 << 2000;
    QTest::newRow("all honors at 65536 up to the last tile but one")
        << (BoxList{60} + boxRange(61, 70)) << 0 << 65536 << 1073741824;
    QTest::newRow("every box, 8 flowers, limit 32735")
        << boxRange(2, 72) << 8 << 32735 << 2147418112;
    QTest::newRow("exactly the negative end")
        << (BoxList{59} + boxRange(61, 71)) << 0 << -65536 << std::numeric_limits<int>::min();
    QTest::newRow("negative count from a negative limit") << BoxList{60, 57} << 0 << -100 << -100;
}

void TestPointsCount::count()
{
    QFETCH(BoxList, boxes);
    QFETCH(int, flowers);
    QFETCH(int, limit);
    QFETCH(int, expected);
    QCOMPARE(countPoints(tick(boxes), flowers, limit), expected);
}

void TestPointsCount::overflowStopsAtTheStep_data()
{
    QTest::addColumn<BoxList>("boxes");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("lastCompleted");

    QTest::newRow("all honors at 65536 through the last tile")
        << (BoxList{60} + boxRange(61, 71)) << 0 << 65536 << 1073741824;
    QTest::newRow("every box, 8 flowers, limit 32736")
        << boxRange(2, 72) << 8 << 32736 << 1073741824;
    QTest::newRow("every box, 8 flowers, limit 65536")
        << boxRange(2, 72) << 8 << 65536 << 1074266112;
    // (limit + 32) with the limit near the top of the range overflows on the flowers' sum.
    QTest::newRow("flowers' sum") << BoxList{60} << 8 << std::numeric_limits<int>::max() - 31
                                  << std::numeric_limits<int>::max() - 31;
    QTest::newRow("one past the negative end")
        << (BoxList{59} + boxRange(61, 72)) << 0 << -65536 << std::numeric_limits<int>::min();
}

void TestPointsCount::overflowStopsAtTheStep()
{
    QFETCH(BoxList, boxes);
    QFETCH(int, flowers);
    QFETCH(int, limit);
    QFETCH(int, lastCompleted);
    std::int32_t points = -1;
    QVERIFY_THROWS_EXCEPTION(OverflowError, countPoints(tick(boxes), flowers, limit, points));
    QCOMPARE(points, lastCompleted);
}

void TestPointsCount::onlyTheValueOneCounts()
{
    BoxValues values{};
    values[2] = 2;
    values[57] = 255;
    QCOMPARE(countPoints(values, 0, 500), 20);
}

void TestPointsCount::boxesOfARowAreInterchangeable()
{
    for (const SheetRow& row : handSheet) {
        if (row.boxCount == 0)
            continue;
        const int first = countPoints(tick({row.firstBox}), 1, 700);
        for (int n = 1; n < row.boxCount; ++n)
            QCOMPARE(countPoints(tick({row.firstBox + n}), 1, 700), first);
    }
}

void TestPointsCount::cappedValue_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("east");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("below the limit") << 22 << 500 << false << qint64(88);
    QTest::newRow("below the limit, East") << 22 << 500 << true << qint64(132);
    QTest::newRow("capped") << 160 << 50 << false << qint64(200);
    QTest::newRow("capped, East") << 160 << 50 << true << qint64(300);
    QTest::newRow("equal to the limit") << 22 << 22 << false << qint64(88);
    QTest::newRow("negative limit") << 22 << -50 << false << qint64(-200);
    QTest::newRow("negative limit, East") << 22 << -50 << true << qint64(-300);
    QTest::newRow("count above the limit") << 2000 << 500 << false << qint64(2000);
    QTest::newRow("count above the limit, East") << 2000 << 500 << true << qint64(3000);
    QTest::newRow("product beyond 32 bits")
        << 22 << std::numeric_limits<int>::min() << true << qint64(-12884901888);
}

void TestPointsCount::cappedValue()
{
    QFETCH(int, points);
    QFETCH(int, limit);
    QFETCH(bool, east);
    QFETCH(qint64, expected);
    const qint64 capped = ::cappedValue(points, limit);
    QCOMPARE(capped * eastFactor(east), expected);
}

void TestPointsCount::numberText_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << qint64(0) << " 0";
    QTest::newRow("seven") << qint64(7) << " 7";
    QTest::newRow("minus fifty") << qint64(-50) << "-50";
    QTest::newRow("bound") << qint64(65536) << " 65536";
    QTest::newRow("int32 min") << qint64(std::numeric_limits<int>::min()) << "-2147483648";
    QTest::newRow("int64 min") << std::numeric_limits<qint64>::min() << "-9223372036854775808";
}

void TestPointsCount::numberText()
{
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(::numberText(value)), expected);
}

void TestPointsCount::checkedArithmetic()
{
    constexpr int max = std::numeric_limits<int>::max();
    constexpr int min = std::numeric_limits<int>::min();
    QCOMPARE(checkedAdd(max - 1, 1), max);
    QCOMPARE(checkedMul(1 << 30, -2), min);
    QVERIFY_THROWS_EXCEPTION(OverflowError, checkedAdd(max, 1));
    QVERIFY_THROWS_EXCEPTION(OverflowError, checkedAdd(min, -1));
    QVERIFY_THROWS_EXCEPTION(OverflowError, checkedMul(1 << 30, 2));
    QVERIFY_THROWS_EXCEPTION(OverflowError, checkedMul(min, -1));
}

QTEST_APPLESS_MAIN(TestPointsCount)
#include "tst_pointscount.moc"

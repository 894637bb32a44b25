#include <cstdint>

#include <QTest>

#include "deal.h"
#include "handengine.h"
#include "handsheet.h"
#include "notation.h"
#include "situation.h"
#include "tiles.h"

Q_DECLARE_METATYPE(hand::DealLevel)

namespace {

QString text(const std::string& line)
{
    return QString::fromStdString(line);
}

QString text(const Phrase& phrase)
{
    return text(english(phrase));
}

bool declaresKong(const hand::Hand& hand)
{
    for (const hand::DeclaredSet& set : hand.declared) {
        if (set.kind == hand::SetKind::Kong)
            return true;
    }
    return false;
}

bool anyTicked(const BoxValues& boxes, int firstBox, int lastBox)
{
    for (int box = firstBox; box <= lastBox; ++box) {
        if (boxes[box] == 1)
            return true;
    }
    return false;
}

// Why the deal of `seed` breaks a rule, or the empty text.
QString fault(const hand::Deal& dealt, const hand::HandResult& result)
{
    const hand::Conditions& conditions = dealt.conditions;
    if (!result.error.empty())
        return text(result.error);
    if (conditions.supplement && !(conditions.selfDrawn && declaresKong(dealt.hand)))
        return "a supplementary tile without a kong or not self-picked";
    if (conditions.robbingKong && (conditions.selfDrawn || conditions.supplement))
        return "robbing a kong self-picked or on a supplementary tile";
    // The other three tiles of a robbed kong are another player's.
    if (conditions.robbingKong && hand::detail::allTiles(dealt.hand)[*dealt.hand.winning] != 1)
        return "robbing a kong of a face held twice";
    if (conditions.noFaTable && result.flowers != 0)
        return "flowers on a NO FA table";
    if (conditions.tablelimit != 500)
        return "a table limit of its own";
    // Sets and pair: nothing from Check54 on. With doubles: no flowers, no limit hand.
    const bool flowersAllowed = dealt.level == hand::DealLevel::Everything;
    if (!flowersAllowed && result.flowers != 0)
        return "flowers at a level without them";
    if (dealt.level == hand::DealLevel::SetsAndPair && anyTicked(result.boxes, 54, 72))
        return "a doubling at the first level";
    if (dealt.level == hand::DealLevel::WithDoubles && anyTicked(result.boxes, 59, 60))
        return "a limit hand at the second level";
    return {};
}

} // namespace

class TestDeal : public QObject {
    Q_OBJECT

private slots:
    void properties_data();
    void properties();
    void golden_data();
    void golden();
    void coverage_data();
    void coverage();
};

void TestDeal::properties_data()
{
    QTest::addColumn<hand::DealLevel>("level");

    QTest::newRow("sets and pair") << hand::DealLevel::SetsAndPair;
    QTest::newRow("with doubles") << hand::DealLevel::WithDoubles;
    QTest::newRow("everything") << hand::DealLevel::Everything;
}

void TestDeal::properties()
{
    QFETCH(hand::DealLevel, level);

    for (std::uint64_t seed = 0; seed < 1000; ++seed) {
        const hand::Deal dealt = hand::deal(level, seed);
        const QString where =
            QStringLiteral("seed %1: %2").arg(seed).arg(text(hand::writeHand(dealt.hand)));
        QCOMPARE(dealt.seed, seed);
        QCOMPARE(dealt.level, level);
        const QString broken = fault(dealt, hand::scoreHand(dealt.hand, dealt.conditions));
        QVERIFY2(broken.isEmpty(), qPrintable(where + QStringLiteral(": ") + broken));

        const hand::Deal again = hand::deal(level, seed);
        QVERIFY2(again.hand == dealt.hand, qPrintable(where));
        QCOMPARE(text(hand::situationText(again.conditions)),
                 text(hand::situationText(dealt.conditions)));
    }
}

// The draw is integer arithmetic of our own: a seed deals these hands on every platform and
// compiler. A change here is a change of every seed ever printed.
void TestDeal::golden_data()
{
    QTest::addColumn<hand::DealLevel>("level");
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<QString>("notation");
    QTest::addColumn<QString>("situation");

    QTest::newRow("level 1, seed 0")
        << hand::DealLevel::SetsAndPair << quint64{0} << "33666m234p45s [5555z] +3s"
        << "Seat wind West, prevailing wind North, won on a discard, table limit 500";
    QTest::newRow("level 3, seed 77")
        << hand::DealLevel::Everything << quint64{77} << "99m66677z (9999p) [555z] 1f123y +9m"
        << "Seat wind East, prevailing wind North, self-picked, going out on a supplementary "
           "tile, table limit 500";
    QTest::newRow("level 3, the largest seed")
        << hand::DealLevel::Everything << quint64{18446744073709551615u}
        << "7789m456789s [333z] +7m"
        << "Seat wind North, prevailing wind East, won on a discard, table limit 500";
}

void TestDeal::golden()
{
    QFETCH(hand::DealLevel, level);
    QFETCH(quint64, seed);
    QFETCH(QString, notation);
    QFETCH(QString, situation);

    const hand::Deal dealt = hand::deal(level, seed);
    QCOMPARE(text(hand::writeHand(dealt.hand)), notation);
    QCOMPARE(text(hand::situationText(dealt.conditions)), situation);
}

void TestDeal::coverage_data()
{
    QTest::addColumn<hand::DealLevel>("level");
    QTest::addColumn<int>("deals");
    QTest::addColumn<int>("firstBarred"); // the run of boxes the level keeps clear
    QTest::addColumn<int>("lastBarred");
    QTest::addColumn<int>("tiles"); // the fan board's tiles from Picture1 on it can select

    QTest::newRow("sets and pair") << hand::DealLevel::SetsAndPair << 5000 << 54 << 72 << 15;
    // No limit hand (Check59, Check60), no flowers for the FA rows (Check61 to Check64).
    QTest::newRow("with doubles") << hand::DealLevel::WithDoubles << 5000 << 59 << 64 << 15;
    QTest::newRow("everything") << hand::DealLevel::Everything << 20000 << 0 << -1 << 23;
}

// Over many deals every row the level allows comes up, every tile of the fan board it can
// select, both ways of winning, and kongs in more than a tenth of the hands.
void TestDeal::coverage()
{
    QFETCH(hand::DealLevel, level);
    QFETCH(int, deals);
    QFETCH(int, firstBarred);
    QFETCH(int, lastBarred);
    QFETCH(int, tiles);

    BoxValues ticked{};
    TileSelection selected{};
    int kongs = 0;
    int discards = 0;
    for (std::uint64_t seed = 0; seed < std::uint64_t(deals); ++seed) {
        const hand::Deal dealt = hand::deal(level, seed);
        const hand::HandResult result = hand::scoreHand(dealt.hand, dealt.conditions);
        for (std::size_t box = 0; box < ticked.size(); ++box)
            ticked[box] |= result.boxes[box];
        for (std::size_t tile = 0; tile < selected.size(); ++tile)
            selected[tile] = selected[tile] || result.fanTiles[tile];
        kongs += declaresKong(dealt.hand) ? 1 : 0;
        discards += dealt.conditions.selfDrawn ? 0 : 1;
    }
    for (const SheetRow& row : handSheet) {
        if (row.boxCount != 0 && (row.firstBox < firstBarred || row.firstBox > lastBarred))
            QVERIFY2(anyTicked(ticked, row.firstBox, row.firstBox + row.boxCount - 1), row.caption);
    }
    QVERIFY(ticked[eastBox] == 1);
    for (int tile = 0; tile < tiles; ++tile)
        QVERIFY2(selected[tile], qPrintable(QStringLiteral("Picture%1").arg(tile + 1)));
    QVERIFY(discards > 0 && discards < deals);
    QVERIFY2(kongs * 10 >= deals, qPrintable(QString::number(kongs)));
}

QTEST_GUILESS_MAIN(TestDeal)
#include "tst_deal.moc"

// What the windows say of the throws from 14 tiles, without a window: which throws are among
// the best, each row's sentence and marks, the best tile marked in the hand, the drill's deal
// from a seed and its verdict.
#include <QTest>

#include "handpictures.h"
#include "notation.h"
#include "throwdrill.h"
#include "throwview.h"
#include "tilenames.h"

namespace {

hand::Hand handOf(const char* text)
{
    return hand::parseHand(text, hand::WinningTile::Optional).hand;
}

hand::Face faceOf(const QString& tile)
{
    for (hand::Face face = 0; face < hand::faceCount; ++face) {
        if (QString::fromStdString(hand::faceText(face)) == tile)
            return face;
    }
    return -1;
}

// 5p and 8p both leave it waiting, 5p on 11 tiles left and 8p on 7; 9s leaves it a tile away.
const char* const twoWaits = "234m 456p 578p 678s 99s";
// Complete: 1m and 9m leave it waiting on 9 tiles each, 2m on 3.
const char* const complete = "123m 456m 789m 111p 55p";

QStringList rowTiles(const std::vector<ThrowRow>& rows, bool ThrowRow::*mark)
{
    QStringList tiles;
    for (const ThrowRow& row : rows) {
        if (row.*mark)
            tiles << QString::fromStdString(row.tile);
    }
    return tiles;
}

} // namespace

class TestThrowView : public QObject {
    Q_OBJECT

private slots:
    void amongBest_data();
    void amongBest();
    void rowSentences_data();
    void rowSentences();
    void rowMarks();
    void throwsLine();
    void bestMarkedInTheHand();
    void pictureSlots_data();
    void pictureSlots();
    void dealRepeatsFromItsSeed();
    void dealIsOneOrTwoAway();
    void verdict_data();
    void verdict();
};

void TestThrowView::amongBest_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tile");
    QTest::addColumn<bool>("best");

    QTest::newRow("the best") << twoWaits << "5p" << true;
    QTest::newRow("as near, fewer accepted") << twoWaits << "8p" << false;
    QTest::newRow("farther, more accepted") << twoWaits << "9s" << false;
    QTest::newRow("equal to the first") << complete << "9m" << true;
    QTest::newRow("worth more, fewer accepted") << complete << "2m" << false;
    QTest::newRow("not in the hand") << twoWaits << "1z" << false;
}

void TestThrowView::amongBest()
{
    QFETCH(QString, typed);
    QFETCH(QString, tile);
    QFETCH(bool, best);
    const hand::DiscardsResult result = hand::findDiscards(typed.toStdString(), {});
    QCOMPARE(hand::amongBest(result, faceOf(tile)), best);
}

void TestThrowView::rowSentences_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("away");
    QTest::addColumn<QString>("worth");

    QTest::newRow("waiting, the best")
        << twoWaits << 0
        << "Throw Dots 5: waiting; 11 tiles left win: Dots 3 (4 left), Dots 6 (3 left), Dots 9 "
           "(4 left); the best wins 240 on a discard. The best throw."
        << "waiting"
        << "240";
    QTest::newRow("a tile away")
        << twoWaits << 6
        << "Throw Characters 2: 1 tile away; 22 tiles left help: Characters 2 (3 left), "
           "Characters 5 (4 left), Dots 3 (4 left), Dots 5 (2 left), Dots 6 (3 left), Dots 9 (4 "
           "left), Bamboo 9 (2 left)"
        << "1"
        << "";
    QTest::newRow("far away") << "1m 4m 7m 1p 4p 7p 1s 4s 7s 1z 2z 3z 7z 7z" << 0 << ""
                              << "7"
                              << "";
    // Throwing 5z leaves four 1m, which wait on nothing: no fifth 1m is drawn.
    QTest::newRow("a face held four times") << "1111m 234p 567p 789s 5z" << 1 << ""
                                            << "1"
                                            << "";
    QTest::newRow("waiting on a face held three times")
        << "1111m 234p 567p 789s 5z" << 0
        << "Throw Characters 1: waiting; 3 tiles left win: White dragon (3 left); the best wins "
           "192 on a discard. The best throw."
        << "waiting"
        << "192";
}

void TestThrowView::rowSentences()
{
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(QString, sentence);
    QFETCH(QString, away);
    QFETCH(QString, worth);
    const hand::DiscardsResult result = hand::findDiscards(typed.toStdString(), {});
    QVERIFY(result.error.empty());
    const std::vector<ThrowRow> rows = hand::throwRows(result);
    QCOMPARE(rows.size(), result.discards.size());
    const ThrowRow& shown = rows[std::size_t(row)];
    const hand::Discard& discard = result.discards[std::size_t(row)];
    QCOMPARE(shown.tile, hand::faceText(discard.face));
    QCOMPARE(shown.image, hand::faceImage(discard.face));
    QCOMPARE(shown.accepted, discard.accepted);
    QCOMPARE(shown.accepts.size(), discard.accepts.size());
    for (std::size_t i = 0; i < shown.accepts.size(); ++i) {
        QCOMPARE(shown.accepts[i].tile, hand::faceText(discard.accepts[i].face));
        QCOMPARE(shown.accepts[i].left, discard.accepts[i].left);
    }
    if (!sentence.isEmpty())
        QCOMPARE(QString::fromStdString(english(shown.sentence)), sentence);
    QCOMPARE(QString::fromStdString(english(shown.away)), away);
    QCOMPARE(QString::fromStdString(english(shown.worth)), worth);
}

void TestThrowView::rowMarks()
{
    const hand::DiscardsResult result = hand::findDiscards(complete, {});
    // The window marks the first; the drill every throw among the best and the choice.
    QCOMPARE(rowTiles(hand::throwRows(result), &ThrowRow::best), QStringList{"1m"});
    QCOMPARE(rowTiles(hand::throwRows(result), &ThrowRow::chosen), QStringList{});
    const std::vector<ThrowRow> drill = hand::throwRows(result, faceOf("2m"), true);
    QCOMPARE(rowTiles(drill, &ThrowRow::best), (QStringList{"1m", "9m"}));
    QCOMPARE(rowTiles(drill, &ThrowRow::chosen), QStringList{"2m"});
    QVERIFY(english(drill[1].sentence).ends_with(". The best throw."));
    QVERIFY(english(drill[4].sentence).ends_with("180 on a discard. Your choice."));
}

void TestThrowView::throwsLine()
{
    QCOMPARE(english(hand::throwsLine(hand::findDiscards(twoWaits, {}))),
             std::string("Throw one, the best first; click a row to throw it."));
    QCOMPARE(english(hand::throwsLine(hand::findDiscards(complete, {}))),
             std::string("Complete already: to score it, enter the last tile drawn as the winning "
                         "tile. Or throw one, the best first; click a row to throw it."));
}

void TestThrowView::bestMarkedInTheHand()
{
    // Two 5p among the concealed tiles, and a declared pong of 5z that is not thrown.
    const hand::Hand held = handOf("55p 123m 456m 78m [555z] 9s");
    TilePictureGroups pictures = hand::handPictures(held);
    hand::markBestThrow(pictures, held, faceOf("5p"));
    QStringList marked;
    for (const std::vector<TilePicture>& group : pictures) {
        for (const TilePicture& picture : group) {
            if (picture.selected)
                marked << QString::fromStdString(english(picture.name));
        }
    }
    QCOMPARE(marked, (QStringList{"Dots 5, concealed, the best to throw",
                                  "Dots 5, concealed, the best to throw"}));
}

void TestThrowView::pictureSlots_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("tile"); // empty: not a tile to throw

    // The pictures: 1m 2m 3m 5p 5p, then the pong's three, then the flower.
    const char* const held = "123m 55p [777z] 1f";
    QTest::newRow("first") << held << 0 << "1m";
    QTest::newRow("last concealed") << held << 4 << "5p";
    QTest::newRow("a declared set") << held << 5 << "";
    QTest::newRow("a flower") << held << 8 << "";
    QTest::newRow("beyond the hand") << held << 9 << "";
}

void TestThrowView::pictureSlots()
{
    QFETCH(QString, typed);
    QFETCH(int, slot);
    QFETCH(QString, tile);
    const hand::Hand held = handOf(qPrintable(typed));
    const std::optional<hand::Face> face = hand::concealedFaceAt(held, slot);
    QCOMPARE(face.has_value(), !tile.isEmpty());
    if (face) {
        QCOMPARE(*face, faceOf(tile));
        // The first picture of that face: the one a throw takes out.
        QVERIFY(hand::concealedSlotOf(held, *face) <= slot);
        QCOMPARE(hand::concealedFaceAt(held, *hand::concealedSlotOf(held, *face)), face);
    }
}

void TestThrowView::dealRepeatsFromItsSeed()
{
    const hand::ThrowDeal first = hand::dealThrowHand(20240611);
    const hand::ThrowDeal again = hand::dealThrowHand(20240611);
    QVERIFY(first.hand == again.hand);
    QCOMPARE(first.conditions.seat, again.conditions.seat);
    QCOMPARE(first.conditions.round, again.conditions.round);
    QCOMPARE(first.seed, quint64(20240611));
    QVERIFY(!(hand::dealThrowHand(20240612).hand == first.hand));
}

void TestThrowView::dealIsOneOrTwoAway()
{
    // Every deal 14 tiles without a winning tile, its best throw 1 or 2 away; both come up, and
    // now and then an exposed set.
    int byAway[3] = {0, 0, 0};
    int declared = 0;
    for (std::uint64_t seed = 0; seed < 1500; ++seed) {
        const hand::ThrowDeal dealt = hand::dealThrowHand(seed);
        QVERIFY(hand::isThrowingHand(dealt.hand));
        const hand::DiscardsResult result = hand::findDiscards(dealt.hand, dealt.conditions);
        QVERIFY(result.error.empty());
        const int away = result.discards.front().away;
        QVERIFY2(away == 1 || away == 2,
                 qPrintable(QStringLiteral("seed %1: %2 away").arg(seed).arg(away)));
        ++byAway[away];
        declared += dealt.hand.declared.empty() ? 0 : 1;
    }
    QVERIFY(byAway[1] > 0 && byAway[2] > 0);
    QVERIFY(declared > 0);
}

void TestThrowView::verdict_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tile");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("line");

    QTest::newRow("the best") << twoWaits << "5p" << true
                              << "Right: throwing Dots 5 is among the best, waiting with 11 tiles "
                                 "left to help.";
    QTest::newRow("as near, fewer accepted")
        << twoWaits << "8p" << false
        << "Not quite: throwing Dots 8 leaves the hand waiting with 7 tiles left to help; "
           "throwing Dots 5 leaves it waiting with 11.";
    QTest::newRow("farther")
        << twoWaits << "9s" << false
        << "Not quite: throwing Bamboo 9 leaves the hand 1 tile away with 42 tiles left to help; "
           "throwing Dots 5 leaves it waiting with 11.";
    QTest::newRow("equal to the first, later in order")
        << complete << "9m" << true
        << "Right: throwing Characters 9 is among the best, waiting with 9 tiles left to help.";
}

void TestThrowView::verdict()
{
    QFETCH(QString, typed);
    QFETCH(QString, tile);
    QFETCH(bool, right);
    QFETCH(QString, line);
    const hand::ThrowVerdict verdict =
        hand::judgeThrow(hand::findDiscards(typed.toStdString(), {}), faceOf(tile));
    QCOMPARE(verdict.right, right);
    QCOMPARE(QString::fromStdString(english(verdict.line)), line);
}

QTEST_MAIN(TestThrowView)
#include "tst_throwview.moc"

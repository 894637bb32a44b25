#include <QStringList>
#include <QTest>

#include "handengine.h"
#include "notation.h"
#include "tilenames.h"

// A hand written in tiles: the names of the faces, the notation read and written back, and
// every fault the reader names.

class TestNotation : public QObject {
    Q_OBJECT

private slots:
    void faceNames_data();
    void faceNames();
    void notation_data();
    void notation();
    void badInput_data();
    void badInput();
};

void TestNotation::faceNames_data()
{
    QTest::addColumn<int>("face");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("first character") << 0 << "1m"
                                     << "Characters 1";
    QTest::newRow("dots 5") << 13 << "5p"
                            << "Dots 5";
    QTest::newRow("last bamboo") << 26 << "9s"
                                 << "Bamboo 9";
    QTest::newRow("East") << 27 << "1z"
                          << "East wind";
    QTest::newRow("North") << 30 << "4z"
                           << "North wind";
    QTest::newRow("White") << 31 << "5z"
                           << "White dragon";
    QTest::newRow("Green") << 32 << "6z"
                           << "Green dragon";
    QTest::newRow("Red") << 33 << "7z"
                         << "Red dragon";
}

void TestNotation::faceNames()
{
    QFETCH(int, face);
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(QString::fromStdString(hand::faceText(face)), text);
    QCOMPARE(QString::fromStdString(english(hand::spokenFace(face))), spoken);
    QCOMPARE(hand::parseHand(text.toStdString(), hand::WinningTile::Optional).hand.concealed[face],
             1);
    QCOMPARE(QString::fromStdString(hand::bonusText(1)), QString("2f"));
    QCOMPARE(QString::fromStdString(english(hand::spokenBonus(6))), QString("Season 3"));
}

void TestNotation::notation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("size");

    QTest::newRow("grouping and order do not matter") << "1m2m3m 7z 7z"
                                                      << "123m77z" << 5;
    QTest::newRow("digits in any order") << "321m 77z"
                                         << "123m77z" << 5;
    QTest::newRow("suits sorted, winning tile last") << "+5s 55s 9p1m"
                                                     << "1m9p55s +5s" << 5;
    QTest::newRow("declared sets kept in their order, bonus tiles gathered")
        << "3y [645m] 2f (1111p) 1f [999s]"
        << "[456m] (1111p) [999s] 12f3y" << 9;
    QTest::newRow("exposed kong") << "[9999s] 11z"
                                  << "11z [9999s]" << 5;
    QTest::newRow("winning tile written straight after the tiles") << "123m+4m"
                                                                   << "123m +4m" << 4;
    QTest::newRow("tabs are blanks") << "123m\t+4m"
                                     << "123m +4m" << 4;
}

void TestNotation::notation()
{
    QFETCH(QString, text);
    QFETCH(QString, written);
    QFETCH(int, size);
    const hand::ParsedHand parsed =
        hand::parseHand(text.toStdString(), hand::WinningTile::Optional);
    QCOMPARE(QString::fromStdString(english(parsed.error)), QString());
    QCOMPARE(QString::fromStdString(hand::writeHand(parsed.hand)), written);
    QCOMPARE(hand::handSize(parsed.hand), size);
    const hand::ParsedHand again =
        hand::parseHand(written.toStdString(), hand::WinningTile::Optional);
    QVERIFY(again.error.empty());
    QVERIFY(again.hand == parsed.hand);
}

void TestNotation::badInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("waiting");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("five of a face") << "3333m 123p 456p 7z +3m" << false << "5 tiles of 3m";
    QTest::newRow("five of a face with a kong")
        << "[1111m] 1m 22p 345p 678p +2p" << false << "5 tiles of 1m";
    QTest::newRow("not a set") << "[1235m] 11z +1z" << false
                               << "[1235m] is not a chow, pong or kong";
    QTest::newRow("chow with a gap") << "[135m]" << false << "[135m] is not a chow, pong or kong";
    QTest::newRow("chow of honours") << "[123z]" << false << "[123z] is not a chow, pong or kong";
    QTest::newRow("two tiles in brackets")
        << "123m 456p 789s 5z [22z] +5z" << false << "[22z] is not a chow, pong or kong";
    QTest::newRow("chow across suits")
        << "[89m1p]" << false << "[89m1p] is not a chow, pong or kong";
    QTest::newRow("flower in a set") << "[111f]" << false << "[111f] is not a chow, pong or kong";
    QTest::newRow("empty set") << "[]" << false << "[] is not a chow, pong or kong";
    QTest::newRow("concealed pong")
        << "(111p)" << false << "(111p) is not a kong: ( ) holds a concealed kong";
    QTest::newRow("no winning tile")
        << "123m 456m 789m 123p 55p" << false << "no winning tile: write it as +tile";
    QTest::newRow("unknown character") << "123x" << false << "unknown character \"x\"";
    QTest::newRow("capital suit") << "123M" << false << "unknown character \"M\"";
    QTest::newRow("control character") << "12\n3m" << false << "unknown character (code 10)";
    QTest::newRow("digits without a suit")
        << "12 3m +4m" << false << "\"12\" has no suit letter: end it with m, p, s, z, f or y";
    QTest::newRow("digits at the end")
        << "123m 45" << false << "\"45\" has no suit letter: end it with m, p, s, z, f or y";
    QTest::newRow("letter without digits") << "m" << false << "\"m\" has no digits before it";
    QTest::newRow("no zero tile") << "0m" << false << "0m is not a tile";
    QTest::newRow("honours end at 7") << "8z" << false << "8z is not a tile";
    QTest::newRow("four flowers only") << "5f" << false << "5f is not a tile";
    QTest::newRow("bonus tile twice")
        << "1f 2y 1f" << false << "1f is written twice: each flower and season is there once";
    QTest::newRow("two winning tiles")
        << "123m +1m +2m" << false << "more than one winning tile: +1m and +2m";
    QTest::newRow("plus alone") << "123m +" << false
                                << "a + without a tile: write the winning tile as +5p";
    QTest::newRow("two tiles after plus")
        << "123m +55p" << false << "+55p is not one tile: write the winning tile as +5p";
    QTest::newRow("flower to win")
        << "123m +1f" << false << "+1f: a flower or season is not a winning tile";
    QTest::newRow("five declared sets") << "[111m] [222m] [333m] [444m] [555m] +6m" << false
                                        << "5 declared sets: a hand has at most 4";
    QTest::newRow("not ASCII") << "123m 5\u00fcp" << false
                               << "character 7 is not ASCII: write tiles as 123m, 55p, 7z";
    QTest::newRow("200 characters are read") << QString(200, u' ') << false << "the hand is empty";
    QTest::newRow("too long") << QString(201, u' ') << false
                              << "the hand is longer than 200 characters";
    QTest::newRow("unclosed set") << "[456m 11z" << false << "[456m has no closing \"]\"";
    QTest::newRow("set closed by the wrong bracket")
        << "(1111p]" << false << "(1111p has no closing \")\"";
    QTest::newRow("stray closer") << "123m ]" << false << "\"]\" without an opening \"[\"";
    QTest::newRow("empty") << "  " << false << "the hand is empty";
    QTest::newRow("waiting hand with a winning tile")
        << "123m 456m 789m 123p 5p +5p" << true
        << "a waiting hand has no winning tile: leave out +5p";
    QTest::newRow("waiting hand, five of a face")
        << "33333m 456p 789s 11z" << true << "5 tiles of 3m";
}

void TestNotation::badInput()
{
    QFETCH(QString, text);
    QFETCH(bool, waiting);
    QFETCH(QString, sentence);
    const std::string error = english(waiting ? hand::findWaits(text.toStdString(), {}).error
                                              : hand::readHand(text.toStdString(), {}).error);
    QCOMPARE(QString::fromStdString(error), sentence);
}

QTEST_GUILESS_MAIN(TestNotation)
#include "tst_notation.moc"

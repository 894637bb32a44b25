#include <QTest>

#include "handlink.h"

// A hand in a link: what the page and the Qt program open, and what the page shares. The faults
// that matter: a notation character left unencoded (a blank or a + that a link turns into
// something else), a condition read into the wrong place or not read back, a bad value taken
// silently instead of refused with the sentence the command line gives.

using hand::Conditions;
using hand::Wind;

Q_DECLARE_METATYPE(Wind)

namespace {

QString inEnglish(const Phrase& text)
{
    return QString::fromStdString(::english(text));
}

} // namespace

class TestHandLink : public QObject {
    Q_OBJECT

private slots:
    void percentEncoding_data();
    void percentEncoding();
    void percentDecoding_data();
    void percentDecoding();
    void roundTrip_data();
    void roundTrip();
    void readsLinks_data();
    void readsLinks();
    void refusesBadValues_data();
    void refusesBadValues();
    void values_data();
    void values();
};

void TestHandLink::percentEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("every notation character")
        << "123m 456p [789s] (1111z) 2f +5z"
        << "123m%20456p%20%5B789s%5D%20%281111z%29%202f%20%2B5z";
    QTest::newRow("unreserved left as they are") << "aZ09-._~"
                                                 << "aZ09-._~";
    QTest::newRow("a percent sign and the link's own separators") << "%&=#"
                                                                  << "%25%26%3D%23";
    QTest::newRow("UTF-8 bytes, upper case hex") << "é"
                                                 << "%C3%A9";
}

void TestHandLink::percentEncoding()
{
    QFETCH(QString, text);
    QFETCH(QString, encoded);
    QCOMPARE(QString::fromStdString(hand::percentEncode(text.toStdString())), encoded);
    QCOMPARE(QString::fromStdString(*hand::percentDecode(encoded.toStdString())), text);
}

void TestHandLink::percentDecoding_data()
{
    QTest::addColumn<QString>("encoded");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("text");
    QTest::newRow("lower case hex") << "%5b1m%5d" << true << "[1m]";
    QTest::newRow("a plus stays a plus") << "5z+5z" << true << "5z+5z";
    QTest::newRow("a percent sign last") << "1m%" << false << "";
    QTest::newRow("one digit after it") << "1m%2" << false << "";
    QTest::newRow("a digit that is not hexadecimal") << "%2G" << false << "";
    QTest::newRow("two in a row") << "%2520" << true << "%20";
}

void TestHandLink::percentDecoding()
{
    QFETCH(QString, encoded);
    QFETCH(bool, valid);
    QFETCH(QString, text);
    const std::optional<std::string> decoded = hand::percentDecode(encoded.toStdString());
    QCOMPARE(decoded.has_value(), valid);
    if (valid)
        QCOMPARE(QString::fromStdString(*decoded), text);
}

void TestHandLink::roundTrip_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<Wind>("seat");
    QTest::addColumn<Wind>("round");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("switches"); // self, last, supplement, robbing, nofa: bits 0 to 4
    QTest::addColumn<QString>("link");
    QTest::newRow("the defaults")
        << "123m 456p 789s 234s 5z +5z" << Wind::East << Wind::East << 500 << 0
        << "#hand=123m%20456p%20789s%20234s%205z%20%2B5z&seat=E&round=E&limit=500";
    QTest::newRow("every condition")
        << "[1111m] (9999p) 2f 3y +5z" << Wind::North << Wind::South << 65536 << 31
        << "#hand=%5B1111m%5D%20%289999p%29%202f%203y%20%2B5z&seat=N&round=S&limit=65536"
           "&self=1&last=1&supplement=1&robbing=1&nofa=1";
    QTest::newRow("supplement alone") << "1m" << Wind::West << Wind::North << 1 << 4
                                      << "#hand=1m&seat=W&round=N&limit=1&supplement=1";
    QTest::newRow("robbing alone") << "" << Wind::South << Wind::West << 300 << 8
                                   << "#hand=&seat=S&round=W&limit=300&robbing=1";
}

void TestHandLink::roundTrip()
{
    QFETCH(QString, hand);
    QFETCH(Wind, seat);
    QFETCH(Wind, round);
    QFETCH(int, limit);
    QFETCH(int, switches);
    QFETCH(QString, link);
    Conditions conditions;
    conditions.seat = seat;
    conditions.round = round;
    conditions.tablelimit = limit;
    conditions.selfDrawn = switches & 1;
    conditions.lastTile = switches & 2;
    conditions.supplement = switches & 4;
    conditions.robbingKong = switches & 8;
    conditions.noFaTable = switches & 16;
    const std::string written = hand::writeHandLink(hand.toStdString(), conditions);
    QCOMPARE(QString::fromStdString(written), link);

    const hand::HandLink read = hand::readHandLink(written);
    QVERIFY(read.error.empty());
    QCOMPARE(QString::fromStdString(read.hand), hand);
    QCOMPARE(read.conditions.seat, seat);
    QCOMPARE(read.conditions.round, round);
    QCOMPARE(read.conditions.tablelimit, limit);
    QCOMPARE(read.conditions.selfDrawn, conditions.selfDrawn);
    QCOMPARE(read.conditions.lastTile, conditions.lastTile);
    QCOMPARE(read.conditions.supplement, conditions.supplement);
    QCOMPARE(read.conditions.robbingKong, conditions.robbingKong);
    QCOMPARE(read.conditions.noFaTable, conditions.noFaTable);
}

void TestHandLink::readsLinks_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("hand");
    QTest::addColumn<Wind>("seat");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("self");
    QTest::newRow("a whole address, parts in any order")
        << "https://example.org/zorvan/?x=1#limit=300&self=1&hand=1m%201m&seat=south"
        << "1m 1m" << Wind::South << 300 << true;
    QTest::newRow("without the #") << "hand=5z"
                                   << "5z" << Wind::East << 500 << false;
    QTest::newRow("empty parts and parts of other uses passed over")
        << "#&hand=5z&&screen=sheet&self=0"
        << "5z" << Wind::East << 500 << false;
    QTest::newRow("an unencoded plus and brackets as written")
        << "#hand=[555z]+5z&limit=00300"
        << "[555z]+5z" << Wind::East << 300 << false;
}

void TestHandLink::readsLinks()
{
    QFETCH(QString, link);
    QFETCH(QString, hand);
    QFETCH(Wind, seat);
    QFETCH(int, limit);
    QFETCH(bool, self);
    const hand::HandLink read = hand::readHandLink(link.toStdString());
    QCOMPARE(inEnglish(read.error), QString());
    QCOMPARE(QString::fromStdString(read.hand), hand);
    QCOMPARE(read.conditions.seat, seat);
    QCOMPARE(read.conditions.round, Wind::East);
    QCOMPARE(read.conditions.tablelimit, limit);
    QCOMPARE(read.limitGiven, link.contains("limit="));
    QCOMPARE(read.conditions.selfDrawn, self);
}

void TestHandLink::refusesBadValues_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("error");
    QTest::newRow("no hand") << "#seat=S&limit=300"
                             << "the link holds no hand: it begins #hand= and the hand's tiles";
    QTest::newRow("nothing") << ""
                             << "the link holds no hand: it begins #hand= and the hand's tiles";
    QTest::newRow("a seat wind that is none") << "#hand=1m&seat=X"
                                              << "the seat wind must be E, S, W or N, not \"X\"";
    QTest::newRow("an empty prevailing wind")
        << "#hand=1m&round="
        << "the prevailing wind must be E, S, W or N, not \"\"";
    QTest::newRow("limit 0") << "#hand=1m&limit=0"
                             << "the table limit must be a whole number from 1 to 65536, not \"0\"";
    QTest::newRow("a limit past the bound")
        << "#hand=1m&limit=65537"
        << "the table limit must be a whole number from 1 to 65536, not \"65537\"";
    QTest::newRow("a limit with a sign")
        << "#hand=1m&limit=%2B5"
        << "the table limit must be a whole number from 1 to 65536, not \"+5\"";
    QTest::newRow("a switch neither 1 nor 0") << "#hand=1m&nofa=yes"
                                              << "the link's nofa must be 1 or 0, not \"yes\"";
    QTest::newRow("a switch without its value") << "#hand=1m&last"
                                                << "the link's last must be 1 or 0, not \"\"";
    QTest::newRow("a hand given twice") << "#hand=1m&hand=2m"
                                        << "the link gives hand more than once";
    QTest::newRow("a switch given twice") << "#hand=1m&robbing=1&robbing=1"
                                          << "the link gives robbing more than once";
    QTest::newRow("a percent sign without its digits")
        << "#hand=1m%2"
        << "the link's hand is not written correctly: each % must be followed by "
           "two hexadecimal digits";
    QTest::newRow("a long value cut short")
        << "#hand=1m&seat=abcdefghijklmnopqrstuvwxyz"
        << "the seat wind must be E, S, W or N, not \"abcdefghijklmnopqrstuvwx...\"";
    QTest::newRow("24 characters in full")
        << "#hand=1m&seat=abcdefghijklmnopqrstuvwx"
        << "the seat wind must be E, S, W or N, not \"abcdefghijklmnopqrstuvwx\"";
    QTest::newRow("characters, not bytes")
        << "#hand=1m&seat=%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9"
           "%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9%C3%A9"
        << "the seat wind must be E, S, W or N, not \"éééééééééééééééééééééééé...\"";
}

void TestHandLink::refusesBadValues()
{
    QFETCH(QString, link);
    QFETCH(QString, error);
    QCOMPARE(inEnglish(hand::readHandLink(link.toStdString()).error), error);
}

void TestHandLink::values_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wind");  // -1: not a wind
    QTest::addColumn<int>("limit"); // 0: not a table limit
    QTest::newRow("empty") << "" << -1 << 0;
    QTest::newRow("a letter in lower case") << "w" << 2 << 0;
    QTest::newRow("a whole name in upper case") << "NORTH" << 3 << 0;
    QTest::newRow("part of a name") << "Ea" << -1 << 0;
    QTest::newRow("1") << "1" << -1 << 1;
    QTest::newRow("65536") << "65536" << -1 << 65536;
    QTest::newRow("65537") << "65537" << -1 << 0;
    QTest::newRow("many digits") << "99999999999999999999" << -1 << 0;
    QTest::newRow("blanks around") << " 300" << -1 << 0;
}

void TestHandLink::values()
{
    QFETCH(QString, text);
    QFETCH(int, wind);
    QFETCH(int, limit);
    const std::optional<Wind> read = hand::readWindName(text.toStdString());
    QCOMPARE(read ? int(*read) : -1, wind);
    QCOMPARE(hand::readTableLimit(text.toStdString()).value_or(0), limit);
}

QTEST_APPLESS_MAIN(TestHandLink)
#include "tst_handlink.moc"

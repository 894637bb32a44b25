// Judging a practice answer, in the plain rules the practice window and a page share. The
// faults these tests must catch: a typed number misread (a sign, blanks around it, digits that
// are not ASCII, a number beyond 64 bits taken for one); a count taken as right for a hand
// worth more than the calculator can count (its count stands at 0); the one-fan sentences
// written as plural.
#include <QString>
#include <QTest>

#include "practicejudge.h"

Q_DECLARE_METATYPE(hand::TypedNumber::Kind)

namespace {

hand::HandResult scored(const char* notation, bool selfDrawn = false, bool lastTile = false,
                        int limit = 500)
{
    hand::Conditions conditions;
    conditions.selfDrawn = selfDrawn;
    conditions.lastTile = lastTile;
    conditions.tablelimit = limit;
    return hand::readHand(notation, conditions);
}

} // namespace

class TestPracticeJudge : public QObject {
    Q_OBJECT

private slots:
    void typedNumber_data();
    void typedNumber();
    void verdict_data();
    void verdict();
};

void TestPracticeJudge::typedNumber_data()
{
    using Kind = hand::TypedNumber::Kind;
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<qlonglong>("value");

    QTest::newRow("nothing") << "" << Kind::Empty << 0LL;
    QTest::newRow("blanks beyond ASCII") << " \u00a0\t" << Kind::Empty << 0LL;
    QTest::newRow("with a plus, among blanks") << "\u3000+96 " << Kind::Number << 96LL;
    QTest::newRow("blanks after") << "96 \t" << Kind::Number << 96LL;
    QTest::newRow("minus nought") << "-0" << Kind::Number << 0LL;
    QTest::newRow("leading noughts") << "007" << Kind::Number << 7LL;
    QTest::newRow("the largest") << "9223372036854775807" << Kind::Number << 9223372036854775807LL;
    QTest::newRow("one beyond") << "9223372036854775808" << Kind::NotANumber << 0LL;
    QTest::newRow("the smallest") << "-9223372036854775808" << Kind::Number
                                  << qlonglong(-9223372036854775807LL - 1);
    QTest::newRow("a sign alone") << "-" << Kind::NotANumber << 0LL;
    QTest::newRow("two signs") << "+-5" << Kind::NotANumber << 0LL;
    QTest::newRow("a blank inside") << "9 6" << Kind::NotANumber << 0LL;
    QTest::newRow("a decimal point") << "96.0" << Kind::NotANumber << 0LL;
    QTest::newRow("digits beyond ASCII") << "\u0669\u0666" << Kind::NotANumber << 0LL;
}

void TestPracticeJudge::typedNumber()
{
    QFETCH(QString, typed);
    QFETCH(hand::TypedNumber::Kind, kind);
    QFETCH(qlonglong, value);
    const hand::TypedNumber read = hand::readTypedNumber(typed.toStdString());
    QCOMPARE(read.kind, kind);
    QCOMPARE(qlonglong(read.value), value);
}

void TestPracticeJudge::verdict_data()
{
    QTest::addColumn<QString>("hand"); // a hand of the table below
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("fans");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("said");

    // One fan: four chows, and a flower not the seat's.
    QTest::newRow("one fan right") << "one fan"
                                   << ""
                                   << "1" << true << "Right: 1 fan.";
    QTest::newRow("one fan wrong") << "one fan"
                                   << ""
                                   << "2" << false << "Not quite: 1 fan, not 2.";
    // All honours self-picked on the last tile under 65536: the count leaves 32 bits, and
    // stands at 0.
    QTest::newRow("beyond counting: nought is wrong")
        << "beyond counting"
        << "0"
        << "14" << false
        << "Not quite: the hand is worth more than the calculator can count, not 0.\n"
           "Right: 14 fans.";
    QTest::newRow("beyond counting: the last count that fits is wrong")
        << "beyond counting"
        << "2147483647"
        << "" << false
        << "Not quite: the hand is worth more than the calculator can count, not 2147483647.";
}

void TestPracticeJudge::verdict()
{
    QFETCH(QString, hand);
    QFETCH(QString, count);
    QFETCH(QString, fans);
    QFETCH(bool, right);
    QFETCH(QString, said);

    const hand::HandResult result =
        hand == "one fan"
            ? scored("123m 456p 789s 234m 5p +5p 2f")
            : scored("(1111z) (5555z) (6666z) 22z 77z +7z 1234f 1234y", true, true, 65536);
    QVERIFY(result.error.empty());
    const hand::Verdict verdict =
        hand::judgeAnswer(result, count.toStdString(), fans.toStdString());
    QVERIFY(!verdict.refused);
    QCOMPARE(verdict.right, right);
    QStringList lines;
    for (const Phrase& line : verdict.lines)
        lines << QString::fromStdString(english(line));
    QCOMPARE(lines.join('\n'), said);
}

QTEST_GUILESS_MAIN(TestPracticeJudge)
#include "tst_practicejudge.moc"

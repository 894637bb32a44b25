#include <cmath>
#include <limits>

#include <QTest>

#include "tablelimit.h"

using Action = TableLimitDecision::Action;
Q_DECLARE_METATYPE(Action)

class TestTableLimit : public QObject {
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
    void longTexts();
};

void TestTableLimit::readings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("lenient");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<int>("strict");
    QTest::addColumn<Action>("action");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("empty") << "" << 0.0 << false << 0 << Action::Ignore;
    QTest::newRow("blanks only") << "   " << 0.0 << false << 0 << Action::Typo;
    QTest::newRow("12 with blanks around") << " 12 " << 12.0 << true << 12 << Action::Store;
    QTest::newRow("2.5 to even") << "2.5" << 2.5 << true << 2 << Action::Store;
    QTest::newRow("3.5 to even") << "3.5" << 3.5 << true << 4 << Action::Store;
    QTest::newRow("-2.5 to even") << "-2.5" << -2.5 << true << -2 << Action::Store;
    QTest::newRow("just above a half")
        << "2.5000000000000000000001" << 2.5 << true << 3 << Action::Store;
    QTest::newRow("2.4999") << "2.4999" << 2.4999 << true << 2 << Action::Store;
    QTest::newRow("2.51 is above the half") << "2.51" << 2.51 << true << 3 << Action::Store;
    QTest::newRow("-0.51 is below the half") << "-0.51" << -0.51 << true << -1 << Action::Store;
    QTest::newRow("0.5") << "0.5" << 0.5 << true << 0 << Action::Store;
    QTest::newRow("1.5") << "1.5" << 1.5 << true << 2 << Action::Store;
    QTest::newRow("exponent") << "1e3" << 1000.0 << true << 1000 << Action::Store;
    QTest::newRow("capital exponent, fraction") << "2.5E1" << 25.0 << true << 25 << Action::Store;
    QTest::newRow("negative exponent") << "250e-2" << 2.5 << true << 2 << Action::Store;
    QTest::newRow("dangling exponent") << "12e" << 12.0 << false << 0 << Action::Typo;
    QTest::newRow("12a") << "12a" << 12.0 << false << 0 << Action::Typo;
    QTest::newRow("abc") << "abc" << 0.0 << false << 0 << Action::Typo;
    QTest::newRow("lone minus") << "-" << 0.0 << false << 0 << Action::Typo;
    QTest::newRow("lone point") << "." << 0.0 << false << 0 << Action::Typo;
    QTest::newRow("plus sign") << "+7" << 7.0 << true << 7 << Action::Store;
    QTest::newRow("trailing point") << "5." << 5.0 << true << 5 << Action::Store;
    QTest::newRow("leading point") << ".75" << 0.75 << true << 1 << Action::Store;
    QTest::newRow("zero") << "0" << 0.0 << true << 0 << Action::Store;
    QTest::newRow("minus zero") << "-0" << 0.0 << true << 0 << Action::Store;
    QTest::newRow("eleven nines") << "99999999999" << 99999999999.0 << false << 0
                                  << Action::TooHigh;
    QTest::newRow("minus eleven nines")
        << "-99999999999" << -99999999999.0 << false << 0 << Action::Typo;
    QTest::newRow("65536") << "65536" << 65536.0 << true << 65536 << Action::Store;
    QTest::newRow("65536.4, bound before rounding")
        << "65536.4" << 65536.4 << true << 65536 << Action::TooHigh;
    QTest::newRow("65537") << "65537" << 65537.0 << true << 65537 << Action::TooHigh;
    QTest::newRow("bound as the program writes it")
        << " 65536" << 65536.0 << true << 65536 << Action::Store;
    QTest::newRow("tab inside") << "1\t2" << 12.0 << false << 0 << Action::Typo;
    QTest::newRow("line feed inside") << "6\n5537" << 65537.0 << false << 0 << Action::TooHigh;
    QTest::newRow("blank inside") << "1 2" << 12.0 << false << 0 << Action::Typo;
    QTest::newRow("blank after the sign") << "- 5" << -5.0 << false << 0 << Action::Typo;
    QTest::newRow("int32 max") << "2147483647" << 2147483647.0 << true << 2147483647
                               << Action::TooHigh;
    QTest::newRow("int32 max + 1") << "2147483648" << 2147483648.0 << false << 0 << Action::TooHigh;
    QTest::newRow("int32 min") << "-2147483648" << -2147483648.0 << true
                               << std::numeric_limits<int>::min() << Action::Store;
    QTest::newRow("int32 min - 1") << "-2147483649" << -2147483649.0 << false << 0 << Action::Typo;
    QTest::newRow("int32 min - 0.5 rounds to even inside")
        << "-2147483648.5" << -2147483648.5 << true << std::numeric_limits<int>::min()
        << Action::Store;
    QTest::newRow("a half above int32 min goes to the even end")
        << "-2147483647.5" << -2147483647.5 << true << std::numeric_limits<int>::min()
        << Action::Store;
    QTest::newRow("huge exponent")
        << "1e999999999999999999999" << inf << false << 0 << Action::TooHigh;
    QTest::newRow("huge negative exponent") << "-1e999999" << -inf << false << 0 << Action::Typo;
    QTest::newRow("tiny") << "1e-999999" << 0.0 << true << 0 << Action::Store;
    QTest::newRow("zero with a huge exponent") << "0e99999" << 0.0 << true << 0 << Action::Store;
    QTest::newRow("hexadecimal is not read") << "0x10" << 0.0 << false << 0 << Action::Typo;
    QTest::newRow("decimal comma is not read") << "2,5" << 2.0 << false << 0 << Action::Typo;
    QTest::newRow("two signs") << "--5" << 0.0 << false << 0 << Action::Typo;
    QTest::newRow("non-ASCII") << QString::fromUtf8("１２") << 0.0 << false << 0 << Action::Typo;
}

void TestTableLimit::readings()
{
    QFETCH(QString, text);
    QFETCH(double, lenient);
    QFETCH(bool, converts);
    QFETCH(int, strict);
    QFETCH(Action, action);

    const std::string utf8 = text.toStdString();
    QCOMPARE(leadingNumber(utf8), lenient);
    const auto converted = wholeNumber(utf8);
    QCOMPARE(converted.has_value(), converts);
    if (converts)
        QCOMPARE(*converted, strict);
    const TableLimitDecision decision = decideTableLimit(utf8);
    QCOMPARE(decision.action, action);
    if (action == Action::Store)
        QCOMPARE(decision.value, strict);
}

void TestTableLimit::longTexts()
{
    // No length limit: a megabyte of digits is still read, and quickly.
    const std::string nines(1 << 20, '9');
    QCOMPARE(leadingNumber(nines), std::numeric_limits<double>::infinity());
    QVERIFY(!wholeNumber(nines).has_value());
    QCOMPARE(decideTableLimit(nines).action, Action::TooHigh);

    const std::string zeros = std::string(1 << 20, '0') + "42";
    QCOMPARE(leadingNumber(zeros), 42.0);
    QCOMPARE(wholeNumber(zeros).value_or(0), 42);

    const std::string fraction = "7." + std::string(1 << 20, '0') + "1";
    QCOMPARE(wholeNumber(fraction).value_or(0), 7);
    QCOMPARE(decideTableLimit(fraction).value, 7);
}

QTEST_APPLESS_MAIN(TestTableLimit)
#include "tst_tablelimit.moc"

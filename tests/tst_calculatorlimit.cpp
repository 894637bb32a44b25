// Typing the table limit into the calculator: read key by key, the last stored limit kept, too
// high a limit set back to the bound, a typo told and left as typed.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "calculatortest.h"
#include "messages.h"

namespace {

const QString typo = QStringLiteral("You made a typo, mahjongaddict");
const QString tooHigh = QStringLiteral("limit is toooooooo high");

} // namespace

class TestCalculatorLimit : public QObject, protected CalculatorWindowTest {
    Q_OBJECT

private slots:
    void init() { openTheWindow(); }
    void cleanup() { closeTheWindow(); }

    void typingKeyByKey_data();
    void typingKeyByKey();
    void backspaceKeepsTheLastStoredLimit();
    void tooHighResetsToTheBound();
    void typoKeepsTheLimitAndTheText();
    void typoForAnOverflowingRecount();
};

void TestCalculatorLimit::typingKeyByKey_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QList<int>>("limits"); // tablelimit after each keystroke
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("120") << "120" << QList<int>{1, 12, 120} << QStringList{};
    QTest::newRow("-50") << "-50" << QList<int>{0, -5, -50} << QStringList{typo};
    QTest::newRow("12a") << "12a" << QList<int>{1, 12, 12} << QStringList{typo};
    QTest::newRow("2.5") << "2.5" << QList<int>{2, 2, 2} << QStringList{};
    QTest::newRow("3.5") << "3.5" << QList<int>{3, 3, 4} << QStringList{};
    QTest::newRow("abc") << "abc" << QList<int>{0, 0, 0} << QStringList{typo, typo, typo};
    QTest::newRow("blank") << " " << QList<int>{0} << QStringList{typo};
    QTest::newRow("0") << "0" << QList<int>{0} << QStringList{};
    QTest::newRow("65536") << "65536" << QList<int>{6, 65, 655, 6553, 65536} << QStringList{};
}

void TestCalculatorLimit::typingKeyByKey()
{
    QFETCH(QString, keys);
    QFETCH(QList<int>, limits);
    QFETCH(QStringList, messages);

    QSignalSpy changes(text1(), &QLineEdit::textChanged);
    QList<int> seen;
    QStringList captions;
    for (const QChar key : keys) {
        QTest::keyClick(text1(), key.toLatin1());
        seen << Module1::tablelimit;
        captions << label(38)->text();
    }
    QCOMPARE(changes.count(), keys.size());
    QCOMPARE(seen, limits);
    QCOMPARE(text1()->text(), keys);
    m_catcher->expect(messages, QMessageBox::Warning);
    // Every stored non-zero limit recounted the empty sheet.
    for (qsizetype i = 0; i < limits.size(); ++i) {
        if (limits[i] != 0)
            QVERIFY(!captions[i].isEmpty());
    }
}

void TestCalculatorLimit::backspaceKeepsTheLastStoredLimit()
{
    QTest::keyClicks(text1(), "120");
    click(check(57));
    QCOMPARE(label(37)->text(), QStringLiteral(" 480"));
    QTest::keyClick(text1(), Qt::Key_Backspace);
    QCOMPARE(Module1::tablelimit, 12);
    QCOMPARE(label(37)->text(), QStringLiteral(" 48"));
    QTest::keyClick(text1(), Qt::Key_Backspace);
    QTest::keyClick(text1(), Qt::Key_Backspace);
    QVERIFY(text1()->text().isEmpty());
    QCOMPARE(Module1::tablelimit, 1);
    QCOMPARE(label(37)->text(), QStringLiteral(" 4"));
    QCOMPARE(label(38)->text(), QStringLiteral(" 160"));
}

void TestCalculatorLimit::tooHighResetsToTheBound()
{
    QSignalSpy changes(text1(), &QLineEdit::textChanged);
    QTest::keyClicks(text1(), "65537");
    m_catcher->expect({tooHigh}, QMessageBox::Critical);
    QCOMPARE(text1()->text(), QStringLiteral(" 65536"));
    QCOMPARE(Module1::tablelimit, 65536);
    QCOMPARE(text1()->cursorPosition(), 6);
    // The program's own change ran the handling too.
    QCOMPARE(changes.count(), 6);
    QCOMPARE(label(38)->text(), QStringLiteral(" 20"));

    // Pasted whole: one change by the player, one by the program.
    for (const QString& pasted :
         {QStringLiteral("65536.4"), QStringLiteral("99999999999"), QStringLiteral("1e9")}) {
        Module1::tablelimit = 7;
        changes.clear();
        text1()->setText(pasted);
        m_catcher->expect({tooHigh}, QMessageBox::Critical);
        QCOMPARE(text1()->text(), QStringLiteral(" 65536"));
        QCOMPARE(Module1::tablelimit, 65536);
        QCOMPARE(changes.count(), 2);
    }

    // Typed on, each key past the bound is too high again.
    QTest::keyClicks(text1(), "9");
    m_catcher->expect({tooHigh}, QMessageBox::Critical);
    QCOMPARE(text1()->text(), QStringLiteral(" 65536"));
}

void TestCalculatorLimit::typoKeepsTheLimitAndTheText()
{
    QTest::keyClicks(text1(), "12");
    QTest::keyClicks(text1(), "a");
    m_catcher->expect({typo}, QMessageBox::Warning);
    QCOMPARE(Module1::tablelimit, 12);
    QCOMPARE(text1()->text(), QStringLiteral("12a"));
    QTest::keyClicks(text1(), "b");
    m_catcher->expect({typo}, QMessageBox::Warning);
    // The minus, then ten and eleven nines are typos; nine nines still fit.
    typeLimit(QStringLiteral("-99999999999"));
    m_catcher->expect({typo, typo, typo}, QMessageBox::Warning);
    QCOMPARE(Module1::tablelimit, -999999999);
    QTest::keyClick(text1(), Qt::Key_Backspace);
    m_catcher->expect({typo}, QMessageBox::Warning);
    QCOMPARE(Module1::tablelimit, -999999999);
    typeLimit(QStringLiteral("-2147483649"));
    m_catcher->expect({typo, typo}, QMessageBox::Warning); // the minus and the last digit
    QCOMPARE(Module1::tablelimit, -214748364);
}

void TestCalculatorLimit::typoForAnOverflowingRecount()
{
    clickBoxes({60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71});
    text1()->setText(QStringLiteral("65536"));
    m_catcher->expect({typo}, QMessageBox::Warning);
    QCOMPARE(Module1::tablelimit, 65536); // stored before the recount failed
    QVERIFY(label(37)->text().isEmpty());
}

QTEST_MAIN(TestCalculatorLimit)
#include "tst_calculatorlimit.moc"

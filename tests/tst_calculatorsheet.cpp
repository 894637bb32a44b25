// The calculator's sheet: ticks, flowers and the clear buttons recount the results in every
// order; a count that overflows leaves them as they were; a fill ticks the sheet as asked.
#include <algorithm>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "calculatortest.h"
#include "messages.h"
#include "numbertext.h"
#include "pointscount.h"

class TestCalculatorSheet : public QObject, protected CalculatorWindowTest {
    Q_OBJECT

private slots:
    void init() { openTheWindow(); }
    void cleanup() { closeTheWindow(); }

    void noResultsWithoutATableLimit();
    void results_data();
    void results();
    void eastChangesOnlyTheValue();
    void tickAndClearRestoresResults();
    void orderOfTicksDoesNotMatter();
    void overflowFromAClickLeavesTheResults();
    void flowerCounter();
    void clearAllButTableLimit();
    void clearAll();
    void clearingAnOverflowingSheetReportsOnce();
    void fillSheet_data();
    void fillSheet();
};

void TestCalculatorSheet::noResultsWithoutATableLimit()
{
    clickBoxes({2, 57, 1});
    click(command(5));
    click(command(4));
    click(command(5));
    QVERIFY(label(37)->text().isEmpty());
    QVERIFY(label(38)->text().isEmpty());
    QCOMPARE(label(36)->text(), QStringLiteral(" 1"));
    // The ticks count as soon as a limit is set.
    QTest::keyClicks(text1(), "500");
    QCOMPARE(label(38)->text(), QStringLiteral(" 180")); // 22 x 8 + 4
}

void TestCalculatorSheet::results_data()
{
    QTest::addColumn<QString>("limit");
    QTest::addColumn<BoxList>("boxes");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("count");

    QTest::newRow("empty sheet") << "500" << BoxList{} << 0 << " 80"
                                 << " 20";
    QTest::newRow("open pong") << "500" << BoxList{2} << 0 << " 88"
                               << " 22";
    QTest::newRow("open pong, East") << "500" << BoxList{2, 1} << 0 << " 132"
                                     << " 22";
    QTest::newRow("pure capped") << "50" << BoxList{57} << 0 << " 200"
                                 << " 160";
    QTest::newRow("pure capped, East") << "50" << BoxList{57, 1} << 0 << " 300"
                                       << " 160";
    QTest::newRow("count equal to the limit") << "22" << BoxList{2} << 0 << " 88"
                                              << " 22";
    QTest::newRow("all honors, FA") << "500" << BoxList{60, 61, 62} << 0 << " 2000"
                                    << " 2000";
    QTest::newRow("all honors, FA, East") << "500" << BoxList{60, 61, 62, 1} << 0 << " 3000"
                                          << " 2000";
    QTest::newRow("negative limit") << "-50" << BoxList{2} << 0 << "-200"
                                    << " 22";
    QTest::newRow("negative limit, East") << "-50" << BoxList{2, 1} << 0 << "-300"
                                          << " 22";
    QTest::newRow("all honors, flowers, FA") << "300" << BoxList{60, 61, 2, 14} << 2 << " 1200"
                                             << " 616";
    QTest::newRow("value shown at 20 and below") << "5" << BoxList{59} << 0 << " 20"
                                                 << " 5";
    QTest::newRow("product beyond 32 bits") << "-2147483648" << BoxList{1} << 0 << "-12884901888"
                                            << " 20";
}

void TestCalculatorSheet::results()
{
    QFETCH(QString, limit);
    QFETCH(BoxList, boxes);
    QFETCH(int, flowers);
    QFETCH(QString, value);
    QFETCH(QString, count);

    QTest::keyClicks(text1(), limit);
    m_catcher->take(); // typing a minus first is a typo of its own
    clickBoxes(boxes);
    for (int i = 0; i < flowers; ++i)
        click(command(5));
    QCOMPARE(label(37)->text(), value);
    QCOMPARE(label(38)->text(), count);
    QCOMPARE(Module1::points, count.toInt());
}

void TestCalculatorSheet::eastChangesOnlyTheValue()
{
    QTest::keyClicks(text1(), "1000");
    clickBoxes({6, 7, 54});
    QCOMPARE(label(37)->text(), QStringLiteral(" 224"));
    click(check(1));
    QCOMPARE(label(37)->text(), QStringLiteral(" 336"));
    QCOMPARE(label(38)->text(), QStringLiteral(" 56"));
    click(check(1));
    QCOMPARE(label(37)->text(), QStringLiteral(" 224"));
    QCOMPARE(label(38)->text(), QStringLiteral(" 56"));
}

void TestCalculatorSheet::tickAndClearRestoresResults()
{
    QTest::keyClicks(text1(), "300");
    clickBoxes({2, 22, 54});
    const QString value = label(37)->text();
    const QString count = label(38)->text();
    for (int n = 1; n <= 72; ++n) {
        if (n == 51)
            continue;
        click(check(n));
        click(check(n));
        QCOMPARE(label(37)->text(), value);
        QCOMPARE(label(38)->text(), count);
    }
    // The third box of a row counts as the first.
    click(check(2));
    click(check(4));
    QCOMPARE(label(38)->text(), count);
}

void TestCalculatorSheet::orderOfTicksDoesNotMatter()
{
    const BoxList boxes{2, 7, 19, 40, 50, 54, 61, 70, 1};
    QTest::keyClicks(text1(), "2000");
    clickBoxes(boxes);
    click(command(5));
    const QString value = label(37)->text();
    const QString count = label(38)->text();
    QCOMPARE(count, QStringLiteral(" 336")); // (40 x 2 + 4) x 2 x 2
    click(command(7));
    click(command(5));
    for (auto it = boxes.crbegin(); it != boxes.crend(); ++it)
        click(check(*it));
    QCOMPARE(label(37)->text(), value);
    QCOMPARE(label(38)->text(), count);
}

void TestCalculatorSheet::overflowFromAClickLeavesTheResults()
{
    QTest::keyClicks(text1(), "65536");
    clickBoxes({60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70});
    QCOMPARE(label(38)->text(), QStringLiteral(" 1073741824"));
    QCOMPARE(label(37)->text(), QStringLiteral(" 262144"));
    click(check(71));
    const auto caught = m_catcher->take();
    QCOMPARE(caught.size(), 1);
    QCOMPARE(caught[0].text, overflowMessage());
    QCOMPARE(caught[0].icon, QMessageBox::Critical);
    QCOMPARE(caught[0].title, applicationTitle());
    QVERIFY(caught[0].okOnly);
    QVERIFY(check(71)->isChecked());
    QCOMPARE(label(38)->text(), QStringLiteral(" 1073741824"));
    QCOMPARE(label(37)->text(), QStringLiteral(" 262144"));
    QVERIFY(m_window->isVisible());
    // The window keeps working.
    click(check(71));
    click(check(1));
    QCOMPARE(label(37)->text(), QStringLiteral(" 393216"));
}

void TestCalculatorSheet::flowerCounter()
{
    QTest::keyClicks(text1(), "1000");
    click(command(5));
    QCOMPARE(label(36)->text(), QStringLiteral(" 1"));
    QCOMPARE(label(38)->text(), QStringLiteral(" 24"));
    for (int i = 0; i < 8; ++i)
        click(command(5));
    QCOMPARE(label(36)->text(), QStringLiteral(" 8"));
    QCOMPARE(Module1::flowercount, 8);
    QCOMPARE(label(38)->text(), QStringLiteral(" 52"));
    for (int i = 0; i < 7; ++i)
        click(command(4));
    QCOMPARE(label(36)->text(), QStringLiteral(" 1"));
    click(command(4));
    QVERIFY(label(36)->text().isEmpty());
    click(command(4));
    QVERIFY(label(36)->text().isEmpty());
    QCOMPARE(Module1::flowercount, 0);
    QCOMPARE(label(38)->text(), QStringLiteral(" 20"));
    // A click that changes nothing still recounts.
    Module1::tablelimit = 10;
    click(command(4));
    QCOMPARE(label(37)->text(), QStringLiteral(" 40"));
}

void TestCalculatorSheet::clearAllButTableLimit()
{
    QTest::keyClicks(text1(), "120");
    clickBoxes({1, 2, 3, 57, 72});
    click(command(5));
    click(command(5));
    QVERIFY(!label(37)->text().isEmpty());
    text1()->clearFocus();
    click(command(7));
    for (int n = 1; n <= 72; ++n) {
        if (n != 51)
            QVERIFY(!check(n)->isChecked());
    }
    QCOMPARE(Module1::flowercount, 0);
    QCOMPARE(Module1::points, 20);
    QVERIFY(label(36)->text().isEmpty());
    QVERIFY(label(37)->text().isEmpty());
    QVERIFY(label(38)->text().isEmpty());
    QCOMPARE(text1()->text(), QStringLiteral("120"));
    QCOMPARE(Module1::tablelimit, 120);
    QCOMPARE(QApplication::focusWidget(), text1());
    // The next click shows the results again.
    click(command(5));
    QCOMPARE(label(38)->text(), QStringLiteral(" 24"));
}

void TestCalculatorSheet::clearAll()
{
    QTest::keyClicks(text1(), "120");
    clickBoxes({1, 30, 60});
    click(command(5));
    QSignalSpy changes(text1(), &QLineEdit::textChanged);
    click(command(6));
    QCOMPARE(changes.count(), 1);
    QVERIFY(text1()->text().isEmpty());
    QCOMPARE(Module1::tablelimit, 0);
    QCOMPARE(Module1::flowercount, 0);
    QCOMPARE(Module1::points, 20);
    QVERIFY(!check(1)->isChecked() && !check(30)->isChecked() && !check(60)->isChecked());
    QVERIFY(label(36)->text().isEmpty());
    QVERIFY(label(37)->text().isEmpty());
    QVERIFY(label(38)->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), text1());
    // Already empty: no change handling the second time.
    click(command(6));
    QCOMPARE(changes.count(), 1);
    // A new limit counts the cleared sheet.
    QTest::keyClicks(text1(), "7");
    QCOMPARE(label(37)->text(), QStringLiteral(" 28"));
    QCOMPARE(label(38)->text(), QStringLiteral(" 20"));
}

void TestCalculatorSheet::clearingAnOverflowingSheetReportsOnce()
{
    QTest::keyClicks(text1(), "65536");
    clickBoxes({1, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72});
    QCOMPARE(m_catcher->take().size(), 2); // the ticks of 71 and 72 overflowed
    click(command(7));
    const auto caught = m_catcher->take();
    QCOMPARE(caught.size(), 1);
    QCOMPARE(caught[0].text, overflowMessage());
    QCOMPARE(caught[0].icon, QMessageBox::Critical);
    for (int n = 1; n <= 72; ++n) {
        if (n != 51)
            QVERIFY(!check(n)->isChecked());
    }
    QVERIFY(label(37)->text().isEmpty());
    QVERIFY(label(38)->text().isEmpty());
    QCOMPARE(m_window->focusWidget(), text1());
}

void TestCalculatorSheet::fillSheet_data()
{
    QTest::addColumn<QString>("limit");
    QTest::addColumn<BoxList>("before");
    QTest::addColumn<int>("flowersBefore");
    QTest::addColumn<BoxList>("after");
    QTest::addColumn<int>("flowersAfter");
    QTest::addColumn<int>("overflows"); // messages the filling shows

    QTest::newRow("empty sheet to a hand")
        << "500" << BoxList{} << 0 << BoxList{1, 6, 18, 38, 50, 52, 56, 65} << 2 << 0;
    QTest::newRow("one hand to another")
        << "500" << BoxList{2, 3, 57, 61, 72} << 3 << BoxList{1, 14, 54, 59} << 1 << 0;
    QTest::newRow("a hand to the empty sheet")
        << "120" << BoxList{1, 30, 60} << 8 << BoxList{} << 0 << 0;
    QTest::newRow("same sheet") << "500" << BoxList{1, 2, 57} << 2 << BoxList{1, 2, 57} << 2 << 0;
    QTest::newRow("no table limit") << "" << BoxList{34} << 0 << BoxList{2, 57} << 4 << 0;
    QTest::newRow("negative limit") << "-50" << BoxList{} << 0 << BoxList{2, 60, 63} << 0 << 0;
    // Neither sheet overflows, but all honors under this limit with the old FA boxes would:
    // the old boxes must go before the new ones come.
    QTest::newRow("old multipliers, new all honors")
        << "-999999999" << BoxList{61, 62} << 0 << BoxList{60} << 0 << 0;
    QTest::newRow("new sheet overflows")
        << "65536" << BoxList{} << 0
        << BoxList{1, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72} << 0 << 1;
}

void TestCalculatorSheet::fillSheet()
{
    QFETCH(QString, limit);
    QFETCH(BoxList, before);
    QFETCH(int, flowersBefore);
    QFETCH(BoxList, after);
    QFETCH(int, flowersAfter);
    QFETCH(int, overflows);

    QTest::keyClicks(text1(), limit);
    clickBoxes(before);
    for (int i = 0; i < flowersBefore; ++i)
        click(command(5));
    m_catcher->take();
    const QString label37Before = label(37)->text();
    const QString label38Before = label(38)->text();

    // Every change goes through the control's own handling, and nothing else changes.
    QList<int> toggled;
    for (int n = 1; n <= 72; ++n) {
        if (n != 51)
            connect(check(n), &QCheckBox::toggled, this, [&toggled, n] { toggled << n; });
    }
    QSignalSpy less(command(4), &QPushButton::clicked);
    QSignalSpy more(command(5), &QPushButton::clicked);
    m_window->fillSheet(tick(after), flowersAfter);

    QCOMPARE(m_window->boxValues(), tick(after));
    QList<int> changed;
    for (int n = 1; n <= 72; ++n) {
        if (before.contains(n) != after.contains(n))
            changed << n;
    }
    std::sort(toggled.begin(), toggled.end());
    QCOMPARE(toggled, changed);
    QCOMPARE(less.count(), qMax(0, flowersBefore - flowersAfter));
    QCOMPARE(more.count(), qMax(0, flowersAfter - flowersBefore));
    QCOMPARE(Module1::flowercount, flowersAfter);
    QCOMPARE(label(36)->text(),
             flowersAfter == 0 ? QString() : QStringLiteral(" %1").arg(flowersAfter));
    QCOMPARE(text1()->text(), limit);

    if (overflows > 0) {
        const auto caught = m_catcher->take();
        QCOMPARE(caught.size(), overflows);
        QCOMPARE(caught[0].text, overflowMessage());
        QCOMPARE(caught[0].icon, QMessageBox::Critical);
        return;
    }
    if (limit.isEmpty()) {
        QCOMPARE(label(37)->text(), label37Before);
        QCOMPARE(label(38)->text(), label38Before);
        return;
    }
    const qint32 count = countPoints(tick(after), flowersAfter, Module1::tablelimit);
    const qint64 value = cappedValue(count, Module1::tablelimit) * eastFactor(after.contains(1));
    QCOMPARE(label(38)->text(), QString::fromStdString(numberText(count)));
    QCOMPARE(label(37)->text(), QString::fromStdString(numberText(value)));
}

QTEST_MAIN(TestCalculatorSheet)
#include "tst_calculatorsheet.moc"

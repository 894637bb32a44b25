#include <algorithm>
#include <memory>

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "calculatorwindow.h"
#include "messageboxcatcher.h"
#include "messages.h"
#include "module1.h"
#include "numbertext.h"
#include "pointscount.h"
#include "testhelpers.h"

using BoxList = QList<int>;

namespace {

const QString typo = QStringLiteral("You made a typo, mahjongaddict");
const QString tooHigh = QStringLiteral("limit is toooooooo high");
const QString honorHint = QStringLiteral(
    "If the honor pong/kong is a dragon/prevailing/seat wind also check the box closed "
    "pong/kong dragon/seat or prevailing wind (on the right side)!");

} // namespace

class TestCalculatorWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutAndCaptions();
    void tabOrder();
    void noResultsWithoutATableLimit();
    void results_data();
    void results();
    void eastChangesOnlyTheValue();
    void tickAndClearRestoresResults();
    void orderOfTicksDoesNotMatter();
    void typingKeyByKey_data();
    void typingKeyByKey();
    void backspaceKeepsTheLastStoredLimit();
    void tooHighResetsToTheBound();
    void typoKeepsTheLimitAndTheText();
    void typoForAnOverflowingRecount();
    void overflowFromAClickLeavesTheResults();
    void flowerCounter();
    void clearAllButTableLimit();
    void clearAll();
    void clearingAnOverflowingSheetReportsOnce();
    void fillSheet_data();
    void fillSheet();
    void hintButtons_data();
    void hintButtons();
    void accessibleNames_data();
    void accessibleNames();

private:
    QCheckBox* check(int n) const { return numbered<QCheckBox>(m_window.get(), "Check", n); }
    QLabel* label(int n) const { return numbered<QLabel>(m_window.get(), "Label", n); }
    QPushButton* command(int n) const
    {
        return numbered<QPushButton>(m_window.get(), "Command", n);
    }
    QLineEdit* text1() const { return m_window->findChild<QLineEdit*>(QStringLiteral("Text1")); }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickBoxes(const BoxList& boxes)
    {
        for (int n : boxes)
            click(check(n));
    }
    void typeLimit(const QString& text)
    {
        text1()->clear();
        QTest::keyClicks(text1(), text);
    }
    std::unique_ptr<MessageBoxCatcher> m_catcher;
    std::unique_ptr<CalculatorWindow> m_window;
};

void TestCalculatorWindow::init()
{
    Module1::reset();
    Module1::points = 12345; // the load step must not depend on it
    m_catcher = std::make_unique<MessageBoxCatcher>();
    m_window = std::make_unique<CalculatorWindow>();
    m_window->setVisible(true);
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestCalculatorWindow::cleanup()
{
    m_window.reset();
    m_catcher->expectNoneLeft();
    m_catcher.reset();
}

void TestCalculatorWindow::layoutAndCaptions()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Zorvan! Mah-Jongg Calculator"));
    QCOMPARE(m_window->centralWidget()->size(), QSize(608, 473));
    QCOMPARE(label(11)->text(), QStringLiteral("open kong  1 or 9"));
    QCOMPARE(label(35)->text(), QStringLiteral("MJ on a PONG of dragons/prev /seat wind"));
    QCOMPARE(label(4)->text(), QStringLiteral("Zorvan! Points"));
    QCOMPARE(label(3)->text(), QStringLiteral("Your hand is worth"));
    QCOMPARE(label(18), nullptr);
    QCOMPARE(check(51), nullptr);
    for (int n = 1; n <= 72; ++n) {
        if (n == 51)
            continue;
        QVERIFY2(check(n), qPrintable(QStringLiteral("Check%1").arg(n)));
        QVERIFY(check(n)->text().isEmpty());
        QVERIFY(!check(n)->isChecked());
        QCOMPARE(check(n)->size(), QSize(17, 17));
    }
    // Twips divided by 15: a few controls of each kind at their places.
    QCOMPARE(text1()->geometry(), QRect(72, 16, 65, 19));
    QCOMPARE(check(1)->geometry(), QRect(240, 16, 17, 17));
    QCOMPARE(label(37)->geometry(), QRect(336, 16, 73, 17));
    QCOMPARE(label(38)->geometry(), QRect(528, 16, 57, 17));
    QCOMPARE(check(5)->geometry(), QRect(256, 56, 17, 17));
    QCOMPARE(check(49)->geometry(), QRect(256, 336, 17, 17));
    QCOMPARE(label(17)->geometry(), QRect(8, 368, 193, 17));
    QCOMPARE(check(53)->geometry(), QRect(208, 416, 17, 17));
    QCOMPARE(label(34)->geometry(), QRect(312, 432, 209, 17));
    QCOMPARE(check(67)->geometry(), QRect(560, 328, 17, 17));
    QCOMPARE(command(1)->geometry(), QRect(280, 288, 17, 17));
    QCOMPARE(command(3)->geometry(), QRect(552, 80, 17, 17));
    QCOMPARE(command(4)->geometry(), QRect(528, 248, 17, 17));
    QCOMPARE(label(36)->geometry(), QRect(552, 248, 17, 17));
    QCOMPARE(command(5)->geometry(), QRect(576, 248, 17, 17));
    QCOMPARE(command(6)->geometry(), QRect(24, 448, 81, 17));
    QCOMPARE(command(7)->geometry(), QRect(160, 448, 129, 17));
    QCOMPARE(command(6)->text(), QStringLiteral("Clear ALL"));
    QCOMPARE(command(7)->text(), QStringLiteral("Clear all BUT table limit"));
    QCOMPARE(command(4)->text(), QStringLiteral("--"));
    QCOMPARE(command(5)->text(), QStringLiteral("+"));
    const auto* line = m_window->findChild<QFrame*>(QStringLiteral("Line1"));
    QVERIFY(line);
    QCOMPARE(line->x(), 304);
    QCOMPARE(line->y(), 56);
    QVERIFY(label(37)->text().isEmpty() && label(38)->text().isEmpty());
    QVERIFY(label(36)->text().isEmpty() && text1()->text().isEmpty());

    // Resizing moves nothing.
    m_window->resize(900, 700);
    QCOMPARE(check(67)->geometry(), QRect(560, 328, 17, 17));
}

void TestCalculatorWindow::tabOrder()
{
    QCOMPARE(QApplication::focusWidget(), text1());
    QStringList expected{"Text1"};
    for (int n = 1; n <= 53; ++n) {
        if (n != 51)
            expected << QStringLiteral("Check%1").arg(n);
    }
    expected << "Command1"
             << "Command2"
             << "Check54"
             << "Check55"
             << "Command3";
    for (int n = 56; n <= 60; ++n)
        expected << QStringLiteral("Check%1").arg(n);
    expected << "Command4"
             << "Command5";
    for (int n = 61; n <= 72; ++n)
        expected << QStringLiteral("Check%1").arg(n);
    expected << "Command6"
             << "Command7"
             << "Text1";

    QStringList actual;
    QWidget* widget = text1();
    for (int i = 0; i < expected.size(); ++i) {
        actual << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible())
            widget = widget->nextInFocusChain();
    }
    QCOMPARE(actual, expected);
}

void TestCalculatorWindow::noResultsWithoutATableLimit()
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

void TestCalculatorWindow::results_data()
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

void TestCalculatorWindow::results()
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

void TestCalculatorWindow::eastChangesOnlyTheValue()
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

void TestCalculatorWindow::tickAndClearRestoresResults()
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

void TestCalculatorWindow::orderOfTicksDoesNotMatter()
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

void TestCalculatorWindow::typingKeyByKey_data()
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

void TestCalculatorWindow::typingKeyByKey()
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

void TestCalculatorWindow::backspaceKeepsTheLastStoredLimit()
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

void TestCalculatorWindow::tooHighResetsToTheBound()
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

void TestCalculatorWindow::typoKeepsTheLimitAndTheText()
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

void TestCalculatorWindow::typoForAnOverflowingRecount()
{
    clickBoxes({60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71});
    text1()->setText(QStringLiteral("65536"));
    m_catcher->expect({typo}, QMessageBox::Warning);
    QCOMPARE(Module1::tablelimit, 65536); // stored before the recount failed
    QVERIFY(label(37)->text().isEmpty());
}

void TestCalculatorWindow::overflowFromAClickLeavesTheResults()
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

void TestCalculatorWindow::flowerCounter()
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

void TestCalculatorWindow::clearAllButTableLimit()
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

void TestCalculatorWindow::clearAll()
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

void TestCalculatorWindow::clearingAnOverflowingSheetReportsOnce()
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

void TestCalculatorWindow::fillSheet_data()
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

void TestCalculatorWindow::fillSheet()
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

void TestCalculatorWindow::hintButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("closed pong honor") << 1 << honorHint;
    QTest::newRow("closed kong honor") << 2 << honorHint;
    QTest::newRow("worthless hand")
        << 3 << "This does not aply when you have a pair of dragons or prevailing/seat winds !";
}

void TestCalculatorWindow::hintButtons()
{
    QFETCH(int, button);
    QFETCH(QString, message);
    QTest::keyClicks(text1(), "300");
    clickBoxes({2, 55});
    click(command(5));
    const QString value = label(37)->text();
    const int points = Module1::points;
    click(command(button));
    m_catcher->expect({message}, QMessageBox::Warning);
    QCOMPARE(label(37)->text(), value);
    QCOMPARE(Module1::points, points);
    QCOMPARE(Module1::flowercount, 1);
    QVERIFY(check(2)->isChecked() && check(55)->isChecked());
}

void TestCalculatorWindow::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("first set box") << "Check2"
                                   << "open pong 2-8, set 1 of 4";
    QTest::newRow("last set box") << "Check49"
                                  << "closed kong honor, set 4 of 4";
    QTest::newRow("two blanks kept") << "Check29"
                                     << "open kong  1 or 9, set 4 of 4";
    QTest::newRow("single box") << "Check52"
                                << "self pick to MJ";
    QTest::newRow("right column") << "Check62"
                                  << "FA from own seat, 2 of 2";
    QTest::newRow("dragons") << "Check66"
                             << "closed pong/kong dragons, 2 of 3";
    QTest::newRow("East") << "Check1"
                          << "Check when East";
    QTest::newRow("table limit") << "Text1"
                                 << "Table limit";
    QTest::newRow("down") << "Command4"
                          << "One flower or season less";
    QTest::newRow("up") << "Command5"
                        << "One flower or season more";
    QTest::newRow("hint") << "Command3"
                          << "Hint on worthless hand";
    QTest::newRow("value") << "Label37"
                           << "Zorvan! Points";
    QTest::newRow("count") << "Label38"
                           << "Your hand is worth";
    QTest::newRow("flower count") << "Label36"
                                  << "Flowers and seasons";
}

void TestCalculatorWindow::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    auto* widget = m_window->findChild<QWidget*>(control);
    QVERIFY(widget);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculatorwindow.moc"

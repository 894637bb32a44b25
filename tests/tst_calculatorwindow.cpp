// The calculator window: its controls at their places with their captions, the order Tab walks,
// the hints, and the names a screen reader gives.
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "calculatortest.h"

namespace {

const QString honorHint = QStringLiteral(
    "If the honor pong/kong is a dragon/prevailing/seat wind also check the box closed "
    "pong/kong dragon/seat or prevailing wind (on the right side)!");

} // namespace

class TestCalculatorWindow : public QObject, protected CalculatorWindowTest {
    Q_OBJECT

private slots:
    void init() { openTheWindow(); }
    void cleanup() { closeTheWindow(); }

    void layoutAndCaptions();
    void tabOrder();
    void hintButtons_data();
    void hintButtons();
    void accessibleNames_data();
    void accessibleNames();
};

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

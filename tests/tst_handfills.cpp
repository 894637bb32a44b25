// The hand window filling the calculator's sheet and the fan counter's board, as zorvan-hand
// --json says the same hand fills them; and the calculator closed for good.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "fancounterwindow.h"
#include "handwindowtest.h"
#include "messages.h"

namespace {

const QString maxedOutText =
    QStringLiteral("Zorvan has no more fingers left to count your fans(YOUR MAXED OUT, WELL DONE)");
const QString calculatorClosedTip = QStringLiteral("The calculator window has been closed.");

} // namespace

class TestHandFills : public QObject, protected HandWindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fillCalculator_data();
    void fillCalculator();
    void calculatorClosed();
    void fillFanCounter_data();
    void fillFanCounter();
};

void TestHandFills::init()
{
    startWithHandWindow();
}

void TestHandFills::cleanup()
{
    stopTheProgram();
}

void TestHandFills::fillCalculator_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("limit");  // typed into the calculator first
    QTest::addColumn<Numbers>("before"); // boxes ticked on the calculator first
    QTest::addColumn<Numbers>("sheet");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<QString>("label38");
    QTest::addColumn<QString>("label37");
    QTest::addColumn<bool>("overflow");

    QTest::newRow("open pong 2-8, East") << "[222m] 123p 456p 78s 55s +9s" << 0 << 0 << ""
                                         << "500" << Numbers{} << Numbers{1, 2} << 0 << " 22"
                                         << " 132" << false;
    QTest::newRow("over another sheet, South")
        << "[222z] 333z [4444z] (5555z) 1m +1m" << 1 << 2 << ""
        << "500" << Numbers{1, 3, 57, 61} << Numbers{34, 38, 42, 46, 53, 54, 56, 58, 65, 68} << 0
        << " 2624"
        << " 2000" << false;
    QTest::newRow("flowers and seasons")
        << "123m 456m 789m 23p 55p +4p 1234f 1y" << 0 << 0 << ""
        << "500" << Numbers{} << Numbers{1, 55, 61, 62, 63} << 5 << " 1920"
        << " 3000" << false;
    QTest::newRow("all terminals under the calculator's limit")
        << "111m 999m [111p] 99s 11s +1s" << 0 << 0 << ""
        << "300" << Numbers{} << Numbers{1, 18, 19, 22, 23, 54, 59} << 0 << " 300"
        << " 1800" << false;
    QTest::newRow("conditions") << "[234m] [567p] [678s] 789s 4z +4z" << 3 << 1
                                << "LastTile SupplementTile RobbingKong NoFaTable"
                                << "500" << Numbers{} << Numbers{50, 53, 71, 72} << 0 << " 96"
                                << " 384" << false;
    // No limit: the sheet is ticked, and the calculator shows its results once one is typed.
    QTest::newRow("no table limit") << "55p 33p 123m 456m 789m +5p" << 0 << 0 << "SelfDrawn"
                                    << "" << Numbers{} << Numbers{1, 6, 52} << 0 << ""
                                    << "" << false;
    // All honors under 65536 with every multiplier after it: the last tile's x2 leaves 32 bits.
    // The calculator reports it as a click would, and keeps the last results that fitted.
    QTest::newRow("overflow") << "(1111z) (5555z) (6666z) 22z 77z +7z 1234f 1234y" << 0 << 0
                              << "SelfDrawn LastTile"
                              << "65536" << Numbers{}
                              << Numbers{1,  38, 46, 47, 48, 52, 54, 60, 61, 62,
                                         63, 64, 65, 66, 67, 68, 69, 70, 71}
                              << 8 << " 1074266112"
                              << " 393216" << true;
}

void TestHandFills::fillCalculator()
{
    QFETCH(QString, typed);
    QFETCH(int, seat);
    QFETCH(int, round);
    QFETCH(QString, boxes);
    QFETCH(QString, limit);
    QFETCH(Numbers, before);
    QFETCH(Numbers, sheet);
    QFETCH(int, flowers);
    QFETCH(QString, label38);
    QFETCH(QString, label37);
    QFETCH(bool, overflow);

    QTest::keyClicks(m_calculator->findChild<QLineEdit*>("Text1"), limit);
    for (int n : before)
        numbered<QCheckBox>(m_calculator, "Check", n)->click();
    setConditions(seat, round, boxes);
    typeHand(typed);
    QVERIFY(fillCalculatorButton()->isEnabled());
    QCOMPARE(result()->text().contains("more than the calculator can count"), overflow);
    QTest::mouseClick(fillCalculatorButton(), Qt::LeftButton);
    m_catcher->expect(overflow ? QStringList{overflowMessage()} : QStringList{},
                      QMessageBox::Critical);

    QCOMPARE(tickedBoxes(m_calculator->boxValues()), sheet);
    QCOMPARE(Module1::flowercount, flowers);
    QCOMPARE(numbered<QLabel>(m_calculator, "Label", 36)->text(),
             flowers == 0 ? QString() : numberShown(flowers));
    QCOMPARE(numbered<QLabel>(m_calculator, "Label", 38)->text(), label38);
    QCOMPARE(numbered<QLabel>(m_calculator, "Label", 37)->text(), label37);
    QCOMPARE(m_calculator->findChild<QLineEdit*>("Text1")->text(), limit);
    // Brought to the front to show its sheet (the message box takes the front for a while).
    if (!overflow)
        QVERIFY(QTest::qWaitForWindowActive(m_calculator));

    // What zorvan-hand --json says of the same hand, conditions and limit.
    const QJsonObject json = zorvanHand(typed, seat, round, boxes, limit);
    QCOMPARE(numbersIn(json["boxes"]), sheet);
    QCOMPARE(json["flowers"].toInt(), flowers);
    QCOMPARE(json["overflow"].toBool(), overflow);
    if (!limit.isEmpty() && !overflow) {
        QCOMPARE(label38, numberShown(json["count"].toInteger()));
        QCOMPARE(label37, numberShown(json["value"].toInteger()));
    }
}

void TestHandFills::calculatorClosed()
{
    typeHand("[222m] 123p 456p 78s 55s +9s");
    QVERIFY(fillCalculatorButton()->isEnabled());
    QVERIFY(fillCalculatorButton()->toolTip() != calculatorClosedTip);
    m_calculator->close();
    deleteClosedWindows();
    QVERIFY(m_calculator.isNull());
    QVERIFY(!fillCalculatorButton()->isEnabled());
    QCOMPARE(fillCalculatorButton()->toolTip(), calculatorClosedTip);
    // It stays so whatever the hand; the fan counter can still be filled.
    typeHand("123p 456p 789p 11p 66z +6z");
    QVERIFY(!fillCalculatorButton()->isEnabled());
    QCOMPARE(fillCalculatorButton()->toolTip(), calculatorClosedTip);
    QVERIFY(fillFanCounterButton()->isEnabled());
    QTest::mouseClick(fillFanCounterButton(), Qt::LeftButton);
    QVERIFY(m_shell->windows().instance("Form3"));

    // A hand window opened after the calculator closed knows it from the start.
    m_window->close();
    deleteClosedWindows();
    QCOMPARE(m_shell->windows().instance("HandForm"), nullptr);
    QWidget* again = m_shell->windows().open("HandForm");
    auto* button = again->findChild<QPushButton*>("FillCalculator");
    QVERIFY(!button->isEnabled());
    QCOMPARE(button->toolTip(), calculatorClosedTip);
    again->close();
    m_shell->windows().instance("Form3")->close();
}

void TestHandFills::fillFanCounter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<bool>("openFirst"); // with a board of its own on it
    QTest::addColumn<Numbers>("pictures");
    QTest::addColumn<Numbers>("checks");
    QTest::addColumn<QString>("total");
    QTest::addColumn<int>("maximumMessages");

    QTest::newRow("closed fan counter: winds and a dragon")
        << "[222z] 333z [4444z] (5555z) 1m +1m" << 1 << 2 << "" << false
        << Numbers{3, 6, 10, 11, 12, 13} << Numbers{1, 3} << " 10" << 0;
    QTest::newRow("open fan counter: red dragon, all honors")
        << "111z 222z 333z 55z 77z +7z" << 0 << 0 << "" << true << Numbers{1, 5, 9, 10, 11, 14}
        << Numbers{1, 7} << " 7" << 1;
    QTest::newRow("flowers, seasons, all chows")
        << "123m 456m 789m 23p 55p +4p 1234f 1y" << 0 << 0 << "" << true
        << Numbers{1, 5, 16, 17, 18, 19, 20} << Numbers{2} << " 4" << 0;
    QTest::newRow("conditions and the NO FA table")
        << "[234m] [567p] [678s] 789s 4z +4z" << 3 << 1
        << "LastTile SupplementTile RobbingKong NoFaTable" << true << Numbers{2, 8}
        << Numbers{2, 8, 9, 10, 11} << " 4" << 0;
}

void TestHandFills::fillFanCounter()
{
    QFETCH(QString, typed);
    QFETCH(int, seat);
    QFETCH(int, round);
    QFETCH(QString, boxes);
    QFETCH(bool, openFirst);
    QFETCH(Numbers, pictures);
    QFETCH(Numbers, checks);
    QFETCH(QString, total);
    QFETCH(int, maximumMessages);

    QPointer<QWidget> fanCounter;
    if (openFirst) {
        // Something of its own on the board, the NO FA table the other way round.
        item("FancalculatorMenu")->trigger();
        fanCounter = m_shell->windows().instance("Form3");
        for (int n : {4, 7, 15, 23})
            QTest::mouseClick(numbered<QWidget>(fanCounter, "Picture", n), Qt::LeftButton);
        for (int n : {4, 5})
            numbered<QCheckBox>(fanCounter, "Check", n)->click();
        numbered<QCheckBox>(fanCounter, "Check", 11)->setChecked(!boxes.contains("NoFaTable"));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    } else {
        QCOMPARE(m_shell->windows().instance("Form3"), nullptr);
    }
    setConditions(seat, round, boxes);
    typeHand(typed);
    QTest::mouseClick(fillFanCounterButton(), Qt::LeftButton);

    auto* window = qobject_cast<FanCounterWindow*>(m_shell->windows().instance("Form3"));
    QVERIFY(window);
    if (openFirst)
        QCOMPARE(window, fanCounter.data());
    if (maximumMessages == 0)
        QVERIFY(QTest::qWaitForWindowActive(window));
    QStringList expectedMessages;
    for (int i = 0; i < maximumMessages; ++i)
        expectedMessages << maxedOutText;
    m_catcher->expect(expectedMessages, QMessageBox::NoIcon);

    for (int n = 1; n <= 23; ++n) {
        const bool selected = pictures.contains(n);
        QCOMPARE(Module1::tilestate[n - 1] == "aan", selected);
        // The look follows the flag; the tile's name says which look it shows.
        QVERIFY2(numbered<QWidget>(window, "Picture", n)
                     ->accessibleName()
                     .endsWith(selected ? ", selected" : ", not selected"),
                 qPrintable(QString::number(n)));
    }
    Numbers ticks;
    for (int n = 1; n <= 11; ++n) {
        if (numbered<QCheckBox>(window, "Check", n)->isChecked())
            ticks << n;
    }
    QCOMPARE(ticks, checks);
    QCOMPARE(numbered<QLabel>(window, "Label", 8)->text(), total);

    // What zorvan-hand --json says of the same hand and conditions.
    const QJsonObject json = zorvanHand(typed, seat, round, boxes, {});
    QCOMPARE(numbersIn(json["fanTiles"]), pictures);
    QCOMPARE(numbersIn(json["fanBoxes"]), checks);
    QCOMPARE(numberShown(json["fans"].toInt()), total);
    window->close();
}

QTEST_MAIN(TestHandFills)
#include "tst_handfills.moc"

#include <memory>

#include <QAccessible>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>

#include "calculatorwindow.h"
#include "checkedmath.h"
#include "explainedlabel.h"
#include "fancount.h"
#include "fancounterwindow.h"
#include "messageboxcatcher.h"
#include "module1.h"
#include "pointsworking.h"
#include "testhelpers.h"

using BoxList = QList<int>;

namespace {

// The working as the command line and an English window read it.
QStringList toQt(const std::vector<Phrase>& phrases)
{
    QStringList list;
    for (const std::string& line : english(phrases))
        list << QString::fromStdString(line);
    return list;
}

} // namespace

class TestWorking : public QObject {
    Q_OBJECT

private slots:
    void countWorking_data();
    void countWorking();
    void valueWorking_data();
    void valueWorking();
    void overflowWorking();
    void randomSheetsEndOnTheTotal();
    void tooltipsOnTheWindow();
    void nothingToExplainWhileTheCaptionsAreEmpty();
    void overflowShownInTheTooltip();
    void fanWorking_data();
    void fanWorking();
    void randomBoardsEndOnTheTotal();
    void fanTotalExplainsItself();
};

void TestWorking::countWorking_data()
{
    QTest::addColumn<BoxList>("boxes");
    QTest::addColumn<int>("flowers");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty sheet") << BoxList{} << 0 << 500 << QStringList{"20 base", "= 20"};
    QTest::newRow("additions end on the total")
        << BoxList{2, 6, 7} << 0 << 500
        << QStringList{"20 base", "+2 open pong 2-8", "+4 closed pong 2-8 (x2)", "= 30"};
    QTest::newRow("example hand") << BoxList{2, 22, 54, 61} << 1 << 500
                                  << QStringList{"20 base",
                                                 "+2 open pong 2-8",
                                                 "+8 closed pong 1 or 9",
                                                 "x2 all pongs = 60",
                                                 "+4 flowers and seasons (1) = 64",
                                                 "x2 FA from own seat = 128"};
    QTest::newRow("replacement") << BoxList{2, 60, 61, 62} << 2 << 300
                                 << QStringList{"20 base", "+2 open pong 2-8",
                                                "all honors: replaced by the table limit 300",
                                                "+8 flowers and seasons (2) = 308",
                                                "x2 FA from own seat (x2) = 1232"};
    QTest::newRow("replacement last")
        << BoxList{59} << 0 << 300
        << QStringList{"20 base", "all terminals: replaced by the table limit 300", "= 300"};
    QTest::newRow("flowers last end on one total line")
        << BoxList{2, 54} << 2 << 500
        << QStringList{"20 base", "+2 open pong 2-8", "x2 all pongs = 44",
                       "+8 flowers and seasons (2) = 52"};
    QTest::newRow("pure and FA kong")
        << BoxList{57, 63} << 0 << 500
        << QStringList{"20 base", "x8 pure = 160", "x8 FA kong = 1280"};
}

void TestWorking::countWorking()
{
    QFETCH(BoxList, boxes);
    QFETCH(int, flowers);
    QFETCH(int, limit);
    QFETCH(QStringList, lines);
    const ExplainedCount explained = explainCount(tick(boxes), flowers, limit, false);
    QCOMPARE(toQt(explained.countLines), lines);
    QCOMPARE(lastFigure(lines.join('\n')), countPoints(tick(boxes), flowers, limit));
}

void TestWorking::valueWorking_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("east");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("capped, not East")
        << 128 << 100 << false
        << QStringList{"128, capped at the table limit 100 = 100", "x4 (not East) = 400"};
    QTest::newRow("within, East") << 22 << 500 << true
                                  << QStringList{"22, within the table limit 500",
                                                 "x6 (East) = 132"};
    QTest::newRow("negative limit")
        << 22 << -50 << false
        << QStringList{"22, capped at the table limit -50 = -50", "x4 (not East) = -200"};
}

void TestWorking::valueWorking()
{
    QFETCH(int, points);
    QFETCH(int, limit);
    QFETCH(bool, east);
    QFETCH(QStringList, lines);
    QCOMPARE(toQt(valueWorkingLines(points, limit, east)), lines);
}

void TestWorking::overflowWorking()
{
    BoxList boxes{60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71};
    const ExplainedCount explained = explainCount(tick(boxes), 0, 65536, false);
    const QStringList lines = toQt(explained.countLines);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines[6], QStringLiteral("x2 MJ on a PONG of dragons/prev /seat wind = 1073741824"));
    QCOMPARE(lines[7], QStringLiteral("Overflow at \"Going out on last tile\": the hand is worth "
                                      "more than the calculator can count. The results were left "
                                      "as they were."));
    QCOMPARE(toQt(explained.valueLines), QStringList{lines[7]});

    // Overflow inside a row: the boxes applied before it are still shown.
    const ExplainedCount partial = explainCount(tick({60, 63, 64}), 0, 65536 * 1024, false);
    QCOMPARE(toQt(partial.countLines).mid(2),
             (QStringList{"x8 FA kong = 536870912",
                          "Overflow at \"FA kong\": the hand is worth more than the calculator "
                          "can count. The results were left as they were."}));
}

void TestWorking::randomSheetsEndOnTheTotal()
{
    QRandomGenerator random(20261207);
    for (int round = 0; round < 5000; ++round) {
        BoxValues boxes{};
        for (int n = 2; n <= 72; ++n)
            boxes[n] = isSheetBox(n) && random.bounded(4) == 0 ? 1 : 0;
        const int flowers = random.bounded(9);
        const int limit = random.bounded(-70000, 70000) | 1;
        const ExplainedCount explained = explainCount(boxes, flowers, limit, false);
        const QString working = toQt(explained.countLines).join('\n');
        try {
            const qint64 total = countPoints(boxes, flowers, limit);
            QCOMPARE(lastFigure(working), total);
            QCOMPARE(lastFigure(toQt(explained.valueLines).join('\n')),
                     cappedValue(total, limit) * 4);
        } catch (const OverflowError&) {
            QVERIFY(working.contains(QStringLiteral("Overflow at")));
        }
    }
}

void TestWorking::tooltipsOnTheWindow()
{
    Module1::reset();
    MessageBoxCatcher catcher;
    CalculatorWindow window;
    window.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClicks(window.findChild<QLineEdit*>("Text1"), "100");
    for (int n : {2, 22, 54, 61})
        QTest::mouseClick(window.findChild<QCheckBox*>(QStringLiteral("Check%1").arg(n)),
                          Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton*>("Command5"), Qt::LeftButton);

    auto* count = window.findChild<QLabel*>("Label38");
    auto* value = window.findChild<QLabel*>("Label37");
    QCOMPARE(count->text(), QStringLiteral(" 128"));
    const QString countWorking = QStringLiteral("20 base\n+2 open pong 2-8\n+8 closed pong 1 or 9\n"
                                                "x2 all pongs = 60\n+4 flowers and seasons (1) = "
                                                "64\nx2 FA from own seat = 128");
    const QString valueWorking =
        QStringLiteral("128, capped at the table limit 100 = 100\nx4 (not East) = 400");

    // Hovering shows the working.
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), count->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(count, &hover);
    QTRY_COMPARE(QToolTip::text(), countWorking);
    QHelpEvent hoverValue(QEvent::ToolTip, QPoint(2, 2), value->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(value, &hoverValue);
    QTRY_COMPARE(QToolTip::text(), valueWorking);

    // Screen readers read the same text.
    QAccessibleInterface* countAccessible = QAccessible::queryAccessibleInterface(count);
    QVERIFY(countAccessible);
    QCOMPARE(countAccessible->text(QAccessible::Description), countWorking);
    QCOMPARE(countAccessible->text(QAccessible::Value), QStringLiteral(" 128"));
    QCOMPARE(QAccessible::queryAccessibleInterface(value)->text(QAccessible::Description),
             valueWorking);

    // East changes the value's working only.
    QTest::mouseClick(window.findChild<QCheckBox*>("Check1"), Qt::LeftButton);
    QCOMPARE(static_cast<ExplainedLabel*>(value)->explanation(),
             QStringLiteral("128, capped at the table limit 100 = 100\nx6 (East) = 600"));
    QCOMPARE(static_cast<ExplainedLabel*>(count)->explanation(), countWorking);
    QCOMPARE(value->text(), QStringLiteral(" 600"));
    QVERIFY(catcher.take().isEmpty());
    QToolTip::hideText();
}

void TestWorking::nothingToExplainWhileTheCaptionsAreEmpty()
{
    Module1::reset();
    CalculatorWindow window;
    QTest::mouseClick(window.findChild<QCheckBox*>("Check2"), Qt::LeftButton);
    auto* count = static_cast<ExplainedLabel*>(window.findChild<QLabel*>("Label38"));
    QVERIFY(count->explanation().isEmpty());
    QVERIFY(QAccessible::queryAccessibleInterface(count)->text(QAccessible::Description).isEmpty());
    // After "Clear all BUT table limit" the captions are empty again.
    window.findChild<QLineEdit*>("Text1")->setText("50");
    QVERIFY(!count->explanation().isEmpty());
    QTest::mouseClick(window.findChild<QPushButton*>("Command7"), Qt::LeftButton);
    QVERIFY(count->explanation().isEmpty());
}

void TestWorking::overflowShownInTheTooltip()
{
    Module1::reset();
    MessageBoxCatcher catcher;
    CalculatorWindow window;
    window.findChild<QLineEdit*>("Text1")->setText("65536");
    for (int n : {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71})
        window.findChild<QCheckBox*>(QStringLiteral("Check%1").arg(n))->setChecked(true);
    QCOMPARE(catcher.take().size(), 1);
    auto* count = static_cast<ExplainedLabel*>(window.findChild<QLabel*>("Label38"));
    auto* value = static_cast<ExplainedLabel*>(window.findChild<QLabel*>("Label37"));
    QCOMPARE(count->text(), QStringLiteral(" 1073741824")); // left as it was
    QVERIFY(count->explanation().endsWith(
        QStringLiteral("Overflow at \"Going out on last tile\": the hand is worth more than the "
                       "calculator can count. The results were left as they were.")));
    QVERIFY(value->explanation().startsWith(QStringLiteral("Overflow at \"Going out")));
}

using PictureList = QList<int>;

void TestWorking::fanWorking_data()
{
    QTest::addColumn<PictureList>("pictures");
    QTest::addColumn<QList<int>>("checks");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty board") << PictureList{} << QList<int>{}
                                 << QStringList{"1 no flowers and seasons", "= 1"};
    QTest::newRow("no FA table") << PictureList{} << QList<int>{11} << QStringList{"= 0"};
    QTest::newRow("East pong, seat and prevailing")
        << PictureList{1, 5, 9} << QList<int>{}
        << QStringList{"1 no flowers and seasons", "2 East pong (seat and prevailing wind)", "= 3"};
    QTest::newRow("pongs of seat and prevailing apart")
        << PictureList{3, 6, 10, 11, 12} << QList<int>{}
        << QStringList{"1 no flowers and seasons", "1 South pong (seat wind)",
                       "1 West pong (prevailing wind)", "= 3"};
    QTest::newRow("flowers with seat South")
        << PictureList{6, 16, 17, 18, 19, 22} << QList<int>{}
        << QStringList{"1 own flower 2 (South seat)", "1 all four flowers", "= 2"};
    QTest::newRow("dragons and boxes") << PictureList{13, 15} << QList<int>{1, 4, 6, 10}
                                       << QStringList{"1 no flowers and seasons",
                                                      "1 White dragon pong",
                                                      "1 Green dragon pong",
                                                      "3 All Pungs",
                                                      "6 Pure",
                                                      "1 Last tile",
                                                      "= 13"};
}

void TestWorking::fanWorking()
{
    QFETCH(PictureList, pictures);
    QFETCH(QList<int>, checks);
    QFETCH(QStringList, lines);
    TileSelection selected{};
    for (int picture : pictures)
        selected[picture - 1] = true;
    FanBoxValues boxes{};
    for (int check : checks)
        boxes[check] = 1;
    std::vector<Phrase> working;
    const int total = countFans(selected, boxes, &working);
    QCOMPARE(toQt(working), lines);
    QCOMPARE(lastFigure(lines.join('\n')), total);
}

void TestWorking::randomBoardsEndOnTheTotal()
{
    QRandomGenerator random(7122026);
    for (int round = 0; round < 5000; ++round) {
        TileSelection selected{};
        for (auto& tile : selected)
            tile = random.bounded(3) == 0;
        FanBoxValues boxes{};
        for (int check = 1; check <= 11; ++check)
            boxes[check] = random.bounded(2);
        std::vector<Phrase> working;
        const int total = countFans(selected, boxes, &working);
        QCOMPARE(total, countFans(selected, boxes));
        QCOMPARE(lastFigure(toQt(working).join('\n')), total);
        // Each listed fan adds up to the total.
        int sum = 0;
        for (std::size_t i = 0; i + 1 < working.size(); ++i)
            sum += std::stoi(english(working[i]));
        QCOMPARE(sum, total);
    }
}

void TestWorking::fanTotalExplainsItself()
{
    Module1::reset();
    MessageBoxCatcher catcher;
    FanCounterWindow window;
    window.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int picture : {1, 5, 9})
        QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("Picture%1").arg(picture)),
                          Qt::LeftButton);
    QTest::mouseClick(window.findChild<QCheckBox*>("Check3"), Qt::LeftButton);
    auto* total = window.findChild<QLabel*>("Label8");
    QCOMPARE(total->text(), QStringLiteral(" 6"));
    const QString expected = QStringLiteral(
        "1 no flowers and seasons\n2 East pong (seat and prevailing wind)\n3 Semi Pure\n= 6");
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), total->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(total, &hover);
    QTRY_COMPARE(QToolTip::text(), expected);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(total);
    QCOMPARE(accessible->text(QAccessible::Description), expected);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Your FANS"));
    QToolTip::hideText();
    QVERIFY(catcher.take().isEmpty());
}

QTEST_MAIN(TestWorking)
#include "tst_working.moc"

// Clicking the fan counter's board: tiles a row at a time or all together, a double click once,
// the boxes, every click writing the total; the maximum message; the clear button and the hint.
#include <algorithm>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include "fancountertest.h"
#include "messages.h"

namespace {

const QString maxedOutText =
    QStringLiteral("Zorvan has no more fingers left to count your fans(YOUR MAXED OUT, WELL DONE)");
const QString selfPickHint =
    QStringLiteral("This means you also should check the Self Pick checkbox!");

} // namespace

class TestFanBoardClicks : public QObject, protected FanCounterWindowTest {
    Q_OBJECT

private slots:
    void init() { openTheWindow(); }
    void cleanup() { closeTheWindow(); }

    void rowExclusiveClicks_data();
    void rowExclusiveClicks();
    void rowsNeverAffectEachOther();
    void toggleTilesAllTogether();
    void everyClickRewritesTheTotal();
    void doubleClickCountsOnce_data();
    void doubleClickCountsOnce();
    void onlyAFullLeftClickCounts();
    void boxesRecount_data();
    void boxesRecount();
    void maximumMessage_data();
    void maximumMessage();
    void clearAll_data();
    void clearAll();
    void clearAllKeepsTheTableSetting();
    void clearAllShowsNoMaximumMessage();
    void clearAllMendsLooksAndFlagsThatCameApart();
    void hintChangesNothing();
    void randomClicksCountLikeTheFinalBoard();
};

void TestFanBoardClicks::rowExclusiveClicks_data()
{
    QTest::addColumn<Pictures>("clicks");
    QTest::addColumn<Pictures>("selected");

    QTest::newRow("prevailing East") << Pictures{1} << Pictures{1};
    QTest::newRow("prevailing East then South") << Pictures{1, 2} << Pictures{2};
    QTest::newRow("prevailing East twice") << Pictures{1, 1} << Pictures{};
    QTest::newRow("prevailing round the table") << Pictures{1, 2, 3, 4} << Pictures{4};
    QTest::newRow("prevailing North, West, West") << Pictures{4, 3, 3} << Pictures{};
    QTest::newRow("seat South then North") << Pictures{6, 8} << Pictures{8};
    QTest::newRow("seat West twice then East") << Pictures{7, 7, 5} << Pictures{5};
    QTest::newRow("both rows") << Pictures{3, 7, 2, 5} << Pictures{2, 5};
}

void TestFanBoardClicks::rowExclusiveClicks()
{
    QFETCH(Pictures, clicks);
    QFETCH(Pictures, selected);
    clickTiles(clicks);
    for (int n = 1; n <= 23; ++n) {
        QCOMPARE(isSelected(n), selected.contains(n));
        QVERIFY(showsLook(n, selected.contains(n)));
    }
    QCOMPARE(total(), QStringLiteral(" 1"));
}

void TestFanBoardClicks::rowsNeverAffectEachOther()
{
    clickTiles({1, 5, 9});
    QVERIFY(isSelected(1) && isSelected(5) && isSelected(9));
    QCOMPARE(total(), QStringLiteral(" 3"));
    clickTile(2); // prevailing moves to South; seat and pong stay
    QVERIFY(!isSelected(1) && isSelected(2) && isSelected(5) && isSelected(9));
    QCOMPARE(total(), QStringLiteral(" 2"));
    clickTile(9); // the pong goes; the wind rows stay
    QVERIFY(isSelected(2) && isSelected(5) && !isSelected(9));
    QCOMPARE(total(), QStringLiteral(" 1"));
    verifyBoardAgreesWithFlags();
}

void TestFanBoardClicks::toggleTilesAllTogether()
{
    Pictures toggles;
    for (int n = 9; n <= 23; ++n)
        toggles << n;
    clickTiles(toggles);
    for (int n = 9; n <= 23; ++n)
        QVERIFY(isSelected(n) && showsLook(n, true));
    // All flowers and seasons, no seat wind: 2; the dragons 3; wind pongs without winds 0.
    QCOMPARE(total(), QStringLiteral(" 5"));
    clickTiles({6, 1});
    QCOMPARE(total(), QStringLiteral(" 9")); // own flower and season 2, South pong 1, East 1
    clickTiles(toggles);
    for (int n = 9; n <= 23; ++n)
        QVERIFY(!isSelected(n) && showsLook(n, false));
    QCOMPARE(total(), QStringLiteral(" 1"));
}

void TestFanBoardClicks::everyClickRewritesTheTotal()
{
    for (int n : {1, 1, 9, 9, 16, 16}) {
        label(8)->setText(QStringLiteral("stale"));
        clickTile(n);
        QCOMPARE(total(), countedTotal());
    }
    QCOMPARE(total(), QStringLiteral(" 1"));
}

void TestFanBoardClicks::doubleClickCountsOnce_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<bool>("secondPressDelivered");

    // Widgets see press, release, double click, release; some platforms also deliver the
    // second press before the double click.
    QTest::newRow("prevailing wind") << 3 << false;
    QTest::newRow("prevailing wind, second press delivered") << 3 << true;
    QTest::newRow("flower") << 17 << false;
    QTest::newRow("flower, second press delivered") << 17 << true;
}

void TestFanBoardClicks::doubleClickCountsOnce()
{
    QFETCH(int, tile);
    QFETCH(bool, secondPressDelivered);
    QLabel* target = picture(tile);
    QTest::mousePress(target, Qt::LeftButton);
    QTest::mouseRelease(target, Qt::LeftButton);
    if (secondPressDelivered)
        QTest::mousePress(target, Qt::LeftButton);
    QTest::mouseDClick(target, Qt::LeftButton);
    QTest::mouseRelease(target, Qt::LeftButton);
    QVERIFY(isSelected(tile));
    QVERIFY(showsLook(tile, true));
    QCOMPARE(total(), countedTotal());

    // A plain click afterwards still counts.
    clickTile(tile);
    QVERIFY(!isSelected(tile));
    QVERIFY(showsLook(tile, false));
}

void TestFanBoardClicks::onlyAFullLeftClickCounts()
{
    QTest::mouseClick(picture(13), Qt::RightButton);
    QVERIFY(!isSelected(13));
    QTest::mousePress(picture(13), Qt::LeftButton);
    QTest::mouseRelease(picture(13), Qt::LeftButton, {}, QPoint(100, 100)); // released outside
    QVERIFY(!isSelected(13));
    QTest::mouseRelease(picture(14), Qt::LeftButton); // a release without a press
    QVERIFY(!isSelected(14));
    QCOMPARE(total(), QStringLiteral(" 1"));
    clickTile(13);
    QVERIFY(isSelected(13));
    QCOMPARE(total(), QStringLiteral(" 2"));
}

void TestFanBoardClicks::boxesRecount_data()
{
    QTest::addColumn<Checks>("checks");
    QTest::addColumn<QString>("expected");

    QTest::newRow("All Pungs") << Checks{1} << " 4";
    QTest::newRow("All Chows") << Checks{2} << " 2";
    QTest::newRow("Semi Pure and Pure") << Checks{3, 4} << " 10";
    QTest::newRow("Self Pick") << Checks{5} << " 2";
    QTest::newRow("MJ on Suplement tile") << Checks{8} << " 2";
    QTest::newRow("MJ on robbing kong") << Checks{9} << " 2";
    QTest::newRow("Last tile") << Checks{10} << " 2";
    QTest::newRow("no-FA table") << Checks{11} << " 0";
    QTest::newRow("Pure ticked and cleared") << Checks{4, 4} << " 1";
    QTest::newRow("no-FA ticked and cleared") << Checks{11, 11} << " 1";
    QTest::newRow("every counted box") << Checks{1, 2, 3, 4, 5, 8, 9, 10} << " 18";
}

void TestFanBoardClicks::boxesRecount()
{
    QFETCH(Checks, checks);
    QFETCH(QString, expected);
    clickBoxes(checks);
    QCOMPARE(total(), expected);
    QCOMPARE(Module1::fancount, expected.trimmed().toInt());
}

void TestFanBoardClicks::maximumMessage_data()
{
    QTest::addColumn<int>("box");
    QTest::newRow("All Terminals") << 6;
    QTest::newRow("All Honors") << 7;
}

void TestFanBoardClicks::maximumMessage()
{
    QFETCH(int, box);
    // A flag set behind the window's back shows whether a box recounts.
    Module1::tilestate[13] = "aan";
    QTest::mouseClick(check(box), Qt::LeftButton);
    QVERIFY(check(box)->isChecked());
    m_catcher->expect({maxedOutText}, QMessageBox::NoIcon);
    QCOMPARE(total(), QStringLiteral(" 1"));

    QTest::mouseClick(check(box), Qt::LeftButton);
    QVERIFY(!check(box)->isChecked());
    QCOMPARE(m_catcher->count(), 0);
    QCOMPARE(total(), QStringLiteral(" 1"));

    // The program's own ticking congratulates as well.
    check(box)->setChecked(true);
    m_catcher->expect({maxedOutText}, QMessageBox::NoIcon);
    QCOMPARE(total(), QStringLiteral(" 1"));

    // Another box recounts, without the maximum hand.
    QTest::mouseClick(check(2), Qt::LeftButton);
    QCOMPARE(total(), QStringLiteral(" 3"));
}

void TestFanBoardClicks::clearAll_data()
{
    QTest::addColumn<Pictures>("clicks");
    QTest::addColumn<Checks>("checks");
    QTest::addColumn<QString>("before");

    QTest::newRow("East, East pong, flower 3, Pure") << Pictures{1, 9, 18} << Checks{4} << " 7";
    QTest::newRow("already clear") << Pictures{} << Checks{} << " 1";
    QTest::newRow("the largest hand")
        << Pictures{1, 5, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}
        << Checks{1, 2, 3, 4, 5, 8, 9, 10} << " 26";
    QTest::newRow("every tile that can be selected")
        << Pictures{4, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23} << Checks{1, 3}
        << " 15";
}

void TestFanBoardClicks::clearAll()
{
    QFETCH(Pictures, clicks);
    QFETCH(Checks, checks);
    QFETCH(QString, before);
    clickTiles(clicks);
    clickBoxes(checks);
    QCOMPARE(total(), before);

    QTest::mouseClick(command(1), Qt::LeftButton);
    for (int n = 1; n <= 23; ++n) {
        QVERIFY(!isSelected(n));
        QVERIFY(Module1::tilestate[n - 1].empty());
        QVERIFY(showsLook(n, false));
    }
    for (int n = 1; n <= 11; ++n)
        QVERIFY(!check(n)->isChecked());
    QCOMPARE(total(), QStringLiteral(" 1"));
    QCOMPARE(Module1::fancount, 1);
}

void TestFanBoardClicks::clearAllKeepsTheTableSetting()
{
    clickTiles({2, 6, 10, 17});
    clickBoxes({11, 5});
    QTest::mouseClick(command(1), Qt::LeftButton);
    QVERIFY(check(11)->isChecked());
    QVERIFY(!check(5)->isChecked());
    QCOMPARE(total(), QStringLiteral(" 0"));
    // Clearing again changes nothing.
    QTest::mouseClick(command(1), Qt::LeftButton);
    QVERIFY(check(11)->isChecked());
    QCOMPARE(total(), QStringLiteral(" 0"));
}

void TestFanBoardClicks::clearAllShowsNoMaximumMessage()
{
    clickBoxes({6, 7});
    m_catcher->expect({maxedOutText, maxedOutText}, QMessageBox::NoIcon);
    QTest::mouseClick(command(1), Qt::LeftButton);
    QVERIFY(!check(6)->isChecked() && !check(7)->isChecked());
    QCOMPARE(m_catcher->count(), 0);
    QCOMPARE(total(), QStringLiteral(" 1"));
}

void TestFanBoardClicks::clearAllMendsLooksAndFlagsThatCameApart()
{
    // A flag without its look, a look without its flag, two selected winds in a row.
    Module1::tilestate[14] = "aan";
    clickTiles({16, 3});
    Module1::tilestate[15].clear();
    Module1::tilestate[0] = "aan";
    QTest::mouseClick(command(1), Qt::LeftButton);
    verifyBoardAgreesWithFlags();
    for (int n = 1; n <= 23; ++n)
        QVERIFY(!isSelected(n));
    QCOMPARE(total(), QStringLiteral(" 1"));
}

void TestFanBoardClicks::hintChangesNothing()
{
    clickTiles({2, 6, 10, 14});
    clickBoxes({4, 11});
    const auto flags = Module1::tilestate;
    const QString before = total();
    QTest::mouseClick(command(2), Qt::LeftButton);
    m_catcher->expect({selfPickHint}, QMessageBox::Warning);
    QCOMPARE(Module1::tilestate, flags);
    QCOMPARE(total(), before);
    QCOMPARE(Module1::fancount, before.trimmed().toInt());
    QVERIFY(check(4)->isChecked() && check(11)->isChecked() && !check(5)->isChecked());
    verifyBoardAgreesWithFlags();
}

void TestFanBoardClicks::randomClicksCountLikeTheFinalBoard()
{
    QRandomGenerator random(4711);
    for (int round = 0; round < 12; ++round) {
        QTest::mouseClick(command(1), Qt::LeftButton);
        if (check(11)->isChecked())
            QTest::mouseClick(check(11), Qt::LeftButton);
        const QList<int> countedBoxes{1, 2, 3, 4, 5, 8, 9, 10, 11};
        for (int click = 0; click < 30; ++click) {
            if (random.bounded(4) == 0)
                QTest::mouseClick(check(countedBoxes[random.bounded(countedBoxes.size())]),
                                  Qt::LeftButton);
            else
                clickTile(int(random.bounded(1, 24)));
            QCOMPARE(total(), countedTotal());
        }
        verifyBoardAgreesWithFlags();
        for (int first : {1, 5}) {
            int selectedInRow = 0;
            for (int n = first; n < first + 4; ++n)
                selectedInRow += isSelected(n);
            QVERIFY(selectedInRow <= 1);
        }

        // The same board entered tile by tile in picture order, boxes in number order.
        const auto flags = Module1::tilestate;
        const FanBoxValues values = m_window->boxValues();
        const QString result = total();
        QTest::mouseClick(command(1), Qt::LeftButton);
        if (check(11)->isChecked())
            QTest::mouseClick(check(11), Qt::LeftButton);
        for (int n = 1; n <= 23; ++n) {
            if (flags[n - 1] == "aan")
                clickTile(n);
        }
        for (int n = 1; n <= 11; ++n) {
            if (values[n] == 1)
                QTest::mouseClick(check(n), Qt::LeftButton);
        }
        QCOMPARE(Module1::tilestate, flags);
        QCOMPARE(total(), result);
    }
}

QTEST_MAIN(TestFanBoardClicks)
#include "tst_fanboardclicks.moc"

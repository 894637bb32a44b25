#include <algorithm>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include "calculatorwindow.h"
#include "fancount.h"
#include "fancounterwindow.h"
#include "messageboxcatcher.h"
#include "messages.h"
#include "module1.h"
#include "testhelpers.h"

using Pictures = QList<int>;
using Checks = QList<int>;

namespace {

const QString maxedOutText =
    QStringLiteral("Zorvan has no more fingers left to count your fans(YOUR MAXED OUT, WELL DONE)");
const QString selfPickHint =
    QStringLiteral("This means you also should check the Self Pick checkbox!");

// Selected and normal holders of each tile, index 0 for Picture1.
constexpr int selectedHolders[] = {24, 25, 26, 27, 24, 25, 26, 27, 24, 25, 26, 27,
                                   36, 37, 38, 28, 29, 30, 31, 32, 33, 34, 35};

bool isSelected(int picture)
{
    return Module1::tilestate[picture - 1] == "aan";
}

} // namespace

class TestFanCounterWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAndLayout();
    void geometry_data();
    void geometry();
    void resizingMovesNothing();
    void holdersHoldTheImages();
    void opensOnAFreshBoard();
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
    void coloursFromTheCalculator();
    void defaultColoursWithoutACalculator();
    void reopeningShowsTheRetainedFlags();
    void randomClicksCountLikeTheFinalBoard();

private:
    QLabel* picture(int n) const { return numbered<QLabel>(m_window.get(), "Picture", n); }
    QLabel* label(int n) const { return numbered<QLabel>(m_window.get(), "Label", n); }
    QCheckBox* check(int n) const { return numbered<QCheckBox>(m_window.get(), "Check", n); }
    QPushButton* command(int n) const
    {
        return numbered<QPushButton>(m_window.get(), "Command", n);
    }
    QString total() const { return label(8)->text(); }
    void openWindow()
    {
        m_window = std::make_unique<FanCounterWindow>();
        m_window->setVisible(true);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void clickTile(int n) { QTest::mouseClick(picture(n), Qt::LeftButton); }
    void clickTiles(const Pictures& pictures)
    {
        for (int n : pictures)
            clickTile(n);
    }
    void clickBoxes(const Checks& checks)
    {
        for (int n : checks)
            QTest::mouseClick(check(n), Qt::LeftButton);
    }
    // The tile shows exactly the holder's image, and the look agrees with its flag.
    bool showsLook(int n, bool selected) const
    {
        const int holder = selectedHolders[n - 1] + (selected ? 0 : 15);
        return picture(n)->pixmap().cacheKey() == picture(holder)->pixmap().cacheKey();
    }
    void verifyBoardAgreesWithFlags() const
    {
        for (int n = 1; n <= 23; ++n) {
            QVERIFY2(showsLook(n, isSelected(n)), qPrintable(QStringLiteral("Picture%1").arg(n)));
            QVERIFY(Module1::tilestate[n - 1].empty() || isSelected(n));
        }
    }
    QString countedTotal() const
    {
        return QStringLiteral(" %1").arg(
            countFans(selectedTiles(Module1::tilestate), m_window->boxValues()));
    }
    std::unique_ptr<MessageBoxCatcher> m_catcher;
    std::unique_ptr<FanCounterWindow> m_window;
};

void TestFanCounterWindow::init()
{
    Module1::reset();
    Module1::fancount = 999; // the load step must not depend on it
    m_catcher = std::make_unique<MessageBoxCatcher>();
    openWindow();
}

void TestFanCounterWindow::cleanup()
{
    m_window.reset();
    m_catcher->expectNoneLeft();
    m_catcher.reset();
}

void TestFanCounterWindow::windowAndLayout()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("Form3"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("FanCounting"));
    QVERIFY(m_window->isWindow());
    QCOMPARE(m_window->parentWidget(), nullptr);
    QCOMPARE(m_window->size(), QSize(442, 353));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    QVERIFY(m_window->maximumSize().width() > 442 && m_window->maximumSize().height() > 353);

    const QStringList captions{"Prevailing wind",
                               "Seat  wind",
                               "PONG/KONG",
                               "PONG/KONG",
                               "FLOWERS",
                               "SEASONS",
                               "Your FANS",
                               " 1",
                               "All Pungs",
                               "All Chows",
                               "Semi Pure",
                               "Pure",
                               "Self Pick",
                               "All Terminals",
                               "All Honors",
                               "MJ on Suplement tile",
                               "MJ on robbing kong",
                               "Last tile",
                               "Your Hand Contains",
                               "You MJ with",
                               "Im playing a NO FA table"};
    for (int n = 1; n <= 21; ++n) {
        QVERIFY2(label(n), qPrintable(QStringLiteral("Label%1").arg(n)));
        QCOMPARE(label(n)->text(), captions[n - 1]);
    }
    QCOMPARE(label(22), nullptr);
    for (int n = 1; n <= 11; ++n) {
        QVERIFY2(check(n), qPrintable(QStringLiteral("Check%1").arg(n)));
        QVERIFY(check(n)->text().isEmpty());
    }
    QCOMPARE(check(12), nullptr);
    QCOMPARE(command(1)->text(), QStringLiteral("CLEAR ALL"));
    QCOMPARE(command(2)->text(), QStringLiteral("?"));
    for (int n : {19, 20}) {
        QVERIFY(label(n)->font().bold());
        QCOMPARE(label(n)->font().pointSizeF(), 9.75);
    }
    QVERIFY(!label(7)->font().bold());
    for (int n = 1; n <= 53; ++n) {
        QVERIFY2(picture(n), qPrintable(QStringLiteral("Picture%1").arg(n)));
        QCOMPARE(picture(n)->isVisible(), n <= 23);
    }
    QCOMPARE(picture(54), nullptr);
    for (const char* name : {"Line1", "Line2"}) {
        const auto* line = m_window->findChild<QFrame*>(QLatin1String(name));
        QVERIFY(line);
        QCOMPARE(line->frameShape(), QFrame::HLine);
    }
}

void TestFanCounterWindow::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");

    // Twips divided by 15. The labels whose width the design leaves open reach the next
    // control on their line (the boxes at 360, Label8 at 344) or the window's edge.
    QTest::newRow("first prevailing wind") << "Picture1" << QRect(96, 32, 33, 41);
    QTest::newRow("last seat wind") << "Picture8" << QRect(216, 80, 33, 41);
    QTest::newRow("South pong") << "Picture10" << QRect(136, 136, 33, 41);
    QTest::newRow("green dragon") << "Picture15" << QRect(176, 304, 33, 41);
    QTest::newRow("flower 1") << "Picture16" << QRect(96, 208, 33, 41);
    QTest::newRow("season 4") << "Picture23" << QRect(216, 256, 33, 41);
    QTest::newRow("first holder") << "Picture24" << QRect(8, 344, 33, 41);
    QTest::newRow("last holder") << "Picture53" << QRect(8, 344, 33, 41);
    QTest::newRow("prevailing caption") << "Label1" << QRect(8, 48, 81, 25);
    QTest::newRow("dragon caption") << "Label4" << QRect(8, 312, 81, 25);
    QTest::newRow("seasons caption") << "Label6" << QRect(8, 264, 81, 25);
    QTest::newRow("total") << "Label8" << QRect(344, 16, 49, 17);
    QTest::newRow("Your FANS") << "Label7" << QRect(272, 16, 72, 17);
    QTest::newRow("bold heading") << "Label19" << QRect(272, 40, 170, 17);
    QTest::newRow("second bold heading") << "Label20" << QRect(272, 224, 170, 17);
    QTest::newRow("All Pungs caption") << "Label9" << QRect(296, 64, 64, 17);
    QTest::newRow("Last tile caption") << "Label18" << QRect(304, 248, 56, 17);
    QTest::newRow("Suplement tile caption") << "Label16" << QRect(240, 296, 120, 17);
    QTest::newRow("robbing kong caption") << "Label17" << QRect(240, 320, 120, 17);
    QTest::newRow("no-FA caption") << "Label21" << QRect(8, 184, 137, 17);
    QTest::newRow("All Pungs") << "Check1" << QRect(360, 64, 17, 17);
    QTest::newRow("All Honors") << "Check7" << QRect(360, 184, 17, 17);
    QTest::newRow("Last tile") << "Check10" << QRect(360, 248, 17, 17);
    QTest::newRow("Self Pick") << "Check5" << QRect(360, 272, 17, 17);
    QTest::newRow("Suplement tile") << "Check8" << QRect(360, 296, 17, 13);
    QTest::newRow("robbing kong") << "Check9" << QRect(360, 320, 17, 17);
    QTest::newRow("no-FA table") << "Check11" << QRect(136, 184, 17, 17);
    QTest::newRow("CLEAR ALL") << "Command1" << QRect(16, 8, 73, 17);
    QTest::newRow("?") << "Command2" << QRect(384, 296, 17, 17);
    QTest::newRow("line between the wind rows and the pongs") << "Line1" << QRect(0, 128, 257, 1);
    QTest::newRow("line above You MJ with") << "Line2" << QRect(256, 208, 129, 1);
}

void TestFanCounterWindow::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    const auto* widget = m_window->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), rect);
}

void TestFanCounterWindow::resizingMovesNothing()
{
    m_window->resize(900, 700);
    QTRY_COMPARE(m_window->size(), QSize(900, 700));
    QCOMPARE(picture(23)->geometry(), QRect(216, 256, 33, 41));
    QCOMPARE(check(9)->geometry(), QRect(360, 320, 17, 17));
    QCOMPARE(command(2)->geometry(), QRect(384, 296, 17, 17));
    m_window->resize(200, 150);
    QTRY_COMPARE(m_window->size(), QSize(200, 150));
    QCOMPARE(label(8)->geometry(), QRect(344, 16, 49, 17));
}

void TestFanCounterWindow::holdersHoldTheImages()
{
    for (int n = 24; n <= 53; ++n) {
        const QPixmap image = picture(n)->pixmap();
        QVERIFY2(!image.isNull(), qPrintable(QStringLiteral("Picture%1").arg(n)));
        // As many pixels as the screen has: one per pixel on the offscreen platform.
        QCOMPARE(image.devicePixelRatio(), std::max<qreal>(1, qApp->devicePixelRatio()));
        QCOMPARE(image.deviceIndependentSize(), QSizeF(33, 41));
        QVERIFY(picture(n)->isHidden());
    }
    // The two looks of a face differ, and no two faces share an image.
    for (int n = 24; n <= 38; ++n) {
        QVERIFY(picture(n)->pixmap().toImage() != picture(n + 15)->pixmap().toImage());
        for (int other = n + 1; other <= 38; ++other)
            QVERIFY(picture(n)->pixmap().toImage() != picture(other)->pixmap().toImage());
    }
    // The normal look is grey: no pixel carries a colour.
    const QImage normal = picture(52)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            const QRgb pixel = normal.pixel(x, y);
            QVERIFY(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel));
        }
    }
}

void TestFanCounterWindow::opensOnAFreshBoard()
{
    QCOMPARE(total(), QStringLiteral(" 1"));
    QCOMPARE(Module1::fancount, 1);
    for (int n = 1; n <= 23; ++n)
        QVERIFY(showsLook(n, false));
    for (int n = 1; n <= 11; ++n)
        QVERIFY(!check(n)->isChecked());
}

void TestFanCounterWindow::rowExclusiveClicks_data()
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

void TestFanCounterWindow::rowExclusiveClicks()
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

void TestFanCounterWindow::rowsNeverAffectEachOther()
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

void TestFanCounterWindow::toggleTilesAllTogether()
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

void TestFanCounterWindow::everyClickRewritesTheTotal()
{
    for (int n : {1, 1, 9, 9, 16, 16}) {
        label(8)->setText(QStringLiteral("stale"));
        clickTile(n);
        QCOMPARE(total(), countedTotal());
    }
    QCOMPARE(total(), QStringLiteral(" 1"));
}

void TestFanCounterWindow::doubleClickCountsOnce_data()
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

void TestFanCounterWindow::doubleClickCountsOnce()
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

void TestFanCounterWindow::onlyAFullLeftClickCounts()
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

void TestFanCounterWindow::boxesRecount_data()
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

void TestFanCounterWindow::boxesRecount()
{
    QFETCH(Checks, checks);
    QFETCH(QString, expected);
    clickBoxes(checks);
    QCOMPARE(total(), expected);
    QCOMPARE(Module1::fancount, expected.trimmed().toInt());
}

void TestFanCounterWindow::maximumMessage_data()
{
    QTest::addColumn<int>("box");
    QTest::newRow("All Terminals") << 6;
    QTest::newRow("All Honors") << 7;
}

void TestFanCounterWindow::maximumMessage()
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

void TestFanCounterWindow::clearAll_data()
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

void TestFanCounterWindow::clearAll()
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

void TestFanCounterWindow::clearAllKeepsTheTableSetting()
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

void TestFanCounterWindow::clearAllShowsNoMaximumMessage()
{
    clickBoxes({6, 7});
    m_catcher->expect({maxedOutText, maxedOutText}, QMessageBox::NoIcon);
    QTest::mouseClick(command(1), Qt::LeftButton);
    QVERIFY(!check(6)->isChecked() && !check(7)->isChecked());
    QCOMPARE(m_catcher->count(), 0);
    QCOMPARE(total(), QStringLiteral(" 1"));
}

void TestFanCounterWindow::clearAllMendsLooksAndFlagsThatCameApart()
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

void TestFanCounterWindow::hintChangesNothing()
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

void TestFanCounterWindow::coloursFromTheCalculator()
{
    m_window.reset();
    const QColor background(0x12, 0x34, 0x56);
    const QColor text(0xfe, 0xdc, 0x42);
    auto calculator = std::make_unique<CalculatorWindow>();
    QPalette palette = calculator->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    calculator->setPalette(palette);
    Module1::reset();
    openWindow();

    QCOMPARE(m_window->palette().color(QPalette::Window), background);
    QList<QWidget*> taking;
    for (int n = 1; n <= 20; ++n)
        taking << label(n);
    for (int n = 1; n <= 10; ++n)
        taking << check(n);
    for (QWidget* control : taking) {
        QCOMPARE(control->palette().color(QPalette::Window), background);
        QCOMPARE(control->palette().color(QPalette::WindowText), text);
        QVERIFY(control->autoFillBackground());
    }
    const QPalette defaults = QApplication::palette();
    for (QWidget* control : QList<QWidget*>{label(21), check(11), command(1), command(2),
                                            picture(1), picture(23), picture(24), picture(53)}) {
        QCOMPARE(control->palette().color(QPalette::Window), defaults.color(QPalette::Window));
        QCOMPARE(control->palette().color(QPalette::WindowText),
                 defaults.color(QPalette::WindowText));
    }
    // The calculator's own colours are left as they were.
    QCOMPARE(calculator->palette().color(QPalette::Window), background);

    // The total still comes first.
    QCOMPARE(total(), QStringLiteral(" 1"));
    m_window.reset();
}

void TestFanCounterWindow::defaultColoursWithoutACalculator()
{
    const QPalette defaults = QApplication::palette();
    QCOMPARE(m_window->palette().color(QPalette::Window), defaults.color(QPalette::Window));
    QCOMPARE(label(9)->palette().color(QPalette::WindowText), defaults.color(QPalette::WindowText));
    QCOMPARE(check(10)->palette().color(QPalette::Window), defaults.color(QPalette::Window));
}

void TestFanCounterWindow::reopeningShowsTheRetainedFlags()
{
    clickTiles({1, 5, 9, 14, 16});
    clickBoxes({4});
    QCOMPARE(total(), QStringLiteral(" 10"));
    m_window.reset();
    QCOMPARE(Module1::tilestate[0], std::string("aan"));

    openWindow();
    verifyBoardAgreesWithFlags();
    for (int n : {1, 5, 9, 14, 16})
        QVERIFY(showsLook(n, true));
    QVERIFY(!check(4)->isChecked());         // the boxes start clear
    QCOMPARE(total(), QStringLiteral(" 4")); // own flower, East pong twice, red dragon
    QCOMPARE(Module1::fancount, 4);

    // The next click on a retained tile deselects it, look and flag together.
    clickTile(14);
    QVERIFY(!isSelected(14) && showsLook(14, false));
    QCOMPARE(total(), QStringLiteral(" 3"));
    clickTile(2);
    QVERIFY(!isSelected(1) && showsLook(1, false) && isSelected(2));
    verifyBoardAgreesWithFlags();
}

void TestFanCounterWindow::randomClicksCountLikeTheFinalBoard()
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

QTEST_MAIN(TestFanCounterWindow)
#include "tst_fancounterwindow.moc"

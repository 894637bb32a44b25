#include <array>
#include <memory>
#include <random>
#include <tuple>
#include <utility>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "deal.h"
#include "messageboxcatcher.h"
#include "module1.h"
#include "notation.h"
#include "practicewindow.h"
#include "programstart.h"
#include "testhelpers.h"
#include "tileimages.h"
#include "tilelabel.h"

namespace {

hand::Deal dealOf(const char* notation, hand::Wind seat = hand::Wind::East,
                  hand::Wind round = hand::Wind::East, bool selfDrawn = false)
{
    hand::Deal deal;
    deal.hand = hand::parseHand(notation).hand;
    deal.conditions.seat = seat;
    deal.conditions.round = round;
    deal.conditions.selfDrawn = selfDrawn;
    return deal;
}

// East, on a discard: 20 + 4 open pong honour, x2 semi pure, x2 won on a dragon pong = 96; 5 fans.
const char* const dragonHand = "123p 456p 789p 11p 66z +6z";
const QString dragonWorking = QStringLiteral("Your hand is worth:\n20 base\n+4 open pong honor\n"
                                             "x2 semi pure = 48\nx2 MJ on a PONG of dragons/prev "
                                             "/seat wind = 96\n\nFans:\n1 no flowers and seasons\n"
                                             "1 Green dragon pong\n3 Semi Pure\n= 5");

// The dragon hand answered: the count, the fans, what is said before the working (none for an
// answer refused).
constexpr std::array<const char*, 4> verdictRows[] = {
    {"count right", "96", "", "Right: the hand is worth 96."},
    {"count wrong", "48", "", "Not quite: the hand is worth 96, not 48."},
    {"fans alone", "", "5", "Right: 5 fans."},
    {"fans wrong spoils a right count", " 96 ", "4",
     "Right: the hand is worth 96.\nNot quite: 5 fans, not 4."},
    {"both right", "+96", "5", "Right: the hand is worth 96.\nRight: 5 fans."},
    {"nothing typed", "", "", "Type the count as a whole number."},
    {"count not whole", "96.0", "5", "Type the count as a whole number."},
    {"fans not a number", "96", "five", "Type the fans as a whole number."},
};

// Steps: right, wrong, bad (not a number), reveal, next, level; then the tally.
constexpr std::pair<const char*, const char*> tallyRows[] = {
    {"wrong right", "0 of 1 right, 0 in a row"}, // a later check does not count
    {"right wrong", "1 of 1 right, 1 in a row"}, // nor does a later wrong one
    {"bad right", "1 of 1 right, 1 in a row"},   // not a number counts nothing
    {"right next right level right", "3 of 3 right, 3 in a row"},
    {"right next wrong next right", "2 of 3 right, 1 in a row"}, // the run ends
    {"right next reveal right", "1 of 2 right, 0 in a row"},     // shown: given up
    {"right reveal", "1 of 1 right, 1 in a row"},                // after a check: not
    {"next next right", "1 of 1 right, 1 in a row"},             // skipped: not counted
};

} // namespace

class TestPractice : public QObject, protected ProgramTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuOpensOneInstance();
    void verdict_data();
    void verdict();
    void tally_data();
    void tally();
    void dealing();
    void handShown();
    void tableLimitOfTheCalculator();
    void tabOrder();
    void fills_data();
    void fills();

private:
    template <class Control> Control* control(const char* name) const
    {
        return m_window->findChild<Control*>(QLatin1String(name));
    }
    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    void answer(const QString& count, const QString& fans)
    {
        control<QLineEdit>("PracticeCount")->setText(count);
        control<QLineEdit>("PracticeFans")->setText(fans);
        QTest::mouseClick(control<QPushButton>("PracticeCheck"), Qt::LeftButton);
    }
    void click(const char* button)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    void openPractice()
    {
        item("PracticeMenu")->trigger();
        m_window = qobject_cast<PracticeWindow*>(m_shell->windows().instance("PracticeForm"));
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    QPointer<PracticeWindow> m_window;
};

void TestPractice::init()
{
    startTheProgram();
    if (!QTest::currentTestFailed())
        openPractice();
}

void TestPractice::cleanup()
{
    stopTheProgram();
}

void TestPractice::menuOpensOneInstance()
{
    // A second choice brings back the same hand and tally; closing ends both.
    m_window->showDeal(dealOf(dragonHand));
    answer("96", "");
    const QPointer<PracticeWindow> first = m_window;
    m_calculator->activateWindow();
    openPractice();
    QCOMPARE(m_window, first);
    QCOMPARE(text("PracticeHand"), QStringLiteral("11123456789p66z +6z"));
    QCOMPARE(text("PracticeTally"), QStringLiteral("1 of 1 right, 1 in a row"));
    m_window->close();
    deleteClosedWindows();
    openPractice();
    QVERIFY(m_window != first);
    QCOMPARE(text("PracticeTally"), QStringLiteral("0 of 0 right, 0 in a row"));
}

void TestPractice::verdict_data()
{
    QTest::addColumn<QString>("typedCount");
    QTest::addColumn<QString>("typedFans");
    QTest::addColumn<QString>("said");
    for (const auto& [name, count, fans, said] : verdictRows)
        QTest::newRow(name) << count << fans << said;
}

void TestPractice::verdict()
{
    QFETCH(QString, typedCount);
    QFETCH(QString, typedFans);
    QFETCH(QString, said);

    m_window->showDeal(dealOf(dragonHand));
    control<QLineEdit>("PracticeCount")->setText(typedCount);
    QTest::keyClicks(control<QLineEdit>("PracticeFans"), typedFans);
    QTest::keyClick(control<QLineEdit>("PracticeFans"), Qt::Key_Enter);
    const bool judged = !said.startsWith("Type");
    const QString verdict = judged ? said + "\n\n" + dragonWorking : said;
    QCOMPARE(text("PracticeVerdict"), verdict);
    QCOMPARE(text("PracticeTally"), !judged                      ? "0 of 0 right, 0 in a row"
                                    : said.contains("Not quite") ? "0 of 1 right, 0 in a row"
                                                                 : "1 of 1 right, 1 in a row");
    // Nothing typed is lost; screen readers and the tooltip get the verdict.
    QCOMPARE(control<QLineEdit>("PracticeCount")->text(), typedCount);
    QCOMPARE(control<QLineEdit>("PracticeFans")->text(), typedFans);
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(control<QLabel>("PracticeVerdict"));
    QCOMPARE(accessible->text(QAccessible::Description), verdict);

    click("PracticeReveal");
    QCOMPARE(text("PracticeVerdict"), dragonWorking);
}

void TestPractice::tally_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("tallied");
    for (const auto& [steps, tallied] : tallyRows)
        QTest::newRow(steps) << steps << tallied;
}

void TestPractice::tally()
{
    QFETCH(QString, steps);
    QFETCH(QString, tallied);

    m_window->reseed(7);
    for (const QString& step : steps.split(' ')) {
        const hand::HandResult scored =
            hand::scoreHand(m_window->currentDeal().hand, m_window->currentDeal().conditions);
        if (step == "right" || step == "wrong")
            answer(QString::number(scored.count + (step == "wrong")), QString::number(scored.fans));
        else if (step == "bad")
            answer("many", "");
        else if (step == "level")
            control<QComboBox>("PracticeLevel")->setCurrentIndex(2);
        else
            click(step == "next" ? "PracticeNext" : "PracticeReveal");
    }
    QCOMPARE(text("PracticeTally"), tallied);
}

void TestPractice::dealing()
{
    // The window's generator gives each deal its seed, at the level chosen.
    auto* level = control<QComboBox>("PracticeLevel");
    QCOMPARE((QStringList{level->itemText(0), level->itemText(1), level->itemText(2)}),
             (QStringList{"Sets and pair", "With doubles", "Everything"}));
    m_window->reseed(2024);
    std::mt19937_64 seeds(2024);
    auto shows = [this](hand::DealLevel level, std::uint64_t seed) {
        return text("PracticeHand").toStdString() == hand::writeHand(hand::deal(level, seed).hand);
    };
    QVERIFY(shows(hand::DealLevel::SetsAndPair, seeds()));
    level->setCurrentIndex(1);
    QVERIFY(shows(hand::DealLevel::WithDoubles, seeds()));
    answer("1", "");
    click("PracticeNext");
    QVERIFY(shows(hand::DealLevel::WithDoubles, seeds()));
    QVERIFY(text("PracticeVerdict").isEmpty() &&
            control<QLineEdit>("PracticeCount")->text().isEmpty());
}

void TestPractice::handShown()
{
    // Named as the hand window names them; the winning tile says what it completed and alone
    // wears the selected look.
    m_window->showDeal(dealOf("[222m] 123p 456p 78s 55s 2f +9s", hand::Wind::South));
    QCOMPARE(text("PracticeHand"), QStringLiteral("123456p5578s [222m] 2f +9s"));
    for (const auto& [n, name, image, selected] :
         {std::tuple(1, "Dots 1, concealed", "1p", false),
          std::tuple(11, "Characters 2, exposed pong", "2m", false),
          std::tuple(14, "Flower 2", "flower2", false),
          std::tuple(15, "Bamboo 9, winning tile, exposed chow", "9s", true)}) {
        auto* tile = control<TileLabel>(qPrintable(QStringLiteral("PracticeTile%1").arg(n)));
        QCOMPARE(tile->accessibleName(), QString(name));
        QCOMPARE(tile->pixmap().toImage(),
                 tileImage(image, selected, tile->size(), m_window->devicePixelRatioF()).toImage());
    }
    QVERIFY(!m_window->findChild<TileLabel*>("PracticeTile16") ||
            !control<TileLabel>("PracticeTile16")->isVisibleTo(m_window));
}

void TestPractice::tableLimitOfTheCalculator()
{
    // All terminals: the count is the limit in force.
    m_window->showDeal(
        dealOf("111m 999m [111p] 99s 11s +1s", hand::Wind::South, hand::Wind::West, true));
    const QString situation("Seat wind South, prevailing wind West, self-picked, table limit ");
    QCOMPARE(text("PracticeSituation"), situation + "500");
    // Read again when the window comes back to the front.
    m_calculator->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_calculator));
    QTest::keyClicks(m_calculator->findChild<QLineEdit*>("Text1"), "300");
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(text("PracticeSituation"), situation + "300");
    QTest::keyClicks(control<QLineEdit>("PracticeCount"), "300");
    QTest::keyClick(control<QLineEdit>("PracticeCount"), Qt::Key_Return);
    QVERIFY(text("PracticeVerdict").startsWith("Right: the hand is worth 300.\n"));
}

void TestPractice::tabOrder()
{
    // As the window reads; the fill buttons once the answer is out.
    m_window->showDeal(dealOf(dragonHand));
    answer("1", "");
    QStringList expected{"PracticeLevel"};
    for (int n = 1; n <= 14; ++n)
        expected << QStringLiteral("PracticeTile%1").arg(n);
    expected << QString("PracticeHand PracticeCount PracticeFans PracticeCheck PracticeReveal "
                        "PracticeNext PracticeVerdict PracticeShowSheet PracticeShowBoard")
                    .split(' ');
    control<QWidget>("PracticeLevel")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < int(expected.size()); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

void TestPractice::fills_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("handButton"); // the hand window's for the same hand
    QTest::newRow("sheet") << "PracticeShowSheet"
                           << "FillCalculator";
    QTest::newRow("fan counter") << "PracticeShowBoard"
                                 << "FillFanCounter";
}

void TestPractice::fills()
{
    QFETCH(QString, button);
    QFETCH(QString, handButton);

    const char* notation = "123m 456m 789m 23p 55p +4p 1234f 1y";
    m_window->showDeal(dealOf(notation, hand::Wind::South, hand::Wind::West, true));
    // The sheet and the board would give the answer away.
    QVERIFY(!control<QPushButton>(qPrintable(button))->isEnabled());
    click("PracticeReveal");
    // What the two working windows hold.
    auto filled = [this] {
        QStringList state{QString::number(Module1::flowercount)};
        for (std::uint8_t box : m_calculator->boxValues())
            state << QString::number(box);
        for (const std::string& flag : Module1::tilestate)
            state << QString::fromStdString(flag);
        if (QWidget* board = m_shell->windows().instance("Form3")) {
            for (int n = 1; n <= 11; ++n)
                state << QString::number(numbered<QCheckBox>(board, "Check", n)->isChecked());
        }
        return state;
    };
    click(qPrintable(button));
    const QStringList fromPractice = filled();

    m_calculator->findChild<QAction*>("HandFromTilesMenu")->trigger();
    QWidget* handWindow = m_shell->windows().instance("HandForm");
    handWindow->findChild<QComboBox*>("SeatWind")->setCurrentIndex(1);
    handWindow->findChild<QComboBox*>("RoundWind")->setCurrentIndex(2);
    handWindow->findChild<QCheckBox*>("SelfDrawn")->setChecked(true);
    handWindow->findChild<QLineEdit*>("HandText")->setText(notation);
    QTest::mouseClick(handWindow->findChild<QPushButton*>(handButton), Qt::LeftButton);
    QCOMPARE(filled(), fromPractice);
    m_catcher->expect({}, QMessageBox::NoIcon);

    // Once the calculator has gone, the sheet cannot be shown.
    m_calculator->close();
    deleteClosedWindows();
    QVERIFY(!control<QPushButton>("PracticeShowSheet")->isEnabled());
}

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"

#include <memory>
#include <random>

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
#include "explainedlabel.h"
#include "messageboxcatcher.h"
#include "module1.h"
#include "practicewindow.h"
#include "programstart.h"
#include "testhelpers.h"
#include "tileimages.h"
#include "tilelabel.h"

namespace {

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

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

} // namespace

class TestPractice : public QObject {
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
    void tableLimitOfTheCalculator_data();
    void tableLimitOfTheCalculator();
    void keyboard();
    void fills_data();
    void fills();

private:
    template <class Control> Control* control(const char* name) const
    {
        return m_window->findChild<Control*>(QLatin1String(name));
    }
    QLabel* verdictLabel() const { return control<QLabel>("PracticeVerdict"); }
    QString tallyText() const { return control<QLabel>("PracticeTally")->text(); }
    void answer(const QString& count, const QString& fans)
    {
        control<QLineEdit>("PracticeCount")->setText(count);
        control<QLineEdit>("PracticeFans")->setText(fans);
        QTest::mouseClick(control<QPushButton>("PracticeCheck"), Qt::LeftButton);
    }
    void openPractice()
    {
        m_calculator->findChild<QAction*>("PracticeMenu")->trigger();
        m_window = qobject_cast<PracticeWindow*>(m_shell->windows().instance("PracticeForm"));
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    std::unique_ptr<MessageBoxCatcher> m_catcher;
    QPointer<CalculatorWindow> m_calculator;
    std::unique_ptr<Shell> m_shell;
    QPointer<PracticeWindow> m_window;
};

void TestPractice::init()
{
    deleteClosedWindows();
    Module1::reset();
    m_catcher = std::make_unique<MessageBoxCatcher>();
    startProgram(m_calculator, m_shell);
    if (!QTest::currentTestFailed())
        openPractice();
}

void TestPractice::cleanup()
{
    m_shell.reset();
    delete m_calculator.data();
    deleteClosedWindows();
    m_catcher->expectNoneLeft();
}

void TestPractice::menuOpensOneInstance()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Practice counting"));
    QCOMPARE(m_window->parentWidget(), nullptr);
    auto* level = control<QComboBox>("PracticeLevel");
    QCOMPARE((QStringList{level->itemText(0), level->itemText(1), level->itemText(2)}),
             (QStringList{"Sets and pair", "With doubles", "Everything"}));
    QCOMPARE(tallyText(), QStringLiteral("0 of 0 right, 0 in a row"));
    // A second choice brings back the same hand and tally; closing ends both.
    m_window->showDeal(dealOf(dragonHand));
    answer("96", "");
    const QPointer<PracticeWindow> first = m_window;
    m_calculator->activateWindow();
    openPractice();
    QCOMPARE(m_window, first);
    QCOMPARE(control<QLabel>("PracticeHand")->text(), QStringLiteral("11123456789p66z +6z"));
    QCOMPARE(tallyText(), QStringLiteral("1 of 1 right, 1 in a row"));
    m_window->close();
    deleteClosedWindows();
    openPractice();
    QVERIFY(m_window != first);
    QCOMPARE(tallyText(), QStringLiteral("0 of 0 right, 0 in a row"));
}

void TestPractice::verdict_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("fans");
    QTest::addColumn<QString>("said"); // before the working; none for an answer refused
    QTest::addColumn<QString>("tallied");

    QTest::newRow("count right") << "96"
                                 << ""
                                 << "Right: the hand is worth 96."
                                 << "1 of 1 right, 1 in a row";
    QTest::newRow("count wrong") << "48"
                                 << ""
                                 << "Not quite: the hand is worth 96, not 48."
                                 << "0 of 1 right, 0 in a row";
    QTest::newRow("fans alone") << ""
                                << "5"
                                << "Right: 5 fans."
                                << "1 of 1 right, 1 in a row";
    QTest::newRow("fans wrong spoils a right count")
        << " 96 "
        << "4"
        << "Right: the hand is worth 96.\nNot quite: 5 fans, not 4."
        << "0 of 1 right, 0 in a row";
    QTest::newRow("both right") << "+96"
                                << "5"
                                << "Right: the hand is worth 96.\nRight: 5 fans."
                                << "1 of 1 right, 1 in a row";
    QTest::newRow("nothing typed") << ""
                                   << ""
                                   << "Type the count as a whole number."
                                   << "0 of 0 right, 0 in a row";
    QTest::newRow("count not whole") << "96.0"
                                     << "5"
                                     << "Type the count as a whole number."
                                     << "0 of 0 right, 0 in a row";
    QTest::newRow("fans not a number") << "96"
                                       << "five"
                                       << "Type the fans as a whole number."
                                       << "0 of 0 right, 0 in a row";
}

void TestPractice::verdict()
{
    QFETCH(QString, count);
    QFETCH(QString, fans);
    QFETCH(QString, said);
    QFETCH(QString, tallied);

    m_window->showDeal(dealOf(dragonHand));
    answer(count, fans);
    const bool judged = !said.startsWith("Type");
    QCOMPARE(verdictLabel()->text(), judged ? said + "\n\n" + dragonWorking : said);
    QCOMPARE(tallyText(), tallied);
    // Nothing typed is lost.
    QCOMPARE(control<QLineEdit>("PracticeCount")->text(), count);
    QCOMPARE(control<QLineEdit>("PracticeFans")->text(), fans);
    // Screen readers and the tooltip get the same.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(verdictLabel());
    QCOMPARE(accessible->text(QAccessible::Description), verdictLabel()->text());
    QCOMPARE(static_cast<ExplainedLabel*>(verdictLabel())->explanation(), verdictLabel()->text());

    QTest::mouseClick(control<QPushButton>("PracticeReveal"), Qt::LeftButton);
    QCOMPARE(verdictLabel()->text(), dragonWorking);
}

void TestPractice::tally_data()
{
    QTest::addColumn<QString>("steps"); // right, wrong, bad (not a number), reveal, next, level
    QTest::addColumn<QString>("tallied");

    QTest::newRow("a later check does not count") << "wrong right"
                                                  << "0 of 1 right, 0 in a row";
    QTest::newRow("nor does a later wrong one") << "right wrong"
                                                << "1 of 1 right, 1 in a row";
    QTest::newRow("not a number counts nothing") << "bad right"
                                                 << "1 of 1 right, 1 in a row";
    QTest::newRow("in a row") << "right next right level right"
                              << "3 of 3 right, 3 in a row";
    QTest::newRow("a wrong hand ends the run") << "right next wrong next right"
                                               << "2 of 3 right, 1 in a row";
    QTest::newRow("showing the answer gives up") << "right next reveal right"
                                                 << "1 of 2 right, 0 in a row";
    QTest::newRow("after a check it gives nothing up") << "right reveal"
                                                       << "1 of 1 right, 1 in a row";
    QTest::newRow("a skipped hand is not counted") << "next next right"
                                                   << "1 of 1 right, 1 in a row";
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
            QTest::mouseClick(
                control<QPushButton>(step == "next" ? "PracticeNext" : "PracticeReveal"),
                Qt::LeftButton);
    }
    QCOMPARE(tallyText(), tallied);
}

void TestPractice::dealing()
{
    // The window's generator gives each deal its seed, at the level chosen.
    m_window->reseed(2024);
    std::mt19937_64 seeds(2024);
    auto shows = [this](hand::DealLevel level, std::uint64_t seed) {
        return control<QLabel>("PracticeHand")->text().toStdString() ==
               hand::writeHand(hand::deal(level, seed).hand);
    };
    QVERIFY(shows(hand::DealLevel::SetsAndPair, seeds()));
    control<QComboBox>("PracticeLevel")->setCurrentIndex(1);
    QVERIFY(shows(hand::DealLevel::WithDoubles, seeds()));
    answer("1", "");
    QTest::mouseClick(control<QPushButton>("PracticeNext"), Qt::LeftButton);
    QVERIFY(shows(hand::DealLevel::WithDoubles, seeds()));
    QVERIFY(verdictLabel()->text().isEmpty());
    QVERIFY(control<QLineEdit>("PracticeCount")->text().isEmpty());
}

void TestPractice::handShown()
{
    m_window->showDeal(dealOf("[222m] 123p 456p 78s 55s 2f +9s", hand::Wind::South));
    QStringList names;
    QList<TileLabel*> tiles;
    for (int n = 1;; ++n) {
        auto* tile = m_window->findChild<TileLabel*>(QStringLiteral("PracticeTile%1").arg(n));
        if (!tile || !tile->isVisibleTo(m_window))
            break;
        names << tile->accessibleName();
        tiles << tile;
    }
    QCOMPARE(names.size(), 15);
    QCOMPARE(names.first(), QStringLiteral("Dots 1, concealed"));
    QCOMPARE(names.mid(10, 5),
             (QStringList{"Characters 2, exposed pong", "Characters 2, exposed pong",
                          "Characters 2, exposed pong", "Flower 2",
                          "Bamboo 9, winning tile, exposed chow"}));
    // The winning tile alone in the selected look.
    const QPixmap marked =
        tileImage("9s", true, tiles.last()->size(), m_window->devicePixelRatioF());
    QCOMPARE(tiles.last()->pixmap().toImage(), marked.toImage());
    QCOMPARE(tiles[9]->pixmap().toImage(),
             tileImage("8s", false, tiles[9]->size(), m_window->devicePixelRatioF()).toImage());
    QCOMPARE(control<QLabel>("PracticeHand")->text(), QStringLiteral("123456p5578s [222m] 2f +9s"));
    QVERIFY(control<QLabel>("PracticeHand")->textInteractionFlags() & Qt::TextSelectableByKeyboard);
}

void TestPractice::tableLimitOfTheCalculator_data()
{
    QTest::addColumn<QString>("limit"); // typed into the calculator
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("count"); // all terminals: the table limit

    QTest::newRow("none entered") << ""
                                  << "Seat wind South, prevailing wind West, self-picked, "
                                     "table limit 500"
                                  << "500";
    QTest::newRow("300") << "300"
                         << "Seat wind South, prevailing wind West, self-picked, "
                            "table limit 300"
                         << "300";
}

void TestPractice::tableLimitOfTheCalculator()
{
    QFETCH(QString, limit);
    QFETCH(QString, situation);
    QFETCH(QString, count);

    m_window->showDeal(
        dealOf("111m 999m [111p] 99s 11s +1s", hand::Wind::South, hand::Wind::West, true));
    // Read again when the window comes back to the front.
    m_calculator->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_calculator));
    QTest::keyClicks(m_calculator->findChild<QLineEdit*>("Text1"), limit);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(control<QLabel>("PracticeSituation")->text(), situation);
    answer(count, "");
    QVERIFY2(verdictLabel()->text().startsWith("Right: the hand is worth " + count + "."),
             qPrintable(verdictLabel()->text()));
}

void TestPractice::keyboard()
{
    m_window->showDeal(dealOf(dragonHand));
    // Enter in either box checks.
    QTest::keyClicks(control<QLineEdit>("PracticeCount"), "96");
    QTest::keyClick(control<QLineEdit>("PracticeCount"), Qt::Key_Return);
    QVERIFY(verdictLabel()->text().startsWith("Right: the hand is worth 96.\n\n"));
    QTest::keyClicks(control<QLineEdit>("PracticeFans"), "4");
    QTest::keyClick(control<QLineEdit>("PracticeFans"), Qt::Key_Enter);
    QVERIFY(verdictLabel()->text().startsWith("Right: the hand is worth 96.\nNot quite: 5 fans"));

    // Tab walks the window as it reads.
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
    auto* fill = m_window->findChild<QPushButton*>(button);
    // The sheet and the board would give the answer away.
    QVERIFY(!fill->isEnabled());
    QTest::mouseClick(control<QPushButton>("PracticeReveal"), Qt::LeftButton);
    // What the two working windows hold.
    auto filled = [this] {
        QStringList state{QString::number(Module1::flowercount)};
        const BoxValues boxes = m_calculator->boxValues();
        for (std::size_t n = 0; n < boxes.size(); ++n)
            state << QString::number(boxes[n]);
        for (const std::string& flag : Module1::tilestate)
            state << QString::fromStdString(flag);
        if (QWidget* board = m_shell->windows().instance("Form3")) {
            for (int n = 1; n <= 11; ++n)
                state << QString::number(numbered<QCheckBox>(board, "Check", n)->isChecked());
        }
        return state;
    };
    const QStringList before = filled();
    QTest::mouseClick(fill, Qt::LeftButton);
    const QStringList fromPractice = filled();
    QVERIFY(fromPractice != before);

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

// What the hand window writes under the hand: the reading, the sentence why a hand is refused,
// and the waits of a waiting hand with their worth, one of which a click makes the winning tile.
#include <QApplication>
#include <QCheckBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "explainedlabel.h"
#include "handwindowtest.h"

class TestHandResult : public QObject, protected HandWindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readingLine_data();
    void readingLine();
    void badHands_data();
    void badHands();
    void waits_data();
    void waits();
    void clickingAWaitWins_data();
    void clickingAWaitWins();
};

void TestHandResult::init()
{
    startWithHandWindow();
}

void TestHandResult::cleanup()
{
    stopTheProgram();
}

void TestHandResult::readingLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("selfDrawn");
    QTest::addColumn<QString>("line");

    QTest::newRow("a discard opens the chow it completes")
        << "[222m] 123p 456p 78s 55s +9s" << false
        << "Read as chow 123p concealed, chow 456p concealed, chow 789s exposed (won on 9s), "
           "pong [222m] exposed; pair 55s";
    QTest::newRow("self-picked it stays concealed")
        << "55p 33p 123m 456m 789m +5p" << true
        << "Read as chow 123m concealed, chow 456m concealed, chow 789m concealed, pong 555p "
           "concealed (won on 5p); pair 33p";
    QTest::newRow("won on the first set")
        << "23m 456p 789s 111z 55z +1m" << false
        << "Read as chow 123m exposed (won on 1m), chow 456p concealed, chow 789s concealed, "
           "pong 111z concealed; pair 55z";
    QTest::newRow("won on the pair, declared kongs")
        << "[111s] 999m [9999p] (1111m) 5p +5p" << false
        << "Read as pong 999m concealed, pong [111s] exposed, kong [9999p] exposed, kong "
           "(1111m) concealed; pair 55p (won on 5p)";
    QTest::newRow("the best of two readings")
        << "123m 456m 789m 111m 9m +9m" << false
        << "Read as pong 111m concealed, chow 123m concealed, chow 456m concealed, chow 789m "
           "concealed; pair 99m (won on 9m), the best of 2 readings";
}

void TestHandResult::readingLine()
{
    QFETCH(QString, typed);
    QFETCH(bool, selfDrawn);
    QFETCH(QString, line);
    if (selfDrawn)
        clickIndicator(control<QCheckBox>("SelfDrawn"));
    typeHand(typed);
    QCOMPARE(result()->text().section('\n', 0, 0), line);
}

void TestHandResult::badHands_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("two tiles more") << "123m 456m 789m 55p +5p"
                                    << "2 tiles more: a finished hand is 4 sets and a pair, 14 "
                                       "tiles with a kong counted as 3";
    QTest::newRow("one tile too many") << "123m 456m 789m 111p 55p +5p"
                                       << "1 tile too many: a finished hand is 4 sets and a "
                                          "pair, 14 tiles with a kong counted as 3";
    QTest::newRow("five of a face") << "3333m 123p 456p 7z +3m"
                                    << "5 tiles of 3m";
    QTest::newRow("not sets and a pair")
        << "1199m 1199p 1199s 1z +1z"
        << "not 4 sets and a pair: special hands such as seven pairs are not scored";
    QTest::newRow("not a set") << "[1235m] 11z +1z"
                               << "[1235m] is not a chow, pong or kong";
    QTest::newRow("unknown character") << "123x"
                                       << "unknown character \"x\"";
    // 14 tiles without one are a hand to throw from (tst_throwwindow); 15 are not.
    QTest::newRow("no winning tile") << "123m 456m 789m 111p 555p"
                                     << "no winning tile: write it as +tile";
    QTest::newRow("waiting hand too short")
        << "123m"
        << "10 tiles more: a waiting hand is 13 tiles, a kong counted as 3";
    QTest::newRow("two winning tiles") << "123m +4m +5m"
                                       << "more than one winning tile: +4m and +5m";
    QTest::newRow("flower to win") << "123m +1f"
                                   << "+1f: a flower or season is not a winning tile";
}

void TestHandResult::badHands()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    // A good hand first: its pictures stay while the text does not read.
    typeHand("[777z] 123m 456m 789m 5p +5p");
    QVERIFY(fillCalculatorButton()->isEnabled() && fillFanCounterButton()->isEnabled());
    typeHand(typed);
    QCOMPARE(text()->text(), typed);
    QCOMPARE(result()->text(), message);
    QVERIFY(!fillCalculatorButton()->isEnabled());
    QVERIFY(!fillFanCounterButton()->isEnabled());
    QVERIFY(static_cast<ExplainedLabel*>(result())->explanation().isEmpty());
    QVERIFY(!control<QWidget>("Waits")->isVisible());
    // Clicking the buttons anyway asks for nothing.
    QSignalSpy calculatorFill(m_window.data(), &HandWindow::fillCalculatorRequested);
    fillCalculatorButton()->click();
    QCOMPARE(calculatorFill.count(), 0);
}

void TestHandResult::waits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("waits");
    QTest::addColumn<QString>("firstName"); // the first wait as a screen reader names it

    // On a discard 20 + 2 pair of dragons + 2 one chance = 24, x6 for East; self-picked 26.
    QTest::newRow("closed wait") << "123m 456m 789p 13s 77z" << QStringList{"2s"}
                                 << "Bamboo 2 wins 144 on a discard, 156 self-picked";
    QTest::newRow("three waits") << "23m 456m 789p 234s 55s" << QStringList{"1m", "4m", "7m"} << "";
    QTest::newRow("nine waits") << "1112345678999m"
                                << QStringList{"1m", "2m", "3m", "4m", "5m", "6m", "7m", "8m", "9m"}
                                << "";
    QTest::newRow("a face held four times is left out")
        << "[1111m] 23m 456p 789s 55s" << QStringList{"4m"} << "";
    QTest::newRow("not ready") << "123m 456m 789p 15s 57z" << QStringList{} << "";
}

void TestHandResult::waits()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, waits);
    QFETCH(QString, firstName);

    typeHand(typed);
    // What zorvan-hand --waits --json lists for it.
    const QJsonArray expected = zorvanHand(typed, 0, 0, {}, {}, true).value("waits").toArray();
    QCOMPARE(int(expected.size()), waits.size());
    QVERIFY(!fillCalculatorButton()->isEnabled() && !fillFanCounterButton()->isEnabled());
    if (waits.isEmpty()) {
        QCOMPARE(result()->text(), QStringLiteral("not ready: no tile makes 4 sets and a pair"));
        QVERIFY(!control<QWidget>("Waits")->isVisible());
        QVERIFY(waitTiles().isEmpty());
        return;
    }
    QVERIFY(control<QWidget>("Waits")->isVisible());
    QVERIFY(result()->text().startsWith(QStringLiteral("Ready: %1 tile").arg(waits.size())));
    const QList<TileLabel*> shown = waitTiles();
    QCOMPARE(shown.size(), waits.size());
    for (int i = 0; i < waits.size(); ++i) {
        const QJsonObject wait = expected[i].toObject();
        const qint64 discard = wait["discard"].toObject()["value"].toInteger();
        const qint64 selfDrawn = wait["selfDrawn"].toObject()["value"].toInteger();
        QCOMPARE(wait["tile"].toString(), waits[i]);
        TileLabel* tile = shown[i];
        QCOMPARE(tile->objectName(), "Wait_" + waits[i]);
        QCOMPARE(tile->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(tile->pixmap().toImage(), palette(waits[i])->pixmap().toImage());
        QCOMPARE(tile->accessibleName(), QStringLiteral("%1 wins %2 on a discard, %3 self-picked")
                                             .arg(palette(waits[i])->accessibleName())
                                             .arg(discard)
                                             .arg(selfDrawn));
        // Beneath it, both values, fully inside the window.
        auto* value = control<QLabel>("WaitValue_" + waits[i]);
        QVERIFY(value && value->isVisibleTo(m_window));
        QCOMPARE(value->text(), QStringLiteral("%1\n%2").arg(discard).arg(selfDrawn));
        QVERIFY(m_window->rect().contains(value->mapTo(m_window, value->rect().bottomRight())));
    }
    if (!firstName.isEmpty())
        QCOMPARE(shown[0]->accessibleName(), firstName);
}

void TestHandResult::clickingAWaitWins_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<QString>("before"); // a hand shown first, whose pictures stay for reuse
    QTest::newRow("mouse") << false << "";
    QTest::newRow("space") << true << "";
    // The winning tile's picture made already stands earlier in the focus chain than a new
    // one: the keyboard goes there because the window sends it, not by the chain.
    QTest::newRow("space, the pictures made before") << true << "123m 456m 789p 234s 55s +6m";
}

void TestHandResult::clickingAWaitWins()
{
    QFETCH(bool, byKeyboard);
    QFETCH(QString, before);
    if (!before.isEmpty())
        typeHand(before);
    typeHand("23m 456m 789p 234s 55s");
    TileLabel* fourM = waitTiles().value(1);
    QVERIFY(fourM);
    QCOMPARE(fourM->objectName(), QStringLiteral("Wait_4m"));
    if (byKeyboard) {
        fourM->setFocus(Qt::TabFocusReason);
        QTest::keyClick(fourM, Qt::Key_Space);
    } else {
        QTest::mouseClick(fourM, Qt::LeftButton);
    }
    QCOMPARE(text()->text(), QStringLiteral("23456m789p23455s +4m"));
    QVERIFY(waitTiles().isEmpty());
    QVERIFY(result()->text().contains("Your hand is worth 40, Zorvan! Points 240"));
    QVERIFY(fillCalculatorButton()->isEnabled());
    QCOMPARE(handTileNames().last(), QStringLiteral("Characters 4, winning tile, exposed chow"));
    if (byKeyboard)
        QCOMPARE(QApplication::focusWidget(), handTiles().last());
}

QTEST_MAIN(TestHandResult)
#include "tst_handresult.moc"

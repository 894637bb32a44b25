// Entering a hand in the hand window: typed, clicked on the palette in each mode, pasted, taken
// out again by a click or Space, cleared; the palette offering only what the hand can take.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "explainedlabel.h"
#include "handengine.h"
#include "handwindowtest.h"

class TestHandEntry : public QObject, protected HandWindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typedAndClicked_data();
    void typedAndClicked();
    void typingIsNeverRewritten();
    void pasting();
    void clicksTakeTilesOut();
    void paletteFollowsTheMode();
    void keyboard();
};

void TestHandEntry::init()
{
    startWithHandWindow();
}

void TestHandEntry::cleanup()
{
    stopTheProgram();
}

void TestHandEntry::typedAndClicked_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clicks"); // "5p" a palette tile, "Pong" the mode for the next
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("figures"); // what the result says of the worth, or the waits

    QTest::newRow("open pong 2-8")
        << "[222m] 123p 456p 78s 55s +9s"
        << "Pong 2m Tile 1p 2p 3p 4p 5p 6p 7s 8s 5s 5s Winning 9s" << 0 << 0 << ""
        << "Your hand is worth 22, Zorvan! Points 132";
    QTest::newRow("honour pongs and kongs")
        << "[222z] 333z [4444z] (5555z) 1m +1m"
        << "Pong 2z Tile 3z 3z 3z Kong 4z ConcealedKong 5z Tile 1m Winning 1m" << 1 << 2 << ""
        << "Your hand is worth 2624, Zorvan! Points 2000";
    QTest::newRow("kongs 2-8") << "[5555p] (6666s) 123m 456m 7m +7m"
                               << "Kong 5p ConcealedKong 6s Tile 1m 2m 3m 4m 5m 6m 7m Winning 7m"
                               << 0 << 0 << ""
                               << "Your hand is worth 44, Zorvan! Points 264";
    QTest::newRow("self-picked dragon pong")
        << "123p 456p 789p 11p 66z +6z"
        << "Winning 6z Tile 6z 6z 9p 8p 7p 6p 5p 4p 3p 2p 1p 1p 1p" << 0 << 0 << "SelfDrawn"
        << "Your hand is worth 240, Zorvan! Points 1440";
    QTest::newRow("flowers and seasons")
        << "123m 456m 789m 23p 55p +4p 1234f 1y"
        << "1f 2f 3f 4f 1y 1m 2m 3m 4m 5m 6m 7m 8m 9m 2p 3p 5p 5p Winning 4p" << 0 << 0 << ""
        << "Your hand is worth 1920, Zorvan! Points 3000";
    QTest::newRow("declared chows and every condition")
        << "[234m] [567p] [678s] 789s 4z +4z"
        << "Chow 2m 5p 6s Tile 7s 8s 9s 4z Winning 4z" << 3 << 1
        << "LastTile SupplementTile RobbingKong NoFaTable"
        << "Your hand is worth 96, Zorvan! Points 384";
    QTest::newRow("waiting on one tile") << "123m 456m 789p 13s 77z"
                                         << "7z 7z 1s 3s 9p 8p 7p 6m 5m 4m 3m 2m 1m" << 0 << 0 << ""
                                         << "Ready: 1 tile wins";
}

void TestHandEntry::typedAndClicked()
{
    QFETCH(QString, typed);
    QFETCH(QString, clicks);
    QFETCH(int, seat);
    QFETCH(int, round);
    QFETCH(QString, boxes);
    QFETCH(QString, figures);

    setConditions(seat, round, boxes);
    typeHand(typed);
    QCOMPARE(text()->text(), typed);
    const hand::Hand typedHand = m_window->hand();
    const QString typedResult = result()->text();
    const QStringList typedTiles = handTileNames();
    const QString typedWorking = static_cast<ExplainedLabel*>(result())->explanation();
    QVERIFY2(typedResult.contains(figures), qPrintable(typedResult));
    QCOMPARE(typedTiles.size(), int(typed.count(QRegularExpression("\\d"))));

    text()->clear();
    QVERIFY(handTiles().isEmpty());
    click(clicks);
    // The clicks write the notation in its one order; it reads as the same hand.
    const hand::ParsedHand parsed =
        hand::parseHand(typed.toStdString(), hand::WinningTile::Optional);
    QCOMPARE(text()->text(), QString::fromStdString(hand::writeHand(parsed.hand)));
    QVERIFY(m_window->hand() == typedHand);
    QCOMPARE(result()->text(), typedResult);
    QCOMPARE(handTileNames(), typedTiles);
    QCOMPARE(static_cast<ExplainedLabel*>(result())->explanation(), typedWorking);
    const bool finished = typed.contains('+');
    QCOMPARE(fillCalculatorButton()->isEnabled(), finished);
    QCOMPARE(fillFanCounterButton()->isEnabled(), finished);
    if (finished) {
        // The working is the count's own, ending on the figures shown.
        QVERIFY(typedWorking.startsWith("Your hand is worth:\n20 base"));
        QVERIFY(typedWorking.contains("\nZorvan! Points:\n"));
        QVERIFY(typedWorking.contains("\nFans:\n"));
    }
}

void TestHandEntry::typingIsNeverRewritten()
{
    // Key by key, through texts that do not read yet; the text is the player's.
    const QString typed = "1m2m 3m  [555p] ";
    QStringList results;
    for (QChar c : typed) {
        QTest::keyClick(text(), c.toLatin1());
        results << result()->text();
    }
    QCOMPARE(text()->text(), typed);
    QCOMPARE(results[0],
             QStringLiteral("\"1\" has no suit letter: end it with m, p, s, z, f or y"));
    QCOMPARE(results[1],
             QStringLiteral("12 tiles more: a waiting hand is 13 tiles, a kong counted as 3"));
    QCOMPARE(results[11], QStringLiteral("[55 has no closing \"]\""));
    QCOMPARE(results.last(),
             QStringLiteral("7 tiles more: a waiting hand is 13 tiles, a kong counted as 3"));
    QCOMPARE(handTileNames(), (QStringList{"Characters 1, concealed", "Characters 2, concealed",
                                           "Characters 3, concealed", "Dots 5, exposed pong",
                                           "Dots 5, exposed pong", "Dots 5, exposed pong"}));
    // A click rewrites it.
    QTest::mouseClick(palette("9s"), Qt::LeftButton);
    QCOMPARE(text()->text(), QStringLiteral("123m9s [555p]"));
}

void TestHandEntry::pasting()
{
    QApplication::clipboard()->setText("[777z] 123m 456m 789m 5p +5p");
    QTest::keyClick(text(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text()->text(), QStringLiteral("[777z] 123m 456m 789m 5p +5p"));
    QCOMPARE(handTiles().size(), 14);
    QVERIFY(fillCalculatorButton()->isEnabled());
    QVERIFY(result()->text().contains("pong [777z] exposed"));
}

void TestHandEntry::clicksTakeTilesOut()
{
    typeHand("[777z] 123m 456m 789m 5p 1f +5p");
    QCOMPARE(handTiles().size(), 15);
    QCOMPARE(handTileNames().first(), QStringLiteral("Characters 1, concealed"));
    QCOMPARE(handTileNames().mid(10, 3),
             (QStringList{"Red dragon, exposed pong", "Red dragon, exposed pong",
                          "Red dragon, exposed pong"}));
    QCOMPARE(handTileNames()[13], QStringLiteral("Flower 1"));
    QCOMPARE(handTileNames()[14], QStringLiteral("Dots 5, winning tile, pair"));
    // The winning tile shows the selected look, the others the normal one.
    QVERIFY(handTiles()[14]->pixmap().toImage() != palette("5p")->pixmap().toImage());
    QCOMPARE(handTiles()[9]->pixmap().toImage(), palette("5p")->pixmap().toImage());

    QTest::mouseClick(handTiles()[11], Qt::LeftButton); // the whole declared pong goes
    QCOMPARE(text()->text(), QStringLiteral("123456789m5p 1f +5p"));
    QTest::mouseClick(handTiles()[0], Qt::LeftButton);
    QCOMPARE(text()->text(), QStringLiteral("23456789m5p 1f +5p"));
    QTest::mouseClick(handTiles()[9], Qt::LeftButton); // the flower
    QCOMPARE(text()->text(), QStringLiteral("23456789m5p +5p"));
    QTest::mouseClick(handTiles()[9], Qt::LeftButton); // the winning tile
    QCOMPARE(text()->text(), QStringLiteral("23456789m5p"));
    QCOMPARE(handTiles().size(), 9);
    control<QPushButton>("ClearHand")->click();
    QVERIFY(text()->text().isEmpty());
    QVERIFY(handTiles().isEmpty());
    QVERIFY(result()->text().startsWith("Click the tiles of your hand"));
}

void TestHandEntry::paletteFollowsTheMode()
{
    typeHand("5555p 55s [123m] 1f");
    auto enabled = [this](const QStringList& tiles) {
        QStringList on;
        for (const QString& tile : tiles) {
            if (palette(tile)->isEnabled())
                on << tile;
        }
        return on;
    };
    const QStringList probe{"1m", "3m", "4m", "5p", "5s", "7p", "8p", "1z", "1f", "2f"};
    QCOMPARE(enabled(probe), (QStringList{"1m", "3m", "4m", "5s", "7p", "8p", "1z", "2f"}));
    click("Chow");
    QCOMPARE(enabled(probe), (QStringList{"1m", "3m", "4m", "5s", "7p"}));
    click("Pong");
    QCOMPARE(enabled(probe), (QStringList{"1m", "3m", "4m", "7p", "8p", "1z"}));
    click("Kong");
    QCOMPARE(enabled(probe), (QStringList{"4m", "7p", "8p", "1z"}));
    click("ConcealedKong");
    QCOMPARE(enabled(probe), (QStringList{"4m", "7p", "8p", "1z"}));
    click("Winning");
    QCOMPARE(enabled(probe), (QStringList{"1m", "3m", "4m", "5s", "7p", "8p", "1z"}));
    // Four declared sets leave no room for a fifth.
    typeHand("[111m] [222m] [333m] [444m]");
    click("Pong");
    QVERIFY(enabled(probe).isEmpty());
    click("Tile");
    QVERIFY(palette("9s")->isEnabled());
}

void TestHandEntry::keyboard()
{
    // Space on a palette tile adds it as a click does, on a hand tile takes it out.
    palette("5p")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(palette("5p"), Qt::Key_Space);
    QTest::keyClick(palette("5p"), Qt::Key_Space);
    QTest::keyClick(palette("7z"), Qt::Key_Space);
    QCOMPARE(text()->text(), QStringLiteral("55p7z"));
    handTiles()[1]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(handTiles()[1], Qt::Key_Space);
    QCOMPARE(text()->text(), QStringLiteral("5p7z"));
    // The focus stays in the hand, on the tile that moved up.
    QCOMPARE(QApplication::focusWidget(), handTiles()[1]);
    QCOMPARE(handTiles()[1]->accessibleName(), QStringLiteral("Red dragon, concealed"));
    QTest::keyClick(handTiles()[1], Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), handTiles()[0]);
    QTest::keyClick(handTiles()[0], Qt::Key_Space);
    QVERIFY(text()->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), text());
}

QTEST_MAIN(TestHandEntry)
#include "tst_handentry.moc"

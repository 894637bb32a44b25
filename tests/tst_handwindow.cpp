#include <algorithm>
#include <cmath>
#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTextStream>

#include "calculatorwindow.h"
#include "designscale.h"
#include "explainedlabel.h"
#include "fancount.h"
#include "fancounterwindow.h"
#include "handengine.h"
#include "handwindow.h"
#include "messageboxcatcher.h"
#include "messages.h"
#include "module1.h"
#include "numbertext.h"
#include "programstart.h"
#include "shell.h"
#include "testhelpers.h"
#include "tilelabel.h"
#include "windowscale.h"
#include "zorvanhand.h"

using Numbers = QList<int>;

namespace {

const QString maxedOutText =
    QStringLiteral("Zorvan has no more fingers left to count your fans(YOUR MAXED OUT, WELL DONE)");
const QString calculatorClosedTip = QStringLiteral("The calculator window has been closed.");

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A click where a player clicks a check box or a radio button: on its indicator.
void clickIndicator(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(button->height() / 2, button->height() / 2));
}

// What `zorvan-hand --json` prints for the hand under the window's conditions.
QJsonObject zorvanHand(const QString& typed, int seat, int round, const QString& boxes,
                       const QString& limit, bool waits = false)
{
    const QStringList winds{"E", "S", "W", "N"};
    QStringList arguments{"--json", "--seat", winds[seat], "--round", winds[round]};
    if (!limit.isEmpty())
        arguments << "--limit" << limit;
    const QList<QPair<const char*, const char*>> options{{"SelfDrawn", "--self-drawn"},
                                                         {"LastTile", "--last-tile"},
                                                         {"SupplementTile", "--supplement"},
                                                         {"RobbingKong", "--robbing-kong"},
                                                         {"NoFaTable", "--no-fa-table"}};
    for (const auto& [box, option] : options) {
        if (boxes.contains(QLatin1String(box)) && !(waits && QLatin1String(box) == "SelfDrawn"))
            arguments << option;
    }
    if (waits)
        arguments << "--waits";
    arguments << typed;
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = cli::runZorvanHand(arguments, outStream, errStream);
    outStream.flush();
    if (status != 0)
        qWarning() << "zorvan-hand" << arguments << "exits with" << status << out << err;
    return QJsonDocument::fromJson(out.toUtf8()).object();
}

Numbers numbersIn(const QJsonValue& array)
{
    Numbers numbers;
    for (const QJsonValue& value : array.toArray())
        numbers << value.toInt();
    return numbers;
}

Numbers ticked(const BoxValues& boxes)
{
    Numbers numbers;
    for (int n = 0; n < int(boxes.size()); ++n) {
        if (boxes[n] == 1)
            numbers << n;
    }
    return numbers;
}

QString numbers(qint64 value)
{
    return QString::fromStdString(numberText(value));
}

} // namespace

class TestHandWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void contract();
    void menuOpensOneInstance();
    void typedAndClicked_data();
    void typedAndClicked();
    void readingLine_data();
    void readingLine();
    void typingIsNeverRewritten();
    void pasting();
    void badHands_data();
    void badHands();
    void clicksTakeTilesOut();
    void paletteFollowsTheMode();
    void conditionsRecount();
    void tableLimitOfTheCalculator();
    void keyboard();
    void tabOrder();
    void waits_data();
    void waits();
    void clickingAWaitWins_data();
    void clickingAWaitWins();
    void fillCalculator_data();
    void fillCalculator();
    void calculatorClosed();
    void fillFanCounter_data();
    void fillFanCounter();
    void captionsWhole_data();
    void captionsWhole();

private:
    QAction* item(const QString& name) const { return m_calculator->findChild<QAction*>(name); }
    void openHandWindow()
    {
        item("HandFromTilesMenu")->trigger();
        m_window = qobject_cast<HandWindow*>(m_shell->windows().instance("HandForm"));
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    template <class Control> Control* control(const QString& name) const
    {
        auto* found = m_window->findChild<Control*>(name);
        if (!found)
            qWarning() << "no control" << name;
        return found;
    }
    QLineEdit* text() const { return control<QLineEdit>("HandText"); }
    QLabel* result() const { return control<QLabel>("HandResult"); }
    QPushButton* fillCalculatorButton() const { return control<QPushButton>("FillCalculator"); }
    QPushButton* fillFanCounterButton() const { return control<QPushButton>("FillFanCounter"); }
    TileLabel* palette(const QString& tile) const { return control<TileLabel>("Palette_" + tile); }
    // The pictures of the hand, in their order on screen.
    QList<TileLabel*> handTiles() const
    {
        QList<TileLabel*> shown;
        for (int n = 1;; ++n) {
            auto* tile = m_window->findChild<TileLabel*>(QStringLiteral("HandTile%1").arg(n));
            if (!tile || !tile->isVisibleTo(m_window))
                return shown;
            shown << tile;
        }
    }
    QStringList handTileNames() const
    {
        QStringList names;
        for (TileLabel* tile : handTiles())
            names << tile->accessibleName();
        return names;
    }
    QList<TileLabel*> waitTiles() const
    {
        QList<TileLabel*> shown;
        const auto all = control<QWidget>("Waits")->findChildren<TileLabel*>();
        for (TileLabel* tile : all) {
            if (tile->isVisibleTo(m_window))
                shown << tile;
        }
        std::sort(shown.begin(), shown.end(),
                  [](const TileLabel* a, const TileLabel* b) { return a->x() < b->x(); });
        return shown;
    }
    // "5p" clicks the palette tile, "Pong" chooses that mode first.
    void click(const QString& clicks)
    {
        for (const QString& step : clicks.split(' ', Qt::SkipEmptyParts)) {
            if (step.front().isUpper())
                clickIndicator(control<QRadioButton>("Mode" + step));
            else
                QTest::mouseClick(palette(step), Qt::LeftButton);
        }
    }
    // `boxes` names the ticked condition boxes: "SelfDrawn LastTile".
    void setConditions(int seat, int round, const QString& boxes)
    {
        control<QComboBox>("SeatWind")->setCurrentIndex(seat);
        control<QComboBox>("RoundWind")->setCurrentIndex(round);
        for (const char* name :
             {"SelfDrawn", "LastTile", "SupplementTile", "RobbingKong", "NoFaTable"}) {
            auto* box = control<QCheckBox>(name);
            if (box->isChecked() != boxes.contains(name))
                clickIndicator(box);
        }
    }
    void typeHand(const QString& hand)
    {
        text()->clear();
        QTest::keyClicks(text(), hand);
    }

    std::unique_ptr<MessageBoxCatcher> m_catcher;
    QPointer<CalculatorWindow> m_calculator;
    std::unique_ptr<Shell> m_shell;
    QPointer<HandWindow> m_window;
};

void TestHandWindow::init()
{
    deleteClosedWindows();
    Module1::reset();
    m_catcher = std::make_unique<MessageBoxCatcher>();
    startProgram(m_calculator, m_shell);
    if (QTest::currentTestFailed())
        return;
    openHandWindow();
}

void TestHandWindow::cleanup()
{
    m_shell.reset();
    delete m_calculator.data();
    deleteClosedWindows();
    m_catcher->expectNoneLeft();
    m_catcher.reset();
}

void TestHandWindow::contract()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("HandForm"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Hand from tiles"));
    QVERIFY(m_window->isWindow());
    QCOMPARE(m_window->parentWidget(), nullptr);
    QVERIFY(!m_window->isModal());
    QVERIFY(text());
    QVERIFY(text()->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), text());
    const QStringList winds{"East", "South", "West", "North"};
    for (const char* name : {"SeatWind", "RoundWind"}) {
        auto* combo = control<QComboBox>(name);
        QVERIFY(combo);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, winds);
        QCOMPARE(combo->currentIndex(), 0);
    }
    for (const char* name :
         {"SelfDrawn", "LastTile", "SupplementTile", "RobbingKong", "NoFaTable"}) {
        QVERIFY2(control<QCheckBox>(name), name);
        QVERIFY(!control<QCheckBox>(name)->isChecked());
    }
    QVERIFY(result());
    QCOMPARE(fillCalculatorButton()->text(), QStringLiteral("Fill in the calculator"));
    QCOMPARE(fillFanCounterButton()->text(), QStringLiteral("Fill in the fan counter"));
    QVERIFY(!fillCalculatorButton()->isEnabled() && !fillFanCounterButton()->isEnabled());

    // 42 palette tiles in the notation's spelling, each a picture with a spoken name.
    QStringList names;
    for (const char* suit : {"m", "p", "s"}) {
        for (int n = 1; n <= 9; ++n)
            names << QString::number(n) + suit;
    }
    for (int n = 1; n <= 7; ++n)
        names << QString::number(n) + "z";
    for (const char* bonus : {"f", "y"}) {
        for (int n = 1; n <= 4; ++n)
            names << QString::number(n) + bonus;
    }
    const auto tiles = m_window->findChildren<TileLabel*>(QRegularExpression("^Palette_"));
    QCOMPARE(tiles.size(), 42);
    const QStringList spoken{"Characters 1", "Dots 5",     "Bamboo 9", "East wind",
                             "White dragon", "Red dragon", "Flower 2", "Season 3"};
    const QStringList spokenOf{"1m", "5p", "9s", "1z", "5z", "7z", "2f", "3y"};
    for (const QString& name : names) {
        TileLabel* tile = palette(name);
        QVERIFY2(tile, qPrintable(name));
        QVERIFY(tile->isVisible() && tile->isEnabled());
        QCOMPARE(tile->focusPolicy(), Qt::StrongFocus);
        QVERIFY2(!tile->pixmap().isNull(), qPrintable(name));
        QCOMPARE(tile->pixmap().deviceIndependentSize().toSize(), tile->size());
        if (spokenOf.contains(name))
            QCOMPARE(tile->accessibleName(), spoken[spokenOf.indexOf(name)]);
    }
    // Faces differ; the palette never shows the selected look.
    QVERIFY(palette("5p")->pixmap().toImage() != palette("6p")->pixmap().toImage());
    QVERIFY(palette("1z")->pixmap().toImage() != palette("1f")->pixmap().toImage());
}

void TestHandWindow::menuOpensOneInstance()
{
    const QPointer<HandWindow> first = m_window;
    typeHand("123m");
    item("HandFromTilesMenu")->trigger();
    QCOMPARE(m_shell->windows().instance("HandForm"), first.data());
    QCOMPARE(text()->text(), QStringLiteral("123m"));
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        shown += window->objectName() == "HandForm" && window->isVisible() ? 1 : 0;
    QCOMPARE(shown, 1);

    first->close();
    deleteClosedWindows();
    QVERIFY(first.isNull());
    openHandWindow();
    QVERIFY(m_window != first);
    QVERIFY(text()->text().isEmpty());
}

void TestHandWindow::typedAndClicked_data()
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

void TestHandWindow::typedAndClicked()
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

void TestHandWindow::readingLine_data()
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
    QTest::newRow("won on the pair, declared kongs")
        << "[111s] 999m [9999p] (1111m) 5p +5p" << false
        << "Read as pong 999m concealed, pong [111s] exposed, kong [9999p] exposed, kong "
           "(1111m) concealed; pair 55p (won on 5p)";
    QTest::newRow("the best of two readings")
        << "123m 456m 789m 111m 9m +9m" << false
        << "Read as pong 111m concealed, chow 123m concealed, chow 456m concealed, chow 789m "
           "concealed; pair 99m (won on 9m), the best of 2 readings";
}

void TestHandWindow::readingLine()
{
    QFETCH(QString, typed);
    QFETCH(bool, selfDrawn);
    QFETCH(QString, line);
    if (selfDrawn)
        clickIndicator(control<QCheckBox>("SelfDrawn"));
    typeHand(typed);
    QCOMPARE(result()->text().section('\n', 0, 0), line);
}

void TestHandWindow::typingIsNeverRewritten()
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

void TestHandWindow::pasting()
{
    QApplication::clipboard()->setText("[777z] 123m 456m 789m 5p +5p");
    QTest::keyClick(text(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text()->text(), QStringLiteral("[777z] 123m 456m 789m 5p +5p"));
    QCOMPARE(handTiles().size(), 14);
    QVERIFY(fillCalculatorButton()->isEnabled());
    QVERIFY(result()->text().contains("pong [777z] exposed"));
}

void TestHandWindow::badHands_data()
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
    QTest::newRow("no winning tile") << "123m 456m 789m 111p 55p"
                                     << "no winning tile: write it as +tile";
    QTest::newRow("waiting hand too short")
        << "123m"
        << "10 tiles more: a waiting hand is 13 tiles, a kong counted as 3";
    QTest::newRow("two winning tiles") << "123m +4m +5m"
                                       << "more than one winning tile: +4m and +5m";
    QTest::newRow("flower to win") << "123m +1f"
                                   << "+1f: a flower or season is not a winning tile";
}

void TestHandWindow::badHands()
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

void TestHandWindow::clicksTakeTilesOut()
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

void TestHandWindow::paletteFollowsTheMode()
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

void TestHandWindow::conditionsRecount()
{
    typeHand("123p 456p 789p 11p 66z +6z");
    QVERIFY(result()->text().contains("Your hand is worth 96, Zorvan! Points 576"));
    QCOMPARE(handTileNames().last(), QStringLiteral("Green dragon, winning tile, exposed pong"));
    clickIndicator(control<QCheckBox>("SelfDrawn"));
    QVERIFY(result()->text().contains("Your hand is worth 240, Zorvan! Points 1440"));
    QCOMPARE(handTileNames().last(), QStringLiteral("Green dragon, winning tile, concealed pong"));
    control<QComboBox>("SeatWind")->setCurrentIndex(2);
    QVERIFY(result()->text().contains("Your hand is worth 240, Zorvan! Points 960"));
}

void TestHandWindow::tableLimitOfTheCalculator()
{
    typeHand("111m 999m [111p] 99s 11s +1s");
    QVERIFY2(result()->text().contains(
                 "Zorvan! Points 3000 (table limit 500: none entered in the calculator)"),
             qPrintable(result()->text()));
    // The calculator's limit counts from the next change, or when the window is activated.
    m_calculator->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_calculator));
    QTest::keyClicks(m_calculator->findChild<QLineEdit*>("Text1"), "300");
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QVERIFY2(result()->text().contains("Your hand is worth 300, Zorvan! Points 1800 (table limit "
                                       "300), fans: maximum"),
             qPrintable(result()->text()));
}

void TestHandWindow::keyboard()
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

void TestHandWindow::tabOrder()
{
    typeHand("123m 456m 789m 11z 55p +5p");
    text()->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 80; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
        if (QApplication::focusWidget() == text())
            break;
    }
    QStringList expected{"HandText"};
    for (const char* suit : {"m", "p", "s"}) {
        for (int n = 1; n <= 9; ++n)
            expected << QStringLiteral("Palette_%1%2").arg(n).arg(suit);
    }
    for (int n = 1; n <= 7; ++n)
        expected << QStringLiteral("Palette_%1z").arg(n);
    for (const char* bonus : {"f", "y"}) {
        for (int n = 1; n <= 4; ++n)
            expected << QStringLiteral("Palette_%1%2").arg(n).arg(bonus);
    }
    expected << QString("ModeTile SeatWind RoundWind SelfDrawn SupplementTile LastTile "
                        "RobbingKong NoFaTable ClearHand")
                    .split(' ');
    for (int n = 1; n <= 14; ++n)
        expected << QStringLiteral("HandTile%1").arg(n);
    expected << "FillCalculator"
             << "FillFanCounter";
    QCOMPARE(visited, expected);
}

void TestHandWindow::waits_data()
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

void TestHandWindow::waits()
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

void TestHandWindow::clickingAWaitWins_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("space") << true;
}

void TestHandWindow::clickingAWaitWins()
{
    QFETCH(bool, byKeyboard);
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

void TestHandWindow::fillCalculator_data()
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

void TestHandWindow::fillCalculator()
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

    QCOMPARE(ticked(m_calculator->boxValues()), sheet);
    QCOMPARE(Module1::flowercount, flowers);
    QCOMPARE(numbered<QLabel>(m_calculator, "Label", 36)->text(),
             flowers == 0 ? QString() : numbers(flowers));
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
        QCOMPARE(label38, numbers(json["count"].toInteger()));
        QCOMPARE(label37, numbers(json["value"].toInteger()));
    }
}

void TestHandWindow::calculatorClosed()
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

void TestHandWindow::fillFanCounter_data()
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

void TestHandWindow::fillFanCounter()
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
    QCOMPARE(numbers(json["fans"].toInt()), total);
    window->close();
}

void TestHandWindow::captionsWhole_data()
{
    QTest::addColumn<QString>("family"); // empty: the application's own font
    QTest::addColumn<double>("points");

    QTest::newRow("application font") << "" << 0.0;
    QTest::newRow("Noto Sans 10") << "Noto Sans" << 10.0;
    QTest::newRow("Cantarell 11") << "Cantarell" << 11.0;
    QTest::newRow("DejaVu Sans 10") << "DejaVu Sans" << 10.0;
    QTest::newRow("Liberation Sans 9") << "Liberation Sans" << 9.0;
    QTest::newRow("Noto Sans 14") << "Noto Sans" << 14.0;
    QTest::newRow("Liberation Sans 7") << "Liberation Sans" << 7.0;
}

void TestHandWindow::captionsWhole()
{
    QFETCH(QString, family);
    QFETCH(double, points);

    // The scale is the other two windows' (start-up works it out from their captions); the hand
    // window has to fit whatever it is.
    const QFont before = QApplication::font();
    const auto restore = qScopeGuard([&before] {
        QApplication::setFont(before);
        setDesignScale(1);
    });
    QFont font = before;
    if (!family.isEmpty()) {
        font = QFont(family);
        font.setPointSizeF(points);
        QVERIFY2(QFontInfo(font).family() == family,
                 qPrintable(family + " is not installed: scripts/install-deps.sh test"));
    }
    QApplication::setFont(font);
    const double scale = designScaleFor(font);
    setDesignScale(scale);
    HandWindow window;
    window.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(),
             QSize(int(std::lround(9000 * scale / 15)), int(std::lround(7710 * scale / 15))));

    auto fits = [](QWidget* control, QSize needed) {
        const bool whole =
            needed.width() <= control->width() && needed.height() <= control->height();
        if (!whole)
            qWarning() << control->objectName() << "needs" << needed << "has" << control->size();
        return whole;
    };
    // The text's height, and for a framed control its frame above and below.
    auto textHeight = [](QWidget* control, bool framed) {
        const int frame = framed ? control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        return QSize(0, QFontMetrics(control->font()).height() + 2 * frame);
    };
    const auto controls = window.findChildren<QWidget*>();
    int captions = 0;
    for (QWidget* control : controls) {
        if (auto* label = qobject_cast<QLabel*>(control);
            label && !label->wordWrap() && !label->text().isEmpty()) {
            QVERIFY(fits(label, label->sizeHint()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            // The style's own width: indicator, spacing and margins with the text.
            QVERIFY(fits(button, QSize(button->sizeHint().width(), 0)));
            QVERIFY(fits(button, textHeight(button, qobject_cast<QPushButton*>(button))));
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            QVERIFY(fits(combo, QSize(combo->sizeHint().width(), 0)));
            QVERIFY(fits(combo, textHeight(combo, true)));
        } else if (qobject_cast<QLineEdit*>(control)) {
            QVERIFY(fits(control, textHeight(control, true)));
        } else {
            continue;
        }
        ++captions;
    }
    QCOMPARE(captions, 22);

    // The result holds the longest sentences it writes, and every wait its two values.
    auto* text = window.findChild<QLineEdit*>("HandText");
    auto* result = window.findChild<QLabel*>("HandResult");
    for (const char* hand :
         {"(1111z) (5555z) (6666z) 22z 77z +7z 1234f 1234y", "111222333m 9p [1111z] +9p",
          "123m123m123m99p +3m", "[1111z] [2222z] [3333z] [4444z] 5z +5z 1234f",
          "[123m] [123m] [123m] 9p 9p 9p 2s +2s", "[1235m] [5555p] [6666p] [7777p] 11z +1z",
          "1112345678999m"}) {
        text->setText(QLatin1String(hand));
        QVERIFY2(fits(result, QSize(0, result->heightForWidth(result->width()))), hand);
    }
    // A waiting hand's sentence stays above its waits.
    QWidget* waits = window.findChild<QWidget*>("Waits");
    QVERIFY(waits->isVisible());
    QVERIFY(result->heightForWidth(result->width()) <= waits->y() - result->y());
    int values = 0;
    for (QLabel* value : waits->findChildren<QLabel*>()) {
        if (value->isVisibleTo(&window) && !qobject_cast<TileLabel*>(value)) {
            QVERIFY(fits(value, value->sizeHint()));
            ++values;
        }
    }
    QCOMPARE(values, 9);
}

QTEST_MAIN(TestHandWindow)
#include "tst_handwindow.moc"

// The throws on the real widgets: the hand window's table from 14 tiles (a click or Enter on a
// row throws its tile, the best marked in the hand, a row read as one sentence) and the
// practice window's "What to throw" drill (the verdict right and wrong, the table with the
// choice marked, the tally, the deal from a seed); every caption whole in every language.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include "designscale.h"
#include "handwindowtest.h"
#include "language.h"
#include "practicewindow.h"
#include "throwstable.h"
#include "throwview.h"
#include "tileimages.h"
#include "windownames.h"
#include "windowscale.h"

namespace {

// 5p and 8p leave it waiting, 5p on more tiles; the others a tile away.
const QString twoWaits = QStringLiteral("234m 456p 578p 678s 99s");

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(QAccessible::Name) : QString();
}

void clickRow(QWidget* row)
{
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(row->width() / 2, row->height() / 2));
}

QStringList rowNames(const ThrowsTable* table)
{
    QStringList names;
    for (const ThrowRowWidget* row : table->shownRows())
        names << row->objectName();
    return names;
}

} // namespace

class TestThrowWindow : public QObject, protected HandWindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tableBestFirst();
    void rowThrowsItsTile_data();
    void rowThrowsItsTile();
    void bestMarkedInTheHand();
    void drillVerdictAndTally();
    void drillRepeatsFromASeed();
    void captionsWhole_data();
    void captionsWhole();

private:
    ThrowsTable* table() const { return control<ThrowsTable>("Throws"); }
    PracticeWindow* openDrill();
};

void TestThrowWindow::init()
{
    startWithHandWindow();
}

void TestThrowWindow::cleanup()
{
    applyLanguage(QStringLiteral("en"));
    stopTheProgram();
}

void TestThrowWindow::tableBestFirst()
{
    QVERIFY(!table()->isVisible());
    typeHand(twoWaits);
    QVERIFY(table()->isVisible());
    QCOMPARE(result()->text(),
             QStringLiteral("Throw one, the best first; click a row to throw it."));
    const hand::DiscardsResult engine = hand::findDiscards(twoWaits.toStdString(), {});
    QStringList expected;
    for (const hand::Discard& discard : engine.discards)
        expected << "Throw_" + QString::fromStdString(hand::faceText(discard.face));
    QCOMPARE(rowNames(table()), expected);
    QCOMPARE(expected.front(), QStringLiteral("Throw_5p"));

    ThrowRowWidget* best = table()->shownRows().front();
    QCOMPARE(best->findChild<QLabel*>("ThrowAway")->text(), QStringLiteral("waiting"));
    QCOMPARE(best->findChild<QLabel*>("ThrowAccepted")->text(), QStringLiteral("11"));
    QCOMPARE(best->findChild<QLabel*>("ThrowWorth")->text(), QStringLiteral("240"));
    QCOMPARE(best->findChild<QLabel*>("AcceptLeft_6p")->text(), QStringLiteral("3"));
    QVERIFY(best->findChild<QLabel*>("Accept_9p")->isVisible());
    QCOMPARE(accessibleName(best),
             QStringLiteral("Throw Dots 5: waiting; 11 tiles left win: Dots 3 (4 left), Dots 6 (3 "
                            "left), Dots 9 (4 left); the best wins 240 on a discard. The best "
                            "throw."));
    QCOMPARE(best->focusPolicy(), Qt::StrongFocus);
    auto* far = table()->findChild<ThrowRowWidget*>("Throw_9s");
    QCOMPARE(far->findChild<QLabel*>("ThrowAway")->text(), QStringLiteral("1"));
    QVERIFY(far->findChild<QLabel*>("ThrowWorth")->text().isEmpty());

    // A hand of 13 has no table; nor has a hand of 14 with its winning tile.
    typeHand("234m 456p 578p 678s 9s");
    QVERIFY(!table()->isVisible());
    typeHand("234m 456p 57p 678s 99s +6p");
    QVERIFY(!table()->isVisible());
    QVERIFY(fillCalculatorButton()->isEnabled());
}

void TestThrowWindow::rowThrowsItsTile_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QStringList>("waits");

    QTest::newRow("click the best") << "Throw_5p" << false << "234m45678p67899s"
                                    << QStringList{"Wait_3p", "Wait_6p", "Wait_9p"};
    QTest::newRow("Enter on the second")
        << "Throw_8p" << true << "234m45567p67899s" << QStringList{"Wait_3p", "Wait_6p"};
    QTest::newRow("click a tile away")
        << "Throw_9s" << false << "234m455678p6789s" << QStringList{};
}

void TestThrowWindow::rowThrowsItsTile()
{
    QFETCH(QString, row);
    QFETCH(bool, byKeyboard);
    QFETCH(QString, left);
    QFETCH(QStringList, waits);
    typeHand(twoWaits);
    auto* chosen = table()->findChild<ThrowRowWidget*>(row);
    QVERIFY(chosen && chosen->isVisible());
    if (byKeyboard) {
        chosen->setFocus(Qt::TabFocusReason);
        QTest::keyClick(chosen, Qt::Key_Return);
    } else {
        clickRow(chosen);
    }
    QCOMPARE(text()->text(), left);
    QVERIFY(!table()->isVisible());
    QStringList shown;
    for (TileLabel* wait : waitTiles())
        shown << wait->objectName();
    QCOMPARE(shown, waits);
    // The keyboard goes on to the first wait, or to the text.
    if (byKeyboard)
        QCOMPARE(QApplication::focusWidget(),
                 waits.isEmpty() ? static_cast<QWidget*>(text()) : waitTiles().front());
}

void TestThrowWindow::bestMarkedInTheHand()
{
    typeHand(twoWaits);
    QStringList marked;
    for (TileLabel* tile : handTiles()) {
        if (tile->accessibleName().endsWith(", the best to throw"))
            marked << tile->accessibleName();
    }
    QCOMPARE(marked, (QStringList{"Dots 5, concealed, the best to throw",
                                  "Dots 5, concealed, the best to throw"}));
    // Drawn in the selected look; the other tiles in the normal one.
    const QList<TileLabel*> tiles = handTiles();
    const qreal ratio = m_window->devicePixelRatioF();
    auto look = [ratio](TileLabel* tile, const char* image, bool selected) {
        return tile->pixmap().toImage() ==
               tileImage(QLatin1String(image), selected, tile->size(), ratio).toImage();
    };
    QVERIFY(look(tiles[4], "5p", true)); // 234m 4p, then both 5p
    QVERIFY(look(tiles[5], "5p", true));
    QVERIFY(look(tiles[6], "6p", false));
    QVERIFY(look(tiles[3], "4p", false));
    // A hand that is not thrown from marks nothing.
    typeHand("234m 456p 578p 678s 9s");
    for (TileLabel* tile : handTiles())
        QVERIFY(!tile->accessibleName().endsWith(", the best to throw"));
}

PracticeWindow* TestThrowWindow::openDrill()
{
    item("PracticeMenu")->trigger();
    auto* practice = qobject_cast<PracticeWindow*>(
        m_shell->windows().instance(QLatin1String(windowname::practiceWindow)));
    if (practice)
        practice->findChild<QComboBox*>("PracticeLevel")->setCurrentIndex(3);
    return practice;
}

void TestThrowWindow::drillVerdictAndTally()
{
    PracticeWindow* practice = openDrill();
    QVERIFY(practice);
    auto* verdict = practice->findChild<QLabel*>("PracticeVerdict");
    auto* tally = practice->findChild<QLabel*>("PracticeTally");
    auto* throws = practice->findChild<ThrowsTable*>("Throws");
    QCOMPARE(tally->text(), QStringLiteral("0 of 0 right, 0 in a row"));
    QVERIFY(!practice->findChild<QLineEdit*>("PracticeCount")->isVisible());
    QVERIFY(!practice->findChild<QPushButton*>("PracticeCheck")->isVisible());

    // The pictures, from 1: 2m 3m 4m 4p 5p 5p 6p 7p 8p 6s 7s 8s 9s 9s.
    hand::ThrowDeal dealt;
    dealt.hand = hand::parseHand(twoWaits.toStdString(), hand::WinningTile::Optional).hand;
    auto pick = [practice](int slot) {
        auto* tile = practice->findChild<TileLabel*>(QStringLiteral("PracticeTile%1").arg(slot));
        QTest::mouseClick(tile, Qt::LeftButton, {}, tile->rect().center());
    };
    practice->showThrowDeal(dealt);
    QVERIFY(!throws->isVisible());
    pick(5); // 5p
    QCOMPARE(verdict->text(), QStringLiteral("Right: throwing Dots 5 is among the best, waiting "
                                             "with 11 tiles left to help."));
    QCOMPARE(tally->text(), QStringLiteral("1 of 1 right, 1 in a row"));
    QVERIFY(throws->isVisible());
    QCOMPARE(throws->shownRows().front()->objectName(), QStringLiteral("Throw_5p"));
    QVERIFY(throws->shownRows().front()->row().chosen && throws->shownRows().front()->row().best);

    // As near but fewer accepted is wrong; a second choice is judged but not counted again.
    practice->showThrowDeal(dealt);
    QCOMPARE(tally->text(), QStringLiteral("1 of 1 right, 1 in a row"));
    pick(9); // 8p
    QCOMPARE(verdict->text(),
             QStringLiteral("Not quite: throwing Dots 8 leaves the hand waiting with 7 tiles left "
                            "to help; throwing Dots 5 leaves it waiting with 11."));
    QCOMPARE(tally->text(), QStringLiteral("1 of 2 right, 0 in a row"));
    auto* mine = throws->findChild<ThrowRowWidget*>("Throw_8p");
    QVERIFY(mine->row().chosen && !mine->row().best);
    QVERIFY(accessibleName(mine).endsWith(". Your choice."));
    QVERIFY(!throws->findChild<ThrowRowWidget*>("Throw_5p")->row().chosen);
    pick(6);
    QCOMPARE(tally->text(), QStringLiteral("1 of 2 right, 0 in a row"));

    // Showing the answer gives the hand up.
    practice->showThrowDeal(dealt);
    practice->findChild<QPushButton*>("PracticeReveal")->click();
    QVERIFY(throws->isVisible());
    QCOMPARE(tally->text(), QStringLiteral("1 of 3 right, 0 in a row"));

    // Counting again: its own tally, the drill's controls gone.
    practice->findChild<QComboBox*>("PracticeLevel")->setCurrentIndex(0);
    QVERIFY(!throws->isVisible());
    QVERIFY(practice->findChild<QLineEdit*>("PracticeCount")->isVisible());
    QCOMPARE(tally->text(), QStringLiteral("0 of 0 right, 0 in a row"));
}

void TestThrowWindow::drillRepeatsFromASeed()
{
    PracticeWindow* practice = openDrill();
    QVERIFY(practice);
    practice->reseed(1958);
    const hand::ThrowDeal first = practice->currentThrowDeal();
    practice->findChild<QPushButton*>("PracticeNext")->click();
    QVERIFY(!(practice->currentThrowDeal().hand == first.hand));
    practice->reseed(1958);
    QVERIFY(practice->currentThrowDeal().hand == first.hand);
    const int away = hand::findDiscards(first.hand, {}).discards.front().away;
    QVERIFY(away == 1 || away == 2);
    QCOMPARE(practice->findChild<QLabel*>("PracticeHand")->text(),
             QString::fromStdString(hand::writeHand(first.hand)));
}

void TestThrowWindow::captionsWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("family"); // empty: the application's own font
    QTest::addColumn<double>("points");
    for (const char* language : {"en", "nl", "de"}) {
        QTest::addRow("%s, application font", language) << language << "" << 0.0;
        QTest::addRow("%s, Noto Sans 14", language) << language << "Noto Sans" << 14.0;
        QTest::addRow("%s, Liberation Sans 7", language) << language << "Liberation Sans" << 7.0;
        QTest::addRow("%s, Cantarell 11", language) << language << "Cantarell" << 11.0;
    }
}

void TestThrowWindow::captionsWhole()
{
    QFETCH(QString, language);
    QFETCH(QString, family);
    QFETCH(double, points);
    const QFont before = QApplication::font();
    const auto restore = qScopeGuard([&before] {
        QApplication::setFont(before);
        setDesignScale(1);
    });
    if (!family.isEmpty()) {
        QFont font(family);
        font.setPointSizeF(points);
        QVERIFY2(QFontInfo(font).family() == family,
                 qPrintable(family + " is not installed: scripts/install-deps.sh test"));
        QApplication::setFont(font);
    }
    applyLanguage(language);
    setDesignScale(designScaleFor(QApplication::font()));

    // The hand window's table with its fullest row, a waiting one, and the drill's.
    HandWindow window;
    window.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit*>("HandText")->setText(twoWaits);
    PracticeWindow practice;
    practice.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&practice));
    practice.findChild<QComboBox*>("PracticeLevel")->setCurrentIndex(3);
    hand::ThrowDeal dealt;
    dealt.hand = hand::parseHand(twoWaits.toStdString(), hand::WinningTile::Optional).hand;
    practice.showThrowDeal(dealt);
    auto* ninth = practice.findChild<TileLabel*>("PracticeTile9"); // 8p
    QTest::mouseClick(ninth, Qt::LeftButton, {}, ninth->rect().center());

    int captions = 0;
    for (QWidget* top : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&practice)}) {
        auto* throws = top->findChild<ThrowsTable*>("Throws");
        QVERIFY(throws && throws->isVisible());
        for (QLabel* label : throws->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(top) || label->text().isEmpty())
                continue;
            const QSize needed = label->sizeHint();
            QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                     qPrintable(QStringLiteral("%1 \"%2\" needs %3 x %4, has %5 x %6")
                                    .arg(label->objectName(), label->text())
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(label->width())
                                    .arg(label->height())));
            ++captions;
        }
        // The line above the table and the verdict, whole in their rooms.
        for (const char* name : {"HandResult", "PracticeVerdict", "PracticeSituation"}) {
            auto* label = top->findChild<QLabel*>(name);
            if (!label)
                continue;
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
        }
    }
    QVERIFY(captions > 40);
}

QTEST_MAIN(TestThrowWindow)
#include "tst_throwwindow.moc"

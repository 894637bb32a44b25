#include <memory>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "fancounterwindow.h"
#include "messageboxcatcher.h"
#include "module1.h"
#include "testhelpers.h"

using Pictures = QList<int>;

namespace {

// Each tile's name without its state, index 0 for Picture1.
const QStringList tileNames{
    "Prevailing wind: East",
    "Prevailing wind: South",
    "Prevailing wind: West",
    "Prevailing wind: North",
    "Seat wind: East",
    "Seat wind: South",
    "Seat wind: West",
    "Seat wind: North",
    "Wind pong/kong: East",
    "Wind pong/kong: South",
    "Wind pong/kong: West",
    "Wind pong/kong: North",
    "Dragon pong/kong: White dragon",
    "Dragon pong/kong: Red dragon",
    "Dragon pong/kong: Green dragon",
    "Flowers: flower 1",
    "Flowers: flower 2",
    "Flowers: flower 3",
    "Flowers: flower 4",
    "Seasons: season 1",
    "Seasons: season 2",
    "Seasons: season 3",
    "Seasons: season 4",
};

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(QAccessible::Name) : QString();
}

QString expectedTileName(int picture, bool selected)
{
    return tileNames[picture - 1] +
           (selected ? QStringLiteral(", selected") : QStringLiteral(", not selected"));
}

} // namespace

// What a screen reader and a keyboard user get from the fan counter.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tileNames_data();
    void tileNames();
    void namesFollowTheFlags_data();
    void namesFollowTheFlags();
    void clearAllResetsTheNames();
    void reopeningNamesTheRetainedFlags();
    void boxesAndButtonsAreNamed_data();
    void boxesAndButtonsAreNamed();
    void spaceActsAsAClick_data();
    void spaceActsAsAClick();
    void spaceHeldDownTogglesOnce();
    void onlyPlainSpaceToggles();
    void tabFollowsTheBoard();
    void focusFrameLeavesThePictureAlone();

private:
    QLabel* picture(int n) const { return numbered<QLabel>(m_window.get(), "Picture", n); }
    QCheckBox* check(int n) const { return numbered<QCheckBox>(m_window.get(), "Check", n); }
    QPushButton* command(int n) const
    {
        return numbered<QPushButton>(m_window.get(), "Command", n);
    }
    QString total() const { return m_window->findChild<QLabel*>("Label8")->text(); }
    void openWindow()
    {
        m_window = std::make_unique<FanCounterWindow>();
        m_window->setVisible(true);
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void pressSpace(int n)
    {
        picture(n)->setFocus();
        QTRY_VERIFY(picture(n)->hasFocus());
        QTest::keyClick(picture(n), Qt::Key_Space);
    }
    // Every tile's name agrees with its flag.
    void verifyNamesAgreeWithFlags() const
    {
        for (int n = 1; n <= 23; ++n)
            QCOMPARE(accessibleName(picture(n)),
                     expectedTileName(n, Module1::tilestate[n - 1] == "aan"));
    }

    std::unique_ptr<MessageBoxCatcher> m_catcher;
    std::unique_ptr<FanCounterWindow> m_window;
};

void TestAccessibility::init()
{
    Module1::reset();
    m_catcher = std::make_unique<MessageBoxCatcher>();
    openWindow();
}

void TestAccessibility::cleanup()
{
    m_window.reset();
    m_catcher->expectNoneLeft();
    m_catcher.reset();
}

void TestAccessibility::tileNames_data()
{
    QTest::addColumn<int>("picture");
    for (int n = 1; n <= 23; ++n)
        QTest::addRow("Picture%d", n) << n;
}

void TestAccessibility::tileNames()
{
    QFETCH(int, picture);
    QCOMPARE(accessibleName(this->picture(picture)), expectedTileName(picture, false));
    QTest::mouseClick(this->picture(picture), Qt::LeftButton);
    QCOMPARE(accessibleName(this->picture(picture)), expectedTileName(picture, true));
    QTest::mouseClick(this->picture(picture), Qt::LeftButton);
    QCOMPARE(accessibleName(this->picture(picture)), expectedTileName(picture, false));
}

void TestAccessibility::namesFollowTheFlags_data()
{
    QTest::addColumn<Pictures>("clicks");

    QTest::newRow("the prevailing wind moves") << Pictures{1, 2, 4};
    QTest::newRow("the seat wind moves, then is dropped") << Pictures{5, 8, 8};
    QTest::newRow("winds in three rows at once") << Pictures{3, 7, 11, 12};
    QTest::newRow("dragons, flowers and seasons") << Pictures{13, 15, 16, 19, 23, 15};
}

void TestAccessibility::namesFollowTheFlags()
{
    QFETCH(Pictures, clicks);
    for (int n : clicks) {
        QTest::mouseClick(picture(n), Qt::LeftButton);
        verifyNamesAgreeWithFlags();
    }
}

void TestAccessibility::clearAllResetsTheNames()
{
    for (int n : {2, 6, 9, 14, 17, 22})
        QTest::mouseClick(picture(n), Qt::LeftButton);
    QCOMPARE(accessibleName(picture(14)), expectedTileName(14, true));
    QTest::mouseClick(command(1), Qt::LeftButton);
    for (int n = 1; n <= 23; ++n)
        QCOMPARE(accessibleName(picture(n)), expectedTileName(n, false));
}

void TestAccessibility::reopeningNamesTheRetainedFlags()
{
    for (int n : {4, 5, 13, 20})
        QTest::mouseClick(picture(n), Qt::LeftButton);
    m_window.reset();
    openWindow();
    verifyNamesAgreeWithFlags();
    QCOMPARE(accessibleName(picture(4)), expectedTileName(4, true));
    QCOMPARE(accessibleName(picture(1)), expectedTileName(1, false));
    // A click in the row moves the selection and both names with it.
    QTest::mouseClick(picture(1), Qt::LeftButton);
    QCOMPARE(accessibleName(picture(4)), expectedTileName(4, false));
    QCOMPARE(accessibleName(picture(1)), expectedTileName(1, true));
}

void TestAccessibility::boxesAndButtonsAreNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");

    QTest::newRow("Check1") << "Check1"
                            << "All Pungs";
    QTest::newRow("Check2") << "Check2"
                            << "All Chows";
    QTest::newRow("Check3") << "Check3"
                            << "Semi Pure";
    QTest::newRow("Check4") << "Check4"
                            << "Pure";
    QTest::newRow("Check5") << "Check5"
                            << "Self Pick";
    QTest::newRow("Check6") << "Check6"
                            << "All Terminals";
    QTest::newRow("Check7") << "Check7"
                            << "All Honors";
    QTest::newRow("Check8") << "Check8"
                            << "MJ on Suplement tile";
    QTest::newRow("Check9") << "Check9"
                            << "MJ on robbing kong";
    QTest::newRow("Check10") << "Check10"
                             << "Last tile";
    QTest::newRow("Check11") << "Check11"
                             << "Im playing a NO FA table";
    QTest::newRow("CLEAR ALL") << "Command1"
                               << "Clear all tiles and conditions";
    QTest::newRow("?") << "Command2"
                       << "Hint on MJ on Suplement tile";
    QTest::newRow("total") << "Label8"
                           << "Your FANS";
}

void TestAccessibility::boxesAndButtonsAreNamed()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QWidget* widget = m_window->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(::accessibleName(widget), accessibleName);
    // The names are for screen readers only: the boxes still show no caption.
    if (auto* box = qobject_cast<QCheckBox*>(widget))
        QVERIFY(box->text().isEmpty());
}

void TestAccessibility::spaceActsAsAClick_data()
{
    QTest::addColumn<Pictures>("presses");
    QTest::addColumn<Pictures>("selected");
    QTest::addColumn<QString>("total");

    QTest::newRow("prevailing East") << Pictures{1} << Pictures{1} << " 1";
    QTest::newRow("prevailing East, then South") << Pictures{1, 2} << Pictures{2} << " 1";
    QTest::newRow("seat South twice") << Pictures{6, 6} << Pictures{} << " 1";
    QTest::newRow("seat and prevailing East, East pong")
        << Pictures{1, 5, 9} << Pictures{1, 5, 9} << " 3";
    QTest::newRow("red dragon") << Pictures{14} << Pictures{14} << " 2";
    QTest::newRow("own flower and season") << Pictures{6, 17, 21} << Pictures{6, 17, 21} << " 2";
}

void TestAccessibility::spaceActsAsAClick()
{
    QFETCH(Pictures, presses);
    QFETCH(Pictures, selected);
    QFETCH(QString, total);
    for (int n : presses)
        pressSpace(n);
    for (int n = 1; n <= 23; ++n) {
        const bool expected = selected.contains(n);
        QCOMPARE(Module1::tilestate[n - 1] == "aan", expected);
        QCOMPARE(accessibleName(picture(n)), expectedTileName(n, expected));
    }
    QCOMPARE(this->total(), total);

    // The same presses as mouse clicks on a fresh board leave the same pictures.
    QList<QImage> looks;
    for (int n = 1; n <= 23; ++n)
        looks << picture(n)->pixmap().toImage();
    Module1::reset();
    m_window.reset();
    openWindow();
    for (int n : presses)
        QTest::mouseClick(picture(n), Qt::LeftButton);
    for (int n = 1; n <= 23; ++n)
        QCOMPARE(picture(n)->pixmap().toImage(), looks[n - 1]);
    QCOMPARE(this->total(), total);
}

void TestAccessibility::spaceHeldDownTogglesOnce()
{
    pressSpace(14);
    QTest::keyPress(picture(14), Qt::Key_Space);
    // The repeats of a held key.
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                         true);
        QApplication::sendEvent(picture(14), &repeat);
    }
    QTest::keyRelease(picture(14), Qt::Key_Space);
    // Two presses in all: selected and deselected again, not flickering with the repeats.
    QCOMPARE(Module1::tilestate[13], std::string());
    QCOMPARE(accessibleName(picture(14)), expectedTileName(14, false));
    QCOMPARE(total(), QStringLiteral(" 1"));
}

void TestAccessibility::onlyPlainSpaceToggles()
{
    picture(16)->setFocus();
    QTRY_VERIFY(picture(16)->hasFocus());
    QTest::keyClick(picture(16), Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClick(picture(16), Qt::Key_Return);
    QTest::keyClick(picture(16), Qt::Key_A);
    QCOMPARE(Module1::tilestate[15], std::string());
    QCOMPARE(total(), QStringLiteral(" 1"));
}

void TestAccessibility::tabFollowsTheBoard()
{
    // Row by row as on screen: the dragons stand at the bottom, below the seasons.
    const QStringList board{
        "Picture1",  "Picture2",  "Picture3",  "Picture4",  "Picture5",  "Picture6",
        "Picture7",  "Picture8",  "Picture9",  "Picture10", "Picture11", "Picture12",
        "Picture16", "Picture17", "Picture18", "Picture19", "Picture20", "Picture21",
        "Picture22", "Picture23", "Picture13", "Picture14", "Picture15", "Check1",
        "Check2",    "Check3",    "Check4",    "Check6",    "Check7",    "Check10",
        "Check5",    "Check8",    "Check9",    "Check11",   "Command1",  "Command2"};
    // The window opens on the first tile.
    QTRY_COMPARE(QApplication::focusWidget(), picture(1));
    QStringList visited;
    for (qsizetype i = 0; i < board.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, board);
    QCOMPARE(QApplication::focusWidget(), picture(1)); // and round again
    // Tabbing selects nothing.
    for (const std::string& flag : Module1::tilestate)
        QVERIFY(flag.empty());
    // The hidden image holders never take the focus.
    for (int n = 24; n <= 53; ++n)
        QCOMPARE(picture(n)->focusPolicy(), Qt::NoFocus);
}

void TestAccessibility::focusFrameLeavesThePictureAlone()
{
    // The style draws the frame once the keyboard has moved the focus, as on its buttons.
    picture(9)->setFocus();
    QTRY_VERIFY(picture(9)->hasFocus());
    const QImage plain = picture(10)->grab().toImage();
    QTest::keyClick(picture(9), Qt::Key_Tab);
    QTRY_VERIFY(picture(10)->hasFocus());
    const QImage framed = picture(10)->grab().toImage();
    QCOMPARE(framed.size(), plain.size());
    // The frame runs along the edge, in every pixel of it; the face inside is untouched.
    const int inset = 2 * static_cast<int>(framed.devicePixelRatio());
    for (int y = 0; y < framed.height(); ++y) {
        for (int x = 0; x < framed.width(); ++x) {
            const bool edge = x < inset || y < inset || x >= framed.width() - inset ||
                              y >= framed.height() - inset;
            if (edge)
                QCOMPARE(framed.pixel(x, y),
                         picture(10)->palette().color(QPalette::Highlight).rgb());
            else
                QCOMPARE(framed.pixel(x, y), plain.pixel(x, y));
        }
    }
    // Focus leaves, the frame goes.
    QTest::keyClick(picture(10), Qt::Key_Tab);
    QTRY_VERIFY(picture(11)->hasFocus());
    QCOMPARE(picture(10)->grab().toImage(), plain);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

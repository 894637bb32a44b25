// The fan counter window: its controls at their places, the image holders, a fresh board on
// opening, the calculator's colours, and the tiles' looks restored from their flags.
#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "calculatorwindow.h"
#include "fancountertest.h"

class TestFanCounterWindow : public QObject, protected FanCounterWindowTest {
    Q_OBJECT

private slots:
    void init() { openTheWindow(); }
    void cleanup() { closeTheWindow(); }

    void windowAndLayout();
    void geometry_data();
    void geometry();
    void resizingMovesNothing();
    void holdersHoldTheImages();
    void opensOnAFreshBoard();
    void coloursFromTheCalculator();
    void defaultColoursWithoutACalculator();
    void reopeningShowsTheRetainedFlags();
};

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

QTEST_MAIN(TestFanCounterWindow)
#include "tst_fancounterwindow.moc"

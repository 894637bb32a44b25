// The hand window as a whole: its controls and names, one instance from the menu, the
// conditions and the calculator's table limit counted in, the order Tab walks, every caption
// whole at every font.
#include <cmath>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>

#include "designscale.h"
#include "handwindowtest.h"
#include "windowscale.h"

class TestHandWindow : public QObject, protected HandWindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void contract();
    void menuOpensOneInstance();
    void conditionsRecount();
    void tableLimitOfTheCalculator();
    void tabOrder();
    void captionsWhole_data();
    void captionsWhole();
};

void TestHandWindow::init()
{
    startWithHandWindow();
}

void TestHandWindow::cleanup()
{
    stopTheProgram();
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
             QSize(int(std::lround(9000 * scale / 15)), int(std::lround(9270 * scale / 15))));

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
    QCOMPARE(captions, 27); // the throws table's five headers among them

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

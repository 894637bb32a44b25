#include <ctime>
#include <memory>
#include <random>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "afterfirstpaint.h"
#include "applicationicon.h"
#include "applicationstyle.h"
#include "calculatorwindow.h"
#include "handrequest.h"
#include "messageboxcatcher.h"
#include "module1.h"
#include "programstart.h"
#include "shell.h"

namespace {

const QStringList glossaryLines{
    "Chow: Sequential run of 3 tiles in the same suit ",
    "Honors: Dragons and Winds ",
    "KFC: Kentucky Fried Chicken (anything you like... no rules!!!)",
    "Last Tile: Tile # 14",
    "Pong/Kong: 3/4 of the same tile ",
    "Prevailing Wind: Current prevailing wind shown on the upper left hand of the screen.",
    "Seat Wind: Current wind of your seat, shown by your name.",
    "Semi Pure: All one suit with dragons or winds",
    "Pure: All One Suit",
    "Self Pick: Draw winning tile from the wall",
    "Steal a Kong: Someone kongs a tile and you can mah jongg with this tile",
    "Supplemental Self Pick: Drawing any flower/season or melding a kong and the next tile drawn "
    "is mj for you ",
    "Terminals : One's and Nine's ",
};

const QStringList fanRuleLines{
    "Semi Pure = 3 Fans     These are what we call standard 3 fans",
    "4 Pongs/Kong and a pair = 3 Fans  These are what we call standard 3 fans",
    "",
    "Flower/Season Kong = 1 fan",
    "Going out on Supplemental tile = 1 Fans ",
    "All Terminals and Honors = 1 Fan",
    "4 Chows = 1 Fan",
    "Pong/Kong Dragon = 1 Fan",
    "Pong/Kong Prevailing Wind = 1 Fan",
    "Pong/Kong Seat Wind = 1 Fan",
    "Self Pick = 1 Fan",
    "No Flowers and Seasons = 1 Fan",
    "Seat Flower or Season = 1 Fan",
    "Steal a Kong = 1 Fan",
    "Last Tile = 1 Fan ",
    "",
    "Pure = 6 Fans",
    "All Honors = Maximum Fan",
    "All Terminals = Maximum Fan",
    " ",
    "All Fans Are Added Together!!!",
};

const QString howTo = QStringLiteral("For the Calculator fill in TableLimit-for the FanCounter "
                                     "click seat and prevailing wind before clicking other boxes");

const QStringList openingItems{"WhatgivesMenu",     "FancalculatorMenu", "Menuwho",
                               "MenuWhy",           "thankusmenu",       "DefinitionsMenu",
                               "HandFromTilesMenu", "PracticeMenu"};
const QStringList otherForms{"Form2", "Form3", "Form4",    "Form5",
                             "Form6", "Form7", "HandForm", "PracticeForm"};

// The program's own windows: parentless top-level widgets (menus and boxes have parents).
QWidgetList programWindows(bool visibleOnly)
{
    QWidgetList windows;
    const QWidgetList all = QApplication::topLevelWidgets();
    for (QWidget* widget : all) {
        if (!widget->parentWidget() && (!visibleOnly || widget->isVisible()))
            windows << widget;
    }
    return windows;
}

QStringList visibleWindowNames()
{
    QStringList names;
    for (QWidget* window : programWindows(true))
        names << window->objectName();
    names.sort();
    return names;
}

QWidgetList visibleWindowsNamed(const QString& name)
{
    QWidgetList found;
    for (QWidget* window : programWindows(true)) {
        if (window->objectName() == name)
            found << window;
    }
    return found;
}

// Ends a hanging event loop with code 2; the guard must not outlive its test.
std::unique_ptr<QTimer> stopAfterFiveSeconds()
{
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    QObject::connect(timer.get(), &QTimer::timeout, [] { QCoreApplication::exit(2); });
    timer->start(5000);
    return timer;
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Lines of a text that ends with a line break: the last, empty piece is not a line.
QStringList linesOf(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255)
                colours.insert(pixel);
        }
    }
    return int(colours.size());
}

bool hasColour(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsOnTheCalculatorAlone();
    void menus_data();
    void menus();
    void parentItemsOpenNothing();
    void itemsOpenTheirWindows_data();
    void itemsOpenTheirWindows();
    void secondChoiceKeepsTheTypedText();
    void reopeningRightAfterClosingGivesOneWindow();
    void howToMessage();
    void exactTexts_data();
    void exactTexts();
    void ownTexts_data();
    void ownTexts();
    void textBoxes_data();
    void textBoxes();
    void readOnlyBoxesIgnoreTyping_data();
    void readOnlyBoxesIgnoreTyping();
    void closingTheCalculatorLeavesTheOthersRunning();
    void closingTheLastWindowEndsTheProgram();
    void randomChoicesNeverDuplicateOrLeak_data();
    void randomChoicesNeverDuplicateOrLeak();
    void applicationIcon();
    void extensionButtonDrawsTheStylesIcon();
    void workAfterTheFirstPaint();
    void noWorkForAWidgetGoneUnpainted();
    void eventsPostedAfterADialogNeedNoFurtherInput();
    void aClosedDialogGivesItsWindowBackTheKeys();
    void handArguments_data();
    void handArguments();
    void handLinkRequests_data();
    void handLinkRequests();
    void requestedHandOpensBesideTheCalculator_data();
    void requestedHandOpensBesideTheCalculator();
    void unreadableRequestSaysWhy();

private:
    QAction* item(const QString& name) const { return m_calculator->findChild<QAction*>(name); }
    // Chooses the item and returns the window it opened, once active.
    QWidget* choose(const QString& itemName)
    {
        const QWidgetList before = programWindows(true);
        QAction* action = item(itemName);
        if (!action)
            return nullptr;
        action->trigger();
        QWidgetList opened;
        for (QWidget* window : programWindows(true)) {
            if (!before.contains(window))
                opened << window;
        }
        if (opened.size() != 1 || !QTest::qWaitForWindowActive(opened.front()))
            return nullptr;
        return opened.front();
    }
    static QPlainTextEdit* text1(QWidget* window)
    {
        return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    }

    qsizetype m_windowsBefore = 0;
    std::unique_ptr<MessageBoxCatcher> m_catcher;
    QPointer<CalculatorWindow> m_calculator;
    std::unique_ptr<Shell> m_shell;
};

void TestShell::init()
{
    deleteClosedWindows();
    m_windowsBefore = programWindows(false).size();
    Module1::reset();
    m_catcher = std::make_unique<MessageBoxCatcher>();
    startProgram(m_calculator, m_shell);
}

void TestShell::cleanup()
{
    m_shell.reset();
    delete m_calculator.data();
    deleteClosedWindows();
    QCOMPARE(programWindows(false).size(), m_windowsBefore);
    m_catcher->expectNoneLeft();
    m_catcher.reset();
}

void TestShell::startsOnTheCalculatorAlone()
{
    QCOMPARE(visibleWindowNames(), QStringList{"Form1"});
    QCOMPARE(programWindows(false).size(), m_windowsBefore + 1);
    QCOMPARE(m_calculator->windowTitle(), QStringLiteral("Zorvan! Mah-Jongg Calculator"));
    QVERIFY(!m_calculator->isWindowModified());

    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), QStringLiteral("Text1"));
    QCOMPARE(focus->window(), m_calculator.data());

    // The client area keeps its designed size below the menu bar.
    QMenuBar* bar = m_calculator->menuBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(m_calculator->centralWidget()->size(), QSize(608, 473));
    QCOMPARE(m_calculator->centralWidget()->y(), bar->geometry().bottom() + 1);
    QCOMPARE(m_calculator->height(), 473 + bar->height());

    // Sizable with every title-bar box the platform gives a main window.
    QVERIFY(!(m_calculator->windowFlags() & Qt::CustomizeWindowHint));
    QVERIFY(m_calculator->minimumSize() != m_calculator->maximumSize());
}

void TestShell::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("parentMenu"); // empty: on the menu bar
    QTest::addColumn<QStringList>("items");  // objectName=caption, in menu order

    QTest::newRow("Fancounting") << "FancountingMenu"
                                 << "Fancounting"
                                 << ""
                                 << QStringList{"WhatgivesMenu=What gives you a fan (text)",
                                                "FancalculatorMenu=Fancalculator"};
    QTest::newRow("Hand") << "HandMenu"
                          << "Hand"
                          << ""
                          << QStringList{"HandFromTilesMenu=Enter a hand from tiles",
                                         "PracticeMenu=Practice counting"};
    QTest::newRow("Help") << "MenuHelp"
                          << "Help"
                          << ""
                          << QStringList{"MenuAbout=About", "Howmenu=How does it work",
                                         "DefinitionsMenu=Definitions"};
    QTest::newRow("About") << "MenuAbout"
                           << "About"
                           << "MenuHelp"
                           << QStringList{"Menuwho=Who made it", "MenuWhy=Why did we make it",
                                          "thankusmenu=Show your appreciation"};
}

void TestShell::menus()
{
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QString, parentMenu);
    QFETCH(QStringList, items);

    QMenuBar* bar = m_calculator->menuBar();
    QStringList barMenus;
    for (QAction* action : bar->actions())
        barMenus << (action->menu() ? action->menu()->objectName() : action->objectName());
    // The two menus of the design, the hand window's between them and the languages last.
    QCOMPARE(barMenus, (QStringList{"FancountingMenu", "HandMenu", "MenuHelp", "LanguageMenu"}));

    auto* found = m_calculator->findChild<QMenu*>(menu);
    QVERIFY(found);
    QCOMPARE(found->title(), title);
    QWidget* expectedParent = parentMenu.isEmpty() ? static_cast<QWidget*>(bar)
                                                   : m_calculator->findChild<QMenu*>(parentMenu);
    QVERIFY(expectedParent);
    QVERIFY(expectedParent->actions().contains(found->menuAction()));

    QStringList actual;
    for (QAction* action : found->actions()) {
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        actual << name + "=" + action->text();
        QVERIFY2(!action->isSeparator(), qPrintable(name));
        QVERIFY2(action->isEnabled() && action->isVisible(), qPrintable(name));
        QVERIFY2(!action->isCheckable() && !action->isChecked(), qPrintable(name));
        QVERIFY2(action->shortcuts().isEmpty(), qPrintable(name));
        // No access key: nothing marks a letter with '&'.
        QVERIFY2(!action->text().contains(QLatin1Char('&')), qPrintable(name));
        QVERIFY2(QKeySequence::mnemonic(action->text()).isEmpty(), qPrintable(name));
    }
    QCOMPARE(actual, items);
    QVERIFY(!found->title().contains(QLatin1Char('&')));
}

void TestShell::parentItemsOpenNothing()
{
    for (const char* menu :
         {"FancountingMenu", "HandMenu", "MenuHelp", "MenuAbout", "LanguageMenu"})
        m_calculator->findChild<QMenu*>(menu)->menuAction()->trigger();
    QCOMPARE(visibleWindowNames(), QStringList{"Form1"});
    QCOMPARE(m_catcher->count(), 0);
}

void TestShell::itemsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<bool>("fixedFrame");

    QTest::newRow("fan rules") << "WhatgivesMenu"
                               << "Form7"
                               << "FanCounting" << QSize(390, 304) << true;
    QTest::newRow("fan counter") << "FancalculatorMenu"
                                 << "Form3"
                                 << "FanCounting" << QSize(442, 353) << false;
    QTest::newRow("credits") << "Menuwho"
                             << "Form2"
                             << "Who made it" << QSize(208, 109) << true;
    QTest::newRow("history") << "MenuWhy"
                             << "Form5"
                             << "Why ?" << QSize(582, 257) << true;
    QTest::newRow("appreciation") << "thankusmenu"
                                  << "Form4"
                                  << "Thank us" << QSize(221, 152) << true;
    QTest::newRow("glossary") << "DefinitionsMenu"
                              << "Form6"
                              << "Defenitions" << QSize(430, 214) << true;
    QTest::newRow("hand window") << "HandFromTilesMenu"
                                 << "HandForm"
                                 << "Hand from tiles" << QSize(600, 514) << false;
    QTest::newRow("practice window") << "PracticeMenu"
                                     << "PracticeForm"
                                     << "Practice counting" << QSize(728, 526) << false;
}

void TestShell::itemsOpenTheirWindows()
{
    QFETCH(QString, itemName);
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    QFETCH(bool, fixedFrame);

    item(itemName)->trigger();
    QCOMPARE(visibleWindowNames(), (QStringList{"Form1", form}));
    QPointer<QWidget> window = visibleWindowsNamed(form).value(0);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), clientSize);
    QCOMPARE(window->parentWidget(), nullptr);
    QVERIFY(!window->isModal());
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(m_calculator->isVisible() && m_calculator->isEnabled());

    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    if (fixedFrame) {
        QCOMPARE(window->minimumSize(), clientSize);
        QCOMPARE(window->maximumSize(), clientSize);
        QVERIFY(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!(flags & Qt::WindowStaysOnTopHint));
        // The text box is the only control and holds the focus.
        QCOMPARE(QApplication::focusWidget(), text1(window));
        QCOMPARE(window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 1);
    } else {
        QVERIFY(window->minimumSize() != window->maximumSize());
        QVERIFY(!(flags & Qt::CustomizeWindowHint));
    }

    // A second choice brings the same instance back; none is added.
    m_calculator->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_calculator));
    item(itemName)->trigger();
    QCOMPARE(visibleWindowsNamed(form), QWidgetList{window.data()});
    QVERIFY(QTest::qWaitForWindowActive(window));

    // Closing discards it; the next choice creates it afresh.
    QVERIFY(window->close());
    deleteClosedWindows();
    QVERIFY(window.isNull());
    QCOMPARE(visibleWindowNames(), QStringList{"Form1"});
    item(itemName)->trigger();
    QCOMPARE(visibleWindowsNamed(form).size(), 1);
    QCOMPARE(visibleWindowsNamed(form).front()->windowTitle(), caption);
}

void TestShell::secondChoiceKeepsTheTypedText()
{
    item("WhatgivesMenu")->trigger();
    QPointer<QWidget> rules = m_shell->windows().instance("Form7");
    QVERIFY(rules);
    QVERIFY(QTest::qWaitForWindowActive(rules));
    QTest::keyClicks(text1(rules), "my own note ");
    const QString typed = text1(rules)->toPlainText();
    QVERIFY(typed.startsWith("my own note Semi Pure = 3 Fans"));

    // Other windows opened in between change nothing in it.
    item("DefinitionsMenu")->trigger();
    item("FancalculatorMenu")->trigger();
    item("WhatgivesMenu")->trigger();
    QCOMPARE(m_shell->windows().instance("Form7"), rules.data());
    QCOMPARE(text1(rules)->toPlainText(), typed);
    QCOMPARE(visibleWindowNames(), (QStringList{"Form1", "Form3", "Form6", "Form7"}));

    rules->close();
    deleteClosedWindows();
    QVERIFY(rules.isNull());
    item("WhatgivesMenu")->trigger();
    QWidget* again = m_shell->windows().instance("Form7");
    QVERIFY(again);
    QCOMPARE(linesOf(text1(again)->toPlainText()), fanRuleLines);
}

void TestShell::reopeningRightAfterClosingGivesOneWindow()
{
    // Closing only schedules the deletion; a choice before it happens must not bring back
    // the window that is about to vanish.
    item("Menuwho")->trigger();
    QPointer<QWidget> first = m_shell->windows().instance("Form2");
    QVERIFY(first);
    first->close();
    QCOMPARE(m_shell->windows().instance("Form2"), nullptr);
    item("Menuwho")->trigger();
    QWidget* second = m_shell->windows().instance("Form2");
    QVERIFY(second);
    QVERIFY(second != first.data());
    deleteClosedWindows();
    QVERIFY(first.isNull());
    QCOMPARE(visibleWindowsNamed("Form2"), QWidgetList{second});
    QCOMPARE(m_shell->windows().instance("Form2"), second);
}

void TestShell::howToMessage()
{
    item("Howmenu")->trigger();
    const auto caught = m_catcher->take();
    QCOMPARE(caught.size(), 1);
    QCOMPARE(caught[0].text, howTo);
    QCOMPARE(caught[0].title, QStringLiteral("Check This!"));
    QCOMPARE(caught[0].icon, QMessageBox::Information);
    QCOMPARE(caught[0].buttons.size(), 1);
    QVERIFY(caught[0].okOnly);
    QVERIFY(caught[0].modal);
    // Nothing else changes.
    QCOMPARE(visibleWindowNames(), QStringList{"Form1"});
    QVERIFY(m_calculator->focusWidget());
    QCOMPARE(m_calculator->focusWidget()->objectName(), QStringLiteral("Text1"));
}

void TestShell::exactTexts_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("glossary") << "DefinitionsMenu" << glossaryLines;
    QTest::newRow("fan rules") << "WhatgivesMenu" << fanRuleLines;
}

void TestShell::exactTexts()
{
    QFETCH(QString, itemName);
    QFETCH(QStringList, lines);

    QWidget* dialog = choose(itemName);
    QVERIFY(dialog);
    const QString text = text1(dialog)->toPlainText();
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    const QStringList actual = linesOf(text);
    QCOMPARE(actual.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QCOMPARE(actual[i], lines[i]);
}

void TestShell::ownTexts_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("characters"); // with each line break counted as CR LF
    QTest::addColumn<QList<int>>("indented");

    QTest::newRow("credits") << "Menuwho" << 4 << 98 << QList<int>{1, 3};
    QTest::newRow("appreciation") << "thankusmenu" << 7 << 181 << QList<int>{4, 5, 6};
    QTest::newRow("history") << "MenuWhy" << 16 << 1066 << QList<int>{};
}

void TestShell::ownTexts()
{
    QFETCH(QString, itemName);
    QFETCH(int, lineCount);
    QFETCH(int, characters);
    QFETCH(QList<int>, indented);

    QWidget* dialog = choose(itemName);
    QVERIFY(dialog);
    const QString text = text1(dialog)->toPlainText();
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    const QStringList lines = linesOf(text);
    QCOMPARE(lines.size(), lineCount);
    const int length = int(text.size() + lines.size());
    QVERIFY2(qAbs(length - characters) <= characters / 10, qPrintable(QString::number(length)));
    for (QChar c : text)
        QVERIFY(c == QLatin1Char('\n') || (c.unicode() >= 0x20 && c.unicode() < 0x7f));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QVERIFY(!lines[i].trimmed().isEmpty());
        QCOMPARE(lines[i].startsWith(QLatin1Char(' ')), indented.contains(int(i)));
    }
    if (itemName == "Menuwho")
        QCOMPARE(lines[2], QStringLiteral("and"));
}

void TestShell::textBoxes_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("credits") << "Menuwho" << QRect(8, 8, 185, 89) << true;
    QTest::newRow("appreciation") << "thankusmenu" << QRect(16, 16, 185, 121) << true;
    QTest::newRow("history") << "MenuWhy" << QRect(8, 8, 561, 233) << true;
    QTest::newRow("glossary") << "DefinitionsMenu" << QRect(8, 8, 409, 193) << true;
    QTest::newRow("fan rules") << "WhatgivesMenu" << QRect(8, 8, 369, 281) << false;
}

void TestShell::textBoxes()
{
    QFETCH(QString, itemName);
    QFETCH(QRect, geometry);
    QFETCH(bool, readOnly);

    QWidget* dialog = choose(itemName);
    QVERIFY(dialog);
    QPlainTextEdit* box = text1(dialog);
    QVERIFY(box);
    QCOMPARE(box->geometry(), geometry);
    QCOMPARE(box->isReadOnly(), readOnly);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(box->wordWrapMode(), QTextOption::WordWrap);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!box->verticalScrollBar()->isVisible());
    QVERIFY(box->textInteractionFlags().testFlags(Qt::TextSelectableByMouse |
                                                  Qt::TextSelectableByKeyboard));
    // Default font and colours: nothing of the window or the box is styled.
    QVERIFY(dialog->styleSheet().isEmpty() && box->styleSheet().isEmpty());
    QCOMPARE(box->font(), QApplication::font(box));
    QCOMPARE(box->palette(), QApplication::palette(box));
}

void TestShell::readOnlyBoxesIgnoreTyping_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::newRow("credits") << "Menuwho";
    QTest::newRow("appreciation") << "thankusmenu";
    QTest::newRow("history") << "MenuWhy";
    QTest::newRow("glossary") << "DefinitionsMenu";
}

void TestShell::readOnlyBoxesIgnoreTyping()
{
    QFETCH(QString, itemName);

    QWidget* dialog = choose(itemName);
    QVERIFY(dialog);
    QPlainTextEdit* box = text1(dialog);
    const QString stored = box->toPlainText();
    QTest::keyClicks(box, "typed");
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->toPlainText(), stored);

    // The reader can still move the caret and select with the keyboard.
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(box->textCursor().position(), 0);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(box->textCursor().selectedText(), stored.left(2));
}

void TestShell::closingTheCalculatorLeavesTheOthersRunning()
{
#ifdef Q_OS_WASM
    QSKIP("In a browser the program's event loop gives the page back to the browser and never "
          "returns: a page does not end when its last window closes.");
#endif
    item("FancalculatorMenu")->trigger();
    item("DefinitionsMenu")->trigger();
    QPointer<QWidget> fanCounter = m_shell->windows().instance("Form3");
    QPointer<QWidget> glossary = m_shell->windows().instance("Form6");
    QVERIFY(fanCounter && glossary);
    QVERIFY(QApplication::quitOnLastWindowClosed());

    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    bool runningAfterCalculator = false;
    bool runningAfterGlossary = false;
    QStringList openAfterCalculator;
    // The steps run inside the event loop, where closing the last window ends the program.
    QTimer::singleShot(0, this, [&] {
        item("Howmenu")->trigger(); // a message box does not count as a window of its own
        m_calculator->close();
        QTimer::singleShot(20, this, [&] {
            runningAfterCalculator = lastClosed.isEmpty();
            openAfterCalculator = visibleWindowNames();
            glossary->close();
            QTimer::singleShot(20, this, [&] {
                runningAfterGlossary = lastClosed.isEmpty();
                fanCounter->close();
            });
        });
    });
    const auto guard = stopAfterFiveSeconds();
    QCOMPARE(QCoreApplication::exec(), 0);

    QVERIFY(runningAfterCalculator);
    QCOMPARE(openAfterCalculator, (QStringList{"Form3", "Form6"}));
    QVERIFY(runningAfterGlossary);
    QCOMPARE(lastClosed.size(), 1);
    QCOMPARE(m_catcher->take().size(), 1);
    deleteClosedWindows();
    QVERIFY(m_calculator.isNull());
    QVERIFY(fanCounter.isNull() && glossary.isNull());

    // With the calculator gone the shell holds no dangling window and can still open one.
    QCOMPARE(m_shell->windows().instance("Form3"), nullptr);
    QWidget* reopened = m_shell->windows().open("Form3");
    QCOMPARE(visibleWindowNames(), QStringList{"Form3"});
    reopened->close();
}

void TestShell::closingTheLastWindowEndsTheProgram()
{
#ifdef Q_OS_WASM
    QSKIP("In a browser the program's event loop gives the page back to the browser and never "
          "returns: a page does not end when its last window closes.");
#endif
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTimer::singleShot(0, this, [&] { m_calculator->close(); });
    const auto guard = stopAfterFiveSeconds();
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(lastClosed.size(), 1);
    deleteClosedWindows();
    QVERIFY(m_calculator.isNull());
}

void TestShell::randomChoicesNeverDuplicateOrLeak_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("steps");
    QTest::newRow("seed 1") << 1u << 300;
    QTest::newRow("seed 20240607") << 20240607u << 300;
    QTest::newRow("seed 77") << 77u << 300;
}

void TestShell::randomChoicesNeverDuplicateOrLeak()
{
    QFETCH(unsigned, seed);
    QFETCH(int, steps);

    std::mt19937 random(seed);
    auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    int messages = 0;
    for (int step = 0; step < steps; ++step) {
        const int action = pick(20);
        if (action < 10) {
            item(openingItems[pick(int(openingItems.size()))])->trigger();
        } else if (action < 17) {
            if (QWidget* window =
                    m_shell->windows().instance(otherForms[pick(int(otherForms.size()))]))
                window->close();
        } else if (action < 19) {
            deleteClosedWindows();
        } else {
            item("Howmenu")->trigger();
            ++messages;
        }
        for (const QString& form : otherForms) {
            const QWidgetList shown = visibleWindowsNamed(form);
            QVERIFY2(shown.size() <= 1, qPrintable(form));
            QCOMPARE(shown.value(0), m_shell->windows().instance(form));
        }
        QCOMPARE(visibleWindowsNamed("Form1").size(), 1);
    }
    QCOMPARE(m_catcher->take().size(), messages);

    for (const QString& form : otherForms) {
        if (QWidget* window = m_shell->windows().instance(form))
            window->close();
    }
    deleteClosedWindows();
    QCOMPARE(programWindows(false).size(), m_windowsBefore + 1);
}

void TestShell::applicationIcon()
{
    const QIcon icon = ::applicationIcon();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                 qPrintable(QString::number(size)));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(hasColour(image.convertToFormat(QImage::Format_ARGB32), qRgb(0, 255, 255)));
    }
    // The windows carry the small sizes only, the same pictures.
    const QIcon small = ::windowIcon();
    QCOMPARE(small.availableSizes(),
             QList<QSize>({QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
    for (int size : {16, 32, 48, 64})
        QCOMPARE(small.pixmap(QSize(size, size)).toImage(),
                 icon.pixmap(QSize(size, size)).toImage());

    // The icon file carries 32 x 32 in 2 colours, 32 x 32 and 16 x 16 in 16 colours.
    QImageReader reader(QStringLiteral(ZORVAN_SOURCE_DIR "/resources/zorvan.ico"));
    QCOMPARE(reader.imageCount(), 3);
    const QList<QPair<QSize, int>> expected{
        {QSize(32, 32), 2}, {QSize(32, 32), 16}, {QSize(16, 16), 16}};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), expected[i].first);
        QVERIFY(colourCount(image) <= expected[i].second);
        QVERIFY(colourCount(image) >= 2);
        QVERIFY(hasColour(image, qRgb(255, 255, 255)));
        if (expected[i].second == 16)
            QVERIFY(hasColour(image, qRgb(0, 255, 255)));
        // Transparent around the window.
        QCOMPARE(qAlpha(image.pixel(0, image.height() - 1)), 0);
    }
}

namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

// The menu bar's extension button, shown when the menus do not fit, reads its icon late but
// draws the style's own, in every size the style has.
void TestShell::extensionButtonDrawsTheStylesIcon()
{
    ApplicationStyle style;
    const QIcon own = style.baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon deferred = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!own.availableSizes().isEmpty());
    QCOMPARE(deferred.isNull(), false);
    QCOMPARE(deferred.availableSizes(), own.availableSizes());
    QCOMPARE(deferred.name(), own.name());
    for (const QSize& size : own.availableSizes()) {
        QCOMPARE(deferred.actualSize(size), own.actualSize(size));
        QCOMPARE(deferred.actualSize(size * 3), own.actualSize(size * 3));
        QCOMPARE(deferred.pixmap(size).toImage(), own.pixmap(size).toImage());
        QCOMPARE(deferred.pixmap(size, 2.0).toImage(), own.pixmap(size, 2.0).toImage());
    }
    // Drawn into a rectangle larger than any of its sizes, as the button draws it.
    const QRect rect(0, 0, 40, 24);
    QImage drawnDeferred(rect.size(), QImage::Format_ARGB32_Premultiplied);
    drawnDeferred.fill(Qt::transparent);
    const QImage blank = drawnDeferred;
    QImage drawnOwn = drawnDeferred;
    {
        QPainter painter(&drawnDeferred);
        deferred.paint(&painter, rect);
    }
    {
        QPainter painter(&drawnOwn);
        own.paint(&painter, rect);
    }
    QVERIFY(drawnOwn != blank);
    QCOMPARE(drawnDeferred, drawnOwn);
}

void TestShell::workAfterTheFirstPaint()
{
    PaintCounter widget;
    widget.resize(100, 80);
    QList<int> paintsSeen; // by the action, each time it ran
    runAfterFirstPaint(&widget, [&] { paintsSeen << widget.paints; });
    QApplication::processEvents();
    QVERIFY(paintsSeen.isEmpty()); // not shown, not painted

    widget.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTRY_COMPARE(paintsSeen.size(), 1);
    QVERIFY(paintsSeen[0] >= 1); // after the paint, not before it

    // Only once.
    widget.repaint();
    widget.hide();
    widget.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTest::qWait(20);
    QCOMPARE(paintsSeen.size(), 1);
}

void TestShell::noWorkForAWidgetGoneUnpainted()
{
    int runs = 0;
    auto* widget = new PaintCounter;
    runAfterFirstPaint(widget, [&runs] { ++runs; });
    widget->setVisible(true);
    delete widget; // before the event loop could paint it
    QTest::qWait(20);
    QCOMPARE(runs, 0);
}

// In a browser the program runs only when the browser calls it: what a handler posts once its
// dialog has closed (the repaint of the text it then writes, the calculator made active again)
// must be delivered when the page next has the browser, not wait for the player's next click.
void TestShell::eventsPostedAfterADialogNeedNoFurtherInput()
{
#ifndef Q_OS_WASM
    QSKIP("A browser's turns: on a desktop the program's own event loop delivers the events.");
#else
    QDialog dialog;
    QTimer::singleShot(0, &dialog, &QDialog::accept);
    dialog.exec();
    bool delivered = false;
    QMetaObject::invokeMethod(
        this, [&delivered] { delivered = true; }, Qt::QueuedConnection);
    // The test program's sleep hands the page to the browser, as the end of a handler does.
    const timespec pause{0, 200'000'000};
    nanosleep(&pause, nullptr);
    QVERIFY(delivered);
#endif
}

// A page has no window manager: when a dialog in front of the calculator closes, the program
// itself must make the calculator active again, or the player's keys reach no window.
void TestShell::aClosedDialogGivesItsWindowBackTheKeys()
{
#ifndef Q_OS_WASM
    QSKIP("On a desktop the window manager makes the window active again.");
#else
    m_calculator->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_calculator));
    QDialog dialog(m_calculator);
    // The player clicks the dialog, which makes it active, and then its OK button.
    int ticks = 0;
    QTimer player;
    connect(&player, &QTimer::timeout, &dialog, [&] {
        if (dialog.isActiveWindow())
            dialog.accept();
        else if (++ticks == 1)
            dialog.activateWindow();
        else if (ticks == 300)
            dialog.reject();
    });
    player.start(10);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QTRY_COMPARE(QApplication::activeWindow(), m_calculator.data());
#endif
}

// What a request reads: the hand and its conditions, or nothing, or the sentence why not.
// "hand|seat|round|limit or -|switches" for a request, "!" and the sentence for a refusal.
namespace {

QString describe(const ReadHandRequest& read)
{
    if (!read.request)
        return read.error.isEmpty() ? QString() : QStringLiteral("!") + read.error;
    const HandRequest& request = *read.request;
    const hand::Conditions& c = request.conditions;
    return QStringLiteral("%1|%2|%3|%4|%5%6%7%8%9")
        .arg(QString::fromStdString(request.hand))
        .arg(int(c.seat))
        .arg(int(c.round))
        .arg(request.limitGiven ? QString::number(c.tablelimit) : QStringLiteral("-"))
        .arg(int(c.selfDrawn))
        .arg(int(c.lastTile))
        .arg(int(c.supplement))
        .arg(int(c.robbingKong))
        .arg(int(c.noFaTable));
}

} // namespace

void TestShell::handArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("read");
    QTest::newRow("none") << QStringList{} << QString();
    QTest::newRow("a hand alone") << QStringList{"--hand", "123m 5z +5z"}
                                  << "123m 5z +5z|0|0|-|00000";
    QTest::newRow("every option") << QStringList{"--seat",        "s",
                                                 "--round",       "North",
                                                 "--limit",       "300",
                                                 "--self-drawn",  "--last-tile",
                                                 "--supplement",  "--robbing-kong",
                                                 "--no-fa-table", "--hand",
                                                 "[555z] +5z"}
                                  << "[555z] +5z|1|3|300|11111";
    QTest::newRow("one switch: its own place")
        << QStringList{"--hand", "1m", "--robbing-kong"} << "1m|0|0|-|00010";
    QTest::newRow("the limit's bound")
        << QStringList{"--hand=1m", "--limit=65536"} << "1m|0|0|65536|00000";
    QTest::newRow("a limit past it")
        << QStringList{"--hand", "1m", "--limit", "65537"}
        << "!the table limit must be a whole number from 1 to 65536, not \"65537\"";
    QTest::newRow("a seat that is none") << QStringList{"--hand", "1m", "--seat", "Q"}
                                         << "!the seat wind must be E, S, W or N, not \"Q\"";
    QTest::newRow("a prevailing wind that is none")
        << QStringList{"--hand", "1m", "--round", "Q"}
        << "!the prevailing wind must be E, S, W or N, not \"Q\"";
    QTest::newRow("conditions without a hand")
        << QStringList{"--seat", "S"} << "!the option --seat is only read with --hand";
    QTest::newRow("a hand twice") << QStringList{"--hand", "1m", "--hand", "2m"}
                                  << "!the option --hand is given more than once";
    QTest::newRow("a hand without the option")
        << QStringList{"123m"} << "!123m is not an option: give the hand as --hand \"HAND\"";
}

void TestShell::handArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, read);
    QCOMPARE(describe(readHandArguments(arguments)), read);
    // An unknown option is refused in Qt's words, whatever they are.
    QVERIFY(describe(readHandArguments({"--hand", "1m", "--waits"})).startsWith("!"));
}

void TestShell::handLinkRequests_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("read");
    QTest::newRow("no fragment") << "https://example.org/zorvan/" << QString();
    QTest::newRow("a fragment of another use") << "https://example.org/#screen=sheet" << QString();
    QTest::newRow("a hand") << "https://example.org/#hand=123m%20%2B1m&seat=W&limit=300&nofa=1"
                            << "123m +1m|2|0|300|00001";
    QTest::newRow("no limit in it") << "#hand=1m&self=1"
                                    << "1m|0|0|-|10000";
    QTest::newRow("a bad value") << "#hand=1m&round=X"
                                 << "!the prevailing wind must be E, S, W or N, not \"X\"";
}

void TestShell::handLinkRequests()
{
    QFETCH(QString, link);
    QFETCH(QString, read);
    QCOMPARE(describe(readHandLinkRequest(link.toStdString())), read);
}

void TestShell::requestedHandOpensBesideTheCalculator_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("limitText");
    QTest::addColumn<QString>("result");
    QTest::newRow("the calculator's limit: none entered")
        << QStringList{"--hand", "123m 456p 789s 234s 5z +5z", "--seat", "S", "--self-drawn"}
        << QString() << "(table limit 500: none entered in the calculator)";
    QTest::newRow("a limit of its own, typed into the calculator")
        << QStringList{"--hand", "123m 456p 789s 234s 5z +5z", "--limit", "40", "--no-fa-table"}
        << "40"
        << "(table limit 40)";
}

void TestShell::requestedHandOpensBesideTheCalculator()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, limitText);
    QFETCH(QString, result);
    const ReadHandRequest read = readHandArguments(arguments);
    QVERIFY(read.request);
    openRequestedHand(*m_shell, m_calculator, read);
    QWidget* window = nullptr;
    QTRY_VERIFY((window = m_shell->windows().instance(QStringLiteral("HandForm"))));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(visibleWindowNames(), (QStringList{"Form1", "HandForm"}));
    const hand::Conditions& c = read.request->conditions;
    QCOMPARE(window->findChild<QLineEdit*>("HandText")->text(),
             QString::fromStdString(read.request->hand));
    QCOMPARE(window->findChild<QComboBox*>("SeatWind")->currentIndex(), int(c.seat));
    QCOMPARE(window->findChild<QComboBox*>("RoundWind")->currentIndex(), int(c.round));
    QCOMPARE(window->findChild<QCheckBox*>("SelfDrawn")->isChecked(), c.selfDrawn);
    QCOMPARE(window->findChild<QCheckBox*>("NoFaTable")->isChecked(), c.noFaTable);
    QCOMPARE(window->findChild<QCheckBox*>("LastTile")->isChecked(), false);
    // The limit as if typed: the calculator's box and its stored limit.
    QCOMPARE(m_calculator->findChild<QLineEdit*>("Text1")->text(), limitText);
    QCOMPARE(Module1::tablelimit, limitText.isEmpty() ? 0 : limitText.toInt());
    QVERIFY2(window->findChild<QLabel*>("HandResult")->text().contains(result),
             qPrintable(window->findChild<QLabel*>("HandResult")->text()));
}

void TestShell::unreadableRequestSaysWhy()
{
    openRequestedHand(*m_shell, m_calculator, readHandArguments({"--hand", "1m", "--seat", "Q"}));
    QTRY_COMPARE(m_catcher->count(), 1);
    m_catcher->expect({"The hand was not opened: the seat wind must be E, S, W or N, not \"Q\""},
                      QMessageBox::Warning);
    QCOMPARE(visibleWindowNames(), QStringList{"Form1"});
    // Nothing asked, nothing shown.
    openRequestedHand(*m_shell, m_calculator, readHandArguments({}));
    QTest::qWait(50);
    QCOMPARE(m_catcher->count(), 0);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"

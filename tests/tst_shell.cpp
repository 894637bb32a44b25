// The shell: the program starting on the calculator alone, its menus, the windows they open
// (one instance each, afresh after closing), the how-to message, and the program ending with its
// last window.
#include <memory>
#include <random>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "programstart.h"

namespace {

const QString howTo = QStringLiteral("For the Calculator fill in TableLimit-for the FanCounter "
                                     "click seat and prevailing wind before clicking other boxes");

const QStringList openingItems{"WhatgivesMenu",     "FancalculatorMenu", "Menuwho",
                               "MenuWhy",           "thankusmenu",       "DefinitionsMenu",
                               "HandFromTilesMenu", "PracticeMenu"};

const QStringList otherForms{"Form2", "Form3", "Form4",    "Form5",
                             "Form6", "Form7", "HandForm", "PracticeForm"};

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

} // namespace

class TestShell : public QObject, protected ProgramTest {
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
    void reopeningRightAfterClosingGivesOneWindow();
    void howToMessage();
    void closingTheCalculatorLeavesTheOthersRunning();
    void closingTheLastWindowEndsTheProgram();
    void randomChoicesNeverDuplicateOrLeak_data();
    void randomChoicesNeverDuplicateOrLeak();

private:
    static QPlainTextEdit* text1(QWidget* window)
    {
        return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    }

    qsizetype m_windowsBefore = 0;
};

void TestShell::init()
{
    deleteClosedWindows();
    m_windowsBefore = programWindows(false).size();
    startTheProgram();
}

void TestShell::cleanup()
{
    stopTheProgram();
    QCOMPARE(programWindows(false).size(), m_windowsBefore);
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
                                 << "Hand from tiles" << QSize(600, 618) << false;
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

QTEST_MAIN(TestShell)
#include "tst_shell.moc"

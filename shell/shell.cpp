#include "shell.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

#include "calculatorwindow.h"
#include "dialogdesign.h"
#include "fancounterwindow.h"
#include "handwindow.h"
#include "infodialog.h"
#include "language.h"
#include "messages.h"
#include "practicewindow.h"
#include "translated.h"
#include "windownames.h"

Shell::Shell(CalculatorWindow* calculator, QObject* parent)
    : QObject(parent), m_calculator(calculator), m_language([this] { retranslateMenus(); })
{
    registerWindows();
    createMenuBar();
}

void Shell::registerWindows()
{
    m_windows.add(QLatin1String(windowname::fanCounter), [] { return new FanCounterWindow; });
    m_windows.add(QLatin1String(windowname::handWindow), [this] { return createHandWindow(); });
    m_windows.add(QLatin1String(windowname::practiceWindow),
                  [this] { return createPracticeWindow(); });
    for (const DialogDesign& design : dialogDesigns)
        m_windows.add(QString::fromLatin1(design.name),
                      [&design] { return new InfoDialog(design); });
}

template <class Window> Window* Shell::passFillsOn(Window* window)
{
    // Once closed, the calculator window is gone for the rest of the run.
    window->setCalculatorAvailable(!m_calculator.isNull());
    if (m_calculator)
        connect(m_calculator, &QObject::destroyed, window,
                [window] { window->setCalculatorAvailable(false); });
    connect(window, &Window::fillCalculatorRequested, this,
            [this](const BoxValues& boxes, int flowers) {
                if (!m_calculator)
                    return;
                m_calculator->fillSheet(boxes, flowers);
                m_calculator->raise();
                m_calculator->activateWindow();
            });
    connect(window, &Window::fillFanCounterRequested, this,
            [this](const TileSelection& tiles, const FanBoxValues& boxes) {
                auto* fanCounter = static_cast<FanCounterWindow*>(
                    m_windows.open(QLatin1String(windowname::fanCounter)));
                fanCounter->fillBoard(tiles, boxes);
            });
    return window;
}

HandWindow* Shell::createHandWindow()
{
    return passFillsOn(new HandWindow);
}

PracticeWindow* Shell::createPracticeWindow()
{
    return passFillsOn(new PracticeWindow);
}

QMenu* Shell::createMenu(QWidget* parent, const QString& name, const char* title)
{
    auto* menu = new QMenu(translated("Shell", title), parent);
    menu->setObjectName(name);
    menu->menuAction()->setMenuRole(QAction::NoRole);
    m_menuTitles.emplace_back(menu, title);
    return menu;
}

QAction* Shell::createItem(QMenu* menu, const QString& name, const char* caption,
                           void (Shell::*handler)())
{
    auto* item = new QAction(menu);
    item->setObjectName(name);
    // setText would read an '&' as an access key marker; the captions have none of their own.
    item->setText(translated("Shell", caption));
    m_itemCaptions.emplace_back(item, caption);
    // Stays where it is on every platform (macOS moves "About"-like items elsewhere).
    item->setMenuRole(QAction::NoRole);
    menu->addAction(item);
    connect(item, &QAction::triggered, this,
            [this, handler] { runEventHandler([this, handler] { (this->*handler)(); }); });
    return item;
}

void Shell::createMenuBar()
{
    auto* bar = new QMenuBar(m_calculator);
    bar->setObjectName(QStringLiteral("MenuBar"));

    QMenu* fancounting = createMenu(bar, QStringLiteral("FancountingMenu"),
                                    QT_TRANSLATE_NOOP("Shell", "Fancounting"));
    createItem(fancounting, QStringLiteral("WhatgivesMenu"),
               QT_TRANSLATE_NOOP("Shell", "What gives you a fan (text)"),
               &Shell::WhatgivesMenu_Click);
    createItem(fancounting, QStringLiteral("FancalculatorMenu"),
               QT_TRANSLATE_NOOP("Shell", "Fancalculator"), &Shell::FancalculatorMenu_Click);
    bar->addMenu(fancounting);

    QMenu* handMenu =
        createMenu(bar, QStringLiteral("HandMenu"), QT_TRANSLATE_NOOP("Shell", "Hand"));
    createItem(handMenu, QStringLiteral("HandFromTilesMenu"),
               QT_TRANSLATE_NOOP("Shell", "Enter a hand from tiles"),
               &Shell::HandFromTilesMenu_Click);
    createItem(handMenu, QStringLiteral("PracticeMenu"),
               QT_TRANSLATE_NOOP("Shell", "Practice counting"), &Shell::PracticeMenu_Click);
    bar->addMenu(handMenu);

    QMenu* help = createMenu(bar, QStringLiteral("MenuHelp"), QT_TRANSLATE_NOOP("Shell", "Help"));
    QMenu* about =
        createMenu(help, QStringLiteral("MenuAbout"), QT_TRANSLATE_NOOP("Shell", "About"));
    createItem(about, QStringLiteral("Menuwho"), QT_TRANSLATE_NOOP("Shell", "Who made it"),
               &Shell::Menuwho_Click);
    createItem(about, QStringLiteral("MenuWhy"), QT_TRANSLATE_NOOP("Shell", "Why did we make it"),
               &Shell::MenuWhy_Click);
    createItem(about, QStringLiteral("thankusmenu"),
               QT_TRANSLATE_NOOP("Shell", "Show your appreciation"), &Shell::thankusmenu_Click);
    help->addMenu(about);
    createItem(help, QStringLiteral("Howmenu"), QT_TRANSLATE_NOOP("Shell", "How does it work"),
               &Shell::Howmenu_Click);
    createItem(help, QStringLiteral("DefinitionsMenu"), QT_TRANSLATE_NOOP("Shell", "Definitions"),
               &Shell::DefinitionsMenu_Click);
    bar->addMenu(help);

    createLanguageMenu(bar);

    bar->installEventFilter(this);
    m_calculator->setMenuBar(bar);
    m_calculator->fitClientArea();
}

void Shell::createLanguageMenu(QMenuBar* bar)
{
    // Last, after Help: each language named in its own words, the one in use ticked.
    QMenu* menu =
        createMenu(bar, QStringLiteral("LanguageMenu"), QT_TRANSLATE_NOOP("Shell", "Language"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const Language& language : languages) {
        const QString code = QLatin1String(language.code);
        auto* item = new QAction(QString::fromUtf8(language.nativeName), menu);
        item->setObjectName(QStringLiteral("Language_") + code);
        item->setMenuRole(QAction::NoRole);
        item->setCheckable(true);
        item->setChecked(code == currentLanguage());
        item->setData(code);
        group->addAction(item);
        menu->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, code] { runEventHandler([this, code] { Language_Click(code); }); });
        m_languageItems.emplace_back(item);
    }
    bar->addMenu(menu);
}

bool Shell::eventFilter(QObject* watched, QEvent* event)
{
    m_language.follow(*event);
    return QObject::eventFilter(watched, event);
}

void Shell::retranslateMenus()
{
    for (const auto& [menu, title] : m_menuTitles) {
        if (menu)
            menu->setTitle(translated("Shell", title));
    }
    for (const auto& [item, caption] : m_itemCaptions) {
        if (item)
            item->setText(translated("Shell", caption));
    }
    for (const QPointer<QAction>& item : m_languageItems) {
        if (item)
            item->setChecked(item->data().toString() == currentLanguage());
    }
}

void Shell::Language_Click(const QString& code)
{
    // The choice outlasts the run and overrides the desktop's language, English included.
    storeLanguage(code);
    applyLanguage(code);
}

void Shell::WhatgivesMenu_Click()
{
    m_windows.open(QLatin1String(windowname::fanRules));
}

void Shell::FancalculatorMenu_Click()
{
    m_windows.open(QLatin1String(windowname::fanCounter));
}

void Shell::Menuwho_Click()
{
    m_windows.open(QLatin1String(windowname::credits));
}

void Shell::MenuWhy_Click()
{
    m_windows.open(QLatin1String(windowname::history));
}

void Shell::thankusmenu_Click()
{
    m_windows.open(QLatin1String(windowname::appreciation));
}

void Shell::Howmenu_Click()
{
    showMessage(tr("For the Calculator fill in TableLimit-for the FanCounter click seat and "
                   "prevailing wind before clicking other boxes"),
                InformationIcon, tr("Check This!"));
}

void Shell::DefinitionsMenu_Click()
{
    m_windows.open(QLatin1String(windowname::glossary));
}

void Shell::HandFromTilesMenu_Click()
{
    m_windows.open(QLatin1String(windowname::handWindow));
}

void Shell::PracticeMenu_Click()
{
    m_windows.open(QLatin1String(windowname::practiceWindow));
}

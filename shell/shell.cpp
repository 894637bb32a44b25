#include "shell.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "calculatorwindow.h"
#include "dialogdesign.h"
#include "fancounterwindow.h"
#include "handwindow.h"
#include "infodialog.h"
#include "messages.h"
#include "practicewindow.h"

Shell::Shell(CalculatorWindow* calculator, QObject* parent)
    : QObject(parent), m_calculator(calculator)
{
    registerWindows();
    createMenuBar();
}

void Shell::registerWindows()
{
    m_windows.add(QStringLiteral("Form3"), [] { return new FanCounterWindow; });
    m_windows.add(QStringLiteral("HandForm"), [this] { return createHandWindow(); });
    m_windows.add(QStringLiteral("PracticeForm"), [this] { return createPracticeWindow(); });
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
                auto* fanCounter =
                    static_cast<FanCounterWindow*>(m_windows.open(QStringLiteral("Form3")));
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

QMenu* Shell::createMenu(QWidget* parent, const QString& name, const QString& title)
{
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(name);
    menu->menuAction()->setMenuRole(QAction::NoRole);
    return menu;
}

QAction* Shell::createItem(QMenu* menu, const QString& name, const QString& caption,
                           void (Shell::*handler)())
{
    auto* item = new QAction(menu);
    item->setObjectName(name);
    // setText would read an '&' as an access key marker; the captions have none of their own.
    item->setText(caption);
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

    QMenu* fancounting =
        createMenu(bar, QStringLiteral("FancountingMenu"), QStringLiteral("Fancounting"));
    createItem(fancounting, QStringLiteral("WhatgivesMenu"),
               QStringLiteral("What gives you a fan (text)"), &Shell::WhatgivesMenu_Click);
    createItem(fancounting, QStringLiteral("FancalculatorMenu"), QStringLiteral("Fancalculator"),
               &Shell::FancalculatorMenu_Click);
    bar->addMenu(fancounting);

    QMenu* handMenu = createMenu(bar, QStringLiteral("HandMenu"), QStringLiteral("Hand"));
    createItem(handMenu, QStringLiteral("HandFromTilesMenu"),
               QStringLiteral("Enter a hand from tiles"), &Shell::HandFromTilesMenu_Click);
    createItem(handMenu, QStringLiteral("PracticeMenu"), QStringLiteral("Practice counting"),
               &Shell::PracticeMenu_Click);
    bar->addMenu(handMenu);

    QMenu* help = createMenu(bar, QStringLiteral("MenuHelp"), QStringLiteral("Help"));
    QMenu* about = createMenu(help, QStringLiteral("MenuAbout"), QStringLiteral("About"));
    createItem(about, QStringLiteral("Menuwho"), QStringLiteral("Who made it"),
               &Shell::Menuwho_Click);
    createItem(about, QStringLiteral("MenuWhy"), QStringLiteral("Why did we make it"),
               &Shell::MenuWhy_Click);
    createItem(about, QStringLiteral("thankusmenu"), QStringLiteral("Show your appreciation"),
               &Shell::thankusmenu_Click);
    help->addMenu(about);
    createItem(help, QStringLiteral("Howmenu"), QStringLiteral("How does it work"),
               &Shell::Howmenu_Click);
    createItem(help, QStringLiteral("DefinitionsMenu"), QStringLiteral("Definitions"),
               &Shell::DefinitionsMenu_Click);
    bar->addMenu(help);

    m_calculator->setMenuBar(bar);
    m_calculator->fitClientArea();
}

void Shell::WhatgivesMenu_Click()
{
    m_windows.open(QStringLiteral("Form7"));
}

void Shell::FancalculatorMenu_Click()
{
    m_windows.open(QStringLiteral("Form3"));
}

void Shell::Menuwho_Click()
{
    m_windows.open(QStringLiteral("Form2"));
}

void Shell::MenuWhy_Click()
{
    m_windows.open(QStringLiteral("Form5"));
}

void Shell::thankusmenu_Click()
{
    m_windows.open(QStringLiteral("Form4"));
}

void Shell::Howmenu_Click()
{
    showMessage(QStringLiteral("For the Calculator fill in TableLimit-for the FanCounter click "
                               "seat and prevailing wind before clicking other boxes"),
                InformationIcon, QStringLiteral("Check This!"));
}

void Shell::DefinitionsMenu_Click()
{
    m_windows.open(QStringLiteral("Form6"));
}

void Shell::HandFromTilesMenu_Click()
{
    m_windows.open(QStringLiteral("HandForm"));
}

void Shell::PracticeMenu_Click()
{
    m_windows.open(QStringLiteral("PracticeForm"));
}

#pragma once

#include <utility>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QString>

#include "languagefollower.h"
#include "windowregistry.h"

class CalculatorWindow;
class HandWindow;
class PracticeWindow;
class QAction;
class QMenu;
class QMenuBar;

// The application around the calculator window: its menu bar, the windows the menu opens
// (one instance each) and the how-to message.
class Shell : public QObject {
    Q_OBJECT

public:
    // Gives the calculator window its menu bar. The window may be closed and deleted at any
    // time; the windows it opened stay open and belong to the shell.
    explicit Shell(CalculatorWindow* calculator, QObject* parent = nullptr);

    WindowRegistry& windows() { return m_windows; }

protected:
    // Follows a language change of the menu bar: every menu and item in the new language.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WhatgivesMenu_Click();
    void FancalculatorMenu_Click();
    void Menuwho_Click();
    void MenuWhy_Click();
    void thankusmenu_Click();
    void Howmenu_Click();
    void DefinitionsMenu_Click();
    void HandFromTilesMenu_Click();
    void PracticeMenu_Click();
    void Language_Click(const QString& code);

    void registerWindows();
    HandWindow* createHandWindow();
    PracticeWindow* createPracticeWindow();
    // The hand window and the practice window ask for fills; the shell passes them to the
    // working windows.
    template <class Window> Window* passFillsOn(Window* window);
    void createMenuBar();
    QMenu* createMenu(QWidget* parent, const QString& name, const char* title);
    QAction* createItem(QMenu* menu, const QString& name, const char* caption,
                        void (Shell::*handler)());
    void createLanguageMenu(QMenuBar* bar);
    void retranslateMenus();

    QPointer<CalculatorWindow> m_calculator;
    WindowRegistry m_windows;
    // Each menu and item with its English caption, translated in the context "Shell".
    std::vector<std::pair<QPointer<QMenu>, const char*>> m_menuTitles;
    std::vector<std::pair<QPointer<QAction>, const char*>> m_itemCaptions;
    std::vector<QPointer<QAction>> m_languageItems;
    LanguageFollower m_language;
};

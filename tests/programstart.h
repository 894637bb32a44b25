#pragma once

#include <memory>

#include <QPointer>
#include <QTest>

#include "calculatorwindow.h"
#include "messageboxcatcher.h"
#include "module1.h"
#include "shell.h"
#include "testhelpers.h"

// The program as main starts it: the calculator window, which deletes itself when closed,
// with the shell's menu bar, shown and active.
inline void startProgram(QPointer<CalculatorWindow>& calculator, std::unique_ptr<Shell>& shell)
{
    calculator = new CalculatorWindow;
    calculator->setAttribute(Qt::WA_DeleteOnClose);
    shell = std::make_unique<Shell>(calculator);
    calculator->setVisible(true); // as main does: show() is full-screen on the web
    QVERIFY(QTest::qWaitForWindowActive(calculator));
}

// A suite whose every test starts the program afresh, with the global data reset and every
// message box caught: startTheProgram() from init(), stopTheProgram() from cleanup(), which
// fails the test for a message box no check took.
class ProgramTest {
protected:
    void startTheProgram()
    {
        deleteClosedWindows();
        Module1::reset();
        m_catcher = std::make_unique<MessageBoxCatcher>();
        startProgram(m_calculator, m_shell);
    }
    void stopTheProgram()
    {
        m_shell.reset();
        delete m_calculator.data();
        deleteClosedWindows();
        m_catcher->expectNoneLeft();
        m_catcher.reset();
    }
    QAction* item(const QString& name) const { return m_calculator->findChild<QAction*>(name); }

    std::unique_ptr<MessageBoxCatcher> m_catcher;
    QPointer<CalculatorWindow> m_calculator;
    std::unique_ptr<Shell> m_shell;
};

#pragma once

#include <memory>

#include <QPointer>
#include <QTest>

#include "calculatorwindow.h"
#include "shell.h"

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

#pragma once

#include <memory>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QTest>

#include "calculatorwindow.h"
#include "messageboxcatcher.h"
#include "module1.h"
#include "testhelpers.h"

using BoxList = QList<int>;

// The calculator window's suites: a window of its own for each test, with the global data
// reset (the load step must not depend on the count left before) and every message box caught.
class CalculatorWindowTest {
protected:
    void openTheWindow()
    {
        Module1::reset();
        Module1::points = 12345; // the load step must not depend on it
        m_catcher = std::make_unique<MessageBoxCatcher>();
        m_window = std::make_unique<CalculatorWindow>();
        m_window->setVisible(true);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void closeTheWindow()
    {
        m_window.reset();
        m_catcher->expectNoneLeft();
        m_catcher.reset();
    }

    QCheckBox* check(int n) const { return numbered<QCheckBox>(m_window.get(), "Check", n); }
    QLabel* label(int n) const { return numbered<QLabel>(m_window.get(), "Label", n); }
    QPushButton* command(int n) const
    {
        return numbered<QPushButton>(m_window.get(), "Command", n);
    }
    QLineEdit* text1() const { return m_window->findChild<QLineEdit*>(QStringLiteral("Text1")); }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickBoxes(const BoxList& boxes)
    {
        for (int n : boxes)
            click(check(n));
    }
    void typeLimit(const QString& text)
    {
        text1()->clear();
        QTest::keyClicks(text1(), text);
    }
    std::unique_ptr<MessageBoxCatcher> m_catcher;
    std::unique_ptr<CalculatorWindow> m_window;
};

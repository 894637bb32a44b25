#pragma once

#include <memory>

#include <QCheckBox>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QTest>

#include "fancount.h"
#include "fancounterwindow.h"
#include "messageboxcatcher.h"
#include "module1.h"
#include "testhelpers.h"

using Pictures = QList<int>;
using Checks = QList<int>;

// Selected and normal holders of each tile, index 0 for Picture1.
inline constexpr int selectedHolders[] = {24, 25, 26, 27, 24, 25, 26, 27, 24, 25, 26, 27,
                                          36, 37, 38, 28, 29, 30, 31, 32, 33, 34, 35};

inline bool isSelected(int picture)
{
    return Module1::tilestate[picture - 1] == "aan";
}

// The fan counter's suites: a window of its own for each test, with the global data reset (the
// load step must not depend on the fans left before) and every message box caught.
class FanCounterWindowTest {
protected:
    void openTheWindow()
    {
        Module1::reset();
        Module1::fancount = 999; // the load step must not depend on it
        m_catcher = std::make_unique<MessageBoxCatcher>();
        openWindow();
    }
    void closeTheWindow()
    {
        m_window.reset();
        m_catcher->expectNoneLeft();
        m_catcher.reset();
    }

    QLabel* picture(int n) const { return numbered<QLabel>(m_window.get(), "Picture", n); }
    QLabel* label(int n) const { return numbered<QLabel>(m_window.get(), "Label", n); }
    QCheckBox* check(int n) const { return numbered<QCheckBox>(m_window.get(), "Check", n); }
    QPushButton* command(int n) const
    {
        return numbered<QPushButton>(m_window.get(), "Command", n);
    }
    QString total() const { return label(8)->text(); }
    void openWindow()
    {
        m_window = std::make_unique<FanCounterWindow>();
        m_window->setVisible(true);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void clickTile(int n) { QTest::mouseClick(picture(n), Qt::LeftButton); }
    void clickTiles(const Pictures& pictures)
    {
        for (int n : pictures)
            clickTile(n);
    }
    void clickBoxes(const Checks& checks)
    {
        for (int n : checks)
            QTest::mouseClick(check(n), Qt::LeftButton);
    }
    // The tile shows exactly the holder's image, and the look agrees with its flag.
    bool showsLook(int n, bool selected) const
    {
        const int holder = selectedHolders[n - 1] + (selected ? 0 : 15);
        return picture(n)->pixmap().cacheKey() == picture(holder)->pixmap().cacheKey();
    }
    void verifyBoardAgreesWithFlags() const
    {
        for (int n = 1; n <= 23; ++n) {
            QVERIFY2(showsLook(n, isSelected(n)), qPrintable(QStringLiteral("Picture%1").arg(n)));
            QVERIFY(Module1::tilestate[n - 1].empty() || isSelected(n));
        }
    }
    QString countedTotal() const
    {
        return QStringLiteral(" %1").arg(
            countFans(selectedTiles(Module1::tilestate), m_window->boxValues()));
    }
    std::unique_ptr<MessageBoxCatcher> m_catcher;
    std::unique_ptr<FanCounterWindow> m_window;
};

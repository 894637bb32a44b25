// The page's own event handling, checked in the browser (skipped on the desktops, where the
// program's event loop and the window manager do this work).
#include <ctime>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include "programstart.h"

class TestWebEvents : public QObject, protected ProgramTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eventsPostedAfterADialogNeedNoFurtherInput();
    void aClosedDialogGivesItsWindowBackTheKeys();
};

void TestWebEvents::init()
{
    startTheProgram();
}

void TestWebEvents::cleanup()
{
    stopTheProgram();
}

// In a browser the program runs only when the browser calls it: what a handler posts once its
// dialog has closed (the repaint of the text it then writes, the calculator made active again)
// must be delivered when the page next has the browser, not wait for the player's next click.
void TestWebEvents::eventsPostedAfterADialogNeedNoFurtherInput()
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
void TestWebEvents::aClosedDialogGivesItsWindowBackTheKeys()
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

QTEST_MAIN(TestWebEvents)
#include "tst_webevents.moc"

#pragma once

#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "afterfirstpaint.h"

// Only for bench/startup.sh, and only with ZORVAN_STARTUP_PROBE=1: once `window` has been
// painted for the first time, print the time since `main` began and end the program. Call it
// after every other runAfterFirstPaint, so that the line comes before the work put off until
// the first paint, and that work still runs (its memory counts) before the program ends.
// The benchmark's minimal window measures itself with this same code.
inline void probeStartup(QWidget* window, QElapsedTimer sinceMain)
{
    if (qEnvironmentVariableIntValue("ZORVAN_STARTUP_PROBE") != 1)
        return;
    runAfterFirstPaint(window, [sinceMain] {
        std::printf("first paint %.3f ms after main\n",
                    static_cast<double>(sinceMain.nsecsElapsed()) / 1e6);
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
}

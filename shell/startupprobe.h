#pragma once

#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>

// Measures start-up for bench/startup.sh: at the first paint of the watched window it prints
// one line and ends the program. The driver takes its own clock from the launch to that line;
// the figure printed here is the part spent after `main` began. Header-only, so that the
// minimal window of the benchmark measures itself with exactly the same code.
class StartupProbe : public QObject {
public:
    static constexpr const char* variable = "ZORVAN_STARTUP_PROBE";

    // Started at the top of main.
    explicit StartupProbe(const QElapsedTimer& sinceMain) : m_sinceMain(sinceMain) {}

    static bool requested() { return qEnvironmentVariableIntValue(variable) == 1; }

    void watch(QObject* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            watched->removeEventFilter(this);
            // After the paint: the window has been drawn once when the program ends.
            QTimer::singleShot(0, this, [this] {
                std::printf("first paint %.3f ms after main\n",
                            static_cast<double>(m_sinceMain.nsecsElapsed()) / 1e6);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_sinceMain;
    bool m_painted = false;
};

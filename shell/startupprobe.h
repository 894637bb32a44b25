#pragma once

#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>

// Measures start-up for bench/startup.sh: once the watched window has been painted for the
// first time it prints one line, and then ends the program. The driver takes its own clock from the
// launch to that line; the figure printed here is the part spent after `main` began. Header-only,
// so that the minimal window of the benchmark measures itself with exactly the same code.
class StartupProbe : public QObject {
public:
    static constexpr const char* variable = "ZORVAN_STARTUP_PROBE";

    // Started at the top of main.
    explicit StartupProbe(const QElapsedTimer& sinceMain) : m_sinceMain(sinceMain) {}

    static bool requested() { return qEnvironmentVariableIntValue(variable) == 1; }

    // Install it last: the window's last event filter sees the paint first, so the line comes
    // before any work that was put off until the first paint.
    void watch(QObject* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            watched->removeEventFilter(this);
            // Once this paint is done; then whatever else was waiting for it runs (its memory
            // counts) before the program ends.
            QTimer::singleShot(0, this, [this] {
                std::printf("first paint %.3f ms after main\n",
                            static_cast<double>(m_sinceMain.nsecsElapsed()) / 1e6);
                std::fflush(stdout);
                QTimer::singleShot(0, this, [] { QCoreApplication::quit(); });
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_sinceMain;
    bool m_painted = false;
};

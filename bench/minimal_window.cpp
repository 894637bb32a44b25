// The yardstick for the calculator's start-up: the least a Qt Widgets program does to show a
// main window with a label. Run with ZORVAN_STARTUP_PROBE=1 by bench/startup.sh.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>

#include "startupprobe.h"

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);

    QMainWindow window;
    window.setObjectName(QStringLiteral("MinimalWindow"));
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.setCentralWidget(new QLabel(QStringLiteral("Your hand is worth"), &window));
    window.resize(608, 473);

    probeStartup(&window, sinceMain);
    window.show();
    return QApplication::exec();
}

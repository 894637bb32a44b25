#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QPointer>

#include "afterfirstpaint.h"
#include "applicationicon.h"
#include "applicationstyle.h"
#include "calculatorwindow.h"
#include "handrequest.h"
#include "language.h"
#include "shell.h"
#include "startupprobe.h"
#include "twips.h"
#include "windowpixels.h"
#include "windowscale.h"
#ifdef Q_OS_WASM
#include <emscripten.h>
#include <emscripten/val.h>

#include "webeventdispatcher.h"
#include "webpagefont.h"
#endif

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
#ifdef Q_OS_WASM
    useWebEventHandling();
#endif
    QApplication app(argc, argv);
    // Accessibility's first question connects to the session bus; where there is none, D-Bus
    // forks to look for one, and every page written before the fork faults again on its next
    // write. Asked before the fonts are read, that is a few pages instead of some 280.
    QAccessible::isActive();
    // Ties the windows to the installed desktop entry, whose icon the desktop shows large.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORVAN_APP_ID));
    // The platform's style (or the one -style or QT_STYLE_OVERRIDE asks for), in place before
    // anything asks for a style.
    QApplication::setStyle(new ApplicationStyle);
    // The one setting the program keeps, the language: ~/.config/zorvan/zorvan-calculator.conf
    // on Linux, HKEY_CURRENT_USER\Software\zorvan\zorvan-calculator on Windows.
    QCoreApplication::setOrganizationName(QStringLiteral("zorvan"));
    QCoreApplication::setApplicationName(QStringLiteral("zorvan-calculator"));
#ifdef Q_OS_WASM
    usePageFont();
#endif
    // The chosen language, else the desktop's. Every window draws its design at the scale at
    // which the system font's captions fit in that language.
    applyLanguage(chooseLanguage(storedLanguage(), QLocale::system().uiLanguages()));

    // The load handler runs as the window is created; the focus starts in the table limit.
    QPointer<CalculatorWindow> calculator = new CalculatorWindow;
    // Closing it for good leaves any other open window running until that one closes too.
    calculator->setAttribute(Qt::WA_DeleteOnClose);
    Shell shell(calculator);

    // Reading the icon's images wakes Qt's image plugins, a sixth of the start-up time; the
    // window does not wait for them. The platform takes a changed icon at any time.
    runAfterFirstPaint(calculator, [] { QApplication::setWindowIcon(windowIcon()); });
#ifdef Q_OS_WASM
    // The page's timeline gets the calculator's first paint (bench/web.py reads it).
    runAfterFirstPaint(calculator, [] { EM_ASM(performance.mark("zorvan-first-paint")); });
#endif

    probeStartup(calculator, sinceMain);
    // Not show(), which the web platform makes full-screen: see WindowRegistry::open().
    calculator->setVisible(true);
    prefaultPixelsAtFirstExpose(calculator);
    // A hand asked for opens beside the calculator: the page's #hand= link on the web, --hand
    // on the desktops.
#ifdef Q_OS_WASM
    openRequestedHand(
        shell, calculator,
        readHandLinkRequest(emscripten::val::global("location")["href"].as<std::string>()));
#else
    openRequestedHand(shell, calculator, readHandArguments(QCoreApplication::arguments().mid(1)));
#endif
    const int result = QApplication::exec();
    delete calculator.data(); // still there if its deferred deletion never ran
    return result;
}

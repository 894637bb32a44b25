// The test programs in the browser: one program whose first argument names the area to test,
// the rest being that area's own arguments. Each area's main runs under its own name and this
// one ends the program with its status through exit, which cmake/chromium-run.py receives: a
// main that a modal dialog put aside (asyncify) does not hand its status back when it
// returns at last.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

#include <emscripten.h>

#include "webeventdispatcher.h"

#define ZORVAN_WEB_TEST(name) int zorvan_main_##name(int argc, char** argv);
#include "webtests.inc"
#undef ZORVAN_WEB_TEST

namespace {

struct Area {
    const char* name;
    int (*main)(int argc, char** argv);
};

constexpr Area areas[] = {
#define ZORVAN_WEB_TEST(name) {#name, zorvan_main_##name},
#include "webtests.inc"
#undef ZORVAN_WEB_TEST
};

// The desktops' fonts the suites lay the windows out in, which a page lacks: the build puts
// them into the program's files (tests/CMakeLists.txt).
void addDesktopFonts()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return; // the areas without windows
    const QDir fonts(QStringLiteral("/fonts"));
    for (const QString& font : fonts.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(font));
}
Q_COREAPP_STARTUP_FUNCTION(addDesktopFonts)

// The variables CTest sets for a test, which the runner hands to the page.
void takeEnvironment()
{
    // clang-format off
    char* pairs = reinterpret_cast<char*>(EM_ASM_INT({
        const environment = Module["zorvanEnvironment"] || {};
        const text = Object.keys(environment).map(key => key + "=" + environment[key]).join("\n");
        return allocateUTF8(text);
    }));
    // clang-format on
    for (char* line = std::strtok(pairs, "\n"); line; line = std::strtok(nullptr, "\n")) {
        if (char* equals = std::strchr(line, '=')) {
            *equals = '\0';
            setenv(line, equals + 1, 1);
        }
    }
    std::free(pairs);
}

} // namespace

// A test that waits (QTest::qWait, qWaitForWindowExposed) sleeps between its rounds of
// events; sleeping in place would keep the page from painting, and so from exposing any
// window, until the test gave up. Here a sleep hands the page back to the browser meanwhile.
extern "C" int nanosleep(const timespec* duration, timespec* remaining)
{
    emscripten_sleep(unsigned(duration->tv_sec * 1000 + duration->tv_nsec / 1000000));
    if (remaining)
        *remaining = timespec{};
    return 0;
}

int main(int argc, char** argv)
{
    takeEnvironment();
    useWebEventHandling(); // as the program's main does
    if (argc >= 2) {
        for (const Area& area : areas) {
            if (std::strcmp(area.name, argv[1]) == 0)
                emscripten_force_exit(area.main(argc - 1, argv + 1));
        }
    }
    std::fprintf(stderr, "Usage: %s AREA [ARGUMENT ...], AREA being one of:\n",
                 argc > 0 ? argv[0] : "zorvan_web_tests");
    for (const Area& area : areas)
        std::fprintf(stderr, "  %s\n", area.name);
    emscripten_force_exit(2);
}

#include <QString>

#include <windows.h> // with shellapi.h's CommandLineToArgvW

#include "commandline.h"

namespace cli {

// The C runtime's argv is the wide command line converted to the ANSI code page, where a
// character outside it becomes a look-alike ("best fit": a full-width digit becomes a digit),
// so the program would read a text the user never typed. Windows keeps the line in UTF-16.
QStringList commandLineArguments(int, char*[])
{
    QStringList arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return arguments;
}

} // namespace cli

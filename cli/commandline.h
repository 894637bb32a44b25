#pragma once

#include <QStringList>

namespace cli {

// The program's arguments, without its own name, exactly as the user typed them.
QStringList commandLineArguments(int argc, char* argv[]);

} // namespace cli

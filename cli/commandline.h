#pragma once

#include <QStringList>

namespace hand {

// The program's arguments, without its own name, exactly as the user typed them.
QStringList commandLineArguments(int argc, char* argv[]);

} // namespace hand

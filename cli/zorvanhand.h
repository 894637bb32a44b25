#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// zorvan-hand, the command-line scorer: reads a hand written in tiles (or a waiting hand with
// --waits, or deals one with --deal) and prints what the engine makes of it, for people or as
// JSON. The printing is the report's; this is the command line around it.
namespace cli {

inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure = 1; // the program itself failed: out of memory
inline constexpr int exitBadInput = 2;

// Runs the command on its arguments (without the program name) and returns its exit status.
// The whole output is built first and then written, so a refused hand leaves nothing but
// the one sentence that says why.
int runZorvanHand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// What --help prints.
QString zorvanHandUsage();

} // namespace cli

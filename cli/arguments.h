#pragma once

#include <QString>
#include <QStringList>

#include "report.h"

// zorvan-hand's command line read into a request for the report.
namespace cli {

struct Arguments {
    report::Request request;
    bool help = false;
    QString error; // why the command line cannot be read; empty when it can
};

// Reads the arguments (without the program name). Without --seed a deal's seed is the
// clock's.
Arguments readArguments(const QStringList& arguments);

// Whether a command line that could not be read asked for JSON all the same.
bool asksForJson(const QStringList& arguments);

} // namespace cli

#include <cstdio>
#include <exception>

#include <QStringList>
#include <QTextStream>

#include "zorvanhand.h"

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        return hand::runZorvanHand(arguments, out, err);
    } catch (const std::exception& exception) {
        // Only running out of memory gets here; bad input never throws.
        err << "zorvan-hand: " << exception.what() << '\n';
        return hand::exitFailure;
    }
}

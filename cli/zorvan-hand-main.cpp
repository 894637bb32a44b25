#include <cstdio>
#include <exception>

#include <QStringList>
#include <QTextStream>

#include "commandline.h"
#include "zorvanhand.h"

int main(int argc, char* argv[])
{
    const QStringList arguments = cli::commandLineArguments(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        return cli::runZorvanHand(arguments, out, err);
    } catch (const std::exception& exception) {
        // Only running out of memory gets here; bad input never throws.
        err << "zorvan-hand: " << exception.what() << '\n';
        return cli::exitFailure;
    }
}

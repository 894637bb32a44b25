#include <QApplication>
#include <QPointer>

#include "applicationicon.h"
#include "calculatorwindow.h"
#include "shell.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(applicationIcon());

    // The load handler runs as the window is created; the focus starts in the table limit.
    QPointer<CalculatorWindow> calculator = new CalculatorWindow;
    // Closing it for good leaves any other open window running until that one closes too.
    calculator->setAttribute(Qt::WA_DeleteOnClose);
    Shell shell(calculator);
    calculator->show();
    const int result = QApplication::exec();
    delete calculator.data(); // still there if its deferred deletion never ran
    return result;
}

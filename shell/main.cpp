#include <QApplication>

#include "calculatorwindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    auto* calculator = new CalculatorWindow;
    calculator->setAttribute(Qt::WA_DeleteOnClose);
    calculator->show();
    return app.exec();
}

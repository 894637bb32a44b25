#include "fancounterplaceholder.h"

#include <QWidget>

QWidget* createFanCounterPlaceholder()
{
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("Form3"));
    window->setWindowTitle(QStringLiteral("FanCounting"));
    window->resize(442, 353);
    return window;
}

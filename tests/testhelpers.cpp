#include "testhelpers.h"

#include <limits>

#include <QApplication>
#include <QEvent>
#include <QRegularExpression>

BoxValues tick(const QList<int>& boxes)
{
    BoxValues values{};
    for (int box : boxes)
        values[box] = 1;
    return values;
}

qint64 lastFigure(const QString& working)
{
    static const QRegularExpression number(QStringLiteral("(-?\\d+)\\D*$"));
    const auto match = number.match(working);
    return match.hasMatch() ? match.captured(1).toLongLong() : std::numeric_limits<qint64>::min();
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidgetList programWindows(bool visibleOnly)
{
    QWidgetList windows;
    const QWidgetList all = QApplication::topLevelWidgets();
    for (QWidget* widget : all) {
        if (!widget->parentWidget() && (!visibleOnly || widget->isVisible()))
            windows << widget;
    }
    return windows;
}

QStringList visibleWindowNames()
{
    QStringList names;
    for (QWidget* window : programWindows(true))
        names << window->objectName();
    names.sort();
    return names;
}

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "handsheet.h"

// A sheet with these check boxes ticked.
BoxValues tick(const QList<int>& boxes);

// The program's own windows: parentless top-level widgets (menus and boxes have parents).
QWidgetList programWindows(bool visibleOnly);
// The names of the windows shown, sorted.
QStringList visibleWindowNames();

// Deletes the windows closed with Qt::WA_DeleteOnClose now, as the event loop would.
void deleteClosedWindows();

// The last number of a working: the total it ends on.
qint64 lastFigure(const QString& working);

// A control of a window by its designer name: numbered<QCheckBox>(window, "Check", 12).
template <class Control> Control* numbered(const QWidget* window, const char* prefix, int number)
{
    return window->findChild<Control*>(QLatin1String(prefix) + QString::number(number));
}

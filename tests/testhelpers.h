#pragma once

#include <QList>
#include <QString>

#include "handsheet.h"

// A sheet with these check boxes ticked.
BoxValues tick(const QList<int>& boxes);

// The last number of a working: the total it ends on.
qint64 lastFigure(const QString& working);

#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The picture of a tile face in its normal or selected look, filling a box of
// `logicalSize` device-independent pixels, sharp at `devicePixelRatio`.
// `baseName` is the image's base name: "east", "red", "flower2", "5p", "9s", "1m".
QPixmap tileImage(const QString& baseName, bool selected, QSize logicalSize,
                  qreal devicePixelRatio);

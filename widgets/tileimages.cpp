#include "tileimages.h"

#include <QImage>
#include <QPixmapCache>

QPixmap tileImage(const QString& baseName, bool selected, QSize logicalSize, qreal devicePixelRatio)
{
    const QSize physical(qRound(logicalSize.width() * devicePixelRatio),
                         qRound(logicalSize.height() * devicePixelRatio));
    if (physical.isEmpty())
        return {};
    const QString path =
        QStringLiteral(":/tiles/%1-%2.jpg")
            .arg(baseName, selected ? QLatin1String("selected") : QLatin1String("normal"));
    // A window asks for the same few looks over and over; the cache belongs to the
    // application and goes with it.
    const QString key = QStringLiteral("zorvan-tile %1 %2x%3 @%4")
                            .arg(path)
                            .arg(physical.width())
                            .arg(physical.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const QImage image(path);
    if (image.isNull())
        return {};
    // The image fills the box, even where the box's proportions differ a little from the
    // drawing's.
    pixmap =
        QPixmap::fromImage(image.scaled(physical, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

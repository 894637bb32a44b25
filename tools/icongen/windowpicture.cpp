#include "windowpicture.h"

#include <algorithm>

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

namespace {

// The window's outline as seen from the left: its far (right) edge is shorter.
QPolygonF windowQuad(double size, QPointF offset = {})
{
    const QPolygonF unit{QPointF(0.06, 0.10), QPointF(0.82, 0.20), QPointF(0.82, 0.78),
                         QPointF(0.06, 0.88)};
    QPolygonF quad;
    for (const QPointF& p : unit)
        quad << (p + offset) * size;
    return quad;
}

// The strip from `from` to `to` (fractions of the window's height), in perspective.
QPolygonF band(const QPolygonF& quad, double from, double to)
{
    const QPolygonF square{QPointF(0, 0), QPointF(1, 0), QPointF(1, 1), QPointF(0, 1)};
    QTransform toWindow;
    QTransform::quadToQuad(square, quad, toWindow);
    return toWindow.map(
        QPolygonF{QPointF(0, from), QPointF(1, from), QPointF(1, to), QPointF(0, to)});
}

} // namespace

QImage drawWindowPicture(int size, PictureColours colours)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);

    const bool mono = colours == PictureColours::Mono;
    const QColor shadow = mono ? Qt::black : QColor(128, 128, 128);
    const QColor titleBar = mono ? Qt::black : QColor(0, 255, 255);
    const QColor outline = Qt::black;

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, colours == PictureColours::Full);
    const double s = size;
    const QPolygonF body = windowQuad(s);

    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawPolygon(windowQuad(s, QPointF(0.10, 0.08)));

    painter.setBrush(Qt::white);
    painter.drawPolygon(body);
    painter.setBrush(titleBar);
    painter.drawPolygon(band(body, 0.0, 0.22));

    const double penWidth = colours == PictureColours::Full ? std::max(1.0, s / 40) : 1.0;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(outline, penWidth));
    painter.drawPolygon(body);
    if (size >= 32)
        painter.drawLine(band(body, 0.22, 0.22).at(0), band(body, 0.22, 0.22).at(1));
    return image;
}

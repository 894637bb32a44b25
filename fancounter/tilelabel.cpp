#include "tilelabel.h"

#include <QMouseEvent>

TileLabel::TileLabel(QWidget* parent) : QLabel(parent) {}

void TileLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

void TileLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void TileLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // QWidget would treat this as another press; some platforms also deliver the second press
    // itself just before, so disarm whatever it armed.
    m_pressed = false;
    event->accept();
}

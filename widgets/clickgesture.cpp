#include "clickgesture.h"

#include <QMouseEvent>
#include <QWidget>

void ClickGesture::press(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

bool ClickGesture::release(QMouseEvent* event, const QWidget& widget)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return false;
    const bool click = m_pressed && widget.rect().contains(event->position().toPoint());
    m_pressed = false;
    return click;
}

void ClickGesture::doubleClick(QMouseEvent* event)
{
    m_pressed = false;
    event->accept();
}

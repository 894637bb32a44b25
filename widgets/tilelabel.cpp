#include "tilelabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TileLabel::TileLabel(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TileLabel::mousePressEvent(QMouseEvent* event)
{
    m_click.press(event);
}

void TileLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.release(event, *this))
        emit clicked();
}

void TileLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_click.doubleClick(event);
}

void TileLabel::keyPressEvent(QKeyEvent* event)
{
    // Holding Space down must not flick the tile on and off.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TileLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    // Like the style's buttons, the frame shows once the keyboard moves the focus, not after
    // a click. An outline only: the style's own focus rectangle may tint the whole face.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), focusFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const int inset = focusFrameWidth / 2;
    painter.drawRect(rect().adjusted(inset, inset, -inset, -inset));
}

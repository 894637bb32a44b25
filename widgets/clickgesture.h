#pragma once

class QMouseEvent;
class QWidget;

// A click on a widget of our own: a left press, then a left release within the widget. A
// double click's second press never makes a second click (QWidget would take it for a press,
// and some platforms deliver the press itself just before).
class ClickGesture {
public:
    void press(QMouseEvent* event);
    // True when this release ends a click on `widget`.
    bool release(QMouseEvent* event, const QWidget& widget);
    void doubleClick(QMouseEvent* event);

private:
    bool m_pressed = false;
};

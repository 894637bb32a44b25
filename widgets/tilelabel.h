#pragma once

#include <QLabel>

#include "clickgesture.h"

// A tile picture that reports a click: a left press and release inside it, or Space while it
// has the keyboard focus. A double click is one click, the press that opened it; its second
// press does not count again. The focused tile carries the style's focus frame over its
// picture.
class TileLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr int focusFrameWidth = 2;

    explicit TileLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ClickGesture m_click;
};

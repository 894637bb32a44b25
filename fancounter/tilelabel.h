#pragma once

#include <QLabel>

// A tile picture that reports a click: a left press and release inside it. A double click is
// one click, the press that opened it; its second press does not count again.
class TileLabel : public QLabel {
    Q_OBJECT

public:
    explicit TileLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

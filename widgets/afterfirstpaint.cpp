#include "afterfirstpaint.h"

#include <utility>

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include "messages.h"

namespace {

class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget* widget, std::function<void()> action)
        : QObject(widget), m_action(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the paint, not inside it.
            QTimer::singleShot(0, this, [this] {
                runEventHandler(m_action);
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

void runAfterFirstPaint(QWidget* widget, std::function<void()> action)
{
    new FirstPaintWatcher(widget, std::move(action));
}

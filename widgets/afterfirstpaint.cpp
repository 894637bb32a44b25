#include "afterfirstpaint.h"

#include <utility>

#include <QObject>
#include <QTimer>
#include <QWidget>

#include "messages.h"

namespace {

class FirstEventWatcher : public QObject {
public:
    FirstEventWatcher(QObject* watched, QEvent::Type type, std::function<void()> action)
        : QObject(watched), m_type(type), m_action(std::move(action))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == m_type) {
            watched->removeEventFilter(this);
            m_action();
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_action;
};

} // namespace

void beforeFirstEvent(QObject* watched, QEvent::Type type, std::function<void()> action)
{
    new FirstEventWatcher(watched, type, std::move(action));
}

void runAfterFirstPaint(QWidget* widget, std::function<void()> action)
{
    beforeFirstEvent(widget, QEvent::Paint, [widget, action = std::move(action)] {
        // After the paint, not inside it; not at all once the widget is gone.
        QTimer::singleShot(0, widget, [action] { runEventHandler(action); });
    });
}

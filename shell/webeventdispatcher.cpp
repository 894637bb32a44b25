#include "webeventdispatcher.h"

#include <utility>

#include <QGuiApplication>
#include <QtCore/private/qeventdispatcher_wasm_p.h>
#include <qpa/qwindowsysteminterface.h>

#include "webactivation.h"

// Qt's own: the program's stack is put aside (asyncify) until the dispatcher is woken.
bool qt_have_asyncify();
bool qt_asyncify_suspend();

namespace {

// The web's event dispatcher, waiting for events whenever a loop asks it to. Qt 6.4's waits
// only while no event is posted, and a deletion posted inside a modal dialog's loop stays
// posted until that loop ends: the dialog's loop then never waited, never let the browser
// deliver the click that closes it, and the page froze.
// It also keeps a loop's end to itself. Qt 6.4's dispatcher remembers it until its next pass,
// which is the one the browser calls after the dialog's handler has returned; that pass then
// did nothing, and what the handler had posted (its repaint, the window made active again)
// waited for the player's next click.
class WebEventDispatcher : public QEventDispatcherWasm {
public:
    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;
    void interrupt() override;

protected:
    void processWindowSystemEvents(QEventLoop::ProcessEventsFlags flags) override;

private:
    bool m_interrupted = false;
};

} // namespace

bool WebEventDispatcher::processEvents(QEventLoop::ProcessEventsFlags flags)
{
    const bool processed =
        QEventDispatcherWasm::processEvents(flags & ~QEventLoop::WaitForMoreEvents);
    // An event posted meanwhile wakes the dispatcher, a loop's exit too; one that came while
    // the events were processed is not waited for.
    if ((flags & QEventLoop::WaitForMoreEvents) && !std::exchange(m_interrupted, false) &&
        qt_have_asyncify() && qt_asyncify_suspend())
        m_interrupted = false; // an end that came while waiting is what woke it
    return processed;
}

void WebEventDispatcher::interrupt()
{
    m_interrupted = true;
    wakeUp();
}

void WebEventDispatcher::processWindowSystemEvents(QEventLoop::ProcessEventsFlags flags)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QWindowSystemInterface::sendWindowSystemEvents(flags);
}

void useWebEventHandling()
{
    QCoreApplication::setEventDispatcher(new WebEventDispatcher);
    useWebWindowActivation();
}

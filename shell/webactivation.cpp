#include "webactivation.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

// A page has no window manager, and Qt 6.4's web platform makes another window active only
// when a window is destroyed while none has the focus. A message box that closed left no
// window active: the calculator took no keys until the player clicked it.
class ActivationKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            auto* closing = static_cast<QWidget*>(watched);
            QWidget* owner = closing->parentWidget();
            // By the time it hides, the dialog may have lost the keys already.
            QWidget* active = QApplication::activeWindow();
            if (closing->isWindow() && owner && owner->isVisible() &&
                (!active || active == closing))
                owner->window()->activateWindow();
        }
        return false;
    }
};

void installActivationKeeper()
{
    QCoreApplication::instance()->installEventFilter(
        new ActivationKeeper(QCoreApplication::instance()));
}

} // namespace

void useWebWindowActivation()
{
    qAddPreRoutine(installActivationKeeper);
}

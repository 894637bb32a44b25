#include "windowpixels.h"

#include <QBackingStore>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "prefault.h"

namespace {

class FirstExposeWatcher : public QObject {
public:
    FirstExposeWatcher(QWidget* window, QWindow* handle) : QObject(handle), m_window(window)
    {
        handle->installEventFilter(this);
    }

protected:
    // Ahead of the widget's own handling of the event, which paints.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            prefaultPixels();
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void prefaultPixels() const
    {
        QBackingStore* store = m_window ? m_window->backingStore() : nullptr;
        // On X11 (and offscreen) a resized store has its image at once; Wayland's makes its
        // buffer only as the first paint begins.
        const QString platform = QGuiApplication::platformName();
        if (!store || (platform != QLatin1String("xcb") && platform != QLatin1String("offscreen")))
            return;
        // The size the first paint gives it, which that paint then leaves as it is. Resized any
        // earlier, before the window is mapped, it costs more than it saves.
        store->resize(m_window->size());
        if (const auto* image = dynamic_cast<const QImage*>(store->paintDevice()))
            prefaultForWriting(image->constBits(), static_cast<std::size_t>(image->sizeInBytes()));
    }

    QPointer<QWidget> m_window;
};

} // namespace

void prefaultPixelsAtFirstExpose(QWidget* window)
{
    if (QWindow* handle = window->windowHandle())
        new FirstExposeWatcher(window, handle);
}

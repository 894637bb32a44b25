#include "windowpixels.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "afterfirstpaint.h"
#include "prefault.h"

namespace {

void prefaultPixels(QWidget* window)
{
    QBackingStore* store = window ? window->backingStore() : nullptr;
    // On X11 (and offscreen) a resized store has its image at once; Wayland's makes its
    // buffer only as the first paint begins.
    const QString platform = QGuiApplication::platformName();
    if (!store || (platform != QLatin1String("xcb") && platform != QLatin1String("offscreen")))
        return;
    // The size the first paint gives it, which that paint then leaves as it is. Resized any
    // earlier, before the window is mapped, it costs more than it saves.
    store->resize(window->size());
    if (const auto* image = dynamic_cast<const QImage*>(store->paintDevice()))
        prefaultForWriting(image->constBits(), static_cast<std::size_t>(image->sizeInBytes()));
}

} // namespace

void prefaultPixelsAtFirstExpose(QWidget* window)
{
    // Ahead of the widget's own handling of the expose, which paints.
    if (QWindow* handle = window->windowHandle())
        beforeFirstEvent(handle, QEvent::Expose,
                         [window = QPointer<QWidget>(window)] { prefaultPixels(window); });
}

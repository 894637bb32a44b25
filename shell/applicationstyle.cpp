#include "applicationstyle.h"

#include <functional>
#include <optional>
#include <utility>

#include <QIconEngine>
#include <QPointer>
#include <QWidget>

namespace {

// An icon that asks for the real one when it is first used, and is that icon from then on.
// Sizes here are in device pixels, so the real icon is asked at a device pixel ratio of 1.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> load) : m_load(std::move(load)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    // What an icon engine's actual size is: the size of the pixmap it gives for that size.
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString iconName() override { return icon().name(); }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        icon().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode,
                 QIcon::State state) override
    {
        icon().addFile(fileName, size, mode, state);
    }
    QString key() const override { return QStringLiteral("deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    QIcon& icon()
    {
        if (!m_icon)
            m_icon = m_load();
        return *m_icon;
    }

    std::function<QIcon()> m_load;
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon ApplicationStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const
{
    // The one the menu bar asks for as it is built, without an option.
    if (standardIcon != SP_ToolBarHorizontalExtensionButton || option)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    return QIcon(new DeferredIconEngine(
        [style = QPointer<const QStyle>(baseStyle()), widget = QPointer<const QWidget>(widget)] {
            return style ? style->standardIcon(SP_ToolBarHorizontalExtensionButton, nullptr,
                                               widget.data())
                         : QIcon();
        }));
}

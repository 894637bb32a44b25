#pragma once

#include <functional>
#include <map>

#include <QPointer>
#include <QString>
#include <QWidget>

// Which windows are open: at most one instance of each, created on first opening and
// discarded when its window is closed, so that the next opening starts from the design.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    WindowRegistry() = default;
    // The open windows belong to the registry; whatever is still open goes with it.
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // The factory creates the window from its design (a load handler runs in it); the
    // window it returns must be parentless.
    void add(const QString& name, Factory factory);

    // Creates the window if it has no instance, otherwise leaves it as it is; then shows
    // it and brings it to the front.
    QWidget* open(const QString& name);

    // The open instance, or nullptr when the window is closed.
    QWidget* instance(const QString& name) const;

private:
    struct Entry {
        Factory factory;
        QPointer<QWidget> window;
    };

    std::map<QString, Entry> m_entries;
};

#include "windowregistry.h"

#include <stdexcept>
#include <utility>

WindowRegistry::~WindowRegistry()
{
    for (auto& [name, entry] : m_entries)
        delete entry.window.data();
}

void WindowRegistry::add(const QString& name, Factory factory)
{
    m_entries[name] = Entry{std::move(factory), nullptr};
}

QWidget* WindowRegistry::open(const QString& name)
{
    const auto found = m_entries.find(name);
    if (found == m_entries.end())
        throw std::invalid_argument("no such window: " + name.toStdString());
    Entry& entry = found->second;
    if (entry.window && !entry.window->isVisible()) {
        // Closed, and only waiting for its deferred deletion: that instance is gone already.
        entry.window->deleteLater();
        entry.window = nullptr;
    }
    if (!entry.window) {
        QWidget* window = entry.factory();
        // Closing discards the instance; the QPointer then reads null.
        window->setAttribute(Qt::WA_DeleteOnClose);
        entry.window = window;
    }
    QWidget* window = entry.window;
    // Not show(): the web platform shows every window but a dialog full-screen, without its
    // frame; made visible, each window keeps its own size and frame there as on a desktop.
    window->setVisible(true);
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* WindowRegistry::instance(const QString& name) const
{
    const auto found = m_entries.find(name);
    if (found == m_entries.end())
        return nullptr;
    QWidget* window = found->second.window;
    return window && window->isVisible() ? window : nullptr;
}

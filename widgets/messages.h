#pragma once

#include <exception>
#include <utility>

#include <QString>

#include "message.h"

// The title of every message box that has none of its own.
inline QString applicationTitle()
{
    return QStringLiteral("Zorvan! Mah-Jongg Calculator");
}

// A modal message box with one OK button; returns when the player dismisses it.
void showMessage(const QString& text, MessageStyle style, const QString& title = {});
// The same for a message the cores decide, in the player's language.
void showMessage(const Message& message);

// Shown when a count started by a click runs out of range.
QString overflowMessage();

// Runs one event handler so that no error ever escapes into the event loop. An error the
// handler does not trap itself is reported once, with a stop icon, when the outermost
// handler returns: a clear button whose cascade of box clicks overflows several times
// still finishes its clearing and shows a single message.
class EventHandlerScope {
public:
    EventHandlerScope();
    ~EventHandlerScope();
    EventHandlerScope(const EventHandlerScope&) = delete;
    EventHandlerScope& operator=(const EventHandlerScope&) = delete;

    void fail(std::exception_ptr error);
};

template <class Handler> void runEventHandler(Handler&& handler)
{
    EventHandlerScope scope;
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        scope.fail(std::current_exception());
    }
}

#pragma once

#include <functional>

#include <QEvent>

class QObject;
class QWidget;

// Runs `action` once, inside the first event of `type` that `watched` receives and before
// `watched` handles it. Nothing runs if `watched` goes first.
void beforeFirstEvent(QObject* watched, QEvent::Type type, std::function<void()> action);

// Runs `action` once from the event loop, as soon as `widget` has been painted for the first
// time: work the window need not wait for. Nothing runs if the widget goes first.
void runAfterFirstPaint(QWidget* widget, std::function<void()> action);

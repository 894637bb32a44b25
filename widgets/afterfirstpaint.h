#pragma once

#include <functional>

class QWidget;

// Runs `action` once from the event loop, as soon as `widget` has been painted for the first
// time: work the window need not wait for. Nothing runs if the widget goes first.
void runAfterFirstPaint(QWidget* widget, std::function<void()> action);

#include "calculatorlimit.h"

#include <QEvent>
#include <QWidget>

#include "module1.h"

std::optional<std::int32_t> enteredTableLimit()
{
    if (Module1::tablelimit == 0)
        return std::nullopt;
    return Module1::tablelimit;
}

bool enteredTableLimitChanged(const QWidget& window, const QEvent& event,
                              std::optional<std::int32_t> shown)
{
    return event.type() == QEvent::ActivationChange && window.isActiveWindow() &&
           enteredTableLimit() != shown;
}

#include "calculatorlimit.h"

#include "module1.h"

std::optional<std::int32_t> enteredTableLimit()
{
    if (Module1::tablelimit == 0)
        return std::nullopt;
    return Module1::tablelimit;
}

#pragma once

#include <cstdint>
#include <optional>

class QEvent;
class QWidget;

// The table limit the player entered in the calculator, if any. The hand windows count under
// it, and under the engine's 500 while there is none.
std::optional<std::int32_t> enteredTableLimit();

// Whether `event` brings `window` to the front with an entered limit other than `shown`: it
// may have changed while another window was active.
bool enteredTableLimitChanged(const QWidget& window, const QEvent& event,
                              std::optional<std::int32_t> shown);

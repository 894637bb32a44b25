#pragma once

#include <cstdint>
#include <optional>

// The table limit the player entered in the calculator, if any. The hand windows count under
// it, and under the engine's 500 while there is none.
std::optional<std::int32_t> enteredTableLimit();

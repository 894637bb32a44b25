#pragma once

#include <array>
#include <cstdint>
#include <string>

// The data the windows share, living as long as the program.
namespace Module1 {

inline constexpr int tileCount = 23;
inline constexpr const char* selected = "aan";

extern std::int32_t points;      // the calculator's count before the table limit
extern std::int32_t tablelimit;  // 0 means no table limit entered
extern std::int32_t flowercount; // flowers and seasons, 0 to 8
extern std::int32_t fancount;    // the fan counter's total

// One flag per visible tile of the fan counter, index 0 for Picture1:
// "aan" when selected, empty when not. They outlive the fan counter window.
extern std::array<std::string, tileCount> tilestate;

// Back to the state at program start.
void reset();

} // namespace Module1

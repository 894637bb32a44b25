#pragma once

#include <cstdint>
#include <string>

// A number as the windows write it: one character for the sign (a blank for zero and
// positive values, "-" for negative ones), then the digits: " 7", "-50".
std::string numberText(std::int64_t value);

#pragma once

#include <cstdint>
#include <stdexcept>

// Every step of the counts is range-tested: leaving the 32-bit signed range raises
// OverflowError instead of wrapping.
class OverflowError : public std::overflow_error {
public:
    OverflowError() : std::overflow_error("32-bit overflow") {}
};

inline std::int32_t checkedAdd(std::int32_t a, std::int32_t b)
{
    std::int32_t sum;
    if (__builtin_add_overflow(a, b, &sum))
        throw OverflowError();
    return sum;
}

inline std::int32_t checkedMul(std::int32_t a, std::int32_t b)
{
    std::int32_t product;
    if (__builtin_mul_overflow(a, b, &product))
        throw OverflowError();
    return product;
}

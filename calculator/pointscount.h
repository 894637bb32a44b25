#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "handsheet.h"

// What a count applied, row by row, for showing the working. Filled by the count itself, so
// it can never disagree with the total.
struct PointsWorking {
    struct Step {
        int row;            // index into handSheet
        int times;          // ticked boxes applied (for the flowers row: the flower count)
        std::int32_t after; // the count after the row
    };
    std::vector<Step> steps;
    std::optional<int> overflowRow; // the row whose step left the 32-bit range
};

// The hand's count: 20, then every row of the sheet in counting order, every ticked box
// applying its row's effect once. `points` is written after every step, so when a step
// leaves the 32-bit range (OverflowError) it holds the last completed step.
// With `working`, the applied rows are recorded as well.
void countPoints(const BoxValues& boxes, std::int32_t flowercount, std::int32_t tablelimit,
                 std::int32_t& points, PointsWorking* working = nullptr);

// The same count as a value; throws OverflowError.
std::int32_t countPoints(const BoxValues& boxes, std::int32_t flowercount, std::int32_t tablelimit);

// The value beside "Zorvan! Points": the count capped at the table limit (a signed
// comparison), times 6 for East and 4 otherwise, in 64 bits so that the product of a large
// negative limit is still exact.
std::int64_t cappedValue(std::int32_t points, std::int32_t tablelimit);
std::int64_t eastFactor(bool east);

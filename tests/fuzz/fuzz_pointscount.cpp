// Random sheets, flower counts and table limits: the count must equal a 128-bit evaluation
// of the same steps whenever every step stays in 32 bits, and must report overflow exactly
// when some step leaves the range, keeping the last value that fitted.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

#include "checkedmath.h"
#include "pointscount.h"

namespace {

struct Reference {
    std::int32_t lastFitting = 20;
    bool overflows = false;
};

Reference evaluateWide(const BoxValues& boxes, std::int32_t flowers, std::int32_t limit)
{
    Reference result;
    __int128 value = 20;
    auto step = [&](__int128 next) {
        if (result.overflows)
            return;
        if (next < std::numeric_limits<std::int32_t>::min() ||
            next > std::numeric_limits<std::int32_t>::max()) {
            result.overflows = true;
            return;
        }
        value = next;
        result.lastFitting = std::int32_t(value);
    };
    for (const SheetRow& row : handSheet) {
        if (row.effect == RowEffect::AddFlowers) {
            step(value + __int128(row.amount) * flowers);
            continue;
        }
        for (int box = row.firstBox; box < row.firstBox + row.boxCount; ++box) {
            if (boxes[box] != 1)
                continue;
            switch (row.effect) {
            case RowEffect::Add:
                step(value + row.amount);
                break;
            case RowEffect::Multiply:
                step(value * row.amount);
                break;
            case RowEffect::ReplaceByLimit:
                step(limit);
                break;
            case RowEffect::AddFlowers:
                break;
            }
        }
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 14)
        return 0;
    BoxValues boxes{};
    for (int n = 2; n <= lastBox; ++n) {
        const int bit = n - 2;
        // Mostly 0 and 1, now and then another value, which must count as clear.
        const std::uint8_t byte = data[bit / 8];
        boxes[n] = isSheetBox(n) ? ((byte >> (bit % 8)) & 1) : 0;
    }
    if (data[9] == 0xff)
        boxes[2 + data[10] % 71] = 2;
    const std::int32_t flowers = data[10] % 9;
    std::int32_t limit = 0;
    std::memcpy(&limit, data + 11, sizeof limit - 1);
    limit = data[13] & 1 ? limit % 70000 : std::int32_t(std::uint32_t(limit) << 8);
    if (limit == 0)
        limit = 1;

    const Reference expected = evaluateWide(boxes, flowers, limit);
    std::int32_t points = -7;
    bool overflowed = false;
    try {
        countPoints(boxes, flowers, limit, points);
    } catch (const OverflowError&) {
        overflowed = true;
    }
    if (overflowed != expected.overflows || points != expected.lastFitting) {
        std::fprintf(stderr, "count %d (overflow %d), expected %d (overflow %d)\n", points,
                     overflowed, expected.lastFitting, expected.overflows);
        std::abort();
    }
    return 0;
}

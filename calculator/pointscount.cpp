#include "pointscount.h"

#include "checkedmath.h"

namespace {

std::int32_t applyRow(const SheetRow& row, std::int32_t value, std::int32_t flowercount,
                      std::int32_t tablelimit)
{
    switch (row.effect) {
    case RowEffect::Add:
        return checkedAdd(value, row.amount);
    case RowEffect::Multiply:
        return checkedMul(value, row.amount);
    case RowEffect::ReplaceByLimit:
        return tablelimit;
    case RowEffect::AddFlowers:
        return checkedAdd(value, checkedMul(row.amount, flowercount));
    }
    return value;
}

} // namespace

void countPoints(const BoxValues& boxes, std::int32_t flowercount, std::int32_t tablelimit,
                 std::int32_t& points)
{
    points = 20;
    for (const SheetRow& row : handSheet) {
        if (row.effect == RowEffect::AddFlowers) {
            points = applyRow(row, points, flowercount, tablelimit);
            continue;
        }
        for (int box = row.firstBox; box < row.firstBox + row.boxCount; ++box) {
            if (boxes[box] == 1)
                points = applyRow(row, points, flowercount, tablelimit);
        }
    }
}

std::int32_t countPoints(const BoxValues& boxes, std::int32_t flowercount,
                         std::int32_t tablelimit)
{
    std::int32_t points = 0;
    countPoints(boxes, flowercount, tablelimit, points);
    return points;
}

std::int64_t cappedValue(std::int32_t points, std::int32_t tablelimit)
{
    return points <= tablelimit ? points : tablelimit;
}

std::int64_t eastFactor(bool east)
{
    return east ? 6 : 4;
}

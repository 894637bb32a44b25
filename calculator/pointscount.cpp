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
                 std::int32_t& points, PointsWorking* working)
{
    points = 20;
    std::size_t row = 0;
    int times = 0;
    auto record = [&] {
        if (working && times > 0)
            working->steps.push_back({int(row), times, points});
    };
    try {
        for (; row < handSheet.size(); ++row) {
            const SheetRow& sheetRow = handSheet[row];
            times = 0;
            if (sheetRow.effect == RowEffect::AddFlowers) {
                points = applyRow(sheetRow, points, flowercount, tablelimit);
                times = flowercount;
            } else {
                for (int box = sheetRow.firstBox; box < sheetRow.firstBox + sheetRow.boxCount;
                     ++box) {
                    if (boxes[box] == 1) {
                        points = applyRow(sheetRow, points, flowercount, tablelimit);
                        ++times;
                    }
                }
            }
            record();
        }
    } catch (const OverflowError&) {
        if (working) {
            record(); // the boxes of the row applied before the one that overflowed
            working->overflowRow = int(row);
        }
        throw;
    }
}

std::int32_t countPoints(const BoxValues& boxes, std::int32_t flowercount, std::int32_t tablelimit)
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

#include "fanrules.h"

#include "module1.h"

// The messages are translated in the fan counter window's context, whose texts they are.

namespace {

const ConditionBox* boxNumbered(int check)
{
    for (const ConditionBox& box : conditionBoxes) {
        if (box.check == check)
            return &box;
    }
    return nullptr;
}

} // namespace

std::vector<TileLook> clickTile(TileFlags& flags, int picture)
{
    if (picture < 1 || picture > tileCount)
        return {};
    const Tile& tile = tiles[picture - 1];
    std::string& flag = flags[picture - 1];
    std::vector<TileLook> looks;
    if (flag.empty()) {
        flag = Module1::selected;
        looks.push_back({picture, true});
        if (tile.kind == ClickKind::RowExclusive) {
            for (const Tile& other : tiles) {
                if (other.row == tile.row && other.picture != picture) {
                    flags[other.picture - 1].clear();
                    looks.push_back({other.picture, false});
                }
            }
        }
    } else if (flag == Module1::selected) {
        flag.clear();
        looks.push_back({picture, false});
    }
    return looks;
}

TileFlags tileFlags(const TileSelection& selected)
{
    TileFlags flags;
    for (int i = 0; i < tileCount; ++i) {
        if (selected[i])
            flags[i] = Module1::selected;
    }
    return flags;
}

FanBoxClick fanBoxClick(int check, bool ticked)
{
    const ConditionBox* box = boxNumbered(check);
    if (box == nullptr || box->effect != BoxEffect::MaximumHand)
        return {};
    return {false, ticked ? maximumMessage() : Message{}};
}

bool maximumHand(const FanBoxValues& boxes)
{
    for (const ConditionBox& box : conditionBoxes) {
        if (box.effect == BoxEffect::MaximumHand && boxes[box.check] == 1)
            return true;
    }
    return false;
}

Message maximumMessage()
{
    return {phrase("FanCounterWindow",
                   QT_TRANSLATE_NOOP("FanCounterWindow",
                                     "Zorvan has no more fingers left to count your fans(YOUR "
                                     "MAXED OUT, WELL DONE)")),
            NoIcon};
}

std::vector<int> fanBoxesToClear(const FanBoxValues& boxes)
{
    std::vector<int> ticked;
    for (int number = 1; number <= lastCheck; ++number) {
        if (number != noFaTableCheck && boxes[number] == 1)
            ticked.push_back(number);
    }
    return ticked;
}

Message fanHint()
{
    return {phrase("FanCounterWindow",
                   QT_TRANSLATE_NOOP("FanCounterWindow",
                                     "This means you also should check the Self Pick checkbox!")),
            ExclamationIcon};
}

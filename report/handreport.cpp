#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fanboard.h"
#include "handsheet.h"
#include "writers.h"

namespace report::detail {

namespace {

// One group of a reading, as both outputs show it.
struct Group {
    const char* kind;
    std::string tiles;
    bool open;
    bool declared;
    bool winning;
};

// The reading's sets in the engine's order, then the pair.
std::vector<Group> groupsOf(const hand::Reading& reading)
{
    std::vector<Group> groups;
    for (std::size_t i = 0; i < reading.sets.size(); ++i) {
        const hand::ReadSet& set = reading.sets[i];
        groups.push_back({hand::kindName(set.kind), hand::setText(set.kind, set.first), set.open,
                          set.declared, reading.winningGroup == static_cast<int>(i)});
    }
    groups.push_back(
        {"pair", hand::pairText(reading.pair), false, false, reading.winningGroup == -1});
    return groups;
}

std::string joined(const std::vector<std::string>& parts, const char* between)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : between) + part;
    return text;
}

std::string plural(std::int64_t count, const char* one, const char* many)
{
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

void appendLines(std::string& text, const std::vector<Phrase>& lines)
{
    for (const Phrase& line : lines)
        text += "  " + english(line) + '\n';
}

// The fan counter's box that made the hand a maximum: "All Terminals" or "All Honors".
const char* maximumBox(const FanBoxValues& boxes)
{
    for (const ConditionBox& box : conditionBoxes) {
        if (box.effect == BoxEffect::MaximumHand && boxes[box.check] == 1)
            return box.caption;
    }
    return "";
}

std::vector<std::string> tickedRows(const hand::HandResult& result)
{
    std::vector<std::string> ticked;
    if (result.boxes[eastBox] == 1)
        ticked.push_back("Check when East");
    for (const SheetRow& row : handSheet) {
        if (row.effect == RowEffect::AddFlowers) {
            if (result.flowers != 0)
                ticked.push_back(std::string(row.caption) + ": " + std::to_string(result.flowers));
            continue;
        }
        const auto first = result.boxes.begin() + row.firstBox;
        const auto count = std::count(first, first + row.boxCount, std::uint8_t{1});
        if (count != 0)
            ticked.push_back(std::string(row.caption) + ": " + plural(count, "box", "boxes"));
    }
    if (ticked.empty())
        ticked.push_back("nothing");
    return ticked;
}

// The numbers of the boxes ticked or the tiles selected: each value of 1 whose number `counted`
// accepts, a value's number being its index plus `shift`.
template <class T, std::size_t N, class Counted>
json::Value numbersWhere(const std::array<T, N>& values, int shift, Counted counted)
{
    json::Value numbers = json::Value::array();
    for (int i = 0; i < static_cast<int>(N); ++i) {
        if (counted(i + shift) && values[i] == 1)
            numbers.append(i + shift);
    }
    return numbers;
}

json::Value linesJson(const std::vector<Phrase>& lines)
{
    json::Value array = json::Value::array();
    for (const Phrase& line : lines)
        array.append(english(line));
    return array;
}

} // namespace

std::string padded(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string handText(const hand::HandResult& result, const hand::Conditions& conditions)
{
    std::string text = "Hand: " + hand::writeHand(result.hand) + '\n' +
                       english(hand::situationText(conditions)) + "\n\n";

    text += result.readings == 1
                ? std::string("The reading (the only one):\n")
                : "The reading (the best of " + std::to_string(result.readings) + " readings):\n";
    const std::string winning = result.hand.winning ? hand::faceText(*result.hand.winning) : "";
    for (const Group& group : groupsOf(result.reading)) {
        std::vector<std::string> notes;
        if (std::string_view(group.kind) != "pair")
            notes.push_back(group.open ? "open" : "closed");
        if (group.declared)
            notes.push_back("declared");
        if (group.winning)
            notes.push_back("completed by the winning tile " + winning);
        std::string line = padded(group.kind, 5) + group.tiles;
        if (!notes.empty())
            line = padded(line, 12) + joined(notes, ", ");
        text += "  " + line + '\n';
    }

    text += "\nTicked on the sheet:\n";
    for (const std::string& line : tickedRows(result))
        text += "  " + line + '\n';

    text += '\n';
    if (result.overflow) {
        text += "Your hand is worth: more than the calculator can count\n";
        appendLines(text, result.countWorking);
        text += "Zorvan! Points: none, the count overflowed\n";
    } else {
        text += "Your hand is worth: " + std::to_string(result.count) + '\n';
        appendLines(text, result.countWorking);
        text += "Zorvan! Points: " + std::to_string(result.value) + '\n';
        appendLines(text, result.valueWorking);
    }
    text += "Your FANS: ";
    if (result.maximum)
        text += std::string("the maximum (") + maximumBox(result.fanBoxes) +
                "); the board counts " + std::to_string(result.fans) + '\n';
    else
        text += std::to_string(result.fans) + '\n';
    appendLines(text, result.fanWorking);
    return text;
}

json::Value handJson(const hand::HandResult& result, const hand::Conditions& conditions)
{
    // Past the 32-bit range there is no count to give: null, with "overflow" true.
    const auto figure = [&result](std::int64_t number) {
        return result.overflow ? json::Value() : json::Value(number);
    };
    json::Value reading = json::Value::array();
    for (const Group& group : groupsOf(result.reading)) {
        reading.append(json::Value::object()
                           .set("kind", group.kind)
                           .set("tiles", group.tiles)
                           .set("open", group.open)
                           .set("declared", group.declared)
                           .set("winning", group.winning));
    }
    json::Value object = json::Value::object();
    object.set("hand", hand::writeHand(result.hand))
        .set("count", figure(result.count))
        .set("value", figure(result.value))
        .set("limit", conditions.tablelimit)
        .set("fans", result.fans)
        .set("maximum", result.maximum)
        .set("overflow", result.overflow)
        // The sheet and the board number their boxes from 1 by index, the board its tiles
        // from 1.
        .set("boxes", numbersWhere(result.boxes, 0, isSheetBox))
        .set("flowers", result.flowers)
        .set("fanTiles", numbersWhere(result.fanTiles, 1, [](int) { return true; }))
        .set("fanBoxes", numbersWhere(result.fanBoxes, 0, [](int number) { return number >= 1; }))
        .set("readings", result.readings)
        .set("reading", std::move(reading))
        .set("working", json::Value::object()
                            .set("count", linesJson(result.countWorking))
                            .set("value", linesJson(result.valueWorking))
                            .set("fans", linesJson(result.fanWorking)));
    return object;
}

} // namespace report::detail

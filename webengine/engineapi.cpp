#include "engineapi.h"

#include <algorithm>
#include <charconv>

#include "fanrules.h"
#include "handsheet.h"
#include "jsonwriter.h"
#include "module1.h"
#include "numbertext.h"
#include "pointsworking.h"
#include "sheetrules.h"
#include "tilename.h"

namespace webengine {
namespace {

BoxValues sheetBoxes(std::string_view text)
{
    BoxValues boxes{};
    for (const int n : numberList(text)) {
        if (isSheetBox(n))
            boxes[n] = 1;
    }
    return boxes;
}

TileSelection tileSelection(std::string_view text)
{
    TileSelection selected{};
    for (const int picture : numberList(text)) {
        if (picture >= 1 && picture <= tileCount)
            selected[picture - 1] = true;
    }
    return selected;
}

FanBoxValues fanBoxes(std::string_view text)
{
    FanBoxValues boxes{};
    for (const int check : numberList(text)) {
        if (check >= 1 && check <= lastCheck)
            boxes[check] = 1;
    }
    return boxes;
}

std::int32_t withinFlowers(std::int32_t flowers)
{
    return std::clamp(flowers, std::int32_t{0}, maxFlowers);
}

// "message" and "icon", where there is a message.
void writeMessage(JsonWriter& json, const Message& message)
{
    if (message.text.empty())
        return;
    json.key("message").value(message.text);
    json.key("icon").value(int(message.style));
}

std::string messageObject(const Message& message)
{
    JsonWriter json;
    json.beginObject();
    writeMessage(json, message);
    json.endObject();
    return json.text();
}

const char* actionName(TableLimitDecision::Action action)
{
    switch (action) {
    case TableLimitDecision::Action::Ignore:
        return "ignore";
    case TableLimitDecision::Action::TooHigh:
        return "tooHigh";
    case TableLimitDecision::Action::Store:
        return "store";
    case TableLimitDecision::Action::Typo:
        return "typo";
    }
    return "ignore";
}

const char* effectName(RowEffect effect)
{
    switch (effect) {
    case RowEffect::Add:
        return "add";
    case RowEffect::Multiply:
        return "multiply";
    case RowEffect::ReplaceByLimit:
        return "limit";
    case RowEffect::AddFlowers:
        return "flowers";
    }
    return "add";
}

const char* tileRowName(TileRow row)
{
    switch (row) {
    case TileRow::PrevailingWind:
        return "prevailingWind";
    case TileRow::SeatWind:
        return "seatWind";
    case TileRow::WindPong:
        return "windPong";
    case TileRow::DragonPong:
        return "dragonPong";
    case TileRow::Flowers:
        return "flowers";
    case TileRow::Seasons:
        return "seasons";
    }
    return "";
}

const char* boxEffectName(BoxEffect effect)
{
    switch (effect) {
    case BoxEffect::AddFans:
        return "fans";
    case BoxEffect::MaximumHand:
        return "maximum";
    case BoxEffect::NoFaTable:
        return "noFaTable";
    }
    return "";
}

std::vector<int> selectedNumbers(const TileFlags& flags)
{
    std::vector<int> numbers;
    for (int i = 0; i < tileCount; ++i) {
        if (flags[i] == Module1::selected)
            numbers.push_back(i + 1);
    }
    return numbers;
}

} // namespace

std::vector<int> numberList(std::string_view text)
{
    std::vector<int> numbers;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        int number = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), number);
        if (error == std::errc() && end == item.data() + item.size())
            numbers.push_back(number);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return numbers;
}

std::string sheet(std::string_view boxes, std::int32_t flowers, std::int32_t tablelimit)
{
    const SheetFigures figures =
        sheetFigures(sheetBoxes(boxes), withinFlowers(flowers), tablelimit);
    JsonWriter json;
    json.beginObject();
    json.key("shown").value(figures.shown);
    json.key("count").value(figures.countText);
    json.key("value").value(figures.valueText);
    json.key("overflow").value(figures.overflow);
    json.key("countWorking").value(figures.countWorking);
    json.key("valueWorking").value(figures.valueWorking);
    if (figures.overflow)
        writeMessage(json, countOverflowMessage());
    json.endObject();
    return json.text();
}

std::string tableLimitTyped(std::string_view text)
{
    const TableLimitTyped typed = ::tableLimitTyped(text);
    JsonWriter json;
    json.beginObject();
    json.key("action").value(actionName(typed.action));
    json.key("value").value(typed.value);
    writeMessage(json, typed.message);
    if (!typed.replacement.empty())
        json.key("replacement").value(typed.replacement);
    json.endObject();
    return json.text();
}

std::int32_t flowersStep(std::int32_t current, bool up)
{
    return ::flowersStep(current, up);
}

std::string clearSheet(std::string_view boxes, std::int32_t flowers, std::int32_t tablelimit,
                       bool all)
{
    const BoxValues values = sheetBoxes(boxes);
    const bool overflow = clearingOverflows(values, withinFlowers(flowers), all ? 0 : tablelimit);
    JsonWriter json;
    json.beginObject();
    json.key("untick").value(boxesToClear(values));
    json.key("overflow").value(overflow);
    if (overflow)
        writeMessage(json, countOverflowMessage());
    json.endObject();
    return json.text();
}

std::string sheetHint(int button)
{
    return messageObject(::sheetHint(button));
}

std::string fanTileClick(std::string_view selected, int tile)
{
    TileFlags flags = tileFlags(tileSelection(selected));
    clickTile(flags, tile);
    JsonWriter json;
    json.value(selectedNumbers(flags));
    return json.text();
}

std::string fans(std::string_view tiles, std::string_view boxes)
{
    const TileSelection selected = tileSelection(tiles);
    const FanBoxValues values = fanBoxes(boxes);
    std::vector<Phrase> working;
    const std::int32_t total = countFans(selected, values, &working);
    const bool maximum = maximumHand(values);
    JsonWriter json;
    json.beginObject();
    json.key("fans").value(total);
    json.key("text").value(numberText(total));
    json.key("maximum").value(maximum);
    json.key("working").value(working);
    if (maximum)
        writeMessage(json, maximumMessage());
    json.endObject();
    return json.text();
}

std::string fanBoxClick(int check, bool ticked)
{
    const FanBoxClick click = ::fanBoxClick(check, ticked);
    JsonWriter json;
    json.beginObject();
    json.key("recount").value(click.recount);
    writeMessage(json, click.message);
    json.endObject();
    return json.text();
}

std::string clearFans(std::string_view boxes)
{
    JsonWriter json;
    json.beginObject();
    json.key("untick").value(fanBoxesToClear(fanBoxes(boxes)));
    json.endObject();
    return json.text();
}

std::string fanHint()
{
    return messageObject(::fanHint());
}

std::string messages()
{
    JsonWriter json;
    json.beginObject();
    json.key("overflow").beginObject();
    writeMessage(json, countOverflowMessage());
    json.endObject();
    json.key("typo").beginObject();
    writeMessage(json, typoMessage());
    json.endObject();
    json.endObject();
    return json.text();
}

std::string layout()
{
    JsonWriter json;
    json.beginObject();
    json.key("sheet").beginArray();
    for (const SheetRow& row : handSheet) {
        json.beginObject();
        json.key("caption").value(rowCaption(row));
        json.key("label").value(row.captionLabel);
        json.key("column").value(row.column == SheetColumn::Left ? "left" : "right");
        json.key("effect").value(effectName(row.effect));
        json.key("amount").value(row.amount);
        json.key("boxes").beginArray();
        for (int n = 0; n < row.boxCount; ++n) {
            json.beginObject();
            json.key("check").value(row.firstBox + n);
            json.key("name").value(sheetBoxName(row, n));
            json.endObject();
        }
        json.endArray();
        json.key("hint").value(row.hintButton);
        json.endObject();
    }
    json.endArray();

    json.key("fanRows").beginArray();
    for (const BoardRow& row : boardRows) {
        json.beginObject();
        json.key("row").value(tileRowName(row.row));
        json.key("label").value(row.captionLabel);
        json.key("caption").value(phrase(fanBoardContext, row.caption));
        json.key("name").value(phrase(fanBoardContext, row.spokenName));
        json.key("tiles").beginArray();
        for (const Tile& tile : tiles) {
            if (tile.row != row.row)
                continue;
            json.beginObject();
            json.key("picture").value(tile.picture);
            json.key("face").value(faceNames[static_cast<std::size_t>(tile.face)]);
            json.key("column").value(tile.column);
            json.key("rowExclusive").value(tile.kind == ClickKind::RowExclusive);
            json.key("name").value(tileAccessibleName(tile, false));
            json.key("nameSelected").value(tileAccessibleName(tile, true));
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();

    json.key("fanBoxes").beginArray();
    for (const ConditionBox& box : conditionBoxes) {
        json.beginObject();
        json.key("check").value(box.check);
        json.key("label").value(box.label);
        json.key("caption").value(phrase(fanBoardContext, box.caption));
        json.key("effect").value(boxEffectName(box.effect));
        json.key("fans").value(box.fans);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.text();
}

} // namespace webengine

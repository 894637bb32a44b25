// The calculator's sheet and the fan counter, for the web page.

#include <algorithm>
#include <charconv>

#include "engineapi.h"
#include "fanrules.h"
#include "handsheet.h"
#include "module1.h"
#include "numbertext.h"
#include "pagejson.h"
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

std::string messageObject(const Message& message)
{
    Value object = Value::object();
    setMessage(object, message);
    return object.compact();
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

Value sheetRows()
{
    Value rows = Value::array();
    for (const SheetRow& row : handSheet) {
        Value boxes = Value::array();
        for (int n = 0; n < row.boxCount; ++n)
            boxes.append(Value::object()
                             .set("check", row.firstBox + n)
                             .set("name", phraseValue(sheetBoxName(row, n))));
        rows.append(Value::object()
                        .set("caption", phraseValue(rowCaption(row)))
                        .set("label", row.captionLabel)
                        .set("column", row.column == SheetColumn::Left ? "left" : "right")
                        .set("effect", effectName(row.effect))
                        .set("amount", row.amount)
                        .set("boxes", std::move(boxes))
                        .set("hint", row.hintButton));
    }
    return rows;
}

Value fanRows()
{
    Value rows = Value::array();
    for (const BoardRow& row : boardRows) {
        Value rowTiles = Value::array();
        for (const Tile& tile : tiles) {
            if (tile.row != row.row)
                continue;
            rowTiles.append(Value::object()
                                .set("picture", tile.picture)
                                .set("face", faceNames[static_cast<std::size_t>(tile.face)])
                                .set("column", tile.column)
                                .set("rowExclusive", tile.kind == ClickKind::RowExclusive)
                                .set("name", phraseValue(tileAccessibleName(tile, false)))
                                .set("nameSelected", phraseValue(tileAccessibleName(tile, true))));
        }
        rows.append(Value::object()
                        .set("row", tileRowName(row.row))
                        .set("label", row.captionLabel)
                        .set("caption", phraseValue(phrase(fanBoardContext, row.caption)))
                        .set("name", phraseValue(phrase(fanBoardContext, row.spokenName)))
                        .set("tiles", std::move(rowTiles)));
    }
    return rows;
}

Value fanBoxList()
{
    Value boxes = Value::array();
    for (const ConditionBox& box : conditionBoxes)
        boxes.append(Value::object()
                         .set("check", box.check)
                         .set("label", box.label)
                         .set("caption", phraseValue(phrase(fanBoardContext, box.caption)))
                         .set("effect", boxEffectName(box.effect))
                         .set("fans", box.fans));
    return boxes;
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
    Value object = Value::object();
    object.set("shown", figures.shown)
        .set("count", figures.countText)
        .set("value", figures.valueText)
        .set("overflow", figures.overflow)
        .set("countWorking", phrasesValue(figures.countWorking))
        .set("valueWorking", phrasesValue(figures.valueWorking));
    if (figures.overflow)
        setMessage(object, countOverflowMessage());
    return object.compact();
}

std::string tableLimitTyped(std::string_view text)
{
    const TableLimitTyped typed = ::tableLimitTyped(text);
    Value object = Value::object();
    object.set("action", actionName(typed.action)).set("value", typed.value);
    setMessage(object, typed.message);
    if (!typed.replacement.empty())
        object.set("replacement", typed.replacement);
    return object.compact();
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
    Value object = Value::object();
    object.set("untick", numbersValue(boxesToClear(values))).set("overflow", overflow);
    if (overflow)
        setMessage(object, countOverflowMessage());
    return object.compact();
}

std::string sheetHint(int button)
{
    return messageObject(::sheetHint(button));
}

std::string sheetFill(std::string_view fromBoxes, std::int32_t fromFlowers, std::string_view toBoxes,
                      std::int32_t toFlowers)
{
    const SheetFill fill = ::sheetFill(sheetBoxes(fromBoxes), withinFlowers(fromFlowers),
                                       sheetBoxes(toBoxes), toFlowers);
    Value object = Value::object();
    object.set("untick", numbersValue(fill.untick))
        .set("flowerClicks", fill.flowerClicks)
        .set("tick", numbersValue(fill.tick));
    return object.compact();
}

std::string fanTileClick(std::string_view selected, int tile)
{
    TileFlags flags = tileFlags(tileSelection(selected));
    clickTile(flags, tile);
    std::vector<int> after;
    for (int i = 0; i < tileCount; ++i) {
        if (flags[i] == Module1::selected)
            after.push_back(i + 1);
    }
    return numbersValue(after).compact();
}

std::string fans(std::string_view tiles, std::string_view boxes)
{
    const FanBoxValues values = fanBoxes(boxes);
    std::vector<Phrase> working;
    const std::int32_t total = countFans(tileSelection(tiles), values, &working);
    const bool maximum = maximumHand(values);
    Value object = Value::object();
    object.set("fans", total)
        .set("text", numberText(total))
        .set("maximum", maximum)
        .set("working", phrasesValue(working));
    if (maximum)
        setMessage(object, maximumMessage());
    return object.compact();
}

std::string fanBoxClick(int check, bool ticked)
{
    const FanBoxClick click = ::fanBoxClick(check, ticked);
    Value object = Value::object();
    object.set("recount", click.recount);
    setMessage(object, click.message);
    return object.compact();
}

std::string clearFans(std::string_view boxes)
{
    return Value::object().set("untick", numbersValue(fanBoxesToClear(fanBoxes(boxes)))).compact();
}

std::string fanHint()
{
    return messageObject(::fanHint());
}

std::string messages()
{
    Value overflow = Value::object();
    setMessage(overflow, countOverflowMessage());
    Value typo = Value::object();
    setMessage(typo, typoMessage());
    return Value::object()
        .set("overflow", std::move(overflow))
        .set("typo", std::move(typo))
        .compact();
}

std::string layout()
{
    return Value::object()
        .set("sheet", sheetRows())
        .set("fanRows", fanRows())
        .set("fanBoxes", fanBoxList())
        .compact();
}

} // namespace webengine

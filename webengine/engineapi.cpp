#include "engineapi.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "deal.h"
#include "fanrules.h"
#include "handediting.h"
#include "handlink.h"
#include "handpictures.h"
#include "handsheet.h"
#include "handview.h"
#include "jsonwriter.h"
#include "module1.h"
#include "numbertext.h"
#include "pointsworking.h"
#include "practicejudge.h"
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

// The conditions as read, or the sentence why a value is not one.
struct ReadConditions {
    hand::Conditions conditions;
    Phrase error;
};

ReadConditions readConditions(const PageConditions& page)
{
    ReadConditions read;
    hand::Conditions& conditions = read.conditions;
    if (!page.seat.empty()) {
        const auto wind = hand::readWindName(page.seat);
        if (!wind)
            return {conditions, hand::badSeatWind(page.seat)};
        conditions.seat = *wind;
    }
    if (!page.round.empty()) {
        const auto wind = hand::readWindName(page.round);
        if (!wind)
            return {conditions, hand::badRoundWind(page.round)};
        conditions.round = *wind;
    }
    if (!page.limit.empty()) {
        const auto limit = hand::readTableLimit(page.limit);
        if (!limit)
            return {conditions, hand::badTableLimit(page.limit)};
        conditions.tablelimit = *limit;
    }
    conditions.selfDrawn = (page.switches & SelfDrawn) != 0;
    conditions.lastTile = (page.switches & LastTile) != 0;
    conditions.supplement = (page.switches & Supplement) != 0;
    conditions.robbingKong = (page.switches & RobbingKong) != 0;
    conditions.noFaTable = (page.switches & NoFaTable) != 0;
    return read;
}

std::string errorObject(const Phrase& error)
{
    JsonWriter json;
    json.beginObject().key("error").value(error).endObject();
    return json.text();
}

void writeConditions(JsonWriter& json, const hand::Conditions& conditions)
{
    json.beginObject();
    json.key("seat").value(std::string(1, hand::windName(conditions.seat)[0]));
    json.key("round").value(std::string(1, hand::windName(conditions.round)[0]));
    json.key("limit").value(conditions.tablelimit);
    json.key("self").value(conditions.selfDrawn);
    json.key("last").value(conditions.lastTile);
    json.key("supplement").value(conditions.supplement);
    json.key("robbing").value(conditions.robbingKong);
    json.key("nofa").value(conditions.noFaTable);
    json.endObject();
}

void writePictures(JsonWriter& json, const TilePictureGroups& groups)
{
    json.beginArray();
    for (std::size_t group = 0; group < groups.size(); ++group) {
        for (const TilePicture& picture : groups[group]) {
            json.beginObject();
            json.key("image").value(picture.image);
            json.key("selected").value(picture.selected);
            json.key("name").value(picture.name);
            if (!picture.toolTip.empty())
                json.key("toolTip").value(picture.toolTip);
            json.key("group").value(int(group));
            json.endObject();
        }
    }
    json.endArray();
}

// A count past the 32-bit range has no number: null.
void writeFigure(JsonWriter& json, bool overflow, std::int64_t number)
{
    if (overflow)
        json.null();
    else
        json.value(number);
}

void writeWorth(JsonWriter& json, const hand::Worth& worth)
{
    json.beginObject();
    json.key("count");
    writeFigure(json, worth.overflow, worth.count);
    json.key("value");
    writeFigure(json, worth.overflow, worth.value);
    json.key("fans").value(worth.fans);
    json.key("maximum").value(worth.maximum);
    json.key("overflow").value(worth.overflow);
    json.endObject();
}

// A scored hand's figures, what it ticks on the sheet and selects on the board, and the working.
void writeScore(JsonWriter& json, const hand::HandResult& scored)
{
    json.key("count");
    writeFigure(json, scored.overflow, scored.count);
    json.key("value");
    writeFigure(json, scored.overflow, scored.value);
    json.key("fans").value(scored.fans);
    json.key("maximum").value(scored.maximum);
    json.key("overflow").value(scored.overflow);
    std::vector<int> boxes;
    for (int n = 1; n <= lastBox; ++n) {
        if (isSheetBox(n) && scored.boxes[n] == 1)
            boxes.push_back(n);
    }
    json.key("boxes").value(boxes);
    json.key("flowers").value(scored.flowers);
    std::vector<int> fanTiles;
    for (int picture = 1; picture <= tileCount; ++picture) {
        if (scored.fanTiles[picture - 1])
            fanTiles.push_back(picture);
    }
    json.key("fanTiles").value(fanTiles);
    json.key("fanBoxes").value(fanBoxesToClear(scored.fanBoxes));
    json.key("working").beginObject();
    json.key("count").value(scored.countWorking);
    json.key("value").value(scored.valueWorking);
    json.key("fans").value(scored.fanWorking);
    json.endObject();
}

std::optional<hand::EntryMode> entryMode(std::string_view name)
{
    using hand::EntryMode;
    static constexpr std::array<std::pair<std::string_view, EntryMode>, 6> modes{{
        {"tile", EntryMode::Tile},
        {"chow", EntryMode::Chow},
        {"pong", EntryMode::Pong},
        {"kong", EntryMode::Kong},
        {"concealedKong", EntryMode::ConcealedKong},
        {"winning", EntryMode::Winning},
    }};
    for (const auto& [each, mode] : modes) {
        if (each == name)
            return mode;
    }
    return std::nullopt;
}

std::optional<int> paletteTile(std::string_view text)
{
    for (int tile = 0; tile < hand::paletteSize; ++tile) {
        if (hand::paletteText(tile) == text)
            return tile;
    }
    return std::nullopt;
}

const char* stateName(hand::HandState state)
{
    switch (state) {
    case hand::HandState::Empty:
        return "empty";
    case hand::HandState::Refused:
        return "refused";
    case hand::HandState::Finished:
        return "finished";
    case hand::HandState::Waiting:
        return "waiting";
    case hand::HandState::NotReady:
        return "notReady";
    }
    return "empty";
}

// The hand as typed, and the view the hand window gives of it.
hand::HandView viewOf(std::string_view text, const hand::Conditions& conditions)
{
    hand::ParsedHand typed = hand::readTypedHand(text);
    if (!typed.error.empty())
        return hand::refusedView(std::move(typed.error), conditions);
    return hand::viewHand(typed.hand, conditions);
}

// The hand of a deal under the table limit in force, or why there is none.
struct Dealt {
    hand::Deal deal;
    hand::Conditions conditions;
    Phrase error;
};

Dealt dealFor(std::uint64_t seed, int level, std::int32_t limit)
{
    Dealt dealt;
    if (level < 1 || level > 3 || seed > hand::maxSeed) {
        dealt.error = plainText("a deal needs a level of 1, 2 or 3 and a seed from 0 to " +
                                std::to_string(hand::maxSeed));
        return dealt;
    }
    const std::optional<std::int32_t> tablelimit = hand::readTableLimit(std::to_string(limit));
    if (!tablelimit) {
        dealt.error = hand::badTableLimit(std::to_string(limit));
        return dealt;
    }
    dealt.deal = hand::deal(static_cast<hand::DealLevel>(level), seed);
    dealt.conditions = dealt.deal.conditions;
    dealt.conditions.tablelimit = *tablelimit;
    return dealt;
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

std::string sheetFill(std::string_view fromBoxes, std::int32_t fromFlowers, std::string_view toBoxes,
                      std::int32_t toFlowers)
{
    const SheetFill fill = ::sheetFill(sheetBoxes(fromBoxes), withinFlowers(fromFlowers),
                                       sheetBoxes(toBoxes), toFlowers);
    JsonWriter json;
    json.beginObject();
    json.key("untick").value(fill.untick);
    json.key("flowerClicks").value(fill.flowerClicks);
    json.key("tick").value(fill.tick);
    json.endObject();
    return json.text();
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

std::string readLink(std::string_view link)
{
    const hand::HandLink read = hand::readHandLink(link);
    if (!read.error.empty())
        return errorObject(read.error);
    JsonWriter json;
    json.beginObject();
    json.key("hand").value(read.hand);
    json.key("conditions");
    writeConditions(json, read.conditions);
    json.endObject();
    return json.text();
}

std::string writeLink(std::string_view hand, const PageConditions& conditions)
{
    const ReadConditions read = readConditions(conditions);
    if (!read.error.empty())
        return errorObject(read.error);
    JsonWriter json;
    json.beginObject().key("link").value(hand::writeHandLink(hand, read.conditions)).endObject();
    return json.text();
}

std::string editHand(std::string_view text, std::string_view mode, std::string_view tile,
                     int remove)
{
    hand::ParsedHand typed = hand::readTypedHand(text);
    hand::Edit edit{typed.hand, typed.error};
    if (typed.error.empty()) {
        if (remove >= 0) {
            edit = hand::removeTile(typed.hand, remove);
        } else {
            const std::optional<hand::EntryMode> entry = entryMode(mode);
            const std::optional<int> face = paletteTile(tile);
            if (entry && face)
                edit = hand::addTile(typed.hand, *entry, *face);
        }
    }
    JsonWriter json;
    json.beginObject();
    json.key("hand").value(typed.error.empty() ? hand::writeHand(edit.hand) : std::string(text));
    if (!edit.error.empty())
        json.key("error").value(edit.error);
    json.endObject();
    return json.text();
}

std::string palette(std::string_view text, std::string_view mode)
{
    const hand::ParsedHand typed = hand::readTypedHand(text);
    const hand::EntryMode entry = entryMode(mode).value_or(hand::EntryMode::Tile);
    std::array<bool, hand::paletteSize> addable{};
    if (typed.error.empty())
        addable = hand::addableTiles(typed.hand, entry);
    JsonWriter json;
    json.beginArray();
    for (int tile = 0; tile < hand::paletteSize; ++tile) {
        json.beginObject();
        json.key("tile").value(hand::paletteText(tile));
        json.key("image").value(hand::paletteImage(tile));
        json.key("name").value(hand::spokenPaletteTile(tile));
        json.key("addable").value(addable[tile]);
        json.endObject();
    }
    json.endArray();
    return json.text();
}

std::string pictures(std::string_view text, const PageConditions& conditions)
{
    const ReadConditions read = readConditions(conditions);
    if (!read.error.empty())
        return errorObject(read.error);
    const hand::HandView view = viewOf(text, read.conditions);
    const hand::ParsedHand typed = hand::readTypedHand(text);
    const bool finished = view.state == hand::HandState::Finished;
    JsonWriter json;
    writePictures(json, hand::entryPictures(typed.hand, finished ? &view.scored.reading : nullptr));
    return json.text();
}

std::string handView(std::string_view text, const PageConditions& conditions)
{
    const ReadConditions read = readConditions(conditions);
    if (!read.error.empty())
        return errorObject(read.error);
    const hand::HandView view = viewOf(text, read.conditions);
    JsonWriter json;
    json.beginObject();
    json.key("state").value(stateName(view.state));
    json.key("lines").value(hand::resultLines(view, !conditions.limit.empty()));
    json.key("conditions");
    writeConditions(json, view.conditions);
    if (view.state == hand::HandState::Finished)
        writeScore(json, view.scored);
    if (view.state == hand::HandState::Waiting) {
        json.key("waits").beginArray();
        for (const hand::Wait& wait : view.waits.waits) {
            json.beginObject();
            json.key("tile").value(hand::faceText(wait.face));
            json.key("image").value(hand::faceImage(wait.face));
            json.key("name").value(hand::waitName(wait));
            json.key("details").value(hand::waitDetails(wait));
            json.key("short").value(hand::shortWorth(wait.discard));
            json.key("shortSelfDrawn").value(hand::shortWorth(wait.selfDrawn));
            json.key("discard");
            writeWorth(json, wait.discard);
            json.key("selfDrawn");
            writeWorth(json, wait.selfDrawn);
            json.endObject();
        }
        json.endArray();
    }
    json.endObject();
    return json.text();
}

std::uint64_t seedFromNumber(double seed)
{
    const double largest = static_cast<double>(hand::maxSeed);
    if (!(seed >= 0 && seed <= largest) || seed != std::floor(seed))
        return hand::maxSeed + 1;
    return static_cast<std::uint64_t>(seed);
}

std::string practice(std::uint64_t seed, int level, std::int32_t limit)
{
    const Dealt dealt = dealFor(seed, level, limit);
    if (!dealt.error.empty())
        return errorObject(dealt.error);
    const hand::HandResult scored = hand::scoreHand(dealt.deal.hand, dealt.conditions);
    JsonWriter json;
    json.beginObject();
    json.key("seed").value(static_cast<std::int64_t>(dealt.deal.seed));
    json.key("level").value(level);
    json.key("hand").value(hand::writeHand(dealt.deal.hand));
    json.key("situation").value(hand::situationText(dealt.conditions));
    json.key("conditions");
    writeConditions(json, dealt.conditions);
    json.key("pictures");
    writePictures(json, hand::handPictures(dealt.deal.hand, &scored.reading));
    writeScore(json, scored);
    json.endObject();
    return json.text();
}

std::string judge(std::uint64_t seed, int level, std::int32_t limit, std::string_view count,
                  std::string_view fans)
{
    const Dealt dealt = dealFor(seed, level, limit);
    if (!dealt.error.empty())
        return errorObject(dealt.error);
    const hand::Verdict verdict =
        hand::judgeAnswer(hand::scoreHand(dealt.deal.hand, dealt.conditions), count, fans);
    JsonWriter json;
    json.beginObject();
    json.key("refused").value(verdict.refused);
    json.key("right").value(verdict.right);
    json.key("lines").value(verdict.lines);
    json.endObject();
    return json.text();
}

} // namespace webengine

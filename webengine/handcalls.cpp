// Hands for the web page: entering one, what the hand window says of it, a hand in a link and
// practice.

#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "deal.h"
#include "engineapi.h"
#include "fanrules.h"
#include "handediting.h"
#include "handlink.h"
#include "handpictures.h"
#include "handview.h"
#include "notation.h"
#include "pagejson.h"
#include "practicejudge.h"
#include "situation.h"
#include "tilenames.h"

namespace webengine {
namespace {

Value conditionsValue(const hand::Conditions& conditions)
{
    return Value::object()
        .set("seat", std::string(1, hand::windName(conditions.seat)[0]))
        .set("round", std::string(1, hand::windName(conditions.round)[0]))
        .set("limit", conditions.tablelimit)
        .set("self", conditions.selfDrawn)
        .set("last", conditions.lastTile)
        .set("supplement", conditions.supplement)
        .set("robbing", conditions.robbingKong)
        .set("nofa", conditions.noFaTable);
}

Value picturesValue(const TilePictureGroups& groups)
{
    Value pictures = Value::array();
    for (std::size_t group = 0; group < groups.size(); ++group) {
        for (const TilePicture& picture : groups[group]) {
            Value each = Value::object();
            each.set("image", picture.image)
                .set("selected", picture.selected)
                .set("name", phraseValue(picture.name))
                .set("group", int(group));
            if (!picture.toolTip.empty())
                each.set("toolTip", phraseValue(picture.toolTip));
            pictures.append(std::move(each));
        }
    }
    return pictures;
}

// A count past the 32-bit range has no number: null.
Value figure(bool overflow, std::int64_t number)
{
    return overflow ? Value() : Value(number);
}

Value worthValue(const hand::Worth& worth)
{
    return Value::object()
        .set("count", figure(worth.overflow, worth.count))
        .set("value", figure(worth.overflow, worth.value))
        .set("fans", worth.fans)
        .set("maximum", worth.maximum)
        .set("overflow", worth.overflow);
}

// A scored hand's figures, what it ticks on the sheet and selects on the board, and the working.
void setScore(Value& object, const hand::HandResult& scored)
{
    std::vector<int> boxes;
    for (int n = 1; n <= lastBox; ++n) {
        if (isSheetBox(n) && scored.boxes[n] == 1)
            boxes.push_back(n);
    }
    std::vector<int> fanTiles;
    for (int picture = 1; picture <= tileCount; ++picture) {
        if (scored.fanTiles[picture - 1])
            fanTiles.push_back(picture);
    }
    object.set("count", figure(scored.overflow, scored.count))
        .set("value", figure(scored.overflow, scored.value))
        .set("fans", scored.fans)
        .set("maximum", scored.maximum)
        .set("overflow", scored.overflow)
        .set("boxes", numbersValue(boxes))
        .set("flowers", scored.flowers)
        .set("fanTiles", numbersValue(fanTiles))
        .set("fanBoxes", numbersValue(fanBoxesToClear(scored.fanBoxes)))
        .set("working", Value::object()
                            .set("count", phrasesValue(scored.countWorking))
                            .set("value", phrasesValue(scored.valueWorking))
                            .set("fans", phrasesValue(scored.fanWorking)));
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

ReadConditions readConditions(const PageConditions& page)
{
    ReadConditions read;
    hand::Conditions& conditions = read.conditions;
    if (page.seat) {
        const auto wind = hand::readWindName(*page.seat);
        if (!wind)
            return {conditions, hand::badSeatWind(*page.seat)};
        conditions.seat = *wind;
    }
    if (page.round) {
        const auto wind = hand::readWindName(*page.round);
        if (!wind)
            return {conditions, hand::badRoundWind(*page.round)};
        conditions.round = *wind;
    }
    if (page.limit) {
        const auto limit = hand::readTableLimit(*page.limit);
        if (!limit)
            return {conditions, hand::badTableLimit(*page.limit)};
        conditions.tablelimit = *limit;
    }
    conditions.selfDrawn = (page.switches & SelfDrawn) != 0;
    conditions.lastTile = (page.switches & LastTile) != 0;
    conditions.supplement = (page.switches & Supplement) != 0;
    conditions.robbingKong = (page.switches & RobbingKong) != 0;
    conditions.noFaTable = (page.switches & NoFaTable) != 0;
    return read;
}

std::string readLink(std::string_view link)
{
    const hand::HandLink read = hand::readHandLink(link);
    if (!read.error.empty())
        return errorValue(read.error).compact();
    return Value::object()
        .set("hand", read.hand)
        .set("conditions", conditionsValue(read.conditions))
        .compact();
}

std::string writeLink(std::string_view hand, const PageConditions& conditions)
{
    const ReadConditions read = readConditions(conditions);
    if (!read.error.empty())
        return errorValue(read.error).compact();
    return Value::object().set("link", hand::writeHandLink(hand, read.conditions)).compact();
}

std::string editHand(std::string_view text, std::string_view mode, std::string_view tile,
                     int remove)
{
    const hand::ParsedHand typed = hand::readTypedHand(text);
    Value object = Value::object();
    if (!typed.error.empty()) {
        // Typed text that does not read stays as typed; the clicks wait for it to read.
        object.set("hand", std::string(text)).set("error", phraseValue(typed.error));
        return object.compact();
    }
    hand::Edit edit{typed.hand, {}};
    if (remove >= 0) {
        edit = hand::removeTile(typed.hand, remove);
    } else {
        const std::optional<hand::EntryMode> entry = entryMode(mode);
        const std::optional<int> face = hand::paletteTileOf(tile);
        if (entry && face)
            edit = hand::addTile(typed.hand, *entry, *face);
    }
    object.set("hand", hand::writeHand(edit.hand));
    if (!edit.error.empty())
        object.set("error", phraseValue(edit.error));
    return object.compact();
}

std::string palette(std::string_view text, std::string_view mode)
{
    const hand::ParsedHand typed = hand::readTypedHand(text);
    const hand::EntryMode entry = entryMode(mode).value_or(hand::EntryMode::Tile);
    std::array<bool, hand::paletteSize> addable{};
    if (typed.error.empty())
        addable = hand::addableTiles(typed.hand, entry);
    Value tiles = Value::array();
    for (int tile = 0; tile < hand::paletteSize; ++tile)
        tiles.append(Value::object()
                         .set("tile", hand::paletteText(tile))
                         .set("image", hand::paletteImage(tile))
                         .set("name", phraseValue(hand::spokenPaletteTile(tile)))
                         .set("addable", addable[tile]));
    return tiles.compact();
}

std::string pictures(std::string_view text, const PageConditions& conditions)
{
    const ReadConditions read = readConditions(conditions);
    if (!read.error.empty())
        return errorValue(read.error).compact();
    const hand::HandView view = viewOf(text, read.conditions);
    const bool finished = view.state == hand::HandState::Finished;
    return picturesValue(hand::entryPictures(hand::readTypedHand(text).hand,
                                             finished ? &view.scored.reading : nullptr))
        .compact();
}

std::string handView(std::string_view text, const PageConditions& conditions)
{
    const ReadConditions read = readConditions(conditions);
    if (!read.error.empty())
        return errorValue(read.error).compact();
    const hand::HandView view = viewOf(text, read.conditions);
    Value object = Value::object();
    object.set("state", stateName(view.state))
        .set("lines", phrasesValue(hand::resultLines(view, conditions.limit.has_value())))
        .set("conditions", conditionsValue(view.conditions));
    if (view.state == hand::HandState::Finished)
        setScore(object, view.scored);
    if (view.state == hand::HandState::Waiting) {
        Value waits = Value::array();
        for (const hand::Wait& wait : view.waits.waits)
            waits.append(Value::object()
                             .set("tile", hand::faceText(wait.face))
                             .set("image", hand::faceImage(wait.face))
                             .set("name", phraseValue(hand::waitName(wait)))
                             .set("details", phraseValue(hand::waitDetails(wait)))
                             .set("short", phraseValue(hand::shortWorth(wait.discard)))
                             .set("shortSelfDrawn", phraseValue(hand::shortWorth(wait.selfDrawn)))
                             .set("discard", worthValue(wait.discard))
                             .set("selfDrawn", worthValue(wait.selfDrawn)));
        object.set("waits", std::move(waits));
    }
    return object.compact();
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
        return errorValue(dealt.error).compact();
    const hand::HandResult scored = hand::scoreHand(dealt.deal.hand, dealt.conditions);
    Value object = Value::object();
    object.set("seed", static_cast<std::int64_t>(dealt.deal.seed))
        .set("level", level)
        .set("hand", hand::writeHand(dealt.deal.hand))
        .set("situation", phraseValue(hand::situationText(dealt.conditions)))
        .set("conditions", conditionsValue(dealt.conditions))
        .set("pictures", picturesValue(hand::handPictures(dealt.deal.hand, &scored.reading)));
    setScore(object, scored);
    return object.compact();
}

std::string judge(std::uint64_t seed, int level, std::int32_t limit, std::string_view count,
                  std::string_view fans)
{
    const Dealt dealt = dealFor(seed, level, limit);
    if (!dealt.error.empty())
        return errorValue(dealt.error).compact();
    const hand::Verdict verdict =
        hand::judgeAnswer(hand::scoreHand(dealt.deal.hand, dealt.conditions), count, fans);
    return Value::object()
        .set("refused", verdict.refused)
        .set("right", verdict.right)
        .set("lines", phrasesValue(verdict.lines))
        .compact();
}

} // namespace webengine

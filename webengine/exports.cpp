// The module's exports: C functions over the engine's calls, which engine.js wraps. Each
// answer stays valid until the next call.

#include <optional>
#include <string>
#include <string_view>

#include <emscripten.h>

#include "engineapi.h"

namespace {

std::string answer;

// A value a page did not give comes as a null pointer.
std::optional<std::string_view> given(const char* text)
{
    return text ? std::optional<std::string_view>(text) : std::nullopt;
}

webengine::PageConditions conditions(const char* seat, const char* round, const char* limit,
                                     int switches)
{
    return {given(seat), given(round), given(limit), switches};
}

const char* give(std::string text)
{
    answer = std::move(text);
    return answer.c_str();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* zorvan_score_json(const char* hand, const char* seat,
                                                   const char* round, const char* limit,
                                                   int switches)
{
    return give(webengine::scoreJson(hand, conditions(seat, round, limit, switches)));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_waits_json(const char* hand, const char* seat,
                                                   const char* round, const char* limit,
                                                   int switches)
{
    return give(webengine::waitsJson(hand, conditions(seat, round, limit, switches)));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_discards_json(const char* hand, const char* seat,
                                                      const char* round, const char* limit,
                                                      int switches)
{
    return give(webengine::discardsJson(hand, conditions(seat, round, limit, switches)));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_deal_json(const char* level, const char* seed,
                                                  const char* limit)
{
    return give(webengine::dealJson(level, seed, given(limit)));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_sheet(const char* boxes, int flowers, int tablelimit)
{
    return give(webengine::sheet(boxes, flowers, tablelimit));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_table_limit_typed(const char* text)
{
    return give(webengine::tableLimitTyped(text));
}

EMSCRIPTEN_KEEPALIVE int zorvan_flowers_step(int current, int up)
{
    return webengine::flowersStep(current, up != 0);
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_clear_sheet(const char* boxes, int flowers, int tablelimit,
                                                    int all)
{
    return give(webengine::clearSheet(boxes, flowers, tablelimit, all != 0));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_sheet_hint(int button)
{
    return give(webengine::sheetHint(button));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_sheet_fill(const char* fromBoxes, int fromFlowers,
                                                   const char* toBoxes, int toFlowers)
{
    return give(webengine::sheetFill(fromBoxes, fromFlowers, toBoxes, toFlowers));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_fan_tile_click(const char* selected, int tile)
{
    return give(webengine::fanTileClick(selected, tile));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_fans(const char* tiles, const char* boxes)
{
    return give(webengine::fans(tiles, boxes));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_fan_box_click(int check, int ticked)
{
    return give(webengine::fanBoxClick(check, ticked != 0));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_clear_fans(const char* boxes)
{
    return give(webengine::clearFans(boxes));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_fan_hint()
{
    return give(webengine::fanHint());
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_messages()
{
    return give(webengine::messages());
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_layout()
{
    return give(webengine::layout());
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_read_link(const char* link)
{
    return give(webengine::readLink(link));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_write_link(const char* hand, const char* seat,
                                                   const char* round, const char* limit,
                                                   int switches)
{
    return give(webengine::writeLink(hand, conditions(seat, round, limit, switches)));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_edit_hand(const char* hand, const char* mode,
                                                  const char* tile, int remove)
{
    return give(webengine::editHand(hand, mode, tile, remove));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_palette(const char* hand, const char* mode)
{
    return give(webengine::palette(hand, mode));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_pictures(const char* hand, const char* seat,
                                                 const char* round, const char* limit, int switches)
{
    return give(webengine::pictures(hand, conditions(seat, round, limit, switches)));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_hand_view(const char* hand, const char* seat,
                                                  const char* round, const char* limit,
                                                  int switches)
{
    return give(webengine::handView(hand, conditions(seat, round, limit, switches)));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_practice(double seed, int level, int limit)
{
    return give(webengine::practice(webengine::seedFromNumber(seed), level, limit));
}

EMSCRIPTEN_KEEPALIVE const char* zorvan_judge(double seed, int level, int limit, const char* count,
                                              const char* fans)
{
    return give(webengine::judge(webengine::seedFromNumber(seed), level, limit, count, fans));
}

} // extern "C"

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "writers.h"

namespace report::detail {

namespace {

json::Value worthJson(const hand::Worth& worth)
{
    const auto figure = [&worth](std::int64_t number) {
        return worth.overflow ? json::Value() : json::Value(number);
    };
    return json::Value::object()
        .set("count", figure(worth.count))
        .set("value", figure(worth.value))
        .set("fans", worth.fans)
        .set("maximum", worth.maximum)
        .set("overflow", worth.overflow);
}

// Best first: the higher value on a discard, then self-picked, then the counts the same way;
// an overflowing count beats every other. Equal wins keep the tile order.
std::vector<hand::Wait> bestFirst(std::vector<hand::Wait> waits)
{
    const auto rank = [](const hand::Wait& wait) {
        const auto value = [](const hand::Worth& w) { return w.overflow ? 0 : w.value; };
        const auto count = [](const hand::Worth& w) { return w.overflow ? 0 : w.count; };
        return std::tuple(wait.discard.overflow, value(wait.discard), wait.selfDrawn.overflow,
                          value(wait.selfDrawn), count(wait.discard), count(wait.selfDrawn));
    };
    std::stable_sort(waits.begin(), waits.end(), [&rank](const hand::Wait& a, const hand::Wait& b) {
        return rank(a) > rank(b);
    });
    return waits;
}

} // namespace

std::string worthText(const hand::Worth& worth)
{
    const std::string fans =
        "fans " + std::to_string(worth.fans) + (worth.maximum ? " (maximum)" : "");
    if (worth.overflow)
        return "count overflows, " + fans;
    return "count " + std::to_string(worth.count) + ", value " + std::to_string(worth.value) +
           ", " + fans;
}

std::string waitsText(const hand::WaitsResult& result)
{
    if (!result.ready())
        return "not ready\n";
    struct Line {
        std::string tile, name, discard, selfDrawn;
    };
    std::vector<Line> lines;
    std::size_t nameWidth = 0;
    std::size_t discardWidth = 0;
    for (const hand::Wait& wait : bestFirst(result.waits)) {
        Line line{hand::faceText(wait.face), english(hand::spokenFace(wait.face)),
                  "on a discard: " + worthText(wait.discard),
                  "self-picked: " + worthText(wait.selfDrawn)};
        nameWidth = std::max(nameWidth, line.name.size());
        discardWidth = std::max(discardWidth, line.discard.size());
        lines.push_back(line);
    }
    std::string text;
    for (const Line& line : lines) {
        text += padded(line.tile, 2) + "  " + padded(line.name, nameWidth) + "  " +
                padded(line.discard, discardWidth) + "  " + line.selfDrawn + '\n';
    }
    return text;
}

json::Value waitJson(const hand::Wait& wait)
{
    return json::Value::object()
        .set("tile", hand::faceText(wait.face))
        .set("discard", worthJson(wait.discard))
        .set("selfDrawn", worthJson(wait.selfDrawn));
}

json::Value waitsJson(const hand::WaitsResult& result)
{
    json::Value waits = json::Value::array();
    for (const hand::Wait& wait : result.waits)
        waits.append(waitJson(wait));
    return json::Value::object().set("ready", result.ready()).set("waits", std::move(waits));
}

} // namespace report::detail

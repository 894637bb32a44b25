#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The engine for the web: each call takes plain values and answers with one line of JSON,
// which engine.js hands on as objects (engine.d.ts describes them). Plain C++, so that the
// native tests call exactly what the module exports. Lists of numbers come as text, the
// numbers separated by commas ("2,17,54"); what is not a number there is passed over.
namespace webengine {

std::vector<int> numberList(std::string_view text);

// The calculator's sheet.
std::string sheet(std::string_view boxes, std::int32_t flowers, std::int32_t tablelimit);
std::string tableLimitTyped(std::string_view text);
std::int32_t flowersStep(std::int32_t current, bool up);
std::string clearSheet(std::string_view boxes, std::int32_t flowers, std::int32_t tablelimit,
                       bool all);
std::string sheetHint(int button);

// The fan counter.
std::string fanTileClick(std::string_view selected, int tile);
std::string fans(std::string_view tiles, std::string_view boxes);
std::string fanBoxClick(int check, bool ticked);
std::string clearFans(std::string_view boxes);
std::string fanHint();

// The messages that follow from events rather than from one call: a recount that overflows
// after a click, or after a typed table limit.
std::string messages();

// The rows of the sheet and the fan counter's board, as the windows lay themselves out.
std::string layout();

} // namespace webengine

#pragma once

#include <string>
#include <vector>

#include "json.h"
#include "message.h"
#include "phrase.h"

// The JSON of the engine's calls for the web, in the report's own writer.
namespace webengine {

using report::json::Value;

// A phrase as the page fills it in the player's language: {"context", "pattern", "args"} for
// a text to translate (no "args" where it has none), {"plain"} for plain text, {"list": true,
// "args"} for items joined with ", ".
Value phraseValue(const Phrase& phrase);
Value phrasesValue(const std::vector<Phrase>& phrases);
Value numbersValue(const std::vector<int>& numbers);

// "message" and "icon" in `object`, where there is a message.
void setMessage(Value& object, const Message& message);

// {"error": phrase}: why a call cannot be answered.
Value errorValue(const Phrase& error);

} // namespace webengine

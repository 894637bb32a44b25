#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "phrase.h"

// Compact JSON, written as it goes: one line, keys in the order they are written. Strings are
// UTF-8; quotes, backslashes and control characters are escaped.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(int number) { return value(std::int64_t(number)); }
    JsonWriter& value(bool flag);
    JsonWriter& null();
    // A phrase as an object the page fills in the player's language: {"context", "pattern",
    // "args"} for a text to translate, {"plain"} for plain text, {"list": true, "args"} for
    // items joined with ", ".
    JsonWriter& value(const Phrase& phrase);
    JsonWriter& value(const std::vector<Phrase>& phrases);
    JsonWriter& value(const std::vector<int>& numbers);

    const std::string& text() const { return m_text; }

private:
    void separate();

    std::string m_text;
    bool m_first = true; // nothing written yet in the open object or array
};

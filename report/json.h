#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A small JSON writer that writes what Qt's compact JSON writes for the same values, so that
// zorvan-hand's answers stay byte for byte what they were: an object's keys sorted by their
// bytes, strings escaped as Qt escapes them, integers in plain decimal, all on one line.
namespace report::json {

class Value {
public:
    Value() = default; // null
    Value(bool value);
    Value(int value);
    Value(std::int64_t value);
    Value(std::string value);
    Value(const char* value);

    static Value array();
    static Value object();

    // An array's next item.
    Value& append(Value item);
    // An object's member: put in key order, or in the place of the member of that key.
    Value& set(std::string_view key, Value value);

    // The value on one line, without a line feed.
    std::string compact() const;

private:
    enum class Type { Null, Bool, Integer, String, Array, Object };
    void write(std::string& out) const;

    Type m_type = Type::Null;
    bool m_bool = false;
    std::int64_t m_integer = 0;
    std::string m_string;
    std::vector<std::string> m_keys; // an object's keys, sorted
    std::vector<Value> m_items;      // an array's items; an object's values, in key order
};

// The text between a JSON string's quotes. The text is UTF-8, in which a lone UTF-16
// surrogate may stand as its three bytes (ED A0..BF xx): Qt writes one as \uXXXX, and so does
// this. Quotes, backslashes and the controls below U+0020 are escaped; all else is copied.
std::string escaped(std::string_view text);

} // namespace report::json

#include "json.h"

#include <algorithm>
#include <utility>

namespace report::json {

namespace {

constexpr char hexDigit(unsigned value)
{
    return "0123456789abcdef"[value & 0xf];
}

void escapeTo(std::string& out, unsigned codeUnit)
{
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += hexDigit(codeUnit >> shift);
}

} // namespace

Value::Value(bool value) : m_type(Type::Bool), m_bool(value) {}

Value::Value(int value) : m_type(Type::Integer), m_integer(value) {}

Value::Value(std::int64_t value) : m_type(Type::Integer), m_integer(value) {}

Value::Value(std::string value) : m_type(Type::String), m_string(std::move(value)) {}

Value::Value(const char* value) : m_type(Type::String), m_string(value) {}

Value Value::array()
{
    Value made;
    made.m_type = Type::Array;
    return made;
}

Value Value::object()
{
    Value made;
    made.m_type = Type::Object;
    return made;
}

Value& Value::append(Value item)
{
    m_items.push_back(std::move(item));
    return *this;
}

Value& Value::set(std::string_view key, Value value)
{
    const auto place = std::lower_bound(m_keys.begin(), m_keys.end(), key);
    const auto index = place - m_keys.begin();
    if (place != m_keys.end() && *place == key) {
        m_items[index] = std::move(value);
    } else {
        m_keys.insert(place, std::string(key));
        m_items.insert(m_items.begin() + index, std::move(value));
    }
    return *this;
}

std::string Value::compact() const
{
    std::string out;
    write(out);
    return out;
}

void Value::write(std::string& out) const
{
    switch (m_type) {
    case Type::Null:
        out += "null";
        return;
    case Type::Bool:
        out += m_bool ? "true" : "false";
        return;
    case Type::Integer:
        out += std::to_string(m_integer);
        return;
    case Type::String:
        out += '"';
        out += escaped(m_string);
        out += '"';
        return;
    case Type::Array:
    case Type::Object:
        break;
    }
    const bool object = m_type == Type::Object;
    out += object ? '{' : '[';
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (i != 0)
            out += ',';
        if (object) {
            out += '"';
            out += escaped(m_keys[i]);
            out += "\":";
        }
        m_items[i].write(out);
    }
    out += object ? '}' : ']';
}

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        switch (byte) {
        case '"':
            out += "\\\"";
            continue;
        case '\\':
            out += "\\\\";
            continue;
        case '\b':
            out += "\\b";
            continue;
        case '\f':
            out += "\\f";
            continue;
        case '\n':
            out += "\\n";
            continue;
        case '\r':
            out += "\\r";
            continue;
        case '\t':
            out += "\\t";
            continue;
        default:
            break;
        }
        if (byte < 0x20) {
            escapeTo(out, byte);
        } else if (byte == 0xed && i + 2 < text.size() &&
                   (static_cast<unsigned char>(text[i + 1]) & 0xe0) == 0xa0) {
            // A surrogate's three bytes: 1110 1101, 101x xxxx, 10xx xxxx.
            const unsigned high = static_cast<unsigned char>(text[i + 1]) & 0x3f;
            const unsigned low = static_cast<unsigned char>(text[i + 2]) & 0x3f;
            escapeTo(out, 0xd000 | (high << 6) | low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace report::json

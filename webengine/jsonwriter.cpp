#include "jsonwriter.h"

void JsonWriter::separate()
{
    if (!m_first)
        m_text += ',';
    m_first = false;
}

JsonWriter& JsonWriter::beginObject()
{
    separate();
    m_text += '{';
    m_first = true;
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    m_text += '}';
    m_first = false;
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    separate();
    m_text += '[';
    m_first = true;
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    m_text += ']';
    m_first = false;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    value(name);
    m_text += ':';
    m_first = true; // the value that follows takes no comma
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text)
{
    separate();
    m_text += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            m_text += "\\\"";
            break;
        case '\\':
            m_text += "\\\\";
            break;
        case '\n':
            m_text += "\\n";
            break;
        case '\r':
            m_text += "\\r";
            break;
        case '\t':
            m_text += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char hex[] = "0123456789abcdef";
                m_text += "\\u00";
                m_text += hex[(c >> 4) & 0xf];
                m_text += hex[c & 0xf];
            } else {
                m_text += c;
            }
        }
    }
    m_text += '"';
    return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number)
{
    separate();
    m_text += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    separate();
    m_text += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null()
{
    separate();
    m_text += "null";
    return *this;
}

JsonWriter& JsonWriter::value(const Phrase& phrase)
{
    beginObject();
    if (phrase.list) {
        key("list").value(true);
        key("args").value(phrase.args);
    } else if (phrase.pattern == nullptr) {
        key("plain").value(phrase.plain);
    } else {
        key("context").value(phrase.context ? phrase.context : "");
        key("pattern").value(phrase.pattern);
        if (!phrase.args.empty())
            key("args").value(phrase.args);
    }
    return endObject();
}

JsonWriter& JsonWriter::value(const std::vector<Phrase>& phrases)
{
    beginArray();
    for (const Phrase& phrase : phrases)
        value(phrase);
    return endArray();
}

JsonWriter& JsonWriter::value(const std::vector<int>& numbers)
{
    beginArray();
    for (const int number : numbers)
        value(number);
    return endArray();
}

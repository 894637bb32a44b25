#include "phrase.h"

#include <utility>

Phrase phrase(const char* context, const char* pattern, std::vector<Phrase> args)
{
    Phrase made;
    made.context = context;
    made.pattern = pattern;
    made.args = std::move(args);
    return made;
}

Phrase plainText(std::string text)
{
    Phrase made;
    made.plain = std::move(text);
    return made;
}

Phrase plainNumber(long long number)
{
    return plainText(std::to_string(number));
}

Phrase phraseList(std::vector<Phrase> items)
{
    Phrase made;
    made.args = std::move(items);
    made.list = true;
    return made;
}

std::string fillPattern(const std::string& pattern, const std::vector<std::string>& args)
{
    std::string filled;
    filled.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t index = std::size_t(pattern[i + 1] - '1');
            if (index < args.size()) {
                filled += args[index];
                ++i;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

std::string english(const Phrase& phrase)
{
    if (phrase.list) {
        std::string joined;
        for (const Phrase& item : phrase.args) {
            if (!joined.empty())
                joined += ", ";
            joined += english(item);
        }
        return joined;
    }
    if (phrase.pattern == nullptr)
        return phrase.plain;
    return fillPattern(phrase.pattern, english(phrase.args));
}

std::vector<std::string> english(const std::vector<Phrase>& phrases)
{
    std::vector<std::string> lines;
    lines.reserve(phrases.size());
    for (const Phrase& phrase : phrases)
        lines.push_back(english(phrase));
    return lines;
}

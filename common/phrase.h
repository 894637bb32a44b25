#pragma once

#include <initializer_list>
#include <string>
#include <vector>

// Marks a text for Qt's lupdate where Qt is not included; the text itself is left as it is.
// (Qt's own definition is the same, so either may come first.)
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// A text for people, kept apart from what fills it so that every language writes it whole:
// an English pattern with %1, %2 ... marked for translation in its context, and one argument
// per placeholder. An argument is plain text (a number, tile notation) or a phrase of its own
// (a row caption, a wind). A list joins phrases with ", ". The windows show a phrase in the
// player's language; the command line and the tests read it in English.
struct Phrase {
    const char* context = nullptr; // nullptr: plain text, or a list
    const char* pattern = nullptr;
    std::vector<Phrase> args; // the placeholders' fillings; a list's items
    std::string plain;
    bool list = false;

    // Nothing to say: the empty phrase, as an error that is not there.
    bool empty() const { return pattern == nullptr && plain.empty() && args.empty(); }
};

// A phrase of `pattern` in `context`, its placeholders filled in order.
Phrase phrase(const char* context, const char* pattern, std::vector<Phrase> args = {});
// Plain text that no language changes.
Phrase plainText(std::string text);
Phrase plainNumber(long long number);
// The items joined with ", ".
Phrase phraseList(std::vector<Phrase> items);

// The phrase in English, as the patterns stand.
std::string english(const Phrase& phrase);
std::vector<std::string> english(const std::vector<Phrase>& phrases);

// Puts the arguments into a pattern in one pass: %1 to %9 each take their argument, a %
// followed by anything else stays as it is. An argument's own text is never read again.
std::string fillPattern(const std::string& pattern, const std::vector<std::string>& args);

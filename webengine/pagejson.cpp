#include "pagejson.h"

namespace webengine {

Value phraseValue(const Phrase& phrase)
{
    Value value = Value::object();
    if (phrase.list) {
        value.set("list", true);
        value.set("args", phrasesValue(phrase.args));
    } else if (phrase.pattern == nullptr) {
        value.set("plain", phrase.plain);
    } else {
        value.set("context", phrase.context ? phrase.context : "");
        value.set("pattern", phrase.pattern);
        if (!phrase.args.empty())
            value.set("args", phrasesValue(phrase.args));
    }
    return value;
}

Value phrasesValue(const std::vector<Phrase>& phrases)
{
    Value value = Value::array();
    for (const Phrase& phrase : phrases)
        value.append(phraseValue(phrase));
    return value;
}

Value numbersValue(const std::vector<int>& numbers)
{
    Value value = Value::array();
    for (const int number : numbers)
        value.append(number);
    return value;
}

void setMessage(Value& object, const Message& message)
{
    if (message.text.empty())
        return;
    object.set("message", phraseValue(message.text));
    object.set("icon", int(message.style));
}

Value errorValue(const Phrase& error)
{
    return Value::object().set("error", phraseValue(error));
}

} // namespace webengine

#include "practicejudge.h"

#include <charconv>
#include <utility>

#include "blanks.h"

namespace hand {

namespace {

Phrase say(const char* pattern, std::vector<Phrase> args = {})
{
    return phrase("PracticeWindow", pattern, std::move(args));
}

Phrase countLine(const HandResult& scored, bool right, long long typed)
{
    if (scored.overflow)
        return right ? say(QT_TRANSLATE_NOOP("PracticeWindow", "Right: the hand is worth more "
                                                               "than the calculator can count."))
                     : say(QT_TRANSLATE_NOOP("PracticeWindow",
                                             "Not quite: the hand is worth more than the "
                                             "calculator can count, not %1."),
                           {plainNumber(typed)});
    return right ? say(QT_TRANSLATE_NOOP("PracticeWindow", "Right: the hand is worth %1."),
                       {plainNumber(scored.count)})
                 : say(QT_TRANSLATE_NOOP("PracticeWindow",
                                         "Not quite: the hand is worth %1, not %2."),
                       {plainNumber(scored.count), plainNumber(typed)});
}

Phrase fansLine(const HandResult& scored, bool right, long long typed)
{
    const bool one = scored.fans == 1;
    if (right)
        return one ? say(QT_TRANSLATE_NOOP("PracticeWindow", "Right: 1 fan."))
                   : say(QT_TRANSLATE_NOOP("PracticeWindow", "Right: %1 fans."),
                         {plainNumber(scored.fans)});
    return one ? say(QT_TRANSLATE_NOOP("PracticeWindow", "Not quite: 1 fan, not %1."),
                     {plainNumber(typed)})
               : say(QT_TRANSLATE_NOOP("PracticeWindow", "Not quite: %1 fans, not %2."),
                     {plainNumber(scored.fans), plainNumber(typed)});
}

} // namespace

TypedNumber readTypedNumber(std::string_view text)
{
    text = trimBlanks(text);
    if (text.empty())
        return {};
    // from_chars takes a minus but no plus.
    std::string_view digits = text;
    if (digits.front() == '+' || digits.front() == '-')
        digits.remove_prefix(1);
    const bool allDigits =
        !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
    if (text.front() == '+')
        text.remove_prefix(1);
    long long value = 0;
    if (!allDigits ||
        std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc())
        return {TypedNumber::Kind::NotANumber, 0};
    return {TypedNumber::Kind::Number, value};
}

Verdict judgeAnswer(const HandResult& scored, std::string_view count, std::string_view fans)
{
    using Kind = TypedNumber::Kind;
    const TypedNumber typedCount = readTypedNumber(count);
    const TypedNumber typedFans = readTypedNumber(fans);
    Verdict verdict;
    const bool refuseCount = typedCount.kind == Kind::NotANumber ||
                             (typedCount.kind == Kind::Empty && typedFans.kind == Kind::Empty);
    const bool refuseFans = typedFans.kind == Kind::NotANumber;
    if (refuseCount || refuseFans) {
        verdict.refused = true;
        if (refuseCount)
            verdict.lines.push_back(
                say(QT_TRANSLATE_NOOP("PracticeWindow", "Type the count as a whole number.")));
        if (refuseFans)
            verdict.lines.push_back(
                say(QT_TRANSLATE_NOOP("PracticeWindow", "Type the fans as a whole number.")));
        return verdict;
    }
    const bool judgeCount = typedCount.kind == Kind::Number;
    const bool judgeFans = typedFans.kind == Kind::Number;
    const bool countRight = !scored.overflow && typedCount.value == scored.count;
    const bool fansRight = typedFans.value == scored.fans;
    verdict.right = (!judgeCount || countRight) && (!judgeFans || fansRight);
    if (judgeCount)
        verdict.lines.push_back(countLine(scored, countRight, typedCount.value));
    if (judgeFans)
        verdict.lines.push_back(fansLine(scored, fansRight, typedFans.value));
    return verdict;
}

void PracticeTally::settle(bool right)
{
    if (m_settled)
        return;
    m_settled = true;
    ++m_hands;
    if (right) {
        ++m_right;
        ++m_inARow;
    } else {
        m_inARow = 0;
    }
}

Phrase PracticeTally::text() const
{
    return say(QT_TRANSLATE_NOOP("PracticeWindow", "%1 of %2 right, %3 in a row"),
               {plainNumber(m_right), plainNumber(m_hands), plainNumber(m_inARow)});
}

} // namespace hand

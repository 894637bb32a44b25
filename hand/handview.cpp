#include "handview.h"

#include <array>
#include <utility>

namespace hand {

namespace {

// The hand window's own texts.
Phrase say(const char* pattern, std::vector<Phrase> args = {})
{
    return phrase("HandWindow", pattern, std::move(args));
}

Phrase wonOn(Phrase group, Face face)
{
    return say(QT_TRANSLATE_NOOP("HandWindow", "%1 (won on %2)"),
               {std::move(group), plainText(faceText(face))});
}

// "chow 123p concealed, pong [222m] exposed; pair 55s", which group the winning tile completed
// named with it.
Phrase readingLine(const HandResult& scored)
{
    // A set in words, by kind and whether it is exposed: "pong 222z exposed".
    static constexpr std::array<std::array<const char*, 2>, 3> setWords{{
        {QT_TRANSLATE_NOOP("HandWindow", "chow %1 exposed"),
         QT_TRANSLATE_NOOP("HandWindow", "chow %1 concealed")},
        {QT_TRANSLATE_NOOP("HandWindow", "pong %1 exposed"),
         QT_TRANSLATE_NOOP("HandWindow", "pong %1 concealed")},
        {QT_TRANSLATE_NOOP("HandWindow", "kong %1 exposed"),
         QT_TRANSLATE_NOOP("HandWindow", "kong %1 concealed")},
    }};
    const Reading& reading = scored.reading;
    std::vector<Phrase> sets;
    for (std::size_t i = 0; i < reading.sets.size(); ++i) {
        const ReadSet& set = reading.sets[i];
        std::string tiles = setText(set.kind, set.first);
        if (set.declared)
            tiles = set.open ? "[" + tiles + "]" : "(" + tiles + ")";
        Phrase text = say(setWords[static_cast<std::size_t>(set.kind)][set.open ? 0 : 1],
                          {plainText(std::move(tiles))});
        if (int(i) == reading.winningGroup)
            text = wonOn(std::move(text), *scored.hand.winning);
        sets.push_back(std::move(text));
    }
    Phrase pair = plainText(pairText(reading.pair));
    if (reading.winningGroup < 0)
        pair = wonOn(std::move(pair), reading.pair);
    if (scored.readings > 1)
        return say(QT_TRANSLATE_NOOP("HandWindow", "Read as %1; pair %2, the best of %3 readings"),
                   {phraseList(std::move(sets)), std::move(pair), plainNumber(scored.readings)});
    return say(QT_TRANSLATE_NOOP("HandWindow", "Read as %1; pair %2"),
               {phraseList(std::move(sets)), std::move(pair)});
}

Phrase worthLine(const HandResult& scored, const Conditions& conditions, bool limitEntered)
{
    if (scored.overflow)
        return scored.maximum
                   ? say(QT_TRANSLATE_NOOP(
                         "HandWindow",
                         "Your hand is worth more than the calculator can count, fans: maximum"))
                   : say(QT_TRANSLATE_NOOP(
                             "HandWindow",
                             "Your hand is worth more than the calculator can count, %1 fans"),
                         {plainNumber(scored.fans)});
    const Phrase limit = plainNumber(conditions.tablelimit);
    Phrase limitNote =
        limitEntered
            ? say(QT_TRANSLATE_NOOP("HandWindow", "table limit %1"), {limit})
            : say(QT_TRANSLATE_NOOP("HandWindow", "table limit %1: none entered in the calculator"),
                  {limit});
    if (scored.maximum)
        return say(QT_TRANSLATE_NOOP("HandWindow",
                                     "Your hand is worth %1, Zorvan! Points %2 (%3), fans: "
                                     "maximum"),
                   {plainNumber(scored.count), plainNumber(scored.value), std::move(limitNote)});
    return say(
        QT_TRANSLATE_NOOP("HandWindow", "Your hand is worth %1, Zorvan! Points %2 (%3), %4 fans"),
        {plainNumber(scored.count), plainNumber(scored.value), std::move(limitNote),
         plainNumber(scored.fans)});
}

// What a wait's tile wins, one way or the other; the fans are a noun phrase of their own.
Phrase worthDetail(bool selfDrawn, const Worth& worth)
{
    Phrase fans = worth.maximum
                      ? say(QT_TRANSLATE_NOOP("HandWindow", "maximum fans"))
                      : say(QT_TRANSLATE_NOOP("HandWindow", "%1 fans"), {plainNumber(worth.fans)});
    if (worth.overflow)
        return say(selfDrawn ? QT_TRANSLATE_NOOP("HandWindow", "Self-picked: worth more than the "
                                                               "calculator can count, %1")
                             : QT_TRANSLATE_NOOP("HandWindow", "On a discard: worth more than the "
                                                               "calculator can count, %1"),
                   {std::move(fans)});
    return say(
        selfDrawn
            ? QT_TRANSLATE_NOOP("HandWindow", "Self-picked: count %1, %2 Zorvan! Points, %3")
            : QT_TRANSLATE_NOOP("HandWindow", "On a discard: count %1, %2 Zorvan! Points, %3"),
        {plainNumber(worth.count), plainNumber(worth.value), std::move(fans)});
}

// A wait's value in a sentence.
Phrase sentenceWorth(const Worth& worth)
{
    return worth.overflow
               ? say(QT_TRANSLATE_NOOP("HandWindow", "more than the calculator can count"))
               : plainNumber(worth.value);
}

} // namespace

HandView viewHand(const Hand& hand, const Conditions& conditions)
{
    HandView view;
    view.conditions = conditions;
    if (hand == Hand{})
        return view;
    if (hand.winning || handSize(hand) > 13) {
        view.scored = scoreHand(hand, conditions);
        view.error = view.scored.error;
        view.state = view.error.empty() ? HandState::Finished : HandState::Refused;
        return view;
    }
    view.waits = findWaits(hand, conditions);
    view.error = view.waits.error;
    if (!view.error.empty())
        view.state = HandState::Refused;
    else
        view.state = view.waits.ready() ? HandState::Waiting : HandState::NotReady;
    return view;
}

HandView refusedView(Phrase error, const Conditions& conditions)
{
    HandView view;
    view.state = HandState::Refused;
    view.error = std::move(error);
    view.conditions = conditions;
    return view;
}

std::vector<Phrase> resultLines(const HandView& view, bool limitEntered)
{
    switch (view.state) {
    case HandState::Empty:
        return {say(QT_TRANSLATE_NOOP("HandWindow", "Click the tiles of your hand, or type them: "
                                                    "123m 456p 789s 1z [555z] +1z"))};
    case HandState::Refused:
        return {view.error};
    case HandState::NotReady:
        return {say(QT_TRANSLATE_NOOP("HandWindow", "not ready: no tile makes 4 sets and a pair"))};
    case HandState::Waiting:
        if (view.waits.waits.size() == 1)
            return {say(QT_TRANSLATE_NOOP("HandWindow",
                                          "Ready: 1 tile wins. Under each, its Zorvan! Points on a "
                                          "discard, then self-picked; click one to win on it."))};
        return {say(QT_TRANSLATE_NOOP("HandWindow",
                                      "Ready: %1 tiles win. Under each, its Zorvan! Points on a "
                                      "discard, then self-picked; click one to win on it."),
                    {plainNumber(static_cast<long long>(view.waits.waits.size()))})};
    case HandState::Finished:
        break;
    }
    return {readingLine(view.scored), worthLine(view.scored, view.conditions, limitEntered)};
}

Phrase waitName(const Wait& wait)
{
    return say(QT_TRANSLATE_NOOP("HandWindow", "%1 wins %2 on a discard, %3 self-picked"),
               {spokenFace(wait.face), sentenceWorth(wait.discard), sentenceWorth(wait.selfDrawn)});
}

Phrase waitDetails(const Wait& wait)
{
    return say(QT_TRANSLATE_NOOP("HandWindow", "%1\n%2\n%3\nA click makes it the winning tile."),
               {spokenFace(wait.face), worthDetail(false, wait.discard),
                worthDetail(true, wait.selfDrawn)});
}

Phrase shortWorth(const Worth& worth)
{
    return worth.overflow ? say(QT_TRANSLATE_NOOP("HandWindow", "overflow"))
                          : plainNumber(worth.value);
}

} // namespace hand

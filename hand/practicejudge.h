#pragma once

#include <string_view>
#include <vector>

#include "handengine.h"
#include "phrase.h"

// Judging a player's answer to a dealt hand, and the tally of hands while practice goes on:
// plain values and phrases, so that any front end judges alike.
namespace hand {

// One answer as typed: nothing, a whole number, or something else.
struct TypedNumber {
    enum class Kind { Empty, Number, NotANumber };
    Kind kind = Kind::Empty;
    long long value = 0;
};
// White space around the answer does not count; a sign may lead the digits.
TypedNumber readTypedNumber(std::string_view text);

struct Verdict {
    // Nothing judged: `lines` say what to type, and the hand is not settled.
    bool refused = false;
    // Every answer judged is right: the count (when typed) and the fans (when typed).
    bool right = false;
    // One sentence a judgement, right or wrong; or why the answer is refused.
    std::vector<Phrase> lines;
};

// The count and the fans as typed, against the hand as scored. The count is wanted unless the
// fans alone are typed; what is typed must be a whole number.
Verdict judgeAnswer(const HandResult& scored, std::string_view count, std::string_view fans);

// The hands counted while practice goes on. A hand is settled once, at the first judged answer,
// as right when every answer given was right; showing the answer before that settles it as
// given up: not right, and the run of right hands ends. A hand left for the next one with
// neither is not counted.
class PracticeTally {
public:
    // The next hand: nothing settled yet.
    void nextHand() { m_settled = false; }
    // The first call for a hand counts it; later ones leave the tally as it is.
    void settle(bool right);
    // Whether this hand's answer is out (given or shown).
    bool settled() const { return m_settled; }
    int hands() const { return m_hands; }
    int right() const { return m_right; }
    int inARow() const { return m_inARow; }
    // "3 of 4 right, 2 in a row".
    Phrase text() const;

private:
    bool m_settled = false;
    int m_hands = 0;
    int m_right = 0;
    int m_inARow = 0;
};

} // namespace hand

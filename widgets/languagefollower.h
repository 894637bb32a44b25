#pragma once

#include <functional>

class QEvent;

// How a window follows a change of the program's language: it writes its texts again in the new
// language and, when the new language's captions changed the design scale, places its controls
// again. What the window holds stays. Each window keeps one and hands it its change events.
class LanguageFollower {
public:
    // The scale the window stands at is the one in force now, when it is built.
    explicit LanguageFollower(std::function<void()> retranslate,
                              std::function<void()> rescale = {});

    // On a language change, `retranslate`, then `rescale` if the design scale is another than
    // the window stands at; both as one event handler, so that no error escapes. Any other
    // event is left alone.
    void follow(const QEvent& event);

private:
    std::function<void()> m_retranslate;
    std::function<void()> m_rescale;
    double m_scale;
};

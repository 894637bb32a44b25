#include "languagefollower.h"

#include <utility>

#include <QEvent>

#include "messages.h"
#include "twips.h"

LanguageFollower::LanguageFollower(std::function<void()> retranslate, std::function<void()> rescale)
    : m_retranslate(std::move(retranslate)), m_rescale(std::move(rescale)), m_scale(designScale())
{
}

void LanguageFollower::follow(const QEvent& event)
{
    if (event.type() != QEvent::LanguageChange)
        return;
    runEventHandler([this] {
        m_retranslate();
        if (m_scale == designScale())
            return;
        m_scale = designScale();
        if (m_rescale)
            m_rescale();
    });
}

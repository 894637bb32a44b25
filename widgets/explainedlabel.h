#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <QLabel>

#include "phrase.h"

// A result caption that explains itself: hovering shows how the figure was reached, and
// screen readers get the same text as the label's description. The explanation is worked
// out only when asked for, so the recount on every click stays as fast as it was.
class ExplainedLabel : public QLabel {
    Q_OBJECT

public:
    using Explainer = std::function<QString()>;

    ExplainedLabel(QWidget* parent, Explainer explainer);

    // Empty while the label shows nothing.
    QString explanation() const;

protected:
    bool event(QEvent* event) override;

private:
    Explainer m_explainer;
};

// One step a line, in the language the program speaks.
QString joinLines(const std::vector<Phrase>& lines);

// Workings as the result labels explain them: per figure its heading and a colon, then one
// step a line; a blank line between figures.
using WorkingSection = std::pair<QString, const std::vector<Phrase>*>;
QString workingSections(std::initializer_list<WorkingSection> sections);

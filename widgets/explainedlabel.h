#pragma once

#include <functional>

#include <QLabel>

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

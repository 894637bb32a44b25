#include "explainedlabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QToolTip>

#include "translated.h"

namespace {

class ExplainedLabelAccessible : public QAccessibleWidget {
public:
    explicit ExplainedLabelAccessible(ExplainedLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto* label = static_cast<const ExplainedLabel*>(widget());
        switch (t) {
        case QAccessible::Name:
            return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
        case QAccessible::Description:
            return label->explanation();
        case QAccessible::Value:
            return label->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* explainedLabelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ExplainedLabel") && object && object->isWidgetType())
        return new ExplainedLabelAccessible(static_cast<ExplainedLabel*>(object));
    return nullptr;
}

} // namespace

ExplainedLabel::ExplainedLabel(QWidget* parent, Explainer explainer)
    : QLabel(parent), m_explainer(std::move(explainer))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(explainedLabelFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

QString ExplainedLabel::explanation() const
{
    if (text().isEmpty() || !m_explainer)
        return {};
    try {
        return m_explainer();
    } catch (...) {
        return {};
    }
}

bool ExplainedLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const QString tip = explanation();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        return true;
    }
    return QLabel::event(event);
}

QString joinLines(const std::vector<Phrase>& lines)
{
    return translatedLines(lines);
}

QString workingSections(std::initializer_list<WorkingSection> sections)
{
    QStringList figures;
    for (const auto& [heading, steps] : sections)
        figures << heading + QLatin1Char(':') +
                       (steps->empty() ? QString() : QLatin1Char('\n') + joinLines(*steps));
    return figures.join(QStringLiteral("\n\n"));
}

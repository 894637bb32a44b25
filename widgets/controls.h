#pragma once

#include <vector>

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

#include "messages.h"
#include "twips.h"

// A label named `name`, its text shown as it stands, at its designed rectangle in twips.
inline QLabel* createLabel(QWidget* parent, const QString& name, const QString& text,
                           const QRect& twips)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    placeInTwips(label, twips);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A command button named `name`, at its designed rectangle in twips, whose clicks run
// `handler` as an event handler (no error escapes into the event loop).
template <class Handler>
QPushButton* createCommandButton(QWidget* parent, const QString& name, const QString& caption,
                                 const QRect& twips, Handler handler)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    placeInTwips(button, twips);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, parent,
                     [handler] { runEventHandler(handler); });
    return button;
}

// The same, named after its designer name, Command<number>.
template <class Handler>
QPushButton* createCommandButton(QWidget* parent, int number, const QString& caption,
                                 const QRect& twips, Handler handler)
{
    return createCommandButton(parent, QStringLiteral("Command%1").arg(number), caption, twips,
                               handler);
}

// Tab moves through `order` as listed.
inline void setTabChain(const std::vector<QWidget*>& order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

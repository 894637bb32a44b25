#include "messageboxcatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include "messages.h"

MessageBoxCatcher::MessageBoxCatcher()
{
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxCatcher::poll);
    m_timer.start();
}

QList<CaughtMessage> MessageBoxCatcher::take()
{
    return std::exchange(m_caught, {});
}

void MessageBoxCatcher::expect(const QStringList& texts, QMessageBox::Icon icon)
{
    const auto caught = take();
    QCOMPARE(caught.size(), texts.size());
    for (qsizetype i = 0; i < caught.size(); ++i) {
        QCOMPARE(caught[i].text, texts[i]);
        QCOMPARE(caught[i].icon, icon);
        QCOMPARE(caught[i].title, applicationTitle());
        QVERIFY(caught[i].okOnly);
        QVERIFY(caught[i].modal);
    }
}

void MessageBoxCatcher::expectNoneLeft()
{
    const auto unexpected = take();
    for (const auto& message : unexpected)
        qWarning() << "unchecked message box:" << message.text;
    QVERIFY(unexpected.isEmpty());
}

void MessageBoxCatcher::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    CaughtMessage message;
    message.text = box->text();
    message.title = box->windowTitle();
    message.icon = box->icon();
    message.modal = box->isModal();
    const auto buttons = box->buttons();
    for (QAbstractButton* button : buttons)
        message.buttons << button->text();
    message.okOnly = buttons.size() == 1 && box->standardButton(buttons.front()) == QMessageBox::Ok;
    m_caught << message;
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->reject();
}

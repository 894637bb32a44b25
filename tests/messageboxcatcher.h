#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

// What a message box showed before the catcher dismissed it.
struct CaughtMessage {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QString> buttons; // texts of the box's buttons
    bool okOnly = false;    // exactly one button, and it is OK
    bool modal = false;
};

// While it lives, every modal message box that opens is recorded and dismissed with its OK
// button, so that no test ever blocks on one. Tests take() what they expect and check it.
class MessageBoxCatcher : public QObject {
    Q_OBJECT

public:
    MessageBoxCatcher();

    QList<CaughtMessage> take();
    // Takes what was caught and checks it: these texts in this order, each with `icon`, the
    // application title, one OK button, modal. Check QTest::currentTestFailed() after it.
    void expect(const QStringList& texts, QMessageBox::Icon icon);
    // Fails the test on any box no check took, naming each.
    void expectNoneLeft();
    qsizetype count() const { return m_caught.size(); }

private:
    void poll();

    QTimer m_timer;
    QList<CaughtMessage> m_caught;
};

#include "messages.h"

#include <QApplication>
#include <QMessageBox>

#include "checkedmath.h"
#include "translated.h"

void showMessage(const QString& text, MessageStyle style, const QString& title)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style) {
    case StopIcon:
        icon = QMessageBox::Critical;
        break;
    case ExclamationIcon:
        icon = QMessageBox::Warning;
        break;
    case InformationIcon:
        icon = QMessageBox::Information;
        break;
    case NoIcon:
        break;
    }
    QMessageBox box(icon, title.isEmpty() ? applicationTitle() : title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

void showMessage(const Message& message)
{
    showMessage(translated(message.text), message.style);
}

QString overflowMessage()
{
    return translated(countOverflowMessage().text);
}

namespace {

int handlerDepth = 0;
std::exception_ptr pendingError;

QString describe(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const OverflowError&) {
        return overflowMessage();
    } catch (const std::exception& e) {
        return QCoreApplication::translate("Messages", "Unexpected error: %1")
            .arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return QCoreApplication::translate("Messages", "Unexpected error.");
    }
}

} // namespace

EventHandlerScope::EventHandlerScope()
{
    ++handlerDepth;
}

EventHandlerScope::~EventHandlerScope()
{
    if (--handlerDepth > 0 || !pendingError)
        return;
    const QString text = describe(std::exchange(pendingError, nullptr));
    try {
        showMessage(text, StopIcon);
    } catch (...) {
        // Nothing left to report with; the program must keep running.
    }
}

void EventHandlerScope::fail(std::exception_ptr error)
{
    if (!pendingError)
        pendingError = std::move(error);
}

#pragma once

#include <QWidget>

struct DialogDesign;
class QPlainTextEdit;

// One of the five information dialogs: a fixed frame with a close box and one text box
// holding the dialog's text. The dialogs have no handlers of their own.
class InfoDialog : public QWidget {
    Q_OBJECT

public:
    explicit InfoDialog(const DialogDesign& design);

    QPlainTextEdit* text1() const { return m_text1; }

private:
    QPlainTextEdit* m_text1 = nullptr;
};

#pragma once

#include <QWidget>

#include "languagefollower.h"

struct DialogDesign;

// One of the five information dialogs: a fixed frame with a close box and one text box
// holding the dialog's text. The dialogs have no handlers of their own.
class QPlainTextEdit;

class InfoDialog : public QWidget {
    Q_OBJECT

public:
    explicit InfoDialog(const DialogDesign& design);

protected:
    // A language change translates the caption and the text, unless the reader has changed
    // the text (the fan rules box can be typed into); a new design scale sizes it again.
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void rescale();

    const DialogDesign& m_design;
    QPlainTextEdit* m_text1 = nullptr;
    QString m_shownText; // the text as the dialog last wrote it
    LanguageFollower m_language;
};

#include "infodialog.h"

#include <QPlainTextEdit>

#include "dialogdesign.h"
#include "twips.h"

InfoDialog::InfoDialog(const DialogDesign& design)
    // Close box and system menu only. Qt::Window rather than Qt::Dialog: some X11 window
    // managers keep an ownerless dialog above every other window of the program.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromLatin1(design.caption));
    setFixedSize(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));

    auto* text1 = new QPlainTextEdit(this);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setGeometry(twipsToPixels(design.textLeft), twipsToPixels(design.textTop),
                       twipsToPixels(design.textWidth), twipsToPixels(design.textHeight));
    text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text1->setWordWrapMode(QTextOption::WordWrap);
    text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1->setPlainText(QString::fromLatin1(design.text));
    if (design.readOnly) {
        text1->setReadOnly(true);
        // Read-only still lets the reader move the caret, select and copy.
        text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    text1->setFocus();
}

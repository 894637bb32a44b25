#include "infodialog.h"

#include <QEvent>
#include <QPlainTextEdit>

#include "dialogdesign.h"
#include "translated.h"
#include "twips.h"

InfoDialog::InfoDialog(const DialogDesign& design)
    // Close box and system menu only. Qt::Window rather than Qt::Dialog: some X11 window
    // managers keep an ownerless dialog above every other window of the program.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_design(design), m_language([this] { retranslate(); }, [this] { rescale(); })
{
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(translated("InfoDialog", design.caption));
    setFixedSize(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));

    auto* text1 = new QPlainTextEdit(this);
    m_text1 = text1;
    text1->setObjectName(QStringLiteral("Text1"));
    placeInTwips(text1,
                 QRect(design.textLeft, design.textTop, design.textWidth, design.textHeight));
    text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text1->setWordWrapMode(QTextOption::WordWrap);
    text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_shownText = translated("InfoDialog", design.text);
    text1->setPlainText(m_shownText);
    if (design.readOnly) {
        text1->setReadOnly(true);
        // Read-only still lets the reader move the caret, select and copy.
        text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    text1->setFocus();
}

void InfoDialog::changeEvent(QEvent* event)
{
    m_language.follow(*event);
    QWidget::changeEvent(event);
}

void InfoDialog::retranslate()
{
    setWindowTitle(translated("InfoDialog", m_design.caption));
    if (m_text1->toPlainText() == m_shownText) {
        m_shownText = translated("InfoDialog", m_design.text);
        m_text1->setPlainText(m_shownText);
    }
}

void InfoDialog::rescale()
{
    setFixedSize(twipsToPixels(m_design.clientWidth), twipsToPixels(m_design.clientHeight));
    rescaleDesigned(this);
}

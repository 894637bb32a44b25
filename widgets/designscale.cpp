#include "designscale.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

double theScale = 1;

} // namespace

double designScale()
{
    return theScale;
}

void setDesignScale(double scale)
{
    theScale = scale >= 1 ? scale : 1; // NaN too
}

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips * theScale / 15));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QFont headingFont(QFont applicationFont)
{
    applicationFont.setPointSizeF(9.75);
    applicationFont.setBold(true);
    return applicationFont;
}

QSize captionNeeds(const DesignedCaption& caption, const QFont& applicationFont)
{
    const QFont font = caption.font == DesignedCaption::Font::Heading ? headingFont(applicationFont)
                                                                      : applicationFont;
    const QString text = QString::fromLatin1(caption.caption);
    const QSize textSize = QFontMetrics(font).size(Qt::TextShowMnemonic, text);
    if (caption.kind == DesignedCaption::Kind::Label)
        return textSize;

    const QStyle* style = QApplication::style();
    // Without text in the option: some styles give labelled buttons a minimum width, which is
    // no margin.
    QStyleOptionButton option;
    option.features = QStyleOptionButton::None; // the buttons are not auto-default
    option.fontMetrics = QFontMetrics(font);
    const int width =
        style->sizeFromContents(QStyle::CT_PushButton, &option, textSize, nullptr).width();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, nullptr);
    return {width, textSize.height() + 2 * frame};
}

double scaleToFit(std::span<const DesignedCaption> captions, const QFont& applicationFont)
{
    double scale = 1;
    for (const DesignedCaption& caption : captions) {
        const QSize needs = captionNeeds(caption, applicationFont);
        // At this scale the rounded size is exactly what the caption needs.
        scale = std::max(
            {scale, needs.width() * 15.0 / caption.width, needs.height() * 15.0 / caption.height});
    }
    return scale;
}

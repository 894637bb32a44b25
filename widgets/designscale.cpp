#include "designscale.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QFontMetricsF>
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

double scaleToFit(std::span<const DesignedCaption> captions, const QFont& applicationFont)
{
    const QFontMetricsF application(applicationFont);
    const QFontMetricsF heading(headingFont(applicationFont));
    const QStyle* style = QApplication::style();
    // Without text in the option: some styles give labelled buttons a minimum width, which is
    // no margin.
    QStyleOptionButton option;
    option.features = QStyleOptionButton::None; // the buttons are not auto-default
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, nullptr);

    double scale = 1;
    for (const DesignedCaption& caption : captions) {
        const QFontMetricsF& metrics =
            caption.font == DesignedCaption::Font::Heading ? heading : application;
        // Whole pixels, the last one partly covered included.
        QSize needs(int(std::ceil(metrics.horizontalAdvance(QLatin1String(caption.caption)))),
                    int(std::ceil(metrics.height())));
        if (caption.kind == DesignedCaption::Kind::Button) {
            needs.setWidth(
                style->sizeFromContents(QStyle::CT_PushButton, &option, needs, nullptr).width());
            needs.rheight() += 2 * frame;
        }
        // At this scale the rounded size is exactly what the caption needs.
        scale = std::max(
            {scale, needs.width() * 15.0 / caption.width, needs.height() * 15.0 / caption.height});
    }
    return scale;
}

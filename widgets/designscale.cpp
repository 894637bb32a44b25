#include "designscale.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QApplication>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>
#include <QWidget>

#include "translated.h"

namespace {

double theScale = 1;

// A caption's width in whole pixels, the last one partly covered included: its characters'
// advances added up. Kerning, which only takes a little away in these captions, is left out,
// and with it the shaping of every caption at start-up, which would cost more than all the
// rest of the measuring. The Latin-1 characters, all the captions hold, are measured once.
class CaptionWidths {
public:
    explicit CaptionWidths(const QFont& font) : m_metrics(font) { m_advances.fill(-1); }

    int operator()(const QString& caption)
    {
        qreal width = 0;
        for (const QChar c : caption) {
            if (c.unicode() >= m_advances.size()) {
                width += m_metrics.horizontalAdvance(c);
                continue;
            }
            qreal& advance = m_advances[c.unicode()];
            if (advance < 0)
                advance = m_metrics.horizontalAdvance(c);
            width += advance;
        }
        return static_cast<int>(std::ceil(width));
    }

    int height() const { return static_cast<int>(std::ceil(m_metrics.height())); }

private:
    QFontMetricsF m_metrics;
    std::array<qreal, 256> m_advances;
};

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

namespace {

constexpr const char* designedRectangle = "zorvanTwips";
constexpr const char* designedRule = "zorvanRule";

void placeRuleNow(QWidget* rule, const QRect& line)
{
    // The rule's left, top, length and whether it lies horizontally.
    const int along = twipsToPixels(line.width()) + 1;
    if (line.height() == 1)
        rule->setGeometry(twipsToPixels(line.x()), twipsToPixels(line.y()), along, 1);
    else
        rule->setGeometry(twipsToPixels(line.x()), twipsToPixels(line.y()), 1, along);
}

} // namespace

void placeInTwips(QWidget* control, const QRect& twips)
{
    control->setProperty(designedRectangle, twips);
    control->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void placeRule(QWidget* rule, int left, int top, int length, Qt::Orientation orientation)
{
    const QRect line(left, top, length, orientation == Qt::Horizontal ? 1 : 0);
    rule->setProperty(designedRule, line);
    placeRuleNow(rule, line);
}

void rescaleDesigned(QWidget* parent)
{
    const auto controls = parent->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        const QVariant twips = control->property(designedRectangle);
        if (twips.isValid()) {
            const QRect rect = twips.toRect();
            control->setGeometry(twipsRect(rect.x(), rect.y(), rect.width(), rect.height()));
        }
        const QVariant rule = control->property(designedRule);
        if (rule.isValid())
            placeRuleNow(control, rule.toRect());
    }
}

QString captionText(const DesignedCaption& caption)
{
    return caption.context ? translated(caption.context, caption.caption)
                           : QString::fromLatin1(caption.caption);
}

QFont headingFont(QFont applicationFont)
{
    applicationFont.setPointSizeF(9.75);
    applicationFont.setBold(true);
    return applicationFont;
}

double scaleToFit(std::span<const DesignedCaption> captions, const QFont& applicationFont)
{
    CaptionWidths application(applicationFont);
    // A font file of its own, opened for two captions of a window not yet shown; it cannot wait
    // for that window: with a small application font (Noto Sans 7) the headings decide the scale.
    CaptionWidths heading(headingFont(applicationFont));
    const QStyle* style = QApplication::style();
    // Without text in the option: some styles give labelled buttons a minimum width, which is
    // no margin.
    QStyleOptionButton option;
    option.features = QStyleOptionButton::None; // the buttons are not auto-default
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, nullptr);

    double scale = 1;
    for (const DesignedCaption& caption : captions) {
        CaptionWidths& widths =
            caption.font == DesignedCaption::Font::Heading ? heading : application;
        QSize needs(widths(captionText(caption)), widths.height());
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

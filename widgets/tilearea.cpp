#include "tilearea.h"

#include "tileimages.h"
#include "tilelabel.h"
#include "translated.h"
#include "twips.h"

namespace {

// The design, in twips.
constexpr int pitch = 450;
constexpr int groupGap = 210;
constexpr int linePitch = 645;

} // namespace

TileArea::TileArea(QWidget* parent, const QString& tilePrefix, const QRect& twips)
    : QWidget(parent), m_prefix(tilePrefix), m_width(twips.width())
{
    placeInTwips(this, twips);
}

void TileArea::showTiles(const TilePictureGroups& groups)
{
    int slot = 0;
    int left = 0;
    int line = 0;
    for (const std::vector<TilePicture>& group : groups) {
        if (group.empty())
            continue;
        const int width = pitch * int(group.size()) - (pitch - tileWidth);
        if (left > 0 && left + width > m_width) {
            ++line;
            left = 0;
        }
        for (const TilePicture& tile : group) {
            if (left > 0 && left + tileWidth > m_width) {
                ++line;
                left = 0;
            }
            TileLabel* label = picture(slot++);
            label->setGeometry(twipsRect(left, linePitch * line, tileWidth, tileHeight));
            label->setPixmap(tileImage(QString::fromStdString(tile.image), tile.selected,
                                       label->size(), devicePixelRatioF()));
            const QString name = translated(tile.name);
            label->setAccessibleName(name);
            label->setToolTip(tile.toolTip.empty() ? name : translated(tile.toolTip));
            label->show();
            left += pitch;
        }
        left += groupGap - (pitch - tileWidth);
    }
    m_shown = slot;
    for (std::size_t hidden = slot; hidden < m_tiles.size(); ++hidden)
        m_tiles[hidden]->hide();
}

TileLabel* TileArea::picture(int slot)
{
    while (int(m_tiles.size()) <= slot) {
        const int next = int(m_tiles.size());
        auto* label = new TileLabel(this);
        label->setObjectName(m_prefix + QString::number(next + 1));
        connect(label, &TileLabel::clicked, this, [this, next] { emit clicked(next); });
        m_tiles.push_back(label);
    }
    return m_tiles[slot];
}

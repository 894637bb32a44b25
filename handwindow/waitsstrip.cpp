#include "waitsstrip.h"

#include <algorithm>

#include <QLabel>

#include "handdesign.h"
#include "handpictures.h"
#include "handview.h"
#include "messages.h"
#include "tileimages.h"
#include "tilelabel.h"
#include "translated.h"
#include "twips.h"

using namespace handdesign;

WaitsStrip::WaitsStrip(QWidget* window, const QRect& twips) : QWidget(window)
{
    setObjectName(QStringLiteral("Waits"));
    placeInTwips(this, twips);
}

void WaitsStrip::showWaits(const std::vector<hand::Wait>& waits)
{
    setVisible(!waits.empty());
    const int count = int(waits.size());
    // As many as fit side by side.
    const int pitch = count > 0 ? std::min(waitPitch, areaWidth / count) : waitPitch;
    m_faces.clear();
    for (int slot = 0; slot < count; ++slot) {
        const hand::Wait& wait = waits[slot];
        const QString notation = QString::fromStdString(hand::faceText(wait.face));
        TileLabel* tile = picture(slot);
        QLabel* value = m_values[slot];
        const int left = pitch * slot;
        tile->setObjectName(QStringLiteral("Wait_%1").arg(notation));
        tile->setGeometry(twipsRect(left + (pitch - tileWidth) / 2, 0, tileWidth, tileHeight));
        tile->setPixmap(tileImage(QString::fromStdString(hand::faceImage(wait.face)), false,
                                  tile->size(), devicePixelRatioF()));
        tile->setAccessibleName(translated(hand::waitName(wait)));
        tile->setToolTip(translated(hand::waitDetails(wait)));
        value->setObjectName(QStringLiteral("WaitValue_%1").arg(notation));
        value->setGeometry(twipsRect(left, tileHeight + waitValueGap, pitch, waitValueHeight));
        value->setText(
            translatedLines({hand::shortWorth(wait.discard), hand::shortWorth(wait.selfDrawn)}));
        tile->show();
        value->show();
        m_faces.push_back(wait.face);
    }
    for (std::size_t slot = count; slot < m_tiles.size(); ++slot) {
        m_tiles[slot]->hide();
        m_values[slot]->hide();
    }
}

TileLabel* WaitsStrip::picture(int slot)
{
    while (int(m_tiles.size()) <= slot) {
        const int next = int(m_tiles.size());
        auto* tile = new TileLabel(this);
        connect(tile, &TileLabel::clicked, this, [this, next, tile] {
            runEventHandler([this, next, tile] { emit chosen(m_faces[next], tile->hasFocus()); });
        });
        m_tiles.push_back(tile);
        auto* value = new QLabel(this);
        value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        value->setTextFormat(Qt::PlainText);
        m_values.push_back(value);
    }
    return m_tiles[slot];
}

#pragma once

#include <vector>

#include <QRect>
#include <QString>
#include <QWidget>

#include "tilepicture.h"

class TileLabel;

// Tile pictures in groups that stay together, set on lines as words are: a group goes to the
// next line when it does not fit, and is broken only when it is longer than a line. The
// pictures are kept and reused, so that a picture is never deleted inside its own click; the
// ones beyond the tiles shown are hidden.
class TileArea : public QWidget {
    Q_OBJECT

public:
    // A picture's size in the design, in twips; the palette and the waits take it too.
    static constexpr int tileWidth = 420;
    static constexpr int tileHeight = 555;

    // Stands at `twips` in its parent; its pictures are named <prefix>1, <prefix>2, ... in
    // reading order.
    TileArea(QWidget* parent, const QString& tilePrefix, const QRect& twips);

    // The pictures in the language the program speaks now.
    void showTiles(const TilePictureGroups& groups);

    int shownCount() const { return m_shown; }
    TileLabel* tile(int slot) const { return m_tiles[slot]; }
    // Every picture made so far, shown or hidden, in reading order.
    const std::vector<TileLabel*>& pictures() const { return m_tiles; }

signals:
    void clicked(int slot);

private:
    TileLabel* picture(int slot);

    QString m_prefix;
    int m_width; // in twips
    std::vector<TileLabel*> m_tiles;
    int m_shown = 0;
};

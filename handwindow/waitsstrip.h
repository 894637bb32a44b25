#pragma once

#include <vector>

#include <QWidget>

#include "handengine.h"

class QLabel;
class QRect;
class TileLabel;

// The waits of a waiting hand, in a strip under its result: each tile that finishes the hand,
// with its Zorvan! Points on a discard and self-picked beneath it. A click on one (or Space on
// it) chooses it as the winning tile. Its pictures are named Wait_<tile>, their values
// WaitValue_<tile>; they are kept and reused, the ones beyond the waits hidden.
class WaitsStrip : public QWidget {
    Q_OBJECT

public:
    WaitsStrip(QWidget* window, const QRect& twips);

    // Shown while there are waits, in the language the program speaks now.
    void showWaits(const std::vector<hand::Wait>& waits);

    // Every picture made so far, shown or hidden, in order.
    const std::vector<TileLabel*>& pictures() const { return m_tiles; }

signals:
    // `hadFocus`: it was chosen by the keyboard, which should follow it.
    void chosen(hand::Face face, bool hadFocus);

private:
    TileLabel* picture(int slot);

    std::vector<TileLabel*> m_tiles;
    std::vector<QLabel*> m_values;
    std::vector<hand::Face> m_faces; // what each shown picture stands for
};

#pragma once

#include <optional>
#include <utility>
#include <vector>

#include <QObject>

#include "handediting.h"
#include "handengine.h"
#include "phrase.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TileArea;
class TileLabel;

// The hand window's tile entry: the notation typed into HandText, the palette clicked in the
// mode chosen, the hand's pictures clicked to take a tile out, the hand cleared; by mouse or by
// keyboard. Its controls stand in the window it is made for; what an edit does is the plain
// rules of handediting.h. After every change of the hand, or of whether the text reads, it says
// `changed`; the window then scores the hand and asks for its pictures again.
class TileEntry : public QObject {
    Q_OBJECT

public:
    // Makes the text line, the palette and the modes; the window's conditions follow them.
    explicit TileEntry(QWidget* window);
    // Then the hand's pictures and the clear button, so that the controls stand in the window
    // in the order it reads (which screen readers follow).
    void createHandArea();

    // The hand as the pictures show it: the last text that read, or what the clicks built.
    const hand::Hand& hand() const { return m_hand; }
    // Why the text as typed does not read; empty when it does (the hand is then the text's).
    const Phrase& textError() const { return m_textError; }

    // The hand's pictures, named after the reading it was scored by, if any; the best tile to
    // throw from a hand of 14 marked.
    void showHand(const hand::Reading* reading, std::optional<hand::Face> bestThrow = {});
    // Only the clicks the hand can take, in the mode chosen.
    void updatePalette();
    // The face becomes the winning tile; `focusIt`: the keyboard goes to its picture.
    void makeWinning(hand::Face face, bool focusIt);
    // A concealed tile of the face goes out of the hand, as a click on it takes it.
    void throwTile(hand::Face face);

    void retranslate();
    // After a new design scale: the palette's pictures at their new size.
    void drawPalette();

    QLineEdit* textLine() const { return m_text; }
    // For the window's tab order: the text, the palette and the modes come first, the clear
    // button and the hand's pictures later.
    std::vector<QWidget*> upperControls() const;
    std::vector<QWidget*> lowerControls() const;

signals:
    void changed();

private:
    void HandText_Change();
    void Palette_Click(int tile);
    void HandTile_Click(int slot);
    void ClearHand_Click();

    void createTextLine();
    void createPalette();
    void createModes();
    hand::EntryMode mode() const;
    // Writes the hand into the text box; the change handling then reads it back.
    void rewrite(const hand::Hand& hand);
    // An edit refused leaves everything as it is; the palette offers none of those.
    void apply(const hand::Edit& edit);

    QWidget* m_window;
    QLineEdit* m_text = nullptr;
    std::vector<TileLabel*> m_palette; // as hand::paletteText numbers them
    QButtonGroup* m_modes = nullptr;
    QPushButton* m_clear = nullptr;
    TileArea* m_handArea = nullptr;
    // The captions of the labels, by object name.
    std::vector<std::pair<QLabel*, const char*>> m_captions;

    hand::Hand m_hand;
    Phrase m_textError;
};

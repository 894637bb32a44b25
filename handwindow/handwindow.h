#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "fancount.h"
#include "handengine.h"
#include "handpictures.h"
#include "handsheet.h"
#include "notation.h"
#include "tilenames.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class TileArea;
class TileLabel;

// HandForm: a hand entered from tiles, by mouse, keyboard or notation, scored live by the hand
// engine. It knows neither working window: it asks for a fill with the two signals, and
// whoever opened it passes the request on.
class HandWindow : public QWidget {
    Q_OBJECT

public:
    // What a click on a palette tile adds to the hand.
    enum class Mode { Tile, Chow, Pong, Kong, ConcealedKong, Winning };

    explicit HandWindow(QWidget* parent = nullptr);

    // Whether the calculator window is still there to be filled; once closed it cannot come
    // back, and the button says so.
    void setCalculatorAvailable(bool available);

    // The hand as the pictures show it: the last text that read, or what the clicks built.
    const hand::Hand& hand() const { return m_hand; }

signals:
    void fillCalculatorRequested(const BoxValues& boxes, int flowers);
    void fillFanCounterRequested(const TileSelection& tiles, const FanBoxValues& boxes);

protected:
    // Brings the score up to date with the calculator's table limit when the window comes to
    // the front; a language change translates every text, and a new design scale places every
    // control again. The hand, the modes and the conditions stay.
    void changeEvent(QEvent* event) override;

private:
    // What the hand window shows below the hand.
    enum class State { Empty, Refused, Finished, Waiting, NotReady };

    void HandText_Change();
    void Palette_Click(int tile);
    void HandTile_Click(int slot);
    void Wait_Click(int slot);
    void ClearHand_Click();
    void FillCalculator_Click();
    void FillFanCounter_Click();

    void createTextLine();
    void createPalette();
    void createModes();
    void createConditions();
    void createHandArea();
    void createResult();
    void createButtons();

    Mode mode() const;
    hand::Conditions conditions() const;
    // Writes the hand into the text box; the change handling then shows and scores it.
    void rewrite(const hand::Hand& hand);
    // Reads the conditions afresh, scores the hand and shows everything that follows from it.
    void refresh();
    void recount();
    void showHand();
    void showResult();
    void showWaits();
    void updatePalette();
    void updateButtons();
    void updateTabOrder();
    QString resultText() const;
    QString workingText() const;
    TileLabel* waitLabel(int slot);
    void retranslate();
    void rescale();
    void drawPalette();

    QLineEdit* m_text = nullptr;
    std::vector<TileLabel*> m_palette; // faces 0-33, then the bonus tiles
    QButtonGroup* m_modes = nullptr;
    QComboBox* m_seat = nullptr;
    QComboBox* m_round = nullptr;
    std::vector<QCheckBox*> m_conditions; // in the order of their table
    TileArea* m_handArea = nullptr;
    QLabel* m_result = nullptr;
    QWidget* m_waitsArea = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_fillCalculator = nullptr;
    QPushButton* m_fillFanCounter = nullptr;

    std::vector<hand::Picture> m_handTileMeaning; // what each shown picture stands for
    // Kept and reused like the hand's pictures; the ones beyond the waits are hidden.
    std::vector<TileLabel*> m_waitTiles;
    std::vector<QLabel*> m_waitValues;

    hand::Hand m_hand;
    bool m_textReads = true;
    Phrase m_error;
    State m_state = State::Empty;
    // The calculator's table limit as the shown score used it: none entered, or the number.
    std::optional<std::int32_t> m_shownTableLimit;
    hand::HandResult m_scored;
    hand::WaitsResult m_waits;
    bool m_calculatorAvailable = true;
    double m_scale = 1; // the design scale the controls stand at
    // The captions of the labels made once, by object name, and of the two wind boxes.
    std::vector<std::pair<QLabel*, const char*>> m_captions;
};

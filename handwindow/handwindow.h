#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QWidget>

#include "discards.h"
#include "fancount.h"
#include "handengine.h"
#include "handsheet.h"
#include "handview.h"
#include "languagefollower.h"
#include "notation.h"
#include "tilenames.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class ThrowsTable;
class TileEntry;
class WaitsStrip;

// HandForm: a hand entered from tiles, by mouse, keyboard or notation, scored live by the hand
// engine. It knows neither working window: it asks for a fill with the two signals, and
// whoever opened it passes the request on.
class HandWindow : public QWidget {
    Q_OBJECT

public:
    explicit HandWindow(QWidget* parent = nullptr);

    // Whether the calculator window is still there to be filled; once closed it cannot come
    // back, and the button says so.
    void setCalculatorAvailable(bool available);

    // The hand as the pictures show it: the last text that read, or what the clicks built.
    const hand::Hand& hand() const;

signals:
    void fillCalculatorRequested(const BoxValues& boxes, int flowers);
    void fillFanCounterRequested(const TileSelection& tiles, const FanBoxValues& boxes);

protected:
    // Brings the score up to date with the calculator's table limit when the window comes to
    // the front; a language change translates every text, and a new design scale places every
    // control again. The hand, the modes and the conditions stay.
    void changeEvent(QEvent* event) override;

private:
    void Wait_Click(hand::Face face, bool hadFocus);
    void Throw_Click(const QString& tile, bool hadFocus);
    void FillCalculator_Click();
    void FillFanCounter_Click();

    void createConditions();
    void createResult();
    void createButtons();

    hand::Conditions conditions() const;
    // Reads the conditions afresh, scores the hand and shows everything that follows from it.
    void refresh();
    void updateButtons();
    void updateTabOrder();
    QString workingText() const;
    void retranslate();
    void rescale();

    TileEntry* m_entry = nullptr;
    QComboBox* m_seat = nullptr;
    QComboBox* m_round = nullptr;
    std::vector<QCheckBox*> m_conditions; // in the order of their table
    QLabel* m_result = nullptr;
    WaitsStrip* m_waits = nullptr;
    ThrowsTable* m_throws = nullptr;
    QPushButton* m_fillCalculator = nullptr;
    QPushButton* m_fillFanCounter = nullptr;
    // The captions of the two wind boxes' labels.
    std::vector<std::pair<QLabel*, const char*>> m_captions;

    hand::HandView m_view;
    // The throws from a hand of 14 tiles without a winning tile; empty for any other hand.
    hand::DiscardsResult m_discards;
    // The calculator's table limit as the shown score used it: none entered, or the number.
    std::optional<std::int32_t> m_shownTableLimit;
    bool m_calculatorAvailable = true;
    LanguageFollower m_language;
};

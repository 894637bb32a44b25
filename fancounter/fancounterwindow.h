#pragma once

#include <array>

#include <QWidget>

#include "fanboard.h"
#include "fancount.h"
#include "languagefollower.h"

class QCheckBox;
class QLabel;
class QPushButton;
class TileLabel;

// Form3: the tile board, the condition boxes and the fan total.
class FanCounterWindow : public QWidget {
    Q_OBJECT

public:
    explicit FanCounterWindow(QWidget* parent = nullptr);

    // Counts the board and the boxes into Module1::fancount and shows it beside "Your FANS".
    void fantonen();

    FanBoxValues boxValues() const;

    // Clears the board as "CLEAR ALL" does, then selects `tiles` with their own clicks and
    // sets Check1 to Check11 to `boxes` through their own click handling, so the looks, the
    // total and any maximum message are the window's own.
    void fillBoard(const TileSelection& tiles, const FanBoxValues& boxes);

    // Each fan counted, one per line, then the total.
    QString fanWorkingText() const;

protected:
    // A language change translates every caption, and a new design scale places every control
    // again and redraws the tiles at their new size: the board and the boxes stay as they are.
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    // The click handlers of Picture1 to Picture23, by picture number.
    void Picture_Click(int picture);
    // The click handlers of the boxes, by check box number: a recount, or for "All Terminals"
    // and "All Honors" the maximum message when ticked.
    void Check_Click(int number);
    void Command1_Click();
    void Command2_Click();

    void createLabels();
    void createHolders();
    void createTiles();
    void createBoxes();
    void createButtons();
    void createLines();
    void setTabOrder();
    QLabel* createLabel(int number);
    template <class Slot> QPushButton* createButton(int number, Slot slot);
    void showLook(int picture, bool selected);
    void takeOverCalculatorColours();
    void retranslate();
    void rescale();
    void drawHolders();

    std::array<QLabel*, 22> m_labels{};              // by label number
    std::array<TileLabel*, tileCount + 1> m_tiles{}; // by picture number
    std::array<QLabel*, lastHolder + 1> m_holders{}; // by picture number
    std::array<QCheckBox*, lastCheck + 1> m_checks{};
    std::array<QPushButton*, 3> m_commands{};
    LanguageFollower m_language;
};

#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include <QString>
#include <QWidget>

#include "deal.h"
#include "discards.h"
#include "fancount.h"
#include "handengine.h"
#include "handsheet.h"
#include "languagefollower.h"
#include "notation.h"
#include "phrase.h"
#include "practicejudge.h"
#include "situation.h"
#include "throwdrill.h"

class ExplainedLabel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class ThrowsTable;
class TileArea;

// PracticeForm: a dealt winning hand to count. The player types the count and, if they like,
// the fans; the window judges them, shows the working and keeps a tally for as long as it is
// open. Its last level, "What to throw", deals 14 tiles instead: the player clicks the tile to
// throw, and the window judges it and shows every throw, with a tally of its own. It knows neither
// working window: it asks for a fill with the two signals, and whoever opened it passes the request
// on.
class PracticeWindow : public QWidget {
    Q_OBJECT

public:
    // Deals from a generator of its own, seeded from the clock.
    explicit PracticeWindow(QWidget* parent = nullptr);

    // For tests and pictures: the generator starts again from `seed`, and the next hand is
    // dealt from it at once.
    void reseed(std::uint64_t seed);
    // Shows this deal as the next hand; the tally stays.
    void showDeal(const hand::Deal& deal);
    const hand::Deal& currentDeal() const { return m_deal; }
    // The same for the "What to throw" drill.
    void showThrowDeal(const hand::ThrowDeal& deal);
    const hand::ThrowDeal& currentThrowDeal() const { return m_throwDeal; }

    // Whether the calculator window is still there to be filled.
    void setCalculatorAvailable(bool available);

signals:
    void fillCalculatorRequested(const BoxValues& boxes, int flowers);
    void fillFanCounterRequested(const TileSelection& tiles, const FanBoxValues& boxes);

protected:
    // Brings the score up to date with the calculator's table limit when the window comes to
    // the front; a language change translates every text, the verdict shown included, and a
    // new design scale places every control again. The hand, the answers and the tally stay.
    void changeEvent(QEvent* event) override;

private:
    void PracticeLevel_Change();
    void PracticeCheck_Click();
    void PracticeReveal_Click();
    void PracticeNext_Click();
    void PracticeShowSheet_Click();
    void PracticeShowBoard_Click();
    void PracticeTile_Click(int slot);

    void createControls();
    QLineEdit* createAnswer(const QString& name, const QRect& twips, QLabel* buddy);

    void dealNext();
    // Whether the level chosen is the "What to throw" drill.
    bool throwing() const;
    // The controls of counting or of the drill, and the verdict's room beside them.
    void showMode();
    // The drill's table, with the player's choice marked once made or the answer shown.
    void showThrows();
    hand::Conditions conditions() const;
    // Counts the hand under the limit in force and shows it, with no answer judged yet.
    void rescore();
    void showHand();
    // The verdict's sentences, and whether the working follows them; written again whenever
    // the language changes. Nothing at all: no verdict.
    void showVerdict(std::vector<Phrase> lines, bool withWorking);
    void writeVerdict();
    void updateStatus(); // the tally and the fill buttons
    void updateTabOrder();
    QString working() const;
    void retranslate();
    void rescale();

    QComboBox* m_level = nullptr;
    QLabel* m_tallyLabel = nullptr;
    QLabel* m_situation = nullptr;
    TileArea* m_tiles = nullptr;
    QLabel* m_notation = nullptr;
    QLineEdit* m_count = nullptr;
    QLineEdit* m_fans = nullptr;
    QPushButton* m_check = nullptr;
    QPushButton* m_reveal = nullptr;
    QPushButton* m_next = nullptr;
    ExplainedLabel* m_verdict = nullptr;
    QPushButton* m_showSheet = nullptr;
    QPushButton* m_showBoard = nullptr;

    std::mt19937_64 m_seeds;
    hand::Deal m_deal;
    hand::HandResult m_scored;
    // The calculator's table limit as the score used it: none entered, or the number.
    std::optional<std::int32_t> m_shownTableLimit;
    bool m_calculatorAvailable = true;

    std::vector<Phrase> m_verdictLines;
    bool m_verdictWorking = false;
    std::vector<std::pair<QWidget*, const char*>> m_captions; // labels and buttons made once

    hand::PracticeTally m_tally;

    ThrowsTable* m_throws = nullptr;
    std::vector<QWidget*> m_countingControls; // hidden during the drill
    hand::ThrowDeal m_throwDeal;
    hand::DiscardsResult m_throwResult;
    std::optional<hand::Face> m_thrown; // the player's choice
    bool m_throwsShown = false;         // chosen or shown
    hand::PracticeTally m_throwTally;
    LanguageFollower m_language;
};

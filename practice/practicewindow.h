#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include <QString>
#include <QWidget>

#include "deal.h"
#include "fancount.h"
#include "handengine.h"
#include "handsheet.h"
#include "languagefollower.h"
#include "phrase.h"
#include "practicejudge.h"

class ExplainedLabel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class TileArea;

// PracticeForm: a dealt winning hand to count. The player types the count and, if they like,
// the fans; the window judges them, shows the working and keeps a tally for as long as it is
// open. It knows neither working window: it asks for a fill with the two signals, and whoever
// opened it passes the request on.
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

    void createControls();
    QLineEdit* createAnswer(const QString& name, const QRect& twips, QLabel* buddy);

    void dealNext();
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
    LanguageFollower m_language;
};

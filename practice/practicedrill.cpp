// The "What to throw" drill: the practice window's last level.
#include <utility>
#include <vector>

#include <QComboBox>
#include <QLabel>

#include "explainedlabel.h"
#include "practicedesign.h"
#include "practicewindow.h"
#include "throwstable.h"
#include "throwview.h"
#include "tilearea.h"
#include "translated.h"
#include "twips.h"

using namespace practicedesign;

bool PracticeWindow::throwing() const
{
    return m_level->currentIndex() == throwLevel;
}

void PracticeWindow::showMode()
{
    const bool drill = throwing();
    for (QWidget* control : m_countingControls)
        control->setVisible(!drill);
    placeInTwips(m_verdict, drill ? drillVerdictRect : verdictRect);
    showThrows();
}

void PracticeWindow::showThrows()
{
    m_throws->showRows(throwing() && m_throwsShown ? hand::throwRows(m_throwResult, m_thrown, true)
                                                   : std::vector<ThrowRow>{});
}

void PracticeWindow::showThrowDeal(const hand::ThrowDeal& deal)
{
    m_throwDeal = deal;
    m_throwTally.nextHand();
    m_thrown.reset();
    m_throwsShown = false;
    rescore();
}

void PracticeWindow::PracticeTile_Click(int slot)
{
    if (!throwing())
        return;
    const std::optional<hand::Face> face = hand::concealedFaceAt(m_throwDeal.hand, slot);
    if (!face)
        return;
    // The first choice counts; a later one is marked and judged, the tally left as it was.
    hand::ThrowVerdict verdict = hand::judgeThrow(m_throwResult, *face);
    m_throwTally.settle(verdict.right);
    m_thrown = face;
    m_throwsShown = true;
    showThrows();
    showVerdict({std::move(verdict.line)}, false);
    updateTabOrder();
}

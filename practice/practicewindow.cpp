#include "practicewindow.h"

#include <array>
#include <string>
#include <vector>

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calculatorlimit.h"
#include "controls.h"
#include "explainedlabel.h"
#include "handpictures.h"
#include "messages.h"
#include "practicedesign.h"
#include "throwstable.h"
#include "throwview.h"
#include "tilearea.h"
#include "tilelabel.h"
#include "translated.h"
#include "twips.h"
#include "windownames.h"

using namespace practicedesign;

namespace {

// Selected and copied with the mouse or the keyboard, and reached by Tab.
void makeSelectable(QLabel* label)
{
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
}

} // namespace

PracticeWindow::PracticeWindow(QWidget* parent)
    : QWidget(parent), m_seeds(hand::clockSeed()),
      m_language([this] { retranslate(); }, [this] { rescale(); })
{
    setObjectName(QLatin1String(windowname::practiceWindow));
    createControls();
    resize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    retranslate();
    dealNext();
    m_count->setFocus();
}

void PracticeWindow::retranslate()
{
    setWindowTitle(tr("Practice counting"));
    if (throwing())
        m_situation->setText(translated(hand::throwSituation(conditions())));
    for (const auto& [control, caption] : m_captions) {
        const QString text = translated("PracticeWindow", caption);
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(text);
    }
    for (int level = 0; level < int(levelNames.size()); ++level)
        m_level->setItemText(level, translated("PracticeWindow", levelNames[level]));
    m_level->setAccessibleName(tr("Level"));
    m_tiles->setAccessibleName(tr("The hand"));
    m_notation->setToolTip(tr("The hand in tiles, to paste into the hand window"));
    m_count->setAccessibleName(tr("Your hand is worth"));
    m_fans->setAccessibleName(tr("Fans"));
    if (!throwing())
        m_situation->setText(translated(hand::situationText(conditions())));
    showHand();
    writeVerdict();
    showThrows();
}

void PracticeWindow::rescale()
{
    rescaleDesigned(this);
    resize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    showHand();
}

void PracticeWindow::reseed(std::uint64_t seed)
{
    m_seeds.seed(seed);
    dealNext();
}

void PracticeWindow::showDeal(const hand::Deal& deal)
{
    m_deal = deal;
    m_tally.nextHand();
    m_count->clear();
    m_fans->clear();
    rescore();
}

void PracticeWindow::setCalculatorAvailable(bool available)
{
    m_calculatorAvailable = available;
    updateStatus();
}

void PracticeWindow::changeEvent(QEvent* event)
{
    if (enteredTableLimitChanged(*this, *event, m_shownTableLimit))
        runEventHandler([this] { rescore(); });
    m_language.follow(*event);
    QWidget::changeEvent(event);
}

QLineEdit* PracticeWindow::createAnswer(const QString& name, const QRect& twips, QLabel* buddy)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    placeInTwips(box, twips);
    buddy->setBuddy(box);
    connect(box, &QLineEdit::returnPressed, this,
            [this] { runEventHandler([this] { PracticeCheck_Click(); }); });
    return box;
}

void PracticeWindow::createControls()
{
    // A label or button whose caption is set in the player's language.
    auto captioned = [this](QWidget* control, const char* caption) {
        m_captions.emplace_back(control, caption);
        return control;
    };
    QLabel* levelCaption = createLabel(this, QStringLiteral("PracticeLevelLabel"), QString(),
                                       QRect(leftColumn, 165, 720, 255));
    captioned(levelCaption, QT_TRANSLATE_NOOP("PracticeWindow", "Level"));
    m_level = new QComboBox(this);
    m_level->setObjectName(QStringLiteral("PracticeLevel"));
    for (std::size_t level = 0; level < levelNames.size(); ++level)
        m_level->addItem(QString());
    placeInTwips(m_level, QRect(840, 120, 2160, 345));
    levelCaption->setBuddy(m_level);
    connect(m_level, &QComboBox::currentIndexChanged, this,
            [this] { runEventHandler([this] { PracticeLevel_Change(); }); });
    m_tallyLabel =
        createLabel(this, QStringLiteral("PracticeTally"), QString(), QRect(3120, 165, 2520, 255));
    m_tallyLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_situation = createLabel(this, QStringLiteral("PracticeSituation"), QString(),
                              QRect(leftColumn, 570, leftWidth, 690));
    m_situation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_situation->setWordWrap(true);
    m_tiles = new TileArea(this, QStringLiteral("PracticeTile"),
                           QRect(leftColumn, tilesTop, leftWidth, tilesHeight));
    m_tiles->setObjectName(QStringLiteral("PracticeTiles"));
    connect(m_tiles, &TileArea::clicked, this,
            [this](int slot) { runEventHandler([this, slot] { PracticeTile_Click(slot); }); });
    m_notation = createLabel(this, QStringLiteral("PracticeHand"), QString(),
                             QRect(leftColumn, tilesTop + tilesHeight + 60, leftWidth, 255));
    makeSelectable(m_notation);

    QLabel* countCaption = createLabel(this, QStringLiteral("PracticeCountLabel"), QString(),
                                       QRect(leftColumn, answerTop + 45, 1455, 255));
    captioned(countCaption, QT_TRANSLATE_NOOP("PracticeWindow", "Your hand is worth"));
    m_count = createAnswer(QStringLiteral("PracticeCount"), QRect(1635, answerTop, 900, 345),
                           countCaption);
    QLabel* fansCaption = createLabel(this, QStringLiteral("PracticeFansLabel"), QString(),
                                      QRect(2655, answerTop + 45, 480, 255));
    captioned(fansCaption, QT_TRANSLATE_NOOP("PracticeWindow", "Fans"));
    m_fans =
        createAnswer(QStringLiteral("PracticeFans"), QRect(3195, answerTop, 720, 345), fansCaption);
    m_check = createCommandButton(this, QStringLiteral("PracticeCheck"), QString(),
                                  QRect(4080, answerTop - 15, 1560, 375),
                                  [this] { PracticeCheck_Click(); });
    captioned(m_check, QT_TRANSLATE_NOOP("PracticeWindow", "Check"));
    m_reveal = createCommandButton(this, QStringLiteral("PracticeReveal"), QString(),
                                   QRect(leftColumn, buttonTop, 2640, 375),
                                   [this] { PracticeReveal_Click(); });
    captioned(m_reveal, QT_TRANSLATE_NOOP("PracticeWindow", "Show the answer"));
    m_next =
        createCommandButton(this, QStringLiteral("PracticeNext"), QString(),
                            QRect(3000, buttonTop, 2640, 375), [this] { PracticeNext_Click(); });
    captioned(m_next, QT_TRANSLATE_NOOP("PracticeWindow", "Next hand"));

    m_verdict = new ExplainedLabel(this, [this] { return m_verdict->text(); });
    m_verdict->setObjectName(QStringLiteral("PracticeVerdict"));
    placeInTwips(m_verdict, QRect(verdictLeft, verdictTop, verdictWidth, verdictHeight));
    m_verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_verdict->setTextFormat(Qt::PlainText);
    m_verdict->setWordWrap(true);
    makeSelectable(m_verdict);

    m_showSheet = createCommandButton(this, QStringLiteral("PracticeShowSheet"), QString(),
                                      QRect(leftColumn, fillTop, 2640, 375),
                                      [this] { PracticeShowSheet_Click(); });
    captioned(m_showSheet, QT_TRANSLATE_NOOP("PracticeWindow", "Show on the sheet"));
    m_showBoard =
        createCommandButton(this, QStringLiteral("PracticeShowBoard"), QString(),
                            QRect(3000, fillTop, 2640, 375), [this] { PracticeShowBoard_Click(); });
    captioned(m_showBoard, QT_TRANSLATE_NOOP("PracticeWindow", "Show on the fan counter"));

    m_throws = new ThrowsTable(this, throwsRect);
    m_countingControls = {countCaption, m_count,     fansCaption, m_fans,
                          m_check,      m_showSheet, m_showBoard};
}

hand::Conditions PracticeWindow::conditions() const
{
    hand::Conditions conditions = throwing() ? m_throwDeal.conditions : m_deal.conditions;
    conditions.tablelimit = enteredTableLimit().value_or(hand::Conditions{}.tablelimit);
    return conditions;
}

void PracticeWindow::dealNext()
{
    showMode();
    if (throwing()) {
        showThrowDeal(hand::dealThrowHand(m_seeds() & hand::maxSeed));
        return;
    }
    const auto level = static_cast<hand::DealLevel>(m_level->currentIndex() + 1);
    showDeal(hand::deal(level, m_seeds()));
}

void PracticeWindow::rescore()
{
    m_shownTableLimit = enteredTableLimit();
    const hand::Conditions now = conditions();
    if (throwing()) {
        m_throwResult = hand::findDiscards(m_throwDeal.hand, now);
        m_situation->setText(translated(hand::throwSituation(now)));
        m_notation->setText(QString::fromStdString(hand::writeHand(m_throwDeal.hand)));
        showHand();
        showThrows();
        // What was said of the choice stands; the table shows it again at the new limit.
        if (!m_throwsShown)
            showVerdict({}, false);
        else
            updateStatus();
        return;
    }
    m_scored = hand::scoreHand(m_deal.hand, now);
    m_situation->setText(translated(hand::situationText(now)));
    m_notation->setText(QString::fromStdString(hand::writeHand(m_deal.hand)));
    showHand();
    // A verdict on another count would mislead; the tally keeps what it took.
    showVerdict({}, false);
}

void PracticeWindow::showHand()
{
    if (throwing())
        m_tiles->showTiles(hand::handPictures(m_throwDeal.hand));
    else
        m_tiles->showTiles(hand::handPictures(m_deal.hand, &m_scored.reading));
    updateTabOrder();
}

void PracticeWindow::updateTabOrder()
{
    // As the window reads; the pictures are made as hands need them.
    std::vector<QWidget*> order{m_level};
    order.insert(order.end(), m_tiles->pictures().begin(), m_tiles->pictures().end());
    order.insert(order.end(), {m_notation, m_count, m_fans, m_check, m_reveal, m_next, m_verdict});
    order.insert(order.end(), m_throws->rows().begin(), m_throws->rows().end());
    order.insert(order.end(), {m_showSheet, m_showBoard});
    setTabChain(order);
}

QString PracticeWindow::working() const
{
    return workingSections(
        {{tr("Your hand is worth"), &m_scored.countWorking}, {tr("Fans"), &m_scored.fanWorking}});
}

void PracticeWindow::showVerdict(std::vector<Phrase> lines, bool withWorking)
{
    m_verdictLines = std::move(lines);
    m_verdictWorking = withWorking;
    writeVerdict();
}

void PracticeWindow::writeVerdict()
{
    QString text = translatedLines(m_verdictLines);
    if (m_verdictWorking)
        text = text.isEmpty() ? working() : text + QStringLiteral("\n\n") + working();
    m_verdict->setText(text);
    updateStatus();
}

void PracticeWindow::updateStatus()
{
    m_tallyLabel->setText(translated(throwing() ? m_throwTally.text() : m_tally.text()));
    // The sheet and the fan counter would give the answer away.
    const bool settled = m_tally.settled();
    const QString answerFirst = tr("Check your answer or show the answer first.");
    m_showSheet->setEnabled(settled && m_calculatorAvailable);
    m_showSheet->setToolTip(!m_calculatorAvailable ? tr("The calculator window has been closed.")
                            : settled ? tr("Ticks the calculator's sheet for this hand.")
                                      : answerFirst);
    m_showBoard->setEnabled(settled);
    m_showBoard->setToolTip(
        settled ? tr("Clears the fan counter and selects this hand's tiles and boxes.")
                : answerFirst);
}

void PracticeWindow::PracticeLevel_Change()
{
    dealNext();
}

void PracticeWindow::PracticeCheck_Click()
{
    hand::Verdict verdict =
        hand::judgeAnswer(m_scored, m_count->text().toStdString(), m_fans->text().toStdString());
    if (!verdict.refused)
        m_tally.settle(verdict.right);
    // Each judgement one sentence, right or wrong, in the language shown when it is read.
    showVerdict(std::move(verdict.lines), !verdict.refused);
}

void PracticeWindow::PracticeReveal_Click()
{
    if (throwing()) {
        m_throwTally.settle(false);
        m_throwsShown = true;
        showThrows();
        showVerdict({}, false);
        updateTabOrder();
        return;
    }
    m_tally.settle(false);
    showVerdict({}, true);
}

void PracticeWindow::PracticeNext_Click()
{
    dealNext();
    if (throwing())
        m_tiles->setFocus();
    else
        m_count->setFocus();
}

void PracticeWindow::PracticeShowSheet_Click()
{
    if (m_tally.settled() && m_calculatorAvailable)
        emit fillCalculatorRequested(m_scored.boxes, m_scored.flowers);
}

void PracticeWindow::PracticeShowBoard_Click()
{
    if (m_tally.settled())
        emit fillFanCounterRequested(m_scored.fanTiles, m_scored.fanBoxes);
}

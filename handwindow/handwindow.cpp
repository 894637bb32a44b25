#include "handwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calculatorlimit.h"
#include "controls.h"
#include "explainedlabel.h"
#include "handdesign.h"
#include "messages.h"
#include "throwstable.h"
#include "throwview.h"
#include "tileentry.h"
#include "tilelabel.h"
#include "translated.h"
#include "twips.h"
#include "waitsstrip.h"
#include "windownames.h"

using namespace handdesign;

namespace {

QString noFinishedHand()
{
    return HandWindow::tr("Needs a finished hand: 4 sets and a pair with its winning tile.");
}

} // namespace

HandWindow::HandWindow(QWidget* parent)
    : QWidget(parent), m_language([this] { retranslate(); }, [this] { rescale(); })
{
    setObjectName(QLatin1String(windowname::handWindow));

    m_entry = new TileEntry(this);
    connect(m_entry, &TileEntry::changed, this, [this] { refresh(); });
    createConditions();
    m_entry->createHandArea();
    createResult();
    createButtons();
    resize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));

    retranslate();
    m_entry->textLine()->setFocus();
}

const hand::Hand& HandWindow::hand() const
{
    return m_entry->hand();
}

void HandWindow::retranslate()
{
    setWindowTitle(tr("Hand from tiles"));
    m_entry->retranslate();
    for (const auto& [label, caption] : m_captions)
        label->setText(translated("HandWindow", caption));
    const QStringList winds{tr("East"), tr("South"), tr("West"), tr("North")};
    for (QComboBox* combo : {m_seat, m_round}) {
        for (int wind = 0; wind < int(winds.size()); ++wind)
            combo->setItemText(wind, winds[wind]);
    }
    m_seat->setAccessibleName(tr("Seat wind"));
    m_round->setAccessibleName(tr("Prevailing wind"));
    for (std::size_t i = 0; i < conditionChecks.size(); ++i)
        m_conditions[i]->setText(translated("HandWindow", conditionChecks[i].caption));
    m_waits->setAccessibleName(tr("Waits"));
    m_fillCalculator->setText(tr("Fill in the calculator"));
    m_fillFanCounter->setText(tr("Fill in the fan counter"));
    refresh();
}

void HandWindow::rescale()
{
    rescaleDesigned(this);
    m_entry->drawPalette();
    resize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    refresh();
}

void HandWindow::setCalculatorAvailable(bool available)
{
    m_calculatorAvailable = available;
    updateButtons();
}

void HandWindow::changeEvent(QEvent* event)
{
    if (enteredTableLimitChanged(*this, *event, m_shownTableLimit))
        runEventHandler([this] { refresh(); });
    m_language.follow(*event);
    QWidget::changeEvent(event);
}

void HandWindow::createConditions()
{
    auto createWind = [this](const QString& name, const char* caption, int top) {
        QLabel* label =
            createLabel(this, name + QStringLiteral("Label"), QString(), windCaption(top));
        m_captions.emplace_back(label, caption);
        auto* combo = new QComboBox(this);
        combo->setObjectName(name);
        // East, South, West, North; named in the player's language.
        combo->addItems({QString(), QString(), QString(), QString()});
        placeInTwips(combo, windBox(top));
        label->setBuddy(combo);
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this] { runEventHandler([this] { refresh(); }); });
        return combo;
    };
    m_seat = createWind(QStringLiteral("SeatWind"), QT_TRANSLATE_NOOP("HandWindow", "Seat wind"),
                        seatWindTop);
    m_round = createWind(QStringLiteral("RoundWind"),
                         QT_TRANSLATE_NOOP("HandWindow", "Prevailing wind"), roundWindTop);

    for (const ConditionCheck& box : conditionChecks) {
        auto* check = new QCheckBox(this);
        check->setObjectName(QLatin1String(box.name));
        placeInTwips(check, QRect(box.left, box.top, box.width, rowHeight));
        connect(check, &QCheckBox::toggled, this,
                [this] { runEventHandler([this] { refresh(); }); });
        m_conditions.push_back(check);
    }
}

void HandWindow::createResult()
{
    auto* result = new ExplainedLabel(this, [this] { return workingText(); });
    result->setObjectName(QStringLiteral("HandResult"));
    placeInTwips(result, handdesign::result);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setTextFormat(Qt::PlainText);
    result->setWordWrap(true);
    m_result = result;
    m_waits = new WaitsStrip(this, waits);
    connect(m_waits, &WaitsStrip::chosen, this, [this](hand::Face face, bool hadFocus) {
        runEventHandler([this, face, hadFocus] { Wait_Click(face, hadFocus); });
    });
    m_throws = new ThrowsTable(this, throws);
    connect(m_throws, &ThrowsTable::chosen, this, [this](const QString& tile, bool hadFocus) {
        runEventHandler([this, tile, hadFocus] { Throw_Click(tile, hadFocus); });
    });
}

void HandWindow::createButtons()
{
    m_fillCalculator =
        createCommandButton(this, QStringLiteral("FillCalculator"), QString(), fillCalculatorButton,
                            [this] { FillCalculator_Click(); });
    m_fillFanCounter =
        createCommandButton(this, QStringLiteral("FillFanCounter"), QString(), fillFanCounterButton,
                            [this] { FillFanCounter_Click(); });
}

hand::Conditions HandWindow::conditions() const
{
    hand::Conditions conditions;
    conditions.seat = static_cast<hand::Wind>(m_seat->currentIndex());
    conditions.round = static_cast<hand::Wind>(m_round->currentIndex());
    for (std::size_t i = 0; i < conditionChecks.size(); ++i)
        conditions.*conditionChecks[i].condition = m_conditions[i]->isChecked();
    conditions.tablelimit = enteredTableLimit().value_or(conditions.tablelimit);
    return conditions;
}

void HandWindow::Wait_Click(hand::Face face, bool hadFocus)
{
    m_entry->makeWinning(face, hadFocus);
}

void HandWindow::Throw_Click(const QString& tile, bool hadFocus)
{
    for (const hand::Discard& discard : m_discards.discards) {
        if (QString::fromStdString(hand::faceText(discard.face)) != tile)
            continue;
        m_entry->throwTile(discard.face);
        // The keyboard goes on to what the throw leaves: the first wait, or the text.
        if (hadFocus) {
            const std::vector<TileLabel*>& waits = m_waits->pictures();
            if (!waits.empty() && waits.front()->isVisible())
                waits.front()->setFocus(Qt::TabFocusReason);
            else
                m_entry->textLine()->setFocus(Qt::TabFocusReason);
        }
        return;
    }
}

void HandWindow::FillCalculator_Click()
{
    if (m_view.state == hand::HandState::Finished && m_calculatorAvailable)
        emit fillCalculatorRequested(m_view.scored.boxes, m_view.scored.flowers);
}

void HandWindow::FillFanCounter_Click()
{
    if (m_view.state == hand::HandState::Finished)
        emit fillFanCounterRequested(m_view.scored.fanTiles, m_view.scored.fanBoxes);
}

void HandWindow::refresh()
{
    m_shownTableLimit = enteredTableLimit();
    const hand::Conditions now = conditions();
    const Phrase& textError = m_entry->textError();
    m_view = textError.empty() ? hand::viewHand(m_entry->hand(), now)
                               : hand::refusedView(textError, now);
    // 14 tiles without a winning tile are a hand to throw from, not a hand short of one.
    m_discards = {};
    if (textError.empty() && hand::isThrowingHand(m_entry->hand())) {
        m_discards = hand::findDiscards(m_entry->hand(), now);
        if (!m_discards.error.empty()) {
            m_view = hand::refusedView(m_discards.error, now);
            m_discards.discards.clear();
        }
    }
    const bool throwing = !m_discards.discards.empty();
    const bool finished = m_view.state == hand::HandState::Finished;
    // The hand's tiles are named after the score: the winning tile says what it completed.
    m_entry->showHand(finished ? &m_view.scored.reading : nullptr,
                      throwing ? std::optional<hand::Face>(m_discards.discards.front().face)
                               : std::nullopt);
    m_result->setText(
        throwing ? translated(hand::throwsLine(m_discards))
                 : translatedLines(hand::resultLines(m_view, m_shownTableLimit.has_value())));
    std::vector<ThrowRow> rows = hand::throwRows(m_discards);
    for (ThrowRow& row : rows)
        row.toolTip =
            phrase("HandWindow", QT_TRANSLATE_NOOP("HandWindow", "%1\nA click throws it."),
                   {row.sentence});
    m_throws->showRows(rows);
    m_waits->showWaits(m_view.state == hand::HandState::Waiting ? m_view.waits.waits
                                                                : std::vector<hand::Wait>{});
    m_entry->updatePalette();
    updateButtons();
    updateTabOrder();
}

QString HandWindow::workingText() const
{
    if (m_view.state != hand::HandState::Finished)
        return {};
    return workingSections({{tr("Your hand is worth"), &m_view.scored.countWorking},
                            {QStringLiteral("Zorvan! Points"), &m_view.scored.valueWorking},
                            {tr("Fans"), &m_view.scored.fanWorking}});
}

void HandWindow::updateButtons()
{
    const bool finished = m_view.state == hand::HandState::Finished;
    m_fillCalculator->setEnabled(finished && m_calculatorAvailable);
    m_fillCalculator->setToolTip(!m_calculatorAvailable
                                     ? tr("The calculator window has been closed.")
                                 : finished ? tr("Ticks the calculator's sheet for this hand.")
                                            : noFinishedHand());
    m_fillFanCounter->setEnabled(finished);
    m_fillFanCounter->setToolTip(
        finished ? tr("Clears the fan counter and selects this hand's tiles and boxes.")
                 : noFinishedHand());
}

void HandWindow::updateTabOrder()
{
    // As the window reads: the text, the palette row by row, the modes, the conditions, the
    // hand, the throws, the waits, the buttons.
    std::vector<QWidget*> order = m_entry->upperControls();
    order.push_back(m_seat);
    order.push_back(m_round);
    order.insert(order.end(), m_conditions.begin(), m_conditions.end());
    const std::vector<QWidget*> lower = m_entry->lowerControls();
    order.insert(order.end(), lower.begin(), lower.end());
    order.insert(order.end(), m_throws->rows().begin(), m_throws->rows().end());
    order.insert(order.end(), m_waits->pictures().begin(), m_waits->pictures().end());
    order.push_back(m_fillCalculator);
    order.push_back(m_fillFanCounter);
    setTabChain(order);
}

#include "practicewindow.h"

#include <array>
#include <string>
#include <vector>

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>

#include "calculatorlimit.h"
#include "controls.h"
#include "explainedlabel.h"
#include "handpictures.h"
#include "messages.h"
#include "tilearea.h"
#include "tilelabel.h"
#include "twips.h"

namespace {

// The design, in twips: the hand and the answers on the left, the verdict beside them, tall
// enough for the longest working (36 lines).
constexpr int leftColumn = 120;
constexpr int leftWidth = 5520;
constexpr int tilesTop = 1320;
constexpr int tilesHeight = 1935; // three lines of pictures, as many as any hand takes
constexpr int answerTop = 3660;
constexpr int buttonTop = 4140;
constexpr int verdictLeft = 5880;
constexpr int verdictWidth = 4920;
constexpr int verdictTop = 120;
constexpr int verdictHeight = 7650;
constexpr int fillTop = verdictTop + verdictHeight - 375;
constexpr int clientWidth = verdictLeft + verdictWidth + 120;
constexpr int clientHeight = verdictTop + verdictHeight + 120;

// In the order of the deal's levels.
constexpr std::array<const char*, 3> levelNames{"Sets and pair", "With doubles", "Everything"};

enum class Typed { Empty, Number, NotANumber };

// An answer is given when something is typed, and judged when it is a whole number.
Typed readAnswer(const QString& text, qint64& value)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return Typed::Empty;
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    bool fits = false;
    value = trimmed.toLongLong(&fits);
    return wholeNumber.match(trimmed).hasMatch() && fits ? Typed::Number : Typed::NotANumber;
}

QString judged(bool right, const QString& rightText, const QString& wrongText)
{
    return right ? QStringLiteral("Right: ") + rightText
                 : QStringLiteral("Not quite: ") + wrongText;
}

// Selected and copied with the mouse or the keyboard, and reached by Tab.
void makeSelectable(QLabel* label)
{
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
}

QString fansText(qint64 fans)
{
    return fans == 1 ? QStringLiteral("1 fan") : QStringLiteral("%1 fans").arg(fans);
}

} // namespace

PracticeWindow::PracticeWindow(QWidget* parent) : QWidget(parent), m_seeds(hand::clockSeed())
{
    setObjectName(QStringLiteral("PracticeForm"));
    setWindowTitle(QStringLiteral("Practice counting"));
    createControls();
    resize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    dealNext();
    m_count->setFocus();
}

void PracticeWindow::reseed(std::uint64_t seed)
{
    m_seeds.seed(seed);
    dealNext();
}

void PracticeWindow::showDeal(const hand::Deal& deal)
{
    m_deal = deal;
    m_settled = false;
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
    QWidget::changeEvent(event);
}

QLineEdit* PracticeWindow::createAnswer(const QString& name, const QString& caption,
                                        const QRect& geometry, QLabel* buddy)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setAccessibleName(caption);
    buddy->setBuddy(box);
    connect(box, &QLineEdit::returnPressed, this,
            [this] { runEventHandler([this] { PracticeCheck_Click(); }); });
    return box;
}

void PracticeWindow::createControls()
{
    QLabel* levelCaption =
        createLabel(this, QStringLiteral("PracticeLevelLabel"), QStringLiteral("Level"),
                    twipsRect(leftColumn, 165, 720, 255));
    m_level = new QComboBox(this);
    m_level->setObjectName(QStringLiteral("PracticeLevel"));
    for (const char* name : levelNames)
        m_level->addItem(QString::fromLatin1(name));
    m_level->setGeometry(twipsRect(840, 120, 2160, 345));
    m_level->setAccessibleName(QStringLiteral("Level"));
    levelCaption->setBuddy(m_level);
    connect(m_level, &QComboBox::currentIndexChanged, this,
            [this] { runEventHandler([this] { PracticeLevel_Change(); }); });
    m_tally = createLabel(this, QStringLiteral("PracticeTally"), QString(),
                          twipsRect(3120, 165, 2520, 255));
    m_tally->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_situation = createLabel(this, QStringLiteral("PracticeSituation"), QString(),
                              twipsRect(leftColumn, 570, leftWidth, 690));
    m_situation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_situation->setWordWrap(true);
    m_tiles = new TileArea(this, QStringLiteral("PracticeTile"),
                           QRect(leftColumn, tilesTop, leftWidth, tilesHeight));
    m_tiles->setObjectName(QStringLiteral("PracticeTiles"));
    m_tiles->setAccessibleName(QStringLiteral("The hand"));
    m_notation = createLabel(this, QStringLiteral("PracticeHand"), QString(),
                             twipsRect(leftColumn, tilesTop + tilesHeight + 60, leftWidth, 255));
    makeSelectable(m_notation);
    m_notation->setToolTip(QStringLiteral("The hand in tiles, to paste into the hand window"));

    const QString countCaption = QStringLiteral("Your hand is worth");
    m_count = createAnswer(QStringLiteral("PracticeCount"), countCaption,
                           twipsRect(1635, answerTop, 900, 345),
                           createLabel(this, QStringLiteral("PracticeCountLabel"), countCaption,
                                       twipsRect(leftColumn, answerTop + 45, 1455, 255)));
    const QString fansCaption = QStringLiteral("Fans");
    m_fans = createAnswer(QStringLiteral("PracticeFans"), fansCaption,
                          twipsRect(3195, answerTop, 720, 345),
                          createLabel(this, QStringLiteral("PracticeFansLabel"), fansCaption,
                                      twipsRect(2655, answerTop + 45, 480, 255)));
    m_check = createCommandButton(this, QStringLiteral("PracticeCheck"), QStringLiteral("Check"),
                                  twipsRect(4080, answerTop - 15, 1560, 375),
                                  [this] { PracticeCheck_Click(); });
    m_reveal = createCommandButton(
        this, QStringLiteral("PracticeReveal"), QStringLiteral("Show the answer"),
        twipsRect(leftColumn, buttonTop, 2640, 375), [this] { PracticeReveal_Click(); });
    m_next = createCommandButton(this, QStringLiteral("PracticeNext"), QStringLiteral("Next hand"),
                                 twipsRect(3000, buttonTop, 2640, 375),
                                 [this] { PracticeNext_Click(); });

    m_verdict = new ExplainedLabel(this, [this] { return m_verdict->text(); });
    m_verdict->setObjectName(QStringLiteral("PracticeVerdict"));
    m_verdict->setGeometry(twipsRect(verdictLeft, verdictTop, verdictWidth, verdictHeight));
    m_verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_verdict->setTextFormat(Qt::PlainText);
    m_verdict->setWordWrap(true);
    makeSelectable(m_verdict);

    m_showSheet = createCommandButton(
        this, QStringLiteral("PracticeShowSheet"), QStringLiteral("Show on the sheet"),
        twipsRect(leftColumn, fillTop, 2640, 375), [this] { PracticeShowSheet_Click(); });
    m_showBoard = createCommandButton(
        this, QStringLiteral("PracticeShowBoard"), QStringLiteral("Show on the fan counter"),
        twipsRect(3000, fillTop, 2640, 375), [this] { PracticeShowBoard_Click(); });
}

hand::Conditions PracticeWindow::conditions() const
{
    hand::Conditions conditions = m_deal.conditions;
    conditions.tablelimit = enteredTableLimit().value_or(hand::Conditions{}.tablelimit);
    return conditions;
}

void PracticeWindow::dealNext()
{
    const auto level = static_cast<hand::DealLevel>(m_level->currentIndex() + 1);
    showDeal(hand::deal(level, m_seeds()));
}

void PracticeWindow::rescore()
{
    m_shownTableLimit = enteredTableLimit();
    const hand::Conditions now = conditions();
    m_scored = hand::scoreHand(m_deal.hand, now);
    m_situation->setText(QString::fromStdString(hand::situationText(now)));
    m_notation->setText(QString::fromStdString(hand::writeHand(m_deal.hand)));
    showHand();
    // A verdict on another count would mislead; the tally keeps what it took.
    showVerdict({});
}

void PracticeWindow::showHand()
{
    TileArea::Groups groups;
    for (const std::vector<hand::Picture>& group : hand::pictureGroups(m_deal.hand)) {
        std::vector<TileArea::Tile>& tiles = groups.emplace_back();
        for (const hand::Picture& picture : group) {
            const QString name =
                QString::fromStdString(hand::pictureName(m_deal.hand, picture, &m_scored.reading));
            tiles.push_back({QString::fromStdString(hand::pictureImage(picture)),
                             picture.kind == hand::Picture::Kind::Winning, name, name});
        }
    }
    m_tiles->showTiles(groups);
    updateTabOrder();
}

void PracticeWindow::updateTabOrder()
{
    // As the window reads; the pictures are made as hands need them.
    std::vector<QWidget*> order{m_level};
    order.insert(order.end(), m_tiles->pictures().begin(), m_tiles->pictures().end());
    order.insert(order.end(), {m_notation, m_count, m_fans, m_check, m_reveal, m_next, m_verdict,
                               m_showSheet, m_showBoard});
    setTabChain(order);
}

QString PracticeWindow::working() const
{
    return workingSections({{QStringLiteral("Your hand is worth"), &m_scored.countWorking},
                            {QStringLiteral("Fans"), &m_scored.fanWorking}});
}

void PracticeWindow::showVerdict(const QString& text)
{
    m_verdict->setText(text);
    updateStatus();
}

// The tally: a hand is counted once, at the first Check that judges at least one answer, as
// right when every answer given was right; later checks of the same hand leave the tally as it
// is. "Show the answer" before that counts the hand as given up: not right, and the run of
// right hands ends. A hand left for the next one with neither is not counted.
void PracticeWindow::settle(bool right)
{
    if (m_settled)
        return;
    m_settled = true;
    ++m_hands;
    if (right) {
        ++m_right;
        ++m_inARow;
    } else {
        m_inARow = 0;
    }
}

void PracticeWindow::updateStatus()
{
    m_tally->setText(
        QStringLiteral("%1 of %2 right, %3 in a row").arg(m_right).arg(m_hands).arg(m_inARow));
    // The sheet and the fan counter would give the answer away.
    const QString answerFirst = QStringLiteral("Check your answer or show the answer first.");
    m_showSheet->setEnabled(m_settled && m_calculatorAvailable);
    m_showSheet->setToolTip(!m_calculatorAvailable ? QStringLiteral("The calculator window has "
                                                                    "been closed.")
                            : m_settled ? QStringLiteral("Ticks the calculator's sheet for this "
                                                         "hand.")
                                        : answerFirst);
    m_showBoard->setEnabled(m_settled);
    m_showBoard->setToolTip(m_settled ? QStringLiteral("Clears the fan counter and selects this "
                                                       "hand's tiles and boxes.")
                                      : answerFirst);
}

void PracticeWindow::PracticeLevel_Change()
{
    dealNext();
}

void PracticeWindow::PracticeCheck_Click()
{
    qint64 count = 0;
    qint64 fans = 0;
    const Typed countTyped = readAnswer(m_count->text(), count);
    const Typed fansTyped = readAnswer(m_fans->text(), fans);
    QStringList refused;
    if (countTyped == Typed::NotANumber ||
        (countTyped == Typed::Empty && fansTyped == Typed::Empty))
        refused << QStringLiteral("Type the count as a whole number.");
    if (fansTyped == Typed::NotANumber)
        refused << QStringLiteral("Type the fans as a whole number.");
    if (!refused.isEmpty()) {
        showVerdict(refused.join(QLatin1Char('\n')));
        return;
    }

    QStringList lines;
    bool right = true;
    if (countTyped == Typed::Number) {
        const bool countRight = !m_scored.overflow && count == m_scored.count;
        const QString worth = m_scored.overflow
                                  ? QStringLiteral("more than the calculator can count")
                                  : QString::number(m_scored.count);
        lines << judged(countRight, QStringLiteral("the hand is worth %1.").arg(worth),
                        QStringLiteral("the hand is worth %1, not %2.").arg(worth).arg(count));
        right = right && countRight;
    }
    if (fansTyped == Typed::Number) {
        const bool fansRight = fans == m_scored.fans;
        lines << judged(fansRight, fansText(m_scored.fans) + QLatin1Char('.'),
                        QStringLiteral("%1, not %2.").arg(fansText(m_scored.fans)).arg(fans));
        right = right && fansRight;
    }
    settle(right);
    showVerdict(lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + working());
}

void PracticeWindow::PracticeReveal_Click()
{
    settle(false);
    showVerdict(working());
}

void PracticeWindow::PracticeNext_Click()
{
    dealNext();
    m_count->setFocus();
}

void PracticeWindow::PracticeShowSheet_Click()
{
    if (m_settled && m_calculatorAvailable)
        emit fillCalculatorRequested(m_scored.boxes, m_scored.flowers);
}

void PracticeWindow::PracticeShowBoard_Click()
{
    if (m_settled)
        emit fillFanCounterRequested(m_scored.fanTiles, m_scored.fanBoxes);
}

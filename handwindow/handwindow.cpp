#include "handwindow.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculatorlimit.h"
#include "controls.h"
#include "explainedlabel.h"
#include "messages.h"
#include "tilearea.h"
#include "tileimages.h"
#include "tilelabel.h"
#include "tiles.h"
#include "twips.h"

using hand::Face;
using hand::SetKind;

namespace {

// The design, in twips.
constexpr int tileWidth = TileArea::tileWidth;
constexpr int tileHeight = TileArea::tileHeight;
constexpr int paletteLeft = 120;
constexpr int paletteTop = 540;
constexpr int palettePitch = 465;
constexpr int paletteRowPitch = 615;
constexpr int paletteGroupGap = 150; // between the winds and the dragons, flowers and seasons
constexpr int firstColumn = 4560;    // the modes and conditions beside the palette
constexpr int firstColumnWidth = 1800;
constexpr int secondColumn = 6360;
constexpr int secondColumnWidth = 2520;
constexpr int rowHeight = 285;
constexpr int areaLeft = 120;
constexpr int areaWidth = 8760;
constexpr int handTop = 3990;
constexpr int handHeight = 1290;
constexpr int resultTop = 5370;
constexpr int resultHeight = 1020;
// The waits stand where a finished hand's result has its later lines: a waiting hand's result
// takes two lines at most.
constexpr int waitsTop = resultTop + 570;
constexpr int waitsHeight = 1140;
constexpr int waitPitch = 780;
constexpr int waitValueGap = 30;
constexpr int waitValueHeight = 540;

constexpr int clientWidth = 9000;
constexpr int clientHeight = 7710;

constexpr int paletteCount = hand::faceCount + hand::bonusCount;

QString imageName(Face face)
{
    return QString::fromStdString(hand::faceImage(face));
}

QString spoken(Face face)
{
    return QString::fromStdString(hand::spokenFace(face));
}

QString notation(Face face)
{
    return QString::fromStdString(hand::faceText(face));
}

bool isEmpty(const hand::Hand& hand)
{
    return hand == hand::Hand{};
}

QString worthText(const hand::Worth& worth)
{
    return worth.overflow ? QStringLiteral("more than the calculator can count")
                          : QString::number(worth.value);
}

// Beneath a wait's picture, where a sentence has no room.
QString shortWorth(const hand::Worth& worth)
{
    return worth.overflow ? QStringLiteral("overflow") : QString::number(worth.value);
}

QString worthDetail(const QString& how, const hand::Worth& worth)
{
    const QString fans =
        worth.maximum ? QStringLiteral("maximum fans") : QStringLiteral("%1 fans").arg(worth.fans);
    if (worth.overflow)
        return QStringLiteral("%1: worth more than the calculator can count, %2").arg(how, fans);
    return QStringLiteral("%1: count %2, %3 Zorvan! Points, %4")
        .arg(how)
        .arg(worth.count)
        .arg(worth.value)
        .arg(fans);
}

QString noFinishedHand()
{
    return QStringLiteral("Needs a finished hand: 4 sets and a pair with its winning tile.");
}

struct ModeButton {
    HandWindow::Mode mode;
    const char* name;
    const char* caption;
    int left;
    int top;
    int width;
};

constexpr std::array<ModeButton, 6> modeButtons{{
    {HandWindow::Mode::Tile, "ModeTile", "Tile", firstColumn, 840, firstColumnWidth},
    {HandWindow::Mode::Chow, "ModeChow", "Chow", firstColumn, 1155, firstColumnWidth},
    {HandWindow::Mode::Pong, "ModePong", "Pong", firstColumn, 1470, firstColumnWidth},
    {HandWindow::Mode::Kong, "ModeKong", "Kong", secondColumn, 840, secondColumnWidth},
    {HandWindow::Mode::ConcealedKong, "ModeConcealedKong", "Concealed kong", secondColumn, 1155,
     secondColumnWidth},
    {HandWindow::Mode::Winning, "ModeWinning", "Winning tile", secondColumn, 1470,
     secondColumnWidth},
}};

struct ConditionCheck {
    const char* name;
    const char* caption;
    bool hand::Conditions::*condition;
    int left;
    int top;
    int width;
};

// Row by row, as Tab walks them; the longer captions stand in the wider column.
constexpr std::array<ConditionCheck, 5> conditionChecks{{
    {"SelfDrawn", "Self-picked", &hand::Conditions::selfDrawn, firstColumn, 2730, firstColumnWidth},
    {"SupplementTile", "Supplement tile", &hand::Conditions::supplement, secondColumn, 2730,
     secondColumnWidth},
    {"LastTile", "Last tile", &hand::Conditions::lastTile, firstColumn, 3030, firstColumnWidth},
    {"RobbingKong", "Robbing a kong", &hand::Conditions::robbingKong, secondColumn, 3030,
     secondColumnWidth},
    {"NoFaTable", "NO FA table", &hand::Conditions::noFaTable, secondColumn, 3330,
     secondColumnWidth},
}};

} // namespace

HandWindow::HandWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("HandForm"));
    setWindowTitle(QStringLiteral("Hand from tiles"));

    createTextLine();
    createPalette();
    createModes();
    createConditions();
    createHandArea();
    createResult();
    createButtons();
    resize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));

    refresh();
    m_text->setFocus();
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
    QWidget::changeEvent(event);
}

void HandWindow::createTextLine()
{
    QLabel* caption = createLabel(this, QStringLiteral("HandTextLabel"), QStringLiteral("Hand"),
                                  twipsRect(120, 165, 840, 255));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("HandText"));
    m_text->setGeometry(twipsRect(960, 120, 7920, 345));
    m_text->setAccessibleName(QStringLiteral("Hand in tiles"));
    m_text->setToolTip(QStringLiteral("The hand in tiles: 123m 456p 789s 1z [555z] 2f +1z. "
                                      "[ ] an exposed set, ( ) a concealed kong, + the winning "
                                      "tile; m characters, p dots, s bamboo, z winds and dragons, "
                                      "f flowers, y seasons."));
    caption->setBuddy(m_text);
    connect(m_text, &QLineEdit::textChanged, this,
            [this] { runEventHandler([this] { HandText_Change(); }); });
}

void HandWindow::createPalette()
{
    for (int tile = 0; tile < paletteCount; ++tile) {
        const bool bonus = tile >= hand::faceCount;
        const int number = bonus ? tile - hand::faceCount : tile;
        const int row = bonus ? 4 : number / 9;
        const int column = bonus ? number : number % 9;
        // Winds apart from dragons, flowers apart from seasons.
        const bool secondGroup = (bonus || row == 3) && column >= 4;
        const int left = paletteLeft + palettePitch * column + (secondGroup ? paletteGroupGap : 0);
        const QString written =
            QString::fromStdString(bonus ? hand::bonusText(number) : hand::faceText(number));
        auto* label = new TileLabel(this);
        label->setObjectName(QStringLiteral("Palette_%1").arg(written));
        label->setGeometry(
            twipsRect(left, paletteTop + paletteRowPitch * row, tileWidth, tileHeight));
        label->setPixmap(tileImage(
            QString::fromStdString(bonus ? hand::bonusImage(number) : hand::faceImage(number)),
            false, label->size(), devicePixelRatioF()));
        const QString name =
            QString::fromStdString(bonus ? hand::spokenBonus(number) : hand::spokenFace(number));
        label->setAccessibleName(name);
        label->setToolTip(QStringLiteral("%1 (%2)").arg(name, written));
        connect(label, &TileLabel::clicked, this,
                [this, tile] { runEventHandler([this, tile] { Palette_Click(tile); }); });
        m_palette.push_back(label);
    }
}

void HandWindow::createModes()
{
    createLabel(
        this, QStringLiteral("ModeLabel"), QStringLiteral("A click on a tile adds"),
        twipsRect(firstColumn, paletteTop, secondColumn + secondColumnWidth - firstColumn, 255));
    m_modes = new QButtonGroup(this);
    for (const ModeButton& mode : modeButtons) {
        auto* button = new QRadioButton(QString::fromLatin1(mode.caption), this);
        button->setObjectName(QLatin1String(mode.name));
        button->setGeometry(twipsRect(mode.left, mode.top, mode.width, rowHeight));
        button->setAccessibleDescription(QStringLiteral("What a click on a palette tile adds"));
        m_modes->addButton(button, static_cast<int>(mode.mode));
    }
    m_modes->button(static_cast<int>(Mode::Tile))->setChecked(true);
    connect(m_modes, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            runEventHandler([this] { updatePalette(); });
    });
}

HandWindow::Mode HandWindow::mode() const
{
    return static_cast<Mode>(m_modes->checkedId());
}

void HandWindow::createConditions()
{
    const QStringList winds{QStringLiteral("East"), QStringLiteral("South"), QStringLiteral("West"),
                            QStringLiteral("North")};
    auto createWind = [this, &winds](const QString& name, const QString& caption, int top) {
        QLabel* label = createLabel(this, name + QStringLiteral("Label"), caption,
                                    twipsRect(firstColumn, top + 45, firstColumnWidth, 255));
        auto* combo = new QComboBox(this);
        combo->setObjectName(name);
        combo->addItems(winds);
        combo->setGeometry(twipsRect(secondColumn, top, 1440, 345));
        combo->setAccessibleName(caption);
        label->setBuddy(combo);
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this] { runEventHandler([this] { refresh(); }); });
        return combo;
    };
    m_seat = createWind(QStringLiteral("SeatWind"), QStringLiteral("Seat wind"), 1890);
    m_round = createWind(QStringLiteral("RoundWind"), QStringLiteral("Prevailing wind"), 2280);

    for (const ConditionCheck& box : conditionChecks) {
        auto* check = new QCheckBox(QString::fromLatin1(box.caption), this);
        check->setObjectName(QLatin1String(box.name));
        check->setGeometry(twipsRect(box.left, box.top, box.width, rowHeight));
        connect(check, &QCheckBox::toggled, this,
                [this] { runEventHandler([this] { refresh(); }); });
        m_conditions.push_back(check);
    }
}

void HandWindow::createHandArea()
{
    createLabel(this, QStringLiteral("HandLabel"), QStringLiteral("Your hand"),
                twipsRect(areaLeft, 3720, 4200, 255));
    m_clear = createCommandButton(this, QStringLiteral("ClearHand"), QStringLiteral("Clear hand"),
                                  twipsRect(7320, 3645, 1560, 345), [this] { ClearHand_Click(); });
    m_clear->setToolTip(QStringLiteral("Takes every tile out of the hand"));
    m_handArea = new TileArea(this, QStringLiteral("HandTile"),
                              QRect(areaLeft, handTop, areaWidth, handHeight));
    m_handArea->setObjectName(QStringLiteral("HandTiles"));
    m_handArea->setAccessibleName(QStringLiteral("Your hand"));
    connect(m_handArea, &TileArea::clicked, this,
            [this](int slot) { runEventHandler([this, slot] { HandTile_Click(slot); }); });
}

void HandWindow::createResult()
{
    auto* result = new ExplainedLabel(this, [this] { return workingText(); });
    result->setObjectName(QStringLiteral("HandResult"));
    result->setGeometry(twipsRect(areaLeft, resultTop, areaWidth, resultHeight));
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setTextFormat(Qt::PlainText);
    result->setWordWrap(true);
    m_result = result;
    m_waitsArea = new QWidget(this);
    m_waitsArea->setObjectName(QStringLiteral("Waits"));
    m_waitsArea->setAccessibleName(QStringLiteral("Waits"));
    m_waitsArea->setGeometry(twipsRect(areaLeft, waitsTop, areaWidth, waitsHeight));
}

void HandWindow::createButtons()
{
    m_fillCalculator = createCommandButton(
        this, QStringLiteral("FillCalculator"), QStringLiteral("Fill in the calculator"),
        twipsRect(3480, 7200, 2640, 375), [this] { FillCalculator_Click(); });
    m_fillFanCounter = createCommandButton(
        this, QStringLiteral("FillFanCounter"), QStringLiteral("Fill in the fan counter"),
        twipsRect(6240, 7200, 2640, 375), [this] { FillFanCounter_Click(); });
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

void HandWindow::HandText_Change()
{
    const QString text = m_text->text();
    if (text.trimmed().isEmpty()) {
        m_hand = {};
        m_textReads = true;
    } else {
        hand::ParsedHand parsed = hand::parseHand(text.toStdString(), hand::WinningTile::Optional);
        m_textReads = parsed.error.empty();
        // Text that does not read leaves the pictures as they were; the clicks work on them.
        if (m_textReads)
            m_hand = std::move(parsed.hand);
        else
            m_error = std::move(parsed.error);
    }
    refresh();
}

void HandWindow::rewrite(const hand::Hand& hand)
{
    m_hand = hand;
    const QString text = QString::fromStdString(hand::writeHand(hand));
    if (m_text->text() != text)
        m_text->setText(text); // its change handling reads it back and shows it
    else {
        m_textReads = true;
        refresh();
    }
}

void HandWindow::Palette_Click(int tile)
{
    hand::Hand next = m_hand;
    if (tile >= hand::faceCount) {
        next.bonus[tile - hand::faceCount] = true;
    } else {
        switch (mode()) {
        case Mode::Tile:
            ++next.concealed[tile];
            break;
        case Mode::Chow:
            next.declared.push_back({SetKind::Chow, tile, false});
            break;
        case Mode::Pong:
            next.declared.push_back({SetKind::Pong, tile, false});
            break;
        case Mode::Kong:
            next.declared.push_back({SetKind::Kong, tile, false});
            break;
        case Mode::ConcealedKong:
            next.declared.push_back({SetKind::Kong, tile, true});
            break;
        case Mode::Winning:
            next.winning = tile;
            break;
        }
    }
    rewrite(next);
}

void HandWindow::HandTile_Click(int slot)
{
    const hand::Picture tile = m_handTileMeaning[slot];
    const bool focused = m_handArea->tile(slot)->hasFocus();
    hand::Hand next = m_hand;
    switch (tile.kind) {
    case hand::Picture::Kind::Concealed:
        --next.concealed[tile.face];
        break;
    case hand::Picture::Kind::Declared:
        next.declared.erase(next.declared.begin() + tile.index);
        break;
    case hand::Picture::Kind::Bonus:
        next.bonus[tile.index] = false;
        break;
    case hand::Picture::Kind::Winning:
        next.winning.reset();
        break;
    }
    rewrite(next);
    // The keyboard stays in the hand, on the tile that took the place of the one taken out.
    if (focused) {
        const int shown = m_handArea->shownCount();
        if (shown > 0)
            m_handArea->tile(std::min(slot, shown - 1))->setFocus(Qt::TabFocusReason);
        else
            m_text->setFocus(Qt::TabFocusReason);
    }
}

void HandWindow::Wait_Click(int slot)
{
    const bool focused = m_waitTiles[slot]->hasFocus();
    hand::Hand next = m_hand;
    next.winning = m_waits.waits[slot].face;
    rewrite(next);
    if (focused) {
        for (std::size_t i = 0; i < m_handTileMeaning.size(); ++i) {
            if (m_handTileMeaning[i].kind == hand::Picture::Kind::Winning)
                m_handArea->tile(int(i))->setFocus(Qt::TabFocusReason);
        }
    }
}

void HandWindow::ClearHand_Click()
{
    rewrite({});
}

void HandWindow::FillCalculator_Click()
{
    if (m_state == State::Finished && m_calculatorAvailable)
        emit fillCalculatorRequested(m_scored.boxes, m_scored.flowers);
}

void HandWindow::FillFanCounter_Click()
{
    if (m_state == State::Finished)
        emit fillFanCounterRequested(m_scored.fanTiles, m_scored.fanBoxes);
}

void HandWindow::refresh()
{
    m_shownTableLimit = enteredTableLimit();
    recount();
    showHand();
    showResult();
    showWaits();
    updatePalette();
    updateButtons();
    updateTabOrder();
}

void HandWindow::recount()
{
    if (!m_textReads) {
        m_state = State::Refused;
        return;
    }
    if (isEmpty(m_hand)) {
        m_state = State::Empty;
        return;
    }
    const hand::Conditions now = conditions();
    // Without a winning tile, 13 tiles wait and fewer are on their way; 14 or more want one.
    if (m_hand.winning || hand::handSize(m_hand) > 13) {
        m_scored = hand::scoreHand(m_hand, now);
        m_error = m_scored.error;
        m_state = m_error.empty() ? State::Finished : State::Refused;
        return;
    }
    m_waits = hand::findWaits(m_hand, now);
    m_error = m_waits.error;
    if (!m_error.empty())
        m_state = State::Refused;
    else
        m_state = m_waits.ready() ? State::Waiting : State::NotReady;
}

void HandWindow::showHand()
{
    // The hand's tiles are named after the score: the winning tile says what it completed.
    const hand::Reading* reading = m_state == State::Finished ? &m_scored.reading : nullptr;
    TileArea::Groups groups;
    m_handTileMeaning.clear();
    for (const std::vector<hand::Picture>& group : hand::pictureGroups(m_hand)) {
        std::vector<TileArea::Tile>& tiles = groups.emplace_back();
        for (const hand::Picture& picture : group) {
            const QString name =
                QString::fromStdString(hand::pictureName(m_hand, picture, reading));
            tiles.push_back({QString::fromStdString(hand::pictureImage(picture)),
                             picture.kind == hand::Picture::Kind::Winning, name,
                             picture.kind == hand::Picture::Kind::Declared
                                 ? name + QStringLiteral("\nA click takes the set out of the hand.")
                                 : name + QStringLiteral("\nA click takes it out of the hand.")});
            m_handTileMeaning.push_back(picture);
        }
    }
    m_handArea->showTiles(groups);
}

void HandWindow::showResult()
{
    m_result->setText(resultText());
}

QString HandWindow::resultText() const
{
    switch (m_state) {
    case State::Empty:
        return QStringLiteral("Click the tiles of your hand, or type them: 123m 456p 789s 1z "
                              "[555z] +1z");
    case State::Refused:
        return QString::fromStdString(m_error);
    case State::NotReady:
        return QStringLiteral("not ready: no tile makes 4 sets and a pair");
    case State::Waiting:
        return QStringLiteral("Ready: %1 %2. Under each, its Zorvan! Points on a discard, then "
                              "self-picked; click one to win on it.")
            .arg(m_waits.waits.size())
            .arg(m_waits.waits.size() == 1 ? QStringLiteral("tile wins")
                                           : QStringLiteral("tiles win"));
    case State::Finished:
        break;
    }

    const hand::Reading& reading = m_scored.reading;
    QStringList sets;
    for (std::size_t i = 0; i < reading.sets.size(); ++i) {
        const hand::ReadSet& set = reading.sets[i];
        QString tiles = QString::fromStdString(hand::setText(set.kind, set.first));
        if (set.declared)
            tiles =
                set.open ? QStringLiteral("[%1]").arg(tiles) : QStringLiteral("(%1)").arg(tiles);
        QString text = QStringLiteral("%1 %2 %3")
                           .arg(QLatin1String(hand::kindName(set.kind)), tiles,
                                set.open ? QStringLiteral("exposed") : QStringLiteral("concealed"));
        if (int(i) == reading.winningGroup)
            text += QStringLiteral(" (won on %1)").arg(notation(*m_scored.hand.winning));
        sets << text;
    }
    QString readingLine = QStringLiteral("Read as %1; pair %2")
                              .arg(sets.join(QStringLiteral(", ")),
                                   QString::fromStdString(hand::pairText(reading.pair)));
    if (reading.winningGroup < 0)
        readingLine += QStringLiteral(" (won on %1)").arg(notation(reading.pair));
    if (m_scored.readings > 1)
        readingLine += QStringLiteral(", the best of %1 readings").arg(m_scored.readings);

    const std::int32_t limit = conditions().tablelimit;
    const QString limitNote = enteredTableLimit()
                                  ? QStringLiteral("table limit %1").arg(limit)
                                  : QStringLiteral("table limit %1: none entered in the "
                                                   "calculator")
                                        .arg(limit);
    const QString fans = m_scored.maximum ? QStringLiteral("fans: maximum")
                                          : QStringLiteral("%1 fans").arg(m_scored.fans);
    QString worthLine;
    if (m_scored.overflow)
        worthLine =
            QStringLiteral("Your hand is worth more than the calculator can count, %1").arg(fans);
    else
        worthLine = QStringLiteral("Your hand is worth %1, Zorvan! Points %2 (%3), %4")
                        .arg(m_scored.count)
                        .arg(m_scored.value)
                        .arg(limitNote, fans);
    return readingLine + QLatin1Char('\n') + worthLine;
}

QString HandWindow::workingText() const
{
    if (m_state != State::Finished)
        return {};
    return workingSections({{QStringLiteral("Your hand is worth"), &m_scored.countWorking},
                            {QStringLiteral("Zorvan! Points"), &m_scored.valueWorking},
                            {QStringLiteral("Fans"), &m_scored.fanWorking}});
}

void HandWindow::showWaits()
{
    const bool waiting = m_state == State::Waiting;
    m_waitsArea->setVisible(waiting);
    const int count = waiting ? int(m_waits.waits.size()) : 0;
    const int pitch = count > 0 ? std::min(waitPitch, areaWidth / count) : waitPitch;
    for (int slot = 0; slot < count; ++slot) {
        const hand::Wait& wait = m_waits.waits[slot];
        TileLabel* tile = waitLabel(slot);
        QLabel* value = m_waitValues[slot];
        const int left = pitch * slot;
        tile->setObjectName(QStringLiteral("Wait_%1").arg(notation(wait.face)));
        tile->setGeometry(twipsRect(left + (pitch - tileWidth) / 2, 0, tileWidth, tileHeight));
        tile->setPixmap(tileImage(imageName(wait.face), false, tile->size(), devicePixelRatioF()));
        const QString name =
            QStringLiteral("%1 wins %2 on a discard, %3 self-picked")
                .arg(spoken(wait.face), worthText(wait.discard), worthText(wait.selfDrawn));
        tile->setAccessibleName(name);
        tile->setToolTip(QStringLiteral("%1\n%2\n%3\nA click makes it the winning tile.")
                             .arg(spoken(wait.face),
                                  worthDetail(QStringLiteral("On a discard"), wait.discard),
                                  worthDetail(QStringLiteral("Self-picked"), wait.selfDrawn)));
        value->setObjectName(QStringLiteral("WaitValue_%1").arg(notation(wait.face)));
        value->setGeometry(twipsRect(left, tileHeight + waitValueGap, pitch, waitValueHeight));
        value->setText(
            QStringLiteral("%1\n%2").arg(shortWorth(wait.discard), shortWorth(wait.selfDrawn)));
        tile->show();
        value->show();
    }
    for (std::size_t slot = count; slot < m_waitTiles.size(); ++slot) {
        m_waitTiles[slot]->hide();
        m_waitValues[slot]->hide();
    }
}

TileLabel* HandWindow::waitLabel(int slot)
{
    while (int(m_waitTiles.size()) <= slot) {
        const int next = int(m_waitTiles.size());
        auto* tile = new TileLabel(m_waitsArea);
        connect(tile, &TileLabel::clicked, this,
                [this, next] { runEventHandler([this, next] { Wait_Click(next); }); });
        m_waitTiles.push_back(tile);
        auto* value = new QLabel(m_waitsArea);
        value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        value->setTextFormat(Qt::PlainText);
        m_waitValues.push_back(value);
    }
    return m_waitTiles[slot];
}

void HandWindow::updatePalette()
{
    const hand::detail::Counts held = hand::detail::allTiles(m_hand);
    const Mode current = mode();
    const bool roomForASet = m_hand.declared.size() < 4;
    for (Face face = 0; face < hand::faceCount; ++face) {
        bool enabled = false;
        switch (current) {
        case Mode::Tile:
            enabled = held[face] < 4;
            break;
        case Mode::Chow:
            enabled = roomForASet && hand::detail::canStartChow(face) && held[face] < 4 &&
                      held[face + 1] < 4 && held[face + 2] < 4;
            break;
        case Mode::Pong:
            enabled = roomForASet && held[face] <= 1;
            break;
        case Mode::Kong:
        case Mode::ConcealedKong:
            enabled = roomForASet && held[face] == 0;
            break;
        case Mode::Winning:
            enabled = held[face] - (m_hand.winning == face ? 1 : 0) < 4;
            break;
        }
        m_palette[face]->setEnabled(enabled);
    }
    for (int bonus = 0; bonus < hand::bonusCount; ++bonus)
        m_palette[hand::faceCount + bonus]->setEnabled(current == Mode::Tile &&
                                                       !m_hand.bonus[bonus]);
}

void HandWindow::updateButtons()
{
    const bool finished = m_state == State::Finished;
    m_fillCalculator->setEnabled(finished && m_calculatorAvailable);
    m_fillCalculator->setToolTip(
        !m_calculatorAvailable ? QStringLiteral("The calculator window has been closed.")
        : finished             ? QStringLiteral("Ticks the calculator's sheet for this hand.")
                               : noFinishedHand());
    m_fillFanCounter->setEnabled(finished);
    m_fillFanCounter->setToolTip(finished ? QStringLiteral("Clears the fan counter and "
                                                           "selects this hand's tiles and boxes.")
                                          : noFinishedHand());
}

void HandWindow::updateTabOrder()
{
    // As the window reads: the text, the palette row by row, the modes, the conditions, the
    // hand, the waits, the buttons.
    std::vector<QWidget*> order{m_text};
    order.insert(order.end(), m_palette.begin(), m_palette.end());
    for (QAbstractButton* button : m_modes->buttons())
        order.push_back(button);
    order.push_back(m_seat);
    order.push_back(m_round);
    order.insert(order.end(), m_conditions.begin(), m_conditions.end());
    order.push_back(m_clear);
    order.insert(order.end(), m_handArea->pictures().begin(), m_handArea->pictures().end());
    order.insert(order.end(), m_waitTiles.begin(), m_waitTiles.end());
    order.push_back(m_fillCalculator);
    order.push_back(m_fillFanCounter);
    setTabChain(order);
}

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
#include "translated.h"
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
    return translated(hand::spokenFace(face));
}

QString notation(Face face)
{
    return QString::fromStdString(hand::faceText(face));
}

bool isEmpty(const hand::Hand& hand)
{
    return hand == hand::Hand{};
}

// Beneath a wait's picture, where a sentence has no room.
QString shortWorth(const hand::Worth& worth)
{
    return worth.overflow ? HandWindow::tr("overflow") : QString::number(worth.value);
}

// What a wait's tile wins, one way or the other; the fans are a noun phrase of their own.
QString worthDetail(bool selfDrawn, const hand::Worth& worth)
{
    const QString fans =
        worth.maximum ? HandWindow::tr("maximum fans") : HandWindow::tr("%1 fans").arg(worth.fans);
    if (worth.overflow)
        return (selfDrawn
                    ? HandWindow::tr("Self-picked: worth more than the calculator can count, %1")
                    : HandWindow::tr("On a discard: worth more than the calculator can "
                                     "count, %1"))
            .arg(fans);
    return (selfDrawn ? HandWindow::tr("Self-picked: count %1, %2 Zorvan! Points, %3")
                      : HandWindow::tr("On a discard: count %1, %2 Zorvan! Points, %3"))
        .arg(worth.count)
        .arg(worth.value)
        .arg(fans);
}

QString noFinishedHand()
{
    return HandWindow::tr("Needs a finished hand: 4 sets and a pair with its winning tile.");
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
    {HandWindow::Mode::Tile, "ModeTile", QT_TRANSLATE_NOOP("HandWindow", "Tile"), firstColumn, 840,
     firstColumnWidth},
    {HandWindow::Mode::Chow, "ModeChow", QT_TRANSLATE_NOOP("HandWindow", "Chow"), firstColumn, 1155,
     firstColumnWidth},
    {HandWindow::Mode::Pong, "ModePong", QT_TRANSLATE_NOOP("HandWindow", "Pong"), firstColumn, 1470,
     firstColumnWidth},
    {HandWindow::Mode::Kong, "ModeKong", QT_TRANSLATE_NOOP("HandWindow", "Kong"), secondColumn, 840,
     secondColumnWidth},
    {HandWindow::Mode::ConcealedKong, "ModeConcealedKong",
     QT_TRANSLATE_NOOP("HandWindow", "Concealed kong"), secondColumn, 1155, secondColumnWidth},
    {HandWindow::Mode::Winning, "ModeWinning", QT_TRANSLATE_NOOP("HandWindow", "Winning tile"),
     secondColumn, 1470, secondColumnWidth},
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
    {"SelfDrawn", QT_TRANSLATE_NOOP("HandWindow", "Self-picked"), &hand::Conditions::selfDrawn,
     firstColumn, 2730, firstColumnWidth},
    {"SupplementTile", QT_TRANSLATE_NOOP("HandWindow", "Supplement tile"),
     &hand::Conditions::supplement, secondColumn, 2730, secondColumnWidth},
    {"LastTile", QT_TRANSLATE_NOOP("HandWindow", "Last tile"), &hand::Conditions::lastTile,
     firstColumn, 3030, firstColumnWidth},
    {"RobbingKong", QT_TRANSLATE_NOOP("HandWindow", "Robbing a kong"),
     &hand::Conditions::robbingKong, secondColumn, 3030, secondColumnWidth},
    {"NoFaTable", QT_TRANSLATE_NOOP("HandWindow", "NO FA table"), &hand::Conditions::noFaTable,
     secondColumn, 3330, secondColumnWidth},
}};

} // namespace

HandWindow::HandWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("HandForm"));
    m_scale = designScale();

    createTextLine();
    createPalette();
    createModes();
    createConditions();
    createHandArea();
    createResult();
    createButtons();
    resize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));

    retranslate();
    m_text->setFocus();
}

void HandWindow::retranslate()
{
    setWindowTitle(tr("Hand from tiles"));
    for (const auto& [label, caption] : m_captions)
        label->setText(translated("HandWindow", caption));
    m_text->setAccessibleName(tr("Hand in tiles"));
    m_text->setToolTip(tr("The hand in tiles: 123m 456p 789s 1z [555z] 2f +1z. [ ] an exposed set, "
                          "( ) a concealed kong, + the winning tile; m characters, p dots, s "
                          "bamboo, z winds and dragons, f flowers, y seasons."));
    for (int tile = 0; tile < paletteCount; ++tile) {
        const bool bonus = tile >= hand::faceCount;
        const int number = bonus ? tile - hand::faceCount : tile;
        const QString written =
            QString::fromStdString(bonus ? hand::bonusText(number) : hand::faceText(number));
        const QString name =
            translated(bonus ? hand::spokenBonus(number) : hand::spokenFace(number));
        m_palette[tile]->setAccessibleName(name);
        m_palette[tile]->setToolTip(tr("%1 (%2)").arg(name, written));
    }
    for (std::size_t i = 0; i < modeButtons.size(); ++i) {
        QAbstractButton* button = m_modes->button(static_cast<int>(modeButtons[i].mode));
        button->setText(translated("HandWindow", modeButtons[i].caption));
        button->setAccessibleDescription(tr("What a click on a palette tile adds"));
    }
    const QStringList winds{tr("East"), tr("South"), tr("West"), tr("North")};
    for (QComboBox* combo : {m_seat, m_round}) {
        for (int wind = 0; wind < int(winds.size()); ++wind)
            combo->setItemText(wind, winds[wind]);
    }
    m_seat->setAccessibleName(tr("Seat wind"));
    m_round->setAccessibleName(tr("Prevailing wind"));
    for (std::size_t i = 0; i < conditionChecks.size(); ++i)
        m_conditions[i]->setText(translated("HandWindow", conditionChecks[i].caption));
    m_clear->setText(tr("Clear hand"));
    m_clear->setToolTip(tr("Takes every tile out of the hand"));
    m_handArea->setAccessibleName(tr("Your hand"));
    m_waitsArea->setAccessibleName(tr("Waits"));
    m_fillCalculator->setText(tr("Fill in the calculator"));
    m_fillFanCounter->setText(tr("Fill in the fan counter"));
    refresh();
}

void HandWindow::rescale()
{
    m_scale = designScale();
    rescaleDesigned(this);
    drawPalette();
    resize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    refresh();
}

void HandWindow::drawPalette()
{
    for (int tile = 0; tile < paletteCount; ++tile) {
        const bool bonus = tile >= hand::faceCount;
        const int number = bonus ? tile - hand::faceCount : tile;
        m_palette[tile]->setPixmap(tileImage(
            QString::fromStdString(bonus ? hand::bonusImage(number) : hand::faceImage(number)),
            false, m_palette[tile]->size(), devicePixelRatioF()));
    }
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
    if (event->type() == QEvent::LanguageChange) {
        runEventHandler([this] {
            retranslate();
            if (m_scale != designScale())
                rescale();
        });
    }
    QWidget::changeEvent(event);
}

void HandWindow::createTextLine()
{
    QLabel* caption =
        createLabel(this, QStringLiteral("HandTextLabel"), QString(), QRect(120, 165, 840, 255));
    m_captions.emplace_back(caption, QT_TRANSLATE_NOOP("HandWindow", "Hand"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("HandText"));
    placeInTwips(m_text, QRect(960, 120, 7920, 345));
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
        placeInTwips(label, QRect(left, paletteTop + paletteRowPitch * row, tileWidth, tileHeight));
        connect(label, &TileLabel::clicked, this,
                [this, tile] { runEventHandler([this, tile] { Palette_Click(tile); }); });
        m_palette.push_back(label);
    }
    drawPalette();
}

void HandWindow::createModes()
{
    m_captions.emplace_back(createLabel(this, QStringLiteral("ModeLabel"), QString(),
                                        QRect(firstColumn, paletteTop,
                                              secondColumn + secondColumnWidth - firstColumn, 255)),
                            QT_TRANSLATE_NOOP("HandWindow", "A click on a tile adds"));
    m_modes = new QButtonGroup(this);
    for (const ModeButton& mode : modeButtons) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QLatin1String(mode.name));
        placeInTwips(button, QRect(mode.left, mode.top, mode.width, rowHeight));
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
    auto createWind = [this](const QString& name, const char* caption, int top) {
        QLabel* label = createLabel(this, name + QStringLiteral("Label"), QString(),
                                    QRect(firstColumn, top + 45, firstColumnWidth, 255));
        m_captions.emplace_back(label, caption);
        auto* combo = new QComboBox(this);
        combo->setObjectName(name);
        // East, South, West, North; named in the player's language.
        combo->addItems({QString(), QString(), QString(), QString()});
        placeInTwips(combo, QRect(secondColumn, top, 1440, 345));
        label->setBuddy(combo);
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this] { runEventHandler([this] { refresh(); }); });
        return combo;
    };
    m_seat =
        createWind(QStringLiteral("SeatWind"), QT_TRANSLATE_NOOP("HandWindow", "Seat wind"), 1890);
    m_round = createWind(QStringLiteral("RoundWind"),
                         QT_TRANSLATE_NOOP("HandWindow", "Prevailing wind"), 2280);

    for (const ConditionCheck& box : conditionChecks) {
        auto* check = new QCheckBox(this);
        check->setObjectName(QLatin1String(box.name));
        placeInTwips(check, QRect(box.left, box.top, box.width, rowHeight));
        connect(check, &QCheckBox::toggled, this,
                [this] { runEventHandler([this] { refresh(); }); });
        m_conditions.push_back(check);
    }
}

void HandWindow::createHandArea()
{
    m_captions.emplace_back(
        createLabel(this, QStringLiteral("HandLabel"), QString(), QRect(areaLeft, 3720, 4200, 255)),
        QT_TRANSLATE_NOOP("HandWindow", "Your hand"));
    m_clear = createCommandButton(this, QStringLiteral("ClearHand"), QString(),
                                  QRect(7320, 3645, 1560, 345), [this] { ClearHand_Click(); });
    m_handArea = new TileArea(this, QStringLiteral("HandTile"),
                              QRect(areaLeft, handTop, areaWidth, handHeight));
    m_handArea->setObjectName(QStringLiteral("HandTiles"));
    connect(m_handArea, &TileArea::clicked, this,
            [this](int slot) { runEventHandler([this, slot] { HandTile_Click(slot); }); });
}

void HandWindow::createResult()
{
    auto* result = new ExplainedLabel(this, [this] { return workingText(); });
    result->setObjectName(QStringLiteral("HandResult"));
    placeInTwips(result, QRect(areaLeft, resultTop, areaWidth, resultHeight));
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setTextFormat(Qt::PlainText);
    result->setWordWrap(true);
    m_result = result;
    m_waitsArea = new QWidget(this);
    m_waitsArea->setObjectName(QStringLiteral("Waits"));
    placeInTwips(m_waitsArea, QRect(areaLeft, waitsTop, areaWidth, waitsHeight));
}

void HandWindow::createButtons()
{
    m_fillCalculator =
        createCommandButton(this, QStringLiteral("FillCalculator"), QString(),
                            QRect(3480, 7200, 2640, 375), [this] { FillCalculator_Click(); });
    m_fillFanCounter =
        createCommandButton(this, QStringLiteral("FillFanCounter"), QString(),
                            QRect(6240, 7200, 2640, 375), [this] { FillFanCounter_Click(); });
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
            const QString name = translated(hand::pictureName(m_hand, picture, reading));
            tiles.push_back({QString::fromStdString(hand::pictureImage(picture)),
                             picture.kind == hand::Picture::Kind::Winning, name,
                             picture.kind == hand::Picture::Kind::Declared
                                 ? tr("%1\nA click takes the set out of the hand.").arg(name)
                                 : tr("%1\nA click takes it out of the hand.").arg(name)});
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
        return tr("Click the tiles of your hand, or type them: 123m 456p 789s 1z [555z] +1z");
    case State::Refused:
        return translated(m_error);
    case State::NotReady:
        return tr("not ready: no tile makes 4 sets and a pair");
    case State::Waiting:
        if (m_waits.waits.size() == 1)
            return tr("Ready: 1 tile wins. Under each, its Zorvan! Points on a discard, then "
                      "self-picked; click one to win on it.");
        return tr("Ready: %1 tiles win. Under each, its Zorvan! Points on a discard, then "
                  "self-picked; click one to win on it.")
            .arg(m_waits.waits.size());
    case State::Finished:
        break;
    }

    // A set in words, by kind and whether it is exposed: "pong 222z exposed".
    static constexpr std::array<std::array<const char*, 2>, 3> setWords{{
        {QT_TRANSLATE_NOOP("HandWindow", "chow %1 exposed"),
         QT_TRANSLATE_NOOP("HandWindow", "chow %1 concealed")},
        {QT_TRANSLATE_NOOP("HandWindow", "pong %1 exposed"),
         QT_TRANSLATE_NOOP("HandWindow", "pong %1 concealed")},
        {QT_TRANSLATE_NOOP("HandWindow", "kong %1 exposed"),
         QT_TRANSLATE_NOOP("HandWindow", "kong %1 concealed")},
    }};
    const hand::Reading& reading = m_scored.reading;
    QStringList sets;
    for (std::size_t i = 0; i < reading.sets.size(); ++i) {
        const hand::ReadSet& set = reading.sets[i];
        QString tiles = QString::fromStdString(hand::setText(set.kind, set.first));
        if (set.declared)
            tiles =
                set.open ? QStringLiteral("[%1]").arg(tiles) : QStringLiteral("(%1)").arg(tiles);
        QString text =
            translated("HandWindow", setWords[static_cast<std::size_t>(set.kind)][set.open ? 0 : 1])
                .arg(tiles);
        if (int(i) == reading.winningGroup)
            text = tr("%1 (won on %2)").arg(text, notation(*m_scored.hand.winning));
        sets << text;
    }
    QString pair = QString::fromStdString(hand::pairText(reading.pair));
    if (reading.winningGroup < 0)
        pair = tr("%1 (won on %2)").arg(pair, notation(reading.pair));
    const QString readingLine =
        m_scored.readings > 1
            ? tr("Read as %1; pair %2, the best of %3 readings")
                  .arg(sets.join(QStringLiteral(", ")), pair)
                  .arg(m_scored.readings)
            : tr("Read as %1; pair %2").arg(sets.join(QStringLiteral(", ")), pair);

    const std::int32_t limit = conditions().tablelimit;
    const QString limitNote = enteredTableLimit()
                                  ? tr("table limit %1").arg(limit)
                                  : tr("table limit %1: none entered in the calculator").arg(limit);
    QString worthLine;
    if (m_scored.overflow)
        worthLine = m_scored.maximum
                        ? tr("Your hand is worth more than the calculator can count, fans: maximum")
                        : tr("Your hand is worth more than the calculator can count, %1 fans")
                              .arg(m_scored.fans);
    else if (m_scored.maximum)
        worthLine = tr("Your hand is worth %1, Zorvan! Points %2 (%3), fans: maximum")
                        .arg(m_scored.count)
                        .arg(m_scored.value)
                        .arg(limitNote);
    else
        worthLine = tr("Your hand is worth %1, Zorvan! Points %2 (%3), %4 fans")
                        .arg(m_scored.count)
                        .arg(m_scored.value)
                        .arg(limitNote)
                        .arg(m_scored.fans);
    return readingLine + QLatin1Char('\n') + worthLine;
}

QString HandWindow::workingText() const
{
    if (m_state != State::Finished)
        return {};
    return workingSections({{tr("Your hand is worth"), &m_scored.countWorking},
                            {QStringLiteral("Zorvan! Points"), &m_scored.valueWorking},
                            {tr("Fans"), &m_scored.fanWorking}});
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
        const QString beyond = tr("more than the calculator can count");
        const QString discard =
            wait.discard.overflow ? beyond : QString::number(wait.discard.value);
        const QString selfDrawn =
            wait.selfDrawn.overflow ? beyond : QString::number(wait.selfDrawn.value);
        tile->setAccessibleName(tr("%1 wins %2 on a discard, %3 self-picked")
                                    .arg(spoken(wait.face), discard, selfDrawn));
        tile->setToolTip(tr("%1\n%2\n%3\nA click makes it the winning tile.")
                             .arg(spoken(wait.face), worthDetail(false, wait.discard),
                                  worthDetail(true, wait.selfDrawn)));
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

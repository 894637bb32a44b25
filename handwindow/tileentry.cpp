#include "tileentry.h"

#include <algorithm>

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls.h"
#include "handdesign.h"
#include "messages.h"
#include "throwview.h"
#include "tilearea.h"
#include "tileimages.h"
#include "tilelabel.h"
#include "translated.h"
#include "twips.h"

using namespace handdesign;

// Every text of the hand window is translated in its context, "HandWindow", whichever part
// writes it.

TileEntry::TileEntry(QWidget* window) : QObject(window), m_window(window)
{
    createTextLine();
    createPalette();
    createModes();
}

void TileEntry::createTextLine()
{
    QLabel* caption =
        createLabel(m_window, QStringLiteral("HandTextLabel"), QString(), typedTextCaption);
    m_captions.emplace_back(caption, QT_TRANSLATE_NOOP("HandWindow", "Hand"));
    m_text = new QLineEdit(m_window);
    m_text->setObjectName(QStringLiteral("HandText"));
    placeInTwips(m_text, typedText);
    caption->setBuddy(m_text);
    connect(m_text, &QLineEdit::textChanged, this,
            [this] { runEventHandler([this] { HandText_Change(); }); });
}

void TileEntry::createPalette()
{
    for (int tile = 0; tile < hand::paletteSize; ++tile) {
        auto* label = new TileLabel(m_window);
        label->setObjectName(
            QStringLiteral("Palette_%1").arg(QString::fromStdString(hand::paletteText(tile))));
        placeInTwips(label, paletteTile(tile));
        connect(label, &TileLabel::clicked, this,
                [this, tile] { runEventHandler([this, tile] { Palette_Click(tile); }); });
        m_palette.push_back(label);
    }
    drawPalette();
}

void TileEntry::createModes()
{
    m_captions.emplace_back(
        createLabel(m_window, QStringLiteral("ModeLabel"), QString(), modeCaption),
        QT_TRANSLATE_NOOP("HandWindow", "A click on a tile adds"));
    m_modes = new QButtonGroup(this);
    for (const ModeButton& mode : modeButtons) {
        auto* button = new QRadioButton(m_window);
        button->setObjectName(QLatin1String(mode.name));
        placeInTwips(button, QRect(mode.left, mode.top, mode.width, rowHeight));
        m_modes->addButton(button, static_cast<int>(mode.mode));
    }
    m_modes->button(static_cast<int>(hand::EntryMode::Tile))->setChecked(true);
    connect(m_modes, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            runEventHandler([this] { updatePalette(); });
    });
}

void TileEntry::createHandArea()
{
    m_captions.emplace_back(
        createLabel(m_window, QStringLiteral("HandLabel"), QString(), handCaption),
        QT_TRANSLATE_NOOP("HandWindow", "Your hand"));
    m_clear = createCommandButton(m_window, QStringLiteral("ClearHand"), QString(), clearButton,
                                  [this] { ClearHand_Click(); });
    m_handArea = new TileArea(m_window, QStringLiteral("HandTile"), handArea);
    m_handArea->setObjectName(QStringLiteral("HandTiles"));
    connect(m_handArea, &TileArea::clicked, this,
            [this](int slot) { runEventHandler([this, slot] { HandTile_Click(slot); }); });
}

void TileEntry::retranslate()
{
    for (const auto& [label, caption] : m_captions)
        label->setText(translated("HandWindow", caption));
    m_text->setAccessibleName(
        translated("HandWindow", QT_TRANSLATE_NOOP("HandWindow", "Hand in tiles")));
    m_text->setToolTip(translated(
        "HandWindow",
        QT_TRANSLATE_NOOP(
            "HandWindow",
            "The hand in tiles: 123m 456p 789s 1z [555z] 2f +1z. [ ] an exposed set, ( ) "
            "a concealed kong, + the winning tile; m characters, p dots, s bamboo, z "
            "winds and dragons, f flowers, y seasons.")));
    for (int tile = 0; tile < hand::paletteSize; ++tile) {
        const QString name = translated(hand::spokenPaletteTile(tile));
        m_palette[tile]->setAccessibleName(name);
        m_palette[tile]->setToolTip(
            translated("HandWindow", QT_TRANSLATE_NOOP("HandWindow", "%1 (%2)"))
                .arg(name, QString::fromStdString(hand::paletteText(tile))));
    }
    for (const ModeButton& mode : modeButtons) {
        QAbstractButton* button = m_modes->button(static_cast<int>(mode.mode));
        button->setText(translated("HandWindow", mode.caption));
        button->setAccessibleDescription(translated(
            "HandWindow", QT_TRANSLATE_NOOP("HandWindow", "What a click on a palette tile adds")));
    }
    m_clear->setText(translated("HandWindow", QT_TRANSLATE_NOOP("HandWindow", "Clear hand")));
    m_clear->setToolTip(translated(
        "HandWindow", QT_TRANSLATE_NOOP("HandWindow", "Takes every tile out of the hand")));
    m_handArea->setAccessibleName(
        translated("HandWindow", QT_TRANSLATE_NOOP("HandWindow", "Your hand")));
}

void TileEntry::drawPalette()
{
    for (int tile = 0; tile < hand::paletteSize; ++tile)
        m_palette[tile]->setPixmap(tileImage(QString::fromStdString(hand::paletteImage(tile)),
                                             false, m_palette[tile]->size(),
                                             m_window->devicePixelRatioF()));
}

hand::EntryMode TileEntry::mode() const
{
    return static_cast<hand::EntryMode>(m_modes->checkedId());
}

std::vector<QWidget*> TileEntry::upperControls() const
{
    std::vector<QWidget*> controls{m_text};
    controls.insert(controls.end(), m_palette.begin(), m_palette.end());
    for (QAbstractButton* button : m_modes->buttons())
        controls.push_back(button);
    return controls;
}

std::vector<QWidget*> TileEntry::lowerControls() const
{
    std::vector<QWidget*> controls{m_clear};
    controls.insert(controls.end(), m_handArea->pictures().begin(), m_handArea->pictures().end());
    return controls;
}

void TileEntry::HandText_Change()
{
    hand::ParsedHand typed = hand::readTypedHand(m_text->text().toStdString());
    // Text that does not read leaves the pictures as they were; the clicks work on them.
    m_textError = std::move(typed.error);
    if (m_textError.empty())
        m_hand = std::move(typed.hand);
    emit changed();
}

void TileEntry::rewrite(const hand::Hand& hand)
{
    m_hand = hand;
    const QString text = QString::fromStdString(hand::writeHand(hand));
    if (m_text->text() != text) {
        m_text->setText(text); // its change handling reads it back
    } else {
        m_textError = {};
        emit changed();
    }
}

void TileEntry::apply(const hand::Edit& edit)
{
    if (edit.error.empty())
        rewrite(edit.hand);
}

void TileEntry::Palette_Click(int tile)
{
    apply(hand::addTile(m_hand, mode(), tile));
}

void TileEntry::HandTile_Click(int slot)
{
    const bool focused = m_handArea->tile(slot)->hasFocus();
    apply(hand::removeTile(m_hand, slot));
    // The keyboard stays in the hand, on the tile that took the place of the one taken out.
    if (focused) {
        const int shown = m_handArea->shownCount();
        if (shown > 0)
            m_handArea->tile(std::min(slot, shown - 1))->setFocus(Qt::TabFocusReason);
        else
            m_text->setFocus(Qt::TabFocusReason);
    }
}

void TileEntry::ClearHand_Click()
{
    rewrite({});
}

void TileEntry::makeWinning(hand::Face face, bool focusIt)
{
    apply(hand::addTile(m_hand, hand::EntryMode::Winning, face));
    if (!focusIt)
        return;
    // The winning tile's picture comes last.
    if (m_hand.winning && m_handArea->shownCount() > 0)
        m_handArea->tile(m_handArea->shownCount() - 1)->setFocus(Qt::TabFocusReason);
}

void TileEntry::showHand(const hand::Reading* reading, std::optional<hand::Face> bestThrow)
{
    TilePictureGroups pictures = hand::entryPictures(m_hand, reading);
    if (bestThrow)
        hand::markBestThrow(pictures, m_hand, *bestThrow);
    m_handArea->showTiles(pictures);
}

void TileEntry::throwTile(hand::Face face)
{
    if (const std::optional<int> slot = hand::concealedSlotOf(m_hand, face))
        apply(hand::removeTile(m_hand, *slot));
}

void TileEntry::updatePalette()
{
    const std::array<bool, hand::paletteSize> addable = hand::addableTiles(m_hand, mode());
    for (int tile = 0; tile < hand::paletteSize; ++tile)
        m_palette[tile]->setEnabled(addable[tile]);
}

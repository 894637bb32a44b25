// The tiles the page shows: their notation, their picture in the sprite (tiles.css) and the name
// a screen reader gives them, as the hand window names its palette.

import { QT_TRANSLATE_NOOP, trText } from "./i18n.js";

const suits = [
    { letter: "m", spoken: QT_TRANSLATE_NOOP("Hand", "Characters %1") },
    { letter: "p", spoken: QT_TRANSLATE_NOOP("Hand", "Dots %1") },
    { letter: "s", spoken: QT_TRANSLATE_NOOP("Hand", "Bamboo %1") },
];
const honours = [
    { image: "east", spoken: QT_TRANSLATE_NOOP("Hand", "East wind") },
    { image: "south", spoken: QT_TRANSLATE_NOOP("Hand", "South wind") },
    { image: "west", spoken: QT_TRANSLATE_NOOP("Hand", "West wind") },
    { image: "north", spoken: QT_TRANSLATE_NOOP("Hand", "North wind") },
    { image: "white", spoken: QT_TRANSLATE_NOOP("Hand", "White dragon") },
    { image: "green", spoken: QT_TRANSLATE_NOOP("Hand", "Green dragon") },
    { image: "red", spoken: QT_TRANSLATE_NOOP("Hand", "Red dragon") },
];
const flower = QT_TRANSLATE_NOOP("Hand", "Flower %1");
const season = QT_TRANSLATE_NOOP("Hand", "Season %1");

// The 34 faces in the notation's order, then the eight bonus tiles: {text, image, name()}.
export const paletteTiles = [
    ...suits.flatMap(suit => [1, 2, 3, 4, 5, 6, 7, 8, 9].map(rank => ({
        text: `${rank}${suit.letter}`, image: `${rank}${suit.letter}`,
        name: () => trText(suit.spoken, rank),
    }))),
    ...honours.map((honour, index) => ({
        text: `${index + 1}z`, image: honour.image, name: () => trText(honour.spoken),
    })),
    ...[1, 2, 3, 4].map(n => ({ text: `${n}f`, image: `flower${n}`, name: () => trText(flower, n), bonus: true })),
    ...[1, 2, 3, 4].map(n => ({ text: `${n}y`, image: `season${n}`, name: () => trText(season, n), bonus: true })),
];

// The palette's groups, as the hand window sets them in rows; a gap stands between the winds
// and the dragons, the flowers and the seasons.
export const paletteGroups = [
    { id: "Characters", caption: QT_TRANSLATE_NOOP("PhonePage", "Characters"), tiles: paletteTiles.slice(0, 9) },
    { id: "Dots", caption: QT_TRANSLATE_NOOP("PhonePage", "Dots"), tiles: paletteTiles.slice(9, 18) },
    { id: "Bamboo", caption: QT_TRANSLATE_NOOP("PhonePage", "Bamboo"), tiles: paletteTiles.slice(18, 27) },
    { id: "Honours", caption: QT_TRANSLATE_NOOP("PhonePage", "Winds and dragons"), tiles: paletteTiles.slice(27, 34), gapAfter: 4 },
    { id: "Bonus", caption: QT_TRANSLATE_NOOP("PhonePage", "Flowers and seasons"), tiles: paletteTiles.slice(34), gapAfter: 4 },
];

export function faceName(text) {
    return paletteTiles.find(tile => tile.text === text)?.name() ?? text;
}

export function imageOf(text) {
    return paletteTiles.find(tile => tile.text === text)?.image ?? text;
}

// A tile as a button showing its picture; `name` is what a screen reader says.
export function tileButton(image, name, id) {
    const button = document.createElement("button");
    button.type = "button";
    button.className = "tile";
    button.dataset.face = image;
    button.setAttribute("aria-label", name);
    if (id)
        button.id = id;
    return button;
}

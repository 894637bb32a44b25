// Tiles as the page shows them: a button with its picture from the one sprite (tiles.css, by the
// picture's base name: "5p", "east", "flower2") and the name a screen reader gives it.

import { QT_TRANSLATE_NOOP, phraseText } from "./i18n.js";

// The palette's groups over the engine's palette (the 34 faces, then the eight bonus tiles), as
// the hand window sets them in rows; a gap stands between the winds and the dragons, the
// flowers and the seasons. Presentation only: which tile is which is the engine's.
export const paletteGroups = [
    { id: "Characters", caption: QT_TRANSLATE_NOOP("PhonePage", "Characters"), first: 0, count: 9 },
    { id: "Dots", caption: QT_TRANSLATE_NOOP("PhonePage", "Dots"), first: 9, count: 9 },
    { id: "Bamboo", caption: QT_TRANSLATE_NOOP("PhonePage", "Bamboo"), first: 18, count: 9 },
    { id: "Honours", caption: QT_TRANSLATE_NOOP("PhonePage", "Winds and dragons"), first: 27, count: 7, gapAfter: 4 },
    { id: "Bonus", caption: QT_TRANSLATE_NOOP("PhonePage", "Flowers and seasons"), first: 34, count: 8, gapAfter: 4 },
];

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

// A tile's picture that does nothing when tapped.
function tilePicture(image, name, id) {
    const picture = document.createElement("span");
    picture.className = "tile";
    picture.dataset.face = image;
    picture.setAttribute("role", "img");
    picture.setAttribute("aria-label", name);
    picture.id = id;
    return picture;
}

// The pictures of a hand in their groups, as the engine lists them ({image, name, group,
// selected: the winning tile}); `click(index)` for a tap on one, or none.
export function showPictures(area, pictures, prefix, click) {
    area.replaceChildren();
    let group = null;
    let groupNumber = -1;
    pictures.forEach((picture, index) => {
        if (picture.group !== groupNumber) {
            group = document.createElement("span");
            group.className = "group";
            area.append(group);
            groupNumber = picture.group;
        }
        const name = phraseText(picture.name);
        const id = `${prefix}${index + 1}`;
        const tile = click ? tileButton(picture.image, name, id) : tilePicture(picture.image, name, id);
        if (picture.selected)
            tile.classList.add("winning");
        if (click)
            tile.addEventListener("click", () => click(index));
        group.append(tile);
    });
}

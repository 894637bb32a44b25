// What to throw from 14 tiles, shown in HandResult: the engine's throws (zorvan-hand
// --discards), best first, each a button (Throw_5p) that throws its tile, named for a screen
// reader in one sentence. Every figure is the engine's; this only lays them out.

import { phraseText, tr } from "./i18n.js";

// Each face in the notation ("5p") with its picture and its name in the page's language.
export function faceTable(engine) {
    const faces = new Map();
    for (const tile of engine.palette("", "tile"))
        faces.set(tile.tile, { image: tile.image, name: phraseText(tile.name) });
    return faces;
}

// The hand with one concealed tile of `face` thrown, or null: the picture whose removal leaves
// one picture fewer (a tile of a declared set would take its set along).
export function handAfterThrow(engine, hand, face) {
    const image = faceTable(engine).get(face).image;
    const pictures = engine.pictures(hand);
    for (let index = 0; index < pictures.length; ++index) {
        if (pictures[index].image !== image)
            continue;
        const edit = engine.editHand(hand, { remove: index });
        if (!edit.error && engine.pictures(edit.hand).length === pictures.length - 1)
            return edit.hand;
    }
    return null;
}

function awayText(away) {
    if (away === 0)
        return tr("PhonePage", "waiting");
    return away === 1 ? tr("PhonePage", "1 tile away") : tr("PhonePage", "%1 tiles away", away);
}

// The wait a waiting throw is ranked by: the one worth most on a discard, a count that
// overflows below every count, the first in tile order among equals.
function bestWait(waits) {
    let best = null;
    for (const wait of waits ?? []) {
        const rank = wait.discard.overflow ? -1 : wait.discard.value;
        if (best === null || rank > best.rank)
            best = { wait, rank };
    }
    return best?.wait ?? null;
}

function worthText(worth) {
    return worth.overflow ? tr("HandWindow", "overflow") : String(worth.value);
}

// The sentence a screen reader reads for a throw; `faces` names each tile ("Dots 5").
function throwSentence(throwing, best, faces) {
    const accepts = throwing.accepts.length === 0 ? tr("PhonePage", "no tile")
        : throwing.accepts.map(accept =>
            tr("PhonePage", "%1 (%2 left)", faces.get(accept.tile).name, accept.left)).join(", ");
    const total = throwing.accepted === 1 ? tr("PhonePage", "1 tile left in all")
        : tr("PhonePage", "%1 tiles left in all", throwing.accepted);
    const args = [faces.get(throwing.tile).name, awayText(throwing.away), accepts, total];
    const wait = bestWait(throwing.waits);
    if (!wait) {
        return best ? tr("PhonePage", "Best throw, %1: %2, accepting %3; %4.", ...args)
            : tr("PhonePage", "Throw %1: %2, accepting %3; %4.", ...args);
    }
    args.push(faces.get(wait.tile).name, worthText(wait.discard));
    return best
        ? tr("PhonePage", "Best throw, %1: %2, accepting %3; %4; the best wait, %5, is worth %6 on a discard.", ...args)
        : tr("PhonePage", "Throw %1: %2, accepting %3; %4; the best wait, %5, is worth %6 on a discard.", ...args);
}

function part(className, text) {
    const span = document.createElement("span");
    span.className = className;
    if (text !== undefined)
        span.textContent = text;
    return span;
}

function picture(image, small) {
    const tile = part(small ? "tile small" : "tile");
    tile.dataset.face = image;
    tile.setAttribute("aria-hidden", "true");
    return tile;
}

// The throws of `report` (the engine's discards answer) as elements for HandResult;
// `faces` maps a tile to its {image, name}, `throwTile(tile)` throws one.
export function throwsView(report, faces, throwTile) {
    const view = [];
    if (report.complete) {
        view.push(part("complete", tr("PhonePage",
            "The 14 tiles are four sets and a pair already: enter the tile drawn last as the winning tile to score them.")));
    }
    const list = document.createElement("div");
    list.id = "Throws";
    list.className = "throws";
    list.setAttribute("role", "group");
    list.setAttribute("aria-label", tr("PhonePage", "What to throw"));
    const caption = part("throws-caption", tr("PhonePage",
        "Tap the tile to throw, the best first: how far each leaves the hand from waiting, the tiles that bring it nearer with the copies of them left, and a waiting hand's best value on a discard."));
    report.discards.forEach((throwing, index) => {
        const row = document.createElement("button");
        row.type = "button";
        row.className = index === 0 ? "throw best" : "throw";
        row.id = `Throw_${throwing.tile}`;
        const sentence = throwSentence(throwing, index === 0, faces);
        row.setAttribute("aria-label", sentence);
        const accepts = part("accepts");
        for (const accept of throwing.accepts) {
            const one = part("accept");
            one.append(picture(faces.get(accept.tile).image, true), part("left", String(accept.left)));
            accepts.append(one);
        }
        row.append(picture(faces.get(throwing.tile).image, false),
            part("away", awayText(throwing.away)), accepts,
            part("accepted", `= ${throwing.accepted}`));
        const wait = bestWait(throwing.waits);
        if (wait)
            row.append(part("worth", worthText(wait.discard)));
        row.addEventListener("click", () => throwTile(throwing.tile));
        list.append(row);
    });
    view.push(caption, list);
    return view;
}

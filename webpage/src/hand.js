// The Hand screen: a hand entered from tiles, tapped or typed, scored as it is built, as the
// hand window does (its names: HandText, Palette_5p, ModeTile to ModeWinning, SeatWind,
// RoundWind, SelfDrawn and the other conditions, ClearHand, HandTiles, HandResult, Waits,
// Wait_5p, WaitValue_5p; for 14 tiles without a winning tile, the throws Throw_5p). Every
// edit, reading, result and sentence is the engine's; this shows them and collects taps.

import { showMessage } from "./dialog.js";
import { phraseLines, phraseText, tr } from "./i18n.js";
import { faceTable, handAfterThrow, throwsView } from "./throws.js";
import { paletteGroups, showPictures, tileButton } from "./tiles.js";

const winds = [["E", "East"], ["S", "South"], ["W", "West"], ["N", "North"]];
const conditionBoxes = [
    ["SelfDrawn", "self"], ["LastTile", "last"], ["SupplementTile", "supplement"],
    ["RobbingKong", "robbing"], ["NoFaTable", "nofa"],
];
const storedGroup = "zorvan-palette-group";

export class HandScreen {
    constructor(engine, screens) {
        this.engine = engine;
        this.screens = screens;
        this.sheet = screens.sheet;
        // The hand the pictures show: the last text that read, or what the taps built.
        this.hand = "";
        this.view = null;
        // What to throw, where the hand is 14 tiles without a winning tile; else null.
        this.throws = null;
        this.text = this.element("HandText");
        this.build();
    }

    element(id) {
        return document.getElementById(id);
    }

    build() {
        const suits = this.element("PaletteSuits");
        const groups = this.element("PaletteGroups");
        const palette = this.engine.palette("", "tile");
        for (const group of paletteGroups) {
            const tab = document.createElement("button");
            tab.type = "button";
            tab.id = `PaletteGroup_${group.id}`;
            tab.setAttribute("role", "tab");
            tab.setAttribute("aria-controls", `PaletteTiles_${group.id}`);
            tab.addEventListener("click", () => this.showGroup(group.id));
            suits.append(tab);
            const tiles = document.createElement("div");
            tiles.className = "palette-group" + (group.gapAfter ? " short" : "");
            tiles.id = `PaletteTiles_${group.id}`;
            tiles.setAttribute("role", "group");
            palette.slice(group.first, group.first + group.count).forEach((tile, index) => {
                if (index === group.gapAfter) {
                    const gap = document.createElement("span");
                    gap.className = "gap";
                    tiles.append(gap);
                }
                const button = tileButton(tile.image, "", `Palette_${tile.tile}`);
                button.addEventListener("click", () => this.Palette_Click(tile.tile));
                tiles.append(button);
            });
            groups.append(tiles);
        }
        let shown = "Characters";
        try {
            shown = sessionStorage.getItem(storedGroup) ?? shown;
        } catch {
            // The first group then.
        }
        this.showGroup(paletteGroups.some(group => group.id === shown) ? shown : "Characters");

        for (const select of [this.element("SeatWind"), this.element("RoundWind")]) {
            for (const [wind] of winds) {
                const option = document.createElement("option");
                option.value = wind;
                select.append(option);
            }
            select.addEventListener("change", () => this.refresh());
        }
        for (const [id] of conditionBoxes)
            this.element(id).addEventListener("change", () => this.refresh());
        for (const radio of document.querySelectorAll('input[name="mode"]'))
            radio.addEventListener("change", () => this.updatePalette());
        this.text.addEventListener("input", () => this.HandText_Change());
        this.element("ClearHand").addEventListener("click", () => this.rewrite(""));
        this.element("HandLimit").addEventListener("input", () => this.HandLimit_Change());
        this.element("ShareHand").addEventListener("click", () => this.share());
        this.element("FillCalculator").addEventListener("click", () => this.FillCalculator_Click());
        this.element("FillFanCounter").addEventListener("click", () => this.FillFanCounter_Click());
        this.retranslate();
    }

    // Narrow screens show one group of the palette at a time.
    showGroup(id) {
        for (const group of paletteGroups) {
            const shown = group.id === id;
            this.element(`PaletteGroup_${group.id}`).setAttribute("aria-selected", String(shown));
            this.element(`PaletteTiles_${group.id}`).classList.toggle("shown", shown);
        }
        try {
            sessionStorage.setItem(storedGroup, id);
        } catch {
            // Not kept for the next visit.
        }
    }

    retranslate() {
        for (const group of paletteGroups) {
            const caption = tr(group.caption.context, group.caption.source);
            this.element(`PaletteGroup_${group.id}`).textContent = caption;
            this.element(`PaletteTiles_${group.id}`).setAttribute("aria-label", caption);
        }
        for (const select of [this.element("SeatWind"), this.element("RoundWind")]) {
            [...select.options].forEach((option, index) => {
                option.textContent = tr("HandWindow", winds[index][1]);
            });
        }
        this.refresh();
    }

    mode() {
        return document.querySelector('input[name="mode"]:checked').value;
    }

    // The conditions as the hand window takes them; the table limit is the sheet's, 500 while
    // none is entered there.
    conditions() {
        const conditions = {
            seat: this.element("SeatWind").value,
            round: this.element("RoundWind").value,
        };
        for (const [id, key] of conditionBoxes)
            conditions[key] = this.element(id).checked;
        const limit = this.sheet.enteredLimit();
        if (limit !== 0)
            conditions.limit = limit;
        return conditions;
    }

    // A tap on a palette tile adds it as the mode says (a bonus tile as itself).
    Palette_Click(tile) {
        const edit = this.engine.editHand(this.hand, { mode: this.mode(), tile });
        if (edit.error) {
            showMessage(phraseText(edit.error));
            return;
        }
        this.rewrite(edit.hand);
    }

    // A tap on a tile of the hand takes it out (a declared set goes whole).
    HandTile_Click(index) {
        const edit = this.engine.editHand(this.hand, { remove: index });
        if (!edit.error)
            this.rewrite(edit.hand);
    }

    // A tap on a throw: the 13 tiles left, their waits as for any hand.
    Throw_Click(face) {
        const kept = handAfterThrow(this.engine, this.hand, face);
        if (kept !== null)
            this.rewrite(kept);
    }

    Wait_Click(face) {
        const edit = this.engine.editHand(this.hand, { mode: "winning", tile: face });
        if (!edit.error)
            this.rewrite(edit.hand);
    }

    // Writes the hand into the text box, which then shows and scores it.
    rewrite(hand) {
        this.text.value = hand;
        this.HandText_Change();
    }

    // What the player types is never rewritten while it is typed. Text that does not read
    // shows the engine's sentence and leaves the pictures as they were.
    HandText_Change() {
        this.refresh();
    }

    // The table limit is the sheet's: typed here, it is typed into the sheet's box.
    async HandLimit_Change() {
        await this.sheet.typeLimit(this.element("HandLimit").value);
    }

    tableLimitChanged() {
        const limit = this.element("HandLimit");
        if (document.activeElement !== limit)
            limit.value = this.sheet.text1.value;
        this.refresh();
    }

    // Whether typed text reads as a hand: an edit that changes nothing says why not.
    reads(text) {
        return !this.engine.editHand(text, { remove: -1 }).error;
    }

    refresh() {
        const conditions = this.conditions();
        if (this.reads(this.text.value))
            this.hand = this.text.value;
        try {
            this.view = this.engine.handView(this.text.value, conditions);
        } catch (error) {
            // Conditions the engine does not take (a table limit it cannot count under): its
            // sentence why, in place of a result.
            this.view = { state: "refused", lines: [{ plain: error.message }] };
        }
        // 14 tiles without a winning tile are no error: they are a hand to throw from.
        const throws = this.view.state === "refused"
            ? this.engine.discards(this.text.value, conditions) : null;
        this.throws = throws && !throws.error ? throws : null;
        this.showHand(this.view.state === "refused" ? {} : conditions);
        this.showResult();
        this.showWaits();
        this.updatePalette();
        this.updateButtons();
    }

    showHand(conditions) {
        const pictures = this.engine.pictures(this.hand, conditions);
        showPictures(this.element("HandTiles"), pictures, "HandTile",
            index => this.HandTile_Click(index));
    }

    showResult() {
        const view = this.view;
        const result = this.element("HandResult");
        const reading = this.element("HandReading");
        const working = this.element("HandWorking");
        const finished = view.state === "finished";
        working.hidden = !finished;
        // A list of throws is too long to keep in view over the screen: it scrolls with it.
        this.element("HandFigures").classList.toggle("unpinned", this.throws !== null);
        if (this.throws) {
            result.replaceChildren(...throwsView(this.throws, faceTable(this.engine),
                tile => this.Throw_Click(tile)));
            reading.textContent = "";
            this.element("HandWorkingText").textContent = "";
            return;
        }
        if (!finished || view.overflow) {
            result.textContent = phraseLines(finished ? view.lines.slice(1) : view.lines);
            reading.textContent = finished ? phraseText(view.lines[0]) : "";
            this.element("HandWorkingText").textContent = finished ? this.working() : "";
            return;
        }
        // The figures as numbers, kept in view; the reading and the worth in words below.
        const numbers = document.createElement("div");
        numbers.className = "numbers";
        const figure = (caption, value) => {
            const span = document.createElement("span");
            const bold = document.createElement("b");
            bold.textContent = value;
            span.append(`${caption} `, bold);
            return span;
        };
        numbers.append(
            figure("Zorvan! Points", view.value),
            figure(tr("HandWindow", "Your hand is worth"), view.count),
            figure(tr("HandWindow", "Fans"), view.maximum ? tr("HandWindow", "maximum fans") : view.fans));
        result.replaceChildren(numbers);
        reading.textContent = phraseLines(view.lines);
        this.element("HandWorkingText").textContent = this.working();
    }

    working() {
        const working = this.view.working;
        return [
            `${tr("HandWindow", "Your hand is worth")}:`, phraseLines(working.count), "",
            "Zorvan! Points:", phraseLines(working.value), "",
            `${tr("HandWindow", "Fans")}:`, phraseLines(working.fans),
        ].join("\n");
    }

    // A waiting hand's winning tiles, each with its Zorvan! Points on a discard, then
    // self-picked; a tap makes it the winning tile.
    showWaits() {
        const area = this.element("Waits");
        area.replaceChildren();
        const waits = this.view.state === "waiting" ? this.view.waits : [];
        area.hidden = waits.length === 0;
        for (const wait of waits) {
            const holder = document.createElement("div");
            holder.className = "wait";
            const tile = tileButton(wait.image, phraseText(wait.name), `Wait_${wait.tile}`);
            tile.addEventListener("click", () => this.Wait_Click(wait.tile));
            const value = document.createElement("span");
            value.className = "wait-value";
            value.id = `WaitValue_${wait.tile}`;
            value.textContent = `${phraseText(wait.short)}\n${phraseText(wait.shortSelfDrawn)}`;
            holder.append(tile, value);
            area.append(holder);
        }
    }

    // Palette tiles that the mode cannot add are greyed.
    updatePalette() {
        for (const tile of this.engine.palette(this.hand, this.mode())) {
            const button = this.element(`Palette_${tile.tile}`);
            button.disabled = !tile.addable;
            button.setAttribute("aria-label", phraseText(tile.name));
        }
    }

    updateButtons() {
        const finished = this.view.state === "finished";
        this.element("FillCalculator").disabled = !finished;
        this.element("FillFanCounter").disabled = !finished;
        this.element("ShareHand").disabled = this.hand.trim() === "";
    }

    FillCalculator_Click() {
        if (this.view.state !== "finished")
            return;
        this.sheet.fill(this.view.boxes, this.view.flowers);
        this.screens.show("Sheet");
    }

    FillFanCounter_Click() {
        if (this.view.state !== "finished")
            return;
        this.screens.fans.fill(this.view.fanTiles, this.view.fanBoxes);
        this.screens.show("Fans");
    }

    link() {
        const url = new URL(location.href);
        url.hash = this.engine.writeLink(this.hand, this.conditions());
        return url.href;
    }

    // The hand's link to the phone's share sheet, or copied where there is none.
    async share() {
        const note = this.element("ShareNote");
        const url = this.link();
        history.replaceState(null, "", url);
        note.textContent = "";
        if (navigator.share) {
            try {
                await navigator.share({ title: "Zorvan!", url });
                return;
            } catch (error) {
                if (error.name === "AbortError")
                    return;
            }
        }
        try {
            await navigator.clipboard.writeText(url);
            note.textContent = tr("PhonePage", "The link to this hand is copied.");
        } catch {
            note.textContent = url;
        }
    }

    // Opens the hand and the conditions of a link "#hand=...&seat=S..."; false when the link
    // names no hand.
    async openLink(hash) {
        if (!hash.startsWith("#hand="))
            return false;
        const read = this.engine.readLink(hash);
        if (read.error) {
            await showMessage(phraseText(read.error));
            return false;
        }
        const conditions = read.conditions;
        this.element("SeatWind").value = conditions.seat;
        this.element("RoundWind").value = conditions.round;
        for (const [id, key] of conditionBoxes)
            this.element(id).checked = conditions[key];
        // The hand is counted as the link says, under its table limit (500 where it names
        // none, as zorvan-hand counts it): typed into the sheet's box.
        await this.sheet.typeLimit(String(conditions.limit));
        this.rewrite(read.hand);
        return true;
    }
}

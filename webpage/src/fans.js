// The Fans screen: the fan counter's board of tiles, its condition boxes and its total. The
// controls carry the fan counter's names after "Form3_" (Form3_Picture1 to Form3_Picture23,
// Form3_Check1 to Form3_Check11, Form3_Label1 to Form3_Label21, Form3_Command1 and
// Form3_Command2), since the sheet has a Check1 and a Label8 of its own. The board, what a click
// selects, the count and the messages are the engine's.

import { showMessage } from "./dialog.js";
import { phraseLines, phraseText, tr } from "./i18n.js";
import { tileButton } from "./tiles.js";

// Where the window sets each box: under "Your Hand Contains", under "You MJ with", or apart
// (the table setting); and the "?" beside "MJ on Suplement tile". Presentation only.
const mahJongWith = new Set([10, 5, 8, 9]);
const hintBeside = 8;
const hintButton = 2;

export class FanBoard {
    constructor(engine) {
        this.engine = engine;
        this.onChange = () => {};
        const layout = engine.layout();
        this.rows = layout.fanRows;
        this.boxes = layout.fanBoxes;
        this.tiles = this.rows.flatMap(row => row.tiles);
        this.selected = []; // the selected tiles by Picture number
        this.working = [];
        this.build();
        this.Form_Load();
    }

    element(name) {
        return document.getElementById(`Form3_${name}`);
    }

    build() {
        const board = document.getElementById("FanBoard");
        for (const row of this.rows) {
            const line = document.createElement("div");
            line.className = "fan-row";
            const caption = document.createElement("span");
            caption.className = "caption";
            caption.id = `Form3_Label${row.label}`;
            caption.setAttribute("aria-hidden", "true");
            const tiles = document.createElement("div");
            tiles.className = "tiles";
            tiles.setAttribute("role", "group");
            for (const tile of row.tiles) {
                const button = tileButton(tile.face, "", `Form3_Picture${tile.picture}`);
                button.setAttribute("aria-pressed", "false");
                button.addEventListener("click", () => this.Picture_Click(tile.picture));
                tiles.append(button);
            }
            line.append(caption, tiles);
            board.append(line);
        }
        for (const box of this.boxes) {
            const line = document.createElement("div");
            line.className = "sheet-row";
            const caption = document.createElement("label");
            caption.className = "caption";
            caption.id = `Form3_Label${box.label}`;
            caption.htmlFor = `Form3_Check${box.check}`;
            const holder = document.createElement("span");
            holder.className = "boxes";
            const check = document.createElement("input");
            check.type = "checkbox";
            check.className = "box";
            check.id = `Form3_Check${box.check}`;
            check.addEventListener("change", () => this.Check_Click(box.check));
            holder.append(check);
            if (box.check === hintBeside) {
                const hint = document.createElement("button");
                hint.type = "button";
                hint.id = `Form3_Command${hintButton}`;
                hint.className = "hint";
                hint.textContent = "?";
                hint.addEventListener("click", () => this.show(this.engine.fanHint()));
                holder.append(hint);
            }
            line.append(caption, holder);
            const place = box.effect === "noFaTable" ? "FanTable"
                : mahJongWith.has(box.check) ? "FanWith" : "FanContains";
            document.getElementById(place).append(line);
        }
        this.element("Command1").addEventListener("click", () => this.Command1_Click());
        this.retranslate();
    }

    show(message) {
        return showMessage(phraseText(message.message), message.icon);
    }

    retranslate() {
        for (const row of this.rows) {
            this.element(`Label${row.label}`).textContent = phraseText(row.caption);
            this.element(`Picture${row.tiles[0].picture}`).parentElement
                .setAttribute("aria-label", phraseText(row.name));
        }
        for (const box of this.boxes)
            this.element(`Label${box.label}`).textContent = phraseText(box.caption);
        const supplement = this.boxes.find(box => box.check === hintBeside);
        this.element(`Command${hintButton}`).setAttribute("aria-label",
            tr("FanCounterWindow", "Hint on %1", phraseText(supplement.caption)));
        this.element("Command1").setAttribute("aria-label", tr("FanCounterWindow", "Clear all tiles and conditions"));
        this.showLooks();
        this.showWorking();
    }

    ticked() {
        return this.boxes.map(box => box.check).filter(check => this.element(`Check${check}`).checked)
            .sort((a, b) => a - b);
    }

    // Counts the board from scratch and shows the total.
    fantonen() {
        const result = this.engine.fans(this.selected, this.ticked());
        this.element("Label8").textContent = result.text;
        this.working = result.working;
        document.getElementById("FanAnnouncer").textContent =
            `${tr("FanCounterWindow", "Your FANS")} ${result.text.trim()}`;
        this.showWorking();
        this.onChange();
    }

    showWorking() {
        document.getElementById("FanWorkingText").textContent = phraseLines(this.working);
    }

    // Each tile's look and name follow its selection, never apart from it.
    showLooks() {
        for (const tile of this.tiles) {
            const selected = this.selected.includes(tile.picture);
            const button = this.element(`Picture${tile.picture}`);
            button.setAttribute("aria-pressed", String(selected));
            button.setAttribute("aria-label", phraseText(selected ? tile.nameSelected : tile.name));
        }
    }

    Form_Load() {
        this.fantonen();
    }

    Picture_Click(picture) {
        this.selected = this.engine.fanTileClick(this.selected, picture);
        this.showLooks();
        this.fantonen();
    }

    Check_Click(check) {
        const click = this.engine.fanBoxClick(check, this.element(`Check${check}`).checked);
        if (click.recount)
            this.fantonen();
        if (click.message)
            this.show(click);
    }

    // Every flag set, then every tile clicked in the order of its number, which leaves each
    // in its normal look; then the boxes the engine names cleared through their own click
    // handling.
    Command1_Click() {
        this.selected = this.tiles.map(tile => tile.picture).sort((a, b) => a - b);
        for (const picture of [...this.selected]) {
            this.selected = this.engine.fanTileClick(this.selected, picture);
            this.showLooks();
            this.fantonen();
        }
        for (const check of this.engine.clearFans(this.ticked()).untick) {
            this.element(`Check${check}`).checked = false;
            this.Check_Click(check);
        }
    }

    // Clears the board and selects a hand's tiles and boxes through their own clicks.
    fill(tiles, checks) {
        this.Command1_Click();
        for (const picture of tiles)
            this.Picture_Click(picture);
        for (const box of this.boxes) {
            const control = this.element(`Check${box.check}`);
            const wanted = checks.includes(box.check);
            if (control.checked !== wanted) {
                control.checked = wanted;
                this.Check_Click(box.check);
            }
        }
    }
}

// The Sheet screen: the calculator's hand sheet as one list of its rows, the table limit, East,
// the flowers and seasons counter, the hints and the two clear buttons, with the value and the
// count kept in view. The controls carry the calculator window's names (Text1, Check1 to
// Check72, Label1 to Label38, Command1 to Command7). The rows, every count, decision and
// message are the engine's; this keeps the sheet's state and runs the window's handlers in the
// window's order of events.

import { showMessage } from "./dialog.js";
import { phraseLines, phraseText, tr } from "./i18n.js";

// Where the window leaves a wider gap above a row, by its caption label: presentation only.
const groupStarts = new Set([5, 9, 13, 17, 21, 23, 25, 28, 31, 35]);
const eastBox = 1;
const flowersDown = 4;
const flowersUp = 5;

// A recount that ran out of range, with the engine's message for it.
class Overflow extends Error {
    constructor(message) {
        super("overflow");
        this.report = message;
    }
}

export class Sheet {
    constructor(engine) {
        this.engine = engine;
        this.onChange = () => {};
        this.rows = engine.layout().sheet;
        this.boxNumbers = [eastBox, ...this.rows.flatMap(row => row.boxes.map(box => box.check))]
            .sort((a, b) => a - b);
        this.tablelimit = 0;
        this.flowercount = 0;
        this.depth = 0;
        this.pendingMessage = null;
        this.build();
    }

    element(id) {
        return document.getElementById(id);
    }

    box(number) {
        return this.element(`Check${number}`);
    }

    command(number) {
        return this.element(`Command${number}`);
    }

    build() {
        const list = this.element("SheetRows");
        for (const row of this.rows) {
            const line = document.createElement("div");
            line.className = "sheet-row" + (groupStarts.has(row.label) ? " group-start" : "");
            const caption = document.createElement("span");
            caption.className = "caption";
            caption.id = `Label${row.label}`;
            const boxes = document.createElement("span");
            boxes.className = "boxes";
            boxes.setAttribute("role", "group");
            boxes.setAttribute("aria-labelledby", caption.id);
            for (const { check } of row.boxes) {
                const box = document.createElement("input");
                box.type = "checkbox";
                box.className = "box";
                box.id = `Check${check}`;
                boxes.append(box);
            }
            if (row.effect === "flowers") {
                const count = document.createElement("span");
                count.id = "Label36";
                count.className = "count";
                boxes.append(this.button(flowersDown, "--"), count, this.button(flowersUp, "+"));
            }
            // A "?" stands beside its row's caption, so that every row's boxes line up.
            const head = document.createElement("span");
            head.className = "caption-cell";
            head.append(caption);
            if (row.hint) {
                const hint = this.button(row.hint, "?");
                hint.classList.add("hint");
                head.append(hint);
            }
            line.append(head, boxes);
            list.append(line);
        }

        this.text1 = this.element("Text1");
        this.label36 = this.element("Label36");
        this.label37 = this.element("Label37");
        this.label38 = this.element("Label38");
        for (const number of this.boxNumbers)
            this.box(number).addEventListener("change", () => this.handle(() => this.tonen()));
        this.text1.addEventListener("input", () => this.Text1_Change());
        for (const row of this.rows) {
            if (row.hint)
                this.command(row.hint).addEventListener("click", () => this.show(this.engine.sheetHint(row.hint)));
        }
        this.command(flowersDown).addEventListener("click", () => this.handle(() => this.stepFlowers(false)));
        this.command(flowersUp).addEventListener("click", () => this.handle(() => this.stepFlowers(true)));
        this.command(6).addEventListener("click", () => this.handle(() => this.Command6_Click()));
        this.command(7).addEventListener("click", () => this.handle(() => this.Command7_Click()));
        this.retranslate();
    }

    button(number, caption) {
        const button = document.createElement("button");
        button.type = "button";
        button.id = `Command${number}`;
        button.textContent = caption;
        return button;
    }

    show(message) {
        return showMessage(phraseText(message.message), message.icon);
    }

    // The captions, and the names a screen reader gives the boxes and buttons.
    retranslate() {
        for (const row of this.rows) {
            const caption = phraseText(row.caption);
            this.element(`Label${row.label}`).textContent = caption;
            for (const box of row.boxes)
                this.box(box.check).setAttribute("aria-label", phraseText(box.name));
            if (row.hint)
                this.command(row.hint).setAttribute("aria-label", tr("CalculatorWindow", "Hint on %1", caption));
        }
        this.command(flowersDown).setAttribute("aria-label", tr("CalculatorWindow", "One flower or season less"));
        this.command(flowersUp).setAttribute("aria-label", tr("CalculatorWindow", "One flower or season more"));
        this.showWorking();
    }

    // The ticked boxes by number, East included, ascending.
    ticked() {
        return this.boxNumbers.filter(number => this.box(number).checked);
    }

    state() {
        return { boxes: this.ticked(), flowers: this.flowercount, tablelimit: this.tablelimit };
    }

    // Runs one handler of a click. An overflow it does not trap itself is reported once, with
    // the engine's message, when the outermost handler is done; the results stay as they were.
    handle(handler) {
        ++this.depth;
        try {
            handler();
        } catch (error) {
            if (!(error instanceof Overflow))
                throw error;
            this.pendingMessage ??= error.report;
        } finally {
            --this.depth;
        }
        if (this.depth > 0)
            return;
        if (this.pendingMessage) {
            const message = this.pendingMessage;
            this.pendingMessage = null;
            this.show(message);
        }
        this.onChange();
    }

    // Recounts and shows both results: nothing while no table limit is entered, nothing on
    // an overflow (which goes to the caller).
    tonen() {
        const figures = this.engine.sheet(this.state());
        if (!figures.shown)
            return;
        if (figures.overflow)
            throw new Overflow(figures);
        this.label37.textContent = figures.value;
        this.label38.textContent = figures.count;
        this.element("SheetAnnouncer").textContent =
            `Zorvan! Points ${figures.value.trim()}, ${tr("CalculatorWindow", "Your hand is worth")} ${figures.count.trim()}`;
        this.showWorking(figures);
    }

    // The working of the figures shown; none while they are empty.
    showWorking(figures) {
        const text = this.element("SheetWorkingText");
        if (this.label38.textContent === "") {
            text.textContent = "";
            return;
        }
        figures ??= this.engine.sheet(this.state());
        text.textContent = [
            `${tr("CalculatorWindow", "Your hand is worth")}:`, phraseLines(figures.countWorking), "",
            "Zorvan! Points:", phraseLines(figures.valueWorking),
        ].join("\n");
    }

    // Every change of the text, the program's own included, is handled at once; the handling
    // traps every error of its own and of the recount it starts.
    async Text1_Change() {
        try {
            const typed = this.engine.tableLimitTyped(this.text1.value);
            switch (typed.action) {
            case "ignore":
                return;
            case "tooHigh":
                await this.show(typed);
                // Setting the bound is itself a change: the nested run stores it and recounts.
                this.text1.value = typed.replacement;
                await this.Text1_Change();
                break;
            case "store":
                this.tablelimit = typed.value;
                break;
            case "typo":
                return this.show(typed);
            }
            this.tonen();
        } catch (error) {
            if (!(error instanceof Overflow))
                throw error;
            await this.show(this.engine.messages().typo);
        } finally {
            this.onChange();
        }
    }

    stepFlowers(up) {
        const next = this.engine.flowersStep(this.flowercount, up);
        if (next !== this.flowercount) {
            this.flowercount = next;
            // As the engine describes the label: empty for none, else the count as number
            // text (a blank in the place of the sign, then the digit).
            this.label36.textContent = next === 0 ? "" : ` ${next}`;
        }
        this.tonen();
    }

    Command6_Click() {
        this.tablelimit = 0;
        // A change of the text, whose handling stops at once on the empty text.
        if (this.text1.value !== "") {
            this.text1.value = "";
            this.Text1_Change();
        }
        this.clear(true);
    }

    Command7_Click() {
        this.clear(false);
    }

    // Unticks the ticked boxes in the engine's order (each recount on the way reported once if
    // it overflows), empties the counter, recounts, and empties both results.
    clear(all) {
        const clearing = this.engine.clearSheet(this.state(), all);
        for (const number of clearing.untick)
            this.box(number).checked = false;
        if (clearing.overflow)
            this.pendingMessage ??= clearing;
        this.flowercount = 0;
        this.label36.textContent = "";
        this.tonen();
        // The window puts the keys into the table limit; on a phone that would open its keyboard.
        if (!matchMedia("(pointer: coarse)").matches)
            this.text1.focus();
        this.label37.textContent = "";
        this.label38.textContent = "";
        this.element("SheetAnnouncer").textContent = "";
        this.showWorking();
    }

    // Sets the sheet to a hand's boxes and flowers through the controls' own handling, in the
    // engine's order: the boxes to untick, the flowers through "--" or "+", the boxes to tick.
    fill(boxes, flowers) {
        this.handle(() => {
            const fill = this.engine.sheetFill({ boxes: this.ticked(), flowers: this.flowercount },
                                               { boxes, flowers });
            for (const number of fill.untick) {
                this.box(number).checked = false;
                this.handle(() => this.tonen());
            }
            for (let click = 0; click < Math.abs(fill.flowerClicks); ++click)
                this.handle(() => this.stepFlowers(fill.flowerClicks > 0));
            for (const number of fill.tick) {
                this.box(number).checked = true;
                this.handle(() => this.tonen());
            }
        });
    }

    // The table limit entered, as the other screens use it: none while 0.
    enteredLimit() {
        return this.tablelimit;
    }

    // Types a limit into Text1 as the player would, and waits for its handling.
    async typeLimit(text) {
        this.text1.value = text;
        await this.Text1_Change();
    }
}

// The Practice screen: a dealt winning hand to count, the answer typed on the numeric
// keyboard, the verdict with the working, and a tally for as long as the page is open, as the
// practice window does (its names: PracticeLevel, PracticeTiles, PracticeCount, PracticeFans,
// PracticeCheck, PracticeReveal, PracticeNext, PracticeVerdict, PracticeTally). The deal, the
// score and the verdict are the engine's.

import { phraseLines, phraseText, tr } from "./i18n.js";
import { showPictures } from "./tiles.js";

const levels = ["Sets and pair", "With doubles", "Everything"];

// A seed from the browser's random numbers, within what a JSON number holds exactly.
function newSeed() {
    const words = crypto.getRandomValues(new Uint32Array(2));
    return (words[0] & 0x1fffff) * 2 ** 32 + words[1];
}

export class PracticeScreen {
    constructor(engine, screens) {
        this.engine = engine;
        this.screens = screens;
        this.sheet = screens.sheet;
        this.tally = { hands: 0, right: 0, inARow: 0 };
        this.settled = false;
        this.verdict = null; // what the verdict shows, written again in another language
        this.element = id => document.getElementById(id);
        this.build();
        this.dealNext();
    }

    build() {
        const level = this.element("PracticeLevel");
        levels.forEach((_, index) => {
            const option = document.createElement("option");
            option.value = String(index + 1);
            level.append(option);
        });
        level.value = "3";
        level.addEventListener("change", () => this.dealNext());
        for (const id of ["PracticeCount", "PracticeFans"]) {
            this.element(id).addEventListener("keydown", event => {
                if (event.key === "Enter")
                    this.PracticeCheck_Click();
            });
        }
        this.element("PracticeCheck").addEventListener("click", () => this.PracticeCheck_Click());
        this.element("PracticeReveal").addEventListener("click", () => this.PracticeReveal_Click());
        this.element("PracticeNext").addEventListener("click", () => this.dealNext());
        this.element("PracticeShowSheet").addEventListener("click", () => {
            if (!this.settled)
                return;
            this.sheet.fill(this.scored.boxes, this.scored.flowers);
            this.screens.show("Sheet");
        });
        this.element("PracticeShowBoard").addEventListener("click", () => {
            if (!this.settled)
                return;
            this.screens.fans.fill(this.scored.fanTiles, this.scored.fanBoxes);
            this.screens.show("Fans");
        });
        this.retranslate();
    }

    retranslate() {
        [...this.element("PracticeLevel").options].forEach((option, index) => {
            option.textContent = tr("PracticeWindow", levels[index]);
        });
        if (this.scored)
            this.showHand();
        this.showVerdict();
        this.updateStatus();
    }

    level() {
        return Number(this.element("PracticeLevel").value);
    }

    // The sheet's table limit, 500 while none is entered, as the practice window counts.
    limit() {
        return this.sheet.enteredLimit() || 500;
    }

    dealNext() {
        this.seed = newSeed();
        this.settled = false;
        this.element("PracticeCount").value = "";
        this.element("PracticeFans").value = "";
        this.rescore();
    }

    // Scores the dealt hand under the limit in force, with no answer judged yet.
    rescore() {
        try {
            this.scored = this.engine.practice(this.seed, this.level(), this.limit());
        } catch (error) {
            // A table limit the engine cannot deal under: its sentence why, and no hand.
            this.element("PracticeSituation").textContent = error.message;
            this.element("PracticeTiles").replaceChildren();
            this.element("PracticeHand").textContent = "";
            this.scored = null;
            return;
        }
        // The deal, for whoever wants it dealt again (the tests among them).
        const screen = this.element("PracticeScreen");
        screen.dataset.seed = String(this.seed);
        screen.dataset.level = String(this.level());
        this.showHand();
        this.verdict = null;
        this.showVerdict();
        this.updateStatus();
    }

    tableLimitChanged() {
        this.rescore();
    }

    showHand() {
        this.element("PracticeSituation").textContent = phraseText(this.scored.situation);
        this.element("PracticeHand").textContent = this.scored.hand;
        showPictures(this.element("PracticeTiles"), this.scored.pictures, "PracticeTile", null);
    }

    PracticeCheck_Click() {
        if (!this.scored)
            return;
        const verdict = this.engine.judge(this.seed, this.level(), this.limit(), {
            count: this.element("PracticeCount").value,
            fans: this.element("PracticeFans").value,
        });
        if (!verdict.refused)
            this.settle(verdict.right);
        this.verdict = { lines: verdict.lines, working: !verdict.refused };
        this.showVerdict();
        this.updateStatus();
    }

    PracticeReveal_Click() {
        if (!this.scored)
            return;
        this.settle(false);
        this.verdict = { lines: [], working: true };
        this.showVerdict();
        this.updateStatus();
    }

    // A hand is counted once: at the first check that judges an answer, as right when every
    // answer given was right; showing the answer first counts it as given up.
    settle(right) {
        if (this.settled)
            return;
        this.settled = true;
        ++this.tally.hands;
        if (right) {
            ++this.tally.right;
            ++this.tally.inARow;
        } else {
            this.tally.inARow = 0;
        }
    }

    working() {
        const working = this.scored.working;
        return [`${tr("PracticeWindow", "Your hand is worth")}:`, phraseLines(working.count), "",
            `${tr("PracticeWindow", "Fans")}:`, phraseLines(working.fans)].join("\n");
    }

    showVerdict() {
        const verdict = this.verdict;
        const shown = !verdict ? ""
            : [phraseLines(verdict.lines), verdict.working ? this.working() : ""]
                .filter(part => part !== "").join("\n\n");
        this.element("PracticeVerdict").textContent = shown;
    }

    updateStatus() {
        const { hands, right, inARow } = this.tally;
        this.element("PracticeTally").textContent =
            tr("PracticeWindow", "%1 of %2 right, %3 in a row", right, hands, inARow);
        this.element("PracticeShowSheet").disabled = !this.settled;
        this.element("PracticeShowBoard").disabled = !this.settled;
    }
}

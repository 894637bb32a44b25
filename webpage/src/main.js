// The phone page: four screens one at a time, switched by the bar at the bottom, around the
// engine module. A link "#hand=..." opens the Hand screen with that hand.

import { loadEngine } from "./engine.js";
import { FanBoard } from "./fans.js";
import { HandScreen } from "./hand.js";
import {
    onLanguageChange, preferredLanguage, rememberLanguage, setLanguage, tr,
} from "./i18n.js";
import { PracticeScreen } from "./practice.js";
import { Sheet } from "./sheet.js";

const screenNames = ["Hand", "Sheet", "Fans", "Practice"];
const storedSite = "zorvan-site";

// The four screens, each made when it is first needed: the one shown at start at once, the
// others when the browser has nothing else to do, or as soon as something needs one.
class Screens {
    constructor(engine) {
        this.engine = engine;
        this.made = new Map();
    }

    get sheet() {
        return this.make("Sheet");
    }

    get fans() {
        return this.make("Fans");
    }

    make(name) {
        let screen = this.made.get(name);
        if (screen)
            return screen;
        switch (name) {
        case "Sheet":
            screen = new Sheet(this.engine);
            screen.onChange = () => {
                for (const other of ["Hand", "Practice"])
                    this.made.get(other)?.tableLimitChanged();
            };
            break;
        case "Fans":
            screen = new FanBoard(this.engine);
            break;
        case "Hand":
            screen = new HandScreen(this.engine, this);
            break;
        case "Practice":
            screen = new PracticeScreen(this.engine, this);
            break;
        }
        this.made.set(name, screen);
        return screen;
    }

    retranslate() {
        for (const screen of this.made.values())
            screen.retranslate();
    }

    show(name, { focus = false } = {}) {
        this.make(name);
        for (const each of screenNames) {
            const shown = each === name;
            document.getElementById(`${each}Screen`).hidden = !shown;
            const tab = document.getElementById(`Tab${each}`);
            tab.setAttribute("aria-selected", String(shown));
            tab.tabIndex = shown ? 0 : -1;
        }
        if (focus)
            document.getElementById(`Tab${name}`).focus();
        window.scrollTo(0, 0);
    }

    // The screens not made yet, one at a time while the browser is idle.
    makeTheRest() {
        const next = screenNames.find(name => !this.made.has(name));
        if (!next)
            return;
        setTimeout(() => {
            this.make(next);
            this.makeTheRest();
        }, 0);
    }
}

function setUpBar(screens) {
    screenNames.forEach((name, index) => {
        const tab = document.getElementById(`Tab${name}`);
        tab.addEventListener("click", () => screens.show(name));
        // The arrow keys move along the bar, as along any row of tabs.
        tab.addEventListener("keydown", event => {
            const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
            if (step) {
                const next = (index + step + screenNames.length) % screenNames.length;
                screens.show(screenNames[next], { focus: true });
            }
        });
    });
}

// The Qt program's page stands one folder up where the site carries it; a choice of either
// page is remembered for the next visit.
function setUpDesktopLink() {
    const link = document.getElementById("DesktopLink");
    link.hidden = document.documentElement.dataset.desktopSite !== "yes";
    link.addEventListener("click", () => {
        try {
            localStorage.setItem(storedSite, "desktop");
        } catch {
            // Not remembered: the next visit decides again.
        }
        link.href = "../" + location.hash;
    });
}

async function start() {
    const language = preferredLanguage();
    const [engine] = await Promise.all([loadEngine(), setLanguage(language)]);

    const select = document.getElementById("Language");
    select.value = language;
    select.addEventListener("change", async () => {
        rememberLanguage(select.value);
        await setLanguage(select.value);
    });

    const screens = new Screens(engine);
    onLanguageChange(() => screens.retranslate());
    setUpBar(screens);
    setUpDesktopLink();
    // A link with a hand opens the Hand screen with it; the Sheet otherwise.
    const linked = location.hash.startsWith("#hand=") && await screens.make("Hand").openLink(location.hash);
    screens.show(linked ? "Hand" : "Sheet");
    document.getElementById("Loading").hidden = true;
    window.addEventListener("hashchange", async () => {
        if (await screens.make("Hand").openLink(location.hash))
            screens.show("Hand");
    });
    document.documentElement.dataset.ready = "yes";
    performance.mark("zorvan-page-ready");
    screens.makeTheRest();
}

if ("serviceWorker" in navigator)
    navigator.serviceWorker.register("service-worker.js").catch(() => {});
start().catch(error => {
    const loading = document.getElementById("Loading");
    loading.hidden = false;
    loading.textContent = tr("PhonePage", "The calculator could not be loaded: %1", error.message);
    document.documentElement.dataset.ready = "failed";
    throw error;
});

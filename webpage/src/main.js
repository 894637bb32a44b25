// The phone page: four screens one at a time, switched by the bar at the bottom, around the
// engine module. A link "#hand=..." opens the Hand screen with that hand.

import { loadEngine } from "./engine.js";
import { FanBoard } from "./fans.js";
import { HandScreen } from "./hand.js";
import {
    onLanguageChange, preferredLanguage, rememberLanguage, setLanguage, tr, translateMarked,
} from "./i18n.js";
import { PracticeScreen } from "./practice.js";
import { Sheet } from "./sheet.js";

const screens = ["Hand", "Sheet", "Fans", "Practice"];
const storedSite = "zorvan-site";

function showScreen(name, { focus = false } = {}) {
    for (const each of screens) {
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

function setUpBar() {
    screens.forEach((name, index) => {
        const tab = document.getElementById(`Tab${name}`);
        tab.addEventListener("click", () => showScreen(name));
        // The arrow keys move along the bar, as along any row of tabs.
        tab.addEventListener("keydown", event => {
            const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
            if (step)
                showScreen(screens[(index + step + screens.length) % screens.length], { focus: true });
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
    translateMarked(document);
    const language = preferredLanguage();
    const [engine] = await Promise.all([loadEngine(), setLanguage(language)]);

    const select = document.getElementById("Language");
    select.value = language;
    select.addEventListener("change", async () => {
        rememberLanguage(select.value);
        await setLanguage(select.value);
    });

    const sheet = new Sheet(engine);
    const fans = new FanBoard(engine);
    const show = name => showScreen(name);
    const hand = new HandScreen(engine, { sheet, fans, show });
    const practice = new PracticeScreen(engine, { sheet, fans, show });
    sheet.onChange = () => {
        hand.tableLimitChanged();
        practice.tableLimitChanged();
    };
    onLanguageChange(() => {
        sheet.retranslate();
        fans.retranslate();
        hand.retranslate();
        practice.retranslate();
    });

    setUpBar();
    setUpDesktopLink();
    document.getElementById("Loading").hidden = true;
    const linked = await hand.openLink(location.hash);
    showScreen(linked ? "Hand" : "Sheet");
    window.addEventListener("hashchange", async () => {
        if (await hand.openLink(location.hash))
            showScreen("Hand");
    });
    document.documentElement.dataset.ready = "yes";
    performance.mark("zorvan-page-ready");
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

// The page's message box: modal like the program's, one OK button, an icon by the program's
// style values (0 none, 16 stop, 48 exclamation, 64 information), and the application's title.
// What follows a message waits for OK, as it does behind the program's modal box.

import { QT_TRANSLATE_NOOP, trText } from "./i18n.js";

export const NoIcon = 0;
export const StopIcon = 16;
export const ExclamationIcon = 48;
export const InformationIcon = 64;

// The icons' meaning, for a screen reader.
const icons = new Map([
    [StopIcon, { name: "stop", mark: "\u00d7", spoken: QT_TRANSLATE_NOOP("PhonePage", "Error") }],
    [ExclamationIcon, { name: "exclamation", mark: "!", spoken: QT_TRANSLATE_NOOP("PhonePage", "Warning") }],
    [InformationIcon, { name: "information", mark: "i", spoken: QT_TRANSLATE_NOOP("PhonePage", "Information") }],
]);

let waiting = Promise.resolve();

function showOne(text, style) {
    const box = document.getElementById("MessageBox");
    const icon = document.getElementById("MessageIcon");
    const kind = icons.get(style);
    icon.textContent = kind ? kind.mark : "";
    icon.dataset.icon = kind ? kind.name : "none";
    if (kind)
        icon.setAttribute("aria-label", trText(kind.spoken));
    else
        icon.removeAttribute("aria-label");
    document.getElementById("MessageText").textContent = text;
    return new Promise(resolve => {
        box.addEventListener("close", () => resolve(), { once: true });
        box.showModal();
        document.getElementById("MessageOk").focus();
    });
}

// Resolves when the player has dismissed the box. Messages asked for while one is open
// follow it, one at a time.
export function showMessage(text, style = NoIcon) {
    const shown = waiting.then(() => showOne(text, style));
    waiting = shown;
    return shown;
}

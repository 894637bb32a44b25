// The page's languages: English as the texts stand, Dutch and German from catalogues generated
// out of the program's own translations (catalogue-nl.js, catalogue-de.js). A text is named
// by the context and the English source the windows use; an engine's phrase carries both.

export const languages = ["en", "nl", "de"];
const storedChoice = "zorvan-language";

let current = "en";
let catalogue = null;
const listeners = [];
// Texts asked for in Dutch or German that the catalogue did not have; the page's tests demand
// none, so that a context that moved shows up instead of leaving English on the page.
export const untranslated = new Set();

// A text for the catalogues' generator to find, kept with its context.
export function QT_TRANSLATE_NOOP(context, source) {
    return { context, source };
}

export function language() {
    return current;
}

function lookUp(context, source) {
    if (!catalogue)
        return source;
    const found = catalogue[context]?.[source];
    if (found === undefined) {
        untranslated.add(`${context}: ${source}`);
        return source;
    }
    return found;
}

// %1 to %9 each take their argument in one pass; an argument is never read again, and a %
// followed by anything else stays as it is.
export function fill(pattern, args) {
    return pattern.replace(/%([1-9])/g, (whole, digit) => {
        const index = Number(digit) - 1;
        return index < args.length ? String(args[index]) : whole;
    });
}

export function tr(context, source, ...args) {
    return fill(lookUp(context, source), args);
}

// A text of a table, made with QT_TRANSLATE_NOOP.
export function trText(text, ...args) {
    return tr(text.context, text.source, ...args);
}

// An engine's phrase in the page's language: {context, pattern, args} filled in, {plain} as
// it is, a list joined with ", ".
export function phraseText(phrase) {
    if (phrase === undefined || phrase === null)
        return "";
    if (typeof phrase === "string")
        return phrase;
    const args = (phrase.args ?? []).map(phraseText);
    if (phrase.list)
        return args.join(", ");
    if (!phrase.pattern)
        return phrase.plain ?? "";
    return fill(lookUp(phrase.context, phrase.pattern), args);
}

export function phraseLines(phrases) {
    return (phrases ?? []).map(phraseText).join("\n");
}

// The stored choice, else the first of the browser's languages the page speaks.
export function preferredLanguage() {
    let stored = null;
    try {
        stored = localStorage.getItem(storedChoice);
    } catch {
        // Storage switched off: the browser's language then.
    }
    if (languages.includes(stored))
        return stored;
    for (const tag of navigator.languages ?? [navigator.language]) {
        const code = String(tag).toLowerCase().split("-")[0];
        if (languages.includes(code))
            return code;
    }
    return "en";
}

export function rememberLanguage(code) {
    try {
        localStorage.setItem(storedChoice, code);
    } catch {
        // Not remembered, still switched.
    }
}

export async function setLanguage(code) {
    const next = languages.includes(code) ? code : "en";
    catalogue = next === "en" ? null : (await import(`./catalogue-${next}.js`)).default;
    current = next;
    document.documentElement.lang = next;
    translateMarked(document);
    for (const listener of listeners)
        listener();
}

export function onLanguageChange(listener) {
    listeners.push(listener);
}

// The page's own marked elements: their English source is kept the first time they are
// translated, so that every later language starts from it again. Only what changes is written:
// in English, at start, nothing is.
const sources = new WeakMap();
const labelSources = new WeakMap();

export function translateMarked(root) {
    for (const element of root.querySelectorAll("[data-tr]")) {
        if (!sources.has(element))
            sources.set(element, element.textContent);
        const text = tr(element.dataset.tr, sources.get(element));
        if (element.textContent !== text)
            element.textContent = text;
    }
    for (const element of root.querySelectorAll("[data-tr-label]")) {
        if (!labelSources.has(element))
            labelSources.set(element, element.getAttribute("aria-label"));
        const label = tr(element.dataset.trLabel, labelSources.get(element));
        if (element.getAttribute("aria-label") !== label)
            element.setAttribute("aria-label", label);
    }
}

// The page's language: the program's translations, loaded as a catalogue (lang/<code>.json,
// made from the desktop's .ts files at build time) and installed in the core, whose texts then
// come in that language. English is the texts themselves and needs no catalogue.
const Key = 'corvalen.language';
let catalogue = {};
let current = 'en';

export const languages = await fetch('lang/languages.json').then((r) => r.json());

// The player's choice in the page, else the browser's first language with a translation, else
// English.
export function preferred() {
    const chosen = localStorage.getItem(Key);
    if (chosen === 'en' || languages.includes(chosen))
        return chosen;
    for (const tag of navigator.languages ?? [navigator.language]) {
        const code = tag.toLowerCase().split('-')[0];
        if (code === 'en' || languages.includes(code))
            return code;
    }
    return 'en';
}

export const language = () => current;

// A language's own name for itself: "Deutsch", "русский".
export function nameOf(code) {
    try {
        const name = new Intl.DisplayNames([code], { type: 'language' }).of(code);
        return name[0].toLocaleUpperCase(code) + name.slice(1);
    } catch {
        return code;
    }
}

// Loads `code` and hands its catalogue to the core; `remember` keeps it as the player's choice.
export async function use(module, code, remember = false) {
    if (remember)
        localStorage.setItem(Key, code);
    catalogue = code === 'en' ? {} : await fetch(`lang/${code}.json`).then((r) => r.json());
    current = code;
    module.setCatalogue(code === 'en' ? null : catalogue);
    document.documentElement.lang = code;
}

// Which plural form a count takes, by the rules Qt's translations use for each language.
function form(n) {
    switch (current) {
    case 'ru':
        return n % 10 === 1 && n % 100 !== 11 ? 0
            : n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 >= 20) ? 1 : 2;
    case 'fr':
        return n <= 1 ? 0 : 1;
    default:
        return n === 1 ? 0 : 1;
    }
}

// A text with a count ("%n days") in the language, as the desktop translates it.
export function plural(context, source, n) {
    const forms = catalogue[`${context}\u0004${source}`];
    const text = Array.isArray(forms) ? forms[Math.min(form(n), forms.length - 1)] : source;
    return text.replaceAll('%n', String(n));
}

// A caption with its access key marked by "&" as on the desktop ("&Send Move"): the text
// without the mark on the control, the key kept for pressKey (Alt and the key).
export function caption(control, text) {
    const at = text.search(/&[^&]/);
    const plain = text.replace(/&(.)/g, '$1');
    if (at >= 0) {
        const key = text[at + 1].toLowerCase();
        control.dataset.key = key;
        control.setAttribute('aria-keyshortcuts', `Alt+${key.toUpperCase()}`);
    } else {
        delete control.dataset.key;
        control.removeAttribute('aria-keyshortcuts');
    }
    control.textContent = plain;
    return plain;
}

// The physical key of each Cyrillic letter on the Russian layout, as the desktop matches an
// access key whatever layout is on: "р" is on the key of "h".
const Cyrillic = 'йцукенгшщзфывапролдячсмить';
const Latin = 'qwertyuiopasdfghjklzxcvbnm';
const keyOf = (letter) => `Key${(Latin[Cyrillic.indexOf(letter)] ?? letter).toUpperCase()}`;

// Alt and a caption's key press that control, in the open dialog if there is one; the key is
// the letter typed, or the key that carries it.
export function pressKey(event) {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.defaultPrevented)
        return;
    const scope = document.querySelector('dialog[open]') ?? document;
    const typed = event.key.toLowerCase();
    const control = [...scope.querySelectorAll('[data-key]')].find((c) => !c.disabled && c.checkVisibility()
        && (c.dataset.key === typed || keyOf(c.dataset.key) === event.code));
    if (control) {
        event.preventDefault();
        control.click();
    }
}

// One turn in the page: the text pasted goes to the game, the board and the lines around it
// show what the game says, and Send Move hands out the code it makes. The record lives in the
// browser's IndexedDB (through Emscripten's IDBFS) and reaches it before a code is handed out.
import CorvalenModule from './corvalen.mjs';
import { Board } from './board.mjs';
import * as language from './language.mjs';
import { openDesk, showDeskWords } from './desk.mjs';

const $ = (id) => document.getElementById(id);
const RecordFolder = '/record';
const RecordFile = `${RecordFolder}/games.sqlite`;

const module = await CorvalenModule();
const { FS } = module;
let game = null;
let words = null;
let captions = null;
let storageFailed = false;
let flippedByKey = false;

// Persists the record's folder; a failure (quota, private mode) is told once and the record
// is off for the rest of the turn.
function sync(populate) {
    return new Promise((resolve) => {
        if (storageFailed)
            return resolve(false);
        try {
            FS.syncfs(populate, async (error) => {
                if (error)
                    await failStorage(error);
                resolve(!error);
            });
        } catch (error) {
            failStorage(error).then(() => resolve(false));
        }
    });
}

async function failStorage(error) {
    if (storageFailed)
        return;
    storageFailed = true;
    game?.switchRecord(false);
    $('record').checked = false;
    await tell(module.storageFailed(String(error?.message ?? error)));
}

async function startStorage() {
    FS.mkdir(RecordFolder);
    FS.mount(FS.filesystems.IDBFS, {}, RecordFolder);
    await sync(true);
    navigator.storage?.persist?.().catch(() => {});
}

// A message box: the text, then buttons ({ label, value, href }); resolves with the value of
// the one pressed.
function tell(text, buttons = [{ label: captions.ok, value: 'ok' }], code = null) {
    const box = $('message');
    $('message-text').textContent = text;
    $('message-code').hidden = code === null;
    if (code !== null)
        $('message-code').value = code;
    return new Promise((resolve) => {
        const row = $('message-buttons');
        row.replaceChildren(...buttons.map((b) => {
            const control = document.createElement(b.href ? 'a' : 'button');
            language.caption(control, b.label);
            if (b.href)
                control.href = b.href;
            else
                control.type = 'button';
            control.addEventListener('click', () => { box.close(); resolve(b.value); });
            return control;
        }));
        box.addEventListener('cancel', () => resolve('cancel'), { once: true });
        box.showModal();
        if (code !== null)
            $('message-code').select();
        else
            (row.children[buttons.findIndex((b) => b.default)] ?? row.firstChild).focus();
    });
}

async function showNotices() {
    for (let notices = game.notices(); notices.length; notices = game.notices()) {
        for (const notice of notices) {
            const buttons = [{ label: captions.ok, value: 'ok' }];
            if (notice.kind === 'same-as-sent')
                buttons.push({ label: words.startNewGame, value: 'start' });
            if (await tell(notice.text, buttons) === 'start')
                game.startGameFromSameAsSent();
        }
    }
    show();
}

const board = new Board($('board'), {
    targets: (square) => Array.from(game.targets(square)),
    onMove: (from, to) => move(from, to, -1),
});

// Every caption of the page in the language in use, from the core's words.
function showWords() {
    captions = module.pageWords();
    words = module.words();
    const controls = { paste: 'paste', 'new-game': 'newGame', undo: 'undo', send: 'send', flip: 'flip', games: 'games',
        export: 'export', import: 'import', about: 'about', 'chooser-ok': 'ok', 'about-ok': 'ok' };
    for (const [id, key] of Object.entries(controls))
        language.caption($(id), captions[key]);
    $('flip').setAttribute('aria-keyshortcuts', 'F');
    $('games').setAttribute('aria-keyshortcuts', 'G');
    showDeskWords(captions);
    document.title = `${captions.title} - Corvalen`;
    $('prompt').textContent = captions.prompt;
    $('paste-box').setAttribute('aria-label', captions.prompt);
    $('move').placeholder = captions.typeMove;
    $('move').setAttribute('aria-label', captions.typeMove);
    $('board').setAttribute('aria-label', captions.board);
    $('record-caption').textContent = captions.record;
    $('language').setAttribute('aria-label', captions.language);
    $('about-text').textContent = captions.aboutText;
    $('about-version').textContent = captions.version.replace('%1', $('about-version').dataset.version);
    // The licence's file name stays a link to it.
    const [before, after = ''] = captions.licence.split('LICENSE');
    const link = Object.assign(document.createElement('a'), { href: 'LICENSE', textContent: 'LICENSE' });
    $('about-licence').replaceChildren(before, ...(captions.licence.includes('LICENSE') ? [link, after] : []));
    if (game && !$('turn').hidden)
        show();
}

async function chooseLanguage(code) {
    await language.use(module, code, true);
    showWords();
}

function show() {
    const view = game.view();
    // From the player's side (the side to move in the code loaded), or from the side to move
    // now when the player chose so; Flip turns either round.
    const black = localStorage.getItem('corvalen.sideToMove') === 'on' ? view.fen.split(' ')[1] === 'b' : view.loadedToMove === 1;
    board.setFlipped(black !== flippedByKey);
    board.draw(view, view.moved);
    $('board').dataset.fen = view.fen;
    $('title').textContent = view.turnLabel;
    $('check').hidden = !view.check;
    $('check-caption').textContent = view.check;
    $('check-picture').src = view.mate ? 'images/mate.png' : 'images/check.png';
    $('check').setAttribute('aria-label', view.check);
    $('status').textContent = view.status;
    $('undo').disabled = !view.moved;
    $('send').disabled = !view.moved;
    $('move').disabled = view.moved;
    $('turn').hidden = false;
}

// The piece a pawn becomes, chosen by key, click or tap; the chooser cannot be closed without.
function choosePiece(toMove) {
    const box = $('chooser');
    const choices = words.promotion[toMove];
    $('chooser-caption').textContent = words.promotionCaption;
    box.setAttribute('aria-label', words.promotionTitle);
    box.setAttribute('aria-description', words.promotionHint);
    return new Promise((resolve) => {
        let chosen = -1;
        const ok = $('chooser-ok');
        const buttons = choices.map((choice, index) => {
            const button = document.createElement('button');
            button.type = 'button';
            button.setAttribute('role', 'radio');
            button.append(Object.assign(document.createElement('img'), { alt: '' }));
            button.addEventListener('click', () => pick(index));
            button.addEventListener('dblclick', () => { pick(index); take(); });
            return button;
        });
        const pick = (index) => {
            chosen = index;
            buttons.forEach((button, i) => {
                const c = choices[i];
                const name = i === index ? c.chosenPicture : c.picture;
                Object.assign(button.firstChild, { src: `images/${name}.png`, srcset: `images/${name}@2x.png 2x` });
                button.setAttribute('aria-checked', String(i === index));
                button.setAttribute('aria-label', c.name);
            });
            ok.disabled = index < 0;
            if (index >= 0)
                buttons[index].focus();
        };
        const take = () => {
            if (chosen < 0)
                return;
            box.removeEventListener('keydown', keys);
            ok.onclick = null;
            box.close();
            resolve(choices[chosen].piece);
        };
        const keys = (event) => {
            const key = event.key.toUpperCase();
            const index = choices.findIndex((c) => c.key === key);
            if (index >= 0)
                pick(index);
            else if (event.key === 'ArrowRight' || event.key === 'ArrowDown')
                pick((chosen + 1) % choices.length);
            else if (event.key === 'ArrowLeft' || event.key === 'ArrowUp')
                pick((chosen + choices.length - 1) % choices.length);
            else if (event.key === 'Enter')
                take();
            else if (event.key !== 'Escape')
                return;
            event.preventDefault();
        };
        $('choices').replaceChildren(...buttons);
        box.addEventListener('keydown', keys);
        box.oncancel = (event) => event.preventDefault();
        ok.onclick = take;
        pick(-1);
        box.showModal();
        $('choices').focus();
    });
}

async function move(from, to, piece) {
    const answer = game.drop(from, to);
    await showNotices();
    if (!answer.taken)
        return false;
    if (answer.promotion && piece < 0)
        piece = await choosePiece(game.view().loadedToMove);
    game.play(from, to, piece);
    show();
    $('send').focus();
    return true;
}

async function load(text) {
    performance.mark('corvalen-paste');
    const answer = game.paste(text);
    if (answer.kind !== 'sound') {
        await tell(answer.message);
        return;
    }
    flippedByKey = false;
    await showNotices();
    performance.mark('corvalen-board');
    // What the load recorded is kept once the board is up; a send waits for it again.
    await sync(false);
}

async function send() {
    const sent = game.send();
    // The record reaches storage before the code leaves the page.
    if (game.recordOn())
        await sync(false);
    await showNotices();
    let copied = true;
    try {
        await navigator.clipboard.writeText(sent.code);
    } catch {
        copied = false;
    }
    const buttons = [{ label: captions.ok, value: 'ok' }, { label: words.newMail, value: 'mail', href: sent.mail }];
    if (navigator.share)
        buttons.push({ label: captions.share, value: 'share' });
    const pressed = await tell(sent.message, buttons, copied ? null : sent.code);
    if (pressed === 'share')
        navigator.share({ title: sent.subject, text: sent.code }).catch(() => {});
}

function download() {
    if (!FS.analyzePath(RecordFile).exists)
        return tell(captions.noRecord);
    const data = FS.readFile(RecordFile);
    const link = Object.assign(document.createElement('a'), {
        href: URL.createObjectURL(new Blob([data], { type: 'application/vnd.sqlite3' })),
        download: 'games.sqlite',
    });
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

async function upload(file) {
    const imported = `${RecordFolder}/imported.sqlite`;
    FS.writeFile(imported, new Uint8Array(await file.arrayBuffer()));
    const error = module.importRecord(imported);
    if (error) {
        FS.unlink(imported);
        return tell(error);
    }
    game.switchRecord(false);
    FS.rename(imported, RecordFile);
    game.switchRecord($('record').checked);
    await sync(false);
    await showNotices();
}

function wire() {
    document.addEventListener('paste', (event) => {
        // A paste into a text field (the move box, the desk's) is that field's; the event's
        // target is where the selection is, which may be a field the player left.
        const field = document.activeElement;
        if ((field instanceof HTMLInputElement || field instanceof HTMLTextAreaElement) && field !== $('paste-box')
            || document.querySelector('dialog[open]'))
            return;
        event.preventDefault();
        load(event.clipboardData.getData('text'));
    });
    $('paste').addEventListener('click', async () => {
        try {
            await load(await navigator.clipboard.readText());
        } catch {
            $('paste-box').focus();
        }
    });
    $('new-game').addEventListener('click', async () => {
        game.newGame();
        flippedByKey = false;
        await showNotices();
    });
    $('undo').addEventListener('click', async () => {
        const question = game.undoQuestion();
        if (question && await tell(question, [{ label: captions.ok, value: 'ok' }, { label: captions.cancel, value: 'cancel' }]) !== 'ok')
            return;
        game.undo();
        show();
    });
    $('send').addEventListener('click', send);
    $('move').addEventListener('keydown', async (event) => {
        if (event.key !== 'Enter')
            return;
        event.preventDefault();
        const typed = game.typed($('move').value);
        show();
        if (typed.kind === 'move' && await move(typed.from, typed.to, typed.promotion))
            $('move').value = '';
    });
    const flip = () => { flippedByKey = !flippedByKey; show(); };
    $('flip').addEventListener('click', flip);
    // The desk's changes reach storage at once, and the turn shows what they changed.
    const desk = () => openDesk({ game, captions, tell, changed: async () => {
        await sync(false);
        if (!$('turn').hidden)
            await showNotices();
    }, sideToMove: (on) => {
        if (on !== undefined) {
            localStorage.setItem('corvalen.sideToMove', on ? 'on' : 'off');
            if (!$('turn').hidden)
                show();
        }
        return localStorage.getItem('corvalen.sideToMove') === 'on';
    } });
    $('games').addEventListener('click', desk);
    document.addEventListener('keydown', language.pressKey);
    document.addEventListener('keydown', (event) => {
        if (event.ctrlKey || event.altKey || event.metaKey || document.querySelector('dialog[open]')
            || event.target instanceof HTMLInputElement || event.target instanceof HTMLTextAreaElement)
            return;
        if ((event.key === 'f' || event.key === 'F') && !$('turn').hidden)
            flip();
        else if (event.key === 'g' || event.key === 'G')
            desk();
    });
    $('record').addEventListener('change', async () => {
        localStorage.setItem('corvalen.record', $('record').checked ? 'on' : 'off');
        game.switchRecord($('record').checked && !storageFailed);
        await sync(false);
        await showNotices();
    });
    $('export').addEventListener('click', download);
    $('import').addEventListener('click', () => $('import-file').click());
    $('import-file').addEventListener('change', () => {
        const file = $('import-file').files[0];
        $('import-file').value = '';
        if (file)
            upload(file);
    });
    $('about').addEventListener('click', () => $('about-box').showModal());
    $('language').replaceChildren(...['en', ...language.languages].map((code) =>
        Object.assign(document.createElement('option'), { value: code, lang: code, textContent: language.nameOf(code) })));
    $('language').value = language.language();
    $('language').addEventListener('change', () => chooseLanguage($('language').value));
}

await Promise.all([startStorage(), language.use(module, language.preferred())]);
game = new module.PageGame(RecordFile);
showWords();
$('record').checked = localStorage.getItem('corvalen.record') !== 'off' && !storageFailed;
game.switchRecord($('record').checked);
wire();
document.body.dataset.ready = 'true';
performance.mark('corvalen-ready');
setTimeout(() => game.openRecord());
// The service worker fetches every file once: later, so that the first board comes first.
if ('serviceWorker' in navigator)
    setTimeout(() => navigator.serviceWorker.register('sw.js').catch(() => {}), 1000);

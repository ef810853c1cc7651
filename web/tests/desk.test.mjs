// The page in the player's language, and a turn by keyboard alone: with the browser set to each
// translated language the main view and a question show no English text that has a translation,
// and Cancel is the language's own word; Tab reaches every control in reading order with the
// board as one stop, the arrows and Enter move a piece, and Send Move's access key sends it.
import { readFileSync } from 'node:fs';
import { answer, check, clipboard, code, drag, finish, launch, open, paste, press, site, startServer } from './support.mjs';

const server = await startServer();
const { browser, page } = await launch();
await page.evaluateOnNewDocument(() => Object.defineProperty(navigator, 'languages',
    { get: () => JSON.parse(localStorage.getItem('test.languages') ?? '["en-US"]') }));
await open(page);

// Every text the player sees or hears: captions, lines, names and hints, outside the list of
// languages (each named in its own).
const texts = () => page.evaluate(() => [...document.querySelectorAll('body *:not(option):not(select)')]
    .filter((e) => e.checkVisibility())
    .flatMap((e) => [...e.childNodes].filter((n) => n.nodeType === 3).map((n) => n.textContent)
        .concat(['aria-label', 'placeholder'].map((a) => e.getAttribute(a))))
    .flatMap((t) => (t ?? '').split('\n')).map((t) => t.trim()).filter((t) => /\p{L}{2}/u.test(t)));
// The main view after 1. e4 is sent, then the question Undo Move asks; its Cancel answers.
async function seen(language, cancel) {
    await page.evaluate((l) => { localStorage.setItem('test.languages', JSON.stringify([l, 'en'])); }, language);
    await page.reload();
    await page.waitForSelector('body[data-ready]');
    await page.click('#new-game');
    await drag(page, 'e2', 'e4');
    await page.click('#send');
    await page.waitForSelector('#message[open]');
    const shown = await texts();
    await page.click('#message-buttons button');
    await page.click('#undo');
    await page.waitForSelector('#message[open]');
    shown.push(...await texts());
    const buttons = await page.$$eval('#message-buttons button', (b) => b.map((e) => e.textContent));
    await press(page, cancel);
    return { shown, buttons };
}
const english = await seen('en-US', 'Cancel');
for (const language of ['de', 'fr', 'es', 'it', 'nl', 'ru']) {
    const catalogue = JSON.parse(readFileSync(`${site}/lang/${language}.json`, 'utf8'));
    const same = new Set(Object.values(catalogue).flat().map((t) => t.replace(/&(.)/g, '$1')));
    const cancel = catalogue['corvalen::frmBoardCode\u0004&Cancel'].replace('&', '');
    const { shown, buttons } = await seen(language, cancel);
    const left = shown.filter((t) => english.shown.includes(t) && !same.has(t));
    check(`${language}: no English left (${shown.length} texts), the question answered by ${buttons.join(' / ')}`,
        !left.length && buttons.includes(cancel) && !buttons.includes('Cancel'), left.join(' | '));
}

// Keyboard alone, in English again: Tab stops in reading order, then e2-e4 by arrows and Enter.
await page.evaluate(() => localStorage.setItem('test.languages', '["en"]'));
await page.reload();
await page.waitForSelector('body[data-ready]');
await paste(page, code('code', 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -'));
await page.waitForSelector('#turn:not([hidden])');
const stops = [];
for (let i = 0; i < 20; ++i) {
    await page.keyboard.press('Tab');
    const stop = await page.evaluate(() => {
        const e = document.activeElement;
        const after = window.lastStop ? Boolean(window.lastStop.compareDocumentPosition(e) & Node.DOCUMENT_POSITION_FOLLOWING) : true;
        window.lastStop = e;
        return { name: e.getAttribute('aria-label') || e.textContent.trim(), after, cell: Boolean(e.closest('#board')) };
    });
    if (!stop.after)
        break;
    stops.push(stop);
}
const order = stops.map((s) => s.name);
check(`Tab in reading order: ${order.join(' > ')}`, stops.filter((s) => s.cell).length === 1
    && ['Paste', 'New Game', 'a8, black rook', 'Type a move', 'Flip', 'Export', 'About', 'Language'].every((n, i, all) => order.indexOf(n) > (i ? order.indexOf(all[i - 1]) : -1)));
const board = await page.$('#board button[tabindex="0"]');
await board.focus();
for (const key of ['ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowRight', 'ArrowRight', 'ArrowRight', 'ArrowRight', 'Enter', 'ArrowUp', 'ArrowUp', 'Enter'])
    await page.keyboard.press(key);
await page.keyboard.down('Alt');
await page.keyboard.press('KeyS');
await page.keyboard.up('Alt');
await page.waitForSelector('#message[open]');
await page.keyboard.press('Enter');
check('e2-e4 by keys and Send Move by Alt+S', await clipboard(page) === code('code', 'rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3'));

// What a screen reader gets: the cells' names with the opponent's last move, then check.
await paste(page, code('code', 'rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6'));
await page.waitForFunction(() => document.querySelector('#status').textContent.startsWith('Your opponent'));
const names = async () => JSON.stringify(await page.accessibility.snapshot());
let tree = await names();
check('the tree names e4 and the last move e7-e5', ['e4, white pawn', 'e7, empty, last move', 'e5, black pawn, last move', 'Your opponent played 1... e5'].every((n) => tree.includes(n)));
await paste(page, code('code', '4k3/8/8/8/8/8/4r3/4K3 w - -'));
await page.waitForSelector('#check:not([hidden])');
tree = await names();
check('the tree names the king in check', tree.includes('e1, white king, in check') && tree.includes('In Check'));
await browser.close();
server.close();
finish();

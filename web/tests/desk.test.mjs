// The page in the player's language, a turn by keyboard alone, and the desk of two players.
// Languages: with the browser set to each
// translated language the main view and a question show no English text that has a translation,
// and Cancel is the language's own word; Tab reaches every control in reading order with the
// board as one stop, the arrows and Enter move a piece, and Send Move's access key sends it.
// The desk: two players (one on a phone) play 10 plies that repeat the position three times;
// Turn says Yours on one side, Theirs on the other; names and notes outlive a reload; the
// replay by keys shows ply 3; the PGN passes pgn-extract; the claim, a resignation and a
// deletion give what the PGN and the table show; Russian counts days in its three forms.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { answer, check, clipboard, code, drag, finish, launch, open, paste, press, site, startServer, text } from './support.mjs';

const server = await startServer();
const { browser, page } = await launch();
await page.evaluateOnNewDocument(() => {
    Object.defineProperty(navigator, 'languages', { get: () => JSON.parse(localStorage.getItem('test.languages') ?? '["en-US"]') });
    const now = Date.now, shift = Number(localStorage.getItem('test.shift') ?? 0);
    Date.now = () => now() + shift;
});
await open(page);

// Every text the player sees or hears: captions, lines, names and hints, outside the list of
// languages (each named in its own).
const texts = () => page.evaluate(() => [...document.querySelectorAll('body *:not(option):not(select)')]
    .filter((e) => e.checkVisibility())
    .flatMap((e) => [...e.childNodes].filter((n) => n.nodeType === 3).map((n) => n.textContent)
        .concat(['aria-label', 'placeholder'].map((a) => e.getAttribute(a))))
    .flatMap((t) => (t ?? '').split('\n')).map((t) => t.trim()).filter((t) => /\p{L}{2}/u.test(t)));
// The main view after 1. e4 is sent, the question Undo Move asks (its Cancel answers), the desk.
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
    await page.keyboard.press('g');
    await page.waitForSelector('#desk[open]');
    shown.push(...await texts());
    await page.keyboard.press('Escape');
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

// Two desks. Every move is typed, every code passed through the clipboard.
const phone = await launch({ phone: true });
await open(phone.page);
await page.evaluate(() => localStorage.setItem('corvalen.language', 'en'));
await page.reload();
await page.waitForSelector('body[data-ready]');
await press(page, 'New Game');
const moves = ['Nf3', 'Nf6', 'Ng1', 'Ng8', 'Nf3', 'Nf6', 'Ng1', 'Ng8', 'Nf3', 'Nf6'];
for (const [i, san] of moves.entries()) {
    const [mover, other] = i % 2 ? [phone.page, page] : [page, phone.page];
    await mover.type('#move', san);
    await mover.keyboard.press('Enter');
    await press(mover, 'Send Move');
    await answer(mover);
    await paste(other, await clipboard(mover));
    await other.waitForFunction((s) => document.querySelector('#status').textContent.includes(s), {}, san);
}
const row = (p) => p.$$eval('#desk-rows tr', (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent).join(' ')));
const openDesk = async (p) => { await p.keyboard.press('g'); await p.waitForSelector('#desk[open]'); };
await openDesk(page);
await openDesk(phone.page);
const [mine, theirs] = [await row(page), await row(phone.page)];
const width = await phone.page.$eval('#desk', (d) => [d.scrollWidth, d.clientWidth, document.documentElement.scrollWidth]);
check(`desks: "${mine}" and, on the phone, "${theirs}" (${width.join(', ')} px wide)`, /Yours/.test(mine) && /Theirs/.test(theirs)
    && width[0] <= width[1] && width[2] <= 390 && /Moves: 5/.test(await text(phone.page, 'desk-details')));
await phone.browser.close();

// The PGN downloaded, the claim, then a second game resigned and deleted.
const folder = mkdtempSync(join(tmpdir(), 'corvalen-pgn-'));
await (await page.createCDPSession()).send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
const pgn = async () => {
    await press(page, 'Save PGN...');
    for (let i = 0; i < 50 && !readdirSync(folder).some((f) => f.endsWith('.pgn')); ++i)
        await new Promise((done) => setTimeout(done, 100));
    const file = readdirSync(folder).find((f) => f.endsWith('.pgn'));
    const pgnText = readFileSync(join(folder, file), 'utf8');
    execFileSync('rm', [join(folder, file)]);
    return [file, execFileSync('/usr/games/pgn-extract', ['-s', '--nocomments'], { input: pgnText, encoding: 'utf8' })];
};
const settle = async (button, confirm) => {
    await press(page, button);
    const focused = await page.waitForFunction(() => document.querySelector('#message[open]') && document.activeElement.textContent).then((h) => h.jsonValue());
    await press(page, confirm);
    return focused;
};
let focused = await settle('Claim Draw...', 'Claim Draw');
await page.waitForFunction(() => document.querySelector('#desk-rows td:last-child').textContent === '1/2-1/2');
const [file, claimed] = await pgn();
check(`${file}: the claim (${focused} first) gives 1/2-1/2`, /^corvalen-\d+\.pgn$/.test(file) && focused === 'Cancel' && /5\. Nf3 Nf6 1\/2-1\/2/.test(claimed), claimed);

// Names and notes outlive a reload; the replay after ply 3 (1. Nf3 Nf6 2. Ng1) by keys.
await page.type('#opponent-name', 'Bob');
await page.type('#notes', 'Repeats the knights');
await page.focus('#player-name');
await page.waitForSelector('#desk:not([data-saving])');
await page.reload();
await page.waitForSelector('body[data-ready]');
await openDesk(page);
await page.focus('#plies');
for (const key of ['Home', 'ArrowRight', 'ArrowRight', 'ArrowRight'])
    await page.keyboard.press(key);
const cells = await page.$$eval('#replay button', (b) => b.map((c) => c.getAttribute('aria-label')));
const kept = await page.evaluate(() => [document.querySelector('#opponent-name').value, document.querySelector('#notes').value].join('; '));
check(`kept: ${kept}; after ply 3: ${cells.filter((c) => /^(g1|f3|f6),/.test(c)).join('; ')}`, kept === 'Bob; Repeats the knights'
    && ['g1, white knight', 'f3, empty', 'f6, black knight'].every((c) => cells.includes(c)));

await page.keyboard.press('Escape');
await press(page, 'New Game');
await page.type('#move', 'e4');
await page.keyboard.press('Enter');
await press(page, 'Send Move');
await answer(page);
await openDesk(page);
const rows = (n, result) => page.waitForFunction((count, last) => document.querySelectorAll('#desk-rows tr').length === count
    && document.querySelector('#desk-rows td:last-child').textContent === last, {}, n, result);
const count = (await row(page)).length;
await settle('Resign...', 'Resign');
await rows(count, '0-1');
const before = await row(page);
const [, resigned] = await pgn();
await settle('Delete Game...', 'Delete Game');
await rows(before.length - 1, '1/2-1/2');
const after = await row(page);
check('Resign gives 0-1, Delete Game removes that game only', /1\. e4 0-1/.test(resigned) && JSON.stringify(after) === JSON.stringify(before.slice(1)), resigned);

// Russian days: the clock a day, two and five days on.
const days = [];
for (const shift of [1, 2, 5]) {
    await page.evaluate((d) => { localStorage.setItem('corvalen.language', 'ru'); localStorage.setItem('test.shift', d * 86400000); }, shift);
    await page.reload();
    await page.waitForSelector('body[data-ready]');
    await openDesk(page);
    days.push((await row(page))[0].split(' ').slice(-3, -1).join(' '));
}
check(`ru: ${days.join(', ')}`, days.join(', ') === '1 день, 2 дня, 5 дней');
await browser.close();
server.close();
finish();

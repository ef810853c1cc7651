// Untrusted input: every text of the intake fuzzer's corpus pasted into the page gets the same
// kind of answer as `corvalen-code status` gives it (no code, a damaged code, or the board of
// the same FEN); and storage that refuses to write (a full quota) is told once while Send Move
// still hands out the code.
import { readdirSync, readFileSync } from 'node:fs';
import { execFileSync } from 'node:child_process';
import { answer, check, clipboard, code, drag, fen, finish, launch, open, paste, press, startServer, tool } from './support.mjs';

const corpus = new URL('../../tests/fuzz/corpus/', import.meta.url);
const status = (text) => {
    try {
        return execFileSync(tool, ['status', text], { encoding: 'utf8' }).trim();
    } catch (error) {
        return error.stdout.trim();
    }
};
const server = await startServer();
let { browser, page } = await launch();
await open(page);
await (await page.$('#record')).click();
for (const name of readdirSync(corpus).sort()) {
    const text = readFileSync(new URL(name, corpus), 'latin1').replaceAll('\0', '');
    const expected = status(text);
    const before = await fen(page).catch(() => '');
    await paste(page, text);
    let said = 'board';
    if (await page.waitForSelector('dialog[open]', { timeout: 500 }).catch(() => null))
        said = await answer(page);
    const kind = expected.startsWith('error: no position code') ? 'Unable to find the CHESS-CODE'
        : expected.startsWith('error: damaged') ? 'The CHESS-CODE on the Clipboard is incomplete or damaged' : 'board';
    const shown = kind !== 'board' || await fen(page) === execFileSync(tool, ['fen', text], { encoding: 'utf8' }).trim();
    check(`${name}: "${expected}" -> ${said.split('\n')[0]}`, said.startsWith(kind) && shown && (kind === 'board' || await fen(page).catch(() => '') === before));
}
await browser.close();

// A full quota: every write to IndexedDB is refused.
({ browser, page } = await launch());
await page.evaluateOnNewDocument(() => {
    IDBObjectStore.prototype.put = () => { throw new DOMException('The quota has been exceeded.', 'QuotaExceededError'); };
});
await open(page);
await press(page, 'New Game');
await drag(page, 'e2', 'e4');
await press(page, 'Send Move');
const told = await answer(page);
const sent = await answer(page);
const expected = code('code', 'rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3');
check(`storage refused: "${told.split('\n')[0]}", then "${sent.split('\n')[0]}"`,
    told.startsWith('The record could not be written') && sent.startsWith('Your CHESS-CODE has been copied') && await clipboard(page) === expected);
await browser.close();
server.close();
finish();

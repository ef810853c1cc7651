// The record in the browser's storage: after a reload and after a browser restart with the
// same profile, pasting the opponent's code again marks the last move and names it; Export
// gives a games.sqlite that corvalen-code reads (its PGN passing pgn-extract); Import takes
// that record into another browser, which then knows the game; and with the server stopped a
// reload still gives a working turn.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, mkdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { answer, check, clipboard, code, drag, finish, launch, open, paste, press, startServer, text, tool } from './support.mjs';

const reply = code('code', 'rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6');
const marked = (page) => page.$$eval('#board button.marked', (cells) => cells.map((c) => c.getAttribute('aria-label')).join('; '));
async function knowsTheReply(page, when) {
    await paste(page, reply);
    await page.waitForFunction(() => document.querySelector('#status').textContent.startsWith('Your'), { timeout: 3000 }).catch(() => {});
    const status = await text(page, 'status'), marks = await marked(page);
    check(`${when}: "${status}", marked ${marks}`, status.startsWith('Your opponent played 1... e5') && marks === 'e7, empty, last move; e5, black pawn, last move');
}

let server = await startServer();
let { browser, page, profile } = await launch();
await open(page);
await press(page, 'New Game');
await drag(page, 'e2', 'e4');
await press(page, 'Send Move');
await answer(page);
await knowsTheReply(page, 'first load');
await page.reload();
await page.waitForSelector('body[data-ready]');
await knowsTheReply(page, 'after a reload');
await browser.close();
({ browser, page } = await launch({ profile }));
await open(page);
await knowsTheReply(page, 'after a browser restart');

// Export, read by corvalen-code as the desktop's record.
const home = mkdtempSync(join(tmpdir(), 'corvalen-export-'));
mkdirSync(join(home, 'corvalen'));
const session = await page.createCDPSession();
await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: join(home, 'corvalen') });
await press(page, 'Export');
for (let i = 0; i < 50 && !readdirSync(join(home, 'corvalen')).includes('games.sqlite'); ++i)
    await new Promise((done) => setTimeout(done, 100));
const env = { ...process.env, XDG_DATA_HOME: home };
const games = execFileSync(tool, ['games'], { env, encoding: 'utf8' }).trim();
const pgn = execFileSync(tool, ['pgn'], { env, encoding: 'utf8' });
const extracted = execFileSync('/usr/games/pgn-extract', ['-s', '--nocomments'], { input: pgn, encoding: 'utf8' });
const columns = games.split('\t');
check(`exported record: ${games.replaceAll('\t', ' ')}`, columns[3] === '2' && columns[4] === 'e5');
check('the PGN holds 1. e4 e5', /1\. e4 e5/.test(extracted), extracted);

// Offline: the service worker has every file; the server stops, and a reload still plays.
await page.evaluate(() => navigator.serviceWorker.ready);
await page.reload();
await page.waitForSelector('body[data-ready]');
server.close();
server.closeAllConnections?.();
await page.reload();
await page.waitForSelector('body[data-ready]', { timeout: 5000 }).catch(() => {});
await paste(page, reply);
await drag(page, 'g1', 'f3');
await press(page, 'Send Move');
await answer(page);
check('offline: a reload gives a working turn', await clipboard(page) === code('code', 'rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq -'));
await browser.close();
server = await startServer();

// Import into a new browser: a record in WAL mode as the desktop keeps it, checked first; a
// text file is refused.
({ browser, page } = await launch());
await open(page);
const input = await page.$('#import-file');
await input.uploadFile(new URL('../../LICENSE', import.meta.url).pathname);
const refused = await answer(page);
check(`a text file is refused: "${refused}"`, /not a database/.test(refused));
execFileSync('sqlite3', [join(home, 'corvalen', 'games.sqlite'), 'PRAGMA journal_mode = WAL'], { stdio: 'ignore' });
await input.uploadFile(join(home, 'corvalen', 'games.sqlite'));
await new Promise((done) => setTimeout(done, 500));
await knowsTheReply(page, 'after Import');
await browser.close();
server.close();
finish();

// The page's figures with headless Chromium from the local server (a measurement, not a
// test): the first visit and a repeat visit until the board is ready for a move, the time from
// a drop to the redrawn board, and the site's size gzipped. With --screenshot FILE it also
// takes the page on a phone-sized screen.
// Usage: node web/bench.mjs [SITE] [--screenshot FILE]
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { loadavg } from 'node:os';
import { code, drag, launch, open, origin, paste, press, site, startServer } from './tests/support.mjs';

const start = code('code', 'rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -');
const files = (folder) => readdirSync(folder).flatMap((name) => {
    const path = join(folder, name);
    return statSync(path).isDirectory() ? files(path) : [path];
});
const gzipped = files(site).reduce((sum, file) => sum + gzipSync(readFileSync(file), { level: 9 }).length, 0);

// From navigation to a drawn board after the code is pasted: the page's own time (navigation
// to ready, then paste to board), and the time the test harness saw, its own calls included.
async function visit(page) {
    const begin = performance.now();
    await open(page);
    await paste(page, start);
    await page.waitForSelector('#board button[aria-label="e2, white pawn"]');
    const harness = performance.now() - begin;
    const own = await page.evaluate(() => {
        const at = (name) => performance.getEntriesByName(name)[0].startTime;
        return at('corvalen-ready') + at('corvalen-board') - at('corvalen-paste');
    });
    return [own, harness];
}
const shown = ([own, harness]) => `${own.toFixed(0)} ms (${harness.toFixed(0)} ms with the harness)`;

const server = await startServer();
const { browser, page } = await launch();
const first = await visit(page);
await page.evaluate(() => navigator.serviceWorker.ready);
const repeats = [];
for (let i = 0; i < 5; ++i)
    repeats.push(await visit(page));
const drops = [];
for (let i = 0; i < 10; ++i) {
    await page.evaluate(() => {
        window.dropTimes = [];
        window.addEventListener('pointerup', () => {
            const at = performance.now();
            requestAnimationFrame(() => window.dropTimes.push(performance.now() - at));
        }, { once: true, capture: true });
    });
    await drag(page, 'e2', 'e4');
    drops.push(await page.evaluate(() => new Promise((done) => {
        const wait = () => (window.dropTimes.length ? done(window.dropTimes[0]) : setTimeout(wait, 5));
        wait();
    })));
    await press(page, 'Undo Move');
}
const median = (list) => [...list].sort((a, b) => (a[0] ?? a) - (b[0] ?? b))[Math.floor(list.length / 2)];
console.log(`site ${origin}: ${files(site).length} files, ${(gzipped / 1024).toFixed(0)} KB gzipped`);
console.log(`first visit to a board ready for a move: ${shown(first)}`);
console.log(`repeat visit (median of 5): ${shown(median(repeats))}`);
console.log(`drop to redrawn board (median of 10): ${median(drops).toFixed(1)} ms; load average ${loadavg()[0].toFixed(1)}`);
await browser.close();

const shot = process.argv.indexOf('--screenshot');
if (shot > 0) {
    const phone = await launch({ phone: true });
    await open(phone.page);
    await paste(phone.page, code('code', 'r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq -'));
    await phone.page.waitForSelector('#board button[aria-label="e4, white pawn"]');
    await phone.page.screenshot({ path: process.argv[shot + 1], fullPage: true });
    await phone.browser.close();
}
server.close();

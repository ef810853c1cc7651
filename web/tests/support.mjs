// What every browser test shares: the built site served on 127.0.0.1, headless Debian
// Chromium through puppeteer-core, the page found by the accessible names a screen reader
// gets, and a watch on every request and console error.
import { execFileSync } from 'node:child_process';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serve } from '../serve.mjs';

export const site = process.env.CORVALEN_SITE ?? 'build-web/site';
export const tool = process.env.CORVALEN_CODE ?? 'build/corvalen-code';
export const port = Number(process.env.CORVALEN_PORT ?? 8181);
export const origin = `http://127.0.0.1:${port}`;
export const code = (...args) => execFileSync(tool, args, { encoding: 'utf8' }).trim();

let failures = 0;
export function check(what, ok, detail = '') {
    console.log(`${ok ? 'ok' : 'FAIL'}: ${what}${ok || !detail ? '' : ` (${detail})`}`);
    if (!ok)
        failures += 1;
}
export function finish() {
    console.log(failures ? `${failures} failed` : 'all passed');
    process.exit(failures ? 1 : 0);
}

export const startServer = () => serve(site, port);

// A browser with its own profile (kept for a restart when `profile` is given); every request
// outside the origin and every console error counts as a failure.
export async function launch({ profile = mkdtempSync(join(tmpdir(), 'corvalen-web-')), phone = false } = {}) {
    const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
        userDataDir: profile, args: ['--no-sandbox', '--no-first-run'] });
    await browser.defaultBrowserContext().overridePermissions(origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    const page = (await browser.pages())[0] ?? await browser.newPage();
    await page.setViewport(phone ? { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2 }
        : { width: 1000, height: 1000 });
    page.on('request', (r) => r.url().startsWith(origin) || r.url().startsWith('blob:') || r.url().startsWith('data:')
        || check(`request stays in the origin: ${r.url()}`, false));
    page.on('console', (m) => m.type() === 'error' && check(`no console error: ${m.text()}`, false));
    page.on('pageerror', (e) => check(`no page error: ${e.message}`, false));
    return { browser, page, profile };
}

export async function open(page) {
    await page.bringToFront();
    await page.goto(`${origin}/`, { waitUntil: 'load' });
    await page.waitForSelector('body[data-ready]');
}

// The element a screen reader knows by this name and role.
export const named = (page, role, name) => page.waitForSelector(`::-p-aria([name="${name}"][role="${role}"])`, { timeout: 5000 });
// The button by its name, once the page has enabled it.
export async function enabled(page, name) {
    const button = await named(page, 'button', name);
    await page.waitForFunction((b) => !b.disabled, { timeout: 5000 }, button);
    return button;
}
export const press = async (page, name) => (await enabled(page, name)).click();
export const cell = (page, square) => page.$(`#board button[aria-label^="${square},"]`);
export const text = (page, id) => page.$eval(`#${id}`, (e) => e.textContent);
export const fen = (page) => page.$eval('#board', (e) => e.dataset.fen);

// Pastes as a player does: the text on the clipboard, then Ctrl+V on the page.
export async function paste(page, value) {
    await page.evaluate((t) => navigator.clipboard.writeText(t), value);
    await page.evaluate(() => document.activeElement?.blur());
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyV');
    await page.keyboard.up('Control');
}

export const clipboard = (page) => page.evaluate(() => navigator.clipboard.readText());

// The open message's text, after pressing `button` on it (none: leaves it open).
export async function answer(page, button = 'OK') {
    const box = await page.waitForSelector('dialog[open]', { timeout: 5000 });
    const said = await box.$eval('p', (e) => e.textContent);
    if (button)
        await press(page, button);
    return said;
}

// Drags with the mouse from one cell to another, in small steps as a hand does.
export async function drag(page, from, to, input = page.mouse) {
    await (await cell(page, from)).scrollIntoView();
    const a = await (await cell(page, from)).boundingBox(), b = await (await cell(page, to)).boundingBox();
    const [x0, y0, x1, y1] = [a.x + a.width / 2, a.y + a.height / 2, b.x + b.width / 2, b.y + b.height / 2];
    if (input === page.touchscreen) {
        await page.touchscreen.touchStart(x0, y0);
        for (let i = 1; i <= 5; ++i)
            await page.touchscreen.touchMove(x0 + (x1 - x0) * i / 5, y0 + (y1 - y0) * i / 5);
        await page.touchscreen.touchEnd();
        return;
    }
    await page.mouse.move(x0, y0);
    await page.mouse.down();
    await page.mouse.move(x1, y1, { steps: 5 });
    await page.mouse.up();
}

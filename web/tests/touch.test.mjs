// On a phone-sized screen with touch only: a move dragged by finger, a promotion made by
// tapping the pawn, its square, the piece and OK; each code as corvalen-code makes it.
import { answer, cell, check, clipboard, code, drag, enabled, finish, launch, named, open, startServer } from './support.mjs';

// A finger rests between touches: a tap soon after the last touch (within Chrome's double-tap
// time, which a busy machine stretches) is taken as part of that gesture and clicks nothing.
const tap = async (page, element) => {
    await new Promise((done) => setTimeout(done, 800));
    await element.scrollIntoView();
    const box = await element.boundingBox();
    await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
};
const tapButton = async (page, name) => tap(page, await enabled(page, name));

const server = await startServer();
const { browser, page } = await launch({ phone: true });
await open(page);
await tapButton(page, 'New Game');
const width = await page.evaluate(() => [document.documentElement.scrollWidth, document.querySelector('#board').clientWidth]);
check(`the page fits the phone's width (${width[0]} px, board ${width[1]} px)`, width[0] <= 390 && width[1] >= 320);

await drag(page, 'e2', 'e4', page.touchscreen);
await tapButton(page, 'Send Move');
await tapButton(page, 'OK');
let expected = code('code', 'rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3');
check('1. e4 dragged by finger', await clipboard(page) === expected, await clipboard(page));

// A pawn on g7 reaches g8 by tap, tap; the knight is tapped in the chooser.
await page.evaluate((t) => navigator.clipboard.writeText(t), code('code', '4k3/6P1/8/8/8/8/8/4K3 w - -'));
await tapButton(page, 'Paste');
await tap(page, await cell(page, 'g7'));
await tap(page, await cell(page, 'g8'));
await page.waitForSelector('#chooser[open]');
await tap(page, await named(page, 'radio', 'knight'));
await tapButton(page, 'OK');
const promoted = await (await cell(page, 'g8')).evaluate((e) => e.getAttribute('aria-label'));
await tapButton(page, 'Send Move');
await answer(page);
expected = code('code', '4k1N1/8/8/8/8/8/8/4K3 b - -');
check(`g8=N by taps ("${promoted}")`, promoted === 'g8, white knight' && await clipboard(page) === expected);
await browser.close();
server.close();
finish();

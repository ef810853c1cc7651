// The page plays White against codes that corvalen-code makes for Black's replies: every code
// the page sends must be corvalen-code's code for the position after its move, and every code
// it receives must show corvalen-code's FEN, the reply named on the status line. Moves are
// made by mouse drag, by tapping, by typing and (the promotion) by keys.
import { answer, cell, check, clipboard, code, drag, fen, finish, launch, named, open, paste, press, startServer, text } from './support.mjs';

// White's moves are the page's (with how they are made); each line ends with the position
// after the move, the replying side to move.
const game = [
    'e2e4 drag  rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3',
    'd7d5 -     rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d6',
    'e4e5 tap   rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR b KQkq -',
    'f7f5 -     rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6',
    'e5f6 drag  rnbqkbnr/ppp1p1pp/5P2/3p4/8/8/PPPP1PPP/RNBQKBNR b KQkq -',
    'b8c6 -     r1bqkbnr/ppp1p1pp/2n2P2/3p4/8/8/PPPP1PPP/RNBQKBNR w KQkq -',
    'f6g7 type:fxg7 r1bqkbnr/ppp1p1Pp/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR b KQkq -',
    'c8d7 -     r2qkbnr/pppbp1Pp/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR w KQkq -',
    'g7h8 keys:N r2qkbnN/pppbp2p/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR b KQq -',
    'a7a6 -     r2qkbnN/1ppbp2p/p1n5/3p4/8/8/PPPP1PPP/RNBQKBNR w KQq -',
    'f1d3 drag  r2qkbnN/1ppbp2p/p1n5/3p4/8/3B4/PPPP1PPP/RNBQK1NR b KQq -',
    'a6a5 -     r2qkbnN/1ppbp2p/2n5/p2p4/8/3B4/PPPP1PPP/RNBQK1NR w KQq -',
    'g1h3 drag  r2qkbnN/1ppbp2p/2n5/p2p4/8/3B3N/PPPP1PPP/RNBQK2R b KQq -',
    'a5a4 -     r2qkbnN/1ppbp2p/2n5/3p4/p7/3B3N/PPPP1PPP/RNBQK2R w KQq -',
    'e1g1 type:O-O r2qkbnN/1ppbp2p/2n5/3p4/p7/3B3N/PPPP1PPP/RNBQ1RK1 b q -',
    'a4a3 -     r2qkbnN/1ppbp2p/2n5/3p4/8/p2B3N/PPPP1PPP/RNBQ1RK1 w q -',
    'b2a3 tap   r2qkbnN/1ppbp2p/2n5/3p4/8/P2B3N/P1PP1PPP/RNBQ1RK1 b q -',
    'e7e6 -     r2qkbnN/1ppb3p/2n1p3/3p4/8/P2B3N/P1PP1PPP/RNBQ1RK1 w q -',
    'b1c3 drag  r2qkbnN/1ppb3p/2n1p3/3p4/8/P1NB3N/P1PP1PPP/R1BQ1RK1 b q -',
    'd8e7 -     r3kbnN/1ppbq2p/2n1p3/3p4/8/P1NB3N/P1PP1PPP/R1BQ1RK1 w q -',
    'c3b5 type:Nb5 r3kbnN/1ppbq2p/2n1p3/1N1p4/8/P2B3N/P1PP1PPP/R1BQ1RK1 b q -',
    'e8c8 -     2kr1bnN/1ppbq2p/2n1p3/1N1p4/8/P2B3N/P1PP1PPP/R1BQ1RK1 w - -',
    'b5d4 drag  2kr1bnN/1ppbq2p/2n1p3/3p4/3N4/P2B3N/P1PP1PPP/R1BQ1RK1 b - -',
    'c6d4 -     2kr1bnN/1ppbq2p/4p3/3p4/3n4/P2B3N/P1PP1PPP/R1BQ1RK1 w - -',
    'c2c3 drag  2kr1bnN/1ppbq2p/4p3/3p4/3n4/P1PB3N/P2P1PPP/R1BQ1RK1 b - -',
];

const squareName = (uci, at) => uci.slice(at, at + 2);
// The 64 cell names a screen reader gets for a FEN placement ("e4, white pawn"), sorted.
const pieces = { p: 'pawn', r: 'rook', n: 'knight', b: 'bishop', q: 'queen', k: 'king' };
const namesOf = (placement) => placement.split('/').flatMap((rank, row) => [...rank.replace(/\d/g, (n) => '.'.repeat(n))]
    .map((c, column) => `${'abcdefgh'[column]}${8 - row}, ${c === '.' ? 'empty' : `${c < 'a' ? 'white' : 'black'} ${pieces[c.toLowerCase()]}`}`)).sort().join();
const namesShown = (page) => page.$$eval('#board button', (cells) => cells.map((c) => c.getAttribute('aria-label').replace(/, (in check|last move)/g, '')).sort().join());
async function make(page, move, how) {
    const [from, to] = [squareName(move, 0), squareName(move, 2)];
    if (how === 'drag')
        await drag(page, from, to);
    else if (how === 'tap') {
        await (await cell(page, from)).click();
        await (await cell(page, to)).click();
    } else if (how.startsWith('type:')) {
        await (await page.$('#move')).type(how.slice(5));
        await page.keyboard.press('Enter');
    } else if (how.startsWith('keys:')) {
        await drag(page, from, to);
        await page.waitForSelector('#chooser[open]');
        await page.keyboard.press(`Key${how.slice(5)}`);
        await page.keyboard.press('Enter');
    }
}

const server = await startServer();
const { browser, page } = await launch();
await open(page);
await press(page, 'New Game');
for (const [ply, line] of game.entries()) {
    const [move, how, ...position] = line.split(/\s+/);
    const after = position.join(' ');
    const number = `${Math.floor(ply / 2) + 1}.${ply % 2 ? '..' : ''}`;
    if (how !== '-') {
        await make(page, move, how);
        await press(page, 'Send Move');
        const mail = await (await named(page, 'link', 'New E-mail')).evaluate((a) => a.href);
        await answer(page);
        const sent = await clipboard(page);
        if (ply === game.length - 1)
            check(`New E-mail: ${mail}`, mail === `mailto:?subject=Chess%3A%20my%20move%2013.%20c3&body=${sent.replace(':', '%3A')}%0D%0A%0D%0A`);
        check(`${number} ${move} (${how}) sends ${sent}`, sent === code('code', after), `expected ${code('code', after)}`);
    } else {
        const received = code('code', after);
        await paste(page, received);
        await page.waitForFunction((f) => document.querySelector('#board').dataset.fen === f, { timeout: 3000 }, code('fen', received)).catch(() => {});
        const status = await text(page, 'status');
        check(`${number} ${move} received shows ${code('fen', received)}, "${status}"`,
            await fen(page) === code('fen', received) && await namesShown(page) === namesOf(after.split(' ')[0])
            && status.startsWith(`Your opponent played ${number}`));
    }
}
await browser.close();
server.close();
finish();

// The desk: every recorded game as the desktop's Game dialog shows it, from the same calls of
// the game. A row opens its game: the replay board with its moves (Home, End, Left, Right), the
// names and notes (kept as they change), the PGN, and the results, each confirmed first.
import { Board } from './board.mjs';
import * as language from './language.mjs';

const $ = (id) => document.getElementById(id);
let context = null; // { game, captions, tell, changed, sideToMove }
let view = null;
let ply = 0;
const replay = new Board($('replay'), { targets: () => [], onMove: () => {} });

const since = (days) => (days <= 0 ? context.captions.today
    : language.plural('corvalen::GameTableModel', days === 1 ? '%n day' : '%n days', days));

function showPly(at) {
    if (!view)
        return;
    ply = Math.max(0, Math.min(at, view.plies.length));
    replay.draw(context.game.replay(ply), true);
    [...$('plies').children].forEach((item, i) => item.setAttribute('aria-current', String(i === ply - 1)));
    $('plies').children[ply - 1]?.scrollIntoView({ block: 'nearest' });
}

// Opens the game `id` below the table (none: -1).
function openGame(id) {
    view = id >= 0 ? context.game.viewGame(id) : null;
    $('desk-game').hidden = !view;
    for (const row of $('desk-rows').children)
        row.setAttribute('aria-selected', String(Number(row.dataset.id) === id));
    if (!view)
        return;
    const row = [...$('desk-rows').children].find((r) => Number(r.dataset.id) === id);
    const c = context.captions;
    $('desk-details').textContent = row ? ['you', 'moves', 'lastMove', 'result'].map((key, i) =>
        `${c[key]}: ${row.dataset.details.split('\t')[i]}`).join(' · ') : '';
    replay.setFlipped(view.black);
    $('plies').replaceChildren(...view.plies.map((p) => Object.assign(document.createElement('li'), { textContent: p })));
    $('opponent-name').value = view.opponent;
    $('opponent-email').value = view.email;
    $('notes').value = view.notes;
    $('email-refused').textContent = '';
    $('desk-status').textContent = '';
    for (const id of ['resign', 'opponent-resigned', 'draw-agreed'])
        $(id).disabled = !view.open;
    $('reopen').disabled = !view.ended;
    $('claim-draw').hidden = !view.claim;
    showPly(view.plies.length);
}

// Fills the table, most recently played first, and opens `id` (by default this turn's game).
function showGames(id) {
    const desk = context.game.desk();
    $('player-name').value = desk.playerName;
    $('desk-rows').replaceChildren(...desk.rows.map((r) => {
        const row = document.createElement('tr');
        row.dataset.id = r.id;
        row.dataset.details = [r.you, r.moves, r.lastMove, r.result].join('\t');
        row.tabIndex = 0;
        const cells = [r.opponent, r.you, r.moves, r.lastMove, r.turn, since(r.daysSince), r.result];
        row.append(...cells.map((text, i) => Object.assign(document.createElement('td'),
            { textContent: text, className: [1, 2, 3, 6].includes(i) ? 'wide' : '' })));
        row.addEventListener('click', () => openGame(r.id));
        row.addEventListener('keydown', (e) => e.key === 'Enter' && openGame(r.id));
        return row;
    }));
    const wanted = id ?? desk.current;
    openGame(desk.rows.some((r) => r.id === wanted) ? wanted : desk.rows[0]?.id ?? -1);
}

// A result, a claim or a deletion, asked first with Cancel as the default answer.
async function settle(what) {
    const { question, confirm } = context.game.ask(what);
    const cancel = { label: context.captions.cancel, value: 'cancel', default: true };
    if (await context.tell(question, [{ label: confirm, value: 'yes' }, cancel]) !== 'yes')
        return;
    const id = view.id;
    if (context.game.answer(what))
        await context.changed();
    showGames(what === 'delete' ? undefined : id);
}

function copy(text, said) {
    navigator.clipboard.writeText(text).catch(() => {});
    $('desk-status').textContent = said;
}

function download() {
    const link = Object.assign(document.createElement('a'), {
        href: URL.createObjectURL(new Blob([view.pgn], { type: 'application/vnd.chess-pgn' })),
        download: `corvalen-${view.id}.pgn`,
    });
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// Captions in the language in use.
export function showDeskWords(captions) {
    for (const element of document.querySelectorAll('#desk [data-word]'))
        language.caption(element, captions[element.dataset.word]);
    $('desk-title').textContent = captions.games;
    $('replay').setAttribute('aria-label', captions.replay);
    $('plies').setAttribute('aria-label', captions.moveList.replace('&', ''));
    $('desk-table').setAttribute('aria-label', captions.games);
}

export function openDesk(with_) {
    context = with_;
    $('desk-record').checked = $('record').checked;
    $('side-to-move').checked = context.sideToMove();
    showGames();
    $('desk').showModal();
    (view ? $('plies') : $('desk-close')).focus();
}

// A change kept in the record reaches storage; the desk is marked busy until it has.
let saving = 0;
const keep = async (done) => {
    if (done) {
        $('desk').dataset.saving = String(++saving);
        await context.changed();
        if (--saving === 0)
            delete $('desk').dataset.saving;
    }
    return done;
};
$('player-name').addEventListener('change', () => keep(context.game.setPlayerName($('player-name').value)));
$('notes').addEventListener('change', () => keep(context.game.setNotes($('notes').value)));
for (const id of ['opponent-name', 'opponent-email'])
    $(id).addEventListener('change', async () => {
        const kept = await keep(context.game.setOpponent($('opponent-name').value, $('opponent-email').value));
        $('email-refused').textContent = kept ? '' : context.captions.refused;
    });
$('desk').addEventListener('keydown', (event) => {
    const keys = { Home: () => 0, End: () => view.plies.length, ArrowLeft: () => ply - 1, ArrowRight: () => ply + 1 };
    if (!view || !keys[event.key] || event.target.closest('input, textarea, #replay, #desk-rows'))
        return;
    event.preventDefault();
    showPly(keys[event.key]());
});
$('copy-fen').addEventListener('click', () => {
    const shown = context.game.replay(ply);
    copy(shown.fen, shown.copied);
});
$('copy-pgn').addEventListener('click', () => copy(view.pgn, context.game.pgnCopied()));
$('save-pgn').addEventListener('click', download);
const results = { resign: 'resign', 'opponent-resigned': 'opponentResigned', 'draw-agreed': 'drawAgreed',
    'claim-draw': 'claim', 'delete-game': 'delete' };
for (const [id, what] of Object.entries(results))
    $(id).addEventListener('click', () => settle(what));
$('reopen').addEventListener('click', async () => {
    if (context.game.answer('reopen'))
        await context.changed();
    showGames(view.id);
});
$('desk-close').addEventListener('click', () => $('desk').close());
// The record's switch, Export and Import are the page's own, also at hand here.
$('desk-record').addEventListener('change', () => {
    $('record').checked = $('desk-record').checked;
    $('record').dispatchEvent(new Event('change'));
    showGames();
});
$('desk-export').addEventListener('click', () => $('export').click());
$('desk-import').addEventListener('click', () => $('import').click());
$('side-to-move').addEventListener('change', () => context.sideToMove($('side-to-move').checked));

// The board: 64 buttons named as the desktop names its cells, drawn from the player's side.
// A piece moves by dragging (mouse, pen or finger) or by tapping it and then a square; the
// square pairs go to onMove, which asks the game. Nothing here knows a rule.
// By keyboard the board is one stop in the Tab order: the arrow keys move between the cells as
// they are drawn, and Enter or Space taps the cell that has the focus.

const picture = (name) => ({ src: `images/${name}.png`, srcset: `images/${name}@2x.png 2x` });

export class Board {
    constructor(element, { targets, onMove }) {
        this.element = element;
        this.targets = targets;
        this.onMove = onMove;
        this.flipped = false;
        this.locked = true;
        this.selected = null;
        this.cells = [];
        for (let square = 0; square < 64; ++square) {
            const cell = document.createElement('button');
            cell.type = 'button';
            cell.dataset.square = square;
            const image = document.createElement('img');
            image.alt = '';
            image.draggable = false;
            cell.append(image);
            cell.addEventListener('click', () => this.tap(square));
            this.cells.push(cell);
        }
        element.addEventListener('pointerdown', (event) => this.press(event));
        element.addEventListener('keydown', (event) => this.step(event));
        element.addEventListener('focusin', (event) => this.rove(event.target));
        // A finger held on a piece before it moves drags it; no menu comes up.
        element.addEventListener('contextmenu', (event) => event.preventDefault());
        this.place();
    }

    // Squares 0..63 run from a8 to h1: from White's side in that order, from Black's reversed.
    place() {
        const order = this.flipped ? [...this.cells].reverse() : this.cells;
        this.element.replaceChildren(...order);
        this.rove(this.cells.find((cell) => cell.tabIndex === 0) ?? order[0]);
    }

    // The one cell Tab reaches: the last one that had the focus.
    rove(focused) {
        if (this.cells.includes(focused))
            this.cells.forEach((cell) => { cell.tabIndex = cell === focused ? 0 : -1; });
    }

    step(event) {
        const steps = { ArrowLeft: [0, -1], ArrowRight: [0, 1], ArrowUp: [-1, 0], ArrowDown: [1, 0] };
        const order = [...this.element.children];
        const at = order.indexOf(document.activeElement);
        if (!steps[event.key] || at < 0)
            return;
        event.preventDefault();
        const row = Math.floor(at / 8) + steps[event.key][0], column = at % 8 + steps[event.key][1];
        if (row >= 0 && row < 8 && column >= 0 && column < 8)
            order[row * 8 + column].focus();
    }

    setFlipped(flipped) {
        if (flipped !== this.flipped) {
            this.flipped = flipped;
            this.place();
        }
    }

    draw(view, locked) {
        this.locked = locked;
        view.cells.forEach((cell, square) => {
            const button = this.cells[square];
            const image = button.firstChild;
            const { src, srcset } = picture(cell.picture);
            if (image.getAttribute('src') !== src) {
                image.src = src;
                image.srcset = srcset;
            }
            button.setAttribute('aria-label', cell.name);
            button.classList.toggle('marked', cell.marked);
        });
        this.select(null);
    }

    select(square) {
        this.selected = square;
        const targets = square === null ? [] : this.targets(square);
        this.cells.forEach((cell, index) => {
            cell.classList.toggle('selected', index === square);
            // A screen reader hears the piece picked up as a pressed button.
            if (index === square)
                cell.setAttribute('aria-pressed', 'true');
            else
                cell.removeAttribute('aria-pressed');
            cell.classList.toggle('target', targets.includes(index));
        });
        return targets;
    }

    tap(square) {
        if (this.locked || this.dragged)
            return;
        if (this.selected === null || this.selected === square) {
            this.select(this.selected === square ? null : (this.targets(square).length ? square : null));
            return;
        }
        const from = this.selected;
        if (this.targets(from).includes(square) || !this.targets(square).length) {
            this.select(null);
            this.onMove(from, square);
        } else {
            this.select(square);
        }
    }

    squareAt(x, y) {
        const cell = document.elementFromPoint(x, y)?.closest('#board button');
        return cell ? Number(cell.dataset.square) : null;
    }

    press(event) {
        this.dragged = false;
        const from = this.squareAt(event.clientX, event.clientY);
        if (this.locked || from === null || !this.targets(from).length || !event.isPrimary)
            return;
        const start = { x: event.clientX, y: event.clientY };
        const source = this.cells[from].firstChild;
        let ghost = null;
        const move = (e) => {
            if (!ghost && Math.hypot(e.clientX - start.x, e.clientY - start.y) < 6)
                return;
            if (!ghost) {
                ghost = source.cloneNode();
                ghost.className = 'dragging';
                document.body.append(ghost);
                this.select(from);
            }
            ghost.style.left = `${e.clientX - 24}px`;
            ghost.style.top = `${e.clientY - 24}px`;
        };
        const end = (e) => {
            window.removeEventListener('pointermove', move);
            window.removeEventListener('pointerup', end);
            window.removeEventListener('pointercancel', end);
            if (!ghost)
                return;
            ghost.remove();
            this.dragged = true;
            setTimeout(() => { this.dragged = false; });
            this.select(null);
            const to = e.type === 'pointerup' ? this.squareAt(e.clientX, e.clientY) : null;
            if (to !== null && to !== from)
                this.onMove(from, to);
        };
        window.addEventListener('pointermove', move);
        window.addEventListener('pointerup', end);
        window.addEventListener('pointercancel', end);
        event.preventDefault();
    }
}

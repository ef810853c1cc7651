#!/usr/bin/env bash
# Plays a short game on a real X server as two players would, one program run per turn:
# the code goes onto the X clipboard, the program starts, the piece is dragged with the real
# mouse, Send Move puts the reply code on the clipboard, which is read while the message box
# is open, and the code is handed to the next run. The game has a castling, an en-passant
# capture and a promotion (answered in the dialog with real clicks), and ends in mate.
#
# Usage: play-game.sh BUILD_DIR [OUTPUT_DIR]
# BUILD_DIR holds corvalen, corvalen-code and images/; screenshots go to OUTPUT_DIR
# (default BUILD_DIR/e2e). Exit status 77 means skipped (no X server tools).
set -euo pipefail

build=$(cd "${1:?usage: play-game.sh BUILD_DIR [OUTPUT_DIR]}" && pwd)
out=${2:-$build/e2e}
program=$build/corvalen
tool=$build/corvalen-code

for t in Xvfb xdotool xclip import convert; do
    if ! command -v "$t" >/dev/null; then
        echo "SKIP: '$t' not found, so the game on a real X server cannot run; scripts/install-deps installs xvfb xauth xdotool xclip imagemagick"
        exit 77
    fi
done
for f in "$program" "$tool"; do
    [ -x "$f" ] || { echo "FAIL: $f is not built"; exit 1; }
done
mkdir -p "$out"

# Board geometry of the main window, in pixels of its client area: the cells are 32 x 32 and
# the board starts at (12, 36); cell i stands at column i % 8, row i / 8 (row 0 = rank 8).
board_left=12
board_top=36
cell=32
# The promotion dialog: the choices rook, knight, bishop, queen inside their box.
choice_left=(8 48 88 128)
choice_box_left=8
choice_box_top=28
choice_top=8
choice_size=34
ok_centre=(96 104)
# Where the check indicator stands (red text "In Check" or "Mate" when shown), and the turn
# label, which gets its text once the position is loaded.
indicator_crop=92x21+280+8
title_crop=257x33+12+4

starting_code=CHESS-CODE:FG4GD0LGU16HDHL1SI42C2K2S343C3K3SC0C8CGCOD0D8DGDOE0U9EHUQF2V9VHFOG

# One ply a line: the move in UCI notation and the position after it, as FEN, with the side
# that replies to move and the en-passant square the program records after any double step.
game=(
    "e2e4  rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3"
    "d7d5  rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d6"
    "e4e5  rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR b KQkq -"
    "f7f5  rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6"
    "e5f6  rnbqkbnr/ppp1p1pp/5P2/3p4/8/8/PPPP1PPP/RNBQKBNR b KQkq -"
    "b8c6  r1bqkbnr/ppp1p1pp/2n2P2/3p4/8/8/PPPP1PPP/RNBQKBNR w KQkq -"
    "f6g7  r1bqkbnr/ppp1p1Pp/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR b KQkq -"
    "c8d7  r2qkbnr/pppbp1Pp/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR w KQkq -"
    "g7h8n r2qkbnN/pppbp2p/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR b KQq -"
    "a7a6  r2qkbnN/1ppbp2p/p1n5/3p4/8/8/PPPP1PPP/RNBQKBNR w KQq -"
    "f1d3  r2qkbnN/1ppbp2p/p1n5/3p4/8/3B4/PPPP1PPP/RNBQK1NR b KQq -"
    "a6a5  r2qkbnN/1ppbp2p/2n5/p2p4/8/3B4/PPPP1PPP/RNBQK1NR w KQq -"
    "g1h3  r2qkbnN/1ppbp2p/2n5/p2p4/8/3B3N/PPPP1PPP/RNBQK2R b KQq -"
    "a5a4  r2qkbnN/1ppbp2p/2n5/3p4/p7/3B3N/PPPP1PPP/RNBQK2R w KQq -"
    "e1g1  r2qkbnN/1ppbp2p/2n5/3p4/p7/3B3N/PPPP1PPP/RNBQ1RK1 b q -"
    "a4a3  r2qkbnN/1ppbp2p/2n5/3p4/8/p2B3N/PPPP1PPP/RNBQ1RK1 w q -"
    "d1h5  r2qkbnN/1ppbp2p/2n5/3p3Q/8/p2B3N/PPPP1PPP/RNB2RK1 b q -"
)

fail() {
    echo "FAIL: $*" >&2
    if [ -n "$x_ready" ]; then
        import -window root "$out/failure.png" 2>/dev/null && echo "screen at failure: $out/failure.png" >&2
    fi
    exit 1
}

xvfb_pid=
program_pid=
x_ready=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    true
}
trap cleanup EXIT

# An X server of our own on a display it picks itself.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>"$out/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.05
done
[ -s "$display_file" ] || fail "Xvfb did not start (see $out/xvfb.log)"
export DISPLAY=:$(head -1 "$display_file")
x_ready=1
rm -f "$display_file"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$build/xdg-runtime
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

square() { # a1 .. h8 -> 0 .. 63
    local file=$(($(printf '%d' "'${1:0:1}") - 97)) rank=${1:1:1}
    echo $(((8 - rank) * 8 + file))
}

# Window position and size as shell variables X Y WIDTH HEIGHT.
geometry() {
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

wait_for_window() { # title -> window id of this run's visible window
    local id
    id=$(timeout 15 xdotool search --all --sync --onlyvisible --pid "$program_pid" --name "^$1\$" \
        2>/dev/null | head -1) || true
    [ -n "$id" ] || fail "no window '$1' appeared"
    echo "$id"
}

visible_windows() { # title -> ids of this run's visible windows with that title
    xdotool search --all --onlyvisible --pid "$program_pid" --name "^$1\$" 2>/dev/null || true
}

drag() { # window from-square to-square
    local x y w h
    read -r x y w h < <(geometry "$1")
    local fx=$((x + board_left + ($2 % 8) * cell + cell / 2)) fy=$((y + board_top + ($2 / 8) * cell + cell / 2))
    local tx=$((x + board_left + ($3 % 8) * cell + cell / 2)) ty=$((y + board_top + ($3 / 8) * cell + cell / 2))
    xdotool mousemove "$fx" "$fy"
    sleep 0.1
    xdotool mousedown 1
    sleep 0.1
    for step in 1 2 3 4 5 6; do
        xdotool mousemove $((fx + (tx - fx) * step / 6)) $((fy + (ty - fy) * step / 6))
        sleep 0.05
    done
    sleep 0.1
    xdotool mouseup 1
    sleep 0.2
}

click_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool click 1
    sleep 0.15
}

choose_promotion() { # piece letter r n b q
    local index
    case $1 in r) index=0 ;; n) index=1 ;; b) index=2 ;; q) index=3 ;; *) fail "bad promotion $1" ;; esac
    local dialog x y w h
    dialog=$(wait_for_window "Change Pawn")
    sleep 0.2
    read -r x y w h < <(geometry "$dialog")
    click_at $((x + choice_box_left + choice_left[index] + choice_size / 2)) \
        $((y + choice_box_top + choice_top + choice_size / 2))
    import -window "$dialog" "$out/promotion-dialog.png"
    click_at $((x + ok_centre[0])) $((y + ok_centre[1]))
    for _ in $(seq 50); do
        [ -z "$(visible_windows "Change Pawn")" ] && return
        sleep 0.1
    done
    fail "the promotion dialog did not close after choosing and OK"
}

# Whether the check indicator shows (red text) in a screenshot of the main window.
indicator_shown() {
    local red
    red=$(convert "$1" -crop "$indicator_crop" +repage \
        -fx '(r > 0.6 && g < 0.35 && b < 0.35) ? 1 : 0' -format '%[fx:maxima]' info:)
    [ "$red" = 1 ]
}

start_program() { # code -> sets program_pid and window
    # xclip stays in the background as the clipboard's owner until the program takes it over.
    printf '%s' "$1" | xclip -selection clipboard -i 2>/dev/null
    "$program" >>"$out/program.log" 2>&1 &
    program_pid=$!
    window=$(wait_for_window Chess)
    # The turn label is written after the position has been drawn: only then is the board ready.
    local loaded=
    for _ in $(seq 100); do
        loaded=$(import -window "$window" png:- 2>/dev/null | convert - -crop "$title_crop" +repage \
            -fx '(r < 0.3 && g < 0.3 && b < 0.3) ? 1 : 0' -format '%[fx:maxima]' info: 2>/dev/null)
        [ "$loaded" = 1 ] && break
        sleep 0.1
    done
    [ "$loaded" = 1 ] || fail "the turn label stayed empty: the position did not load"
    sleep 0.1
}

exit_program() {
    xdotool windowfocus "$window" 2>/dev/null || true
    sleep 0.1
    xdotool key alt+x
    for _ in $(seq 50); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        fail "Alt+X did not end the program"
    fi
    wait "$program_pid" || fail "the program ended with status $?"
    program_pid=
}

# One turn: load the code, check the indicator against the code's status, make the move,
# send it, and leave the code read from the clipboard in `sent`.
play_turn() { # ply code uci
    local ply=$1 code=$2 uci=$3
    local from to promotion status
    from=$(square "${uci:0:2}")
    to=$(square "${uci:2:2}")
    promotion=${uci:4:1}

    "$tool" moves "$code" | tr ' ' '\n' | grep -qx "$uci" ||
        fail "ply $ply: $uci is not legal in $("$tool" fen "$code")"

    start_program "$code"
    import -window "$window" "$out/ply-$(printf '%02d' "$ply")-before.png"
    status=$("$tool" status "$code")
    if [ "$status" = none ] && indicator_shown "$out/ply-$(printf '%02d' "$ply")-before.png"; then
        fail "ply $ply: the window shows a check indicator, the code's status is none"
    fi

    drag "$window" "$from" "$to"
    [ -n "$promotion" ] && choose_promotion "$promotion"

    xdotool windowfocus "$window" 2>/dev/null || true
    sleep 0.1
    xdotool key alt+s
    sent=
    for _ in $(seq 100); do
        sent=$(xclip -selection clipboard -o 2>/dev/null || true)
        [[ $sent == CHESS-CODE:* && $sent != "$code" ]] && break
        sent=
        sleep 0.1
    done
    [ -n "$sent" ] || fail "ply $ply ($uci): no new code on the clipboard after Send Move"

    local box=
    for _ in $(seq 50); do
        box=$(visible_windows Chess | grep -vx "$window" | head -1)
        [ -n "$box" ] && break
        sleep 0.1
    done
    [ -n "$box" ] || fail "ply $ply: no message box after Send Move"
    xdotool windowfocus "$box" 2>/dev/null || true
    sleep 0.1
    xdotool key Return
    for _ in $(seq 50); do
        visible_windows Chess | grep -qx "$box" || break
        sleep 0.1
    done
    visible_windows Chess | grep -qx "$box" && fail "ply $ply: Enter did not close the message box"

    exit_program
    printf '%s\n' "$sent" >"$out/ply-$(printf '%02d' "$ply").code"
}

code=$starting_code
ply=0
for entry in "${game[@]}"; do
    ply=$((ply + 1))
    read -r uci fen <<<"$entry"
    play_turn "$ply" "$code" "$uci"
    expected=$("$tool" code "$fen" 2>/dev/null) || fail "ply $ply: corvalen-code cannot read '$fen'"
    if [ "$sent" != "$expected" ]; then
        echo "ply $ply ($uci): sent     $sent = $("$tool" fen "$sent")" >&2
        echo "ply $ply ($uci): expected $expected = $fen" >&2
        fail "ply $ply: the sent code is not the expected position"
    fi
    echo "ply $ply $uci ok: $fen"
    code=$sent
done

# The receiving player's run: the final position loads with the mate shown.
status=$("$tool" status "$code")
[ "$status" = mate ] || fail "the final position is '$status', not mate"
start_program "$code"
final=$out/final-position.png
import -window "$window" "$final"
cp "$final" "$build/e2e-final-position.png"
indicator_shown "$final" || fail "the final position is mate but the window shows no indicator"
exit_program
echo "mate after $ply plies; final position: $build/e2e-final-position.png"

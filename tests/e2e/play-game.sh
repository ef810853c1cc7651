#!/usr/bin/env bash
# Plays a game on a real X server as two players would, one program run per ply: the code goes
# onto the X clipboard, the program starts, the piece is dragged with the real mouse (the
# promotion chosen with real clicks), Alt+S puts the reply on the clipboard, which is read while
# the message box is open, Enter closes the box and Alt+X ends the program. The game castles,
# takes en passant, promotes and ends in mate, which the last run must show.
# Usage: play-game.sh BUILD_DIR [OUTPUT_DIR]; exit status 77: no X server tools (skipped).
set -euo pipefail
build=$(cd "$1" && pwd)
out=${2:-$build/e2e}
program=$build/corvalen tool=$build/corvalen-code
for t in Xvfb xdotool xclip import convert; do
    command -v "$t" >/dev/null || { echo "SKIP: $t not found (scripts/install-deps installs it)"; exit 77; }
done
mkdir -p "$out"

# One ply a line: the move, and the position after it with the replying side to move.
game=(
    "e2e4  rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b - e3"
    "d7d5  rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w - d6"
    "e4e5  rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR b"
    "f7f5  rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w - f6"
    "e5f6  rnbqkbnr/ppp1p1pp/5P2/3p4/8/8/PPPP1PPP/RNBQKBNR b"
    "b8c6  r1bqkbnr/ppp1p1pp/2n2P2/3p4/8/8/PPPP1PPP/RNBQKBNR w"
    "f6g7  r1bqkbnr/ppp1p1Pp/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR b"
    "c8d7  r2qkbnr/pppbp1Pp/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR w"
    "g7h8n r2qkbnN/pppbp2p/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR b"
    "a7a6  r2qkbnN/1ppbp2p/p1n5/3p4/8/8/PPPP1PPP/RNBQKBNR w"
    "f1d3  r2qkbnN/1ppbp2p/p1n5/3p4/8/3B4/PPPP1PPP/RNBQK1NR b"
    "a6a5  r2qkbnN/1ppbp2p/2n5/p2p4/8/3B4/PPPP1PPP/RNBQK1NR w"
    "g1h3  r2qkbnN/1ppbp2p/2n5/p2p4/8/3B3N/PPPP1PPP/RNBQK2R b"
    "a5a4  r2qkbnN/1ppbp2p/2n5/3p4/p7/3B3N/PPPP1PPP/RNBQK2R w"
    "e1g1  r2qkbnN/1ppbp2p/2n5/3p4/p7/3B3N/PPPP1PPP/RNBQ1RK1 b"
    "a4a3  r2qkbnN/1ppbp2p/2n5/3p4/8/p2B3N/PPPP1PPP/RNBQ1RK1 w"
    "d1h5  r2qkbnN/1ppbp2p/2n5/3p3Q/8/p2B3N/PPPP1PPP/RNB2RK1 b"
)

pids=()
trap 'kill "${pids[@]}" 2>/dev/null; true' EXIT
fail() {
    import -window root "$out/failure.png" 2>/dev/null || true
    echo "FAIL: $* (screen: $out/failure.png)" >&2
    exit 1
}

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>"$out/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
export DISPLAY=:$(head -1 "$display_file") XDG_RUNTIME_DIR=$build/xdg-runtime
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

wait_for() { # command... -> retries for 10 s until it succeeds
    for _ in $(seq 100); do "$@" && return; sleep 0.1; done
    return 1
}
windows() { xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null; }
# Whether a part (WxH+X+Y) of a window's picture holds a pixel matching an -fx condition.
shows() { [ "$(import -window "$1" png:- | convert - -crop "$2" +repage -fx "$3 ? 1 : 0" -format '%[fx:maxima]' info:)" = 1 ]; }
origin() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X $Y"; }
click() { xdotool mousemove "$1" "$2" sleep 0.1 click 1 sleep 0.15; }

start() { # code: starts a run and waits until the turn label shows the loaded position
    printf '%s' "$1" | xclip -selection clipboard -i
    "$program" >>"$out/program.log" 2>&1 &
    pid=$!
    window=$(wait_for windows Chess | head -1) || fail "no window"
    wait_for shows "$window" 257x33+12+4 '(r < 0.3 && g < 0.3 && b < 0.3)' || fail "no turn label"
}

drag() { # from to, as square numbers 0 (a8) .. 63 (h1); cells are 32 px from (12, 36)
    local x y fx fy tx ty
    read -r x y < <(origin "$window")
    fx=$((x + 28 + $1 % 8 * 32)) fy=$((y + 52 + $1 / 8 * 32)) tx=$((x + 28 + $2 % 8 * 32)) ty=$((y + 52 + $2 / 8 * 32))
    xdotool mousemove $fx $fy sleep 0.1 mousedown 1 sleep 0.1
    for step in 1 2 3 4 5 6; do xdotool mousemove $((fx + (tx - fx) * step / 6)) $((fy + (ty - fy) * step / 6)) sleep 0.05; done
    xdotool sleep 0.1 mouseup 1 sleep 0.2
}

promote() { # index of the choice: 0 rook .. 3 queen
    local dialog x y
    dialog=$(wait_for windows "Change Pawn") || fail "no promotion dialog"
    sleep 0.2
    read -r x y < <(origin "$dialog")
    click $((x + 33 + $1 * 40)) $((y + 53))
    click $((x + 96)) $((y + 104))
    wait_for eval '[ -z "$(windows "Change Pawn")" ]' || fail "the promotion dialog stayed open"
}

send() { # Alt+S; reads the new code into `sent` while the message box is open; Enter closes it
    xdotool windowfocus "$window" sleep 0.1 key alt+s
    wait_for eval 'sent=$(xclip -selection clipboard -o 2>/dev/null); [[ $sent == CHESS-CODE:* && $sent != "$code" ]]' ||
        fail "no new code on the clipboard"
    box=$(wait_for eval 'windows Chess | grep -vx "$window"') || fail "no message box"
    xdotool windowfocus "$box" sleep 0.1 key Return
    wait_for eval '! windows Chess | grep -qx "$box"' || fail "Enter did not close the message box"
}

finish() { # Alt+X, and the program must end normally
    xdotool windowfocus "$window" sleep 0.1 key alt+x
    wait_for eval '! kill -0 $pid 2>/dev/null' || fail "Alt+X did not end the program"
    wait "$pid" || fail "the program ended with status $?"
}

square() { echo $(((8 - ${1:1:1}) * 8 + $(printf '%d' "'${1:0:1}") - 97)); }

code=CHESS-CODE:FG4GD0LGU16HDHL1SI42C2K2S343C3K3SC0C8CGCOD0D8DGDOE0U9EHUQF2V9VHFOG
ply=0
for entry in "${game[@]}"; do
    read -r uci fen <<<"$entry"
    ply=$((ply + 1))
    start "$code"
    drag "$(square "${uci:0:2}")" "$(square "${uci:2:2}")"
    if [ -n "${uci:4}" ]; then choices=rnbq; choices=${choices%%${uci:4}*}; promote ${#choices}; fi
    send
    finish
    [ "$sent" = "$("$tool" code "$fen" 2>/dev/null)" ] || fail "ply $ply $uci sent $sent: $("$tool" fen "$sent"), not $fen"
    echo "ply $ply $uci: $fen"
    code=$sent
done

# The receiver's run shows the mate (red text in the check indicator).
start "$code"
import -window "$window" "$build/e2e-final-position.png"
shows "$window" 92x21+280+8 '(r > 0.6 && g < 0.35 && b < 0.35)' || fail "the mate is not shown"
finish
echo "mate after $ply plies: $build/e2e-final-position.png"

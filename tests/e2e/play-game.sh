#!/usr/bin/env bash
# Plays a game on a real X server as two players would, one program run per ply, each player
# with a home of their own and the game record on: the code goes onto the X clipboard, the
# program starts and must mark the opponent's move, the piece is dragged with the real mouse
# (the promotion chosen with real clicks; one move from Black's side after Ctrl+F; one move
# typed with the keyboard alone), Alt+S puts the reply on the clipboard, which is read while the
# message box is open, Enter closes the box and Alt+X ends the program. The game castles, takes
# en passant, promotes and ends in mate, which the last run must show; then each player's
# record must read back the same game as PGN. With KILLED plies, only that many are played and
# each program is killed (SIGKILL) once the player has the code: the records must still hold
# every move sent.
# Usage: play-game.sh BUILD_DIR [OUTPUT_DIR [KILLED]]; exit status 77: no X server tools (skipped).
set -euo pipefail
build=$(cd "$1" && pwd)
out=${2:-$build/e2e} killed=${3:-0}
program=$build/corvalen tool=$build/corvalen-code
for t in Xvfb xdotool xclip import convert; do
    command -v "$t" >/dev/null || { echo "SKIP: $t not found (scripts/install-deps installs it)"; exit 77; }
done
mkdir -p "$out"

# One ply a line: the move, how it is made (drag, "flipped": dragged on the board seen from
# Black's side, or typed text), and the position after it with the replying side to move.
game=(
    "e2e4  drag     rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3"
    "d7d5  drag     rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d6"
    "e4e5  drag     rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR b KQkq -"
    "f7f5  drag     rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6"
    "e5f6  drag     rnbqkbnr/ppp1p1pp/5P2/3p4/8/8/PPPP1PPP/RNBQKBNR b KQkq -"
    "b8c6  flipped  r1bqkbnr/ppp1p1pp/2n2P2/3p4/8/8/PPPP1PPP/RNBQKBNR w KQkq -"
    "f6g7  drag     r1bqkbnr/ppp1p1Pp/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR b KQkq -"
    "c8d7  drag     r2qkbnr/pppbp1Pp/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR w KQkq -"
    "g7h8n drag     r2qkbnN/pppbp2p/2n5/3p4/8/8/PPPP1PPP/RNBQKBNR b KQq -"
    "a7a6  a6       r2qkbnN/1ppbp2p/p1n5/3p4/8/8/PPPP1PPP/RNBQKBNR w KQq -"
    "f1d3  drag     r2qkbnN/1ppbp2p/p1n5/3p4/8/3B4/PPPP1PPP/RNBQK1NR b KQq -"
    "a6a5  drag     r2qkbnN/1ppbp2p/2n5/p2p4/8/3B4/PPPP1PPP/RNBQK1NR w KQq -"
    "g1h3  drag     r2qkbnN/1ppbp2p/2n5/p2p4/8/3B3N/PPPP1PPP/RNBQK2R b KQq -"
    "a5a4  drag     r2qkbnN/1ppbp2p/2n5/3p4/p7/3B3N/PPPP1PPP/RNBQK2R w KQq -"
    "e1g1  drag     r2qkbnN/1ppbp2p/2n5/3p4/p7/3B3N/PPPP1PPP/RNBQ1RK1 b q -"
    "a4a3  drag     r2qkbnN/1ppbp2p/2n5/3p4/8/p2B3N/PPPP1PPP/RNBQ1RK1 w q -"
    "b2a3  drag     r2qkbnN/1ppbp2p/2n5/3p4/8/P2B3N/P1PP1PPP/RNBQ1RK1 b q -"
    "b7b6  drag     r2qkbnN/2pbp2p/1pn5/3p4/8/P2B3N/P1PP1PPP/RNBQ1RK1 w q -"
    "b1c3  drag     r2qkbnN/2pbp2p/1pn5/3p4/8/P1NB3N/P1PP1PPP/R1BQ1RK1 b q -"
    "b6b5  drag     r2qkbnN/2pbp2p/2n5/1p1p4/8/P1NB3N/P1PP1PPP/R1BQ1RK1 w q -"
    "c3b5  drag     r2qkbnN/2pbp2p/2n5/1N1p4/8/P2B3N/P1PP1PPP/R1BQ1RK1 b q -"
    "a8b8  drag     1r1qkbnN/2pbp2p/2n5/1N1p4/8/P2B3N/P1PP1PPP/R1BQ1RK1 w - -"
    "b5d4  drag     1r1qkbnN/2pbp2p/2n5/3p4/3N4/P2B3N/P1PP1PPP/R1BQ1RK1 b - -"
    "c6d4  drag     1r1qkbnN/2pbp2p/8/3p4/3n4/P2B3N/P1PP1PPP/R1BQ1RK1 w - -"
    "c2c3  drag     1r1qkbnN/2pbp2p/8/3p4/3n4/P1PB3N/P2P1PPP/R1BQ1RK1 b - -"
    "d4c6  drag     1r1qkbnN/2pbp2p/2n5/3p4/8/P1PB3N/P2P1PPP/R1BQ1RK1 w - -"
    "c1b2  drag     1r1qkbnN/2pbp2p/2n5/3p4/8/P1PB3N/PB1P1PPP/R2Q1RK1 b - -"
    "b8b6  drag     3qkbnN/2pbp2p/1rn5/3p4/8/P1PB3N/PB1P1PPP/R2Q1RK1 w - -"
    "a1b1  drag     3qkbnN/2pbp2p/1rn5/3p4/8/P1PB3N/PB1P1PPP/1R1Q1RK1 b - -"
    "b6a6  drag     3qkbnN/2pbp2p/r1n5/3p4/8/P1PB3N/PB1P1PPP/1R1Q1RK1 w - -"
    "d1h5  drag     3qkbnN/2pbp2p/r1n5/3p3Q/8/P1PB3N/PB1P1PPP/1R3RK1 b - -"
)
pgn="1. e4 d5 2. e5 f5 3. exf6 Nc6 4. fxg7 Bd7 5. gxh8=N a6 6. Bd3 a5 7. Nh3 a4 8. O-O a3 \
9. bxa3 b6 10. Nc3 b5 11. Nxb5 Rb8 12. Nd4 Nxd4 13. c3 Nc6 14. Bb2 Rb6 15. Rb1 Ra6 16. Qh5# 1-0"

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
# Each player's home, with the record turned on as the Game dialog writes it.
for side in white black; do
    rm -rf "$out/$side" && mkdir -p "$out/$side/config/corvalen"
    printf '[record]\nenabled=true\n' >"$out/$side/config/corvalen/corvalen.conf"
done
as() { XDG_CONFIG_HOME=$out/$1/config XDG_DATA_HOME=$out/$1/data "${@:2}"; }

wait_for() { # command... -> retries for 10 s until it succeeds
    for _ in $(seq 100); do "$@" && return; sleep 0.1; done
    return 1
}
windows() { xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null; }
# Whether a part (WxH+X+Y) of a window's picture holds a pixel matching an -fx condition.
shows() { [ "$(import -window "$1" png:- | convert - -crop "$2" +repage -fx "$3 ? 1 : 0" -format '%[fx:maxima]' info:)" = 1 ]; }
origin() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X $Y"; }
click() { xdotool mousemove "$1" "$2" sleep 0.1 click 1 sleep 0.15; }

start() { # code side: starts a run of that player and waits until the turn label shows the position
    printf '%s' "$1" | xclip -selection clipboard -i
    XDG_CONFIG_HOME=$out/$2/config XDG_DATA_HOME=$out/$2/data "$program" >>"$out/program.log" 2>&1 &
    pid=$!
    window=$(wait_for windows Chess | head -1) || fail "no window"
    wait_for shows "$window" 257x33+12+4 '(r < 0.3 && g < 0.3 && b < 0.3)' || fail "no turn label"
}

# Where a square's cell is drawn, in the window: cells are 32 px from (13, 37), h1 top left
# when the board is flipped.
cell() { local s=$1; [ "$flipped" = 1 ] && s=$((63 - s)); echo $((13 + s % 8 * 32)) $((37 + s / 8 * 32)); }
drag() { # from to, as square numbers 0 (a8) .. 63 (h1)
    local x y fx fy tx ty
    read -r x y < <(origin "$window")
    read -r fx fy < <(cell "$1")
    read -r tx ty < <(cell "$2")
    fx=$((x + fx + 16)) fy=$((y + fy + 16)) tx=$((x + tx + 16)) ty=$((y + ty + 16))
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
marked() { # square: the orange frame of the opponent's move on its cell
    local x y
    read -r x y < <(cell "$1")
    shows "$window" 1x1+$((x + 2))+$((y + 16)) '(r > 0.8 && g > 0.45 && g < 0.65 && b < 0.2)'
}

code=CHESS-CODE:FG4GD0LGU16HDHL1SI42C2K2S343C3K3SC0C8CGCOD0D8DGDOE0U9EHUQF2V9VHFOG
ply=0 previous=
for entry in "${game[@]}"; do
    read -r uci how fen <<<"$entry"
    ply=$((ply + 1)) side=$([ $((ply % 2)) = 1 ] && echo white || echo black) flipped=0
    start "$code" "$side"
    if [ -n "$previous" ]; then
        for s in "${previous:0:2}" "${previous:2:2}"; do
            marked "$(square "$s")" || fail "ply $ply: the opponent's move $previous is not marked on $s"
        done
    fi
    case $how in
    drag | flipped)
        if [ "$how" = flipped ]; then xdotool windowfocus "$window" sleep 0.1 key ctrl+f sleep 0.3; flipped=1; fi
        drag "$(square "${uci:0:2}")" "$(square "${uci:2:2}")"
        if [ -n "${uci:4}" ]; then choices=rnbq; choices=${choices%%${uci:4}*}; promote ${#choices}; fi
        ;;
    *) # the keyboard alone: Tab to the move box (past the disabled Undo and Send), type, Enter
        xdotool windowfocus "$window" sleep 0.1 key Tab Tab sleep 0.1 type "$how"
        xdotool key Return sleep 0.3
        ;;
    esac
    send
    if [ "$killed" -gt 0 ]; then kill -KILL "$pid"; wait "$pid" 2>/dev/null || true; else finish; fi
    [ "$sent" = "$(as "$side" "$tool" code "$fen" 2>/dev/null)" ] || fail "ply $ply $uci sent $sent: $("$tool" fen "$sent"), not $fen"
    echo "ply $ply $uci ($how): $fen"
    code=$sent previous=$uci
    [ "$ply" = "$killed" ] && break
done
if [ "$killed" -gt 0 ]; then # the last sender has every ply recorded, the other all but one
    total=$(( $(as white "$tool" games | cut -f4) + $(as black "$tool" games | cut -f4) ))
    [ "$total" = $((2 * killed - 1)) ] || fail "the records hold $total plies, not $((2 * killed - 1))"
    echo "killed after each of $killed sends: every move sent is recorded"
    exit 0
fi

# The receiver's run shows the mate (red text in the check indicator), and both records hold
# the whole game.
start "$code" black
import -window "$window" "$build/e2e-final-position.png"
shows "$window" 92x21+280+8 '(r > 0.6 && g < 0.35 && b < 0.35)' || fail "the mate is not shown"
finish
for side in white black; do
    moves=$(as "$side" "$tool" pgn | sed '1,/^$/d' | tr -s ' \n' ' ' | sed 's/ $//')
    [ "$moves" = "$pgn" ] || fail "$side's record reads back
$moves
not
$pgn"
done
echo "mate after $ply plies, recorded alike on both sides: $build/e2e-final-position.png"

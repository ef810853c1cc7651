#!/usr/bin/env bash
# Three turns on a Wayland desktop: weston (X11 backend) inside an Xvfb of its own, the code served
# by wl-copy before the program starts, the move typed (Alt+M, the move, Enter), Alt+S; wl-paste
# must then read the code of the position after the move while the program runs, and the program
# must never have opened the code dialog. The keys reach the program through weston's seat, which
# takes them from the X server.
# Usage: wayland-turn.sh BUILD_DIR [OUTPUT_DIR]; exit status 77: a tool is missing (skipped).
set -euo pipefail
build=$(cd "$1" && pwd)
out=${2:-$build/e2e-wayland}
program=$build/corvalen tool=$build/corvalen-code
for t in Xvfb weston wl-copy wl-paste xdotool; do
    command -v "$t" >/dev/null || { echo "SKIP: $t not found (scripts/install-deps installs it)"; exit 77; }
done
compgen -G '/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so' >/dev/null ||
    { echo "SKIP: Qt's Wayland plugin not found (scripts/install-deps installs qt6-wayland)"; exit 77; }

# Each turn: the position loaded, the move typed, the position after it.
turns=(
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w|e2e4|rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b - e3"
    "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b|Nf6|r1bqkb1r/pppp1ppp/2n2n2/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w"
    "4k3/1P6/8/8/8/8/8/4K2R w|O-O|4k3/1P6/8/8/8/8/8/5RK1 b"
)

rm -rf "$out" && mkdir -p "$out/runtime" && chmod 700 "$out/runtime"
export XDG_RUNTIME_DIR=$out/runtime WAYLAND_DISPLAY=corvalen-test
export XDG_CONFIG_HOME=$out/config XDG_DATA_HOME=$out/data
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; true' EXIT
fail() { echo "FAIL: $* (logs in $out)" >&2; exit 1; }
# command... -> retries for 15 s until it succeeds
wait_for() { for _ in $(seq 150); do "$@" && return; sleep 0.1; done; return 1; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$out/display" 2>"$out/xvfb.log" & pids+=($!)
wait_for test -s "$out/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -1 "$out/display")
weston --backend=x11-backend.so --socket="$WAYLAND_DISPLAY" --width=800 --height=600 --idle-time=0 \
    >"$out/weston.log" 2>&1 & pids+=($!)
wait_for test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"
# Keys go to the X window under the pointer: weston's.
xdotool mousemove 400 300

run=0
for turn in "${turns[@]}"; do
    IFS='|' read -r fen move after <<<"$turn"
    run=$((run + 1)) log=$out/run$run.log
    code=$("$tool" code "$fen" 2>/dev/null) expected=$("$tool" code "$after" 2>/dev/null)
    wl-copy "$code"
    wait_for eval '[ "$(wl-paste -n 2>/dev/null)" = "$code" ]' || fail "wl-copy does not serve the code"
    # The protocol log tells when the window has the keyboard and when the program offers a code.
    WAYLAND_DEBUG=1 QT_QPA_PLATFORM=wayland "$program" 2>"$log" &
    pid=$! && pids+=($pid)
    wait_for grep -q 'wl_keyboard@[0-9]*\.enter' "$log" || fail "run $run: the window never got the keyboard"
    xdotool key alt+m type "$move"
    xdotool key Return key alt+s
    wait_for grep -q 'set_selection(wl_data_source' "$log" || true
    ! grep -q 'set_title("Copy the Chess Code")' "$log" || fail "run $run: the code dialog opened"
    grep -q 'set_selection(wl_data_source' "$log" || fail "run $run: Send Move offered nothing"
    sent=$(wl-paste -n)
    kill -0 "$pid" || fail "run $run: the program ended before its code was read"
    [ "$sent" = "$expected" ] || fail "run $run: $move sent $sent ($("$tool" fen "$sent")), not $after"
    echo "run $run: $move gives $after"
    kill "$pid" && wait "$pid" 2>/dev/null || true
done

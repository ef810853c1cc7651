#!/usr/bin/env bash
# Run inside an X server: puts the starting position's code on the clipboard, starts the program
# given as $1 from another folder, and prints how many windows titled "Chess" it shows (the main
# window, plus a message box when it cannot load a picture).
set -euo pipefail
program=$1
printf '%s' CHESS-CODE:FG4GD0LGU16HDHL1SI42C2K2S343C3K3SC0C8CGCOD0D8DGDOE0U9EHUQF2V9VHFOG \
    | xclip -selection clipboard -i
cd /
"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
timeout 30 xdotool search --sync --onlyvisible --name '^Chess$' >/dev/null
# A missing picture is reported right after the board is drawn; wait a while for it.
count=1
for _ in $(seq 30); do
    count=$(xdotool search --onlyvisible --name '^Chess$' | wc -l)
    [ "$count" -ge 2 ] && break
    sleep 0.1
done
echo "$count"

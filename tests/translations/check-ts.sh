#!/usr/bin/env bash
# Every translation is complete and current: lupdate over the code, run on a copy of the .ts
# files, must leave no unfinished, obsolete or vanished entry; every .ts turns into a .qm.
set -euo pipefail
source=$1 lrelease=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/translations/corvalen_*.ts "$work"/
"$source/scripts/update-translations" "$work"
failures=0
for ts in "$work"/corvalen_*.ts; do
    name=$(basename "$ts")
    open=$(grep -c -E 'type="(unfinished|obsolete|vanished)"' "$ts" || true)
    if [ "$open" -ne 0 ]; then
        echo "FAIL: $name has $open unfinished, obsolete or vanished entries:" >&2
        grep -B3 -E 'type="(unfinished|obsolete|vanished)"' "$ts" | grep '<source>' | head -n 20 >&2
        failures=$((failures + 1))
    fi
    "$lrelease" -silent "$ts" -qm "$work/${name%.ts}.qm" || failures=$((failures + 1))
done
[ "$failures" -eq 0 ] && echo "all translations complete"

#!/usr/bin/env bash
# Installs the program into a temporary folder with `cmake --install` (mode "install") or by
# building the Debian package and unpacking it (mode "package"), then checks that what was
# installed runs from the desktop menu: the bin link, the program with its pictures and guide
# beside its real file, the desktop entry, the icon, the README and corvalen-code.
set -euo pipefail
mode=$1 build=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() { # description command...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what" >&2; failures=$((failures + 1)); fi
}

if [ "$mode" = install ]; then
    DESTDIR="$work/root" "${CMAKE:-cmake}" --install "$build" --prefix /usr --component corvalen >/dev/null
else
    "${CPACK:-cpack}" -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log" >&2; exit 1; }
    deb=$(ls "$work"/package/*.deb)
    dpkg-deb -I "$deb"
    depends=", $(dpkg-deb -f "$deb" Depends),"
    for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins xdg-utils; do
        check "depends on $package" grep -qE ", $package[ ,]" <<<"$depends"
    done
    check "section games, maintainer named" test "$(dpkg-deb -f "$deb" Section)" = games -a -n "$(dpkg-deb -f "$deb" Maintainer)"
    dpkg-deb -x "$deb" "$work/root"
fi

prefix=$work/root/usr link=$prefix/bin/corvalen
program=$(readlink -f "$link") folder=$prefix/lib/corvalen
check "bin/corvalen is a relative link to lib/corvalen/corvalen" test "$(readlink "$link")" = ../lib/corvalen/corvalen -a -x "$program"
check "no library path into the build folder" eval '! readelf -d "$program" | grep -E "RPATH|RUNPATH" | grep -q "$build"'
check "every library found" eval '! ldd "$program" | grep -q "not found"'
check "guide beside the program" test -f "$folder/corvalen.html"
check "the 43 pictures and 31 twice-sized ones beside the program" test "$(cd "$source/images" && ls ./*.bmp ./*.ico | sort)" = "$(cd "$folder/images" && ls | sed 's|^|./|' | sort)" -a "$(ls "$folder/images" | wc -l)" = 74
check "the translations beside the program" test "$(cd "$source/translations" && ls ./*.ts | sed 's/ts$/qm/')" = "$(cd "$folder/translations" && ls | sed 's|^|./|')"
desktop=$prefix/share/applications/corvalen.desktop
check "desktop entry" grep -qx 'Categories=Game;BoardGame;' "$desktop"
check "desktop entry starts corvalen with its icon" eval 'grep -qx Exec=corvalen "$desktop" && grep -qx Icon=corvalen "$desktop"'
! command -v desktop-file-validate >/dev/null || check "desktop entry valid" desktop-file-validate "$desktop"
check "icon" test -f "$prefix/share/icons/hicolor/32x32/apps/corvalen.png"
check "README" test -f "$prefix/share/doc/corvalen/README.md"
check "copyright names GPL-3.0-or-later" grep -qx "License: GPL-3.0+" "$prefix/share/doc/corvalen/copyright"
check "corvalen-code answers for the starting code" test "$("$prefix/bin/corvalen-code" status CHESS-CODE:FG4GD0LGU16HDHL1SI42C2K2S343C3K3SC0C8CGCOD0D8DGDOE0U9EHUQF2V9VHFOG)" = none

# Started from the menu without a code the program waits in its code dialog (124: stopped).
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$link" >"$work/run.log" 2>&1
check "the program starts through the link" test $? -eq 124
set -e
if [ "$mode" = install ]; then
    # On a real X server: through the link the program finds its pictures (one window titled
    # Chess); without them it says so (a second one, the message).
    desktop() { QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$(dirname "$0")/desktop-start.sh" "$link" 2>/dev/null || echo failed; }
    check "through the link the program finds its pictures" test "$(desktop)" = 1
    mv "$folder/images" "$folder/images.away"
    check "without its pictures the program says so" test "$(desktop)" = 2
    mv "$folder/images.away" "$folder/images"
fi
[ $failures -eq 0 ]

#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the program, its menu entry, its
# icons and its help page landed where the desktop looks for them, and that the menu entry is
# valid.
set -euo pipefail
build_dir="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

expect() {
    if [ ! -e "$prefix/$1" ]; then
        echo "missing after install: $1" >&2
        exit 1
    fi
}
expect bin/querndale
expect share/applications/querndale.desktop
expect share/querndale/help/index.html
expect share/icons/hicolor/scalable/apps/querndale.svg
for size in 16 32 48 64 128 256; do
    expect "share/icons/hicolor/${size}x${size}/apps/querndale.png"
done
[ -x "$prefix/bin/querndale" ] || { echo "the program is not executable" >&2; exit 1; }
desktop-file-validate "$prefix/share/applications/querndale.desktop"
grep -q '^Name=Querndale$' "$prefix/share/applications/querndale.desktop"
grep -q '^Icon=querndale$' "$prefix/share/applications/querndale.desktop"
echo "install ok"

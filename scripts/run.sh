#!/usr/bin/env bash
# Installs what is missing, builds Querndale and starts it in the current directory, where it
# keeps xml.dat, xml.ini and the sitemap.
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$source_dir/build"
bash "$source_dir/scripts/setup.sh"
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --target querndale
exec "$build_dir/querndale"

#!/usr/bin/env bash
# Installs what is missing, builds Querndale's Debian package and installs it with apt-get:
# afterwards Querndale is in the desktop menu and runs as `querndale`.
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$source_dir/build-package"
bash "$source_dir/scripts/setup.sh"
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQUERNDALE_BUILD_TESTS=OFF -DQUERNDALE_BUILD_BENCH=OFF
cmake --build "$build_dir" --target querndale
(cd "$build_dir" && cpack >/dev/null)
package="$(ls "$build_dir"/querndale_*.deb | head -n 1)"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$package"
echo "Installed $(basename "$package")"

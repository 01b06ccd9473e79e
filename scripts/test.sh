#!/usr/bin/env bash
# Installs what is missing, builds Querndale with its tests and runs every test through ctest.
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$source_dir/build"
bash "$source_dir/scripts/setup.sh"
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUERNDALE_BUILD_TESTS=ON -DQUERNDALE_BUILD_BENCH=ON
cmake --build "$build_dir"
cd "$build_dir"
ctest --output-on-failure --timeout 120 -j "$(nproc)"

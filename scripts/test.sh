#!/usr/bin/env bash
# Installs what is missing, builds Querndale with its tests and runs every test through ctest:
# once in a normal build, once in a build with AddressSanitizer and UndefinedBehaviorSanitizer,
# where any finding fails the test that caused it; then runs each fuzz target for a minute.
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"
bash "$source_dir/scripts/setup.sh"

build_dir="$source_dir/build"
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUERNDALE_BUILD_TESTS=ON -DQUERNDALE_BUILD_BENCH=ON
cmake --build "$build_dir"
(cd "$build_dir" && ctest --output-on-failure --timeout 120 -j "$jobs")

sanitized_dir="$source_dir/build-asan"
cmake -S "$source_dir" -B "$sanitized_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUERNDALE_SANITIZE=ON -DQUERNDALE_BUILD_TESTS=ON -DQUERNDALE_BUILD_BENCH=OFF
cmake --build "$sanitized_dir"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$source_dir/tests/sanitizer/lsan.supp:print_suppressions=0"
(cd "$sanitized_dir" && ctest --output-on-failure --timeout 300 -j "$jobs")

fuzz_dir="$source_dir/build-fuzz"
cmake -S "$source_dir" -B "$fuzz_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DQUERNDALE_FUZZ=ON -DQUERNDALE_BUILD_BENCH=OFF
cmake --build "$fuzz_dir" --target querndale_fuzz_targets
(cd "$fuzz_dir" && ctest --output-on-failure --verbose -j "$jobs")

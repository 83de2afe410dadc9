#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: once in a normal build
# and once built with AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc 2>/dev/null || echo 2)

echo "==> Checking build and test packages"
tools/install-deps.sh

echo "==> Building (build/)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

echo "==> Running the tests (build/)"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300

echo "==> Building with AddressSanitizer + UndefinedBehaviorSanitizer (build-asan/)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMIRA_SANITIZE=ON \
      -DVELMIRA_WITH_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"

echo "==> Running the tests under the sanitizers (build-asan/)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 600

echo "==> All tests passed."

#!/usr/bin/env bash
# Builds Natalis with AddressSanitizer and UndefinedBehaviorSanitizer (build-san/) and runs the
# whole suite under them: any memory error or undefined behaviour fails its test. Optimised
# lightly (-O1) so the build stays short and the reports keep their lines. Leak reports are off:
# Qt and fontconfig keep caches until exit that the leak checker would count.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
inicio=$(date +%s)
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNATALIS_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" >/dev/null
cmake --build build-san --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-san --output-on-failure --parallel "$(nproc)" "$@" </dev/null
echo "Suite sob sanitizadores: $(( $(date +%s) - inicio )) s"

#!/usr/bin/env bash
# Builds Natalis with AddressSanitizer and UndefinedBehaviorSanitizer (build-san/) and runs the
# whole suite under them: any memory error or undefined behaviour fails its test. Optimised
# lightly (-O1) so the build stays short and the reports keep their lines. Leak reports are off:
# Qt and fontconfig keep caches until exit that the leak checker would count.
#
#   scripts/testa-sanitizado.sh [-L LABEL] [ctest arguments...]
# With -L, only the tests with that label are built (with what they need) and run: CI runs the
# unit tests so, which covers the engine, the chart, the files, the databases and the updater.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
inicio=$(date +%s)
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNATALIS_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" >/dev/null
alvos=()
if [ "${1:-}" = -L ]; then
  mapfile -t alvos < <(ctest --test-dir build-san -N -L "$2" | sed -n 's/^ *Test *#[0-9]*: *//p')
  [ ${#alvos[@]} -gt 0 ] || { echo "testa-sanitizado.sh: nenhum teste com a etiqueta $2" >&2; exit 1; }
fi
cmake --build build-san --parallel "$(nproc)" ${alvos[@]:+--target "${alvos[@]}"}
# A small quarantine of freed memory (32 MB, not 256): the updater's test of a 1 GiB download
# checks that the download is never held in memory, which a large quarantine would hide.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0:quarantine_size_mb=32
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-san --output-on-failure --parallel "$(nproc)" "$@" </dev/null
echo "Suite sob sanitizadores: $(( $(date +%s) - inicio )) s"

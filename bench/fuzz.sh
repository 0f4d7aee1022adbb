#!/usr/bin/env bash
# Fuzzes every reader of outside input with libFuzzer under ASan and UBSan (clang), each target
# for the given number of seconds (default 600), starting from its seed folder in fuzz/sementes.
# Prints executions and findings per target; a finding is kept in build-fuzz/achados/<target>/.
#   bench/fuzz.sh [segundos] [alvo ...]      alvos: mapa orbes leituras lote rtf descricao
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-600}
shift || true
alvos=("$@")
[ ${#alvos[@]} -gt 0 ] || alvos=(mapa orbes leituras lote rtf descricao)
bash scripts/setup.sh
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p"; }
done
san="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=undefined,float-cast-overflow"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DNATALIS_LIBFUZZER=ON -DNATALIS_WERROR=OFF \
  -DCMAKE_CXX_FLAGS="$san -fsanitize=fuzzer-no-link -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="$san" >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target $(printf 'fuzz_%s ' "${alvos[@]}") >/dev/null
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
printf '%-10s %12s %10s\n' alvo execuções achados
for a in "${alvos[@]}"; do
  corpus=build-fuzz/corpus/$a achados=build-fuzz/achados/$a
  rm -rf "$corpus" "$achados" && mkdir -p "$corpus" "$achados"
  cp fuzz/sementes/$a/* "$corpus"/
  log=build-fuzz/$a.log
  build-fuzz/fuzz-bin/fuzz_$a "$corpus" -max_total_time="$segundos" -print_final_stats=1 \
    -artifact_prefix="$achados/" -max_len=65536 -timeout=20 -rss_limit_mb=2048 \
    -close_fd_mask=3 >"$log" 2>&1 || true   # the readers' own messages are not libFuzzer's
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  printf '%-10s %12s %10s\n' "$a" "$execs" "$(find "$achados" -type f | wc -l)"
done

#!/usr/bin/env bash
# Batch mode beside Swiss Ephemeris: natalis-cli --lote casts 10,000 charts (two ephemeris
# runs, rebuild, parts, houses and aspects each), on one core and on all, with the peak memory
# of each run, and swetest computes the same bodies and houses for the same instants; all are
# timed in this run and the ratio is printed. The goal: memory flat (under 100 MB) for any count.
#   bench/chart/lote.sh            (build folder: build/; another with BUILD_DIR=...; N=1000000)
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD_DIR="${BUILD_DIR:-build}"
N="${N:-10000}"
# Whole minutes (the chart takes no seconds) spreading the instants over 1900 to ~2000.
PASSO_MIN=$(( 52596000 / N > 0 ? 52596000 / N : 1 ))
JD0=2415020.5            # 1900-01-01 0h UT
LAT=38.716667; LON_LESTE=-9.133333

cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --target natalis-cli >/dev/null
CLI="$BUILD_DIR/natalis/natalis-cli"
command -v swetest >/dev/null || { echo "falta o swetest (scripts/setup.sh instala-o)" >&2; exit 1; }

TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
/usr/bin/python3 - "$N" "$PASSO_MIN" > "$TMP/entrada.csv" <<'PY'
import sys, datetime
n, passo = int(sys.argv[1]), int(sys.argv[2])
t0 = datetime.datetime(1900, 1, 1)
print("nome,sexo,data,hora,fuso,local,latitude,longitude")
for k in range(n):
    t = t0 + datetime.timedelta(minutes=k * passo)
    print(f"N{k},M,{t.day}/{t.month}/{t.year},{t.hour}:{t.minute:02d},0,Lisboa,38º43' N,9º8' W")
PY

agora() { date +%s.%N; }

# Wall time and peak resident memory (KiB) of one run of the batch on $1 cores.
corre() {
  /usr/bin/python3 - "$@" <<'PY'
import resource, subprocess, sys, time
cli, entrada, saida, nucleos = sys.argv[1:5]
t = time.monotonic()
subprocess.run([cli, "--lote", entrada, "--saida", saida, "--nucleos", nucleos], check=True, stdin=subprocess.DEVNULL)
print(f"{time.monotonic() - t:.3f} {resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss}")
PY
}
NUCLEOS=$(nproc)
read -r um pico_um < <(corre "$CLI" "$TMP/entrada.csv" "$TMP/saida1.csv" 1)
read -r todos pico_todos < <(corre "$CLI" "$TMP/entrada.csv" "$TMP/saida.csv" "$NUCLEOS")
cmp -s "$TMP/saida1.csv" "$TMP/saida.csv" || { echo "a saída num núcleo difere da saída em $NUCLEOS" >&2; exit 1; }

# swetest prints at most 36525 lines per call, so the instants go in blocks.
BLOCO=1000
t3=$(agora)
for ((k = 0; k < N; k += BLOCO)); do
  n=$(( N - k < BLOCO ? N - k : BLOCO ))
  jd=$(awk -v j="$JD0" -v k="$k" -v p="$PASSO_MIN" 'BEGIN { printf "%.8f", j + k * p / 1440.0 }')
  swetest -bj"$jd" -ut -n"$n" -s"${PASSO_MIN}m" -p0123456789tA -emos -nonut -fPl -head \
    -house"$LON_LESTE,$LAT,P" > "$TMP/swetest.$k.txt"
done
t4=$(agora)

linhas=$(( $(wc -l < "$TMP/saida.csv") - 1 ))
awk -v a=0 -v b="$todos" -v c="$t3" -v d="$t4" -v n="$N" -v l="$linhas" -v um="$um" -v pu="$pico_um" \
    -v nu="$NUCLEOS" -v pt="$pico_todos" 'BEGIN {
  natalis = b - a; swe = d - c
  printf "Mapas pedidos: %d, escritos: %d\n", n, l
  printf "1 núcleo: %.0f mapas/s, pico de memória %.1f MB\n", n / um, pu / 1024
  printf "%d núcleos: %.0f mapas/s, pico de memória %.1f MB\n", nu, n / natalis, pt / 1024
  printf "natalis-cli --lote: %.3f s (%.1f µs por mapa, com as duas corridas das efemérides, casas, partes e aspectos)\n", natalis, natalis / n * 1e6
  printf "swetest (mesmos corpos e casas, mesmos instantes): %.3f s (%.1f µs por instante)\n", swe, swe / n * 1e6
  printf "Razão natalis-cli / swetest: %.2f\n", natalis / swe
}'

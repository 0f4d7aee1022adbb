#!/usr/bin/env bash
# Batch mode beside Swiss Ephemeris: natalis-cli --lote casts 10,000 charts (two ephemeris
# runs, rebuild, parts, houses and aspects each) and swetest computes the same bodies and
# houses for the same instants; both are timed in this run and the ratio is printed.
#   bench/chart/lote.sh            (build folder: build/; another with BUILD_DIR=...)
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD_DIR="${BUILD_DIR:-build}"
N="${N:-10000}"
PASSO_MIN=5273           # whole minutes (the chart takes no seconds), ~3.7 days: 1900 to ~2000
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

t1=$(agora)
"$CLI" --lote "$TMP/entrada.csv" --saida "$TMP/saida.csv"
t2=$(agora)

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
awk -v a="$t1" -v b="$t2" -v c="$t3" -v d="$t4" -v n="$N" -v l="$linhas" 'BEGIN {
  natalis = b - a; swe = d - c
  printf "Mapas pedidos: %d, escritos: %d\n", n, l
  printf "natalis-cli --lote: %.3f s (%.1f µs por mapa, com as duas corridas das efemérides, casas, partes e aspectos)\n", natalis, natalis / n * 1e6
  printf "swetest (mesmos corpos e casas, mesmos instantes): %.3f s (%.1f µs por instante)\n", swe, swe / n * 1e6
  printf "Razão natalis-cli / swetest: %.2f\n", natalis / swe
}'

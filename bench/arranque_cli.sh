#!/usr/bin/env bash
# Start-up of natalis-cli beside swetest, side by side in one run: one cast without images or
# report (--silencioso) against swetest computing the same bodies and houses for the same
# instant, each run as a whole process many times, alternating. CPU time (user + system) is the
# measure, wall time is shown too (it follows the machine's load). Also shown: a program that
# only starts Qt Core and one that only loads it, the floor of any tool built on Debian's shared
# Qt. Goal: natalis-cli at most 2× swetest.
#   bench/arranque_cli.sh        (build folder: build/; another with BUILD_DIR=...; RUNS=...)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
RUNS="${RUNS:-40}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --target natalis-cli >/dev/null
command -v swetest >/dev/null || { echo "falta o swetest (scripts/setup.sh instala-o)" >&2; exit 1; }

TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
export HOME="$TMP" XDG_CONFIG_HOME="$TMP/config"   # the tool reads settings: never the user's own
printf '#include <QCoreApplication>\nint main(int c, char** v) { QCoreApplication a(c, v); return 0; }\n' > "$TMP/vazio.cpp"
g++ -O2 -fPIC "$TMP/vazio.cpp" -o "$TMP/qtcore-vazio" $(pkg-config --cflags --libs Qt6Core)
# Loading the library alone, without even an application object: what the dynamic loader and
# the kernel spend on Debian's shared Qt Core and the libraries it pulls in.
printf '#include <QString>\nint main(int, char** v) { return QString::fromLatin1(v[0]).isEmpty(); }\n' > "$TMP/carrega.cpp"
g++ -O2 -fPIC "$TMP/carrega.cpp" -o "$TMP/qtcore-carrega" $(pkg-config --cflags --libs Qt6Core)

/usr/bin/python3 - "$RUNS" "$BUILD_DIR/natalis/natalis-cli" "$TMP/qtcore-vazio" "$TMP/qtcore-carrega" <<'PY'
import resource, subprocess, sys, time
runs, cli, vazio, carrega = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
comandos = {
    "natalis-cli (clássico)": [cli, "--data", "25/4/1974", "--hora", "0:20", "--fuso", "1",
                               "--latitude", "38º43' N", "--longitude", "9º8' W", "--silencioso"],
    "natalis-cli --motor preciso --casas P": [cli, "--data", "25/4/1974", "--hora", "0:20", "--fuso", "1",
                               "--latitude", "38º43' N", "--longitude", "9º8' W", "--silencioso",
                               "--motor", "preciso", "--casas", "P"],
    "swetest": ["swetest", "-b24.4.1974", "-ut23:20", "-p0123456789tA", "-house-9.133333,38.716667,P", "-head"],
    "só o Qt Core (programa vazio)": [vazio],
    "só carregar o Qt Core (sem aplicação)": [carrega],
}
cpu = {k: 0.0 for k in comandos}
parede = {k: 0.0 for k in comandos}
for c in comandos.values():   # warm the file cache
    subprocess.run(c, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
for _ in range(runs):
    for nome, c in comandos.items():
        r0 = resource.getrusage(resource.RUSAGE_CHILDREN); t0 = time.perf_counter()
        subprocess.run(c, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        t1 = time.perf_counter(); r1 = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu[nome] += (r1.ru_utime - r0.ru_utime) + (r1.ru_stime - r0.ru_stime)
        parede[nome] += t1 - t0
print(f"Um mapa sem imagens nem relatório, processo inteiro, média de {runs} corridas alternadas:")
for nome in comandos:
    print(f"  {nome:40s} CPU {cpu[nome] / runs * 1e3:6.2f} ms   parede {parede[nome] / runs * 1e3:6.2f} ms")
for nome in ("natalis-cli (clássico)", "natalis-cli --motor preciso --casas P", "só o Qt Core (programa vazio)",
             "só carregar o Qt Core (sem aplicação)"):
    print(f"Razão {nome} / swetest: CPU {cpu[nome] / cpu['swetest']:.2f}   parede {parede[nome] / parede['swetest']:.2f}")
print("Objectivo: natalis-cli até 2× o swetest.")
PY

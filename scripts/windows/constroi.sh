#!/usr/bin/env bash
# Cross-builds Natalis for Windows with the toolchain of prepara.sh and lays out the complete
# program folder in build-windows/natalis/: the programs, the test programs (build-windows/
# tests-bin), the Qt, MinGW, SQLite, libsodium and Swiss Ephemeris DLLs, Qt's plugins, Qt's
# Portuguese texts, the ephemeris files and the databases. Incremental: a second run rebuilds
# only what changed.
set -euo pipefail
source "$(dirname "$0")/comum.sh"
NUCLEOS="${NUCLEOS:-2}"
OBRA="$WIN_RAIZ/build-windows"
PASTA="$OBRA/natalis"
INICIO=$SECONDS

for etapa in sqlite sodium swe qtnucleo svg; do
  if [ ! -e "$WIN_CACHE/.feito-$etapa" ]; then
    echo "Falta o conjunto de ferramentas em $WIN_CACHE ($etapa): corra primeiro scripts/windows/prepara.sh" >&2
    exit 1
  fi
done
# While prepara.sh is still building the rest of Qt, only the command-line tool can be built.
ALVOS=()
if [ ! -e "$WIN_CACHE/.feito-qtbase" ]; then
  echo "O Qt ainda não está completo: só natalis-cli.exe e natalis-cli-completo.exe"
  ALVOS=(--target natalis-cli natalis-cli-completo natalis_databases)
fi
mkdir -p "$OBRA"

# The databases are built by the tool of a native build (they are the same on every system).
# NATALIS_MKDB names one already built (build/tools/natalis-mkdb of the Linux build).
MKDB="${NATALIS_MKDB:-}"
if [ -z "$MKDB" ]; then
  passo "Ferramenta nativa das bases de dados"
  NATIVO="$OBRA/nativo"
  [ -f "$NATIVO/CMakeCache.txt" ] || cmake -S "$WIN_RAIZ" -B "$NATIVO" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DNATALIS_TESTES=OFF >/dev/null
  cmake --build "$NATIVO" --target natalis-mkdb --parallel "$NUCLEOS" | tail -1
  MKDB="$NATIVO/tools/natalis-mkdb"
fi

# The executable's icon, from the same drawing as the Linux one.
ICONE="$OBRA/natalis.ico"
if [ ! -f "$ICONE" ] || [ "$WIN_RAIZ/app/gui/icones/natalis.svg" -nt "$ICONE" ]; then
  passo "Ícone"
  pngs=()
  for t in 16 24 32 48 64 256; do
    rsvg-convert -w $t -h $t "$WIN_RAIZ/app/gui/icones/natalis.svg" -o "$OBRA/icone-$t.png"; pngs+=("$OBRA/icone-$t.png")
  done
  convert "${pngs[@]}" "$ICONE"
  rm -f "${pngs[@]}"
fi

passo "Configuração para Windows"
LANCADOR=()
command -v ccache >/dev/null && LANCADOR=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
export PKG_CONFIG_LIBDIR="$WIN_PREFIXO/lib/pkgconfig"
cmake -S "$WIN_RAIZ" -B "$OBRA" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" -DCMAKE_PREFIX_PATH="$WIN_QT;$WIN_PREFIXO" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DNATALIS_MKDB="$MKDB" -DNATALIS_ICONE_WINDOWS="$ICONE" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$WIN_RAIZ/scripts/windows/wine-corre.sh" \
  "${LANCADOR[@]}" >"$OBRA/configura.log" 2>&1 || { tail -30 "$OBRA/configura.log"; exit 1; }

passo "Compilação (${NUCLEOS} núcleos)"
nice -n 10 cmake --build "$OBRA" --parallel "$NUCLEOS" "${ALVOS[@]}" 2>&1 | grep -E "error|FAILED|^\[[0-9]+/[0-9]+\] Linking" | tail -40
[ "${PIPESTATUS[0]}" -eq 0 ] || { echo "A compilação falhou (veja cmake --build $OBRA)" >&2; exit 1; }

passo "Pasta do programa: bibliotecas, extensões do Qt, dados"
copia() { mkdir -p "$2"; cp -u "$1" "$2/"; }
for m in Core Gui Widgets Sql PrintSupport Network Test; do
  [ -f "$WIN_QT/bin/Qt6$m.dll" ] && copia "$WIN_QT/bin/Qt6$m.dll" "$PASTA"
done
for f in sqlite3.dll libsodium-23.dll swe.dll; do copia "$WIN_PREFIXO/bin/$f" "$PASTA"; done
# The MinGW runtime (POSIX threads flavour, as the compiler).
for f in libstdc++-6.dll libgcc_s_seh-1.dll; do
  copia "$($WIN_TRIPLE-g++-posix -print-file-name=$f)" "$PASTA"
done
copia "/usr/$WIN_TRIPLE/lib/libwinpthread-1.dll" "$PASTA"
P="$WIN_QT/plugins"
copia "$P/platforms/qwindows.dll" "$PASTA/platforms"
copia "$P/platforms/qoffscreen.dll" "$PASTA/platforms"   # the test programs
[ -f "$P/styles/qwindowsvistastyle.dll" ] && copia "$P/styles/qwindowsvistastyle.dll" "$PASTA/styles"
copia "$P/sqldrivers/qsqlite.dll" "$PASTA/sqldrivers"
for f in "$P"/imageformats/*.dll; do [ -f "$f" ] && copia "$f" "$PASTA/imageformats"; done
for f in "$P"/tls/*.dll; do [ -f "$f" ] && copia "$f" "$PASTA/tls"; done
for f in "$P"/networkinformation/*.dll; do [ -f "$f" ] && copia "$f" "$PASTA/networkinformation"; done
[ -f "$P/printsupport/windowsprintersupport.dll" ] && copia "$P/printsupport/windowsprintersupport.dll" "$PASTA/printsupport"
mkdir -p "$PASTA/iconengines"  # the SVG icon engine is not in the toolchain: the icon is the executable's
# Qt finds its plugins and texts beside the programs.
printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n' > "$PASTA/qt.conf"
# The test programs take the same plugins (the SQLite driver above all) from the program folder.
mkdir -p "$OBRA/tests-bin"
printf '[Paths]\nPrefix = ../natalis\nPlugins = .\nTranslations = translations\n' > "$OBRA/tests-bin/qt.conf"
# Qt's own texts (Debian qt6-translations-l10n) and the ephemeris (Debian swe-basic-data):
# the same files on every system.
for f in /usr/share/qt6/translations/qtbase_pt*.qm; do copia "$f" "$PASTA/translations"; done
for f in /usr/share/libswe/ephe/*; do copia "$f" "$PASTA/ephe"; copia "$f" "$OBRA/tests-bin/ephe"; done
# The tz database (Debian tzdata), read by the program itself: Windows' own zone tables lack
# the history before the current rules. The links become copies; right/ and posix/ are not used.
for destino in "$PASTA/zoneinfo" "$OBRA/tests-bin/zoneinfo"; do
  mkdir -p "$destino"
  tar -C /usr/share/zoneinfo --exclude=./right --exclude=./posix -chf - . | tar -C "$destino" -xf -
done
# The test programs find the DLLs in the program folder through WINEPATH (wine-corre.sh).

passo "Pronto: $PASTA ($(( (SECONDS - INICIO) / 60 )) min $(( (SECONDS - INICIO) % 60 )) s)"
ls "$PASTA"/*.exe

#!/usr/bin/env bash
# Builds, once, the toolchain that cross-builds Natalis for Windows: Qt (base and SVG), SQLite,
# libsodium and libswe for x86_64-w64-mingw32, from Debian's source packages, with Debian's
# mingw-w64 compiler and the host tools of Debian's own Qt. Everything lands in a cache folder
# named by the versions it holds ($NATALIS_WIN_CACHE, default ~/.cache), reused when present.
# Each stage leaves a mark; a stage already done is skipped, so an interrupted run resumes.
set -euo pipefail
source "$(dirname "$0")/comum.sh"

NUCLEOS="${NUCLEOS:-2}"
PACOTES_DEB=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  dpkg-dev tcl autoconf automake libtool cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  qt6-translations-l10n swe-basic-data wine nsis libsodium-dev libswe-dev libsqlite3-0 curl)
falta=()
for p in "${PACOTES_DEB[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || falta+=("$p")
done
if [ ${#falta[@]} -gt 0 ]; then
  passo "A instalar pacotes Debian em falta: ${falta[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${falta[@]}"
  source "$(dirname "$0")/comum.sh"   # the versions that name the cache are known only now
fi
[ -n "$WIN_QT_VERSAO" ] || { echo "prepara.sh: não se sabe a versão do Qt da Debian (qt6-base-dev)" >&2; exit 1; }

mkdir -p "$WIN_CACHE" "$WIN_FONTES" "$WIN_PREFIXO"
REGISTO="$WIN_CACHE/registo"; mkdir -p "$REGISTO"
feito() { [ -e "$WIN_CACHE/.feito-$1" ]; }
marca() { touch "$WIN_CACHE/.feito-$1"; }
INICIO=$SECONDS
echo "Cache do conjunto de ferramentas: $WIN_CACHE"

# --- Debian source packages, through a private apt configuration ---------------------------------
# The machine's own lists stay untouched: the deb-src entries and their lists live in the cache.
APT="$WIN_CACHE/apt"
APT_OPCOES=(-o Dir::Etc::sourcelist="$APT/sources.list" -o Dir::Etc::sourceparts=-
  -o Dir::State::Lists="$APT/listas" -o Dir::Cache="$APT/cache" -o Debug::NoLocking=1)
if ! feito fontes; then
  passo "A obter os pacotes de fontes da Debian"
  mkdir -p "$APT/listas/partial" "$APT/cache/archives/partial"
  : > "$APT/sources.list"
  # Same archives as the machine's binary entries (one-line or deb822 form), as deb-src.
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && grep -E '^deb ' "$f" | grep -E 'debian' | sed 's/^deb /deb-src /' >> "$APT/sources.list" || true
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk '
      function sai() { if (tipo ~ /deb/ && uris ~ /debian/) for (i = 1; i <= n; i++) print "deb-src " (ass ? "[signed-by=" ass "] " : "") uris " " s[i] " " comp; tipo = uris = comp = ass = ""; n = 0 }
      /^[[:space:]]*$/ { sai(); next }
      /^Types:/ { tipo = $0 } /^URIs:/ { uris = $2 } /^Components:/ { $1 = ""; comp = substr($0, 2) }
      /^Signed-By:/ { ass = $2 } /^Suites:/ { n = 0; for (i = 2; i <= NF; i++) s[++n] = $i }
      END { sai() }' "$f" >> "$APT/sources.list"
  done
  sort -u -o "$APT/sources.list" "$APT/sources.list"
  cat "$APT/sources.list"
  apt-get "${APT_OPCOES[@]}" update -qq
  cd "$WIN_FONTES"
  # The same Debian versions as the installed packages (Qt's host tools must match its target).
  # Debian's archive no longer serves every file of every source package: when `apt-get source`
  # cannot fetch one, the files it names are fetched one by one, checked against the sums apt
  # lists, and the upstream tarball alone is unpacked (Debian's patches only touch its packaging).
  for par in qt6-base:qt6-base-dev sqlite3:libsqlite3-0 libsodium:libsodium-dev libswe:libswe-dev \
             qtsvg-opensource-src:; do
    fonte="${par%%:*}"; bin="${par#*:}"
    alvo="$fonte"; [ -n "$bin" ] && alvo="$fonte=$(dpkg-query -W -f='${source:Version}' "$bin")"
    apt-get "${APT_OPCOES[@]}" source -qq "$alvo" >"$REGISTO/fonte-$fonte.txt" 2>&1 && continue
    echo "  $fonte: apt-get source falhou; a obter o tarball original"
    # (Run from an empty folder: apt names only the files not yet in the current one.)
    (cd "$(mktemp -d)" && apt-get "${APT_OPCOES[@]}" source --print-uris -qq "$alvo") | grep "orig" | while read -r uri nome tam soma; do
      uri="${uri//\'/}"; algo="${soma%%:*}"; soma="${soma#*:}"
      [ -f "$nome" ] || curl -fsS -o "$nome" "$uri"
      case "$algo" in SHA256) verif=sha256sum ;; SHA1) verif=sha1sum ;; *) verif=md5sum ;; esac
      echo "$soma  $nome" | $verif -c --quiet -
      d="$fonte-$(echo "$nome" | sed -E 's/^[^_]*_//; s/\.orig.*//')"; mkdir -p "$d"
      tar -xf "$nome" -C "$d" --strip-components=1
    done
  done
  marca fontes
fi
dir_fonte() { find "$WIN_FONTES" -maxdepth 1 -mindepth 1 -type d -name "$1-[0-9]*" | sort | tail -1; }

# --- CMake toolchain file ------------------------------------------------------------------------
cat > "$WIN_TOOLCHAIN" <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER   $WIN_TRIPLE-gcc-posix)
set(CMAKE_CXX_COMPILER $WIN_TRIPLE-g++-posix)
set(CMAKE_RC_COMPILER  $WIN_TRIPLE-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$WIN_TRIPLE $WIN_PREFIXO $WIN_QT)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC
export PKG_CONFIG_LIBDIR="$WIN_PREFIXO/lib/pkgconfig"
export PKG_CONFIG_SYSROOT_DIR=

# --- SQLite (Debian drops the copy bundled with Qt) ----------------------------------------------
if ! feito sqlite; then
  passo "SQLite"
  d="$(dir_fonte sqlite3)"; b="$WIN_CACHE/obra/sqlite"; rm -rf "$b"; mkdir -p "$b"; cd "$b"
  # The amalgamation (one C file, the same for every system) is generated from the full source
  # tree by host tools and tclsh, configured for this machine; only the DLL is built for Windows.
  "$d/configure" --disable-tcl --disable-readline >"$REGISTO/sqlite.txt" 2>&1
  nice -n 10 make -j"$NUCLEOS" sqlite3.c >>"$REGISTO/sqlite.txt" 2>&1
  $WIN_TRIPLE-gcc-posix -O2 -shared -DSQLITE_API='__declspec(dllexport)' -DSQLITE_ENABLE_FTS5 \
    -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_ENABLE_FTS3 -DSQLITE_ENABLE_FTS3_PARENTHESIS -DSQLITE_ENABLE_RTREE \
    -DSQLITE_ENABLE_JSON1 -DSQLITE_THREADSAFE=1 sqlite3.c -o sqlite3.dll \
    -Wl,--out-implib,libsqlite3.dll.a >>"$REGISTO/sqlite.txt" 2>&1
  mkdir -p "$WIN_PREFIXO"/{bin,lib/pkgconfig,include}
  cp sqlite3.dll "$WIN_PREFIXO/bin/"; cp libsqlite3.dll.a "$WIN_PREFIXO/lib/"
  cp sqlite3.h sqlite3ext.h "$WIN_PREFIXO/include/"
  v="$(sed -n 's/^#define SQLITE_VERSION *"\(.*\)"/\1/p' sqlite3.h)"
  printf 'prefix=%s\nlibdir=${prefix}/lib\nincludedir=${prefix}/include\nName: SQLite\nDescription: SQL database engine\nVersion: %s\nLibs: -L${libdir} -lsqlite3\nCflags: -I${includedir}\n' \
    "$WIN_PREFIXO" "$v" > "$WIN_PREFIXO/lib/pkgconfig/sqlite3.pc"
  marca sqlite
fi

# --- libsodium -----------------------------------------------------------------------------------
if ! feito sodium; then
  passo "libsodium"
  d="$(dir_fonte libsodium)"; b="$WIN_CACHE/obra/sodium"; mkdir -p "$b"
  # Debian's tarball is the project's repository: the configure script is generated here.
  [ -x "$d/configure" ] || (cd "$d" && autoreconf -fi >"$REGISTO/sodium-autoreconf.txt" 2>&1)
  cd "$b"
  [ -f Makefile ] || "$d/configure" --host=$WIN_TRIPLE --prefix="$WIN_PREFIXO" --enable-shared --disable-static \
    CC=$WIN_TRIPLE-gcc-posix >"$REGISTO/sodium.txt" 2>&1
  nice -n 10 make -j"$NUCLEOS" >>"$REGISTO/sodium.txt" 2>&1
  make install >>"$REGISTO/sodium.txt" 2>&1
  marca sodium
fi

# --- libswe (Swiss Ephemeris) --------------------------------------------------------------------
if ! feito swe; then
  passo "Swiss Ephemeris (libswe)"
  d="$(dir_fonte libswe)"; b="$WIN_CACHE/obra/swe"; rm -rf "$b"; mkdir -p "$b"; cd "$b"
  src="$d"; [ -f "$d/src/swephlib.c" ] && src="$d/src"
  fontes_swe=(swedate.c swehouse.c swejpl.c swemmoon.c swemplan.c sweph.c swephlib.c swecl.c swehel.c)
  for c in "${fontes_swe[@]}"; do
    nice -n 10 $WIN_TRIPLE-gcc-posix -O2 -c "$src/$c" -o "${c%.c}.o" -DMAKE_DLL >>"$REGISTO/swe.txt" 2>&1
  done
  $WIN_TRIPLE-gcc-posix -shared -o swe.dll ./*.o -Wl,--out-implib,libswe.dll.a >>"$REGISTO/swe.txt" 2>&1
  mkdir -p "$WIN_PREFIXO"/{bin,lib/pkgconfig,include}
  cp swe.dll "$WIN_PREFIXO/bin/"; cp libswe.dll.a "$WIN_PREFIXO/lib/"
  cp "$src"/swephexp.h "$src"/sweodef.h "$WIN_PREFIXO/include/"
  printf 'prefix=%s\nlibdir=${prefix}/lib\nincludedir=${prefix}/include\nName: libswe\nDescription: Swiss Ephemeris\nVersion: %s\nLibs: -L${libdir} -lswe\nCflags: -I${includedir}\n' \
    "$WIN_PREFIXO" "$(dpkg-query -W -f='${Version}' libswe-dev | cut -d- -f1)" > "$WIN_PREFIXO/lib/pkgconfig/libswe.pc"
  marca swe
fi

# --- The SVG writer -------------------------------------------------------------------------------
# Debian's archive here serves no longer the files of its qt6-svg source, only those of Qt 5's
# qtsvg. Natalis uses one class of the module, QSvgGenerator (SVG images of the wheel), whose
# source is the same in both series but for the text codec: it is built from Qt 5's source
# against this Qt as a small library, and offered to the build as Qt6::Svg (CMakeLists.txt).
constroi_svg() {
  feito svg && return 0
  passo "Gerador de SVG (QSvgGenerator)"
  d="$(dir_fonte qtsvg-opensource-src)"; b="$WIN_CACHE/obra/svg"; rm -rf "$b"; mkdir -p "$b"; cd "$b"
  sed -e '/#include "qtextcodec.h"/d' -e '/setCodec(QTextCodec::codecForName("UTF-8"))/d' \
      -e 's/color\.midRef(1)/color.mid(1)/' "$d/src/svg/qsvggenerator.cpp" > qsvggenerator.cpp
  sed -e 's/#include <QtSvg\/qtsvgglobal.h>/#include <QtGui\/qtguiglobal.h>\n#define Q_SVG_EXPORT/' \
      "$d/src/svg/qsvggenerator.h" > qsvggenerator.h
  I="$WIN_QT/include"; V="$WIN_QT_VERSAO"
  nice -n 10 $WIN_TRIPLE-g++-posix -std=c++17 -O2 -DQT_NO_DEBUG -DQT_BUILD_SVG_LIB -I. -I"$I" -I"$I/QtCore" -I"$I/QtGui" \
    -I"$I/QtCore/$V" -I"$I/QtCore/$V/QtCore" -I"$I/QtGui/$V" -I"$I/QtGui/$V/QtGui" \
    -c qsvggenerator.cpp -o qsvggenerator.o >"$REGISTO/svg.txt" 2>&1 || { tail -30 "$REGISTO/svg.txt"; return 1; }
  $WIN_TRIPLE-ar rcs libQt6SvgGerador.a qsvggenerator.o
  S="$WIN_PREFIXO/include/QtSvg"; mkdir -p "$S"; cp qsvggenerator.h "$S/"; echo '#include "qsvggenerator.h"' > "$S/QSvgGenerator"
  cp libQt6SvgGerador.a "$WIN_PREFIXO/lib/"
  marca svg
}

# --- Qt base -------------------------------------------------------------------------------------
# Only what Natalis uses: Core, Gui, Widgets, PrintSupport, Sql (SQLite only), Network, Test.
# Debian's source drops the Wintab headers, hence no tablet events (Windows Ink pointers remain).
# FreeType (bundled) is what the offscreen platform draws text with on Windows (the tests).
# Qt's DirectWrite font engine and font database are compiled into Gui only with Direct2D, which
# is off here; with DirectWrite on, the Windows platform plugin and the print engine would call
# classes Gui does not have (fonts go through GDI instead).
# Qt is built in place, not installed: its build folder is its prefix (a non-prefix build), so
# what is built is usable at once. natalis-cli's part (Core, Gui, Sql, the SQLite driver and
# the platform plugins, with Test for the test programs) is built first, then the SVG writer over it, so the command-line tool
# can be built and checked while the rest goes on.
if ! feito qtbase; then
  passo "Qt base $WIN_QT_VERSAO (a parte longa: mais de uma hora em dois núcleos)"
  d="$(dir_fonte qt6-base)"; mkdir -p "$WIN_QT"
  [ -f "$WIN_QT/build.ninja" ] || cmake -S "$d" -B "$WIN_QT" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$WIN_QT" -DCMAKE_PREFIX_PATH="$WIN_PREFIXO" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_FORCE_FIND_TOOLS=ON -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_sql=ON -DFEATURE_sql_sqlite=ON -DFEATURE_system_sqlite=ON \
    -DFEATURE_sql_odbc=OFF -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF \
    -DFEATURE_sql_ibase=OFF -DFEATURE_sql_oci=OFF -DFEATURE_sql_db2=OFF \
    -DFEATURE_openssl=OFF -DFEATURE_schannel=ON -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_zstd=OFF -DFEATURE_brotli=OFF -DFEATURE_vulkan=OFF -DFEATURE_freetype=ON \
    -DFEATURE_direct2d=OFF -DFEATURE_tuiotouch=OFF \
    -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF \
    -DFEATURE_testlib=ON -DFEATURE_printsupport=ON -DFEATURE_widgets=ON \
    -DSQLite3_INCLUDE_DIR="$WIN_PREFIXO/include" -DSQLite3_LIBRARY="$WIN_PREFIXO/lib/libsqlite3.dll.a" \
    >"$REGISTO/qtbase-configura.txt" 2>&1 || { tail -40 "$REGISTO/qtbase-configura.txt"; exit 1; }
  if ! feito qtnucleo; then
    passo "Qt: Core, Gui, Sql, Test, o controlador SQLite e as plataformas"
    nice -n 10 cmake --build "$WIN_QT" --parallel "$NUCLEOS" --target Core Gui Sql Test QSQLiteDriverPlugin \
      QOffscreenIntegrationPlugin QWindowsIntegrationPlugin >"$REGISTO/qtnucleo.txt" 2>&1 \
      || { tail -40 "$REGISTO/qtnucleo.txt"; exit 1; }
    marca qtnucleo
  fi
  constroi_svg || echo "  (o gerador de SVG falhou: veja $REGISTO/svg.txt; o resto do Qt segue)"
  passo "Qt: o resto (Widgets, Network, PrintSupport, Test, extensões)"
  nice -n 10 cmake --build "$WIN_QT" --parallel "$NUCLEOS" >"$REGISTO/qtbase.txt" 2>&1 \
    || { tail -40 "$REGISTO/qtbase.txt"; exit 1; }
  marca qtbase
fi
constroi_svg

passo "Conjunto de ferramentas pronto em $WIN_CACHE ($(( (SECONDS - INICIO) / 60 )) min)"

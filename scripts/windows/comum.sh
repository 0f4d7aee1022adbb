# Shared settings of the Windows scripts: the cache of the cross toolchain and its versions.
# Sourced, not run.
WIN_TRIPLE=x86_64-w64-mingw32
WIN_RAIZ="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# The Windows Qt must be the same release as the host tools it is built with (Debian's own Qt).
# (Empty, not an error, while the package is not installed: prepara.sh installs it, then reads again.)
versao_deb() { { dpkg-query -W -f='${source:Upstream-Version}' "$1" 2>/dev/null || true; } | sed 's/+dfsg.*//; s/~.*//'; }
WIN_QT_VERSAO="$(versao_deb qt6-base-dev)"
WIN_CACHE_BASE="${NATALIS_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}}"
WIN_CACHE="$WIN_CACHE_BASE/natalis-win-qt${WIN_QT_VERSAO}-gcc$({ x86_64-w64-mingw32-gcc-posix -dumpversion 2>/dev/null || echo 0; } | sed "s/-.*//")"
WIN_PREFIXO="$WIN_CACHE/prefixo"      # SQLite, libsodium, libswe and the SVG writer for Windows
WIN_QT="$WIN_CACHE/qt"                # Qt for Windows, built in place
WIN_FONTES="$WIN_CACHE/fontes"        # Debian source packages, unpacked
WIN_TOOLCHAIN="$WIN_CACHE/mingw-w64.cmake"

passo() { printf '\n[%(%H:%M:%S)T] %s\n' -1 "$*"; }

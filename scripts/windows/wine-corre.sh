#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, as CTest's emulator and by hand: a
# private Wine prefix inside build-windows/, the program folder's DLLs on the path, no Wine
# chatter, and a clean Natalis key in the registry before each run (each test program starts
# from an empty settings store, as on Linux where each has its own home).
set -uo pipefail
RAIZ="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$RAIZ/build-windows/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPATH="Z:${RAIZ//\//\\}\\build-windows\\natalis"
WINE="$(command -v wine-stable || command -v wine)"
if [ ! -d "$WINEPREFIX" ]; then
  "$WINE" wineboot -i >/dev/null 2>&1
  wineserver -w 2>/dev/null || true
fi
[ -n "${NATALIS_MANTEM_REGISTO:-}" ] || "$WINE" reg delete 'HKCU\Software\Natalis' /f >/dev/null 2>&1
# Qt Test writes its report to the debugger, not to a pipe, when there is no Windows console
# (as under CTest here): a test program's report goes to a file, then to standard output.
case "$1" in
  */tests-bin/*.exe)
    relatorio="$(mktemp --suffix=.txt)"
    "$WINE" "$@" -o "Z:${relatorio//\//\\},txt"
    estado=$?
    cat "$relatorio"; rm -f "$relatorio"
    exit "$estado" ;;
esac
exec "$WINE" "$@"

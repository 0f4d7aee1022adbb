#!/usr/bin/env bash
# Runs the cross-built test programs under Wine (Qt's Windows platform on a virtual display) through
# CTest, whose emulator is wine-corre.sh, and prints CTest's summary: passed, failed, and the
# tests that skipped (a test program skips what needs Linux-only tools: swetest, a tmpfs full
# disk, signals) with the count of skipped cases. Extra arguments go to CTest (-R, -L).
set -uo pipefail
source "$(dirname "$0")/comum.sh"
# The test programs' windows need an X display under Wine: a virtual one when none is set.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" bash "$0" "$@"
fi
OBRA="$WIN_RAIZ/build-windows"
[ -f "$OBRA/CTestTestfile.cmake" ] || { echo "Falta $OBRA: corra scripts/windows/constroi.sh" >&2; exit 1; }
INICIO=$SECONDS
REGISTO="$OBRA/testa.log"
# The Wine prefix is made once, before the clock of the first test starts.
"$WIN_RAIZ/scripts/windows/wine-corre.sh" cmd /c exit >/dev/null 2>&1
# Only the test programs the build made (all of them once prepara.sh has built the whole Qt).
feitos=$(cd "$OBRA/tests-bin" 2>/dev/null && ls *.exe 2>/dev/null | sed 's/\.exe$//' | paste -sd'|')
todos=$(ctest --test-dir "$OBRA" -N | sed -n 's/^ *Test *#[0-9]*: //p')
em_falta=$(echo "$todos" | grep -vxE "${feitos:-^$}|test_gravacao" | paste -sd' ' || true)
[ -n "$em_falta" ] && echo "Por construir (o Qt ainda não tem os módulos deles): $em_falta"
ctest --test-dir "$OBRA" --output-on-failure --timeout 900 -R "^(${feitos}|test_gravacao)\$" "$@" </dev/null 2>&1 | tee "$REGISTO"
estado=${PIPESTATUS[0]}
# Qt Test reports its skipped cases per program ("Totals: 10 passed, 0 failed, 2 skipped").
saltados=$(grep -ho 'Totals: .*' "$OBRA"/Testing/Temporary/LastTest.log 2>/dev/null | awk '{s += $6} END {print s + 0}')
passados=$(grep -ho 'Totals: .*' "$OBRA"/Testing/Temporary/LastTest.log 2>/dev/null | awk '{s += $2} END {print s + 0}')
falhados=$(grep -ho 'Totals: .*' "$OBRA"/Testing/Temporary/LastTest.log 2>/dev/null | awk '{s += $4} END {print s + 0}')
echo
echo "Casos de teste sob Wine: $passados passaram, $falhados falharam, $saltados saltados"
grep -h '^SKIP ' -A1 "$OBRA"/Testing/Temporary/LastTest.log 2>/dev/null | grep -o 'SKIP.*\|Loc:.*' | paste - - | sed 's/^/  /' | sort | uniq -c | sort -rn | head -40
echo "Tempo: $(( (SECONDS - INICIO) / 60 )) min $(( (SECONDS - INICIO) % 60 )) s"
exit "$estado"

#!/usr/bin/env bash
# Installs what is missing, builds Natalis and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
prog=build/natalis/natalis
if [ ! -x "$prog" ]; then
  # Until the main window exists, the command-line tool stands in.
  exec build/natalis/natalis-cli --help
fi
exec "$prog" "$@"

#!/usr/bin/env bash
# Installs the Debian packages Natalis needs to build, run and test, when they are missing.
# Shared by every command of the README and by CI; nothing but Debian packages is fetched.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-svg-dev libqt6svg6
  qt6-translations-l10n qt6-l10n-tools libgl-dev
  libbenchmark-dev
  swetest libswe-dev swe-basic-data
  xvfb xauth unrtf poppler-utils
  minisign libsodium-dev
  fonts-dejavu-core
  libreoffice-writer-nogui libreoffice-calc-nogui librsvg2-bin
  dpkg-dev lintian desktop-file-utils shared-mime-info file man-db
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "A instalar pacotes em falta: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Builds the Debian package natalis_<versão>_amd64.deb from a Release build of its own
# (build-deb/): the program folder in /usr/lib/natalis, natalis and natalis-cli on the PATH,
# the desktop entry, icons, file types, manual pages and copyright. Debian tools only
# (dpkg-dev: dpkg-deb, dpkg-shlibdeps; librsvg2-bin for the icon sizes).
#
#   scripts/pacote-deb.sh [PASTA-DE-SAÍDA]     (default: the checkout's root)
#
# Prints the package's path on the last line.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
saida=$(mkdir -p "${1:-$raiz}" && cd "${1:-$raiz}" && pwd)
build=$raiz/build-deb
cd "$raiz"

# Debian's hardening flags (fortified functions, stack protector, read-only relocations bound at
# start), without the debugging information the package strips anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags=$(echo "$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" | sed 's/ -g / /; s/-O2//')
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNATALIS_TESTES=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_C_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
  $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache) >/dev/null
cmake --build "$build" --parallel "${NATALIS_JOBS:-$(nproc)}"

versao=$(sed -n 's/^project(Natalis VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arq=$(dpkg --print-architecture)
pacote=natalis_${versao}_${arq}.deb
raizdeb=$build/pacote
rm -rf "$raizdeb"
lib=$raizdeb/usr/lib/natalis
share=$raizdeb/usr/share
mkdir -p "$lib" "$raizdeb/usr/bin" "$raizdeb/DEBIAN" "$share/applications" "$share/mime/packages" \
  "$share/man/man1" "$share/doc/natalis" "$share/icons/hicolor/scalable/apps"

# The files of the program folder as the build made it (companion programs included); the
# empty folders for the user's own files stay out: an installed folder is never written.
(cd "$build/natalis" && find . -type f ! -path './logs/*') | while read -r f; do
  mkdir -p "$(dirname "$lib/$f")"
  cp -p "$build/natalis/$f" "$lib/$f"
done
echo "Esta pasta é gerida pelo gestor de pacotes do sistema." > "$lib/instalado-pelo-sistema"

executaveis=()
while IFS= read -r -d '' f; do
  if file -b "$f" | grep -q '^ELF'; then
    strip --strip-unneeded --remove-section=.comment --remove-section=.note "$f"
    chmod 0755 "$f"
    executaveis+=("$f")
  else
    chmod 0644 "$f"
  fi
done < <(find "$lib" -type f -print0)
ln -s ../lib/natalis/natalis "$raizdeb/usr/bin/natalis"
ln -s ../lib/natalis/natalis-cli "$raizdeb/usr/bin/natalis-cli"

install -m 0644 pacote/natalis.desktop pacote/natalis-glosador.desktop pacote/natalis-movela.desktop \
  pacote/natalis-duetto.desktop "$share/applications/"
install -m 0644 pacote/natalis-mime.xml "$share/mime/packages/natalis.xml"
install -m 0644 app/gui/icones/natalis.svg "$share/icons/hicolor/scalable/apps/natalis.svg"
for t in 16 24 32 48 64 128 256; do
  mkdir -p "$share/icons/hicolor/${t}x${t}/apps"
  rsvg-convert -w "$t" -h "$t" app/gui/icones/natalis.svg -o "$share/icons/hicolor/${t}x${t}/apps/natalis.png"
  chmod 0644 "$share/icons/hicolor/${t}x${t}/apps/natalis.png"
done
for m in natalis natalis-cli; do
  sed "s/@VERSAO@/$versao/" "pacote/$m.1" | gzip -9n > "$share/man/man1/$m.1.gz"
  chmod 0644 "$share/man/man1/$m.1.gz"
done
install -m 0644 pacote/copyright "$share/doc/natalis/copyright"
gzip -9nc pacote/changelog > "$share/doc/natalis/changelog.gz"
chmod 0644 "$share/doc/natalis/changelog.gz"

# Depends from the libraries the executables link (dpkg-shlibdeps wants a debian/control);
# the Qt plugins the programs load at run time (the window system, SQLite, SVG icons) are
# not linked, so they are named here.
trabalho=$(mktemp -d)
trap 'rm -rf "$trabalho"' EXIT
mkdir -p "$trabalho/debian"
printf 'Source: natalis\n\nPackage: natalis\nArchitecture: any\n' > "$trabalho/debian/control"
depende=$(cd "$trabalho" && dpkg-shlibdeps -O "${executaveis[@]}" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
depende="$depende, qt6-qpa-plugins, libqt6sql6-sqlite, tzdata"
tamanho=$(du -sk --exclude=DEBIAN "$raizdeb" | cut -f1)

cat > "$raizdeb/DEBIAN/control" <<FIM
Package: natalis
Version: $versao
Architecture: $arq
Maintainer: Natalis <autor@natalis.pt>
Installed-Size: $tamanho
Depends: $depende
Recommends: swe-basic-data
Section: science
Priority: optional
Homepage: https://www.natalis.pt/
Description: astrology program: natal charts, wheel, aspects and interpretation
 Natalis casts natal charts for Portuguese-speaking astrologers: the Sun, the
 Moon, the planets to Pluto, the true node, the Black Moon, the angles, twelve
 house cusps, seven Arabic parts and the aspects within orbs the user can
 change. It draws and prints the wheel and the aspect grid, keeps charts in
 chart files (.anc) and writes an automatic interpretation in rich text from
 its database of texts.
 .
 The package holds the window (natalis), the command-line tool (natalis-cli),
 the interpretation editor (glosador), the transits program (movela), the
 synastry program (duetto), the interpretation texts and a place
 atlas with time zones. With the Swiss Ephemeris data files (swe-basic-data)
 the precise engine uses them; without them it uses the built-in Moshier
 ephemeris.
FIM
(cd "$raizdeb" && find usr -type f -print0 | sort -z | xargs -0 md5sum) > "$raizdeb/DEBIAN/md5sums"
chmod 0644 "$raizdeb/DEBIAN/control" "$raizdeb/DEBIAN/md5sums"
find "$raizdeb" -type d -exec chmod 0755 {} +

dpkg-deb --root-owner-group -Zxz --build "$raizdeb" "$saida/$pacote" >/dev/null
echo "$saida/$pacote"

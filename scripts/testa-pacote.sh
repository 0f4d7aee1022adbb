#!/usr/bin/env bash
# Checks the Debian package as a user gets it: builds it (scripts/pacote-deb.sh), looks at its
# contents and at lintian's verdict, extracts it into a scratch root and runs natalis-cli,
# natalis and renovo from there with a scratch home: charts land in the user's documents
# folder and the program folder is left as the package made it.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
trabalho=$(mktemp -d)
trap 'chmod -R u+w "$trabalho" 2>/dev/null; rm -rf "$trabalho"' EXIT
falha() { echo "testa-pacote: $*" >&2; exit 1; }

inicio=$(date +%s)
deb=$(bash "$raiz/scripts/pacote-deb.sh" "$trabalho" | tail -1)
[ -f "$deb" ] || falha "o pacote não foi feito"
echo "pacote: $(basename "$deb") ($(du -k "$deb" | cut -f1) KB)"

# The files a user and the desktop rely on.
conteudo=$(dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's#^\./#/#')
for f in /usr/bin/natalis /usr/bin/natalis-cli /usr/lib/natalis/natalis /usr/lib/natalis/natalis-cli \
         /usr/lib/natalis/renovo /usr/lib/natalis/Intrepreter.mdb /usr/lib/natalis/locais.mdb \
         /usr/lib/natalis/natalis.html /usr/lib/natalis/instalado-pelo-sistema \
         /usr/share/applications/natalis.desktop /usr/share/applications/natalis-glosador.desktop \
         /usr/lib/natalis/glosador /usr/lib/natalis/duetto /usr/lib/natalis/movela /usr/lib/natalis/movela.mdb \
         /usr/lib/natalis/duetto.mdb /usr/share/applications/natalis-movela.desktop \
         /usr/share/applications/natalis-duetto.desktop /usr/share/mime/packages/natalis.xml \
         /usr/share/icons/hicolor/scalable/apps/natalis.svg /usr/share/icons/hicolor/48x48/apps/natalis.png \
         /usr/share/man/man1/natalis-cli.1.gz /usr/share/doc/natalis/copyright /usr/share/doc/natalis/changelog.gz; do
  grep -qx "$f" <<<"$conteudo" || falha "falta $f no pacote"
done
campos=$(dpkg-deb --field "$deb" Depends Recommends)
grep -q 'libqt6widgets6' <<<"$campos" || falha "Depends sem as bibliotecas do Qt: $campos"
grep -q '^Recommends: swe-basic-data' <<<"$campos" || falha "sem Recommends: swe-basic-data"

lintian --fail-on error "$deb" | tee "$trabalho/lintian.txt" || falha "lintian encontrou erros"

dpkg -x "$deb" "$trabalho/raiz"
programa=$trabalho/raiz/usr/lib/natalis
desktop-file-validate "$trabalho"/raiz/usr/share/applications/*.desktop || falha "entrada de menu inválida"
chmod -R a-w "$programa"
antes=$(cd "$programa" && find . | sort && find . -type f -exec md5sum {} + | sort)

casa=$trabalho/casa
mkdir -p "$casa"
export HOME=$casa XDG_CONFIG_HOME=$casa/.config XDG_DATA_HOME=$casa/.local/share XDG_DOCUMENTS_DIR=$casa/Documentos
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
cd "$trabalho"

"$trabalho/raiz/usr/bin/natalis-cli" --nome Maria --sexo F --data 25/4/1974 --hora 0:20 --fuso 1 --local Lisboa \
  --latitude "38º43' N" --longitude "9º8' W" --guardar Maria.anc --silencioso || falha "natalis-cli falhou"
mapa=$XDG_DOCUMENTS_DIR/Natalis/Mapas/Maria.anc
[ -f "$mapa" ] || falha "o mapa não está em $mapa"
[ "$(head -1 "$mapa" | tr -d '\r')" = '"Maria"' ] || falha "o mapa guardado não é o da Maria"
[ ! -e "$trabalho/Maria.anc" ] || falha "o mapa foi para a pasta corrente"

NATALIS_SEM_PAUSA=1 NATALIS_SAIR_APOS_ARRANQUE=1 timeout 60 "$trabalho/raiz/usr/bin/natalis" || falha "natalis não arrancou"
[ -z "$(find "$XDG_DATA_HOME" -path '*mime*' -o -path '*applications*' 2>/dev/null)" ] ||
  falha "natalis registou tipos de ficheiro do utilizador, que são do pacote"

if "$programa/renovo" /N 2>"$trabalho/renovo.txt"; then falha "renovo correu numa pasta instalada"; fi
grep -q 'gestor de pacotes do sistema' "$trabalho/renovo.txt" || falha "renovo não disse porquê"

depois=$(cd "$programa" && find . | sort && find . -type f -exec md5sum {} + | sort)
[ "$antes" = "$depois" ] || falha "a pasta do programa mudou: $(diff <(echo "$antes") <(echo "$depois") | head -5)"
echo "testa-pacote: tudo certo ($(( $(date +%s) - inicio )) s)"

